#pragma once
// The command line front end: describes one thread with options (or opens a
// thread file), calculates it and prints the result pages as text or JSON.

#include "cli/exit_codes.h"

#include <iosfwd>
#include <string>
#include <vector>

// args excludes the program name.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// One line of a batch: as runCli, with the settings the batch has read; args
// as NormalizeArgs leaves them.
int runBatchLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Reads the user's settings; a settings file that is there but cannot be read
// is named on err ("plcalc: cannot read the settings: ...") and gives false:
// the shipped tables must not stand in for the user's unseen.
bool SettingsRead(std::ostream& err);
