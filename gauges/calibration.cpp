#include "gauges/calibration.h"

#include "core/rounding.h"
#include "core/thread_record.h"
#include "gauges/helix_exact.h"
#include "gauges/inspect.h"
#include "gauges/iso1502.h"
#include "gauges/tolerance_text.h"
#include "gauges/wires.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

bool MetricMember(const TThdInfo& m) {
    return m.TypeCode == kTypeM || m.TypeCode == kTypeMJ;
}

// A length to the stated places, halves away from zero on either side of it.
double Round(double x, int places) {
    return x < 0 ? -RoundTo(-x, places) : RoundTo(x, places);
}

// An uncertainty is never stated smaller than it is (GUM 7.2.6).
double RoundUp(double x, int places) {
    const double s = std::pow(10.0, places);
    return std::ceil(x * s - 1e-6) / s;
}

// The reading over wires of a straight-flanked form at pitch diameter e: the
// standard formula with the form's own angles (its lead-angle term for a
// symmetric form only, as the standard gives none for the buttress), or the
// exact seat.
std::optional<double> FormReading(const HelicoidForm& f, double e, double w, bool corrected,
                                  bool exact) {
    if (corrected && exact) return ExactWireReading(f, e, w);
    const double t1 = std::tan(f.flank1), t2 = std::tan(f.flank2);
    double r = e - f.pitch / (t1 + t2) +
               w * (1 + (1 / std::cos(f.flank1) + 1 / std::cos(f.flank2)) / (t1 + t2));
    if (corrected && f.flank1 == f.flank2) {
        const double tanLead = f.lead / (std::numbers::pi * e);
        r += w * tanLead * tanLead * std::cos(f.flank1) / (2 * t1);
    }
    return r;
}

// Its inverse: secant steps from the pitch diameter without the lead-angle term.
std::optional<double> FormPD(const HelicoidForm& f, double reading, double w, bool corrected,
                             bool exact) {
    if (corrected && exact) return ExactPDFromReading(f, reading, w);
    const auto one = FormReading(f, 1, w, false, false);
    double e0 = reading - (*one - 1);
    if (!corrected) return e0 > 0 ? std::optional<double>(e0) : std::nullopt;
    double m0 = *FormReading(f, e0, w, true, false) - reading;
    double e1 = e0 - m0;
    for (int i = 0; i < 50 && e1 > 0; ++i) {
        const double m1 = *FormReading(f, e1, w, true, false) - reading;
        if (m1 == 0 || e1 == e0) return e1;
        const double e2 = e1 - m1 * (e1 - e0) / (m1 - m0);
        if (std::fabs(e2 - e1) <= 1e-14 * e1) return e2;
        e0 = e1;
        m0 = m1;
        e1 = e2;
    }
    return std::nullopt;
}

struct Point {
    double reading, wire, pitchDev, angleDev, tempGauge, tempInstrument;
};

// The measurement model: the mean reading taken to 20 °C (the instrument's
// scale at its temperature, the gauge and its wires at theirs), turned into a
// pitch diameter by the inverse Inspect uses, then moved by what the pitch and
// half-angle deviations change in the reading formula of the form.
struct Model {
    const TThdInfo& gauge;
    const CalibrationInput& in;
    bool corrected, exact;

    double To20(double length, double tg, double ti) const {
        return length * (1 + in.alphaInstrument * (ti - kReferenceTemperature)) /
               (1 + in.alphaGauge * (tg - kReferenceTemperature));
    }

    std::optional<double> PD(const Point& x) const {
        const double m20 = To20(x.reading, x.tempGauge, x.tempInstrument);
        const auto base = PDFromWireReading(gauge, m20, x.wire, corrected);
        if (!base || (x.pitchDev == 0 && x.angleDev == 0)) return base;
        const HelicoidForm nominal = HelicoidOf(gauge);
        HelicoidForm actual = nominal;
        const double angle = x.angleDev / 60 * std::numbers::pi / 180;
        actual.pitch += x.pitchDev;
        actual.lead = actual.pitch * gauge.Starts;
        actual.flank1 += angle;
        actual.flank2 += angle;
        const auto e0 = FormPD(nominal, m20, x.wire, corrected, exact);
        const auto e1 = FormPD(actual, m20, x.wire, corrected, exact);
        if (!e0 || !e1) return std::nullopt;
        return *base + (*e1 - *e0);
    }
};

