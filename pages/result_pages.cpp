#include "pages/result_pages.h"

#include "core/designation.h"
#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "gauges/tolerance_text.h"
#include "gauges/wires.h"
#include "pages/tap_drills.h"

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

double MinWireReading(const TThdInfo& m) {
    return m.CurWire == 0 ? 0 : WireReadingAt(m, m.PD.Min);
}

namespace {

using Row = std::vector<std::string>;

// A new last row of the grid with room for its cells: built in place, where a
// row from a braced list copies every cell.
Row& NewRow(TextGrid& g, std::size_t cells) {
    Row& r = g.emplace_back();
    r.reserve(cells);
    return r;
}

TextGrid ThreadGrid(TTInfo& rec) {
    TThdInfo& in = rec.IntThd;
    TThdInfo& ex = rec.ExtThd;
    const bool un = rec.ExtThd.TypeCode == kTypeUN;
    auto dim = [](const TThdInfo& m, int n, double v) { return DimText(m, n, v); };
    TextGrid g;
    g.reserve(19);
    auto row = [&](const char* label, auto text) {
        Row& r = NewRow(g, 3);
        r.emplace_back(label);
        r.push_back(text(in));
        r.push_back(text(ex));
    };
    g.push_back({"", "Internal", "External"});
    row("PD Max", [&](TThdInfo& m) { return dim(m, 4, m.PD.Max); });
    row("PD Min", [&](TThdInfo& m) { return dim(m, 4, m.PD.Min); });
    row("Maj Dia Max", [&](TThdInfo& m) { return dim(m, 4, m.Major.Max); });
    row("Maj Dia Min", [&](TThdInfo& m) { return dim(m, 4, m.Major.Min); });
    row(un ? "Min Dia Max (Ref)" : "Min Dia Max",
        [&](TThdInfo& m) { return MinorText(m, m.Minor.Max); });
    row(un ? "Min Dia Min (Ref)" : "Min Dia Min",
        [&](TThdInfo& m) { return MinorText(m, m.Minor.Min); });
    row("Root Rad Max", [&](TThdInfo& m) { return dim(m, 4, m.RootRadMax); });
    row("Root Rad Min", [&](TThdInfo& m) { return dim(m, 4, m.RootRadMin); });
    row("Thd Height (Ref.)", [&](TThdInfo& m) { return dim(m, 4, m.ThdHeight); });
    row("Root Width", [&](TThdInfo& m) { return dim(m, 4, m.RootWidth); });
    row("Thd Pitch", [&](TThdInfo& m) { return dim(m, 4, m.Pitch()); });
    row("Wire Size", [&](TThdInfo& m) { return dim(m, 5, m.CurWire); });
    row("Max Wire Reading", [&](TThdInfo& m) { return dim(m, 5, GageWireReading(m)); });
    row("Min Wire Reading", [&](TThdInfo& m) { return dim(m, 5, MinWireReading(m)); });
    row("Helix", [&](TThdInfo& m) { return AngleText(HelixAngle(m)); });
    row("Helix Comp", [&](TThdInfo& m) { return dim(m, 5, HelixComp(m)); });
    row("# Starts", [&](TThdInfo& m) { return std::to_string(m.Starts); });
    row("Lead", [&](TThdInfo& m) { return dim(m, 4, m.Lead()); });
    return g;
}

using Limits = TDimLimits TThdInfo::*;
using Value = double TDimLimits::*;

// A gauge size row: GO size and tolerance, NOT GO size and tolerance.
void DiaRow(TextGrid& g, const char* label, TThdInfo& go, TThdInfo& nogo, Limits dia, Value value,
            int tolMode) {
    auto size = [&](TThdInfo& m) { return DimText(m, 4, (m.*dia).*value); };
    auto tol = [&](TThdInfo& m) { return tolMode == 0 ? PDTolText(m) : DiaTolText(m, tolMode); };
    Row& r = NewRow(g, 5);
    r.emplace_back(label);
    r.push_back(size(go));
    r.push_back(tol(go));
    r.push_back(size(nogo));
    r.push_back(tol(nogo));
}

// The pitch rows of the plug pages: gauge PD, reading over wires, helix compensation.
void PitchRows(TextGrid& g, TThdInfo& go, TThdInfo& nogo, int helixDecimals) {
    DiaRow(g, "Pitch Dia", go, nogo, &TThdInfo::PD, &TDimLimits::Gage, 0);
    // The readings carry the pitch diameter's tolerances, just written out.
    const std::string goTol = g.back()[2];
    const std::string nogoTol = g.back()[4];
    Row& mow = NewRow(g, 5);
    mow.emplace_back("MOW");
    mow.push_back(DimText(go, 5, GageWireReading(go)));
    mow.push_back(goTol);
    mow.push_back(DimText(nogo, 5, GageWireReading(nogo)));
    mow.push_back(nogoTol);
    Row& helix = NewRow(g, 5);
    helix.emplace_back("Helix Comp");
    helix.push_back(DimText(go, helixDecimals, HelixComp(go)));
    helix.emplace_back();
    helix.push_back(DimText(nogo, helixDecimals, HelixComp(nogo)));
    helix.emplace_back();
}

GaugePageText GaugePage(const char* caption, const char* tolHeading, TThdInfo& go) {
    GaugePageText p;
    p.caption = caption;
    // Headings and at most six rows.
    p.grid.reserve(7);
    p.grid.push_back({"", "GO", tolHeading, "NOGO", tolHeading});
    p.leadTol = LeadTolText(go);
    p.angleTol = HalfAngleTolText(go);
    return p;
}

GaugePageText RingPage(TTInfo& rec) {
    TThdInfo& go = rec.GoRing;
    TThdInfo& nogo = rec.NoGoRing;
    GaugePageText p = GaugePage("Ring Gage", "X TOL", go);
    DiaRow(p.grid, "Pitch Dia", go, nogo, &TThdInfo::PD, &TDimLimits::Gage, 0);
    if (go.Minor.Gage > 0)
        DiaRow(p.grid, "Minor Dia", go, nogo, &TThdInfo::Minor, &TDimLimits::Gage, 3);
    if (go.Major.Gage > 0)
        DiaRow(p.grid, "Major Dia", go, nogo, &TThdInfo::Major, &TDimLimits::Gage, 1);
    return p;
}

GaugePageText SetPlugPage(TTInfo& rec) {
    TThdInfo& go = rec.GoSetPlug;
    TThdInfo& nogo = rec.NoGoSetPlug;
    GaugePageText p = GaugePage("Set Plug", rec.ClassW == 1 ? "W TOL" : "X TOL", go);
    PitchRows(p.grid, go, nogo, 4);
    if (go.Major.GageTrunc > 0)
        DiaRow(p.grid, "Major Trunc", go, nogo, &TThdInfo::Major, &TDimLimits::GageTrunc, 2);
    DiaRow(p.grid, "Major Full", go, nogo, &TThdInfo::Major, &TDimLimits::Gage, 1);
    if (go.Minor.Gage > 0)
        DiaRow(p.grid, "Minor Dia", go, nogo, &TThdInfo::Minor, &TDimLimits::Gage, 3);
    return p;
}

GaugePageText PlugPage(TTInfo& rec) {
    TThdInfo& go = rec.GoPlug;
    TThdInfo& nogo = rec.NoGoPlug;
    GaugePageText p = GaugePage("Plug Gage", "X TOL", go);
    PitchRows(p.grid, go, nogo, 5);
    DiaRow(p.grid, "Major Dia", go, nogo, &TThdInfo::Major, &TDimLimits::Gage, 1);
    if (go.Minor.Gage > 0)
        DiaRow(p.grid, "Minor Dia", go, nogo, &TThdInfo::Minor, &TDimLimits::Gage, 3);
    return p;
}

// Rings and plugs take class X whatever the set plug page's choice of class.
void NoteMissingTols(GaugePageText& p, const TThdInfo& go) {
    p.note = GaugeTolNote(go);
    p.tolerances = GaugeTolsFound(go);
}

std::string NameText(TTInfo& rec) {
    const bool both = MembersDesignatedApart(rec.ExtThd.TypeCode) || rec.Coating > 0;
    std::string name;
    if (both) {
        name = DesignationText(rec.IntThd);
        name += "  /  " + DesignationText(rec.ExtThd);
    } else {
        name = DesignationText(rec.ExtThd);
    }
    if (rec.Coating > 0) name += " (pp)";
    return name;
}

} // namespace

