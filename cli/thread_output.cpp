#include "cli/thread_output.h"

#include "cli/calibrate_option.h"
#include "cli/exit_codes.h"
#include "cli/gauge_setting_output.h"
#include "cli/inspect_output.h"
#include "cli/iso1502_output.h"
#include "cli/json_writer.h"
#include "cli/options.h"
#include "cli/record_json.h"
#include "core/thread_record.h"
#include "pages/calibration_page.h"
#include "pages/csv_text.h"
#include "pages/inspect_page.h"
#include "pages/result_pages.h"
#include "pages/tap_drills.h"

#include <algorithm>
#include <ostream>

namespace {

// As the window shows it: without a tolerance set only the sizes; the line
// that says why tolerances are missing under the grid.
void PrintGauge(const GaugePageText& page, std::ostream& out) {
    out << '\n' << page.caption << '\n';
    PrintTextGrid(VisibleGaugeGrid(page), out);
    if (!page.note.empty()) out << page.note << '\n';
    if (!page.tolerances) return;
    if (!page.leadTol.empty()) out << "Lead Tol: " << page.leadTol << '\n';
    if (!page.angleTol.empty()) out << "Half Angle Tol: " << page.angleTol << '\n';
}

void GaugeJson(JsonWriter& j, const GaugePageText& p) {
    j.KeyText(p.caption);
    j.Open('{');
    j.Key("grid");
    j.Grid(p.grid);
    j.Put("lead_tol", p.leadTol);
    j.Put("angle_tol", p.angleTol);
    j.Put("note", p.note);
    j.Close('}');
}

// The drills of an internal unified or metric thread, as its page found them;
// none where the table cannot be read, and then why.
void TapDrillsJson(JsonWriter& j, const TTInfo& rec, const std::vector<TapDrill>& drills,
                   const std::string& error) {
    if (!HasTapDrills(rec)) return;
    if (!error.empty()) j.Put("tapDrillsError", error);
    j.Key("tapDrills");
    j.Open('[');
    for (const TapDrill& d : drills) {
        j.Open('{');
        j.Put("unit", RecordUnit(rec));
        j.Put("Drill", d.name);
        j.Put({{"Diameter", d.diameter}, {"PercentThread", d.percentThread}});
        j.PutBool("Recommended", d.recommended);
        j.Close('}');
    }
    j.Close(']');
}

} // namespace

void PrintPagesText(const ResultPagesText& pages, std::ostream& out,
                    const ReevaluationText* reevaluation, bool exactReadings) {
    out << pages.caption << '\n' << pages.name << '\n';
    if (reevaluation) out << reevaluation->note << '\n';
    if (exactReadings) out << pages.readingsLine << '\n';
    out << "\nThread Dim.\n";
    PrintTextGrid(pages.thread, out);
    if (!pages.tapDrills.empty()) {
        out << "\nTap Drills\n";
        PrintTextGrid(pages.tapDrills, out);
    }
    PrintGauge(pages.ring, out);
    PrintGauge(pages.setPlug, out);
    PrintGauge(pages.plug, out);
    if (!pages.iso1502.caption.empty()) PrintIso1502Text(pages.iso1502, out);
}

void PrintPagesJson(const TTInfo& rec, const ResultPagesText& pages, std::ostream& out,
                    const InspectPageText* inspect, const ReevaluationText* reevaluation,
                    const FieldNode* fields, const CalibrationPageText* calibration) {
    JsonWriter j(out, fields);
    j.Open('{');
    DocumentHead(j, pages.unit.c_str());
    j.Put("caption", pages.caption);
    j.Put("name", pages.name);
    if (rec.Helix == WireHelix::Exact) j.Put("wireReadings", "exact geometry");
    if (j.Wants("pages")) {
        j.Key("pages");
        j.Open('{');
        j.Put("unit", pages.unit.c_str());
        j.Key("Thread Dim.");
        j.Grid(pages.thread);
        GaugeJson(j, pages.ring);
        GaugeJson(j, pages.setPlug);
        GaugeJson(j, pages.plug);
        // In the unit the other pages were built in.
        ThreadSettingJson(j, rec, pages.unit == UnitText(true));
        j.Close('}');
    }
    RecordJson(j, rec);
    if (j.Wants("tapDrills") || j.Wants("tapDrillsError"))
        TapDrillsJson(j, rec, pages.drills, pages.drillsError);
    if (!pages.iso1502.caption.empty()) Iso1502Json(j, pages.iso1502);
    if (inspect) InspectionJson(j, *inspect, RecordUnit(rec));
    if (calibration) PrintCalibrationJson(j, *calibration);
    if (reevaluation) {
        j.Key("reevaluation");
        j.Open('{');
        j.Put("unit", RecordUnit(rec));
        j.Put("limit", reevaluation->limit);
        j.Put("target", reevaluation->target);
        j.Put("note", reevaluation->note);
        j.Close('}');
    }
    j.Close('}');
    out << '\n';
}

