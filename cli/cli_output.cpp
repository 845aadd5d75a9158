#include "cli/cli_output.h"

#include "cli/iso1502_option.h"
#include "cli/json_writer.h"

#include "core/pipe_record.h"
#include "core/table_file.h"
#include "core/thread_record.h"
#include "gauges/ball_mic.h"
#include "pages/ball_mic_page.h"
#include "pages/csv_text.h"
#include "pages/gauge_setting_page.h"
#include "pages/identify.h"
#include "pages/inspect_page.h"
#include "pages/tap_drills.h"
#include "pages/result_pages.h"
#include "pipe/pipe_pages.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <initializer_list>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace {

// Columns on screen: UTF-8 continuation bytes take no column.
std::size_t DisplayWidth(const std::string& s)
{
    std::size_t w = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++w;
    return w;
}

void PrintGrid(const TextGrid& grid, std::ostream& out)
{
    std::vector<std::size_t> widths;
    for (const auto& row : grid) {
        if (row.size() > widths.size()) widths.resize(row.size(), 0);
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
    }
    for (const auto& row : grid) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(widths[c] - DisplayWidth(row[c]), ' ');
            // Labels read left to right; numbers line up on the right.
            line += c == 0 ? row[c] + pad : "  " + pad + row[c];
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out << line << '\n';
    }
}

// As the window shows it: without a tolerance set only the sizes; the line
// that says why tolerances are missing under the grid.
void PrintGauge(const GaugePageText& page, std::ostream& out)
{
    out << '\n' << page.caption << '\n';
    PrintGrid(VisibleGaugeGrid(page), out);
    if (!page.note.empty()) out << page.note << '\n';
    if (!page.tolerances) return;
    if (!page.leadTol.empty()) out << "Lead Tol: " << page.leadTol << '\n';
    if (!page.angleTol.empty()) out << "Half Angle Tol: " << page.angleTol << '\n';
}

// Bytes of a well-formed UTF-8 sequence starting at s[i], or 0.
std::size_t Utf8Length(std::string_view s, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    std::size_t n = 0;
    unsigned char low = 0x80, high = 0xBF; // the second byte's range
    if (c >= 0xC2 && c <= 0xDF) n = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) low = 0xA0;
        if (c == 0xED) high = 0x9F; // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + n > s.size() || byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < n; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    return n;
}

void Limits(JsonWriter& j, const char* name, const TDimLimits& d)
{
    j.Key(name);
    j.Open('{');
    j.Put("Max", d.Max);
    j.Put("Min", d.Min);
    j.Put("Gage", d.Gage);
    j.Put("GageTrunc", d.GageTrunc);
    j.Put("Tol", d.Tol);
    j.Put("UncoatedMax", d.UncoatedMax);
    j.Put("UncoatedMin", d.UncoatedMin);
    j.Put("Sign", d.Sign);
    j.Close('}');
}

void Member(JsonWriter& j, const char* name, const TThdInfo& m)
{
    j.Key(name);
    j.Open('{');
    Limits(j, "PD", m.PD);
    Limits(j, "Major", m.Major);
    Limits(j, "Minor", m.Minor);
    j.Put({
        {"NomDia", m.NomDia},       {"ClassCode", m.ClassCode},   {"TPI", m.TPI},
        {"TypeCode", m.TypeCode},   {"Starts", m.Starts},         {"Coating", m.Coating},
        {"BestWire", m.BestWire},   {"CurWire", m.CurWire},       {"MinWire", m.MinWire},
        {"MaxWire", m.MaxWire},     {"RootWire", m.RootWire},     {"SetToV", m.SetToV},
        {"SetToFlat", m.SetToFlat}, {"PointDia", m.PointDia},     {"RootRadMax", m.RootRadMax},
        {"RootRadMin", m.RootRadMin}, {"RootWidth", m.RootWidth}, {"ThdHeight", m.ThdHeight},
        {"FromTable", m.FromTable}, {"IsGage", m.IsGage},         {"IsInternal", m.IsInternal},
        {"IsExternal", m.IsExternal}, {"IsSetPlug", m.IsSetPlug}, {"StdLOE", m.StdLOE},
        {"StdLE", m.StdLE},         {"LOE", m.LOE},               {"LEBasis", m.LEBasis},
        {"UseClassW", m.UseClassW},
    });
    j.Put("Series", m.Series);
    j.Put("PointName", m.PointName);
    const TGageSetting& g = m.Setting;
    j.Key("Setting");
    j.Open('{');
    j.Put("PointModel", g.PointModel);
    j.Put("RollModel", g.RollModel);
    j.Put("PointName", m.PointName);
    j.Put("RollNumber", g.RollNumber);
    j.Put({{"PointDia", m.PointDia}, {"PointOffset", g.PointOffset}, {"SetToFlat", m.SetToFlat},
           {"SetToV", m.SetToV}, {"RollConstant", g.RollConstant}, {"RollLeadCorr", g.RollLeadCorr},
           {"RollSetting", g.RollSetting}, {"DiffAnalTol", g.DiffAnalTol}, {"SmallGage", g.SmallGage},
           {"VerySmall", g.VerySmall}});
    j.Close('}');
    j.Close('}');
}

