#pragma once
// The command line of mktables, apart from main() so it reads as one unit.

#include <ostream>
#include <string>
#include <vector>

namespace mktables {

// Exit codes: 0 done, 1 a source has problems or a file cannot be read or
// written, 2 wrong usage.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace mktables
