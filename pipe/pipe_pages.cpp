#include "pipe/pipe_pages.h"

#include "core/number_text.h"
#include "core/pipe_record.h"
#include "core/thread_record.h"
#include "pipe/pipe_text.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A grid of `rows` x `cols` empty cells with the value column headings in row 0.
PipeGrid EmptyGrid(int rows, int cols, std::initializer_list<const char*> headings) {
    const std::vector<std::string> empty(static_cast<std::size_t>(cols));
    PipeGrid g(static_cast<std::size_t>(rows), empty);
    std::size_t c = 1;
    for (const char* h : headings)
        g[0][c++] = h;
    return g;
}

// Fills row `row` from column 0 on: caption first, then the value texts.
void Row(PipeGrid& g, int row, std::initializer_list<std::string> cells) {
    std::size_t c = 0;
    for (const std::string& s : cells)
        g[static_cast<std::size_t>(row)][c++] = s;
}

// A value of a table that held the size, or "  N/A" for one that did not:
// a zero there is not a value of the standard.
std::string Dec(bool found, int decimals, double v) {
    return found ? DecText(decimals, v) : kNAText;
}

// A gauge size: no gauge measures 0, so a 0 is a value the table left empty.
std::string Size(bool found, double v) {
    return Dec(found && v != 0, 5, v);
}

std::string Whole(bool found, int32_t v) {
    return found ? std::to_string(v) : kNAText;
}

// Tolerances that make a ring smaller read as minus values (never "-0.00000").
double Minus(double v) {
    return v == 0 ? 0 : -v;
}

std::string TPI(const TTInfo& rec, const TThdNPT& p) {
    return p.Found & (kFoundDims | kFoundGages) ? PipeTPIText(rec.TPI) : kNAText;
}

std::string Pitch(const TTInfo& rec, const TThdNPT& p) {
    return p.Found & (kFoundDims | kFoundGages) ? Len5Text(1.0 / rec.TPI) : kNAText;
}

PipeGrid NPTDims(const TTInfo& rec, const TThdNPT& p) {
    const bool f = (p.Found & kFoundDims) != 0;
    PipeGrid g = EmptyGrid(20, 3, {"Inch", "Threads"});
    Row(g, 1, {"Nominal Pipe Size", p.SizeText});
    Row(g, 2, {"O.D. of Pipe", Len4Text(p.PipeOD)});
    Row(g, 3, {"Threads / In.", TPI(rec, p)});
    Row(g, 4, {"Pitch of Thread", Pitch(rec, p)});
    Row(g, 5, {"PD at Beginning of Ext. Thd.", Len5Text(p.E0)});
    Row(g, 6, {"Handtight Engagement Length (L1)", Dec(f, 4, p.L1), Dec(f, 2, p.L1Thds)});
    Row(g, 7, {"Handtight Engagement Dia. (E1)", Dec(f, 5, p.E1)});
    Row(g, 8, {"Effective Thd. Ext. Length (L2)", Dec(f, 4, p.L2), Dec(f, 2, p.L2Thds)});
    Row(g, 9, {"Effective Thd. Ext. Dia. (E2)", Dec(f, 5, p.E2)});
    Row(g, 10, {"L1 Plane to L2 Plane", Dec(f, 4, p.L1ToL2), Dec(f, 2, p.L1ToL2Thds)});
    // The standard gives the wrench makeup in fractions of a thread to four places.
    Row(g, 11, {"Wrench Makeup Length (L3)", Dec(f, 4, p.L3), Dec(f, 4, p.L3Thds)});
    Row(g, 12, {"Wrench Makeup Dia. (E3)", Dec(f, 5, p.E3)});
    Row(g, 13, {"Vanish Thread (V)", Dec(f, 4, p.VanishLen), Dec(f, 2, p.VanishThds)});
    Row(g, 14, {"Overall Length Ext.", Dec(f, 4, p.L4)});
    Row(g, 15, {"Nom. Complete Ext. Length (L5)", Dec(f, 4, p.L5)});
    Row(g, 16, {"Nom. Complete Ext. Dia. (E5)", Dec(f, 5, p.E5)});
    Row(g, 17, {"Thread Height (Ref.)", Dec(f, 5, p.ThreadHeight)});
    Row(g, 18, {"Increase in Dia / Thd.", Dec(f, 5, p.DiaIncPerThd)});
    Row(g, 19, {"Basic Minor Dia @ Small End (Ko)", Dec(f, 4, rec.ExtThd.Minor.Gage)});
    return g;
}