void GaugeJson(JsonWriter& j, const GaugePageText& p)
{
    j.Key(p.caption);
    j.Open('{');
    j.Key("grid");
    j.Grid(p.grid);
    j.Put("lead_tol", p.leadTol);
    j.Put("angle_tol", p.angleTol);
    j.Put("note", p.note);
    j.Close('}');
}

// The members and record fields every calculation has, after its pages.
void RecordJson(JsonWriter& j, const TTInfo& rec)
{
    j.Key("members");
    j.Open('{');
    Member(j, "ExtThd", rec.ExtThd);
    Member(j, "IntThd", rec.IntThd);
    Member(j, "GoPlug", rec.GoPlug);
    Member(j, "NoGoPlug", rec.NoGoPlug);
    Member(j, "GoRing", rec.GoRing);
    Member(j, "NoGoRing", rec.NoGoRing);
    Member(j, "GoSetPlug", rec.GoSetPlug);
    Member(j, "NoGoSetPlug", rec.NoGoSetPlug);
    j.Close('}');
    j.Key("record");
    j.Open('{');
    j.Put({
        {"XDiaTol", rec.XDiaTol},     {"XPDTol", rec.XPDTol},       {"XLeadTol", rec.XLeadTol},
        {"XAngleDeg", rec.XAngleDeg}, {"XAngleMin", rec.XAngleMin}, {"WDiaTol", rec.WDiaTol},
        {"WPDTol", rec.WPDTol},       {"WLeadTol", rec.WLeadTol},   {"WAngleDeg", rec.WAngleDeg},
        {"WAngleMin", rec.WAngleMin}, {"ClassW", rec.ClassW},       {"NomDia", rec.NomDia},
        {"TPI", rec.TPI},             {"Starts", rec.Starts},       {"Coating", rec.Coating},
    });
    j.Put("TypeName", rec.TypeName);
    j.Put("ClassText", rec.ClassText);
    j.Put("NomDiaText", rec.NomDiaText);
    j.Close('}');
}

void PipeJson(JsonWriter& j, const TThdNPT& p)
{
    j.Key("pipe");
    j.Open('{');
    j.Put("SizeText", p.SizeText);
    j.Put({
        {"PipeKind", p.PipeKind},
        {"PipeOD", p.PipeOD},
        {"L1", p.L1}, {"L2", p.L2}, {"L3", p.L3}, {"L4", p.L4}, {"L5", p.L5}, {"L6", p.L6},
        {"L1Thds", p.L1Thds}, {"L2Thds", p.L2Thds}, {"L3Thds", p.L3Thds}, {"L6Thds", p.L6Thds},
        {"E0", p.E0}, {"E1", p.E1}, {"E2", p.E2}, {"E3", p.E3}, {"E5", p.E5}, {"E6", p.E6},
        {"RecessDepth", p.RecessDepth}, {"RecessDia", p.RecessDia},
        {"VanishLen", p.VanishLen}, {"VanishThds", p.VanishThds},
        {"NotchDistance", p.NotchDistance}, {"NotchDistanceThds", p.NotchDistanceThds},
        {"ThreadHeight", p.ThreadHeight}, {"DiaIncPerThd", p.DiaIncPerThd},
        {"PipeAllowance", p.PipeAllowance}, {"L1ToL2", p.L1ToL2}, {"L1ToL2Thds", p.L1ToL2Thds},
        {"RingThickness", p.RingThickness}, {"TotalThds", p.TotalThds}, {"LengthT", p.LengthT},
        {"PlugTaperTol", p.PlugTaperTol}, {"RingTaperTol", p.RingTaperTol},
        {"PlugCumPDTol", p.PlugCumPDTol}, {"RingCumPDTol", p.RingCumPDTol},
        {"Standoff", p.Standoff},
    });
    j.Close('}');
}

