#pragma once
// Reading the thread command line (and --setdim's): its options and the
// checks of how they go together, before anything is calculated.

#include "cli/options.h"

#include <string>
#include <vector>

// False with the usage problem ("unknown option --x", "--mm and --inch
// exclude each other", ...).
bool ReadThreadOptions(const std::vector<std::string>& args, ParsedOptions& o,
                       std::string& problem);
