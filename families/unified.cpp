// Unified inch threads (ASME B1.1 formulas): engagement, limits of the product
// threads, their form values and the gauge members derived from them.
// Worked in long double, stored as double.
#include "families/unified.h"

#include "core/rounding.h"
#include "core/thread_record.h"
#include "families/unified_tables.h"
#include "gauges/gage_catalogue.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

using ld = long double;

ld PitchOf(const TThdInfo& m) {
    return m.TPI == 0 ? 0.0L : 1.0L / static_cast<ld>(m.TPI);
}

ld Pow23(ld x) {
    return x <= 0 ? 0.0L : std::pow(x, 2.0L / 3.0L);
}

bool Forced(const TThdInfo& m) {
    return m.Owner && m.Owner->ForceCalc == 1;
}

// Limits come from a table row and the engagement is the standard one: keep them.
bool KeepTable(const TThdInfo& m) {
    return m.FromTable == 1 && !Forced(m) && m.StdLOE == 1;
}

bool FormulaOnly(const TThdInfo& m) {
    return m.FromTable == 0 || Forced(m);
}

// Basic pitch diameter, rounded to four places as the standard tabulates it.
ld BasicPD(const TThdInfo& m) {
    return RoundTo(static_cast<double>(m.NomDia - 0.649519L * PitchOf(m)), 4);
}

// Basic minor diameter D - 1.082532 P, worked to four places before a
// tolerance is added, as the standard's tables are built.
ld BasicMinor(const TThdInfo& m) {
    return RoundTo(static_cast<double>(m.NomDia - 1.082532L * PitchOf(m)), 4);
}

// A tolerance is rounded to four places before it is applied; a tie then goes
// to the even digit, so 0.00775 adds 0.0078 as the printed 20 tpi rows show.
ld Tol4(ld t) {
    return RoundTo(static_cast<double>(t), 4);
}

// Basic major diameter of No. 6, where the printed minors change places.
constexpr ld kNumberSix = 0.138L - 1e-9L;

// Class 3B minor-diameter tolerance 0.05 P^2/3 + 0.03 P/D - 0.002, not below
// 0.23 P - 1.5 P^2 (finer than 12 tpi) or 0.12 P (12 tpi and coarser), not
// above 0.394 P.
ld Tol3B(const TThdInfo& m) {
    const ld p = PitchOf(m);
    const ld t = 0.05L * Pow23(p) + 0.03L * p / m.NomDia - 0.002L;
    const ld floor = m.TPI > 12 ? 0.23L * p - 1.5L * p * p : 0.12L * p;
    return std::min(std::max(t, floor), 0.394L * p);
}

ld Tol2A(const TThdInfo& m) {
    const ld d = m.NomDia;
    const ld le = std::max<ld>(m.StdLE, 0);
    return 0.0015L * std::cbrt(d) + 0.0015L * std::sqrt(le) + 0.015L * Pow23(PitchOf(m));
}

ld Factor(const TThdInfo& m, ld t) {
    const ld l = m.LOE;
    if (m.LEBasis == 0) {
        const ld p = PitchOf(m);
        if (l <= 15 * p) return t;
        if (l <= 30 * p) return 1.25L * t;
        return 1.5L * t;
    }
    const ld d = m.NomDia;
    if (l <= 1.5L * d) return t;
    if (l <= 3 * d) return 1.25L * t;
    return 1.5L * t;
}

// The class 2A tolerance scaled for the member's engagement.
ld TolInUse(const TThdInfo& m) {
    return Factor(m, Tol2A(m));
}

// Classes 1A and 2A carry an allowance of 0.3 x the class 2A tolerance; 3A
// none. The standard rounds it to four places before it is used.
ld RawAllowance(const TThdInfo& m) {
    return m.ClassCode == 3 ? 0.0L : 0.3L * Tol2A(m);
}

ld Allowance(const TThdInfo& m) {
    return Tol4(RawAllowance(m));
}

// The allowance the member's limits carry: the basic pitch diameter less the
// maximum, which for a table row is the printed allowance of that row.
ld AllowanceInUse(const TThdInfo& m) {
    return std::max<ld>(BasicPD(m) - m.PD.Max, 0);
}

