#include "cli/pipe_output.h"

#include "cli/json_writer.h"
#include "cli/record_json.h"
#include "cli/text_grid.h"
#include "core/pipe_record.h"
#include "core/thread_record.h"
#include "pages/csv_text.h"
#include "pipe/pipe_fills.h"
#include "pipe/pipe_pages.h"

#include <algorithm>
#include <initializer_list>
#include <ostream>
#include <string_view>
#include <tuple>
#include <utility>

namespace {

void PipeJson(JsonWriter& j, const TThdNPT& p) {
    j.Key("pipe");
    j.Open('{');
    j.Put("unit", "in");
    j.Put("SizeText", p.SizeText);
    j.Put("PipeKind", p.PipeKind);
    const std::pair<const char*, double> values[] = {
        {"PipeOD", p.PipeOD},
        {"L1", p.L1},
        {"L2", p.L2},
        {"L3", p.L3},
        {"L4", p.L4},
        {"L5", p.L5},
        {"L6", p.L6},
        {"L1Thds", p.L1Thds},
        {"L2Thds", p.L2Thds},
        {"L3Thds", p.L3Thds},
        {"L6Thds", p.L6Thds},
        {"E0", p.E0},
        {"E1", p.E1},
        {"E2", p.E2},
        {"E3", p.E3},
        {"E5", p.E5},
        {"E6", p.E6},
        {"RecessDepth", p.RecessDepth},
        {"RecessDia", p.RecessDia},
        {"VanishLen", p.VanishLen},
        {"VanishThds", p.VanishThds},
        {"NotchDistance", p.NotchDistance},
        {"NotchDistanceThds", p.NotchDistanceThds},
        {"ThreadHeight", p.ThreadHeight},
        {"DiaIncPerThd", p.DiaIncPerThd},
        {"PipeAllowance", p.PipeAllowance},
        {"L1ToL2", p.L1ToL2},
        {"L1ToL2Thds", p.L1ToL2Thds},
        {"RingThickness", p.RingThickness},
        {"TotalThds", p.TotalThds},
        {"LengthT", p.LengthT},
        {"PlugTaperTol", p.PlugTaperTol},
        {"RingTaperTol", p.RingTaperTol},
        {"PlugCumPDTol", p.PlugCumPDTol},
        {"RingCumPDTol", p.RingCumPDTol},
        {"Standoff", p.Standoff},
    };
    for (const auto& [k, v] : values)
        j.PutText(k, v, PipeRecordFills(p, k));
    j.Close('}');
}

} // namespace

void PrintPipeText(const PipePagesText& pages, std::ostream& out) {
    out << pages.caption << '\n';
    auto page = [&](const char* name, const PipeGrid& grid, const std::string& note) {
        if (grid.empty()) return;
        out << '\n' << name << '\n';
        PrintTextGrid(grid, out);
        if (!note.empty()) out << note << '\n';
    };
    page("Thread Dim.", pages.thread, pages.threadNote);
    page("NPT Gages", pages.gages, pages.gagesNote);
    page("NPT Tolerances", pages.tols, pages.tolsNote);
}

void PrintPipeJson(const TTInfo& rec, const PipePagesText& pages, std::ostream& out,
                   const FieldNode* fields) {
    JsonWriter j(out, fields);
    j.Open('{');
    // Pipe threads are shown in inches whatever the display unit.
    DocumentHead(j, "in");
    j.Put("caption", pages.caption);
    j.Put("name", pages.caption);
    j.Key("pages");
    j.Open('{');
    j.Put("unit", "in");
    j.Key("Thread Dim.");
    j.Grid(pages.thread);
    if (!pages.gages.empty()) {
        j.Key("NPT Gages");
        j.Grid(pages.gages);
    }
    if (!pages.tols.empty()) {
        j.Key("NPT Tolerances");
        j.Grid(pages.tols);
    }
    j.Close('}');
    // The grids stay plain arrays: each page's note beside them, by page name.
    j.Key("notes");
    j.Open('{');
    j.Put("Thread Dim.", pages.threadNote);
    if (!pages.gages.empty()) j.Put("NPT Gages", pages.gagesNote);
    if (!pages.tols.empty()) j.Put("NPT Tolerances", pages.tolsNote);
    j.Close('}');
    RecordJson(j, rec);
    if (rec.Pipe) PipeJson(j, *rec.Pipe);
    j.Close('}');
    out << '\n';
}

void PrintPipeCsv(const PipePagesText& pages, std::ostream& out) {
    out << CsvBlocks({{"Thread Dim.", pages.thread},
                      {"NPT Gages", pages.gages},
                      {"NPT Tolerances", pages.tols}});
}

std::vector<NamedCsvPage> PipeCsvPages(const PipePagesText& pages) {
    std::vector<NamedCsvPage> out;
    for (auto [name, grid, note] : {std::tuple{"thread", &pages.thread, &pages.threadNote},
                                    std::tuple{"npt-gages", &pages.gages, &pages.gagesNote},
                                    std::tuple{"npt-tols", &pages.tols, &pages.tolsNote}})
        out.push_back(GridCsvPage(name, *grid, {*note}));
    return out;
}
