#include "pipe/pipe_report_rows.h"

#include "core/number_text.h"
#include "core/pipe_record.h"
#include "core/thread_record.h"
#include "pipe/pipe_text.h"

#include <algorithm>

namespace {

PipeLabelPart Text(std::string s) {
    return {PipeLabelPart::Text, std::move(s)};
}
PipeLabelPart Ref(std::string s) {
    return {PipeLabelPart::NoteRef, std::move(s)};
}
PipeLabelPart Sym(std::string s) {
    return {PipeLabelPart::Symbol, std::move(s)};
}

constexpr uint8_t kLeft = 0;
constexpr uint8_t kCentre = 2;

// A value of a table that held the size, or "  N/A" for one that did not:
// a zero there is not a value of the standard (as the pages show it).
std::string Dec(bool found, int decimals, double v) {
    return found ? DecText(decimals, v) : kNAText;
}

class Rows {
public:
    // found: the table of the rows' values held the size.
    Rows(PipeReportTable& t, bool found) : t_(t), found_(found) {}
    std::string Dec(int decimals, double v) const { return ::Dec(found_, decimals, v); }
    int Next() const { return static_cast<int>(t_.rows.size()); }
    int Last() const { return Next() - 1; }
    int Row(std::vector<PipeReportCell> labels, std::string value) {
        t_.rows.push_back({std::move(labels), std::move(value)});
        return Last();
    }
    // A label of one text at tab 1 and its value.
    int Row(const std::string& label, std::string value) {
        return Row({{1, {Text(label)}, 0}}, std::move(value));
    }
    // The "Inch" and "Threads" rows of a length.
    int InchThreads(int tab, int inchDecimals, double inch, double threads) {
        const int first = Row({{tab, {Text("Inch")}, 0}}, Dec(inchDecimals, inch));
        Row({{tab, {Text("Threads")}, 0}}, Dec(2, threads));
        return first;
    }
    void Span(int first, int tab, double right, std::vector<PipeLabel> lines) {
        t_.spans.push_back({first, Last(), tab, right, std::move(lines)});
    }

private:
    PipeReportTable& t_;
    bool found_;
};

// Threads per inch and pitch come from the dimension or the gauge table.
bool PitchFound(const TThdNPT& p) {
    return (p.Found & (kFoundDims | kFoundGages)) != 0;
}

std::string PitchText(const TTInfo& rec) {
    return PitchFound(*rec.Pipe) ? Len5Text(1.0 / rec.TPI) : kNAText;
}

// Nominal size, outside diameter and threads per inch open every table.
void SizeRows(Rows& b, const TTInfo& rec, const std::string& odText) {
    b.Row("Nominal Pipe Size:", rec.Pipe->SizeText);
    b.Row("O.D. of Pipe:", odText);
    b.Row("Threads / in.", PitchFound(*rec.Pipe) ? PipeTPIText(rec.TPI) : kNAText);
}

void NPTDims(const TTInfo& rec, PipeReportLayout& r) {
    const TThdNPT& p = *rec.Pipe;
    r.title = {
        {Text("Basic Dimensions of American National Standard Taper Pipe Thread, NPT"), Ref("1")}};
    PipeReportTable& t = r.table;
    t.tabs = {{0.1, kLeft}, {2.5, kLeft}, {3.625, kCentre}, {4.3, kCentre}, {5.25, kLeft}};
    t.valueTab = 5;
    t.width = 6.0;
    t.valueEdge = 5.125;
    constexpr double kSub = 2.25, kRows = 3.625;
    Rows b(t, (p.Found & kFoundDims) != 0);
    SizeRows(b, rec, Len4Text(p.PipeOD));
    b.Row("Pitch of Thread", PitchText(rec));
    b.Row({{1, {Text("Pitch Diameter at Beginning of Thread "), Sym("E0")}, 0}}, Len5Text(p.E0));

    // Length and diameter of a plane, the length in inches and threads.
    auto plane = [&](PipeLabel length, double l, double thds, PipeLabel dia, double e) {
        const int first = b.InchThreads(4, 4, l, thds);
        b.Span(first, 2, kRows, {std::move(length)});
        b.Row({{3, std::move(dia), 0}}, Len5Text(e));
    };
    int g = b.Next();
    plane({Text("Length"), Ref("2"), Sym("L1")}, p.L1, p.L1Thds,
          {Text("Diameter "), Sym("E1"), Ref("3")}, p.E1);
    b.Span(g, 1, kSub, {{Text("Handtight Engagement")}});
    g = b.Next();
    plane({Text("Length"), Ref("4"), Sym("L2")}, p.L2, p.L2Thds, {Text("Diameter "), Sym("E2")},
          p.E2);
    b.Span(g, 1, kSub, {{Text("Effective Thread, Ext.")}});
    g = b.InchThreads(4, 4, p.L1ToL2, p.L1ToL2Thds);
    b.Span(g, 1, kRows,
           {{Text("Length "), Sym("L1"), Text(" Plane to "), Sym("L2"), Text(" Plane")},
            {Text("External Thread (L1-L2)")}});
    g = b.Next();
    plane({Text("Length "), Sym("L3")}, p.L3, p.L3Thds, {Text("Diameter "), Sym("E3")}, p.E3);
    b.Span(g, 1, kSub, {{Text("Wrench Makeup Length for")}, {Text("Internal Thread")}});
    g = b.InchThreads(4, 4, p.VanishLen, p.VanishThds);
    b.Span(g, 1, kRows, {{Text("Vanish Thread (V)")}});
    b.Row({{1, {Text("Overall Length of Ext. Thread"), Ref("8")}, 0}}, b.Dec(4, p.L4));
    g = b.Row({{4, {Text("Length "), Sym("L5")}, 0}}, b.Dec(4, p.L5));
    b.Row({{4, {Text("Diameter "), Sym("E5")}, 0}}, b.Dec(5, p.E5));
    b.Span(g, 1, kRows, {{Text("Nominal Complete External Thds"), Ref("5")}});
    b.Row("Height of Thread", b.Dec(5, p.ThreadHeight));
    b.Row("Increase in Diameter / Thread (0.0625/in.)", b.Dec(5, p.DiaIncPerThd));
    b.Row({{1, {Text("Basic Minor Dia. at Small End of Pipe "), Sym("K0"), Ref("6")}, 0}},
          b.Dec(4, rec.ExtThd.Minor.Gage));

    r.noteX = 0.25;
    r.noteGap = 0.2;
    r.picture = PipeDrawing::ThreadDims;
    r.pictureX = 0.25;
}

void NPTGauges(const TTInfo& rec, PipeReportLayout& r) {
    const TThdNPT& p = *rec.Pipe;
    r.title = {{Text("Basic Dimensions of Threaded Plug and Ring Gages for")},
               {Text("American National Standard Pipe Thread, NPT")}};
    PipeReportTable& t = r.table;
    t.tabs = {{0.1, kLeft}, {3.125, kLeft}, {5.375, kLeft}};
    t.valueTab = 3;
    t.width = 6.25;
    t.valueEdge = 5.25;
    constexpr double kAt = 3.0;
    Rows b(t, (p.Found & kFoundGages) != 0);
    SizeRows(b, rec, Len4Text(p.PipeOD));
    b.Row("Pitch of Thread", PitchText(rec));

    // No gauge measures 0: a 0 is a value the table left empty.
    const bool found = (p.Found & kFoundGages) != 0;
    auto size = [found](double v) { return Dec(found && v != 0, 5, v); };
    const char* const planes[] = {"At Small End ", "At Gauging Notch ", "At Large End "};
    const char* const symbols[] = {"E0", "E1", "E2"};
    auto group = [&](const char* label, std::vector<double> values) {
        const int first = b.Next();
        for (std::size_t i = 0; i < values.size(); ++i)
            b.Row({{2, {Text(planes[i]), Sym(symbols[i]), Text(" Plane")}, 0}}, size(values[i]));
        b.Span(first, 1, kAt, {{Text(label)}});
    };
    const TThdInfo& plug = rec.GoPlug;
    group("Major Diameters of Plug Gages", {plug.Major.Min, plug.Major.Gage, plug.Major.Max});
    group("Pitch Diameters of Plug and Ring Gages", {plug.PD.Min, plug.PD.Gage, plug.PD.Max});
    group("Minor Diameters of Ring Gages", {rec.GoRing.Minor.Min, rec.GoRing.Minor.Gage});
    b.Row("Increase in Diameter / Thread (0.0625/in)",
          Dec(PitchFound(p) && p.DiaIncPerThd != 0, 5, p.DiaIncPerThd));
    b.Row({{1, {Text("Thickness of Ring "), Sym("L1")}, 0}}, size(p.RingThickness));

    r.noteX = 0.75;
    r.noteGap = 0.25;
    r.picture = PipeDrawing::Tols;
    r.pictureX = 0.75;
}

void NPTTols(const TTInfo& rec, PipeReportLayout& r) {
    const TThdNPT& p = *rec.Pipe;
    r.title = {{Text("Tolerances for American National Standard")},
               {Text("Working Taper Pipe Thread Plug and Ring Gages, NPT")}};
    PipeReportTable& t = r.table;
    t.tabs = {{0.1, kLeft}, {4.5, kCentre}, {5.35, kLeft}};
    t.valueTab = 3;
    t.width = 6.25;
    t.valueEdge = 5.25;
    constexpr double kSub = 3.75;
    Rows b(t, (p.Found & kFoundTols) != 0);
    SizeRows(b, rec, Len4Text(p.PipeOD));
    b.Row({{1, {Text("Tolerance on Pitch Diameter "), Ref("14"), Text("(±)")}, 0}},
          b.Dec(5, rec.XPDTol));
    // Plugs and rings under one label; the sign is in the sub-label, the
    // values print as stored.
    auto pair = [&](PipeLabel label, const char* plugs, std::string plugValue, const char* rings,
                    std::string ringValue) {
        const int first = b.Row({{2, {Text(plugs)}, 0}}, std::move(plugValue));
        b.Row({{2, {Text(rings)}, 0}}, std::move(ringValue));
        b.Span(first, 1, kSub, {std::move(label)});
    };
    auto whole = [&](int32_t v) { return (p.Found & kFoundTols) ? std::to_string(v) : kNAText; };
    auto one = [&](const char* label, const char* sub, double value) {
        b.Row({{1, {Text(label)}, 0}, {2, {Text(sub)}, kSub}}, b.Dec(5, value));
    };
    pair({Text("Tolerance on Lead"), Ref(" 15, 16")}, "Plugs", b.Dec(5, rec.WLeadTol), "Rings",
         b.Dec(5, rec.XLeadTol));
    pair({Text("Tolerance on Half Angle, Minutes"), Ref("18")}, "Plugs (±)", whole(rec.WAngleMin),
         "Rings (±)", whole(rec.XAngleMin));
    pair({Text("Tolerance on Taper"), Ref(" 17, 18")}, "Plugs (+)", b.Dec(5, p.PlugTaperTol),
         "Rings (-)", b.Dec(5, p.RingTaperTol));
    one("Tolerance on Major Diameter", "Plugs (-)", rec.WDiaTol);
    one("Tolerance on Minor Diameter", "Rings (+)", rec.XDiaTol);
    pair({Text("Total Cumulative Tolerance on PD")}, "Plugs", b.Dec(5, p.PlugCumPDTol), "Rings",
         b.Dec(5, p.RingCumPDTol));
    const int standoff = b.Row(std::vector<PipeReportCell>{}, b.Dec(4, p.Standoff));
    b.Span(standoff, 1, t.valueEdge,
           {{Text("Standoff Between Plug and Ring Gages at Gauging Notch for")},
            {Text("Dimensions at Opposite Extreme Tolerance Limits"), Ref("19")}});

    r.noteX = 0.75;
    r.noteGap = 0.25;
    r.picture = PipeDrawing::Tols;
    r.pictureX = 0.75;
}

void Straight(const TTInfo& rec, PipeReportLayout& r) {
    const TThdNPT& p = *rec.Pipe;
    const TThdInfo& ex = rec.ExtThd;
    const TThdInfo& in = rec.IntThd;
    PipeReportTable& t = r.table;
    t.tabs = {{0.05, kLeft}, {2.25, kLeft}, {4.375, kCentre}, {5.1, kLeft}};
    t.valueTab = 4;
    t.width = 6.25;
    t.valueEdge = 5.0;
    constexpr double kGroup = 1.875;
    const double kRows = p.ClassCode == kPipeNPTR ? 3.85 : 3.625;
    Rows b(t, (p.Found & kFoundDims) != 0);
    SizeRows(b, rec, b.Dec(3, p.PipeOD));

    auto row3 = [&](const char* label, PipeLabel ref = {}) {
        PipeLabel l{Text(label)};
        l.insert(l.end(), ref.begin(), ref.end());
        return std::vector<PipeReportCell>{{3, std::move(l), 0}};
    };
    // A sub-label at tab 2 over its rows, values of four decimals.
    auto sub = [&](const char* label,
                   std::vector<std::pair<std::vector<PipeReportCell>, double>> rows) {
        const int first = b.Next();
        for (auto& [cells, v] : rows)
            b.Row(std::move(cells), b.Dec(4, v));
        b.Span(first, 2, kRows, {{Text(label)}});
    };
    switch (p.ClassCode) {
    case kPipeNPSC: {
        r.title = {{Text("Dimensions of Internal Straight Threads in Pipe Couplings, NPSC")}};
        b.Row("Minor Diameter, Minimum", b.Dec(3, in.Minor.Min));
        const int first = b.Row(row3("Min"), b.Dec(4, in.PD.Min));
        b.Row(row3("Max"), b.Dec(4, in.PD.Max));
        b.Span(first, 1, kRows, {{Text("Pitch Diameter "), Ref("9")}});
        break;
    }
    case kPipeNPSM: {
        r.title = {{Text("Dimensions of External and Internal Straight Pipe Threads for Fixtures, "
                         "NPSM")}};
        b.Row("Allowance", b.Dec(4, p.PipeAllowance));
        int g = b.Next();
        sub("Major Diameter", {{row3("Max"), ex.Major.Max}, {row3("Min"), ex.Major.Min}});
        sub("Pitch Diameter", {{row3("Max"), ex.PD.Max}, {row3("Min"), ex.PD.Min}});
        b.Span(g, 1, kGroup, {{Text("External Thread,")}, {Text("Class 2A")}});
        g = b.Next();
        sub("Minor Diameter", {{row3("Min"), in.Minor.Min}, {row3("Max"), in.Minor.Max}});
        sub("Pitch Diameter", {{row3("Min", {Ref("12")}), in.PD.Min}, {row3("Max"), in.PD.Max}});
        b.Span(g, 1, kGroup, {{Text("Internal Thread,")}, {Text("Class 2B")}});
        break;
    }
    case kPipeNPSL: {
        r.title = {{Text("Dimensions of External and Internal Straight Pipe Threads for Locknut")},
                   {Text("Connections, NPSL (Loose Fitting Mechanical Joints)")}};
        int g = b.Next();
        sub("Major Diameter", {{row3("Max", {Ref("13")}), ex.Major.Max}});
        sub("Pitch Diameter", {{row3("Max"), ex.PD.Max}, {row3("Min"), ex.PD.Min}});
        b.Span(g, 1, kGroup, {{Text("External Thread")}});
        g = b.Next();
        sub("Minor Diameter", {{row3("Min", {Ref("13")}), in.Minor.Min}});
        sub("Pitch Diameter", {{row3("Min"), in.PD.Min}, {row3("Max"), in.PD.Max}});
        b.Span(g, 1, kGroup, {{Text("Internal Thread")}});
        break;
    }
    case kPipeNPTR: {
        r.title = {{Text("Dimensions of External and Internal Taper Pipe Threads")},
                   {Text("for Railing Joints, NPTR"), Ref("10")}};
        b.Row("Height of Thread", b.Dec(4, p.ThreadHeight));
        b.Row({{1, {Text("Pitch Diameter at End of External Thread "), Sym("E6")}, 0},
               {3, {Text("Inch")}, kRows}},
              b.Dec(5, p.E6));
        auto length = [&](PipeLabel label, double inch, double threads) {
            const int first = b.InchThreads(3, 5, inch, threads);
            b.Span(first, 1, kRows, {std::move(label)});
        };
        length({Text("Shortening of Thread "), Sym("L6")}, p.L6, p.L6Thds);
        length({Text("Length of Effective Thread (L2-L6)")}, p.L1ToL2, p.L1ToL2Thds);
        length({Text("Total Length of Ext. Thread, Max (L4-L6)")}, p.RingThickness, p.TotalThds);
        length({Text("Incomplete Thds Due to Chamfer of Die, Max (V)")}, p.VanishLen, p.VanishThds);
        auto minimum = [&](const char* label, double v) {
            b.Row({{1, {Text(label)}, 0}, {3, {Text("Min.")}, kRows}}, b.Dec(4, v));
        };
        minimum("Depth of Recess in Fitting (q)", p.RecessDepth);
        minimum("Diameter of Recess in Fitting (Q)", p.RecessDia);
        minimum("Length (T)", p.LengthT);
        const int first = b.Row({{3, {Text("Inch")}, 0}}, b.Dec(5, p.NotchDistance));
        b.Row({{3, {Text("Threads")}, 0}}, b.Dec(2, p.NotchDistanceThds));
        b.Span(first, 1, kRows,
               {{Text("Distance Gage"), Ref("11"), Text(" Notch Comes Below ")},
                {Text("Face of Fitting (S)")}});
        r.picture = PipeDrawing::Gages;
        r.pictureX = 0.75;
        break;
    }
    default:
        break;
    }
    r.noteAfterBlankLines = true;
}

// A table whose file has no row for the size: the rows that still have a
// value (the size, and what another table gave), not a page of "  N/A".
void KeepRowsWithValues(PipeReportTable& t) {
    std::vector<PipeReportRow> kept;
    for (std::size_t i = 0; i < t.rows.size(); ++i) {
        const int row = static_cast<int>(i);
        const bool spanned = std::ranges::any_of(
            t.spans, [row](const PipeReportSpan& s) { return s.first <= row && row <= s.last; });
        if (!spanned && t.rows[i].value != kNAText) kept.push_back(t.rows[i]);
    }
    t.rows = std::move(kept);
    t.spans.clear();
}

} // namespace

