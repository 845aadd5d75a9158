#include "pages/csv_text.h"

#include "core/thread_record.h"

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

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string CsvRow(const std::vector<std::string>& cells) {
    std::string out;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0) out += ',';
        out += CsvField(Trimmed(cells[c]));
    }
    return out + "\r\n";
}

} // namespace

std::string PageCsv(const CsvPage& page) {
    std::string out = page.heading ? CsvRow({page.thread, page.unit}) : std::string();
    bool any = false;
    for (const TextGrid& grid : page.grids) {
        if (grid.empty()) continue;
        if (any) out += "\r\n";
        any = true;
        for (const auto& row : grid)
            out += CsvRow(row);
    }
    if (!any) return {};
    std::vector<std::string> notes;
    for (const std::string& note : page.notes)
        if (!Trimmed(note).empty()) notes.push_back(note);
    if (!notes.empty()) out += CsvRow(notes);
    return out;
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

CsvPage ResultCsvPage(const TTInfo& rec, const ResultPagesText& p, ResultCsv page) {
    CsvPage csv;
    csv.thread = p.name;
    csv.unit = p.unit;
    switch (page) {
    case ResultCsv::ThreadAndDrills:
    case ResultCsv::Thread:
        csv.grids = {p.thread};
        for (const TThdInfo* m : {&rec.IntThd, &rec.ExtThd})
            csv.notes.insert(csv.notes.end(), m->Notes.begin(), m->Notes.end());
        if (page == ResultCsv::ThreadAndDrills) {
            csv.grids.push_back(p.tapDrills);
            csv.notes.push_back(p.drillsError);
        }
        csv.notes.push_back(p.readingsLine);
        break;
    case ResultCsv::Drills:
        csv.grids = {p.tapDrills}, csv.notes = {p.drillsError};
        break;
    case ResultCsv::Ring:
        csv.grids = {VisibleGaugeGrid(p.ring)}, csv.notes = {p.ring.note};
        break;
    case ResultCsv::SetPlug:
        csv.grids = {VisibleGaugeGrid(p.setPlug)}, csv.notes = {p.setPlug.note, p.readingsLine};
        break;
    case ResultCsv::Plug:
        csv.grids = {VisibleGaugeGrid(p.plug)}, csv.notes = {p.plug.note, p.readingsLine};
        break;
    }
    return csv;
}
