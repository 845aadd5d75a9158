#include "cli/gauge_setting_output.h"

#include "cli/json_writer.h"
#include "cli/record_json.h"
#include "core/thread_record.h"
#include "families/gauge_setting.h"
#include "pages/gauge_setting_page.h"

#include <algorithm>
#include <ostream>
#include <vector>

namespace {

void PrintRows(const TextGrid& rows, std::ostream& out) {
    std::size_t w0 = 0, w1 = 0;
    for (const auto& r : rows) {
        w0 = std::max(w0, r[0].size());
        w1 = std::max(w1, r[1].size());
    }
    for (const auto& r : rows) {
        std::string line = r[0] + std::string(w0 - r[0].size(), ' ') + "  " + r[1] +
                           std::string(w1 - r[1].size(), ' ') + "  " + r[2];
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << '\n';
    }
}

// The captions and values the page shows, in page order, each as [caption, value].
void SettingRows(JsonWriter& j, const GaugeSettingText& p) {
    j.Open('[');
    auto add = [&](const std::string& caption, const std::string& value, bool shown) {
        if (!shown || caption.empty()) return;
        j.Open('[');
        j.String(caption);
        j.String(value);
        j.Close(']');
    };
    add("Gauge Model:", p.gaugeModel, true);
    add(p.setFlatCaption, p.setFlat, true);
    add(p.setVCaption, p.setV, p.showSetV);
    add(p.pointCaption, p.pointNumber, true);
    add(p.pointDiaCaption, p.pointDia, true);
    add(p.toleranceCaption, p.tolerance, true);
    add(p.diffTolCaption, p.diffTol, p.showDiffTol);
    j.Close(']');
}

void SettingJson(JsonWriter& j, const char* key, const GaugeSettingText& p) {
    j.KeyText(key);
    j.Open('{');
    j.Key("rows");
    SettingRows(j, p);
    j.Put("picture", p.picture);
    j.Key("notice");
    j.Open('[');
    if (p.showNotice)
        for (const std::string& line : GaugeMakerNotice())
            j.String(line);
    j.Close(']');
    j.Put("note", p.note);
    j.Close('}');
}

} // namespace

std::vector<GaugeSettingBlock> GaugeSettingBlocks(const TTInfo& rec, bool mm) {
    std::vector<GaugeSettingBlock> blocks;
    for (bool roll : {false, true}) {
        const GaugeSettingText in = BuildGaugeSettingPage(rec, false, roll, mm);
        const GaugeSettingText ex = BuildGaugeSettingPage(rec, true, roll, mm);
        GaugeSettingBlock& b = blocks.emplace_back();
        b.name = roll ? "Functional Roll Gage" : "Point Gage";
        TextGrid& rows = b.grid;
        rows = {{b.name, "Internal Dims.", "External Dims."},
                {"Gage:", in.gaugeModel, ex.gaugeModel},
                {in.setFlatCaption, in.setFlat, ex.setFlat}};
        if (!roll) rows.push_back({in.setVCaption, in.setV, ex.setV});
        rows.push_back({in.pointCaption, in.pointNumber, ex.pointNumber});
        if (!roll) rows.push_back({in.pointDiaCaption, in.pointDia, ex.pointDia});
        rows.push_back({in.toleranceCaption, in.tolerance, ex.tolerance});
        if (roll) rows.push_back({in.diffTolCaption, in.diffTol, ex.diffTol});
        b.internalNote = in.note;
        b.externalNote = ex.note;
        b.notice = in.showNotice || ex.showNotice;
    }
    return blocks;
}

std::vector<std::pair<std::string, TextGrid>> GaugeSettingGrids(const TTInfo& rec, bool mm) {
    std::vector<std::pair<std::string, TextGrid>> grids;
    for (GaugeSettingBlock& b : GaugeSettingBlocks(rec, mm))
        grids.emplace_back(std::move(b.name), std::move(b.grid));
    return grids;
}

void PrintGaugeSettingText(const TTInfo& rec, bool mm, std::ostream& out) {
    out << "\nGauge Setting\n";
    if (rec.Starts > 1) {
        out << kSingleStartSettingNote << '\n';
        return;
    }
    bool notice = false;
    for (const GaugeSettingBlock& b : GaugeSettingBlocks(rec, mm)) {
        out << '\n';
        PrintRows(b.grid, out);
        if (!b.internalNote.empty()) out << "Internal Dims.: " << b.internalNote << '\n';
        if (!b.externalNote.empty()) out << "External Dims.: " << b.externalNote << '\n';
        notice = notice || b.notice;
    }
    if (notice) {
        out << '\n';
        for (const std::string& line : GaugeMakerNotice())
            out << line << '\n';
    }
}

void ThreadSettingJson(JsonWriter& j, const TTInfo& rec, bool metricDisplay) {
    j.Key("Orvalle");
    j.Open('{');
    const bool shown = rec.Starts <= 1;
    j.Put("note", shown ? "" : kSingleStartSettingNote);
    if (shown) {
        for (bool external : {false, true}) {
            j.KeyText(external ? "External Dims." : "Internal Dims.");
            j.Open('{');
            SettingJson(j, "Point Gage",
                        BuildGaugeSettingPage(rec, external, false, metricDisplay));
            SettingJson(j, "Functional Roll Gage",
                        BuildGaugeSettingPage(rec, external, true, metricDisplay));
            j.Close('}');
        }
    }
    j.Close('}');
}

void PrintSettingJson(const TTInfo& rec, const std::string& name, bool external,
                      const GaugeSettingText& point, const GaugeSettingText& roll,
                      bool metricDisplay, std::ostream& out) {
    const char* const unit = metricDisplay ? "mm" : "in";
    JsonWriter j(out);
    j.Open('{');
    DocumentHead(j, unit);
    j.Put("caption", "Set Dim Tool");
    j.Put("name", name);
    j.Key("pages");
    j.Open('{');
    j.Put("unit", unit);
    j.Key("Orvalle");
    j.Open('{');
    j.Put("dims", external ? "External Dims." : "Internal Dims.");
    SettingJson(j, "Point Gage", point);
    SettingJson(j, "Functional Roll Gage", roll);
    j.Close('}');
    j.Close('}');
    RecordJson(j, rec, /*setDim=*/true);
    j.Close('}');
    out << '\n';
}