void PrintPagesCsv(const ResultPagesText& pages,
                   const std::vector<std::pair<std::string, TextGrid>>& setting,
                   const InspectPageText* inspect, std::ostream& out,
                   const CalibrationPageText* calibration) {
    std::vector<std::pair<std::string, TextGrid>> blocks = {
        {"Thread Dim.", pages.thread},
        {"Tap Drills", pages.tapDrills},
        {pages.ring.caption, VisibleGaugeGrid(pages.ring)},
        {pages.setPlug.caption, VisibleGaugeGrid(pages.setPlug)},
        {pages.plug.caption, VisibleGaugeGrid(pages.plug)},
    };
    blocks.insert(blocks.end(), setting.begin(), setting.end());
    if (!pages.iso1502.caption.empty())
        blocks.emplace_back(pages.iso1502.caption, pages.iso1502.grid);
    if (inspect) blocks.emplace_back("Inspect", inspect->grid);
    if (calibration) blocks.emplace_back(calibration->caption, calibration->budget);
    out << CsvBlocks(blocks);
}

NamedCsvPage GridCsvPage(const char* name, TextGrid grid, std::vector<std::string> notes) {
    NamedCsvPage p{name, {}};
    p.page.heading = false;
    p.page.grids = {std::move(grid)};
    p.page.notes = std::move(notes);
    return p;
}

std::vector<NamedCsvPage> ThreadCsvPages(const TTInfo& rec, const ResultPagesText& pages, bool mm,
                                         const InspectPageText* inspect,
                                         const CalibrationPageText* calibration) {
    const auto result = [&](const char* name, ResultCsv which) {
        NamedCsvPage p{name, ResultCsvPage(rec, pages, which)};
        p.page.heading = false;
        return p;
    };
    std::vector<NamedCsvPage> out = {
        result("thread", ResultCsv::Thread), result("drills", ResultCsv::Drills),
        result("ring", ResultCsv::Ring),     result("setplug", ResultCsv::SetPlug),
        result("plug", ResultCsv::Plug),
    };
    if (rec.Starts <= 1) {
        std::vector<GaugeSettingBlock> blocks = GaugeSettingBlocks(rec, mm);
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            const std::string& in = blocks[i].internalNote;
            const std::string& ex = blocks[i].externalNote;
            out.push_back(GridCsvPage(i == 1 ? "roll" : "point", std::move(blocks[i].grid),
                                      {in.empty() ? in : "Internal Dims.: " + in,
                                       ex.empty() ? ex : "External Dims.: " + ex}));
        }
    }
    if (!pages.iso1502.caption.empty()) {
        std::vector<std::string> notes = {pages.iso1502.note};
        notes.insert(notes.end(), pages.iso1502.lines.begin(), pages.iso1502.lines.end());
        out.push_back(GridCsvPage("iso1502", pages.iso1502.grid, notes));
    }
    if (inspect) out.push_back(GridCsvPage("inspect", inspect->grid, {inspect->verdict}));
    if (calibration)
        out.push_back(GridCsvPage("calibration", calibration->budget, calibration->verdict));
    return out;
}

int PrintCsvPage(const std::vector<NamedCsvPage>& pages, const std::string& name, std::ostream& out,
                 std::ostream& err) {
    std::string shown;
    for (const NamedCsvPage& p : pages) {
        const std::string csv = PageCsv(p.page);
        if (csv.empty()) continue;
        if (name == p.name) {
            out << csv;
            return kExitOk;
        }
        shown += (shown.empty() ? "" : ", ") + std::string(p.name);
    }
    if (std::string problem = CsvPageNameProblem(name); !problem.empty())
        return UsageError(err, CliMode::Thread, problem);
    return UsageError(err, CliMode::Thread,
                      "--page " + name + ": this thread has no such page (its pages: " + shown +
                          ")");
}

std::string CsvPageNameProblem(const std::string& name) {
    if (std::ranges::find(kCsvPageNames, name) != std::end(kCsvPageNames)) return {};
    std::string names;
    for (const std::string_view n : kCsvPageNames)
        names.append(names.empty() ? "" : ", ").append(n);
    return "--page " + name + " is no page (pages: " + names + ")";
}
