#pragma once
// "New PD Values": a measured pitch diameter taken for one limit of the
// product threads, and the nominal diameter at which that limit equals it.

#include "families/reevaluate.h"

#include <cstdint>
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
    double limitValue = 0; // the limit the calculation at that diameter gives
    double target = 0;     // the target in the record's unit
    int steps = 0;         // steps of kPDWalkStep from the diameter shown
    int trials = 0;        // calculations the walk made
    // What the pages say about the thread afterwards: "Re-evaluated for
    // External Max PD 0.2180: nominal diameter 0.2517 instead of 1/4".
    std::string note;
};

// Sets up and calculates the thread of the page, then walks its nominal
// diameter until the limit equals the target: each diameter tried is set up
// from the page with its diameter box holding that diameter and calculated
// whole, so the limit found is the one Calculate shows for the diameter text
// returned. The target is typed in the display unit or with mm/in, like a
// wire size. The page's own refusals come back as the message; a table file
// that can not be read throws TableError.
NewPDFit FitToNewPD(const ParameterEntry& entry, PDLimit limit, const std::string& targetText,
                    bool metricDisplay, const std::function<void(int)>& progress = {});

// How near the limit must come to the target for a thread type: inches or
// millimetres (M, MJ).
double PDWalkTolerance(uint16_t typeCode);
