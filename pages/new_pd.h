#pragma once
// "New PD Values": a measured pitch diameter taken for one limit of the
// product threads, and the nominal diameter at which that limit equals it.

#include "families/reevaluate.h"

#include <functional>
#include <string>
#include <vector>

struct ParameterEntry;

struct NewPDChoice {
    const char* caption; // "New External Max PD" ...
    const char* option;  // plcalc's name of the limit: "ext-max" ...
    PDLimit limit;
};

// The four limits in the dialog's order.
const std::vector<NewPDChoice>& NewPDChoices();
// The choice of a plcalc name ("ext-max", upper or lower case); null when none.
const NewPDChoice* NewPDChoiceOfOption(const std::string& option);

struct NewPDFit {
    std::string message;      // why the target can not be reached; empty when it was
    std::string diameterText; // the diameter found, as the diameter box takes it
    double nomDia = 0;
    int steps = 0;
};

// Sets up and calculates the thread of the page, then walks its nominal
// diameter until the limit equals the target. The target is typed in the
// display unit or with mm/in, like a wire size. The page's own refusals come
// back as the message; a table file that can not be read throws TableError.
NewPDFit FitToNewPD(const ParameterEntry& entry, PDLimit limit, const std::string& targetText,
                    bool metricDisplay, const std::function<void(int)>& progress = {});
