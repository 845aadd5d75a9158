#include "gauges/inspect.h"

#include "core/rounding.h"
#include "core/thread_record.h"
#include "gauges/wires.h"

#include <algorithm>
#include <cmath>

namespace {

// The limits are given to four places of an inch, three of a millimetre;
// a measurement is judged to the same places.
int LimitPlaces(const TThdInfo& m) {
    return MetricByDefault(m.TypeCode) ? 3 : 4;
}

// RoundTo keeps the tables' rule for negative values (-0.26 to -0.2, which
// the shared rounding asserts); a margin rounds by its size on either side.
double RoundMargin(double x, int places) {
    return x < 0 ? -RoundTo(-x, places) : RoundTo(x, places);
}

} // namespace

std::optional<double> PDFromWireReading(const TThdInfo& ext, double reading, double wire) {
    TThdInfo m = ext;
    m.CurWire = wire;
    return PDFromWireReading(ext, reading, wire, ReadingsCorrected(m));
}

std::optional<double> PDFromWireReading(const TThdInfo& ext, double reading, double wire,
                                        bool corrected) {
    if (!(wire > 0) || !std::isfinite(reading)) return std::nullopt;
    TThdInfo m = ext;
    m.CurWire = wire;
    if (corrected && ExactReadings(m)) return ExactPDFromReading(HelicoidOf(m), reading, wire);
    // Without the correction the reading is E plus a constant of the form.
    const double offset = ReadingOverWires(m, 0, wire, false);
    if (!corrected) {
        const double e = reading - offset;
        if (!(e > 0)) return std::nullopt;
        return e;
    }
    // With it, reading = E + c + K / E^2, K from the lead: f(E) = E + K / E^2 - reading
    // falls to its least at E0 = (2K)^(1/3) and rises after it. The pitch diameter
    // is the root above E0, bracketed by [E0, reading - c].
    const double atOne = ReadingOverWires(m, 1, wire, true);
    const double atTwo = ReadingOverWires(m, 2, wire, true);
    // From f(1) and f(2): c + K = atOne - 1, c + K/4 = atTwo - 2.
    const double k = ((atOne - 1) - (atTwo - 2)) * 4 / 3;
    const double c = atOne - 1 - k;
    auto f = [&](double e) { return e + c + k / (e * e) - reading; };
    double lo = k > 0 ? std::cbrt(2 * k) : 0;
    double hi = reading - c;
    if (!(hi > lo) || f(lo) > 0) return std::nullopt;
    // Newton steps, bisection where one would leave the bracket.
    double e = hi;
    for (int i = 0; i < 200; ++i) {
        const double fe = f(e);
        if (fe == 0) break;
        (fe > 0 ? hi : lo) = e;
        const double slope = 1 - 2 * k / (e * e * e);
        double next = slope > 0 ? e - fe / slope : lo;
        if (!(next > lo && next < hi)) next = (lo + hi) / 2;
        const bool settled = std::fabs(next - e) <= 1e-15 * e || hi - lo <= 1e-15 * e;
        e = next;
        if (settled) break;
    }
    return e;
}

PDCheck CheckPD(const TThdInfo& ext, double measuredPD) {
    const int places = LimitPlaces(ext);
    PDCheck c;
    c.pd = RoundTo(measuredPD, places);
    c.marginToMax = RoundMargin(ext.PD.Max - c.pd, places);
    c.marginToMin = RoundMargin(c.pd - ext.PD.Min, places);
    c.verdict = c.marginToMax < 0   ? PDVerdict::AboveMax
                : c.marginToMin < 0 ? PDVerdict::BelowMin
                                    : PDVerdict::Inside;
    const double tol = ext.PD.Max - ext.PD.Min;
    c.percentOfTolerance = tol > 0 ? (c.pd - ext.PD.Min) / tol * 100 : 0;
    return c;
}

PDInspection InspectPDs(const TThdInfo& ext, const std::vector<double>& measuredPDs) {
    PDInspection r;
    for (double pd : measuredPDs)
        r.readings.push_back(CheckPD(ext, pd));
    if (r.readings.empty()) return r;
    const auto [lo, hi] = std::ranges::minmax_element(r.readings, {}, &PDCheck::pd);
    const int places = LimitPlaces(ext);
    r.minPD = lo->pd;
    r.maxPD = hi->pd;
    r.spread = RoundTo(r.maxPD - r.minPD, places);
    double sum = 0;
    for (const PDCheck& c : r.readings)
        sum += c.pd;
    r.meanPD = sum / static_cast<double>(r.readings.size());
    for (const PDCheck& c : r.readings)
        if (c.verdict != PDVerdict::Inside) {
            r.overall = c.verdict;
            break;
        }
    r.marginToMax = hi->marginToMax;
    r.marginToMin = lo->marginToMin;
    const double tol = ext.PD.Max - ext.PD.Min;
    r.percentOfTolerance = tol > 0 ? (r.meanPD - ext.PD.Min) / tol * 100 : 0;
    r.spreadPercent = tol > 0 ? r.spread / tol * 100 : 0;
    return r;
}