void SetFormEngagement(TThdInfo& m, const std::string& form) {
    const std::string& s = m.Series;
    std::string series;
    if (s.size() == 2)
        series = form;
    else if (s.size() == 3 || s.size() == 4)
        series = form + s.substr(2);
    else
        series = form + "S";
    m.Series = series;

    const ld p = PitchOf(m);
    if (series == form + "EF" || series == form + "S") {
        m.LEBasis = 0;
        m.StdLE = static_cast<double>(9 * p);
    } else {
        m.LEBasis = 1;
        m.StdLE = m.NomDia;
    }
    if (m.StdLOE == 1) m.LOE = m.StdLE;
}

// Point gauge setting against a V standard; the offsets belong to the two
// standard setting masters (coarse 3.5 to 5.5 tpi, and 6 tpi and finer).
ld SettingToV(const TThdInfo& m, ld root, ld d, ld sign) {
    const ld n = m.TPI;
    if (d == 0 || std::fabs(d - 0.021L) < 1e-9L || n < 3.5L) return 0;
    if (n <= 5.5L) return root + sign * (2 * d - 0.3L);
    if (n < 6) return 0;
    return root + sign * (2 * d - 0.2L);
}

void SetSigns(TThdInfo& m, const char* pd, const char* major, const char* minor) {
    m.PD.Sign = pd;
    m.Major.Sign = major;
    m.Minor.Sign = minor;
}

void InternalForm(TThdInfo& m) {
    m.IsInternal = 1;
    m.IsExternal = 0;
}

void ExternalForm(TThdInfo& m) {
    m.IsInternal = 0;
    m.IsExternal = 1;
}

} // namespace

double PDTol2A(const TThdInfo& m) {
    return static_cast<double>(Tol2A(m));
}

double EngagementFactor(const TThdInfo& m, double t) {
    return static_cast<double>(Factor(m, t));
}

void SetUNEngagement(TThdInfo& m) {
    const ld p = PitchOf(m);
    if (m.Series.empty()) {
        m.Series = "UNS";
        m.StdLE = static_cast<double>(9 * p);
        m.LEBasis = 0;
    } else if (m.Series == "UNEF") {
        m.StdLE = static_cast<double>(9 * p);
        m.LEBasis = 0;
    } else {
        // The constant-pitch series 12UN to 32UN (and the special rows of those
        // pitches) are tolerated on nine pitches; UNC, UNF and the coarse
        // constant pitches on one diameter, whatever their pitch (1 3/8-12 UNF:
        // allowance 0.0019, not the 0.0017 of nine pitches).
        const long n = std::lround(m.TPI);
        const bool fine = n == 12 || n == 16 || n == 20 || n == 28 || n == 32;
        const bool constantPitch = fine && (m.Series == "UN" || m.Series == "UNS");
        m.StdLE = constantPitch ? static_cast<double>(9 * p) : m.NomDia;
        m.LEBasis = 1;
    }
    if (m.StdLOE == 1) m.LOE = m.StdLE;
}

void SetUNREngagement(TThdInfo& m) {
    SetFormEngagement(m, "UNR");
}

void SetUNJEngagement(TThdInfo& m) {
    SetFormEngagement(m, "UNJ");
}

void CalcUNPitchDia(TThdInfo& m) {
    if (KeepTable(m)) return;
    const bool formula = FormulaOnly(m);
    const ld e = BasicPD(m);
    const ld t = TolInUse(m);
    const uint16_t cls = m.ClassCode;

    if (m.IsInternal) {
        const ld k = cls == 1 ? 1.95L : cls == 3 ? 0.975L : 1.3L;
        m.PD.Max = static_cast<double>(e + Tol4(k * t));
        if (formula) m.PD.Min = static_cast<double>(e);
    } else if (m.IsExternal) {
        if (formula) m.PD.Max = static_cast<double>(e - Allowance(m));
        ld min = 0;
        if (cls == 1)
            min = m.PD.Max - Tol4(1.5L * t);
        else if (cls == 3)
            min = e - Tol4(0.75L * t);
        else
            min = m.PD.Max - Tol4(t);
        m.PD.Min = RoundTo(static_cast<double>(min), 4);
    }
}

