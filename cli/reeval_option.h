#pragma once
// plcalc's re-evaluation with a measured pitch diameter (--new-pd).

#include <iosfwd>
#include <string>

struct ParameterEntry;

// Usage problem of a --new-pd value ("ext-max=0.2180"); empty when it is sound.
std::string NewPDOptionProblem(const std::string& value);

// The diameter text at which the limit of --new-pd equals its value, for the
// thread of the entry; false with the message when it can not be found. The
// value is read in the display unit (millimetres for M and MJ unless inch).
bool FitNewPDOption(const std::string& value, const ParameterEntry& entry, bool mmOption,
                    bool inchOption, std::string& diameterText, std::string& message);

