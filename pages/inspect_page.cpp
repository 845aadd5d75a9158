#include "pages/inspect_page.h"

#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "gauges/wires.h"
#include "pages/iso1502_page.h"
#include "pages/parameter_page.h"
#include "pages/result_pages.h"

#include <algorithm>
#include <cmath>

namespace {

// A margin of exactly 0 is a value here, not "N/A".
std::string LengthText(const TThdInfo& m, int decimals, double v) {
    if (v != 0) return DimText(m, decimals, v);
    return Trim(FormatFixed(0, 6, MetricDisplay() ? decimals - 1 : decimals));
}

std::string PercentText(double p) {
    return Trim(FormatFixed(p, 6, 1)) + " %";
}

std::string VerdictCell(PDVerdict v) {
    switch (v) {
    case PDVerdict::AboveMax:
        return "Above max";
    case PDVerdict::BelowMin:
        return "Below min";
    case PDVerdict::Inside:
        break;
    }
    return "Inside";
}

std::string VerdictLine(const TThdInfo& ext, const PDInspection& r) {
    const std::size_t n = r.readings.size();
    auto which = [&](double pd) {
        if (n == 1) return std::string();
        for (std::size_t i = 0; i < n; ++i)
            if (r.readings[i].pd == pd) return " (reading " + std::to_string(i + 1) + ")";
        return std::string();
    };
    if (r.overall == PDVerdict::Inside) {
        std::string line = "Inside: " + LengthText(ext, 4, r.marginToMax) + " to PD max, " +
                           LengthText(ext, 4, r.marginToMin) + " to PD min";
        if (n == 1) return line + ", at " + PercentText(r.percentOfTolerance) + " of the tolerance";
        return line + "; spread " + LengthText(ext, 4, r.spread) + " (" +
               PercentText(r.spreadPercent) + " of the tolerance)";
    }
    std::string line = "Outside:";
    if (r.marginToMax < 0)
        line += " " + LengthText(ext, 4, -r.marginToMax) + " above PD max" + which(r.maxPD);
    if (r.marginToMin < 0)
        line += std::string(r.marginToMax < 0 ? ";" : "") + " " +
                LengthText(ext, 4, -r.marginToMin) + " below PD min" + which(r.minPD);
    return line;
}

// Converts a typed length with an optional mm/in suffix to the display unit.
bool ParseLength(const std::string& item, bool metricDisplay, bool reading, double& value) {
    std::string t = LowerCase(Trim(item));
    double scale = 1;
    if (t.size() > 2 && t.ends_with("mm")) {
        t = Trim(t.substr(0, t.size() - 2));
        scale = metricDisplay ? 1 : 1 / kMmPerInch;
    } else if (t.size() > 2 && t.ends_with("in")) {
        t = Trim(t.substr(0, t.size() - 2));
        scale = metricDisplay ? kMmPerInch : 1;
    }
    if (!ParseDecimal(t, value) || !std::isfinite(value) || !(value > 0)) return false;
    value *= scale;
    // A reading that the page would show as 0, or one larger than any thread.
    return reading ? ReadingInRange(value, metricDisplay)
                   : MeasurementInRange(value, metricDisplay);
}

const TThdInfo& MeasuredMember(const TTInfo& rec, InspectGauge g) {
    switch (g) {
    case InspectGauge::Iso1502GoPlug:
        return rec.GoPlug;
    case InspectGauge::Iso1502NoGoPlug:
        return rec.NoGoPlug;
    case InspectGauge::Thread:
        break;
    }
    return rec.ExtThd;
}

// The worst reading decides: past the wear limit, then oversize, then worn.
Iso1502Wear Worst(const std::vector<Iso1502Wear>& wear) {
    for (Iso1502Wear w :
         {Iso1502Wear::BeyondWearLimit, Iso1502Wear::Oversize, Iso1502Wear::WornUsable})
        if (std::ranges::find(wear, w) != wear.end()) return w;
    return Iso1502Wear::New;
}

// A measured ISO 1502 plug against its new-gauge limits and wear limit, in
// millimetres as the ISO 1502 page shows them.
void JudgePlug(InspectPageText& page, const InspectEntry& entry, const Iso1502Gauge& g) {
    page.gauge =
        entry.gauge == InspectGauge::Iso1502GoPlug ? "ISO 1502 GO plug" : "ISO 1502 NOT GO plug";
    page.limits = g;
    auto row = [&](const std::string& label, const std::string& reading,
                   std::vector<std::string> rest) {
        std::vector<std::string> cells{label};
        if (entry.overWires) cells.push_back(reading);
        cells.insert(cells.end(), rest.begin(), rest.end());
        page.grid.push_back(cells);
    };
    row("", "Reading", {"Pitch Dia", "Verdict", "To Wear Limit"});
    row("PD Max", "", {Iso1502Text(g.pdMax), "", ""});
    row("PD Min", "", {Iso1502Text(g.pdMin), "", ""});
    row("PD Wear Limit", "", {Iso1502Text(g.wearLimit), "", ""});
    double smallest = page.measuredPDs.front();
    for (std::size_t i = 0; i < page.measuredPDs.size(); ++i) {
        const double pd = Iso1502Round(page.measuredPDs[i]);
        smallest = std::min(smallest, pd);
        page.wear.push_back(JudgeIso1502Plug(g, pd));
        row("Reading " + std::to_string(i + 1), Iso1502Text(page.readings[i]),
            {Iso1502Text(pd), Iso1502WearWord(page.wear.back()),
             Iso1502Text(pd - Iso1502Round(g.wearLimit))});
    }
    page.overallWear = Worst(page.wear);
    page.marginToWearLimit = Iso1502Round(smallest - Iso1502Round(g.wearLimit));
    if (page.wear.size() > 1) row("Overall", "", {"", Iso1502WearWord(page.overallWear), ""});
    const double margin = page.marginToWearLimit;
    page.verdict = page.gauge + ": " + Iso1502WearWord(page.overallWear) + ", " +
                   (page.wear.size() > 1 ? "smallest pitch diameter " : "pitch diameter ") +
                   Iso1502Text(std::fabs(margin)) + " mm " + (margin < 0 ? "below" : "above") +
                   " the wear limit " + Iso1502Text(g.wearLimit) + " mm";
}

} // namespace

