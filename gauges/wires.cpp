#include "gauges/wires.h"

#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/rounding.h"
#include "core/thread_record.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using ld = long double;

// Pitch diameter as the readings take it: three places for millimetre threads.
ld RoundedPD(const TThdInfo& m, double pd) {
    return RoundTo(pd, MetricByDefault(m.TypeCode) ? 3 : 4);
}

// A size within this of the next listed size counts as that size.
constexpr double kListTolerance = 0.00003;

bool HasReadings(uint16_t type) {
    return ThreadTypeOf(type).wireForm != WireForm::None;
}

} // namespace

bool ExactReadings(const TThdInfo& m) {
    return m.Owner && m.Owner->Helix == WireHelix::Exact && HasReadings(m.TypeCode);
}

HelicoidForm HelicoidOf(const TThdInfo& m) {
    const double deg = std::numbers::pi / 180;
    // Half angles of 30 and 14.5 degrees; the buttress's flanks at 7 and 45.
    const WireForm form = ThreadTypeOf(m.TypeCode).wireForm;
    const double a = form == WireForm::TwentyNine ? 14.5 * deg : 30 * deg;
    if (form == WireForm::Buttress) return {m.Pitch(), m.Lead(), 7 * deg, 45 * deg};
    return {m.Pitch(), m.Lead(), a, a};
}

double ReadingOverWires(const TThdInfo& m, double e, double wire, bool corrected) {
    const ld w = wire;
    const ld p = m.Pitch();
    const ThreadType& type = ThreadTypeOf(m.TypeCode);
    if (corrected && ExactReadings(m)) return ExactWireReading(HelicoidOf(m), e, wire).value_or(0);
    if (corrected && type.helixCorrection) {
        const ld alpha = type.wireForm == WireForm::TwentyNine ? 0.2530727485L : 0.52359879L;
        const ld tanLead = static_cast<ld>(m.Lead()) / (std::numbers::pi_v<ld> * e);
        const ld tanA = std::tan(alpha);
        const ld helix = tanLead * tanLead * std::cos(alpha) / (2 * tanA);
        return static_cast<double>(e - p / (2 * tanA) + w * (1 + 1 / std::sin(alpha) + helix));
    }
    switch (type.wireForm) {
    case WireForm::Sixty:
        return static_cast<double>(e - 0.866025L * p + 3 * w);
    case WireForm::TwentyNine:
        return static_cast<double>(e - 1.93335L * p + 4.9939L * w);
    case WireForm::Buttress:
        return static_cast<double>(e - 0.890643L * p + 3.156891L * w);
    default:
        return 0;
    }
}

double WireReading(const TThdInfo& m, double pd) {
    if (m.CurWire == 0) return 0;
    return ReadingOverWires(m, static_cast<double>(RoundedPD(m, pd)), m.CurWire, false);
}

double HelixWireReading(const TThdInfo& m, double pd) {
    if (m.CurWire == 0 || !(ThreadTypeOf(m.TypeCode).helixCorrection || ExactReadings(m))) return 0;
    const double e = static_cast<double>(RoundedPD(m, pd));
    if (e == 0) return 0;
    return RoundTo(ReadingOverWires(m, e, m.CurWire, true), 5);
}

double HelixComp(const TThdInfo& m) {
    double pd = 0;
    if (m.PD.Gage > 0) {
        pd = m.PD.Gage;
    } else if (m.IsInternal) {
        pd = m.PD.Min;
    } else {
        if (!ThreadTypeOf(m.TypeCode).helixCorrection && !ExactReadings(m)) return 0;
        pd = m.PD.Max;
    }
    if (ExactReadings(m)) {
        // The exact seat is always taken, its compensation never below 0.
        if (m.CurWire == 0 || pd == 0) return 0;
        const double e = static_cast<double>(RoundedPD(m, pd));
        return std::max(0.0, ReadingOverWires(m, e, m.CurWire, true) - WireReading(m, pd));
    }
    const double c = HelixWireReading(m, pd) - WireReading(m, pd);
    // Smaller corrections are left out of the readings.
    const double threshold = MetricByDefault(m.TypeCode) ? 0.0038 : 0.00015;
    return c >= threshold ? c : 0;
}

