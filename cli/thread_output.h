#pragma once
// A calculated thread in plcalc's output: its result pages as aligned text,
// one JSON object or CSV blocks.

#include "cli/text_grid.h"
#include "pages/csv_text.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TTInfo;
struct FieldNode;
struct CalibrationPageText;
struct InspectPageText;
struct ResultPagesText;

// A thread calculated at the diameter a re-evaluation found (--new-pd).
struct ReevaluationText {
    std::string limit; // "ext-max" ...
    double target = 0; // in the record's unit
    std::string note;  // NewPDFit::note
};

// The re-evaluation's note follows the designation, and so does the line
// naming the wire readings when they are not the standard formula's.
void PrintPagesText(const ResultPagesText& pages, std::ostream& out,
                    const ReevaluationText* reevaluation = nullptr, bool exactReadings = false);
// With an inspection, its key "inspection" besides the pages; with a
// re-evaluation, its key "reevaluation"; with a calibration, "calibration";
// with fields, only what they ask for (pages that are not asked for need not
// be built).
void PrintPagesJson(const TTInfo& rec, const ResultPagesText& pages, std::ostream& out,
                    const InspectPageText* inspect = nullptr,
                    const ReevaluationText* reevaluation = nullptr,
                    const FieldNode* fields = nullptr,
                    const CalibrationPageText* calibration = nullptr);
// One page each, by its --page name, as the window's Copy Page as CSV puts
// it without its first row: the header row, the rows, the notes as a last row.
// Pages this thread does not show have no grid.
struct NamedCsvPage {
    const char* name;
    CsvPage page;
};
// A page of one grid and its notes.
NamedCsvPage GridCsvPage(const char* name, TextGrid grid, std::vector<std::string> notes);
// The names --page takes, those of a pipe thread last.
inline constexpr std::string_view kCsvPageNames[] = {
    "thread", "drills",  "ring",    "setplug",     "plug",      "point",
    "roll",   "iso1502", "inspect", "calibration", "npt-gages", "npt-tols"};
// Empty, or the usage problem of a name --page does not take.
std::string CsvPageNameProblem(const std::string& name);
std::vector<NamedCsvPage> ThreadCsvPages(const TTInfo& rec, const ResultPagesText& pages, bool mm,
                                         const InspectPageText* inspect,
                                         const CalibrationPageText* calibration);
// The page of that name, or the usage problem naming the pages there are.
int PrintCsvPage(const std::vector<NamedCsvPage>& pages, const std::string& name, std::ostream& out,
                 std::ostream& err);
// Every page as CSV blocks: the gauge setting grids (GaugeSettingGrids)
// after the gauge pages, then the inspection and the calibration's budget
// when there are.
void PrintPagesCsv(const ResultPagesText& pages,
                   const std::vector<std::pair<std::string, TextGrid>>& setting,
                   const InspectPageText* inspect, std::ostream& out,
                   const CalibrationPageText* calibration = nullptr);
