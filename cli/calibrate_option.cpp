#include "cli/calibrate_option.h"

#include "cli/json_writer.h"
#include "cli/text_grid.h"
#include "core/number_text.h"
#include "pages/calibration_page.h"

#include <ostream>

namespace {

// The inputs of the Calibrate page, by option.
struct Input {
    const char* option;
    std::string CalibrationEntry::*text;
};
constexpr Input kInputs[] = {
    {"--calibrate", &CalibrationEntry::member},
    {"--readings", &CalibrationEntry::readings},
    {"--wire-actual", &CalibrationEntry::wire},
    {"--u-wire", &CalibrationEntry::uWire},
    {"--u-reading", &CalibrationEntry::uReading},
    {"--k-reading", &CalibrationEntry::kReading},
    {"--pitch-dev", &CalibrationEntry::pitchDev},
    {"--u-pitch", &CalibrationEntry::uPitch},
    {"--angle-dev", &CalibrationEntry::angleDev},
    {"--u-angle", &CalibrationEntry::uAngle},
    {"--temp-gauge", &CalibrationEntry::tempGauge},
    {"--temp-instrument", &CalibrationEntry::tempInstrument},
};

} // namespace

std::string CalibrateOptionProblem(const OptionValues& values, bool calFile) {
    if (const auto it = values.find("--helix");
        it != values.end() && it->second != "standard" && it->second != "exact")
        return "--helix is standard or exact, not " + it->second;
    if (calFile || values.contains("--calibrate")) {
        // The reports of a thread hold no calibration: it would be dropped unseen.
        if (const auto it = values.find("--report");
            it != values.end() && it->second != "certificate")
            return "--report " + it->second + " holds no calibration: leave out --report";
        return {};
    }
    for (const Input& in : kInputs)
        if (values.contains(in.option))
            return std::string(in.option) + " is an input of --calibrate GAUGE";
    return {};
}

bool IsCalibrationFileName(const std::string& file) {
    return file.size() > 4 && LowerCase(file.substr(file.size() - 4)) == ".cal";
}

std::optional<CalibrationEntry> CalibrationEntryFromOptions(const OptionValues& values,
                                                            const CalibrationEntry* fromFile) {
    if (!fromFile && !values.contains("--calibrate")) return std::nullopt;
    CalibrationEntry entry = fromFile ? *fromFile : CalibrationEntry{};
    for (const Input& in : kInputs)
        if (const auto it = values.find(in.option); it != values.end()) entry.*in.text = it->second;
    return entry;
}

std::optional<CalibrationPageText> CalibrationFromOptions(const TTInfo& rec,
                                                          const OptionValues& values,
                                                          const CalibrationEntry* fromFile,
                                                          bool metricDisplay) {
    const auto entry = CalibrationEntryFromOptions(values, fromFile);
    if (!entry) return std::nullopt;
    return BuildCalibrationPage(rec, *entry, metricDisplay);
}

void PrintCalibrationText(const CalibrationPageText& page, std::ostream& out) {
    out << '\n' << page.caption << '\n' << page.json.unit << '\n';
    PrintTextGrid(page.budget, out);
    PrintTextGrid(page.summary, out);
    out << page.kRule << '\n';
    for (const std::string& line : page.verdict)
        out << line << '\n';
    out << page.readingsLine << '\n';
}

void PrintCalibrationJson(JsonWriter& j, const CalibrationPageText& page) {
    const CalibrationJson& c = page.json;
    j.Key("calibration");
    j.Open('{');
    j.Put("Gauge", CalMemberKey(page.input.member));
    j.Put("unit", c.unit);
    j.Put({{"MeasuredPD", c.measuredPD}, {"Uc", c.uc}, {"U", c.U}, {"k", c.k}});
    // A gauge without limits has no verdict: Text says why.
    if (c.limits) {
        j.Put("Verdict", c.verdict);
        j.Key("Limits");
        j.Open('{');
        j.Put({{"Max", c.max}, {"Min", c.min}});
        j.Close('}');
    }
    j.Key("Budget");
    j.Open('[');
    for (const CalibrationJsonRow& r : c.budget) {
        j.Open('{');
        j.Put("Quantity", r.quantity);
        j.Put({{"Value", r.value},
               {"u", r.u},
               {"Sensitivity", r.sensitivity},
               {"Contribution", r.contribution}});
        j.Close('}');
    }
    j.Close(']');
    j.Put("kRule", page.kRule);
    j.Key("Text");
    j.Open('[');
    for (const std::string& line : page.verdict)
        j.String(line);
    j.Close(']');
    // "Wire readings: exact geometry" names the choice after its colon.
    j.Put("WireReadings", page.readingsLine.substr(page.readingsLine.find(':') + 2));
    j.Close('}');
}
