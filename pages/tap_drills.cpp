#include "pages/tap_drills.h"

#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/table_file.h"
#include "core/table_index.h"
#include "core/thread_record.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kDrillRecord = 28;
// A drill within this of a limit is taken as on it (table rounding).
constexpr double kOnLimit = 1e-9;
// The percentage of thread machinists aim for: strength near the full thread
// with far less tapping torque.
constexpr double kAimPercent = 75;

// A drill's diameter in inches, the key of the drill index; NaN for a row
// that gives none.
double DrillInches(const TableRecord& r) {
    const double inches = r.I32(20) / 1e6;
    const double mm = r.I32(24) / 100.0;
    if (inches > 0) return inches;
    if (mm > 0) return mm / kMmPerInch;
    return std::numeric_limits<double>::quiet_NaN();
}

} // namespace

bool HasTapDrills(const TTInfo& rec) {
    return !rec.Pipe && ThreadTypeOf(rec.IntThd.TypeCode).tapDrills;
}

double PercentOfThread(double basicMajor, double pitch, double drill) {
    return (basicMajor - drill) / (2 * 0.649519 * pitch) * 100;
}

std::vector<TapDrill> TapDrills(const TTInfo& rec) {
    std::vector<TapDrill> drills;
    if (!HasTapDrills(rec)) return drills;
    const TThdInfo& in = rec.IntThd;
    const bool metric = MetricByDefault(in.TypeCode);
    const TableFile file("drills.bin", kDrillRecord);
    const double low = in.Minor.Min - kOnLimit;
    const double high = in.Minor.Max + kOnLimit;
    // The index is looked into a little wider than the limits, past any
    // rounding of the conversion to inches; the test below decides. A limit
    // that is no number excludes no drill.
    constexpr double kSlack = 1e-6;
    const double toInches = metric ? 1 / kMmPerInch : 1;
    const double inf = std::numeric_limits<double>::infinity();
    // A thread looks up the few drills near its minor limits, not every row.
    static TableKeyIndex index(DrillInches);
    const std::vector<std::size_t> rows =
        index.Rows(file, std::isnan(low) ? -inf : low * toInches - kSlack,
                   std::isnan(high) ? inf : high * toInches + kSlack);
    drills.reserve(rows.size());
    for (const std::size_t i : rows) {
        const TableRecord r = file.record(i);
        const double inches = r.I32(20) / 1e6;
        const double mm = r.I32(24) / 100.0;
        double dia = 0;
        if (inches > 0)
            dia = metric ? inches * kMmPerInch : inches;
        else if (mm > 0)
            dia = metric ? mm : mm / kMmPerInch;
        else
            continue;
        if (dia < low || dia > high) continue;
        std::string name = r.Str(9, 7);
        if (mm > 0) name += " mm";
        drills.push_back({name, dia, PercentOfThread(in.NomDia, in.Pitch(), dia), false});
    }
    std::ranges::stable_sort(drills, {}, &TapDrill::diameter);
    // Nearest to the aim; of two as near, the larger drill (less torque).
    TapDrill* best = nullptr;
    for (TapDrill& d : drills)
        if (!best || std::fabs(d.percentThread - kAimPercent) <=
                         std::fabs(best->percentThread - kAimPercent))
            best = &d;
    if (best) best->recommended = true;
    return drills;
}

TextGrid TapDrillGrid(const TTInfo& rec, bool metricDisplay, std::vector<TapDrill>* found,
                      std::string* error) {
    if (found) found->clear();
    if (error) error->clear();
    if (!HasTapDrills(rec)) return {};
    const ScopedDisplayUnit unit(metricDisplay);
    TextGrid g;
    g.push_back({"Tap Drill", "Diameter", "% Thread", "Recommended"});
    std::vector<TapDrill> drills;
    try {
        drills = TapDrills(rec);
    } catch (const TableError& e) {
        g.push_back({std::string("No tap drills: ") + e.what(), "", "", ""});
        if (error) *error = e.what();
        return g;
    }
    if (drills.empty()) {
        g.push_back({"No listed drill lies within the minor diameter limits", "", "", ""});
        return g;
    }
    g.reserve(drills.size() + 1);
    for (const TapDrill& d : drills) {
        std::vector<std::string>& row = g.emplace_back();
        row.reserve(4);
        row.push_back(d.name);
        row.push_back(DimText(rec.IntThd, 4, d.diameter));
        row.push_back(FormatFixed(d.percentThread, 0, 1));
        row.emplace_back(d.recommended ? "Yes" : "");
    }
    if (found) *found = std::move(drills);
    return g;
}