double Mean(const std::vector<double>& v) {
    double sum = 0;
    for (double x : v)
        sum += x;
    return sum / static_cast<double>(v.size());
}

// The experimental standard deviation of the mean, s / sqrt(n); 0 for one value.
double TypeA(const std::vector<double>& v) {
    const std::size_t n = v.size();
    if (n < 2) return 0;
    const double mean = Mean(v);
    double ss = 0;
    for (double x : v)
        ss += (x - mean) * (x - mean);
    return std::sqrt(ss / static_cast<double>(n - 1)) / std::sqrt(static_cast<double>(n));
}

// uc, its effective degrees of freedom (Welch-Satterthwaite, GUM G.4.1), k and U.
void Expand(CalResult& r, const std::vector<std::pair<double, double>>& contributions, int places) {
    double sum2 = 0, sum4 = 0;
    for (const auto& [c, dof] : contributions) {
        sum2 += c * c;
        if (std::isfinite(dof) && c > 0) sum4 += c * c * c * c / dof;
    }
    r.uc = std::sqrt(sum2);
    r.dofEff = sum4 > 0 ? sum2 * sum2 / sum4 : kInf;
    r.k = CoverageFactor(r.dofEff);
    r.shown = Round(r.value, places);
    r.U = RoundUp(r.k * r.uc, places);
}

void Judge(CalResult& r, int places) {
    if (r.limits.found) r.decision = Decide(r.shown, r.U, r.limits.min, r.limits.max, places);
}

// A gauge-maker's tolerance on a gauge size, in the direction its sign gives;
// where the set in use has none, the note the gauge pages show.
CalLimits Toleranced(const TThdInfo& g, double size, double tol, double classXTol, char direction,
                     int places) {
    CalLimits l;
    l.source = ClassWApplies(g) ? "class W" : "class X";
    if (!(size > 0) || !(tol > 0)) {
        l.reason = ClassWApplies(g) && classXTol > 0 ? kNoClassWTolNote : kNoGaugeTolNote;
        return l;
    }
    l.found = true;
    l.min = Round(direction == '-' ? size - tol : size, places);
    l.max = Round(direction == '-' ? size : size + tol, places);
    return l;
}

bool Iso1502Plug(const TTInfo& rec, CalMember m) {
    return rec.ExtThd.TypeCode == kTypeM && (m == CalMember::GoPlug || m == CalMember::NoGoPlug);
}

// The ISO 1502 plug, or why there is none.
const Iso1502Gauge* IsoPlug(const TTInfo& rec, CalMember m, Iso1502Gauges& g, CalLimits& l) {
    g = CalcIso1502Gauges(rec);
    l.source = "ISO 1502";
    l.reason = g.reason.empty() ? g.plugs.reason : g.reason;
    if (!l.reason.empty()) return nullptr;
    l.found = true;
    return m == CalMember::GoPlug ? &g.plugs.go : &g.plugs.noGo;
}

} // namespace

std::string CalMemberKey(CalMember m) {
    switch (m) {
    case CalMember::NoGoPlug:
        return "NoGoPlug";
    case CalMember::GoSetPlug:
        return "GoSetPlug";
    case CalMember::NoGoSetPlug:
        return "NoGoSetPlug";
    case CalMember::GoPlug:
        break;
    }
    return "GoPlug";
}

std::optional<CalMember> CalMemberOfKey(const std::string& key) {
    for (CalMember m :
         {CalMember::GoPlug, CalMember::NoGoPlug, CalMember::GoSetPlug, CalMember::NoGoSetPlug})
        if (CalMemberKey(m) == key) return m;
    return std::nullopt;
}

std::string CalMemberName(CalMember m) {
    switch (m) {
    case CalMember::NoGoPlug:
        return "NOT GO plug";
    case CalMember::GoSetPlug:
        return "GO setting plug";
    case CalMember::NoGoSetPlug:
        return "NOT GO setting plug";
    case CalMember::GoPlug:
        break;
    }
    return "GO plug";
}

const TThdInfo& CalMemberOf(const TTInfo& rec, CalMember m) {
    switch (m) {
    case CalMember::NoGoPlug:
        return rec.NoGoPlug;
    case CalMember::GoSetPlug:
        return rec.GoSetPlug;
    case CalMember::NoGoSetPlug:
        return rec.NoGoSetPlug;
    case CalMember::GoPlug:
        break;
    }
    return rec.GoPlug;
}

