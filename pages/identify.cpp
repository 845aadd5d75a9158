#include "pages/identify.h"

#include "core/designation.h"
#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/pipe_record.h"
#include "core/table_file.h"
#include "core/thread_record.h"
#include "pages/parameter_page.h"
#include "pipe/pipe_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace {

// The number and its unit word, split; the unit lower-cased without blanks.
bool SplitUnit(const std::string& text, double& value, std::string& unit) {
    const std::string t = Trim(text);
    std::size_t end = t.size();
    while (end > 0 && !std::isdigit(static_cast<unsigned char>(t[end - 1])) && t[end - 1] != '.')
        --end;
    unit.clear();
    for (char c : t.substr(end))
        if (c != ' ') unit += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ParseDecimal(t.substr(0, end), value) && value > 0 && std::isfinite(value);
}

bool PitchesMatch(double a, double b) {
    return std::fabs(a - b) <= kPitchMatch * b;
}

// Distance of x outside [lo, hi]; 0 inside.
double OffLimits(double x, double lo, double hi) {
    return x < lo ? lo - x : (x > hi ? x - hi : 0);
}

// Whether a nominal size could hold the measured diameter at all: the table rows
// worth calculating. Generous, since the calculation decides.
bool NearNominal(const IdentifyQuery& q, double nominal, double pitch) {
    const double reach = 0.1 * nominal + 2 * pitch;
    return q.diameter <= nominal + reach && q.diameter >= nominal - reach;
}

// A nominal inch size as the unified designations write it (#10, 1/4, 1 1/4) and
// as the diameter box takes it (#10, 1/4, 1.2500).
struct NominalText {
    std::string shown;
    std::string entry;
};

NominalText InchNominal(double dia) {
    const long thou = std::lround(dia * 1000);
    if (std::fabs(dia * 1000 - static_cast<double>(thou)) < 1e-6 && thou >= 60 && thou <= 216 &&
        (thou - 60) % 13 == 0) {
        const std::string n = "#" + std::to_string((thou - 60) / 13);
        return {n, n};
    }
    const long sixtyFourths = std::lround(dia * 64);
    const std::string decimal = Trim(FormatFixed(dia, 0, 4));
    if (std::fabs(dia * 64 - static_cast<double>(sixtyFourths)) > 1e-6) return {decimal, decimal};
    const long whole = sixtyFourths / 64;
    long num = sixtyFourths % 64, den = 64;
    const long g = std::gcd(num, den);
    if (num != 0) {
        num /= g;
        den /= g;
    }
    const std::string fraction = std::to_string(num) + "/" + std::to_string(den);
    if (whole == 0) return {fraction, fraction};
    if (num == 0) return {std::to_string(whole), decimal};
    return {std::to_string(whole) + " " + fraction, decimal};
}

struct Candidate {
    ParameterEntry entry;
    std::string family;
    std::string shownNominal; // empty: the designation's own
};

int TypeIndexOf(uint16_t code) {
    return TypeEntryIndex(code);
}

// One calculated candidate as a match; false when it cannot be calculated.
bool Calculated(const IdentifyQuery& q, const Candidate& c, IdentifyMatch& m) {
    TTInfo rec;
    if (!SetUpRecord(c.entry, rec).message.empty()) return false;
    rec.Calculate();
    if (!rec.Refusal.empty()) return false;
    if (!c.shownNominal.empty()) rec.NomDiaText = c.shownNominal;
    m.family = c.family;
    m.entry = c.entry;
    if (rec.Pipe) {
        const TThdNPT& p = *rec.Pipe;
        const double h = p.ThreadHeight;
        // Along the taper the crests run from E0 + h at the small end out to the
        // pipe's outside diameter; an internal thread's minor from E0 - h deep
        // inside to E1 - h at its face.
        m.diaMin = q.internal ? p.E0 - h : p.E0 + h;
        m.diaMax = q.internal ? p.E1 - h : p.PipeOD;
        m.pdMin = p.E0;
        m.pdMax = p.E1;
        m.designation = PipeDesignation(p);
    } else {
        TThdInfo& t = q.internal ? rec.IntThd : rec.ExtThd;
        const TDimLimits& d = q.internal ? t.Minor : t.Major;
        m.metric = MetricByDefault(t.TypeCode);
        const double toInch = m.metric ? 1 / kMmPerInch : 1;
        m.diaMin = d.Min * toInch;
        m.diaMax = d.Max * toInch;
        m.pdMin = t.PD.Min * toInch;
        m.pdMax = t.PD.Max * toInch;
        m.designation = DesignationText(t);
    }
    if (!(m.diaMax >= m.diaMin) || m.diaMax <= 0) return false;
    m.offLimits = OffLimits(q.diameter, m.diaMin, m.diaMax);
    return true;
}

