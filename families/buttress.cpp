// 7x45 buttress threads: every limit follows from D and P (no table gives
// them); the gauge tolerances come from the class X and W tables.
#include "families/buttress.h"

#include "core/thread_record.h"
#include "families/buttress_tables.h"
#include "gauges/gage_catalogue.h"

#include <cmath>
#include <numbers>

namespace {

using ld = long double;

constexpr ld kTwoThirds = 0.6666666666666666L;

ld P(const TThdInfo& m) {
    return m.Pitch();
}

ld BaseTol(const TThdInfo& m) {
    return 0.002L * std::cbrt(static_cast<ld>(m.NomDia)) + 0.0173L * std::sqrt(P(m));
}

ld Tol(const TThdInfo& m) {
    return m.ClassCode == 3 ? BaseTol(m) * kTwoThirds : BaseTol(m);
}

ld Allowance(const TThdInfo& m) {
    return BaseTol(m) * kTwoThirds;
}

void SetSigns(TThdInfo& m, const char* pd, const char* major, const char* minor) {
    m.PD.Sign = pd;
    m.Major.Sign = major;
    m.Minor.Sign = minor;
}

void Derive(TThdInfo& gauge, const TThdInfo& from, bool internalForm) {
    gauge.CopyLimits(from);
    gauge.Derived = 1;
    gauge.IsInternal = internalForm ? 1 : 0;
    gauge.IsExternal = internalForm ? 0 : 1;
}

// Plugs are read over the wires of the external thread.
void TakeWires(TThdInfo& plug, const TThdInfo& ext) {
    plug.BestWire = ext.BestWire;
    plug.CurWire = ext.CurWire;
    plug.UseBestWire = ext.UseBestWire;
}

double D(ld v) {
    return static_cast<double>(v);
}

} // namespace

double ButtressPDTol(const TThdInfo& m) {
    return D(Tol(m));
}

double ButtressAllowance(const TThdInfo& m) {
    return D(Allowance(m));
}

void SetButtressDefaults(TThdInfo& m) {
    m.StdLE = static_cast<double>(0.6L * m.TPI);
    m.StdLOE = 1;
    m.LOE = m.StdLE;
    m.FromTable = 0;
}

void CalcButtressPitchDia(TThdInfo& m) {
    const ld basic = m.NomDia - 0.6L * P(m);
    if (m.IsInternal) {
        m.PD.Min = D(basic);
        m.PD.Max = D(basic + Tol(m));
    } else {
        m.PD.Max = D(basic - Allowance(m));
        m.PD.Min = D(basic - Allowance(m) - Tol(m));
    }
}

void CalcButtressMajor(TThdInfo& m) {
    const ld p = P(m);
    if (m.IsInternal) {
        m.Major.Min = D(m.NomDia + 0.1254L * p);
        m.Major.Max = D(m.PD.Max + 0.80803L * p);
    } else {
        m.Major.Max = D(m.NomDia - Allowance(m));
        m.Major.Min = D(m.NomDia - Allowance(m) - Tol(m));
    }
}

void CalcButtressMinor(TThdInfo& m) {
    const ld p = P(m);
    if (m.IsInternal) {
        m.Minor.Min = D(m.NomDia - 1.2L * p);
        m.Minor.Max = D(m.NomDia - 1.2L * p + Tol(m));
    } else {
        m.Minor.Max = D(m.NomDia - Allowance(m) - 2 * 0.66271L * p);
        // The root is not toleranced on the small side.
        m.Minor.Min = 0;
    }
}