double CoverageFactor(double dofEff) {
    if (!(dofEff < 1e4)) return 2;
    // A whole number worked by hand may come out a hair below itself.
    const int nu = std::max(1, static_cast<int>(std::floor(dofEff + 1e-6)));
    // P(|T| <= t) for nu degrees of freedom in closed form (Abramowitz and
    // Stegun 26.7.3, 26.7.4), and the t at which it reaches 2 Phi(2) - 1.
    const double p = std::erf(std::numbers::sqrt2);
    auto coverage = [nu](double t) {
        const double th = std::atan(t / std::sqrt(static_cast<double>(nu)));
        const double c2 = std::cos(th) * std::cos(th);
        double term = 1, sum = 1;
        if (nu % 2 == 0) {
            for (int j = 2; j <= nu - 2; j += 2)
                sum += term *= c2 * (j - 1) / j;
            return std::sin(th) * sum;
        }
        if (nu == 1) return 2 * th / std::numbers::pi;
        term = std::cos(th);
        sum = term;
        for (int j = 3; j <= nu - 2; j += 2)
            sum += term *= c2 * (j - 1) / j;
        return 2 / std::numbers::pi * (th + std::sin(th) * sum);
    };
    double lo = 1.9, hi = 20;
    for (int i = 0; i < 100; ++i) {
        const double mid = (lo + hi) / 2;
        (coverage(mid) < p ? lo : hi) = mid;
    }
    return RoundTo((lo + hi) / 2, 2);
}

Decision Decide(double value, double U, double min, double max, int places) {
    // Whole steps of the last place: the comparison of stated values is exact.
    const double s = std::pow(10.0, places);
    const long long v = std::llround(value * s), u = std::llround(U * s);
    const long long lo = std::llround(min * s), hi = std::llround(max * s);
    Decision d;
    d.nearMax = hi - v <= v - lo;
    d.toNearest = static_cast<double>(d.nearMax ? hi - v : v - lo) / s;
    if (v - u >= lo && v + u <= hi)
        d.verdict = Conformance::Conforms;
    else if (v - u > hi || v + u < lo)
        d.verdict = Conformance::DoesNotConform;
    else
        d.verdict = Conformance::NotProven;
    return d;
}

CalLimits PDLimits(const TTInfo& rec, CalMember m, int places) {
    CalLimits l;
    if (Iso1502Plug(rec, m)) {
        Iso1502Gauges g;
        if (const Iso1502Gauge* p = IsoPlug(rec, m, g, l)) {
            l.max = Round(p->pdMax, places);
            l.min = Round(p->pdMin, places);
            l.wearLimit = Round(p->wearLimit, places);
        }
        return l;
    }
    const TThdInfo& g = CalMemberOf(rec, m);
    const double tol = ClassWApplies(g) ? rec.WPDTol : rec.XPDTol;
    return Toleranced(g, g.PD.Gage, tol, rec.XPDTol, g.PD.Sign == "-" ? '-' : '+', places);
}

CalLimits MajorLimits(const TTInfo& rec, CalMember m, int places) {
    CalLimits l;
    if (Iso1502Plug(rec, m)) {
        Iso1502Gauges g;
        if (const Iso1502Gauge* p = IsoPlug(rec, m, g, l)) {
            l.max = Round(p->majorMax, places);
            l.min = Round(p->majorMin, places);
        }
        return l;
    }
    const TThdInfo& g = CalMemberOf(rec, m);
    // The full major's direction, as its tolerance text reads it.
    const std::string& sign = g.Major.Sign;
    const char direction = sign.size() >= 2 ? sign[0] : sign == "-" ? '-' : '+';
    const double tol = ClassWApplies(g) ? rec.WDiaTol : rec.XDiaTol;
    return Toleranced(g, g.Major.Gage, tol, rec.XDiaTol, direction, places);
}

