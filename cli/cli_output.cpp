#include "cli/cli_output.h"

#include "core/result_pages.h"
#include "core/thread_record.h"

#include <charconv>
#include <cmath>
#include <ostream>
#include <string>

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

void PrintGauge(const GaugePageText& page, std::ostream& out)
{
    out << '\n' << page.caption << '\n';
    PrintGrid(page.grid, out);
    if (!page.leadTol.empty()) out << "Lead Tol: " << page.leadTol << '\n';
    if (!page.angleTol.empty()) out << "Half Angle Tol: " << page.angleTol << '\n';
}

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void Open(char c) { Sep(); out_ << c; first_ = true; }
    void Close(char c) { out_ << c; first_ = false; }
    void Key(const std::string& k)
    {
        Sep();
        Str(k);
        out_ << ':';
        first_ = true; // the value follows without a separator
    }
    void String(const std::string& s) { Sep(); Str(s); }
    void Number(double v)
    {
        Sep();
        if (!std::isfinite(v)) {
            out_ << "null";
            return;
        }
        char buf[64];
        auto r = std::to_chars(buf, buf + sizeof buf, v);
        out_.write(buf, r.ptr - buf);
    }
    void Grid(const TextGrid& g)
    {
        Open('[');
        for (const auto& row : g) {
            Open('[');
            for (const auto& cell : row) String(cell);
            Close(']');
        }
        Close(']');
    }

private:
    void Sep()
    {
        if (!first_) out_ << ',';
        first_ = false;
    }
    void Str(const std::string& s)
    {
        out_ << '"';
        for (unsigned char c : s) {
            switch (c) {
            case '"': out_ << "\\\""; break;
            case '\\': out_ << "\\\\"; break;
            case '\n': out_ << "\\n"; break;
            case '\r': out_ << "\\r"; break;
            case '\t': out_ << "\\t"; break;
            default:
                if (c < 0x20) {
                    const char* hex = "0123456789abcdef";
                    out_ << "\\u00" << hex[c >> 4] << hex[c & 15];
                } else {
                    out_ << static_cast<char>(c);
                }
            }
        }
        out_ << '"';
    }

    std::ostream& out_;
    bool first_ = true;
};

void Limits(JsonWriter& j, const char* name, const TDimLimits& d)
{
    j.Key(name);
    j.Open('{');
    j.Key("Max"); j.Number(d.Max);
    j.Key("Min"); j.Number(d.Min);
    j.Key("Gage"); j.Number(d.Gage);
    j.Key("GageTrunc"); j.Number(d.GageTrunc);
    j.Key("Tol"); j.Number(d.Tol);
    j.Key("UncoatedMax"); j.Number(d.UncoatedMax);
    j.Key("UncoatedMin"); j.Number(d.UncoatedMin);
    j.Key("Sign"); j.String(d.Sign);
    j.Close('}');
}

void Member(JsonWriter& j, const char* name, const TThdInfo& m)
{
    j.Key(name);
    j.Open('{');
    Limits(j, "PD", m.PD);
    Limits(j, "Major", m.Major);
    Limits(j, "Minor", m.Minor);
    const std::pair<const char*, double> fields[] = {
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
    };
    for (const auto& [k, v] : fields) {
        j.Key(k);
        j.Number(v);
    }
    j.Key("Series");
    j.String(m.Series);
    j.Key("PointName");
    j.String(m.PointName);
    j.Close('}');
}

void GaugeJson(JsonWriter& j, const GaugePageText& p)
{
    j.Key(p.caption);
    j.Open('{');
    j.Key("grid");
    j.Grid(p.grid);
    j.Key("lead_tol");
    j.String(p.leadTol);
    j.Key("angle_tol");
    j.String(p.angleTol);
    j.Close('}');
}

} // namespace

void PrintPagesText(const ResultPagesText& pages, std::ostream& out)
{
    out << pages.caption << '\n' << pages.name << '\n';
    out << "\nThread Dim.\n";
    PrintGrid(pages.thread, out);
    PrintGauge(pages.ring, out);
    PrintGauge(pages.setPlug, out);
    PrintGauge(pages.plug, out);
}

void PrintPagesJson(const TTInfo& rec, const ResultPagesText& pages, std::ostream& out)
{
    JsonWriter j(out);
    j.Open('{');
    j.Key("caption");
    j.String(pages.caption);
    j.Key("name");
    j.String(pages.name);
    j.Key("pages");
    j.Open('{');
    j.Key("Thread Dim.");
    j.Grid(pages.thread);
    GaugeJson(j, pages.ring);
    GaugeJson(j, pages.setPlug);
    GaugeJson(j, pages.plug);
    j.Close('}');
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
    const std::pair<const char*, double> fields[] = {
        {"XDiaTol", rec.XDiaTol},     {"XPDTol", rec.XPDTol},       {"XLeadTol", rec.XLeadTol},
        {"XAngleDeg", rec.XAngleDeg}, {"XAngleMin", rec.XAngleMin}, {"WDiaTol", rec.WDiaTol},
        {"WPDTol", rec.WPDTol},       {"WLeadTol", rec.WLeadTol},   {"WAngleDeg", rec.WAngleDeg},
        {"WAngleMin", rec.WAngleMin}, {"ClassW", rec.ClassW},       {"NomDia", rec.NomDia},
        {"TPI", rec.TPI},             {"Starts", rec.Starts},       {"Coating", rec.Coating},
    };
    for (const auto& [k, v] : fields) {
        j.Key(k);
        j.Number(v);
    }
    j.Key("TypeName");
    j.String(rec.TypeName);
    j.Key("ClassText");
    j.String(rec.ClassText);
    j.Key("NomDiaText");
    j.String(rec.NomDiaText);
    j.Close('}');
    j.Close('}');
    out << '\n';
}
