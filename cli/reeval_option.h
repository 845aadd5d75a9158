#pragma once
// plcalc's re-evaluation with a measured pitch diameter (--new-pd).

#include <string>

struct NewPDFit;
struct ParameterEntry;

// Usage problem of a --new-pd value ("ext-max=0.2180"); empty when it is sound.
std::string NewPDOptionProblem(const std::string& value);

// The diameter at which the limit of --new-pd equals its value, for the
// thread of the entry; fit.message says why when it can not be found. The
// value is read in the display unit (millimetres for M and MJ unless inch).
NewPDFit FitNewPDOption(const std::string& value, const ParameterEntry& entry, bool mmOption,
                        bool inchOption);
