#pragma once
// plcalc's Set Dim tool (--setdim).

#include "cli/options.h"
#include <iosfwd>
#include <string>

// The options --setdim takes; the usage problem of any other, empty when none.
std::string SetDimOptionProblem(const OptionValues& values);
// Runs the Set Dim tool with the options and prints the gauge setting of the
// thread it works on (text, JSON or CSV), or writes its "Setting Dims Report"
// (--report setting --pdf FILE); returns the exit code.
struct SetDimOutput {
    bool json = false, csv = false, mm = false, inch = false;
};
int RunSetDimOption(const OptionValues& values, const SetDimOutput& output, std::ostream& out,
                    std::ostream& err);