PipeGrid NPTGages(const TTInfo& rec, const TThdNPT& p) {
    const bool f = (p.Found & kFoundGages) != 0;
    PipeGrid g = EmptyGrid(10, 4, {"Plug: Major", "ALL PD", "Ring: Minor"});
    const TThdInfo& plug = rec.GoPlug;
    const TThdInfo& ring = rec.GoRing;
    Row(g, 1, {"Nominal Pipe Size", p.SizeText});
    Row(g, 2, {"OD of Pipe", Len4Text(p.PipeOD)});
    Row(g, 3, {"Threads / in.", TPI(rec, p)});
    Row(g, 4, {"Pitch of Thread", Pitch(rec, p)});
    Row(g, 5,
        {"Small End (E0) Plane", Size(f, plug.Major.Min), Size(f, plug.PD.Min),
         Size(f, ring.Minor.Min)});
    Row(g, 6,
        {"Gaging Notch (E1) Plane", Size(f, plug.Major.Gage), Size(f, plug.PD.Gage),
         Size(f, ring.Minor.Gage)});
    Row(g, 7, {"Large End (E2) Plane", Size(f, plug.Major.Max), Size(f, plug.PD.Max)});
    const bool either = (p.Found & (kFoundDims | kFoundGages)) != 0;
    Row(g, 8, {"Inc. Dia / Thd (0.0625/n)", Size(either, p.DiaIncPerThd)});
    Row(g, 9, {"Thickness of Ring (L1)", Size(f, p.RingThickness)});
    return g;
}

PipeGrid NPTTols(const TTInfo& rec, const TThdNPT& p) {
    const bool f = (p.Found & kFoundTols) != 0;
    PipeGrid g = EmptyGrid(12, 3, {"Plugs", "Rings"});
    Row(g, 1, {"Nominal Pipe Size", p.SizeText});
    Row(g, 2, {"OD of Pipe", Len4Text(p.PipeOD)});
    Row(g, 3, {"Threads / in.", TPI(rec, p)});
    Row(g, 4, {"Tol. on PD (\u00B1)", Dec(f, 5, rec.XPDTol), Dec(f, 5, rec.XPDTol)});
    Row(g, 5, {"Tol. on Lead", Dec(f, 5, rec.WLeadTol), Dec(f, 5, rec.XLeadTol)});
    Row(g, 6,
        {"Tol. on Half Angle (mins, \u00B1)", Whole(f, rec.WAngleMin), Whole(f, rec.XAngleMin)});
    Row(g, 7, {"Tol. on Taper", Dec(f, 5, p.PlugTaperTol), Dec(f, 5, Minus(p.RingTaperTol))});
    Row(g, 8, {"Tol. on Major Dia", Dec(f, 5, rec.WDiaTol), ""});
    Row(g, 9, {"Tol. on Minor Dia", "", Dec(f, 5, Minus(rec.XDiaTol))});
    Row(g, 10, {"Total Cum. Tols on PD", Dec(f, 5, p.PlugCumPDTol), Dec(f, 5, p.RingCumPDTol)});
    Row(g, 11, {"Standoff", Dec(f, 4, p.Standoff), Dec(f, 4, p.Standoff)});
    return g;
}

PipeGrid NPSCDims(const TTInfo& rec, const TThdNPT& p) {
    const bool f = (p.Found & kFoundDims) != 0;
    PipeGrid g = EmptyGrid(7, 2, {"Inch"});
    Row(g, 1, {"Nominal Pipe Size", p.SizeText});
    Row(g, 2, {"O.D. of Pipe", Len3Text(p.PipeOD)});
    Row(g, 3, {"Threads / In.", TPI(rec, p)});
    Row(g, 4, {"Minor Dia. Min", Dec(f, 3, rec.IntThd.Minor.Min)});
    Row(g, 5, {"PD Min", Dec(f, 4, rec.IntThd.PD.Min)});
    Row(g, 6, {"PD Max", Dec(f, 4, rec.IntThd.PD.Max)});
    return g;
}

