#include "pages/thread_report_rows.h"

#include "core/designation.h"
#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "gauges/tolerance_text.h"
#include "gauges/wires.h"

#include <algorithm>

namespace {

// The row of a page grid with the label, or none.
const std::vector<std::string>* FindRow(const TextGrid& grid, const std::string& label) {
    const auto it = std::ranges::find_if(
        grid, [&](const std::vector<std::string>& row) { return !row.empty() && row[0] == label; });
    return it == grid.end() ? nullptr : &*it;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i == 0 ? "" : "\n") + lines[i];
    return text;
}

std::string EngagementText(const TTInfo& rec) {
    const TThdInfo& ex = rec.ExtThd;
    // M has engagement groups; MJ a length like the inch threads.
    if (ex.TypeCode == kTypeM) return rec.LOEText;
    // Standard MJ engagement has no length of its own.
    if (ex.TypeCode == kTypeMJ && ex.LOE <= 0) return "Standard";
    return DimText(ex, 4, ex.LOE) + (ex.StdLOE == 1 ? "   (Standard)" : "");
}

// A page row under the report's own label; nothing where the page has no such row.
void CopyRow(TextGrid& rows, const TextGrid& page, const std::string& pageLabel,
             const std::string& label) {
    if (const std::vector<std::string>* row = FindRow(page, pageLabel)) {
        rows.push_back(*row);
        rows.back()[0] = label;
    }
}

// A row of sizes alone, without tolerances.
void ValueRow(TextGrid& rows, const std::string& label, const TThdInfo& go, const TThdInfo& nogo,
              int decimals, double goValue, double nogoValue) {
    rows.push_back(
        {label, DimText(go, decimals, goValue), "", DimText(nogo, decimals, nogoValue), ""});
}

GaugeReportBlock Block(const std::string& name, const GaugePageText& page, const TThdInfo& go) {
    GaugeReportBlock b;
    b.title = name + " " + TolClassText(go);
    b.tolerances = page.tolerances;
    if (!page.leadTol.empty()) b.leadTol = "  Lead Tol: " + page.leadTol;
    b.halfAngle = "Half Angle:  " + page.angleTol;
    b.note = page.note;
    return b;
}

// "EXTERNAL"/"INTERNAL" and the designation, or the plated limits in two columns.
std::vector<ReportRow> GaugeHeading(const TTInfo& rec, TThdInfo& m) {
    const std::string designation = DesignationText(m);
    std::vector<ReportRow> lines;
    if (rec.Coating > 0) {
        auto note = [&](std::size_t i) { return i < m.Notes.size() ? m.Notes[i] : std::string(); };
        for (std::size_t i = 0; i < 4; ++i)
            lines.emplace_back(note(i), note(i + 5));
    } else {
        lines.emplace_back(m.IsInternal ? "INTERNAL" : "EXTERNAL", "");
        lines.emplace_back(designation, "");
    }
    return lines;
}

// Says which printed wire readings carry the helix correction, by the same
// rule the readings themselves follow.
std::string CompensationNote(TTInfo& rec) {
    const struct {
        const char* name;
        TThdInfo& gauge;
    } readings[] = {{"GO SET PLUG", rec.GoSetPlug},
                    {"NOGO SET PLUG", rec.NoGoSetPlug},
                    {"GO PLUG", rec.GoPlug},
                    {"NOGO PLUG", rec.NoGoPlug}};
    std::vector<std::string> compensated;
    int shown = 0;
    for (const auto& r : readings) {
        if (GageWireReading(r.gauge) == 0) continue;
        ++shown;
        if (ReadingsCorrected(r.gauge)) compensated.push_back(r.name);
    }
    if (shown == 0) return {};
    if (compensated.empty()) return "NOTE: No Wire reading includes a helix angle compensation";
    if (static_cast<int>(compensated.size()) == shown)
        return "NOTE: All Wire readings include the helix angle compensation factor";
    std::string names;
    for (std::size_t i = 0; i < compensated.size(); ++i)
        names += (i == 0 ? "" : ", ") + compensated[i];
    return "NOTE: Only the Wire readings of the " + names +
           " include the helix angle compensation factor";
}

} // namespace