bool ParseLengthList(const TTInfo& rec, const std::string& text, bool metricDisplay,
                     std::vector<double>& values, std::string& bad, bool readings) {
    values.clear();
    std::string item;
    auto take = [&]() {
        double v = 0;
        if (!ParseLength(item, metricDisplay, readings, v)) {
            bad = Trim(item);
            return false;
        }
        values.push_back(ToRecordUnits(rec.ExtThd, v, metricDisplay));
        item.clear();
        return true;
    };
    for (char c : text) {
        if (c == ',' || c == ';') {
            if (!take()) return false;
        } else {
            item += c;
        }
    }
    return take();
}

std::string VerdictWord(PDVerdict v) {
    return v == PDVerdict::Inside ? "Inside" : "Outside";
}

InspectPageText BuildInspectPage(const TTInfo& rec, const InspectEntry& entry, bool metricDisplay) {
    const ScopedDisplayUnit unit(metricDisplay);
    InspectPageText page;
    const TThdInfo& ext = MeasuredMember(rec, entry.gauge);
    if (rec.Pipe) {
        page.message = "Pipe threads are inspected with their plug and ring gauges, not over "
                       "wires.";
        return page;
    }
    Iso1502Gauges iso;
    if (entry.gauge != InspectGauge::Thread) {
        iso = CalcIso1502Gauges(rec);
        const std::string why = iso.reason.empty() ? iso.plugs.reason : iso.reason;
        if (!why.empty()) {
            page.message = "No ISO 1502 plug to judge: " + why;
            return page;
        }
    }
    const char* what = entry.overWires ? "reading over wires" : "pitch diameter";
    std::string bad;
    if (Trim(entry.valuesText).empty()) {
        page.message = std::string("Enter a measured ") + what + ".";
        return page;
    }
    if (!ParseLengthList(rec, entry.valuesText, metricDisplay, page.readings, bad,
                         entry.overWires)) {
        page.message = std::string("Invalid ") + what + ": " + (bad.empty() ? "(empty)" : bad);
        return page;
    }
    page.wire = ext.CurWire;
    if (entry.overWires) page.readingsLine = WireReadingsLine(rec);
    if (entry.overWires && !Trim(entry.wireText).empty()) {
        std::vector<double> wire;
        // The current wire is always taken, even where it lies outside the range.
        if (!ParseLengthList(rec, entry.wireText, metricDisplay, wire, bad) || wire.size() != 1 ||
            (std::fabs(wire[0] - ext.CurWire) > 1e-9 &&
             (wire[0] < ext.MinWire - 1e-9 || wire[0] > ext.MaxWire + 1e-9))) {
            page.message = "Invalid Wire Size!";
            return page;
        }
        page.wire = wire[0];
    }
    if (entry.overWires && !(page.wire > 0)) {
        page.message = "The thread has no wire size: measure its pitch diameter instead.";
        return page;
    }
    for (std::size_t i = 0; i < page.readings.size(); ++i) {
        double pd = page.readings[i];
        if (entry.overWires) {
            const auto solved = PDFromWireReading(ext, pd, page.wire);
            if (!solved) {
                page.message = "Reading " + std::to_string(i + 1) + " (" + DimText(ext, 5, pd) +
                               ") is too small for these wires: no pitch diameter gives it.";
                return page;
            }
            pd = *solved;
        }
        page.measuredPDs.push_back(pd);
    }
    if (entry.gauge != InspectGauge::Thread) {
        JudgePlug(page, entry,
                  entry.gauge == InspectGauge::Iso1502GoPlug ? iso.plugs.go : iso.plugs.noGo);
        return page;
    }
    const PDInspection& r = page.inspection = InspectPDs(ext, page.measuredPDs);

    TThdInfo wired = ext;
    wired.CurWire = page.wire;
    auto row = [&](const std::string& label, const std::string& reading,
                   std::vector<std::string> rest) {
        std::vector<std::string> cells{label};
        if (entry.overWires) cells.push_back(reading);
        cells.insert(cells.end(), rest.begin(), rest.end());
        page.grid.push_back(cells);
    };
    row("", "Reading", {"Pitch Dia", "Verdict", "To Max", "To Min", "Position"});
    row("PD Max", DimText(ext, 5, WireReadingAt(wired, ext.PD.Max)),
        {DimText(ext, 4, ext.PD.Max), "", "", "", ""});
    row("PD Min", DimText(ext, 5, WireReadingAt(wired, ext.PD.Min)),
        {DimText(ext, 4, ext.PD.Min), "", "", "", ""});
    for (std::size_t i = 0; i < r.readings.size(); ++i) {
        const PDCheck& c = r.readings[i];
        row("Reading " + std::to_string(i + 1), DimText(ext, 5, page.readings[i]),
            {DimText(ext, 4, c.pd), VerdictCell(c.verdict), LengthText(ext, 4, c.marginToMax),
             LengthText(ext, 4, c.marginToMin), PercentText(c.percentOfTolerance)});
    }
    if (r.readings.size() > 1) {
        row("Min", "", {DimText(ext, 4, r.minPD), "", "", "", ""});
        row("Max", "", {DimText(ext, 4, r.maxPD), "", "", "", ""});
        row("Mean", "", {DimText(ext, 4, r.meanPD), "", "", "", PercentText(r.percentOfTolerance)});
        row("Spread", "", {LengthText(ext, 4, r.spread), "", "", "", PercentText(r.spreadPercent)});
        row("Overall", "",
            {"", VerdictCell(r.overall), LengthText(ext, 4, r.marginToMax),
             LengthText(ext, 4, r.marginToMin), ""});
    }
    page.verdict = VerdictLine(ext, r);
    return page;
}
