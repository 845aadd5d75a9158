#include "cli/gauge_setting_text.h"

#include "core/thread_record.h"
#include "families/gauge_setting.h"
#include "pages/gauge_setting_page.h"

#include <algorithm>
#include <ostream>
#include <vector>

namespace {

void PrintRows(const TextGrid& rows, std::ostream& out)
{
    std::size_t w0 = 0, w1 = 0;
    for (const auto& r : rows) {
        w0 = std::max(w0, r[0].size());
        w1 = std::max(w1, r[1].size());
    }
    for (const auto& r : rows) {
        std::string line = r[0] + std::string(w0 - r[0].size(), ' ') + "  " + r[1] +
                           std::string(w1 - r[1].size(), ' ') + "  " + r[2];
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out << line << '\n';
    }
}

} // namespace

std::vector<std::pair<std::string, TextGrid>> GaugeSettingGrids(const TTInfo& rec, bool mm)
{
    std::vector<std::pair<std::string, TextGrid>> grids;
    for (bool roll : {false, true}) {
        const GaugeSettingText in = BuildGaugeSettingPage(rec, false, roll, mm);
        const GaugeSettingText ex = BuildGaugeSettingPage(rec, true, roll, mm);
        const std::string name = roll ? "Functional Roll Gage" : "Point Gage";
        TextGrid rows = {{name, "Internal Dims.", "External Dims."},
                         {"Gage:", in.gaugeModel, ex.gaugeModel},
                         {in.setFlatCaption, in.setFlat, ex.setFlat}};
        if (!roll) rows.push_back({in.setVCaption, in.setV, ex.setV});
        rows.push_back({in.pointCaption, in.pointNumber, ex.pointNumber});
        if (!roll) rows.push_back({in.pointDiaCaption, in.pointDia, ex.pointDia});
        rows.push_back({in.toleranceCaption, in.tolerance, ex.tolerance});
        if (roll) rows.push_back({in.diffTolCaption, in.diffTol, ex.diffTol});
        grids.emplace_back(name, rows);
    }
    return grids;
}

void PrintGaugeSettingText(const TTInfo& rec, bool mm, std::ostream& out)
{
    out << "\nGauge Setting\n";
    if (rec.Starts > 1) {
        out << kSingleStartSettingNote << '\n';
        return;
    }
    bool notice = false;
    const auto grids = GaugeSettingGrids(rec, mm);
    for (std::size_t i = 0; i < grids.size(); ++i) {
        const bool roll = i == 1;
        const GaugeSettingText in = BuildGaugeSettingPage(rec, false, roll, mm);
        const GaugeSettingText ex = BuildGaugeSettingPage(rec, true, roll, mm);
        out << '\n';
        PrintRows(grids[i].second, out);
        if (!in.note.empty()) out << "Internal Dims.: " << in.note << '\n';
        if (!ex.note.empty()) out << "External Dims.: " << ex.note << '\n';
        notice = notice || in.showNotice || ex.showNotice;
    }
    if (notice) {
        out << '\n';
        for (const std::string& line : GaugeMakerNotice()) out << line << '\n';
    }
}
