#include "pages/iso1502_page.h"

#include "core/number_text.h"
#include "core/rounding.h"
#include "core/thread_record.h"
#include "pages/result_pages.h"

#include <cmath>
#include <initializer_list>
#include <iterator>
#include <map>
#include <utility>

namespace {

const char* const kMicro = "\xC2\xB5m";

using Value = double Iso1502Gauge::*;

// A row of the grid: the label, the JSON key path under a gauge, the value,
// and the gauges (GO plug, NOT GO plug, GO ring, NOT GO ring) it applies to.
struct GridRow {
    const char* label;
    const char* path;
    Value value;
    bool plug, ring;
    bool check; // the rings' wear check plugs
};

constexpr GridRow kRows[] = {
    {"PD Max", "PD/Max", &Iso1502Gauge::pdMax, true, true, false},
    {"PD Min", "PD/Min", &Iso1502Gauge::pdMin, true, true, false},
    {"PD Wear Limit", "PD/WearLimit", &Iso1502Gauge::wearLimit, true, true, false},
    {"Major Max", "Major/Max", &Iso1502Gauge::majorMax, true, false, false},
    {"Major Min", "Major/Min", &Iso1502Gauge::majorMin, true, true, false},
    {"Minor Max", "Minor/Max", &Iso1502Gauge::minorMax, true, true, false},
    {"Minor Min", "Minor/Min", &Iso1502Gauge::minorMin, false, true, false},
    {"Wear Check PD Max", "PD/Max", &Iso1502Gauge::pdMax, false, true, true},
    {"Wear Check PD Min", "PD/Min", &Iso1502Gauge::pdMin, false, true, true},
};

struct Column {
    const char* heading;
    const char* json;      // the gauge's JSON object
    const char* checkJson; // its wear check plug's, rings only
    const Iso1502Side& side;
    const Iso1502Gauge& gauge;
    const Iso1502Gauge* check;
    bool plug;
};

std::string Tip(const std::string& label) {
    static const std::map<std::string, std::string> kTips = {
        {"GO Plug", "GO screw plug gauge of the internal thread"},
        {"NOT GO Plug", "NOT GO screw plug gauge of the internal thread"},
        {"GO Ring", "GO screw ring gauge of the external thread"},
        {"NOT GO Ring", "NOT GO screw ring gauge of the external thread"},
        {"PD Wear Limit", "Pitch diameter at which the gauge is worn out: a plug below it, a "
                          "ring above it is withdrawn"},
        {"Major Max", "Major diameter of the gauge, maximum"},
        {"Major Min", "Major diameter of the gauge, minimum"},
        {"Minor Max", "Minor diameter of the gauge, maximum"},
        {"Minor Min", "Minor diameter of the gauge, minimum"},
        {"Wear Check PD Max", "Pitch diameter of the ring's wear check plug, maximum: a ring "
                              "the check plug enters is worn beyond its limit"},
        {"Wear Check PD Min", "Pitch diameter of the ring's wear check plug, minimum"},
    };
    const auto it = kTips.find(label);
    return it != kTips.end() ? it->second : LabelTip(label);
}

TextGrid Tips(const TextGrid& grid) {
    TextGrid tips;
    for (std::size_t r = 0; r < grid.size(); ++r) {
        tips.emplace_back(grid[r].size());
        if (r == 0) {
            for (std::size_t c = 1; c < grid[r].size(); ++c)
                tips[r][c] = Tip(grid[r][c]) + ". " + UnitTip(true);
        } else {
            tips[r][0] = Tip(grid[r][0]);
        }
    }
    return tips;
}

std::string BandText(const Iso1502Row& r) {
    return "band over " + MicrometreText(r.over) + " up to " + MicrometreText(r.upTo) + " " +
           kMicro;
}

std::string PlugLine(const Iso1502Side& s) {
    if (!s.reason.empty()) return "Plugs: " + s.reason;
    const Iso1502Row& r = s.row;
    return "Plugs: TD2 " + MicrometreText(s.td2) + " " + kMicro + ", " + BandText(r) + ": T_PL " +
           MicrometreText(r.tPL) + ", Z_PL " + MicrometreText(r.zPL) + ", W_GO " +
           MicrometreText(r.wGoPL) + ", W_NG " + MicrometreText(r.wNgPL) + " " + kMicro;
}

std::string RingLine(const Iso1502Side& s) {
    if (!s.reason.empty()) return "Rings: " + s.reason;
    const Iso1502Row& r = s.row;
    return "Rings: Td2 " + MicrometreText(s.td2) + " " + kMicro + ", " + BandText(r) + ": T_R " +
           MicrometreText(r.tR) + ", T_PL " + MicrometreText(r.tPL) + ", T_CP " +
           MicrometreText(r.tCP) + ", Z_R " + MicrometreText(r.zR) + ", W_GO " +
           MicrometreText(r.wGoR) + ", W_NG " + MicrometreText(r.wNgR) + " " + kMicro;
}

void RowJson(std::vector<Iso1502JsonField>& json, const Iso1502Side& s, const char* side,
             const char* note, std::initializer_list<std::pair<const char*, double>> values) {
    json.push_back({std::string("row/") + note, s.reason, false});
    if (!s.reason.empty()) return;
    const std::string at = std::string("row/") + side + "/";
    json.push_back({at + "Over", MicrometreText(s.row.over)});
    json.push_back({at + "UpTo", MicrometreText(s.row.upTo)});
    for (const auto& [name, v] : values)
        json.push_back({at + name, MicrometreText(v)});
}

} // namespace

