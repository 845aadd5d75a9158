// The typed entries of the "Calibrate" page, checked as the page takes them.
#include "pages/calibration_page.h"

#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "pages/parameter_page.h"

#include <cmath>

namespace {

// A number typed in the display unit, or with mm/in after it, in the gauge's
// unit (a number typed in that unit is taken as it is); false when it is not
// a number.
bool ParseLength(const TThdInfo& g, const std::string& item, bool metricDisplay, double& value) {
    std::string t = LowerCase(Trim(item));
    bool metric = metricDisplay;
    if (t.size() > 2 && t.ends_with("mm")) {
        t = Trim(t.substr(0, t.size() - 2));
        metric = true;
    } else if (t.size() > 2 && t.ends_with("in")) {
        t = Trim(t.substr(0, t.size() - 2));
        metric = false;
    }
    if (!ParseDecimal(t, value)) return false;
    const bool metricGauge = g.TypeCode == kTypeM || g.TypeCode == kTypeMJ;
    if (metric != metricGauge) value = metric ? value / kMmPerInch : value * kMmPerInch;
    return std::isfinite(value);
}

bool ParseList(const TThdInfo& g, const std::string& text, bool metricDisplay,
               std::vector<double>& values, std::string& bad) {
    values.clear();
    std::string item;
    auto take = [&]() {
        double v = 0;
        // Within the readings of any thread, as Inspect takes them: a mean of
        // readings near the largest double is no length.
        if (!ParseLength(g, item, metricDisplay, v) ||
            !ReadingInRange(v, g.TypeCode == kTypeM || g.TypeCode == kTypeMJ)) {
            bad = Trim(item).empty() ? "(empty)" : Trim(item);
            return false;
        }
        values.push_back(v);
        item.clear();
        return true;
    };
    for (char c : text) {
        if (c != ',' && c != ';')
            item += c;
        else if (!take())
            return false;
    }
    return take();
}

constexpr std::size_t kMaxReadings = 50;
constexpr std::size_t kMaxIdentity = 120;

// One entry of the page: its name in messages, its text, and how it is read.
struct Field {
    const char* name;
    const std::string& text;
};

std::string Invalid(const Field& f, const char* hint = "") {
    return "Invalid " + std::string(f.name) + ": " + Trim(f.text) + hint;
}

} // namespace

