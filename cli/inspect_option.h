#pragma once
// plcalc's inspection of measured readings: the options --measured-mow,
// --measured-wire, --measured-pd and --measured-gauge.

#include "cli/options.h"
#include <optional>
#include <string>

class TTInfo;
struct InspectPageText;

// Usage problem of the inspection options; empty when they are sound or absent.
std::string InspectOptionProblem(const OptionValues& values);

// The inspection the options ask for, or nullopt when they ask for none. A
// refused value comes back as the page's message.
std::optional<InspectPageText> InspectFromOptions(const TTInfo& rec, const OptionValues& values,
                                                  bool metricDisplay);