std::string GaugeTolNote(const TThdInfo& go) {
    if (!GaugeTolsFound(go))
        return ClassWApplies(go) && go.Owner && ClassXTolsFound(*go.Owner) ? kNoClassWTolNote
                                                                           : kNoGaugeTolNote;
    const std::vector<std::string> missing = MissingGaugeTols(go);
    if (missing.empty()) return {};
    // Classes X and W are the unified and buttress gauge classes.
    const std::string cls = TolClassText(go).empty() ? ""
                            : ClassWApplies(go)      ? "class W "
                                                     : "class X ";
    std::string what;
    for (std::size_t i = 0; i < missing.size(); ++i)
        what += (i == 0 ? "" : i + 1 == missing.size() ? " or " : ", ") + missing[i];
    return "no " + cls + what +
           " tolerance for this thread \xE2\x80\x94 see Help \xE2\x80\xBA Tables";
}

std::string WindowCaption(const TTInfo& rec, const std::string& fileName) {
    return (rec.ExtThd.FromTable == 1 ? "ANSI Table Data - " : "Calculated Data - ") + fileName;
}

std::string WindowMenuName(const std::string& designation, const std::string& fileName) {
    const std::string file = std::filesystem::path(fileName).filename().string();
    return designation.empty() ? file : designation + " \u2014 " + file;
}