CalibrationCheck CheckCalibrationEntry(const TTInfo& rec, const CalibrationEntry& e,
                                       bool metricDisplay) {
    CalibrationCheck out;
    CalibrationInput& in = out.input;
    std::string& msg = out.message;
    auto refuse = [&](std::string message) {
        msg = std::move(message);
        return out;
    };
    if (rec.Pipe)
        return refuse(
            "Pipe threads are calibrated with their plug and ring gauges, not over wires.");
    // A thread whose limits are refused has no gauge to judge against.
    if (!rec.Refusal.empty()) return refuse(rec.Refusal);
    const auto member = CalMemberOfKey(Trim(e.member));
    if (!member)
        return refuse("Invalid gauge: " + Trim(e.member) +
                      " (GoPlug, NoGoPlug, GoSetPlug or NoGoSetPlug)");
    in.member = *member;
    const TThdInfo& g = CalMemberOf(rec, in.member);
    const double pitch = g.Pitch();
    std::string bad;

    if (Trim(e.readings).empty()) return refuse("Enter the readings over wires.");
    if (!ParseList(g, e.readings, metricDisplay, in.readings, bad))
        return refuse("Invalid reading over wires: " + bad);
    if (in.readings.size() > kMaxReadings) return refuse("At most 50 readings.");

    // A length: empty gives `def`; refused when outside [lo, hi] (open at an
    // end marked so), with the field's message.
    auto length = [&](const Field& f, double def, double lo, double hi, bool openLo, double& v) {
        v = def;
        if (Trim(f.text).empty()) return true;
        if (ParseLength(g, f.text, metricDisplay, v) && v >= lo && v <= hi && !(openLo && v == lo))
            return true;
        msg = Invalid(f);
        return false;
    };
    // A plain number (minutes, degrees Celsius, kelvin, 1/K).
    auto number = [&](const Field& f, double def, double lo, double hi, bool openLo, double& v,
                      const char* hint) {
        v = def;
        if (Trim(f.text).empty()) return true;
        if (ParseDecimal(Trim(f.text), v) && v >= lo && v <= hi && !(openLo && v == lo))
            return true;
        msg = Invalid(f, hint);
        return false;
    };
    auto required = [&](const Field& f, const char* what) {
        if (!Trim(f.text).empty()) return true;
        msg = std::string("Enter ") + what + ".";
        return false;
    };

    // The wire in use is always taken; another must lie in the thread's wire range.
    if (!Trim(e.wire).empty()) {
        if (!ParseLength(g, e.wire, metricDisplay, in.wire) ||
            (std::fabs(in.wire - g.CurWire) > 1e-9 &&
             (in.wire < g.MinWire - 1e-9 || in.wire > g.MaxWire + 1e-9)) ||
            !(in.wire > 0))
            return refuse("Invalid Wire Size!");
    } else {
        in.wire = g.CurWire;
    }
    if (!(in.wire > 0)) return refuse("The gauge has no wire size.");

    const Field uWire{"uncertainty of the wire diameter", e.uWire};
    const Field uReading{"uncertainty of one reading", e.uReading};
    const Field kReading{"coverage factor of one reading's uncertainty", e.kReading};
    const Field pitchDev{"pitch deviation", e.pitchDev};
    const Field uPitch{"uncertainty of the pitch deviation", e.uPitch};
    const Field angleDev{"half-angle deviation", e.angleDev};
    const Field uAngle{"uncertainty of the half-angle deviation", e.uAngle};
    const Field tGauge{"gauge temperature", e.tempGauge};
    const Field tInstr{"instrument temperature", e.tempInstrument};
    const Field uTGauge{"uncertainty of the gauge temperature", e.uTempGauge};
    const Field uTInstr{"uncertainty of the instrument temperature", e.uTempInstrument};
    const Field aGauge{"expansion coefficient of the gauge", e.alphaGauge};
    const Field aInstr{"expansion coefficient of the instrument", e.alphaInstrument};
    const char* const minutes = " (minutes of arc, at most 120)";
    const char* const celsius = " (degrees Celsius, 0 to 40)";
    const char* const kelvin = " (kelvin, at most 10)";
    const char* const perKelvin = " (per kelvin, 0 to 50e-6; steel 11.5e-6)";
    const double tenth = pitch / 10;
    const bool ok =
        required(uWire, "the standard uncertainty of the wire diameter") &&
        length(uWire, 0, 0, in.wire / 10, false, in.uWire) &&
        required(uReading, "the uncertainty of one reading") &&
        length(uReading, 0, 0, tenth, true, in.uReading) &&
        number(kReading, 1, 1, 10, false, in.kReading, " (1 to 10)") &&
        length(pitchDev, 0, -tenth, tenth, false, in.pitchDev) &&
        length(uPitch, 0, 0, tenth, false, in.uPitch) &&
        number(angleDev, 0, -120, 120, false, in.angleDev, minutes) &&
        number(uAngle, 0, 0, 120, false, in.uAngle, minutes) &&
        number(tGauge, kReferenceTemperature, 0, 40, false, in.tempGauge, celsius) &&
        number(tInstr, kReferenceTemperature, 0, 40, false, in.tempInstrument, celsius) &&
        number(uTGauge, 0, 0, 10, false, in.uTempGauge, kelvin) &&
        number(uTInstr, 0, 0, 10, false, in.uTempInstrument, kelvin) &&
        number(aGauge, kSteelExpansion, 0, 50e-6, false, in.alphaGauge, perKelvin) &&
        number(aInstr, kSteelExpansion, 0, 50e-6, false, in.alphaInstrument, perKelvin);
    if (!ok) return out;

    if (!Trim(e.majorReadings).empty()) {
        if (!ParseList(g, e.majorReadings, metricDisplay, in.majorReadings, bad))
            return refuse("Invalid major diameter: " + bad);
        if (in.majorReadings.size() > kMaxReadings) return refuse("At most 50 readings.");
        const Field uMajor{"uncertainty of one major diameter reading", e.uMajor};
        if (!required(uMajor, "the uncertainty of one major diameter reading") ||
            !length(uMajor, 0, 0, tenth, true, in.uMajor))
            return out;
    }

    const CertificateIdentity& id = e.identity;
    const std::pair<const char*, const std::string*> texts[] = {
        {"Serial number", &id.serial},    {"Owner", &id.owner}, {"Description", &id.description},
        {"Customer", &id.customer},       {"Date", &id.date},   {"Operator", &id.operatorName},
        {"Environment", &id.environment},
    };
    for (const auto& [name, text] : texts) {
        for (unsigned char c : *text)
            if (c < 0x20 || c == 0x7F)
                return refuse("Invalid " + std::string(name) + ": one line of text only");
        if (text->size() > kMaxIdentity)
            return refuse(std::string(name) + " is longer than 120 characters");
    }
    // A mean reading no pitch diameter gives is refused like Inspect's readings.
    out.calibration = Calibrate(rec, in);
    if (!out.calibration.reason.empty()) {
        const ScopedDisplayUnit unit(metricDisplay);
        return refuse("The mean reading (" + DimText(g, 5, out.calibration.meanReading) +
                      ") is too small for these wires: no pitch diameter gives it.");
    }
    return out;
}
