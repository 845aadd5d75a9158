#include "pages/calibration_page.h"

#include "core/designation.h"
#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "pages/result_pages.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const kPlusMinus = "\xC2\xB1";
const char* const kInfinity = "\xE2\x88\x9E";
const char* const kDegreesC = " \xC2\xB0"
                              "C";

// Lengths in the budget to a millionth of an inch (a hundred-thousandth of a
// millimetre); 0 is a value here, not "N/A".
std::string Fine(const TThdInfo& m, double v) {
    if (v != 0) return DimText(m, 6, v);
    return Trim(FormatFixed(0, 6, MetricDisplay() ? 5 : 6));
}

// The stated values: five places of an inch, four of a millimetre.
std::string Stated(const TThdInfo& m, double v) {
    if (v != 0) return DimText(m, 5, v);
    return Trim(FormatFixed(0, 6, MetricDisplay() ? 4 : 5));
}

// Four significant figures, without an exponent, to ten places at most: a
// smaller sensitivity is 0 to any length the calibration states.
std::string Significant(double v) {
    if (!(std::fabs(v) >= 0.5e-10) || !std::isfinite(v)) return "0";
    int decimals = std::clamp(3 - static_cast<int>(std::floor(std::log10(std::fabs(v)))), 0, 10);
    // 0.99999 rounds to 1.0000: one place fewer keeps four figures.
    double rounded = 0;
    ParseDecimal(FormatFixed(v, 1, decimals), rounded);
    if (decimals > 0 && std::fabs(rounded) >= std::pow(10.0, 4 - decimals)) --decimals;
    return Trim(FormatFixed(v, 1, decimals));
}

// A length per unit of the gauge's length in the display unit.
double PerDisplayUnit(const TThdInfo& m, double perGaugeUnit) {
    const bool metricGauge = m.TypeCode == kTypeM || m.TypeCode == kTypeMJ;
    if (MetricDisplay() == metricGauge) return perGaugeUnit;
    return MetricDisplay() ? perGaugeUnit * kMmPerInch : perGaugeUnit / kMmPerInch;
}

std::string QuantityText(CalQuantity q, std::size_t n) {
    switch (q) {
    case CalQuantity::Readings:
        return n == 1 ? "Reading over wires (one: no Type A)"
                      : "Readings over wires, mean of " + std::to_string(n) + " (Type A)";
    case CalQuantity::Instrument:
        return "Instrument, one reading (Type B)";
    case CalQuantity::Wire:
        return "Wire diameter";
    case CalQuantity::Pitch:
        return "Pitch deviation";
    case CalQuantity::HalfAngle:
        return "Half-angle deviation, min";
    case CalQuantity::GaugeTemp:
        return std::string("Gauge temperature,") + kDegreesC;
    case CalQuantity::InstrumentTemp:
        break;
    }
    return std::string("Instrument temperature,") + kDegreesC;
}

// Value, u and sensitivity of a row, in the display unit.
struct RowTexts {
    std::string value, u, sensitivity;
};

RowTexts RowText(const TThdInfo& m, const BudgetRow& r) {
    switch (r.quantity) {
    case CalQuantity::HalfAngle:
        return {Trim(FormatFixed(r.value, 1, 1)), Trim(FormatFixed(r.u, 1, 1)),
                Significant(PerDisplayUnit(m, r.sensitivity))};
    case CalQuantity::GaugeTemp:
    case CalQuantity::InstrumentTemp:
        return {Trim(FormatFixed(r.value, 1, 2)), Trim(FormatFixed(r.u, 1, 2)),
                Significant(PerDisplayUnit(m, r.sensitivity))};
    default:
        break;
    }
    return {Fine(m, r.value), Fine(m, r.u), Significant(r.sensitivity)};
}

double Number(const std::string& text) {
    double v = 0;
    ParseDecimal(text, v);
    return v;
}

std::string Limits(const TThdInfo& m, const CalLimits& l, const std::string& unit) {
    return Stated(m, l.min) + " to " + Stated(m, l.max) + " " + unit + " (" + l.source + ")";
}

