// ISO metric M threads (ISO 965-1): tolerances from the tables or, where no
// row supplies them, from the standard's formulas; limits, gauges and form.
// Worked in long double, stored as double.
#include "families/metric.h"

#include "core/thread_record.h"
#include "families/metric_tables.h"
#include "gauges/gage_catalogue.h"

#include <algorithm>
#include <cmath>

namespace {

using ld = long double;

struct Factor {
    char key;
    double value;
};

double Lookup(const std::string& text, std::initializer_list<Factor> list) {
    if (text.size() != 1) return 0;
    for (const Factor& f : list)
        if (f.key == text[0]) return f.value;
    return 0;
}

bool Forced(const TThdInfo& m) {
    return m.Owner && m.Owner->ForceCalc == 1;
}

bool KeepTable(const TThdInfo& m) {
    return m.FromTable == 1 && !Forced(m);
}

// A member whose class is outside the lists has no formula limits: its
// tolerance would be 0 and max = min would pass for a size.
bool HasFormulaClass(const TThdInfo& m) {
    return ValidMetricTolClass(m.TolInfoText(), m.IsInternal == 1);
}

ld P(const TThdInfo& m) {
    return m.Pitch();
}

// 0.09 P^0.4 D^0.1: the grade-6 external pitch-diameter tolerance.
ld PDTolBase(const TThdInfo& m) {
    return 0.09L * std::pow(P(m), 0.4L) * std::pow(static_cast<ld>(m.NomDia), 0.1L);
}

// es or EI of a position: 0.011 P + b, none for h / H.
ld Deviation(const TThdInfo& m, const std::string& pos, bool internal) {
    const double b = DeviationBase(pos, internal);
    return b > 0 ? 0.011L * P(m) + b : 0.0L;
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

// A gauge size derived from a limit that nothing computed stays unset.
double From(double limit, ld value) {
    return limit == 0 ? 0.0 : static_cast<double>(value);
}

// Contact-point reading against the flat standard (first) and the V standard
// (second); the V masters add 5.08 mm up to 4.5 mm pitch, 7.62 mm up to 8 mm.
ld VMasterOffset(ld p) {
    if (p < 4.5L) return 5.08L;
    if (p <= 8) return 7.62L;
    return 0;
}

} // namespace

double ExtPDGradeFactor(const std::string& g) {
    return Lookup(
        g, {{'3', 0.5}, {'4', 0.63}, {'5', 0.8}, {'6', 1.0}, {'7', 1.25}, {'8', 1.6}, {'9', 2.0}});
}

double ExtMajorGradeFactor(const std::string& g) {
    return Lookup(g, {{'4', 0.63}, {'6', 1.0}, {'8', 1.6}});
}

double IntPDGradeFactor(const std::string& g) {
    return Lookup(g, {{'4', 0.85}, {'5', 1.06}, {'6', 1.32}, {'7', 1.7}, {'8', 2.12}});
}

double IntMinorGradeFactor(const std::string& g) {
    return Lookup(g, {{'4', 0.63}, {'5', 0.8}, {'6', 1.0}, {'7', 1.25}, {'8', 1.6}});
}

double DeviationBase(const std::string& pos, bool internal) {
    if (pos.size() != 1) return -1;
    const double b = internal ? Lookup(pos, {{'G', 0.015}, {'H', 0}})
                              : Lookup(pos, {{'e', 0.050}, {'f', 0.030}, {'g', 0.015}, {'h', 0}});
    const bool known = internal ? (pos == "G" || pos == "H")
                                : (pos == "e" || pos == "f" || pos == "g" || pos == "h");
    return known ? b : -1;
}

bool ValidMetricTolClass(const std::string& t, bool internal) {
    if (t.size() != 4) return false;
    const std::string pdGrade = t.substr(0, 1), pdPos = t.substr(1, 1);
    const std::string crestGrade = t.substr(2, 1), crestPos = t.substr(3, 1);
    if (DeviationBase(pdPos, internal) < 0 || DeviationBase(crestPos, internal) < 0) return false;
    if (internal) return IntPDGradeFactor(pdGrade) > 0 && IntMinorGradeFactor(crestGrade) > 0;
    return ExtPDGradeFactor(pdGrade) > 0 && ExtMajorGradeFactor(crestGrade) > 0;
}

void PrepareMetricMembers(TTInfo& rec, const char* extDefault, const char* intDefault) {
    for (TThdInfo* m : {&rec.ExtThd, &rec.IntThd}) {
        if (m->TolInfoText().empty()) m->SetTolInfo(m->IsInternal ? intDefault : extDefault);
        for (TDimLimits* d : {&m->PD, &m->Major, &m->Minor}) {
            d->Tol = 0;
            d->Dev = 0;
        }
        m->FromTable = 0;
        m->ClassCode = static_cast<uint16_t>(PDGradeColumn(*m));
    }
    rec.MJExtPDTol = 0;
    rec.MJIntPDTol = 0;
    rec.AllowanceFound = 0;
}

void CalcMetricTolerances(TTInfo& rec) {
    TThdInfo& ext = rec.ExtThd;
    TThdInfo& in = rec.IntThd;
    const ld p = P(ext);
    if (ext.PD.Tol <= 0)
        ext.PD.Tol = static_cast<double>(PDTolBase(ext) * ExtPDGradeFactor(ext.PD.TolGrade));
    if (ext.PD.Dev <= 0) ext.PD.Dev = static_cast<double>(Deviation(ext, ext.PD.TolPos, false));
    if (ext.Major.Tol <= 0 && p > 0)
        ext.Major.Tol =
            static_cast<double>((0.18L * std::pow(p, 2.0L / 3) - 0.00315L / std::sqrt(p)) *
                                ExtMajorGradeFactor(ext.Major.TolGrade));
    if (ext.Major.Dev <= 0)
        ext.Major.Dev = static_cast<double>(Deviation(ext, ext.Major.TolPos, false));
    if (in.PD.Tol <= 0)
        in.PD.Tol = static_cast<double>(PDTolBase(in) * IntPDGradeFactor(in.PD.TolGrade));
    if (in.PD.Dev <= 0) in.PD.Dev = static_cast<double>(Deviation(in, in.PD.TolPos, true));
    if (in.Minor.Tol <= 0 && p > 0) {
        const ld k = IntMinorGradeFactor(in.Minor.TolGrade);
        const ld td1 = p >= 1 ? 0.23L * std::pow(p, 0.7L) : 0.433L * p - 0.19L * std::pow(p, 1.22L);
        in.Minor.Tol = static_cast<double>(td1 * k);
    }
    if (in.Minor.Dev <= 0) in.Minor.Dev = static_cast<double>(Deviation(in, in.Minor.TolPos, true));
}

void CalcMetricPitchDia(TThdInfo& m) {
    if (KeepTable(m) || !HasFormulaClass(m)) return;
    const ld basic = m.NomDia - 0.649519L * P(m);
    if (m.IsInternal) {
        m.PD.Min = static_cast<double>(basic + m.PD.Dev);
        m.PD.Max = static_cast<double>(static_cast<ld>(m.PD.Min) + m.PD.Tol);
    } else {
        m.PD.Max = static_cast<double>(basic - m.PD.Dev);
        m.PD.Min = static_cast<double>(static_cast<ld>(m.PD.Max) - m.PD.Tol);
    }
}

void CalcMetricMajor(TThdInfo& m) {
    if (KeepTable(m) || !HasFormulaClass(m)) return;
    if (m.IsInternal) {
        m.Major.Min = static_cast<double>(m.NomDia + static_cast<ld>(m.Minor.Dev));
        m.Major.Max = static_cast<double>(m.PD.Max + 0.793857L * P(m));
    } else {
        m.Major.Max = static_cast<double>(m.NomDia - static_cast<ld>(m.Major.Dev));
        m.Major.Min = static_cast<double>(static_cast<ld>(m.Major.Max) - m.Major.Tol);
    }
}

void CalcMetricMinor(TThdInfo& m) {
    if (KeepTable(m) || !HasFormulaClass(m)) return;
    const ld p = P(m);
    if (m.IsInternal) {
        m.Minor.Min = static_cast<double>(m.NomDia + static_cast<ld>(m.Minor.Dev) - 1.082532L * p);
        m.Minor.Max = static_cast<double>(static_cast<ld>(m.Minor.Min) + m.Minor.Tol);
    } else {
        m.Minor.Max = static_cast<double>(m.PD.Max - 0.4330127L * p);
        m.Minor.Min = static_cast<double>(m.PD.Min - 0.616025L * p);
    }
}

void CalcMetricGauges(TTInfo& rec) {
    const TThdInfo& ext = rec.ExtThd;
    const TThdInfo& in = rec.IntThd;
    const ld p = P(ext);
    const double pdMax = ext.PD.Max, pdMin = ext.PD.Min;

    TThdInfo& goRing = rec.GoRing;
    Derive(goRing, ext, true);
    goRing.PD.Gage = pdMax;
    goRing.Minor.Gage = From(pdMax, pdMax - 0.43301L * p);
    SetSigns(goRing, "-", "", "-");

    TThdInfo& noGoRing = rec.NoGoRing;
    Derive(noGoRing, ext, true);
    noGoRing.PD.Gage = pdMin;
    noGoRing.Minor.Gage = From(pdMin, pdMin - 0.2L * p);
    SetSigns(noGoRing, "+", "", "+");

    // Plugs are read over the wires of the external thread.
    for (TThdInfo* plug : {&rec.GoPlug, &rec.NoGoPlug}) {
        Derive(*plug, in, false);
        plug->BestWire = ext.BestWire;
        plug->CurWire = ext.CurWire;
        plug->UseBestWire = ext.UseBestWire;
    }
    rec.GoPlug.PD.Gage = in.PD.Min;
    rec.GoPlug.Major.Gage = in.Major.Min;
    SetSigns(rec.GoPlug, "+", "+", "+");
    rec.NoGoPlug.PD.Gage = in.PD.Max;
    rec.NoGoPlug.Major.Gage = From(in.PD.Max, in.PD.Max + 0.2L * p);
    SetSigns(rec.NoGoPlug, "-", "-", "-");

    TThdInfo& goSet = rec.GoSetPlug;
    Derive(goSet, ext, false);
    goSet.Major.GageTrunc = From(pdMax, pdMax + 0.2L * p);
    goSet.Major.Gage = ext.Major.Max;
    goSet.PD.Gage = pdMax;
    SetSigns(goSet, "-", "+", "-");

    TThdInfo& noGoSet = rec.NoGoSetPlug;
    Derive(noGoSet, ext, false);
    noGoSet.PD.Gage = pdMin;
    noGoSet.Major.GageTrunc = From(pdMin, pdMin + 0.2L * p);
    const ld crest = ext.Major.Max + 0.2165L * p - (static_cast<ld>(pdMax) - pdMin) - 0.044L;
    noGoSet.Major.Gage = From(ext.Major.Max, std::min<ld>(ext.Major.Max, crest));
    SetSigns(noGoSet, "+", "+", "-");
}

void CalcMetricGaugeForm(TThdInfo& m) {
    const ld p = P(m);
    const ld t = 25.4L * m.PointDia;
    m.ThdHeight = static_cast<double>(0.541266L * p);
    if (m.IsInternal) {
        m.RootWidth = static_cast<double>(0.125L * p);
        m.BestWire = 0;
        m.MinWire = 0;
        m.MaxWire = 0;
    } else {
        m.RootWidth = static_cast<double>(0.25L * p);
        m.BestWire = static_cast<double>(0.57735L * p);
        m.MaxWire = static_cast<double>(1.010362L * p);
        m.MinWire = static_cast<double>(0.505182L * p);
        if (m.CurWire <= 0 || m.UseBestWire == 1) m.CurWire = m.BestWire;
    }
    if (m.PointDia <= 0) {
        m.SetToFlat = 0;
        m.SetToV = 0;
        return;
    }
    const ld r = (t - 0.433013L * p) * 2;
    const ld halfP2 = (p / 2) * (p / 2);
    const ld offset = VMasterOffset(p);
    if (m.IsInternal) {
        // Both readings are of the member's own smallest pitch diameter; they
        // differ only in the standard the indicator is set on.
        const ld root = std::sqrt((m.PD.Min - r) * (m.PD.Min - r) + halfP2);
        m.SetToFlat = static_cast<double>(root + t);
        m.SetToV =
            m.PointDia > 0.021 && offset > 0 ? static_cast<double>(root + 2 * t - offset) : 0.0;
    } else {
        const ld root = std::sqrt((m.PD.Max + r) * (m.PD.Max + r) + halfP2);
        m.SetToFlat = static_cast<double>(root - t);
        const bool smallPoint = std::fabs(m.PointDia - 0.021) < 1e-9;
        m.SetToV = !smallPoint && offset > 0 ? static_cast<double>(root - 2 * t + offset) : 0.0;
    }
}

void CalculateMetric(TTInfo& rec) {
    PrepareMetricMembers(rec, "6g6g", "6H6H");
    ReadMetricLimits(rec, true);
    ReadMetricLimits(rec, false);
    ReadMetricPDTols(rec, true);
    ReadMetricPDTols(rec, false);
    ReadMetricDiaTols(rec, true);
    ReadMetricDiaTols(rec, false);
    ReadMetricDeviations(rec);
    CalcMetricTolerances(rec);
    CalcMetricPitchDia(rec.ExtThd);
    CalcMetricPitchDia(rec.IntThd);
    CalcMetricMajor(rec.ExtThd);
    CalcMetricMajor(rec.IntThd);
    CalcMetricMinor(rec.ExtThd);
    CalcMetricMinor(rec.IntThd);
    SelectGageCatalogue(rec);
    CalcMetricGaugeForm(rec.ExtThd);
    CalcMetricGaugeForm(rec.IntThd);
    CleanUpGageCatalogue(rec);
    ReadMetricGaugeTolsX(rec);
    ReadMetricGaugeTolsW(rec);
    CalcMetricGauges(rec);
    for (TThdInfo* m : {&rec.GoPlug, &rec.NoGoPlug, &rec.GoSetPlug, &rec.NoGoSetPlug})
        CalcMetricGaugeForm(*m);
}