bool ReadingsCorrected(const TThdInfo& m) {
    if (ExactReadings(m)) return true;
    // A multi-start lead always needs the correction, even below the threshold.
    return ThreadTypeOf(m.TypeCode).helixCorrection && (HelixComp(m) > 0 || m.Starts > 1);
}

double WireReadingAt(const TThdInfo& m, double pd) {
    return ReadingsCorrected(m) ? HelixWireReading(m, pd) : WireReading(m, pd);
}

double GageWireReading(TThdInfo& m) {
    if (m.CurWire == 0) m.CurWire = m.BestWire;
    if (m.IsInternal || m.CurWire <= 0) return 0;
    if (m.PD.Gage <= 0) m.PD.Gage = m.PD.Max;
    return WireReadingAt(m, m.PD.Gage);
}

double HelixAngle(const TThdInfo& m) {
    if (m.IsInternal || m.PD.Max <= 0) return 0;
    const ld pi = std::numbers::pi_v<ld>;
    return static_cast<double>(std::atan(m.Lead() / (pi * m.PD.Max)) * 180 / pi);
}

const std::vector<double>& StandardWires() {
    // Best wire sizes (0.57735 P for 60-degree, 0.51645 P for 29-degree threads)
    // of the common pitches, largest first.
    static const std::vector<double> wires = {
        0.57735, 0.57735, 0.51645, 0.3443,  0.28868, 0.25823, 0.20658, 0.19245, 0.19245, 0.17215,
        0.14756, 0.14434, 0.12911, 0.11547, 0.10329, 0.09623, 0.08607, 0.08248, 0.07378, 0.07217,
        0.06456, 0.06415, 0.05774, 0.05738, 0.05249, 0.05164, 0.04811, 0.04695, 0.04441, 0.04304,
        0.04124, 0.03973, 0.03849, 0.03689, 0.03608, 0.03443, 0.03396, 0.03228, 0.03208, 0.03039,
        0.03038, 0.02887, 0.02869, 0.02749, 0.02718, 0.02624, 0.02582, 0.0251,  0.02459, 0.02406,
        0.02348, 0.02309, 0.02245, 0.02152, 0.02066,
    };
    return wires;
}

double NextLargerWire(double x) {
    const std::vector<double>& t = StandardWires();
    for (std::size_t i = 1; i + 1 < t.size(); ++i)
        if (t[i] > x && t[i + 1] - x <= kListTolerance) return t[i];
    return -1;
}

double NextSmallerWire(double x) {
    const std::vector<double>& t = StandardWires();
    for (std::size_t i = 1; i + 1 < t.size(); ++i)
        if (t[i] >= x && t[i + 1] < x) return t[i + 1];
    return -1;
}