std::string ReportUnitLine(const TTInfo& rec, bool metricDisplay, bool readings) {
    const std::string unit = UnitTip(metricDisplay);
    return readings && !rec.Pipe ? unit + "  -  " + WireReadingsLine(rec) : unit;
}

std::vector<ReportRow> ThreadInfoRows(const TTInfo& rec, bool metricDisplay, bool settingDim,
                                      bool internal) {
    const ScopedDisplayUnit unit(metricDisplay);
    const TThdInfo& ex = rec.ExtThd;
    const bool metric = ex.TypeCode == kTypeM || ex.TypeCode == kTypeMJ;
    std::vector<ReportRow> rows;
    rows.emplace_back("Thread Type:", rec.TypeName + " Thread");
    // A metric record's class code is its PD grade; its class is the pair of
    // tolerance classes.
    if (metric)
        rows.emplace_back("Tolerance Class:", rec.IntThd.TolInfoText() + " / " + ex.TolInfoText());
    else if (ex.ClassCode != 0)
        rows.emplace_back("Class of Thread:", rec.ClassText);
    const std::string diameter = DimText(ex, 4, rec.NomDia);
    if (settingDim)
        rows.emplace_back(internal ? "Internal PD:" : "External PD:", diameter);
    else
        rows.emplace_back("Nominal Diameter:", diameter);
    // The pitch stays in millimetres when the page is in inches.
    rows.emplace_back(metric ? "Thread Pitch:" : "Threads per Inch:",
                      TPIText(rec.TPI) + (metric ? " mm" : ""));
    if (rec.Starts > 1)
        rows.emplace_back("No. of Thread Starts, Lead:",
                          std::to_string(rec.Starts) + ",  " + DimText(ex, 4, ex.Lead()));
    if (rec.Coating > 0) rows.emplace_back("Plating Thickness:", DimText(ex, 5, rec.Coating));
    if (settingDim) return rows;
    rows.emplace_back("Length of Thd Engagement:", EngagementText(rec));
    rows.emplace_back("Helix Angle:", DegMinText(HelixAngle(ex)));
    std::string data = ex.FromTable == 1 ? "Table Data" : "Calculated Data";
    if (!metric && metricDisplay) data += "  (Data in mm)";
    if (metric && !metricDisplay) data += "  (Data in inches)";
    rows.emplace_back("Data Type:", data);
    return rows;
}

LimitsText LimitsHeading(TTInfo& rec) {
    LimitsText t;
    // The designations refresh the notes.
    const std::string internal = DesignationText(rec.IntThd);
    const std::string external = DesignationText(rec.ExtThd);
    t.plated = rec.Coating > 0;
    t.internal = t.plated ? JoinLines(rec.IntThd.Notes) : internal;
    t.external = t.plated ? JoinLines(rec.ExtThd.Notes) : external;
    return t;
}

LimitsText BuildLimitsText(TTInfo& rec, bool metricDisplay, bool diametersOnly) {
    LimitsText t = LimitsHeading(rec);

    const TextGrid grid = BuildResultPages(rec, std::string(), metricDisplay, false).thread;
    auto cell = [&](const std::string& label, std::size_t column) {
        const std::vector<std::string>* row = FindRow(grid, label);
        return row ? (*row)[column] : std::string();
    };
    auto both = [&](const std::string& label, const std::string& page) {
        t.rows.push_back({label, cell(page, 1), label, cell(page, 2)});
    };
    auto external = [&](const std::string& label, const std::string& page) {
        t.rows.push_back({"", "", label, cell(page, 2)});
    };
    both("Pitch Diameter Max:", "PD Max");
    both("Pitch Diameter Min:", "PD Min");
    both("Major Diameter Max:", "Maj Dia Max");
    both("Major Diameter Min:", "Maj Dia Min");
    // The report's own spellings are kept, "Diamater" included: users match
    // printed reports against older ones.
    const bool un = rec.ExtThd.TypeCode == kTypeUN;
    const std::string minMax = un ? "Min Dia Max (Ref)" : "Min Dia Max";
    const std::string minMin = un ? "Min Dia Min (Ref)" : "Min Dia Min";
    t.rows.push_back(
        {un ? "Minor Diameter Max:" : "Minor Diamater Max:", cell(minMax, 1),
         un ? "Minor Diameter Max (Ref, Calc.):" : "Minor Diamater Max:", cell(minMax, 2)});
    t.rows.push_back(
        {"Minor Diameter Min:", cell(minMin, 1),
         un ? "Minor Diameter Min (Ref, Calc.):" : "Minor Diameter Min:", cell(minMin, 2)});
    if (diametersOnly) return t;
    external("Root Radius Max:", "Root Rad Max");
    external("Root Radius Min:", "Root Rad Min");
    both("Root Width:", "Root Width");
    both("Thread Height (Ref):", "Thd Height (Ref.)");
    both("Thread Pitch:", "Thd Pitch");
    external("Current Wire Size:", "Wire Size");
    external("Max Wire Reading:", "Max Wire Reading");
    external("Min Wire Reading:", "Min Wire Reading");
    external("Helix Angle Comp:", "Helix Comp");
    return t;
}

