#pragma once
// plcalc hands a command line to a companion program when it needs a library
// a plain run should not load: plcalc-report has the Qt PDF writers, and
// plcalc-register the database clients of the gauge register.

#include <string>
#include <vector>

struct CompanionProgram {
    const char* file;
    const char* what; // as a message names it
};
inline constexpr CompanionProgram kReportProgram = {"plcalc-report", "the report program"};
inline constexpr CompanionProgram kRegisterProgram = {"plcalc-register", "the register program"};

// True when the command line writes a report (--report, the ball
// micrometer's too) or the profile drawing (--profile-svg). args excludes the program name.
bool NeedsReportProgram(const std::vector<std::string>& args);
// Where a companion program is looked for, in order: beside the program, then
// in ../libexec/pitchledger/ from the program's folder.
std::vector<std::string> CompanionPlaces(const std::string& programPath, const char* name);
// Replaces this process with the companion, same arguments; returns only
// when it cannot: the message is printed and the file error returned.
int RunCompanionProgram(const CompanionProgram& program, char** argv);
