#include "pages/gauge_setting_page.h"

#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "gauges/gage_catalogue.h"

#include <string>
#include <utility>

namespace {

bool RecalledRoll(const std::string& number) {
    return number == "ZRKA-4C" || number == "ZRKA-5C" || number == "YRKA-4C" || number == "YRKA-5C";
}

std::string PictureOf(const std::string& model) {
    const std::string key = UpperCase(model.substr(0, 5));
    if (key == "QC-44") return "MX3000";
    if (key == "QC-22") return "NX2000";
    if (key == "QP-22") return "NP2000";
    if (key == "QR-33") return "MR3000";
    if (key == "QSP-2") return "NSP2000";
    if (key == "QSR-3") return "MSR3000";
    return "Blank";
}

std::string SeeSettingHelp(const std::string& why) {
    return why + " \xE2\x80\x94 see Help \xE2\x80\xBA Gauge setting";
}

// Why the gauge of member m shows "NONE" or N/A, from what the catalogue
// selection left on it.
std::string SettingNote(const TTInfo& rec, const TThdInfo& m, bool external, bool rollGauge) {
    if (rec.Starts > 1) return kSingleStartSettingNote;
    if (m.PointName == "NONE") {
        // Set so by the clean-up: a thread below the smallest gauge, or no
        // pitch diameter to set to.
        if ((external ? m.PD.Max : m.PD.Min) <= 0)
            return SeeSettingHelp("no pitch diameter to set the gauge to");
        return SeeSettingHelp(external
                                  ? "no point or roll gauge for external threads under 0.250 in"
                                  : "no point or roll gauge for internal threads under 0.312 in");
    }
    const bool missing = rollGauge ? m.Setting.RollNumber.empty() : m.PointDia == 0;
    if (!missing) {
        std::string why;
        // Small gauge models, the 0.021 point and some pitches have no V standard.
        if (!rollGauge && m.SetToV == 0)
            why = "setting to V N/A: small gauge models, the 0.021 point and some pitches are set "
                  "on the flat standard only";
        // The Set Dim tool gives one pitch diameter: no pair of limits, no tolerance.
        if (m.PD.Max == m.PD.Min)
            why += std::string(why.empty() ? "" : "; ") +
                   "tolerance N/A: one pitch diameter was given, not its two limits";
        return why.empty() ? why : SeeSettingHelp(why);
    }
    std::string why =
        rollGauge ? "no catalogue roll for this pitch" : "no catalogue point for this pitch";
    if (!GageCatalogueMessages().empty()) why += " (the catalogue did not load in full)";
    return SeeSettingHelp(why);
}

// The texts of each gauge, made in their places: the page is built four
// times for every thread of a batch.
GaugeSettingText PointGaugeTexts(const TThdInfo& m, std::string tolerance, std::string note) {
    return {.setFlatCaption = "Setting to Flat Std:",
            .setFlat = DimText(m, 4, m.SetToFlat),
            .setVCaption = "Setting to V Std:",
            .setV = DimText(m, 4, m.SetToV),
            .pointCaption = "Point #:",
            .pointNumber = m.PointName,
            .pointDiaCaption = "Point Dia:",
            // The point is an inch part whatever the display unit: the entry says so.
            .pointDia = m.PointDia > 0 ? Len4Text(m.PointDia) + "\"" : Len4Text(0),
            .toleranceCaption = "Tolerance:",
            .tolerance = std::move(tolerance),
            .diffTolCaption = {},
            .diffTol = {},
            .gaugeModel = m.Setting.PointModel,
            .picture = PictureOf(m.Setting.PointModel),
            .note = std::move(note)};
}

GaugeSettingText RollGaugeTexts(const TThdInfo& m, std::string tolerance, std::string note) {
    const TGageSetting& s = m.Setting;
    const bool recalled = RecalledRoll(s.RollNumber);
    return {.setFlatCaption = "Roll Setting Dim:",
            .setFlat = DimText(m, 4, s.RollSetting),
            .setVCaption = {},
            .setV = {},
            .pointCaption = "Roll #:",
            .pointNumber = s.RollNumber,
            .pointDiaCaption = recalled ? "SEE NOTICE BELOW" : "",
            .pointDia = {},
            .toleranceCaption = "Tolerance:",
            .tolerance = std::move(tolerance),
            .diffTolCaption = "Differential Anal. Tol:",
            .diffTol = DimText(m, 4, s.DiffAnalTol),
            .gaugeModel = s.RollModel,
            .picture = PictureOf(s.RollModel),
            .showSetV = false,
            .showPointDiaEntry = false,
            .showDiffTol = true,
            .showNotice = recalled,
            .note = std::move(note)};
}

} // namespace

const std::vector<std::string>& GaugeMakerNotice() {
    static const std::vector<std::string> lines = {
        "SPECIAL Note: When using ZRKA-4C, ZRKA-5C, YRKA-4C, and ",
        "YRKA-5C  thread rolls, verify that the threading tool nose width is narrower ",
        "than the thread roll crest width.",
        "",
        "Orvalle has issued a recall on these thread rolls for rework or ",
        "replacement. This recall affects rolls purchased prior to March 1, 2000. The  ",
        "modification of these rolls ensures the thread roll always stays clear of the ",
        "thread root and contacts only",
        "",
        "Contact Orvalle with questions regarding the use of these thread rolls.",
    };
    return lines;
}

GaugeSettingText BuildGaugeSettingPage(const TTInfo& rec, bool external, bool rollGauge,
                                       bool metricDisplay) {
    const ScopedDisplayUnit unit(metricDisplay);
    const TThdInfo& m = external ? rec.ExtThd : rec.IntThd;
    std::string tolerance = SignedDimText(m, 4, m.PointDia != 0 ? m.PD.Max - m.PD.Min : 0.0);
    std::string note = SettingNote(rec, m, external, rollGauge);
    return rollGauge ? RollGaugeTexts(m, std::move(tolerance), std::move(note))
                     : PointGaugeTexts(m, std::move(tolerance), std::move(note));
}

double PointDiaEntryToRecordUnits(const TTInfo& rec, const std::string& text) {
    std::string t = LowerCase(Trim(text));
    bool mm = false;
    auto strip = [&](const std::string& unit) {
        if (t.size() < unit.size() || t.compare(t.size() - unit.size(), unit.size(), unit) != 0)
            return false;
        t = Trim(t.substr(0, t.size() - unit.size()));
        return true;
    };
    if (strip("mm"))
        mm = true;
    else if (!strip("in"))
        strip("\"");
    double v = 0;
    if (!ParseDecimal(t, v) || v < 0) return -1;
    const double inches = mm ? v / kMmPerInch : v;
    return HoldsMillimetres(rec.ExtThd.TypeCode) ? inches * kMmPerInch : inches;
}