void CalcUNMajor(TThdInfo& m) {
    if (KeepTable(m)) return;
    const bool formula = FormulaOnly(m);

    if (m.IsInternal) {
        if (formula) {
            m.Major.Max = 0;
            m.Major.Min = m.NomDia;
        }
    } else if (m.IsExternal) {
        // A table row keeps its printed maximum under a custom engagement.
        if (formula) m.Major.Max = static_cast<double>(m.NomDia - Allowance(m));
        const ld p23 = Pow23(PitchOf(m));
        const ld major = (m.ClassCode == 1 ? 0.09L : 0.06L) * p23;
        const ld t = TolInUse(m);
        const ld tol = 0.9L * major >= t ? major : 1.1L * t;
        m.Major.Min = static_cast<double>(m.Major.Max - Tol4(tol));
    }
}

void CalcUNMinor(TThdInfo& m) {
    if (m.FromTable == 1 && m.Minor.Max > 0 && !Forced(m)) return;
    const ld p = PitchOf(m);
    const ld d = m.NomDia;

    if (m.IsInternal) {
        const ld l = m.StdLOE == 1 ? d : static_cast<ld>(m.LOE);
        const ld basic = BasicMinor(m);
        // The minimum of every class and the class 1B/2B maximum are printed to
        // three places from No. 6 up, to four below; the 3B maximum to four.
        const int places = d >= kNumberSix ? 3 : 4;
        if (m.ClassCode == 3) {
            const ld t = Tol3B(m);
            const ld tol = l >= 1.5L * d ? 1.25L * t : t;
            m.Minor.Max = RoundTo(static_cast<double>(basic + Tol4(tol)), 4);
        } else {
            // Below 1/4 in classes 1B and 2B take the class 3B tolerance.
            ld t = d < 0.25L ? Tol3B(m) : m.TPI >= 4 ? 0.25L * p - 0.4L * p * p : 0.15L * p;
            if (l <= 0.33L * d)
                t *= 0.5L;
            else if (l <= 0.67L * d)
                t *= 0.75L;
            else if (l > 1.5L * d)
                t *= 1.25L;
            t = std::min(t, 0.394L * p);
            m.Minor.Max = RoundTo(RoundTo(static_cast<double>(basic + Tol4(t)), 4), places);
        }
        m.Minor.Min = RoundTo(static_cast<double>(basic), places);
    } else if (m.IsExternal) {
        if (m.TypeCode == kTypeUNR) {
            // The rounded root of the UNR form: its reference minor, as the
            // standard's table prints it, takes the allowance unrounded.
            m.Minor.Max = RoundTo(static_cast<double>(d - RawAllowance(m) - 1.190785L * p), 4);
        } else {
            // The basic minor diameter less the allowance the limits carry (a
            // table row's printed one), as ASME B1.1 gives the UN reference minor.
            m.Minor.Max = static_cast<double>(d - 1.082532L * p - AllowanceInUse(m));
        }
        m.Minor.Min = static_cast<double>(m.PD.Min - 0.649519L * p);
    }
}

void CalcUNJMinor(TThdInfo& m) {
    const ld p = PitchOf(m);
    const ld d = m.NomDia;

    if (m.IsExternal) {
        m.Minor.Max = static_cast<double>(d - 1.154699L * p);
        m.Minor.Min = static_cast<double>(m.PD.Min - 0.5658L * p);
    } else if (m.IsInternal) {
        ld t = 0.05L * Pow23(p) + 0.03L * p / d - 0.002L;
        if (m.TPI <= 12) {
            t = 0.12L * p;
        } else if (t > 0.259809L * p) {
            t = 0.259809L * p;
        } else if (0.135315L * p > t) {
            t = 0.135315L * p;
        }
        m.Minor.Max = static_cast<double>(d - 0.97428L * p + t);
        m.Minor.Min = RoundTo(static_cast<double>(d - 0.97428L * p + 0.00004L), 4);
    }
}