// The captions and values the page shows, in page order.
TextGrid SettingRows(const GaugeSettingText& p)
{
    TextGrid rows;
    auto add = [&](const std::string& caption, const std::string& value, bool shown) {
        if (shown && !caption.empty()) rows.push_back({caption, value});
    };
    add("Gauge Model:", p.gaugeModel, true);
    add(p.setFlatCaption, p.setFlat, true);
    add(p.setVCaption, p.setV, p.showSetV);
    add(p.pointCaption, p.pointNumber, true);
    add(p.pointDiaCaption, p.pointDia, true);
    add(p.toleranceCaption, p.tolerance, true);
    add(p.diffTolCaption, p.diffTol, p.showDiffTol);
    return rows;
}

void SettingJson(JsonWriter& j, const char* key, const GaugeSettingText& p)
{
    j.Key(key);
    j.Open('{');
    j.Key("rows");
    j.Grid(SettingRows(p));
    j.Put("picture", p.picture);
    j.Key("notice");
    j.Open('[');
    if (p.showNotice)
        for (const std::string& line : GaugeMakerNotice()) j.String(line);
    j.Close(']');
    j.Put("note", p.note);
    j.Close('}');
}

// The gauge-setting page as the text output prints it: both gauges of both
// product threads, or for several starts only the note that says why not.
void ThreadSettingJson(JsonWriter& j, const TTInfo& rec, bool metricDisplay)
{
    j.Key("Orvalle");
    j.Open('{');
    const bool shown = rec.Starts <= 1;
    j.Put("note", shown ? "" : kSingleStartSettingNote);
    if (shown) {
        for (bool external : {false, true}) {
            j.Key(external ? "External Dims." : "Internal Dims.");
            j.Open('{');
            SettingJson(j, "Point Gage", BuildGaugeSettingPage(rec, external, false, metricDisplay));
            SettingJson(j, "Functional Roll Gage",
                        BuildGaugeSettingPage(rec, external, true, metricDisplay));
            j.Close('}');
        }
    }
    j.Close('}');
}

// One checked measurement: the judged pitch diameter, its verdict and margins.
void CheckJson(JsonWriter& j, const PDCheck& c)
{
    j.Put({{"MeasuredPD", c.pd}});
    j.Put("Verdict", VerdictWord(c.verdict));
    j.Put({{"MarginToMax", c.marginToMax}, {"MarginToMin", c.marginToMin},
           {"PercentOfTolerance", c.percentOfTolerance}});
}

void InspectionJson(JsonWriter& j, const InspectPageText& page)
{
    if (!page.gauge.empty()) {
        j.Key("inspection");
        j.Open('{');
        GaugeInspectionJson(j, page);
        j.Close('}');
        return;
    }
    const PDInspection& r = page.inspection;
    j.Key("inspection");
    j.Open('{');
    j.Put({{"MeasuredPD", r.meanPD}});
    j.Put("Verdict", VerdictWord(r.overall));
    j.Put({{"MarginToMax", r.marginToMax}, {"MarginToMin", r.marginToMin},
           {"PercentOfTolerance", r.percentOfTolerance}, {"MinPD", r.minPD}, {"MaxPD", r.maxPD},
           {"Spread", r.spread}, {"Wire", page.wire}});
    j.Put("Text", page.verdict);
    j.Key("grid");
    j.Grid(page.grid);
    if (r.readings.size() > 1) {
        j.Key("readings");
        j.Open('[');
        for (std::size_t i = 0; i < r.readings.size(); ++i) {
            j.Open('{');
            j.Put({{"Reading", page.readings[i]}});
            CheckJson(j, r.readings[i]);
            j.Close('}');
        }
        j.Close(']');
    }
    j.Close('}');
}

// The drills of an internal unified or metric thread, as its page found them;
// none where the table cannot be read, and then why.
void TapDrillsJson(JsonWriter& j, const TTInfo& rec, const std::vector<TapDrill>& drills,
                   const std::string& error)
{
    if (!HasTapDrills(rec)) return;
    if (!error.empty()) j.Put("tapDrillsError", error);
    j.Key("tapDrills");
    j.Open('[');
    for (const TapDrill& d : drills) {
        j.Open('{');
        j.Put("Drill", d.name);
        j.Put({{"Diameter", d.diameter}, {"PercentThread", d.percentThread},
               {"Recommended", d.recommended ? 1.0 : 0.0}});
        j.Close('}');
    }
    j.Close(']');
}

} // namespace