void UnifiedCandidates(const IdentifyQuery& q, std::vector<Candidate>& out) {
    const TableFile file("ansitbl.bin", 69);
    double lastDia = -1, lastTPI = -1;
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        const double dia = r.I32(0) / 10000.0;
        const double tpi = r.U16(4) / 10.0;
        // Each size and pitch once, whatever its classes.
        if (dia == lastDia && tpi == lastTPI) continue;
        lastDia = dia;
        lastTPI = tpi;
        if (tpi <= 0 || !PitchesMatch(q.pitch, 1 / tpi) || !NearNominal(q, dia, 1 / tpi)) continue;
        const NominalText n = InchNominal(dia);
        Candidate c;
        c.family = "UN";
        c.entry.typeIndex = TypeIndexOf(kTypeUN);
        c.entry.classText = "2";
        c.entry.diameterText = n.entry;
        c.entry.pitchText = TPIText(tpi);
        c.shownNominal = n.shown;
        out.push_back(c);
    }
}

void MetricCandidates(const IdentifyQuery& q, std::vector<Candidate>& out) {
    const TableFile file("exm.bin", 37);
    std::vector<std::pair<int, int>> seen;
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        const std::pair<int, int> key{r.I16(0), r.I16(2)};
        if (std::ranges::find(seen, key) != seen.end()) continue;
        seen.push_back(key);
        const double dia = key.first / 10.0 / kMmPerInch;
        const double pitch = key.second / 100.0 / kMmPerInch;
        if (pitch <= 0 || !PitchesMatch(q.pitch, pitch) || !NearNominal(q, dia, pitch)) continue;
        Candidate c;
        c.family = "M";
        c.entry.typeIndex = TypeIndexOf(kTypeM);
        c.entry.diameterText = Trim(FormatFixed(key.first / 10.0, 0, 1));
        c.entry.pitchText = Trim(FormatFixed(key.second / 100.0, 0, 2));
        out.push_back(c);
    }
}

void AcmeCandidates(const IdentifyQuery& q, std::vector<Candidate>& out) {
    const TableFile file("acmetbl.bin", 116);
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        const double dia = r.I32(0) / 1e6;
        const double tpi = r.I32(4) / 1e6;
        if (tpi <= 0 || !PitchesMatch(q.pitch, 1 / tpi) || !NearNominal(q, dia, 1 / tpi)) continue;
        const NominalText n = InchNominal(dia);
        Candidate c;
        c.family = "ACME";
        c.entry.typeIndex = TypeIndexOf(kTypeAcme);
        c.entry.classText = "2G";
        c.entry.diameterText = Trim(FormatFixed(dia, 0, 4));
        c.entry.pitchText = TPIText(tpi);
        c.shownNominal = n.shown;
        out.push_back(c);
    }
}

void PipeCandidates(const IdentifyQuery& q, std::vector<Candidate>& out) {
    const TableFile file("npt.bin", 96);
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        const double size = r.I32(0) / 100000.0;
        const double od = r.I32(4) / 100000.0;
        const double tpi = r.I32(8) / 100000.0;
        if (tpi <= 0 || !PitchesMatch(q.pitch, 1 / tpi) || !NearNominal(q, od, 1 / tpi)) continue;
        const int index = PipeSizeIndex(0, size);
        if (index < 0) continue;
        Candidate c;
        c.family = "NPT";
        c.entry.typeIndex = TypeIndexOf(kTypeNPT);
        c.entry.classText = "NPT";
        c.entry.pipe = true;
        c.entry.pipeKind = 0;
        c.entry.pipeSize = index;
        c.entry.pipeSizeText = PipeSizeTexts(0)[static_cast<std::size_t>(index)];
        out.push_back(c);
    }
}