// The verdict of one diameter as one line.
std::string VerdictLine(const TThdInfo& m, const char* what, const CalResult& r,
                        const std::string& unit) {
    const std::string measured =
        Stated(m, r.shown) + " " + kPlusMinus + " " + Stated(m, r.U) + " " + unit;
    if (!r.limits.found) return std::string(what) + ": no verdict \xE2\x80\x94 " + r.limits.reason;
    const Decision& d = r.decision;
    const std::string limit = std::string(d.nearMax ? "the maximum " : "the minimum ") +
                              Stated(m, d.nearMax ? r.limits.max : r.limits.min) + " " + unit;
    const std::string apart = Stated(m, std::fabs(d.toNearest)) + " " + unit;
    const std::string outside = d.nearMax ? " above " : " below ";
    std::string line =
        std::string(what) + ": " + ConformanceWord(d.verdict) + " \xE2\x80\x94 " + measured;
    switch (d.verdict) {
    case Conformance::Conforms:
        return line + " lies inside the " + r.limits.source + " limits " + Stated(m, r.limits.min) +
               " to " + Stated(m, r.limits.max) + " " + unit + " by at least U";
    case Conformance::DoesNotConform:
        return line + " lies " + apart + outside + limit + ", more than U outside";
    case Conformance::NotProven:
        break;
    }
    if (d.toNearest < 0) return line + " lies " + apart + outside + limit + ", within U of it";
    if (d.toNearest == 0) return line + " lies on " + limit;
    return line + " lies " + apart + " inside " + limit + ", within U of it";
}

std::string KRule(const CalResult& r) {
    const std::string k = "k = " + Trim(FormatFixed(r.k, 1, 2));
    if (!std::isfinite(r.dofEff) || r.dofEff >= 1e4)
        return k + ": no component of few degrees of freedom, about 95 % of the normal "
                   "distribution (GUM G.6.6)";
    return k + ": the t-distribution at 95.45 % for " +
           std::to_string(static_cast<int>(std::floor(r.dofEff + 1e-6))) +
           " effective degrees of freedom (Welch\xE2\x80\x93Satterthwaite, GUM G.6.4)";
}

std::string Designation(const TTInfo& rec, CalMember m) {
    // The plugs gauge the internal thread, the setting plugs the external one.
    TThdInfo product = m == CalMember::GoPlug || m == CalMember::NoGoPlug ? rec.IntThd : rec.ExtThd;
    return Trim(DesignationText(product));
}

} // namespace

std::string ConformanceWord(Conformance c) {
    switch (c) {
    case Conformance::Conforms:
        return "conforms";
    case Conformance::DoesNotConform:
        return "does not conform";
    case Conformance::NotProven:
        break;
    }
    return "not proven";
}

