// Metric MJ threads: tolerances from the MJ tables or the ISO 965-1 grade
// formulas (external PD grade 4, major grade 6; internal PD grade 4, minor
// grade 5), limits on the basic profile, gauges and the rounded-root form.
#include "families/mj.h"

#include "core/number_text.h"
#include "core/thread_record.h"
#include "families/metric.h"
#include "families/metric_tables.h"
#include "families/mj_tables.h"
#include "gauges/gage_catalogue.h"

#include <cmath>

namespace {

using ld = long double;

// Smallest internal MJ size of class 4H5H; the sizes below it are 4H6H.
constexpr double kMJ4H5HFrom = 5.5;

ld P(const TThdInfo& m) {
    return m.Pitch();
}

bool KeepTable(const TThdInfo& m) {
    return m.FromTable == 1 && !(m.Owner && m.Owner->ForceCalc == 1);
}

ld GradeTol(const TThdInfo& m, ld factor) {
    return 0.09L * std::pow(P(m), 0.4L) * std::pow(static_cast<ld>(m.NomDia), 0.1L) * factor;
}

} // namespace

void CalcMJPDTol(TThdInfo& m) {
    if (m.PD.Tol > 0) return;
    const bool internal = m.IsInternal == 1;
    const ld f = internal ? 0.85L : 0.63L;
    const ld d = m.NomDia, p = P(m), loe = m.LOE;
    const bool longLOE = m.StdLOE != 1 && loe > 1.5L * d && loe > 15 * p;
    const TTInfo* o = m.Owner;
    const double found = o && o->AllowanceFound ? (internal ? o->MJIntPDTol : o->MJExtPDTol) : 0;
    ld tol = 0;
    if (longLOE) {
        // The tabulated tolerance is for the standard engagement; a long one
        // takes the engagement rule.
        const bool veryLong = loe > 3 * d && loe > 30 * p;
        const ld k = internal ? (veryLong ? 1.5L : 1.25L) : (veryLong ? 1.125L : 0.9375L);
        tol =
            k * (0.013L * std::cbrt(d) + 0.0076L * std::sqrt(loe) + 0.044L * std::pow(p, 2.0L / 3));
    } else if (found > 0) {
        tol = found;
    } else {
        tol = GradeTol(m, f);
    }
    m.PD.Tol = static_cast<double>(tol);
}

void CalcMJPitchDia(TThdInfo& m) {
    if (KeepTable(m)) return;
    const ld basic = m.NomDia - 0.649519L * P(m);
    // Both limits carry the member's own tolerance, the tabulated one included.
    if (m.IsInternal) {
        m.PD.Min = static_cast<double>(basic);
        m.PD.Max = static_cast<double>(basic + m.PD.Tol);
    } else {
        m.PD.Max = static_cast<double>(basic);
        m.PD.Min = static_cast<double>(basic - m.PD.Tol);
    }
}

void CalcMJMajor(TThdInfo& m) {
    if (KeepTable(m)) return;
    const ld p = P(m);
    if (m.IsInternal) {
        m.Major.Min = m.NomDia;
        m.Major.Max = static_cast<double>(m.PD.Max + 0.79386L * p);
    } else {
        if (m.Major.Tol <= 0 && p > 0)
            m.Major.Tol =
                static_cast<double>(0.18L * std::pow(p, 2.0L / 3) - 0.00315L / std::sqrt(p));
        m.Major.Max = m.NomDia;
        m.Major.Min = static_cast<double>(m.NomDia - static_cast<ld>(m.Major.Tol));
    }
}

void CalcMJMinor(TThdInfo& m) {
    if (KeepTable(m)) return;
    const ld p = P(m);
    if (m.IsInternal) {
        if (m.Minor.Tol <= 0 && p > 0)
            // Below 5.5 mm the internal class is 4H6H: grade 6 minor, fine-pitch formula.
            m.Minor.Tol = static_cast<double>(m.NomDia >= kMJ4H5HFrom
                                                  ? 0.184L * std::pow(p, 0.7L)
                                                  : 0.433L * p - 0.19L * std::pow(p, 1.22L));
        m.Minor.Min = static_cast<double>(m.NomDia - 0.974279L * p);
        m.Minor.Max = static_cast<double>(static_cast<ld>(m.Minor.Min) + m.Minor.Tol);
    } else {
        // The rounded root as FED-STD-H28/21B works it (MJS6.5x1: 5.345, 5.214).
        m.Minor.Max = static_cast<double>(m.PD.Max - 0.505181L * p);
        m.Minor.Min = static_cast<double>(m.PD.Min - 0.565805L * p);
    }
}

void CalcMJGauges(TTInfo& rec) {
    CalcMetricGauges(rec);
    const ld p = P(rec.ExtThd);
    const double pdMax = rec.GoRing.PD.Max, pdMin = rec.ExtThd.PD.Min;
    rec.GoRing.Minor.Gage = pdMax == 0 ? 0.0 : static_cast<double>(pdMax - 0.3247593L * p);
    rec.NoGoRing.PD.Gage = pdMin;
    rec.NoGoRing.Minor.Gage = pdMin == 0 ? 0.0 : static_cast<double>(pdMin - 0.2L * p);
}

void CalcMJGaugeForm(TThdInfo& m) {
    CalcMetricGaugeForm(m);
    const ld p = P(m);
    if (m.IsExternal) {
        m.RootRadMax = static_cast<double>(0.18042L * p);
        m.RootRadMin = static_cast<double>(0.15011L * p);
        m.ThdHeight = static_cast<double>(0.57735L * p);
    } else if (m.IsInternal) {
        m.ThdHeight = static_cast<double>(0.487139L * p);
    }
}

void CalculateMJ(TTInfo& rec) {
    PrepareMetricMembers(rec, "4h6h", "4H5H");
    // Internal MJ threads up to 5 mm are of class 4H6H, from 5.5 mm 4H5H
    // (FED-STD-H28/21B 5.2.1); CalcMJMinor gives them the grade-6 minor.
    if (rec.IntThd.NomDia < kMJ4H5HFrom && UpperCase(rec.IntThd.TolInfoText()) == "4H5H")
        rec.IntThd.SetTolInfo("4H6H");
    ReadMJLimits(rec, true);
    ReadMJLimits(rec, false);
    ReadMJTolerances(rec);
    ReadMJDiaTols(rec, true);
    ReadMJDiaTols(rec, false);
    CalcMJPDTol(rec.IntThd);
    CalcMJPDTol(rec.ExtThd);
    for (auto step : {CalcMJPitchDia, CalcMJMajor, CalcMJMinor}) {
        step(rec.ExtThd);
        step(rec.IntThd);
    }
    SelectGageCatalogue(rec);
    CalcMJGaugeForm(rec.ExtThd);
    CalcMJGaugeForm(rec.IntThd);
    CleanUpGageCatalogue(rec);
    ReadMetricGaugeTolsX(rec);
    ReadMetricGaugeTolsW(rec);
    CalcMJGauges(rec);
    for (TThdInfo* m : {&rec.GoPlug, &rec.NoGoPlug, &rec.GoSetPlug, &rec.NoGoSetPlug})
        CalcMJGaugeForm(*m);
}
