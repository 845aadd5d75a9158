#pragma once
// plcalc's Set Dim tool (--setdim).

#include <iosfwd>
#include <map>
#include <string>

// The options --setdim takes; the usage problem of any other, empty when none.
std::string SetDimOptionProblem(const std::map<std::string, std::string>& values);
// Runs the Set Dim tool with the options and prints the gauge setting of the
// thread it works on (text, JSON or CSV), or writes its "Setting Dims Report"
// (--report setting --pdf FILE); returns the exit code.
struct SetDimOutput {
    bool json = false, csv = false, mm = false, inch = false;
};
int RunSetDimOption(const std::map<std::string, std::string>& values, const SetDimOutput& output,
                    std::ostream& out, std::ostream& err);