CalibrationPageText BuildCalibrationPage(const TTInfo& rec, const CalibrationEntry& entry,
                                         bool metricDisplay) {
    const ScopedDisplayUnit displayUnit(metricDisplay);
    CalibrationPageText page;
    const CalibrationCheck check = CheckCalibrationEntry(rec, entry, metricDisplay);
    if (!check.message.empty()) {
        page.message = check.message;
        return page;
    }
    page.input = check.input;
    const CalibrationInput& in = page.input;
    const Calibration& cal = page.calibration = check.calibration;
    const TThdInfo& m = CalMemberOf(rec, in.member);
    const std::string unit = UnitText(metricDisplay);
    page.caption = "Calibrate " + CalMemberName(in.member);
    page.readingsLine = WireReadingsLine(rec);
    CalibrationJson& json = page.json;
    json.unit = unit;

    page.budget.push_back({"Quantity", "Value", "u", "Sensitivity", "Contribution", "Share"});
    for (const BudgetRow& r : cal.budget) {
        const RowTexts t = RowText(m, r);
        const std::string quantity = QuantityText(r.quantity, in.readings.size());
        const std::string contribution = Fine(m, r.contribution);
        page.budget.push_back({quantity, t.value, t.u, t.sensitivity, contribution,
                               Trim(FormatFixed(r.share, 1, 1)) + " %"});
        json.budget.push_back(
            {quantity, Number(t.value), Number(t.u), Number(t.sensitivity), Number(contribution)});
    }
    const CalResult& pd = cal.pd;
    const std::string dof = std::isfinite(pd.dofEff) && pd.dofEff < 1e4
                                ? Trim(FormatFixed(pd.dofEff, 1, 1))
                                : std::string(kInfinity);
    page.summary = {
        {"Combined standard uncertainty uc", Fine(m, pd.uc)},
        {"Effective degrees of freedom", dof},
        {"Coverage factor k", Trim(FormatFixed(pd.k, 1, 2))},
        {"Expanded uncertainty U", Stated(m, pd.U)},
        {"Pitch diameter at 20" + std::string(kDegreesC), Stated(m, pd.shown)},
    };
    page.kRule = KRule(pd);
    json.measuredPD = Number(Stated(m, pd.shown));
    json.uc = Number(Fine(m, pd.uc));
    json.U = Number(Stated(m, pd.U));
    json.k = pd.k;
    if (pd.limits.found) {
        json.verdict = ConformanceWord(pd.decision.verdict);
        json.limits = true;
        json.max = Number(Stated(m, pd.limits.max));
        json.min = Number(Stated(m, pd.limits.min));
    }

    page.verdict.push_back(VerdictLine(m, "Pitch diameter", pd, unit));
    if (cal.wear)
        page.verdict.push_back("Wear allowance left: " + Stated(m, cal.wearLeft) + " " + unit +
                               (cal.wearLeft < 0 ? " (beyond" : " (to") + " the wear limit " +
                               Stated(m, pd.limits.wearLimit) + " " + unit + "; U " +
                               Stated(m, pd.U) + " " + unit + ")");
    if (cal.major) page.verdict.push_back(VerdictLine(m, "Major diameter", cal.majorDia, unit));

    const CertificateIdentity& id = entry.identity;
    const std::string wire =
        Stated(m, cal.wire) + " " + unit + ", u " + Fine(m, in.uWire) + " " + unit;
    TextGrid& c = page.certificate;
    c = {
        {"Serial number", Trim(id.serial)},
        {"Owner", Trim(id.owner)},
        {"Description", Trim(id.description)},
        {"Customer", Trim(id.customer)},
        {"Date of calibration", Trim(id.date)},
        {"Operator", Trim(id.operatorName)},
        {"Environment", Trim(id.environment)},
        {"Thread", Designation(rec, in.member)},
        {"Gauge", CalMemberName(in.member)},
        {"Pitch diameter limits", pd.limits.found ? Limits(m, pd.limits, unit) : "none"},
    };
    if (cal.wear) c.push_back({"Wear limit", Stated(m, pd.limits.wearLimit) + " " + unit});
    c.push_back({"Wires", wire});
    c.push_back({"Readings over wires", std::to_string(in.readings.size()) + ", mean " +
                                            Fine(m, cal.meanReading) + " " + unit + "; at 20" +
                                            kDegreesC + " " + Fine(m, cal.reading20) + " " + unit});
    c.push_back({"Temperatures", "gauge " + Trim(FormatFixed(in.tempGauge, 1, 2)) + kDegreesC +
                                     ", instrument " + Trim(FormatFixed(in.tempInstrument, 1, 2)) +
                                     kDegreesC});
    c.push_back({"Wire readings", page.readingsLine.substr(page.readingsLine.find(':') + 2)});
    c.push_back(
        {"Pitch diameter at 20" + std::string(kDegreesC), Stated(m, pd.shown) + " " + unit});
    c.push_back({"Expanded uncertainty U", Stated(m, pd.U) + " " + unit + " (k = " +
                                               Trim(FormatFixed(pd.k, 1, 2)) + ", about 95 %)"});
    c.push_back({"Verdict", pd.limits.found ? ConformanceWord(pd.decision.verdict) : "none"});
    if (cal.major) {
        const CalResult& d = cal.majorDia;
        c.push_back({"Major diameter at 20" + std::string(kDegreesC),
                     Stated(m, d.shown) + " " + kPlusMinus + " " + Stated(m, d.U) + " " + unit +
                         " (k = " + Trim(FormatFixed(d.k, 1, 2)) + ")"});
        c.push_back({"Major diameter limits", d.limits.found ? Limits(m, d.limits, unit) : "none"});
        c.push_back({"Major diameter verdict",
                     d.limits.found ? ConformanceWord(d.decision.verdict) : "none"});
    }
    c.push_back({"Uncertainty", "the standard uncertainty by the law of propagation (JCGM "
                                "100:2008, GUM) times the coverage factor k"});
    page.decisionRule = kDecisionRuleText;
    page.signatures = {"Calibrated by: ______________________________   Date: ______________",
                       "Approved by: ________________________________   Date: ______________"};
    return page;
}
