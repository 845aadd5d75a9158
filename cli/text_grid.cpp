#include "cli/text_grid.h"

#include <algorithm>
#include <ostream>

namespace {

// Columns on screen: UTF-8 continuation bytes take no column.
std::size_t DisplayWidth(const std::string& s) {
    std::size_t w = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++w;
    return w;
}

} // namespace

void PrintTextGrid(const TextGrid& grid, std::ostream& out) {
    std::vector<std::size_t> widths;
    for (const auto& row : grid) {
        if (row.size() > widths.size()) widths.resize(row.size(), 0);
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
    }
    for (const auto& row : grid) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(widths[c] - DisplayWidth(row[c]), ' ');
            // Labels read left to right; numbers line up on the right.
            line += c == 0 ? row[c] + pad : "  " + pad + row[c];
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << '\n';
    }
}
