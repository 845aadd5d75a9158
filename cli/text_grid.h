#pragma once
// A grid of texts in aligned columns, as plcalc's text pages print theirs.

#include <iosfwd>
#include <string>
#include <vector>

using TextGrid = std::vector<std::vector<std::string>>;

// Labels (column 0) read left to right; the other columns line up on the right.
void PrintTextGrid(const TextGrid& grid, std::ostream& out);