void CalcButtressGauges(TTInfo& rec) {
    const TThdInfo& ext = rec.ExtThd;
    const TThdInfo& in = rec.IntThd;
    const ld p = P(ext);

    TThdInfo& goRing = rec.GoRing;
    Derive(goRing, ext, true);
    goRing.PD.Gage = ext.PD.Max;
    goRing.Minor.Gage = in.Minor.Min;
    goRing.Major.Gage = D(ext.Major.Max + 0.01L);
    SetSigns(goRing, "-", "+", "-");

    TThdInfo& noGoRing = rec.NoGoRing;
    Derive(noGoRing, ext, true);
    noGoRing.PD.Gage = ext.PD.Min;
    noGoRing.Major.Gage = D(ext.Major.Max + 0.01L);
    noGoRing.Minor.Gage = D(ext.PD.Min - 0.35L * p);
    SetSigns(noGoRing, "+", "+", "+");

    TThdInfo& goPlug = rec.GoPlug;
    Derive(goPlug, in, false);
    TakeWires(goPlug, ext);
    goPlug.PD.Gage = in.PD.Min;
    goPlug.Major.Gage = ext.Major.Max;
    goPlug.Minor.Gage = D(in.Minor.Min - 0.01L);
    SetSigns(goPlug, "+", "+", "-");

    TThdInfo& noGoPlug = rec.NoGoPlug;
    Derive(noGoPlug, in, false);
    TakeWires(noGoPlug, ext);
    noGoPlug.PD.Gage = in.PD.Max;
    noGoPlug.Major.Gage = D(in.PD.Max + 0.35L * p);
    noGoPlug.Minor.Gage = D(in.Minor.Min - 0.01L);
    SetSigns(noGoPlug, "-", "-", "-");

    TThdInfo& goSet = rec.GoSetPlug;
    Derive(goSet, ext, false);
    goSet.PD.Gage = ext.PD.Max;
    goSet.Major.Gage = ext.Major.Max;
    goSet.Major.GageTrunc = D(ext.Major.Max - 0.2L * p);
    goSet.Minor.Gage = D(goRing.Minor.Gage - 0.01L);
    SetSigns(goSet, "-", "+-", "-");

    TThdInfo& noGoSet = rec.NoGoSetPlug;
    Derive(noGoSet, ext, false);
    noGoSet.PD.Gage = ext.PD.Min;
    noGoSet.Major.Gage = ext.Major.Max;
    noGoSet.Major.GageTrunc = D(ext.Major.Max - 0.2L * p);
    noGoSet.Minor.Gage = D(noGoRing.Minor.Gage - 0.01L);
    SetSigns(noGoSet, "+", "+-", "-");
}

void CalcButtressGaugeForm(TThdInfo& m) {
    const ld p = P(m);
    const ld t = m.PointDia;
    // Contact-point centre offset on the 7-degree flank.
    const ld c = (t / 2) / std::sin(26.0L * std::numbers::pi_v<ld> / 180) *
                 std::cos(19.0L * std::numbers::pi_v<ld> / 180);
    const ld halfP2 = (p / 2) * (p / 2);
    m.ThdHeight = D(0.6L * p);
    m.SetToV = 0;
    if (m.IsInternal) {
        m.BestWire = 0;
        m.CurWire = 0;
        m.MinWire = 0;
        m.MaxWire = 0;
        m.RootWidth = 0;
        m.RootRadMax = 0;
        m.RootRadMin = 0;
        const ld across = m.PD.Min - 2 * (c - 0.4453215L * p);
        m.SetToFlat = t > 0 ? D(std::sqrt(halfP2 + across * across) + t) : 0.0;
        return;
    }
    m.RootRadMax = D(0.07141L * p);
    m.RootRadMin = D(0.0357L * p);
    m.BestWire = D(0.54147L * p);
    m.MaxWire = D(0.61433L * p);
    m.MinWire = D(0.50504L * p);
    if (m.CurWire <= 0 || m.UseBestWire == 1) m.CurWire = m.BestWire;
    const ld across = m.PD.Max + 2 * (c - 0.4453215L * p);
    m.SetToFlat = t > 0 ? D(std::sqrt(halfP2 + across * across) - t) : 0.0;
    if (m.Owner) m.Owner->ClassW = 1;
}

void CalculateButtress(TTInfo& rec) {
    for (TThdInfo* m : {&rec.ExtThd, &rec.IntThd}) {
        SetButtressDefaults(*m);
        CalcButtressPitchDia(*m);
        CalcButtressMajor(*m);
        CalcButtressMinor(*m);
    }
    SelectGageCatalogue(rec);
    CalcButtressGaugeForm(rec.ExtThd);
    CalcButtressGaugeForm(rec.IntThd);
    CleanUpGageCatalogue(rec);
    ReadButtressGaugeTolsW(rec);
    ReadButtressGaugeTolsX(rec);
    CalcButtressGauges(rec);
    for (TThdInfo* m : {&rec.GoPlug, &rec.NoGoPlug, &rec.GoSetPlug, &rec.NoGoSetPlug})
        CalcButtressGaugeForm(*m);
}