PipeReportLayout BuildPipeReport(const TTInfo& rec, PipeReportGroup group) {
    PipeReportLayout r;
    if (!rec.Pipe || rec.TypeCode != kTypeNPT) return r;
    const uint16_t kind = rec.Pipe->ClassCode;
    if (kind < kPipeNPT || kind > kPipeNPSL) return r;
    const bool npt = kind == kPipeNPT;
    // Report 1 of another kind is the straight report.
    if (!npt && group == kPipeReportDims) group = kPipeReportStraight;
    const bool offered =
        npt ? group >= kPipeReportDims && group <= kPipeReportTols : group == kPipeReportStraight;
    if (!offered) return r;
    r.group = group;
    r.designation = PipeDesignation(*rec.Pipe);
    uint8_t table = kFoundDims;
    switch (group) {
    case kPipeReportDims:
        NPTDims(rec, r);
        r.missing = PipeThreadNote(rec);
        break;
    case kPipeReportGauges:
        NPTGauges(rec, r);
        r.missing = PipeGagesNote(rec);
        table = kFoundGages;
        break;
    case kPipeReportTols:
        NPTTols(rec, r);
        r.missing = PipeTolsNote(rec);
        table = kFoundTols;
        break;
    case kPipeReportStraight:
        Straight(rec, r);
        r.missing = PipeThreadNote(rec);
        break;
    default:
        break;
    }
    if ((rec.Pipe->Found & table) == 0) KeepRowsWithValues(r.table);
    return r;
}

double RuleStart(const PipeReportTable& table, int row) {
    double start = 0;
    for (const PipeReportSpan& s : table.spans)
        if (s.first <= row && row < s.last) start = std::max(start, s.right);
    return start;
}

std::vector<double> RowEdges(const PipeReportTable& table, int row) {
    std::vector<double> edges{table.valueEdge};
    for (const PipeReportSpan& s : table.spans)
        if (s.first <= row && row <= s.last) edges.push_back(s.right);
    for (const PipeReportCell& c : table.rows[static_cast<std::size_t>(row)].labels)
        if (c.edge > 0) edges.push_back(c.edge);
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    return edges;
}
