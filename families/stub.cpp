// Stub Acme (ASME B1.8 formulas) and the modified stub Acme forms: limits of
// the product threads, form values, wires and the gauge members. The basic
// profiles differ only by depth (k, m, f) and root-width (w) factors.
#include "families/stub.h"

#include "core/rounding.h"
#include "core/thread_record.h"
#include "families/acme.h"
#include "families/acme_tables.h"
#include "families/stub_tables.h"
#include "gauges/gage_catalogue.h"
#include "gauges/wires.h"

#include <algorithm>
#include <cmath>

namespace {

using ld = long double;

struct Profile {
    ld k; // pitch diameter D - k P
    ld m; // minor diameter D - m P
    ld f; // thread height f P
    ld w; // root width w P
};

Profile ProfileOf(const TThdInfo& t) {
    switch (t.TypeCode) {
    case kTypeSAM1:
        return {0.375L, 0.75L, 0.375L, 0.403L};
    case kTypeSAM2:
        return {0.25L, 0.5L, 0.25L, 0.4353L};
    default:
        return {0.3L, 0.6L, 0.3L, 0.4224L};
    }
}

ld PitchOf(const TThdInfo& m) {
    return m.TPI == 0 ? 0.0L : 1.0L / static_cast<ld>(m.TPI);
}

ld Clearance(const TThdInfo& m) {
    return m.TPI >= 12 ? 0.010L : 0.020L;
}

// Limits to four places as B1.5 tabulates them: each one taken from the
// rounded limit it is worked from.
ld Round4(ld x) {
    return RoundTo(static_cast<double>(x), 4);
}

ld FormulaAllowance(const TThdInfo& m) {
    return AcmeAllowanceCoeff(m) * std::sqrt(static_cast<ld>(m.NomDia));
}

// The allowance of the thread's diameter band when one was read: the stuball
// row (class 2G) or, for Stub Acme 3G and 4G, which B1.8 gives the B1.5
// allowances of those classes, the acmeall row. The modified forms use it
// only in the root width.
ld TableAllowance(const TThdInfo& m, uint16_t cls) {
    if (m.Owner && m.Owner->AllowanceFound && cls < 21) return m.Owner->Allowance[cls];
    return FormulaAllowance(m);
}

void Form(TThdInfo& m, bool internal) {
    m.IsInternal = internal ? 1 : 0;
    m.IsExternal = internal ? 0 : 1;
    m.IsGage = 1;
    m.Derived = 1;
}

void CalcPitchDia(TThdInfo& m, ld allowance) {
    SetAcmeDefaults(m);
    const ld basic = Round4(m.NomDia - ProfileOf(m).k * PitchOf(m));
    const ld t = AcmePDTol(m);
    if (m.IsInternal) {
        m.PD.Min = static_cast<double>(basic);
        m.PD.Max = static_cast<double>(Round4(basic + t));
    } else {
        const ld max = Round4(basic - allowance);
        m.PD.Max = static_cast<double>(max);
        m.PD.Min = static_cast<double>(Round4(max - t));
    }
}

void CalcMinor(TThdInfo& m) {
    const ld p = PitchOf(m);
    const ld basic = m.NomDia - ProfileOf(m).m * p;
    if (m.IsInternal) {
        m.Minor.Min = static_cast<double>(Round4(basic));
        m.Minor.Max = static_cast<double>(Round4(basic + 0.05L * p));
    } else {
        const ld max = Round4(basic - Clearance(m));
        m.Minor.Max = static_cast<double>(max);
        m.Minor.Min = static_cast<double>(Round4(max - AcmePDTol(m)));
    }
}

void CalcForm(TThdInfo& m, ld allowance) {
    const Profile pr = ProfileOf(m);
    const ld p = PitchOf(m);
    const bool fine = m.TPI >= 12;
    m.ThdHeight = static_cast<double>(pr.f * p + (fine ? 0.005L : 0.010L));
    if (m.IsExternal)
        m.RootWidth = static_cast<double>(pr.w * p - 0.259L * (Clearance(m) - allowance));
    else
        m.RootWidth = static_cast<double>(pr.w * p - (fine ? 0.00259L : 0.00518L));
    Calc29DegWires(m);
}

} // namespace

void CalcStubPitchDia(TThdInfo& m) {
    CalcPitchDia(m, TableAllowance(m, m.ClassCode));
}

void CalcSamPitchDia(TThdInfo& m) {
    CalcPitchDia(m, FormulaAllowance(m));
}

void CalcStubMajor(TThdInfo& m) {
    const ld d = m.NomDia;
    if (m.IsInternal) {
        const ld min = d + Clearance(m);
        m.Major.Min = static_cast<double>(min);
        m.Major.Max = static_cast<double>(Round4(min + AcmePDTol(m)));
    } else {
        m.Major.Max = m.NomDia;
        m.Major.Min = static_cast<double>(Round4(d - 0.05L * PitchOf(m)));
    }
}

void CalcStubMinor(TThdInfo& m) {
    CalcMinor(m);
}

void CalcSamMinor(TThdInfo& m) {
    CalcMinor(m);
}