GaugeReportText BuildGaugeReport(TTInfo& rec, bool metricDisplay) {
    const ScopedDisplayUnit unit(metricDisplay);
    const ResultPagesText pages = BuildResultPages(rec, std::string(), metricDisplay, false);
    GaugeReportText t;
    t.externalHeading = GaugeHeading(rec, rec.ExtThd);
    t.internalHeading = GaugeHeading(rec, rec.IntThd);

    GaugeReportBlock& ring = t.rings = Block("RING GAGE", pages.ring, rec.GoRing);
    CopyRow(ring.rows, pages.ring.grid, "Pitch Dia", "Pitch Diameter");
    CopyRow(ring.rows, pages.ring.grid, "Major Dia", "Major Diameter");
    CopyRow(ring.rows, pages.ring.grid, "Minor Dia", "Minor Diameter");

    TThdInfo& setGo = rec.GoSetPlug;
    TThdInfo& setNogo = rec.NoGoSetPlug;
    GaugeReportBlock& set = t.setPlugs = Block("SET PLUG GAGE", pages.setPlug, setGo);
    CopyRow(set.rows, pages.setPlug.grid, "Pitch Dia", "Pitch Diameter");
    CopyRow(set.rows, pages.setPlug.grid, "MOW", "Wire Reading");
    ValueRow(set.rows, "Helix Angle Comp", setGo, setNogo, 5, HelixComp(setGo), HelixComp(setNogo));
    CopyRow(set.rows, pages.setPlug.grid, "Major Trunc", "Major Dia (Trunc)");
    CopyRow(set.rows, pages.setPlug.grid, "Major Full", "Major Dia (Full)");
    CopyRow(set.rows, pages.setPlug.grid, "Minor Dia", "Minor Diameter");
    ValueRow(set.rows, "Wire Size", setGo, setNogo, 5, setGo.CurWire, setNogo.CurWire);

    TThdInfo& go = rec.GoPlug;
    TThdInfo& nogo = rec.NoGoPlug;
    GaugeReportBlock& plug = t.plugs = Block("PLUG GAGE", pages.plug, go);
    CopyRow(plug.rows, pages.plug.grid, "Pitch Dia", "Pitch Diameter");
    CopyRow(plug.rows, pages.plug.grid, "MOW", "Wire Reading");
    ValueRow(plug.rows, "Helix Angle Comp", go, nogo, 4, HelixComp(go), HelixComp(nogo));
    // The page shows N/A for a plug without a major diameter; the report leaves the row out.
    if (go.Major.Gage > 0) CopyRow(plug.rows, pages.plug.grid, "Major Dia", "Major Dia (Full)");
    CopyRow(plug.rows, pages.plug.grid, "Minor Dia", "Minor Diameter");
    if (go.TypeCode == kTypeMJ)
        ValueRow(plug.rows, "Root Radius", go, nogo, 4, go.RootRadMax, nogo.RootRadMax);
    ValueRow(plug.rows, "Wire Size", go, nogo, 5, go.CurWire, nogo.CurWire);

    t.compensationNote = CompensationNote(rec);
    return t;
}
