#pragma once
// plcalc hands every command line that writes a report to plcalc-report, the
// same command line program with the Qt PDF writers, so a plain run loads no Qt.

#include <string>
#include <vector>

inline const char* const kReportProgram = "plcalc-report";

// True when the command line writes a report (--report, the ball
// micrometer's too) or the profile drawing (--profile-svg). args excludes the program name.
bool NeedsReportProgram(const std::vector<std::string>& args);
// Where the report program is looked for, in order: beside the program, then
// in ../libexec/pitchledger/ from the program's folder.
std::vector<std::string> ReportProgramPlaces(const std::string& programPath);
// Replaces this process with the report program, same arguments; returns only
// when it cannot: the message is printed and the file error returned.
int RunReportProgram(char** argv);
