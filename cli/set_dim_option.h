#pragma once
// plcalc's Set Dim tool (--setdim).

#include <iosfwd>
#include <map>
#include <string>

// The options --setdim takes; the usage problem of any other, empty when none.
std::string SetDimOptionProblem(const std::map<std::string, std::string>& values);
// Runs the Set Dim tool with the options and prints the gauge setting of the
// thread it works on; returns the exit code.
int RunSetDimOption(const std::map<std::string, std::string>& values, bool json, bool mm,
                    bool inch, std::ostream& out, std::ostream& err);