void Calc29DegWires(TThdInfo& m) {
    const ld p = m.Pitch();
    const ld s = std::sin(0.253072742L);
    if (m.IsExternal) {
        m.MaxWire = static_cast<double>(0.650013L * p);
        m.MinWire = static_cast<double>(0.487263L * p);
        m.BestWire = static_cast<double>(0.51645L * p);
        m.RootWire = 0;
        if (m.IsGage == 0) {
            // The wire must reach the flanks past a narrow root flat.
            m.RootWire = static_cast<double>(1.29151789655L * m.RootWidth);
            if (m.RootWire > m.BestWire) {
                // A listed size past the largest wire would ride on the crests
                // (the list is sparse at the coarsest pitches): the size itself is used.
                const double listed = NextLargerWire(m.RootWire);
                if (listed > 0 && listed <= m.MaxWire) m.RootWire = listed;
            }
        }
        if (m.UseBestWire == 1) m.CurWire = std::max(m.BestWire, m.RootWire);
    } else {
        m.BestWire = 0;
        m.CurWire = 0;
    }

    // The wires must stand above the crest at the smallest pitch diameter. A gauge's
    // crest is its own major; a plug holds the internal thread's limits besides.
    double x = m.Major.Max;
    if (m.Major.GageTrunc != 0)
        x = m.Major.GageTrunc;
    else if (m.IsGage == 1 && m.Major.Gage != 0)
        x = m.Major.Gage;
    while (m.CurWire > 0 && WireReadingAt(m, m.PD.Min) < x) {
        const double next = NextLargerWire(m.CurWire);
        if (next <= 0) break; // the list has no larger size
        if (next > m.MaxWire) {
            // A larger wire would ride on the crests: the largest that bears
            // on the flanks is the last one to try.
            m.CurWire = std::max(m.CurWire, m.MaxWire);
            break;
        }
        m.CurWire = next;
    }
    // A crest cut back to the pitch diameter (a clamped NOT GO plug) takes a smaller wire.
    const double pd = m.PD.Gage != 0 ? m.PD.Gage : m.PD.Max;
    if (m.CurWire > 0 && std::fabs(x - pd) <= 0.001) {
        const double smaller = NextSmallerWire(m.CurWire);
        if (smaller > 0) m.CurWire = smaller;
    }

    // Contact-point readings against the flat and the V of the setting master.
    const ld h = m.PointDia;
    const ld e = m.Setting.PointOffset;
    const ld w = m.IsExternal || !m.Owner ? m.BestWire : m.Owner->ExtThd.BestWire;
    const ld v = 2 * (s * w / 2 + h / (2 * s) - w / (2 * s));
    const ld c = m.TPI > 3 ? 0.5046L : 1.04936L;
    const ld halfP2 = (p / 2) * (p / 2);
    m.SetToFlat = 0;
    m.SetToV = 0;
    if (h == 0) return;
    if (m.IsExternal) {
        const ld root = std::sqrt(halfP2 + (m.PD.Max + v) * (m.PD.Max + v));
        m.SetToFlat = static_cast<double>(root - h + 2 * e);
        if (m.TPI >= 2) m.SetToV = static_cast<double>(root - h / s + c);
    } else if (h > 0) {
        const ld root = std::sqrt(halfP2 + (m.PD.Min - v) * (m.PD.Min - v));
        m.SetToFlat = static_cast<double>(root + h - 2 * e);
        if (m.TPI > 2) m.SetToV = static_cast<double>(root + h / s - c);
    }
}

void UnifyGaugeWireSizes(TTInfo& rec) {
    auto pair = [](TThdInfo& a, TThdInfo& b) {
        if (a.CurWire != b.CurWire) a.CurWire = b.CurWire = std::max(a.CurWire, b.CurWire);
    };
    pair(rec.NoGoSetPlug, rec.GoSetPlug);
    pair(rec.NoGoPlug, rec.GoPlug);
    if (rec.GoPlug.CurWire != rec.GoSetPlug.CurWire) {
        const double w = std::max(rec.GoPlug.CurWire, rec.GoSetPlug.CurWire);
        for (TThdInfo* m : {&rec.GoPlug, &rec.NoGoPlug, &rec.GoSetPlug, &rec.NoGoSetPlug})
            m->CurWire = w;
    }
}

std::vector<double> OfferedWireSizes(const TTInfo& rec) {
    const TThdInfo& ext = rec.ExtThd;
    // The list is in inches; a millimetre thread compares and keeps it in millimetres.
    const double scale = MetricByDefault(ext.TypeCode) ? kMmPerInch : 1.0;
    const std::vector<double>& t = StandardWires();
    std::vector<double> sizes;
    sizes.reserve(t.size());
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        const double size = t[i] * scale;
        if (size >= ext.MinWire && size <= ext.MaxWire) sizes.push_back(size);
    }
    return sizes;
}

double ToRecordUnits(const TThdInfo& ext, double value, bool metricDisplay) {
    const bool metricRecord = MetricByDefault(ext.TypeCode);
    if (metricDisplay) return metricRecord ? value : value / kMmPerInch;
    return metricRecord ? value * kMmPerInch : value;
}

double WireEntryToRecordUnits(const TTInfo& rec, const std::string& text, bool metricDisplay) {
    double value = 0;
    if (const auto mm = text.find("mm"); mm != std::string::npos) {
        value = TextToFloat(Trim(text.substr(0, mm)));
        if (!metricDisplay) value /= kMmPerInch;
    } else if (const auto in = text.find("in"); in != std::string::npos) {
        value = TextToFloat(Trim(text.substr(0, in)));
        if (metricDisplay) value *= kMmPerInch;
    } else {
        value = TextToFloat(Trim(text));
    }
    return ToRecordUnits(rec.ExtThd, value, metricDisplay);
}