void CalcUNForm(TThdInfo& m) {
    const ld p = PitchOf(m);
    const ld d = m.PointDia;
    const ld halfP2 = (p / 2) * (p / 2);

    if (m.IsInternal) {
        m.ThdHeight = static_cast<double>(0.54127L * p);
        m.RootWidth = static_cast<double>(0.125L * p);
        m.BestWire = 0;
        m.MinWire = 0;
        m.MaxWire = 0;
        const ld q = m.PD.Min - 2 * (d - 0.433013L * p);
        const ld root = std::sqrt(q * q + halfP2);
        m.SetToFlat = d == 0 ? 0.0 : static_cast<double>(root + d);
        m.SetToV = static_cast<double>(SettingToV(m, root, d, +1));
    } else if (m.IsExternal) {
        m.ThdHeight = static_cast<double>(0.54127L * p);
        m.RootWidth = static_cast<double>(0.25L * p);
        m.BestWire = static_cast<double>(0.57735L * p);
        if (m.UseBestWire == 1) m.CurWire = m.BestWire;
        m.MinWire = static_cast<double>(0.505182L * p);
        m.MaxWire = static_cast<double>(1.010362L * p);
        const ld q = m.PD.Max + 2 * (d - 0.433013L * p);
        const ld root = std::sqrt(q * q + halfP2);
        m.SetToFlat = d == 0 ? 0.0 : static_cast<double>(root - d);
        m.SetToV = static_cast<double>(SettingToV(m, root, d, -1));
        if (m.Owner) m.Owner->ClassW = 1;
    }
}

void CalcUNRForm(TThdInfo& m) {
    CalcUNForm(m);
    if (!m.IsExternal) return;
    const ld p = PitchOf(m);
    m.ThdHeight = static_cast<double>(0.59539L * p);
    m.RootWidth = 0;
    m.BestWire = static_cast<double>(0.57735L * p);
    if (m.UseBestWire == 1) m.CurWire = m.BestWire;
    m.RootRadMax = static_cast<double>(0.14434L * p);
    m.RootRadMin = static_cast<double>(0.10825L * p);
}

void CalcUNJForm(TThdInfo& m) {
    CalcUNForm(m);
    const ld p = PitchOf(m);
    if (m.IsInternal) {
        m.ThdHeight = static_cast<double>(0.48714L * p);
    } else if (m.IsExternal) {
        m.ThdHeight = static_cast<double>(0.57735L * p);
        m.RootRadMax = static_cast<double>(0.18042L * p);
        m.RootRadMin = static_cast<double>(0.15011L * p);
        m.RootWidth = 0;
    }
}

