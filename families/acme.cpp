// General purpose Acme threads (ASME B1.5 formulas): limits of the product
// threads, form values, wires and the gauge members derived from them.
// Worked in long double, stored as double.
#include "families/acme.h"

#include "core/rounding.h"
#include "core/thread_record.h"
#include "families/acme_tables.h"
#include "gauges/gage_catalogue.h"
#include "gauges/wires.h"

#include <algorithm>
#include <cmath>

namespace {

using ld = long double;

ld PitchOf(const TThdInfo& m) {
    return m.TPI == 0 ? 0.0L : 1.0L / static_cast<ld>(m.TPI);
}

bool Forced(const TTInfo& rec) {
    return rec.ForceCalc == 1;
}

ld Round(ld x, int places) {
    return RoundTo(static_cast<double>(x), places);
}

// Limits to four places, as the standard tabulates them; a minimum is taken
// from the rounded maximum (or a maximum from the rounded minimum) and
// rounded again.
ld Round4(ld x) {
    return Round(x, 4);
}

ld Crest(const TThdInfo& m) {
    return std::max(0.05L * PitchOf(m), 0.005L);
}

// The allowance of the class: the acmeall row of the thread's diameter band
// when one was found (B1.5 evaluates it per band, not at D), else the
// standard's coefficient x sqrt(D).
ld Allowance(const TThdInfo& m) {
    if (m.ClassCode == 7) return 0;
    if (m.Owner && m.Owner->AllowanceFound && m.ClassCode < 21)
        return m.Owner->Allowance[m.ClassCode];
    return AcmeAllowanceCoeff(m) * std::sqrt(static_cast<ld>(m.NomDia));
}

// Crest clearance of the external minor and internal major diameters.
ld Clearance(const TThdInfo& m) {
    return m.TPI >= 12 ? 0.010L : 0.020L;
}

void InternalForm(TThdInfo& m) {
    m.IsInternal = 1;
    m.IsExternal = 0;
    m.IsGage = 1;
    m.Derived = 1;
}

void ExternalForm(TThdInfo& m) {
    m.IsInternal = 0;
    m.IsExternal = 1;
    m.IsGage = 1;
    m.Derived = 1;
}

void SetSigns(TThdInfo& m, const char* pd, const char* major, const char* minor) {
    m.PD.Sign = pd;
    m.Major.Sign = major;
    m.Minor.Sign = minor;
}

void TakeWireData(TThdInfo& m, const TThdInfo& ext) {
    m.BestWire = ext.BestWire;
    m.CurWire = ext.CurWire;
    m.MinWire = ext.MinWire;
    m.MaxWire = ext.MaxWire;
    m.RootWire = ext.RootWire;
    // A wire chosen by the user on the external thread holds for the plugs too.
    m.UseBestWire = ext.UseBestWire;
    m.SetToFlat = ext.SetToFlat;
    m.SetToV = ext.SetToV;
}

} // namespace

long double AcmePDTol(const TThdInfo& m) {
    ld cp = 0.030L, cd = 0.006L;
    switch (m.ClassCode) {
    case 5:
        cp = 0.014L;
        cd = 0.0028L;
        break;
    case 6:
        cp = 0.010L;
        cd = 0.002L;
        break;
    case 7:
        cp = 0.008L;
        cd = 0.0016L;
        break;
    default:
        break;
    }
    // B1.5 Table 5 tabulates the pitch and the diameter increment to five
    // places each; the tolerance is their sum.
    return Round(cp * std::sqrt(PitchOf(m)), 5) +
           Round(cd * std::sqrt(static_cast<ld>(m.NomDia)), 5);
}

long double AcmeAllowanceCoeff(const TThdInfo& m) {
    switch (m.ClassCode) {
    case 5:
        return 0.006L;
    case 6:
        return 0.004L;
    case 7:
        return 0;
    default:
        return 0.008L;
    }
}

void SetAcmeDefaults(TThdInfo& m) {
    m.Series = "ACME";
    m.StdLE = 2 * m.NomDia;
    m.LEBasis = 1;
    if (m.StdLOE == 1) m.LOE = m.StdLE;
}

void CalcAcmePitchDia(TThdInfo& m) {
    SetAcmeDefaults(m);
    const ld basic = Round4(m.NomDia - PitchOf(m) / 2);
    const ld t = AcmePDTol(m);
    if (m.IsInternal) {
        m.PD.Min = static_cast<double>(basic);
        m.PD.Max = static_cast<double>(Round4(basic + t));
    } else {
        const ld max = Round4(basic - Allowance(m));
        m.PD.Max = static_cast<double>(max);
        m.PD.Min = static_cast<double>(Round4(max - t));
    }
}

void CalcAcmeMajor(TThdInfo& m) {
    const ld d = m.NomDia;
    if (m.IsInternal) {
        m.Major.Min = static_cast<double>(d + Clearance(m));
        m.Major.Max = static_cast<double>(d + 2 * Clearance(m));
    } else {
        m.Major.Max = m.NomDia;
        m.Major.Min = static_cast<double>(Round4(d - Crest(m)));
    }
}

void CalcAcmeMinor(TThdInfo& m) {
    const ld d = m.NomDia;
    const ld p = PitchOf(m);
    if (m.IsInternal) {
        m.Minor.Min = static_cast<double>(Round4(d - p));
        // Rounded once: 3/4-6 prints 0.5917, not 0.5833 + 0.0083.
        m.Minor.Max = static_cast<double>(Round4(d - p + Crest(m)));
    } else {
        const ld max = Round4(d - p - Clearance(m));
        m.Minor.Max = static_cast<double>(max);
        m.Minor.Min = static_cast<double>(Round4(max - 1.5L * AcmePDTol(m)));
    }
}