Calibration Calibrate(const TTInfo& rec, const CalibrationInput& in) {
    Calibration cal;
    TThdInfo gauge = CalMemberOf(rec, in.member);
    cal.places = MetricMember(gauge) ? 4 : 5;
    cal.wire = in.wire > 0 ? in.wire : gauge.CurWire;
    gauge.CurWire = cal.wire;
    if (in.readings.empty() || !(cal.wire > 0)) {
        cal.reason = in.readings.empty() ? "no readings" : "no wire size";
        return cal;
    }
    cal.corrected = ReadingsCorrected(gauge);
    cal.exact = cal.corrected && ExactReadings(gauge);
    const Model model{gauge, in, cal.corrected, cal.exact};

    cal.meanReading = Mean(in.readings);
    cal.reading20 = model.To20(cal.meanReading, in.tempGauge, in.tempInstrument);
    const Point at{cal.meanReading, cal.wire,     in.pitchDev,
                   in.angleDev,     in.tempGauge, in.tempInstrument};
    const auto pd = model.PD(at);
    if (!pd) {
        cal.reason = "no pitch diameter gives the mean reading over these wires";
        return cal;
    }
    cal.pd.value = *pd;

    // Sensitivity coefficients from the model by central differences; it is
    // nearly linear in each input, so the steps can be small.
    const double unit = MetricMember(gauge) ? 25.4 : 1;
    auto slope = [&](double Point::*x, double h) -> std::optional<double> {
        Point up = at, down = at;
        up.*x += h;
        down.*x -= h;
        const auto a = model.PD(up), b = model.PD(down);
        if (!a || !b) return std::nullopt;
        return (*a - *b) / (2 * h);
    };
    struct Input {
        CalQuantity q;
        double value, u, dof;
        double Point::*x;
        double h;
    };
    const double dofA = in.readings.size() > 1 ? static_cast<double>(in.readings.size() - 1) : kInf;
    const Input inputs[] = {
        {CalQuantity::Readings, cal.meanReading, TypeA(in.readings), dofA, &Point::reading,
         1e-5 * unit},
        {CalQuantity::Instrument, 0, in.uReading / in.kReading, kInf, &Point::reading, 1e-5 * unit},
        {CalQuantity::Wire, cal.wire, in.uWire, kInf, &Point::wire, 1e-5 * unit},
        {CalQuantity::Pitch, in.pitchDev, in.uPitch, kInf, &Point::pitchDev, 1e-5 * unit},
        {CalQuantity::HalfAngle, in.angleDev, in.uAngle, kInf, &Point::angleDev, 0.1},
        {CalQuantity::GaugeTemp, in.tempGauge, in.uTempGauge, kInf, &Point::tempGauge, 0.1},
        {CalQuantity::InstrumentTemp, in.tempInstrument, in.uTempInstrument, kInf,
         &Point::tempInstrument, 0.1},
    };
    std::vector<std::pair<double, double>> contributions;
    for (const Input& i : inputs) {
        const auto c = slope(i.x, i.h);
        if (!c) {
            cal.reason = "the pitch diameter cannot be found near the measured values";
            return cal;
        }
        BudgetRow row{i.q, i.value, i.u, *c, std::fabs(*c) * i.u, 0, i.dof};
        cal.budget.push_back(row);
        contributions.emplace_back(row.contribution, row.dof);
    }
    Expand(cal.pd, contributions, cal.places);
    for (BudgetRow& row : cal.budget)
        row.share =
            cal.pd.uc > 0 ? row.contribution * row.contribution / (cal.pd.uc * cal.pd.uc) * 100 : 0;
    cal.pd.limits = PDLimits(rec, in.member, cal.places);
    Judge(cal.pd, cal.places);
    if (cal.pd.limits.found && cal.pd.limits.wearLimit > 0) {
        cal.wear = true;
        cal.wearLeft = Round(cal.pd.shown - cal.pd.limits.wearLimit, cal.places);
    }

    if (!in.majorReadings.empty()) {
        // The major over its anvils: the readings, the instrument and the temperatures.
        cal.major = true;
        CalResult& d = cal.majorDia;
        const double mean = Mean(in.majorReadings);
        const double scale = 1 + in.alphaGauge * (in.tempGauge - kReferenceTemperature);
        d.value = model.To20(mean, in.tempGauge, in.tempInstrument);
        const double dof =
            in.majorReadings.size() > 1 ? static_cast<double>(in.majorReadings.size() - 1) : kInf;
        Expand(d,
               {{TypeA(in.majorReadings), dof},
                {in.uMajor, kInf},
                {d.value * in.alphaGauge / scale * in.uTempGauge, kInf},
                {mean * in.alphaInstrument / scale * in.uTempInstrument, kInf}},
               cal.places);
        d.limits = MajorLimits(rec, in.member, cal.places);
        Judge(d, cal.places);
    }
    return cal;
}
