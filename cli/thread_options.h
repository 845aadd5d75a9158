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

// --thread's designation as the options of the thread's own values (--type,
// --dia, --tpi ...); the usage problem when others give them too. A
// designation that cannot be read is left for the set-up to refuse (exit 2).
std::string ExpandDesignation(ParsedOptions& o);