PipeGrid NPTRDims(const TTInfo& rec, const TThdNPT& p) {
    const bool f = (p.Found & kFoundDims) != 0;
    PipeGrid g = EmptyGrid(14, 3, {"Inch", "Threads"});
    Row(g, 1, {"Nominal Pipe Size", p.SizeText});
    Row(g, 2, {"O.D. of Pipe", Len3Text(p.PipeOD)});
    Row(g, 3, {"Threads / In.", TPI(rec, p)});
    Row(g, 4, {"Thread Height (Ref.)", Dec(f, 4, p.ThreadHeight)});
    Row(g, 5, {"PD at End of Ext. Thd (E6)", Dec(f, 5, p.E6)});
    Row(g, 6, {"Shortening of Thd. Length", Dec(f, 4, p.L6), Dec(f, 2, p.L6Thds)});
    Row(g, 7, {"Effective Thd. Length", Dec(f, 4, p.L1ToL2), Dec(f, 2, p.L1ToL2Thds)});
    Row(g, 8, {"Total Ext. Thd. Length", Dec(f, 4, p.RingThickness), Dec(f, 2, p.TotalThds)});
    Row(g, 9, {"Incomplete Thd Due to Chamfer", Dec(f, 4, p.VanishLen), Dec(f, 2, p.VanishThds)});
    Row(g, 10, {"Depth of Recess in Fitting (q)", Dec(f, 4, p.RecessDepth)});
    Row(g, 11, {"Dia of Recess in Fitting (Q)", Dec(f, 4, p.RecessDia)});
    Row(g, 12, {"Length (T)", Dec(f, 4, p.LengthT)});
    Row(g, 13,
        {"Distance Gage Notch from Fitting (S)", Dec(f, 4, p.NotchDistance),
         Dec(f, 2, p.NotchDistanceThds)});
    return g;
}

PipeGrid NPSMDims(const TTInfo& rec, const TThdNPT& p) {
    const bool f = (p.Found & kFoundDims) != 0;
    PipeGrid g = EmptyGrid(13, 2, {"Inch"});
    Row(g, 1, {"Nominal Pipe Size", p.SizeText});
    Row(g, 2, {"O.D. of Pipe", Len3Text(p.PipeOD)});
    Row(g, 3, {"Threads / In.", TPI(rec, p)});
    Row(g, 4, {"Allowance", Dec(f, 4, p.PipeAllowance)});
    Row(g, 5, {"Ext. Major Dia Max", Dec(f, 4, rec.ExtThd.Major.Max)});
    Row(g, 6, {"Ext. Major Dia Min", Dec(f, 4, rec.ExtThd.Major.Min)});
    Row(g, 7, {"Ext. PD Max", Dec(f, 4, rec.ExtThd.PD.Max)});
    Row(g, 8, {"Ext. PD Min", Dec(f, 4, rec.ExtThd.PD.Min)});
    Row(g, 9, {"Int. Minor Dia Min", Dec(f, 4, rec.IntThd.Minor.Min)});
    Row(g, 10, {"Int. Minor Dia Max", Dec(f, 4, rec.IntThd.Minor.Max)});
    Row(g, 11, {"Int. PD Min", Dec(f, 4, rec.IntThd.PD.Min)});
    Row(g, 12, {"Int. PD Max", Dec(f, 4, rec.IntThd.PD.Max)});
    return g;
}

PipeGrid NPSLDims(const TTInfo& rec, const TThdNPT& p) {
    const bool f = (p.Found & kFoundDims) != 0;
    PipeGrid g = EmptyGrid(10, 2, {"Inch"});
    Row(g, 1, {"Nominal Pipe Size", p.SizeText});
    Row(g, 2, {"O.D. of Pipe", Len4Text(p.PipeOD)});
    Row(g, 3, {"Threads / In.", TPI(rec, p)});
    Row(g, 4, {"Ext. Major Dia Max", Dec(f, 4, rec.ExtThd.Major.Max)});
    Row(g, 5, {"Ext. PD Max", Dec(f, 4, rec.ExtThd.PD.Max)});
    Row(g, 6, {"Ext. PD Min", Dec(f, 4, rec.ExtThd.PD.Min)});
    Row(g, 7, {"Int. Minor Dia Min", Dec(f, 4, rec.IntThd.Minor.Min)});
    Row(g, 8, {"Int. PD Min", Dec(f, 4, rec.IntThd.PD.Min)});
    Row(g, 9, {"Int. PD Max", Dec(f, 4, rec.IntThd.PD.Max)});
    return g;
}