ResultPagesText BuildResultPages(TTInfo& rec, const std::string& fileName, bool metricDisplay,
                                 bool withTips) {
    const ScopedDisplayUnit unit(metricDisplay);
    ResultPagesText r;
    const std::vector<double> wires = OfferedWireSizes(rec);
    r.wireList.reserve(wires.size());
    for (double w : wires)
        r.wireList.push_back(DimText(rec.ExtThd, 5, w));
    r.caption = WindowCaption(rec, fileName);
    r.name = NameText(rec);
    r.thread = ThreadGrid(rec);
    if (withTips) r.threadTips = GridTips(r.thread, metricDisplay);
    r.tapDrills = TapDrillGrid(rec, metricDisplay, &r.drills, &r.drillsError);
    r.ring = RingPage(rec);
    NoteMissingTols(r.ring, rec.GoRing);
    r.setPlug = SetPlugPage(rec);
    NoteMissingTols(r.setPlug, rec.GoSetPlug);
    r.plug = PlugPage(rec);
    NoteMissingTols(r.plug, rec.GoPlug);
    if (withTips)
        for (GaugePageText* p : {&r.ring, &r.setPlug, &r.plug})
            p->tips = GridTips(p->grid, metricDisplay);
    if (HasIso1502Page(rec)) r.iso1502 = BuildIso1502Page(rec, withTips);
    r.unit = UnitText(metricDisplay);
    r.wireSize1 = DimText(rec.GoSetPlug, 5, rec.GoSetPlug.CurWire);
    r.wireSize2 = DimText(rec.GoPlug, 5, rec.GoPlug.CurWire);
    if (!rec.Pipe) r.readingsLine = WireReadingsLine(rec);
    return r;
}

std::string WireReadingsLine(const TTInfo& rec) {
    return "Wire readings: " + WireReadingsChoice(rec);
}

std::string WireReadingsChoice(const TTInfo& rec) {
    return rec.Helix == WireHelix::Exact ? "exact geometry" : "standard formula";
}

std::string OutOfDateCaption(const std::string& caption) {
    // In front, where a narrow title bar still shows it.
    return "(Out of date) " + caption;
}

std::string UnitText(bool metricDisplay) {
    return metricDisplay ? "mm" : "in";
}