void PrintSettingJson(const TTInfo& rec, const std::string& name, bool external,
                      const GaugeSettingText& point, const GaugeSettingText& roll,
                      std::ostream& out)
{
    JsonWriter j(out);
    j.Open('{');
    j.Put("caption", "Set Dim Tool");
    j.Put("name", name);
    j.Key("pages");
    j.Open('{');
    j.Key("Orvalle");
    j.Open('{');
    j.Put("dims", external ? "External Dims." : "Internal Dims.");
    SettingJson(j, "Point Gage", point);
    SettingJson(j, "Functional Roll Gage", roll);
    j.Close('}');
    j.Close('}');
    RecordJson(j, rec);
    j.Close('}');
    out << '\n';
}

void PrintPipeText(const PipePagesText& pages, std::ostream& out)
{
    out << pages.caption << '\n';
    auto page = [&](const char* name, const PipeGrid& grid, const std::string& note) {
        if (grid.empty()) return;
        out << '\n' << name << '\n';
        PrintGrid(grid, out);
        if (!note.empty()) out << note << '\n';
    };
    page("Thread Dim.", pages.thread, pages.threadNote);
    page("NPT Gages", pages.gages, pages.gagesNote);
    page("NPT Tolerances", pages.tols, pages.tolsNote);
}

void PrintPipeJson(const TTInfo& rec, const PipePagesText& pages, std::ostream& out)
{
    JsonWriter j(out);
    j.Open('{');
    j.Put("caption", pages.caption);
    j.Put("name", pages.caption);
    j.Key("pages");
    j.Open('{');
    j.Key("Thread Dim.");
    j.Grid(pages.thread);
    if (!pages.gages.empty()) {
        j.Key("NPT Gages");
        j.Grid(pages.gages);
    }
    if (!pages.tols.empty()) {
        j.Key("NPT Tolerances");
        j.Grid(pages.tols);
    }
    j.Close('}');
    // The grids stay plain arrays: each page's note beside them, by page name.
    j.Key("notes");
    j.Open('{');
    j.Put("Thread Dim.", pages.threadNote);
    if (!pages.gages.empty()) j.Put("NPT Gages", pages.gagesNote);
    if (!pages.tols.empty()) j.Put("NPT Tolerances", pages.tolsNote);
    j.Close('}');
    RecordJson(j, rec);
    if (rec.Pipe) PipeJson(j, *rec.Pipe);
    j.Close('}');
    out << '\n';
}

void PrintPagesText(const ResultPagesText& pages, std::ostream& out,
                    const ReevaluationText* reevaluation)
{
    out << pages.caption << '\n' << pages.name << '\n';
    if (reevaluation) out << reevaluation->note << '\n';
    out << "\nThread Dim.\n";
    PrintGrid(pages.thread, out);
    if (!pages.tapDrills.empty()) {
        out << "\nTap Drills\n";
        PrintGrid(pages.tapDrills, out);
    }
    PrintGauge(pages.ring, out);
    PrintGauge(pages.setPlug, out);
    PrintGauge(pages.plug, out);
    if (!pages.iso1502.caption.empty()) PrintIso1502Text(pages.iso1502, out);
}

void PrintTextGrid(const std::vector<std::vector<std::string>>& grid, std::ostream& out)
{
    PrintGrid(grid, out);
}

void PrintPagesJson(const TTInfo& rec, const ResultPagesText& pages, std::ostream& out,
                    const InspectPageText* inspect, const ReevaluationText* reevaluation)
{
    JsonWriter j(out);
    j.Open('{');
    j.Put("caption", pages.caption);
    j.Put("name", pages.name);
    j.Key("pages");
    j.Open('{');
    j.Key("Thread Dim.");
    j.Grid(pages.thread);
    GaugeJson(j, pages.ring);
    GaugeJson(j, pages.setPlug);
    GaugeJson(j, pages.plug);
    // In the unit the other pages were built in.
    ThreadSettingJson(j, rec, pages.unit == UnitText(true));
    j.Close('}');
    RecordJson(j, rec);
    TapDrillsJson(j, rec, pages.drills, pages.drillsError);
    if (!pages.iso1502.caption.empty()) Iso1502Json(j, pages.iso1502);
    if (inspect) InspectionJson(j, *inspect);
    if (reevaluation) {
        j.Key("reevaluation");
        j.Open('{');
        j.Put("limit", reevaluation->limit);
        j.Put("target", reevaluation->target);
        j.Put("note", reevaluation->note);
        j.Close('}');
    }
    j.Close('}');
    out << '\n';
}