std::string Iso1502Text(double mm) {
    return Trim(FormatFixed(Iso1502Round(mm), 1, 4));
}

bool HasIso1502Page(const TTInfo& rec) {
    return !rec.Pipe && ThreadTypeOf(rec.ExtThd.TypeCode).iso1502Page;
}

Iso1502PageText BuildIso1502Page(const TTInfo& rec, bool withTips) {
    Iso1502PageText p;
    p.caption = kIso1502Caption;
    p.unit = UnitTip(true);
    p.gauges = CalcIso1502Gauges(rec);
    const Iso1502Gauges& g = p.gauges;
    p.json.push_back({"unit", "mm", false});
    p.json.push_back({"note", g.reason, false});
    if (!g.reason.empty()) {
        p.note = g.reason;
        return p;
    }
    const Iso1502Side& pl = g.plugs;
    const Iso1502Side& ri = g.rings;
    const Column columns[] = {
        {"GO Plug", "GoPlug", nullptr, pl, pl.go, nullptr, true},
        {"NOT GO Plug", "NoGoPlug", nullptr, pl, pl.noGo, nullptr, true},
        {"GO Ring", "GoRing", "GoRingWearCheck", ri, ri.go, &ri.goCheck, false},
        {"NOT GO Ring", "NoGoRing", "NoGoRingWearCheck", ri, ri.noGo, &ri.noGoCheck, false},
    };

    p.json.push_back({"row/unit", "um", false});
    p.json.push_back({"row/TD2", MicrometreText(pl.td2)});
    p.json.push_back({"row/Td2", MicrometreText(ri.td2)});
    RowJson(p.json, pl, "Plug", "PlugNote",
            {{"T_PL", pl.row.tPL},
             {"Z_PL", pl.row.zPL},
             {"W_GO_PL", pl.row.wGoPL},
             {"W_NG_PL", pl.row.wNgPL}});
    RowJson(p.json, ri, "Ring", "RingNote",
            {{"T_R", ri.row.tR},
             {"T_PL", ri.row.tPL},
             {"T_CP", ri.row.tCP},
             {"m", ri.row.m},
             {"Z_R", ri.row.zR},
             {"W_GO_R", ri.row.wGoR},
             {"W_NG_R", ri.row.wNgR}});

    p.grid.push_back({""});
    for (const Column& c : columns)
        p.grid[0].push_back(c.heading);
    for (const GridRow& r : kRows) {
        std::vector<std::string> cells{r.label};
        for (const Column& c : columns) {
            const bool given = c.plug ? r.plug : r.ring;
            if (!given) {
                cells.emplace_back();
                continue;
            }
            if (!c.side.reason.empty()) {
                cells.emplace_back(kNAText);
                continue;
            }
            cells.push_back(Iso1502Text((r.check ? *c.check : c.gauge).*r.value));
        }
        p.grid.push_back(cells);
    }
    // The JSON values are the grid's texts, gauge by gauge.
    for (bool check : {false, true})
        for (std::size_t col = 0; col < std::size(columns); ++col) {
            const Column& c = columns[col];
            for (std::size_t row = 0; row < std::size(kRows); ++row) {
                const GridRow& r = kRows[row];
                const std::string& text = p.grid[row + 1][col + 1];
                if (r.check != check || text.empty() || !c.side.reason.empty()) continue;
                p.json.push_back({std::string(check ? c.checkJson : c.json) + "/" + r.path, text});
            }
        }
    if (withTips) p.tips = Tips(p.grid);
    p.lines.push_back(PlugLine(pl));
    p.lines.push_back(RingLine(ri));
    p.lines.push_back("A blank cell: ISO 1502 sets no such limit for that gauge.");
    if (g.plated)
        p.lines.push_back("Plated thread: the gauges check the finished thread, so they are "
                          "worked from the limits of the standard, not the plating-allowance "
                          "ones.");
    return p;
}