std::string UnitTip(bool metricDisplay) {
    return metricDisplay ? "Dimensions in millimetres" : "Dimensions in inches";
}

std::string LabelTip(const std::string& label) {
    static const std::map<std::string, std::string> kTips = {
        {"Internal", "Internal thread (nut)"},
        {"External", "External thread (screw)"},
        {"GO", "GO gauge"},
        {"NOGO", "NOT GO gauge"},
        {"X TOL", "Class X gauge-maker's tolerance of the size to its left"},
        {"W TOL", "Class W gauge-maker's tolerance of the size to its left"},
        {"PD Max", "Pitch diameter, maximum"},
        {"PD Min", "Pitch diameter, minimum"},
        {"Maj Dia Max", "Major diameter, maximum"},
        {"Maj Dia Min", "Major diameter, minimum"},
        {"Min Dia Max", "Minor diameter, maximum"},
        {"Min Dia Min", "Minor diameter, minimum"},
        {"Min Dia Max (Ref)", "Minor diameter, maximum (reference only, not gauged)"},
        {"Min Dia Min (Ref)", "Minor diameter, minimum (reference only, not gauged)"},
        {"Root Rad Max", "Root radius, maximum"},
        {"Root Rad Min", "Root radius, minimum"},
        {"Thd Height (Ref.)", "Thread height (reference only)"},
        {"Root Width", "Width of the flat at the root"},
        {"Wire Size", "Diameter of the measuring wires the readings are for"},
        {"Thd Pitch", "Thread pitch: 1 / threads per inch, or the metric pitch"},
        {"Max Wire Reading", "Reading over three wires at the maximum pitch diameter"},
        {"Min Wire Reading", "Reading over three wires at the minimum pitch diameter"},
        {"Helix", "Helix angle at the pitch diameter, in degrees.minutes.seconds (deg.min.sec)"},
        {"Helix Comp", "Helix angle compensation of the reading over wires"},
        {"# Starts", "Number of thread starts"},
        {"Lead", "Lead: axial advance in one turn (pitch x starts)"},
        {"Pitch Dia", "Pitch diameter of the gauge"},
        {"MOW", "Measurement over wires: the reading over three wires at the gauge's pitch "
                "diameter"},
        {"Major Trunc", "Major diameter of the truncated (shortened-crest) portion of the "
                        "setting plug"},
        {"Major Full", "Major diameter of the full-form portion of the setting plug"},
        {"Major Dia", "Major diameter of the gauge"},
        {"Minor Dia", "Minor diameter of the gauge"},
        {"Tap Drill", "Drills whose diameter lies within the internal thread's minor diameter "
                      "limits"},
        {"% Thread", "Percentage of thread: (basic major - drill) / (2 x 0.649519 x pitch) x "
                     "100"},
        {"Recommended", "The drill nearest 75 % of thread"},
        {"Reading", "Reading over three wires"},
        {"To Max", "Margin to PD max; negative: above it by that much"},
        {"To Min", "Margin to PD min; negative: below it by that much"},
        {"Position", "Where the pitch diameter lies in the tolerance: 0 % at PD min, 100 % at "
                     "PD max"},
        {"Standard L.O.E.", "Standard length of engagement (L.O.E.) of the thread's series, "
                            "which its tolerances are based on"},
        {"Custom L.O.E.", "A length of engagement (L.O.E.) of your own; the pitch diameter "
                          "tolerances are worked out for it"},
    };
    const auto it = kTips.find(label);
    return it == kTips.end() ? std::string() : it->second;
}

TextGrid GridTips(const TextGrid& grid, bool metricDisplay) {
    TextGrid tips;
    for (std::size_t r = 0; r < grid.size(); ++r) {
        tips.emplace_back(grid[r].size());
        for (std::size_t c = 0; c < grid[r].size(); ++c) {
            if (r == 0) {
                const std::string what = LabelTip(grid[r][c]);
                tips[r][c] = (what.empty() ? "" : what + ". ") + UnitTip(metricDisplay);
            } else if (c == 0) {
                tips[r][c] = LabelTip(grid[r][c]);
            }
        }
    }
    return tips;
}