void CalcStubGaugeForm(TThdInfo& m) {
    CalcForm(m, TableAllowance(m, m.ClassCode));
}

void CalcSamGaugeForm(TThdInfo& m) {
    CalcForm(m, TableAllowance(m, 4));
}

void CalcStubGauges(TTInfo& rec) {
    const TThdInfo& ext = rec.ExtThd;
    const TThdInfo& in = rec.IntThd;
    const ld p = PitchOf(ext);
    const bool coarse = ext.TPI <= 10;

    TThdInfo& goRing = rec.GoRing;
    goRing.CopyLimits(ext);
    Form(goRing, true);
    goRing.PD.Gage = ext.PD.Max;
    goRing.Minor.Gage = static_cast<double>(ext.Minor.Max + (coarse ? 0.010L : 0.005L));
    goRing.Major.Gage = static_cast<double>(ext.Major.Max + 0.010L);
    goRing.CurWire = 0;
    Calc29DegWires(goRing);

    TThdInfo& noGoRing = rec.NoGoRing;
    noGoRing.CopyLimits(ext);
    Form(noGoRing, true);
    noGoRing.PD.Gage = ext.PD.Min;
    noGoRing.Minor.Gage = static_cast<double>(std::min<ld>(in.Minor.Min + 0.15L * p, ext.PD.Min));
    noGoRing.Major.Gage = static_cast<double>(ext.Major.Max + 0.010L);
    noGoRing.Major.GageTrunc = 0;
    Calc29DegWires(noGoRing);

    TThdInfo& goPlug = rec.GoPlug;
    goPlug.CopyLimits(in);
    Form(goPlug, false);
    goPlug.Major.Gage = static_cast<double>(in.Major.Min - (coarse ? 0.010L : 0.005L));
    goPlug.Major.GageTrunc = 0;
    goPlug.PD.Gage = in.PD.Min;
    goPlug.Minor.Gage = static_cast<double>(in.Minor.Min - 0.010L);
    goPlug.CurWire = 0;
    Calc29DegWires(goPlug);

    TThdInfo& noGoPlug = rec.NoGoPlug;
    noGoPlug.CopyLimits(in);
    Form(noGoPlug, false);
    noGoPlug.PD.Gage = in.PD.Max;
    noGoPlug.Major.Gage = static_cast<double>(std::max<ld>(ext.Major.Max - 0.15L * p, in.PD.Max));
    noGoPlug.Major.GageTrunc = 0;
    noGoPlug.Minor.Gage = static_cast<double>(in.Minor.Min - 0.010L);
    Calc29DegWires(noGoPlug);

    TThdInfo& goSet = rec.GoSetPlug;
    goSet.CopyLimits(ext);
    Form(goSet, false);
    goSet.Major.GageTrunc = 0;
    goSet.Major.Gage = ext.Major.Max;
    goSet.PD.Gage = ext.PD.Max;
    goSet.Minor.Gage = static_cast<double>(goRing.Minor.Gage - 0.010L);
    goSet.CurWire = 0;
    Calc29DegWires(goSet);

    TThdInfo& noGoSet = rec.NoGoSetPlug;
    noGoSet.CopyLimits(ext);
    Form(noGoSet, false);
    noGoSet.Major.Gage = ext.Major.Max;
    noGoSet.Major.GageTrunc = 0;
    noGoSet.PD.Gage = ext.PD.Min;
    noGoSet.Minor.Gage = static_cast<double>(noGoRing.Minor.Gage - 0.005L);
    noGoSet.CurWire = 0;
    Calc29DegWires(noGoSet);

    SetAcmeGaugeSigns(rec);
}

void CalculateStub(TTInfo& rec) {
    const bool stub = rec.ExtThd.TypeCode == kTypeStub;
    if (stub) {
        ReadStubTable(rec);
    } else {
        rec.ExtThd.FromTable = 0;
        rec.IntThd.FromTable = 0;
    }
    ReadStubAllowance(rec);
    if (stub && rec.ClassText != "2G") ReadAcmeAllowances(rec);
    for (TThdInfo* m : {&rec.ExtThd, &rec.IntThd}) {
        if (m->FromTable == 1 && rec.ForceCalc != 1) {
            SetAcmeDefaults(*m);
            continue;
        }
        if (stub)
            CalcStubPitchDia(*m);
        else
            CalcSamPitchDia(*m);
        CalcStubMajor(*m);
        if (stub)
            CalcStubMinor(*m);
        else
            CalcSamMinor(*m);
    }
    auto form = stub ? CalcStubGaugeForm : CalcSamGaugeForm;
    SelectGageCatalogue(rec);
    form(rec.ExtThd);
    form(rec.IntThd);
    CleanUpGageCatalogue(rec);
    ReadStubGaugeTols(rec);
    CalcStubGauges(rec);
    for (TThdInfo* m : {&rec.GoPlug, &rec.NoGoPlug, &rec.GoSetPlug, &rec.NoGoSetPlug})
        form(*m);
    UnifyGaugeWireSizes(rec);
}