std::string Length(double inches, bool mm) {
    return mm ? Trim(FormatFixed(inches * kMmPerInch, 0, 3)) : Trim(FormatFixed(inches, 0, 4));
}

} // namespace

bool ParseLengthEntry(const std::string& text, bool mmDefault, double& inches) {
    double v = 0;
    std::string unit;
    if (!SplitUnit(text, v, unit)) return false;
    if (unit.empty()) unit = mmDefault ? "mm" : "in";
    if (unit == "mm")
        inches = v / kMmPerInch;
    else if (unit == "in" || unit == "\"" || unit == "inch")
        inches = v;
    else
        return false;
    return MeasurementInRange(inches, false);
}

bool ParsePitchEntry(const std::string& text, bool mmDefault, double& pitchInch) {
    double v = 0;
    std::string unit;
    if (!SplitUnit(text, v, unit)) return false;
    if (unit.empty()) unit = mmDefault ? "mm" : "tpi";
    if (unit != "mm" && unit != "tpi") return false;
    const bool mm = unit == "mm";
    if (!PitchInRange(v, mm)) return false;
    pitchInch = mm ? v / kMmPerInch : 1 / v;
    // A few threads per inch at the least: 1e-300 tpi is a pitch of 1e300 in.
    return pitchInch <= kMaxPitchMM / kMmPerInch;
}

std::string TypedUnit(const std::string& text) {
    double v = 0;
    std::string unit;
    SplitUnit(text, v, unit);
    return unit == "inch" || unit == "\"" ? "in" : unit;
}

std::vector<IdentifyMatch> IdentifyThread(const IdentifyQuery& q) {
    std::vector<Candidate> candidates;
    UnifiedCandidates(q, candidates);
    MetricCandidates(q, candidates);
    AcmeCandidates(q, candidates);
    PipeCandidates(q, candidates);

    std::vector<IdentifyMatch> matches;
    const double allowance = kFitAllowancePerPitch * q.pitch;
    for (const Candidate& c : candidates) {
        IdentifyMatch m;
        if (Calculated(q, c, m) && m.offLimits <= allowance) matches.push_back(m);
    }
    // Inside the limits first; among equals the one whose band centres on the reading.
    const auto centre = [&](const IdentifyMatch& m) {
        return std::fabs(q.diameter - (m.diaMin + m.diaMax) / 2);
    };
    std::ranges::stable_sort(matches, [&](const IdentifyMatch& a, const IdentifyMatch& b) {
        if (a.offLimits != b.offLimits) return a.offLimits < b.offLimits;
        return centre(a) < centre(b);
    });
    return matches;
}

std::string MeasuredDiameterName(const IdentifyQuery& query) {
    return query.internal ? "Minor" : "Major";
}

TextGrid IdentifyGrid(const IdentifyQuery& query, const std::vector<IdentifyMatch>& matches,
                      bool metricDisplay) {
    const std::string dia = MeasuredDiameterName(query);
    TextGrid grid{
        {"Designation", "Family", "Off Limits", dia + " Min", dia + " Max", "PD Min", "PD Max"}};
    for (const IdentifyMatch& m : matches)
        grid.push_back({m.designation, m.family,
                        m.offLimits == 0 ? "inside" : Length(m.offLimits, metricDisplay),
                        Length(m.diaMin, metricDisplay), Length(m.diaMax, metricDisplay),
                        Length(m.pdMin, metricDisplay), Length(m.pdMax, metricDisplay)});
    return grid;
}

std::string IdentifyHeading(const IdentifyQuery& query, bool metricDisplay) {
    const std::string unit = metricDisplay ? " mm" : " in";
    return "Measured " + LowerCase(MeasuredDiameterName(query)) + " diameter " +
           Length(query.diameter, metricDisplay) + unit + ", pitch " +
           Length(query.pitch, metricDisplay) + unit + " (" +
           Trim(FormatFixed(1 / query.pitch, 0, 2)) + " tpi)";
}