void CalcUNGauges(TTInfo& rec) {
    const TThdInfo& ext = rec.ExtThd;
    const TThdInfo& in = rec.IntThd;
    const ld p = PitchOf(ext);
    const bool unj = ext.TypeCode == kTypeUNJ;

    TThdInfo& goRing = rec.GoRing;
    goRing.CopyLimits(ext);
    goRing.Derived = 1;
    InternalForm(goRing);
    goRing.PD.Gage = ext.PD.Max;
    goRing.Minor.Gage = static_cast<double>(ext.PD.Max - (unj ? 0.32476L : 0.4331L) * p);
    goRing.Minor.GageAlt = goRing.Minor.Gage;
    SetSigns(goRing, "-", "", "-");

    TThdInfo& noGoRing = rec.NoGoRing;
    noGoRing.CopyLimits(ext);
    noGoRing.Derived = 1;
    InternalForm(noGoRing);
    noGoRing.PD.Gage = ext.PD.Min;
    const ld ringFromPD = ext.PD.Min - 0.216506L * p;
    const ld ringFromGo = goRing.Minor.GageAlt - rec.XDiaTol - 0.03248L * p;
    noGoRing.Minor.Gage = static_cast<double>(std::max(ringFromPD, ringFromGo));
    noGoRing.Minor.GageAlt = noGoRing.Minor.Gage;
    SetSigns(noGoRing, "+", "", "+");

    TThdInfo& goPlug = rec.GoPlug;
    goPlug.CopyLimits(in);
    goPlug.Derived = 1;
    ExternalForm(goPlug);
    goPlug.BestWire = ext.BestWire;
    goPlug.CurWire = ext.CurWire;
    goPlug.PD.Gage = in.PD.Min;
    goPlug.Major.Gage = in.Major.Min;
    goPlug.Major.GageAlt = goPlug.Major.Gage;
    SetSigns(goPlug, "+", "+", "");

    TThdInfo& noGoPlug = rec.NoGoPlug;
    noGoPlug.CopyLimits(in);
    noGoPlug.Derived = 1;
    ExternalForm(noGoPlug);
    noGoPlug.BestWire = ext.BestWire;
    noGoPlug.CurWire = ext.CurWire;
    noGoPlug.PD.Gage = in.PD.Max;
    const ld plugFromPD = in.PD.Max + 0.433013L * p;
    const ld plugFromGo = goPlug.Major.GageAlt - 0.03428L * p;
    noGoPlug.Major.Gage = static_cast<double>(std::min(plugFromPD, plugFromGo));
    SetSigns(noGoPlug, "-", "-", "");

    TThdInfo& goSet = rec.GoSetPlug;
    goSet.CopyLimits(ext);
    goSet.Derived = 1;
    ExternalForm(goSet);
    goSet.PD.Gage = ext.PD.Max;
    goSet.Major.Gage = ext.Major.Max;
    goSet.Major.GageTrunc = static_cast<double>(ext.Major.Max - (0.06L * Pow23(p) + 0.017L * p));
    SetSigns(goSet, "-", "+-", "");

    TThdInfo& noGoSet = rec.NoGoSetPlug;
    noGoSet.CopyLimits(ext);
    noGoSet.Derived = 1;
    ExternalForm(noGoSet);
    noGoSet.PD.Gage = ext.PD.Min;
    noGoSet.Major.Gage = ext.Major.Max;
    noGoSet.Major.GageTrunc = static_cast<double>(ext.PD.Min + 0.43301L * p);
    // The full major of the NOT GO setting plug may not leave less than a
    // minimal flat at the crest.
    const ld crestLimit = noGoSet.PD.Gage + 0.866025L * p - 0.00173L;
    if (noGoSet.Major.Gage > crestLimit) {
        noGoSet.Major.Gage = static_cast<double>(crestLimit);
        SetSigns(noGoSet, "+", "--", "");
    } else {
        SetSigns(noGoSet, "+", "+-", "");
    }
}

void CalculateUnified(TTInfo& rec) {
    const uint16_t type = rec.ExtThd.TypeCode;
    // The tables and the engagement steps set the series afresh. A series left
    // by an earlier run ("UNS" of a thread with no row, "UNRC" of a UNR thread)
    // would be taken for a table series, so a reopened thread file with a custom
    // engagement would get other limits than the same thread typed in.
    rec.ExtThd.Series.clear();
    rec.IntThd.Series.clear();
    ReadAnsiTable(rec);
    ReadUNSTable(rec);
    for (TThdInfo* m : {&rec.ExtThd, &rec.IntThd}) {
        if (type == kTypeUNR)
            SetUNREngagement(*m);
        else if (type == kTypeUNJ)
            SetUNJEngagement(*m);
        else
            SetUNEngagement(*m);
        CalcUNPitchDia(*m);
        CalcUNMajor(*m);
        if (type == kTypeUNJ)
            CalcUNJMinor(*m);
        else
            CalcUNMinor(*m);
    }
    SelectGageCatalogue(rec);
    for (TThdInfo* m : {&rec.ExtThd, &rec.IntThd}) {
        if (type == kTypeUNR)
            CalcUNRForm(*m);
        else if (type == kTypeUNJ)
            CalcUNJForm(*m);
        else
            CalcUNForm(*m);
    }
    CleanUpGageCatalogue(rec);
    ReadClassXTols(rec);
    CalcUNGauges(rec);
    for (TThdInfo* m : {&rec.GoPlug, &rec.NoGoPlug, &rec.GoSetPlug, &rec.NoGoSetPlug}) {
        if (type == kTypeUNJ)
            CalcUNJForm(*m);
        else
            CalcUNForm(*m);
    }
    ReadGageTable(rec);
    ReadSetPlugTable(rec);
    ReadClassWTols(rec);
}
