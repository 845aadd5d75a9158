#include "pages/csv_text.h"

#include "pages/result_pages.h"

#include <algorithm>

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string CsvGrid(const TextGrid& grid) {
    std::string out;
    for (const auto& row : grid) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) out += ',';
            out += CsvField(row[c]);
        }
        out += "\r\n";
    }
    return out;
}

TextGrid VisibleGaugeGrid(const GaugePageText& page) {
    if (page.tolerances) return page.grid;
    TextGrid shown;
    for (const auto& row : page.grid) {
        std::vector<std::string> kept;
        for (std::size_t c = 0; c < row.size(); ++c)
            if (std::ranges::find(kGaugeTolColumns, c) == std::end(kGaugeTolColumns))
                kept.push_back(row[c]);
        shown.push_back(kept);
    }
    return shown;
}

std::string CsvBlocks(const std::vector<std::pair<std::string, TextGrid>>& pages) {
    std::string out;
    for (const auto& [name, grid] : pages) {
        if (grid.empty()) continue;
        if (!out.empty()) out += "\r\n";
        out += CsvField(name) + "\r\n" + CsvGrid(grid);
    }
    return out;
}
