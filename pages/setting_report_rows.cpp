#include "pages/setting_report_rows.h"

#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "pages/gauge_setting_page.h"

namespace {

bool RecalledRoll(const std::string& roll) {
    return roll == "ZRKA-4C" || roll == "ZRKA-5C" || roll == "YRKA-4C" || roll == "YRKA-5C";
}

// Printed as the catalogue gives it, in inches: a setting dimension, and any
// report in millimetres, names the unit.
std::string ContactDiaText(const TThdInfo& m, bool settingDim, bool metricDisplay) {
    if (!settingDim) return Len4Text(m.PointDia) + (metricDisplay && m.PointDia > 0 ? "\"" : "");
    // The 30-degree points are millimetre sizes of four places.
    return (m.TypeCode == kType30Deg ? Len4Text(m.PointDia) : Len3Text(m.PointDia)) + "\"";
}

SettingReportColumn Column(const TTInfo& rec, bool external, bool settingDim, bool metricDisplay) {
    const TThdInfo& m = external ? rec.ExtThd : rec.IntThd;
    const GaugeSettingText point = BuildGaugeSettingPage(rec, external, false, metricDisplay);
    const GaugeSettingText roll = BuildGaugeSettingPage(rec, external, true, metricDisplay);
    const std::string gage = external ? "External Gage No.:" : "Internal Gage No.:";
    SettingReportColumn c;
    c.printed = true;
    c.point = {{gage, point.gaugeModel},
               {"Set to Flat Standard:", point.setFlat},
               {"Set to V Standard:", point.setV},
               {"Tolerance:", point.tolerance},
               {"Contact Pnt Dia:", ContactDiaText(m, settingDim, metricDisplay)},
               {"Contact Pnt Number:", point.pointNumber}};
    c.roll = {{gage, roll.gaugeModel},
              {"Set to Flat Standard:", roll.setFlat},
              {"Tolerance:", roll.tolerance},
              {"Differential Anal. Tol:", roll.diffTol},
              {"Roll Number:", roll.pointNumber}};
    c.pointNote = point.note;
    c.rollNote = roll.note;
    return c;
}

} // namespace

SettingReportText BuildSettingReport(const TTInfo& rec, bool settingDim, bool internal,
                                     bool metricDisplay) {
    const ScopedDisplayUnit unit(metricDisplay);
    SettingReportText r;
    r.title = settingDim ? "Setting Dims Report" : "Gage Setting Dimensions Report";
    if (!settingDim || internal) r.internal = Column(rec, false, settingDim, metricDisplay);
    if (!settingDim || !internal) r.external = Column(rec, true, settingDim, metricDisplay);
    r.limits = !settingDim;
    r.rollNote = RecalledRoll(rec.ExtThd.Setting.RollNumber);
    return r;
}

const std::vector<std::string>& RecalledRollNote() {
    static const std::vector<std::string> lines = {
        "When using ZRKA-4C, ZRKA-5C, YRKA-4C and YRKA-5C thread rolls,",
        "verify that the threading tool nose width is narrower than the thread roll crest "
        "width. Orvalle ",
        "has issued a recall on these thread rolls for rework or replacement. This recall affects",
        "rolls purchased prior to March 1, 2000. The modification of these rolls ensures the "
        "thread",
        "roll always stays clear of the thread root and contacts only on the thread flank per "
        "ANSI",
        "requirements. Contact Orvalle with questions regarding the use of these thread rolls."};
    return lines;
}