void PrintBallMicText(const std::string& caption, const TBallMic& bm, std::ostream& out)
{
    const BallMicPageText page = BuildBallMicPage(bm);
    out << caption << '\n' << page.name << '\n' << page.extCaption << "\n\n";
    TextGrid grid;
    for (const BallMicRow& row : BallMicInputRows(bm)) grid.push_back({row.label, row.value});
    grid.push_back({});
    grid.push_back({"Gage:", page.gaugeModel});
    grid.push_back({page.setFlatCaption, page.setFlat});
    grid.push_back({page.setVCaption, page.setV});
    PrintGrid(grid, out);
}

void PrintBallMicJson(const std::string& caption, const TBallMic& bm, std::ostream& out)
{
    const BallMicPageText page = BuildBallMicPage(bm);
    JsonWriter j(out);
    j.Open('{');
    j.Put("caption", caption);
    j.Key("ballmic");
    j.Open('{');
    j.Put({{"Angle", bm.Angle}, {"BallDia", bm.BallDia}, {"PlaneDia", bm.PlaneDia},
           {"PlaneDis", bm.PlaneDis}, {"ApexDia", bm.ApexDia}, {"BallDis", bm.BallDis},
           {"Internal", bm.Internal}, {"CalcMethod", bm.CalcMethod}, {"BallRad", bm.BallRad},
           {"DisToCenter", bm.DisToCenter}, {"InspDia", bm.InspDia}, {"RCos", bm.RCos},
           {"RSin", bm.RSin}, {"SetDim", bm.SetDim}});
    j.Close('}');
    j.Key("page");
    j.Open('{');
    j.Put("name", page.name);
    j.Put("optExt", page.extCaption);
    j.Put("lblGage", page.gaugeModel);
    j.Put("lblFlat", page.setFlat);
    j.Put("lblV", page.setV);
    j.Put("txtBallDia", page.ballDia);
    j.Close('}');
    j.Close('}');
    out << '\n';
}

void AppendJsonString(std::string& out, std::string_view s)
{
    // Plain ASCII, nearly every text, goes in runs.
    static constexpr auto kPlain = [] {
        std::array<bool, 256> t{};
        for (int c = 0x20; c < 0x80; ++c) t[c] = c != '"' && c != '\\';
        return t;
    }();
    out += '"';
    const char* const data = s.data();
    const std::size_t size = s.size();
    for (std::size_t i = 0;; ++i) {
        std::size_t end = i;
        while (end < size && kPlain[static_cast<unsigned char>(data[end])]) ++end;
        out.append(data + i, end - i);
        if (end == size) break;
        i = end;
        const unsigned char c = static_cast<unsigned char>(data[i]);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                const char* hex = "0123456789abcdef";
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 15];
            } else if (const std::size_t n = Utf8Length(s, i); n > 0) {
                out.append(data + i, n);
                i += n - 1;
            } else {
                // JSON is UTF-8: a stray byte of a typed value must not break it.
                out += "\\ufffd";
            }
        }
    }
    out += '"';
}

void PrintIdentifyText(const IdentifyQuery& query, const std::vector<IdentifyMatch>& matches,
                       const TextGrid& grid, bool metricDisplay, std::ostream& out)
{
    out << IdentifyHeading(query, metricDisplay) << '\n';
    if (matches.empty()) {
        out << kNothingFits << '\n';
        return;
    }
    PrintGrid(grid, out);
}

void PrintIdentifyJson(const IdentifyQuery& query, const std::vector<IdentifyMatch>& matches,
                       const TextGrid& grid, std::ostream& out)
{
    JsonWriter j(out);
    j.Open('{');
    j.Key("measured");
    j.Open('{');
    j.Put("Diameter", MeasuredDiameterName(query));
    j.Put({{"Value", query.diameter}, {"Pitch", query.pitch}});
    j.Close('}');
    j.Put("message", matches.empty() ? std::string(kNothingFits) : std::string());
    j.Key("identify");
    j.Open('[');
    for (std::size_t i = 0; i < matches.size(); ++i) {
        const IdentifyMatch& m = matches[i];
        j.Open('{');
        j.Put("Designation", m.designation);
        j.Put("Family", m.family);
        j.Put({{"Closeness", m.offLimits},
               {"DiaMin", m.diaMin},
               {"DiaMax", m.diaMax},
               {"PDMin", m.pdMin},
               {"PDMax", m.pdMax}});
        j.Key("row");
        j.Open('[');
        for (const std::string& cell : grid[i + 1]) j.String(cell);
        j.Close(']');
        j.Close('}');
    }
    j.Close(']');
    j.Close('}');
    out << '\n';
}