void CalcAcmeGaugeForm(TThdInfo& m) {
    const ld p = PitchOf(m);
    const bool fine = m.TPI >= 12;
    m.ThdHeight = static_cast<double>(p / 2 + (fine ? 0.005L : 0.010L));
    if (m.IsExternal)
        m.RootWidth = static_cast<double>(0.3707L * p - 0.259L * (Clearance(m) - Allowance(m)));
    else
        m.RootWidth = static_cast<double>(0.3707L * p - (fine ? 0.00259L : 0.00518L));
    Calc29DegWires(m);
}

void CalcAcmeGauges(TTInfo& rec) {
    const TThdInfo& ext = rec.ExtThd;
    const TThdInfo& in = rec.IntThd;
    const ld p = PitchOf(ext);
    const bool coarse = ext.TPI <= 10;

    TThdInfo& goRing = rec.GoRing;
    goRing.CopyLimits(ext);
    InternalForm(goRing);
    goRing.PD.Gage = ext.PD.Max;
    goRing.Minor.Gage = static_cast<double>(ext.Minor.Max + (coarse ? 0.010L : 0.005L));
    goRing.Major.Gage = static_cast<double>(ext.Major.Max + 0.010L);

    TThdInfo& noGoRing = rec.NoGoRing;
    noGoRing.CopyLimits(ext);
    InternalForm(noGoRing);
    noGoRing.PD.Gage = ext.PD.Min;
    noGoRing.Minor.Gage = static_cast<double>(std::min<ld>(p / 4 + in.Minor.Min, ext.PD.Min));
    noGoRing.Major.Gage = static_cast<double>(ext.Major.Max + 0.010L);

    TThdInfo& goPlug = rec.GoPlug;
    goPlug.CopyLimits(in);
    ExternalForm(goPlug);
    TakeWireData(goPlug, ext);
    goPlug.Major.Gage = static_cast<double>(in.Major.Min - (coarse ? 0.010L : 0.005L));
    goPlug.Major.GageTrunc = 0;
    goPlug.PD.Gage = in.PD.Min;
    goPlug.Minor.Gage = static_cast<double>(in.Minor.Min - 0.010L);

    TThdInfo& noGoPlug = rec.NoGoPlug;
    noGoPlug.CopyLimits(in);
    ExternalForm(noGoPlug);
    TakeWireData(noGoPlug, ext);
    noGoPlug.PD.Gage = in.PD.Max;
    noGoPlug.Major.GageTrunc = 0;
    noGoPlug.Major.Gage = static_cast<double>(std::max<ld>(ext.Major.Max - p / 4, in.PD.Max));
    noGoPlug.Minor.Gage = static_cast<double>(in.Minor.Min - 0.010L);

    TThdInfo& goSet = rec.GoSetPlug;
    goSet.CopyLimits(ext);
    ExternalForm(goSet);
    goSet.Major.GageTrunc = static_cast<double>(ext.Major.Max - p / 6);
    goSet.Major.Gage = ext.Major.Max;
    goSet.PD.Gage = ext.PD.Max;
    goSet.Minor.Gage = static_cast<double>(goRing.Minor.Gage - 0.010L);

    TThdInfo& noGoSet = rec.NoGoSetPlug;
    noGoSet.CopyLimits(ext);
    ExternalForm(noGoSet);
    noGoSet.Major.GageTrunc = static_cast<double>(ext.Major.Max - p / 6);
    noGoSet.Major.Gage = ext.Major.Max;
    noGoSet.PD.Gage = ext.PD.Min;
    noGoSet.Minor.Gage = static_cast<double>(noGoRing.Minor.Gage - 0.005L);

    SetAcmeGaugeSigns(rec);
}

void SetAcmeGaugeSigns(TTInfo& rec) {
    SetSigns(rec.GoRing, "-", "+", "-");
    SetSigns(rec.NoGoRing, "+", "+", "+");
    SetSigns(rec.GoPlug, "+", "+", "-");
    // A NOT GO plug whose major was raised to its pitch diameter may only grow.
    const TThdInfo& ng = rec.NoGoPlug;
    SetSigns(rec.NoGoPlug, "-", ng.Major.Gage == ng.PD.Max ? "+" : "-", "-");
    SetSigns(rec.GoSetPlug, "-", "+-", "-");
    SetSigns(rec.NoGoSetPlug, "+", "+-", "-");
}

void CalculateAcme(TTInfo& rec) {
    ReadAcmeTable(rec);
    ReadAcmeAllowances(rec);
    for (TThdInfo* m : {&rec.ExtThd, &rec.IntThd}) {
        // Tabulated threads keep their limits but still need the family's
        // series and standard engagement.
        if (m->FromTable == 1 && !Forced(rec)) {
            SetAcmeDefaults(*m);
            continue;
        }
        CalcAcmePitchDia(*m);
        CalcAcmeMajor(*m);
        CalcAcmeMinor(*m);
    }
    SelectGageCatalogue(rec);
    CalcAcmeGaugeForm(rec.ExtThd);
    CalcAcmeGaugeForm(rec.IntThd);
    CleanUpGageCatalogue(rec);
    ReadAcmeGaugeTols(rec);
    CalcAcmeGauges(rec);
    for (TThdInfo* m : {&rec.GoPlug, &rec.NoGoPlug, &rec.GoSetPlug, &rec.NoGoSetPlug})
        CalcAcmeGaugeForm(*m);
    UnifyGaugeWireSizes(rec);
}
