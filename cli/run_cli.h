#pragma once
// The command line front end: describes one thread with options (or opens a
// thread file), calculates it and prints the result pages as text or JSON.

#include <iosfwd>
#include <string>
#include <vector>

// Exit codes.
constexpr int kExitOk = 0;
constexpr int kExitInvalidInput = 2; // the window's validation messages
constexpr int kExitFileError = 3;    // table file or thread file error
constexpr int kExitUsage = 64;       // unknown option or missing value

// args excludes the program name.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// One line of a batch: as runCli, with the settings the batch has read.
int runBatchLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Reads the user's settings; a settings file that is there but cannot be read
// is named on err ("plcalc: cannot read the settings: ...") and gives false:
// the shipped tables must not stand in for the user's unseen.
bool SettingsRead(std::ostream& err);