std::string SeeTables(const std::string& what) {
    return what + " \xE2\x80\x94 see Help \xE2\x80\xBA Tables";
}

bool Has(const TThdNPT& p, uint8_t table) {
    return (p.Found & table) != 0;
}

// "a", "a or b", "a, b or c".
std::string OrList(const std::vector<std::string>& items) {
    std::string s;
    for (std::size_t i = 0; i < items.size(); ++i)
        s += (i == 0 ? "" : i + 1 == items.size() ? " or " : ", ") + items[i];
    return s;
}

} // namespace

std::string PipeThreadNote(const TTInfo& rec) {
    if (!rec.Pipe || Has(*rec.Pipe, kFoundDims)) return {};
    const std::string kind = PipeKindText(rec.Pipe->ClassCode);
    if (kind.empty()) return {};
    // A table without a single row (NPTR as it ships) lacks every size, not this one.
    if (rec.Pipe->DimsTableEmpty) return SeeTables("the " + kind + " dimension table has no rows");
    return SeeTables("no " + kind + " dimension table for this size");
}

std::string PipeGagesNote(const TTInfo& rec) {
    if (!rec.Pipe || rec.Pipe->ClassCode != kPipeNPT) return {};
    const TThdNPT& p = *rec.Pipe;
    if (!Has(p, kFoundGages)) return SeeTables("no NPT gauge dimension table for this size");
    // The gauge sizes the page shows as "  N/A": cells the table leaves empty.
    const TThdInfo& plug = rec.GoPlug;
    const TThdInfo& ring = rec.GoRing;
    auto anyZero = [](std::initializer_list<double> v) {
        return std::ranges::find(v, 0.0) != v.end();
    };
    std::vector<std::string> diameters, missing;
    if (anyZero({plug.Major.Min, plug.Major.Gage, plug.Major.Max}))
        diameters.emplace_back("plug major");
    if (anyZero({plug.PD.Min, plug.PD.Gage, plug.PD.Max})) diameters.emplace_back("pitch");
    if (anyZero({ring.Minor.Min, ring.Minor.Gage})) diameters.emplace_back("ring minor");
    if (!diameters.empty()) missing.push_back(OrList(diameters) + " diameters");
    if (p.DiaIncPerThd == 0) missing.emplace_back("increase per thread");
    if (p.RingThickness == 0) missing.emplace_back("ring thickness");
    if (missing.empty()) return {};
    return SeeTables("no " + OrList(missing) + " in the NPT gauge table for this size");
}

std::string PipeTolsNote(const TTInfo& rec) {
    if (!rec.Pipe || rec.Pipe->ClassCode != kPipeNPT || Has(*rec.Pipe, kFoundTols)) return {};
    return SeeTables("no NPT gauge tolerance table for this size");
}

PipePagesText BuildPipePages(const TTInfo& rec) {
    PipePagesText t;
    if (!rec.Pipe) return t;
    const TThdNPT& p = *rec.Pipe;
    t.caption = PipeDesignation(p);
    switch (rec.ExtThd.ClassCode) {
    case kPipeNPT:
        t.thread = NPTDims(rec, p);
        t.threadDrawing = PipeDrawing::ThreadDims;
        t.gages = NPTGages(rec, p);
        t.tols = NPTTols(rec, p);
        break;
    case kPipeNPSC:
        t.thread = NPSCDims(rec, p);
        break;
    case kPipeNPTR:
        t.thread = NPTRDims(rec, p);
        t.threadDrawing = PipeDrawing::Gages;
        break;
    case kPipeNPSM:
        t.thread = NPSMDims(rec, p);
        break;
    case kPipeNPSL:
        t.thread = NPSLDims(rec, p);
        break;
    default:
        break;
    }
    t.threadNote = PipeThreadNote(rec);
    if (!t.gages.empty()) t.gagesNote = PipeGagesNote(rec);
    if (!t.tols.empty()) t.tolsNote = PipeTolsNote(rec);
    return t;
}
