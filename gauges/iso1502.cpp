#include "gauges/iso1502.h"

#include "core/number_text.h"
#include "core/rounding.h"
#include "core/table_file.h"
#include "core/thread_record.h"

#include <cmath>
#include <initializer_list>

namespace {

// Table values are micrometres stored x10 (the table has half micrometres).
double Tenths(const TableRecord& r, std::size_t at) {
    return r.I32(at) / 10.0;
}

Iso1502Row RowOf(const TableRecord& r) {
    Iso1502Row row;
    double* fields[] = {&row.over, &row.upTo, &row.tR,   &row.tPL,   &row.tCP,  &row.m,
                        &row.zR,   &row.zPL,  &row.wGoR, &row.wGoPL, &row.wNgR, &row.wNgPL};
    std::size_t at = 0;
    for (double* f : fields) {
        *f = Tenths(r, at);
        at += 4;
    }
    return row;
}

const char* const kSeeTables = " \xE2\x80\x94 see Help \xE2\x80\xBA Tables";

// The band of the tolerance, or the reason there is none.
const Iso1502Row* FindRow(const std::vector<Iso1502Row>& rows, double td2, const char* name,
                          std::string& reason) {
    for (const Iso1502Row& r : rows)
        if (r.over < td2 && td2 <= r.upTo) return &r;
    reason = std::string("no ISO 1502 row for ") + name + " " + MicrometreText(td2) + " \xC2\xB5m";
    reason += rows.empty() ? " (the table has no rows)"
                           : " (the table covers over " + MicrometreText(rows.front().over) +
                                 " up to " + MicrometreText(rows.back().upTo) + " \xC2\xB5m)";
    reason += kSeeTables;
    return nullptr;
}

// Every limit a finite, positive length and no maximum below its minimum.
bool Sane(const Iso1502Gauge& g) {
    for (double v : {g.pdMax, g.pdMin, g.wearLimit, g.majorMax, g.majorMin, g.minorMax, g.minorMin})
        if (!std::isfinite(v) || v < 0) return false;
    auto ordered = [](double max, double min) { return max == 0 || min == 0 || max >= min; };
    return g.pdMax > 0 && g.pdMin > 0 && ordered(g.pdMax, g.pdMin) &&
           ordered(g.majorMax, g.majorMin) && ordered(g.minorMax, g.minorMin);
}

void CheckSane(Iso1502Side& s) {
    if (!s.reason.empty()) return;
    for (const Iso1502Gauge* g : {&s.go, &s.noGo})
        if (!Sane(*g)) {
            s.reason = "the ISO 1502 limits of this thread come out below zero or reversed: the "
                       "thread is too small for its pitch";
            return;
        }
}

double TolerancePD(const TDimLimits& pd) {
    return RoundTo((pd.UncoatedMax - pd.UncoatedMin) * 1000, 3);
}

} // namespace

std::vector<Iso1502Row> ReadIso1502Table() {
    const TableFile file(kIso1502Table, kIso1502Record);
    std::vector<Iso1502Row> rows;
    for (std::size_t i = 0; i < file.count(); ++i) {
        const Iso1502Row row = RowOf(file.record(i));
        if (const std::string why = Iso1502RowProblem(row); !why.empty()) file.damaged(i, why);
        if (!rows.empty() && row.over != rows.back().upTo)
            file.damaged(i, "its band does not follow the one before it");
        rows.push_back(row);
    }
    return rows;
}

Iso1502Gauges CalcIso1502Gauges(const TTInfo& rec) {
    Iso1502Gauges g;
    const TThdInfo& in = rec.IntThd;
    const TThdInfo& ex = rec.ExtThd;
    if (ex.TypeCode != kTypeM) {
        g.reason = ex.TypeCode == kTypeMJ
                       ? "ISO 1502 covers M threads only: it gives no gauges for MJ threads"
                       : "ISO 1502 covers M threads only";
        return g;
    }
    std::vector<Iso1502Row> rows;
    try {
        rows = ReadIso1502Table();
    } catch (const TableError& e) {
        g.reason = (e.reason() == kTableDamaged ? "the ISO 1502 gauge table is damaged"
                                                : "no ISO 1502 gauge table") +
                   std::string(kSeeTables) + " (" + e.what() + ")";
        return g;
    }
    g.plated = rec.Coating > 0;
    // Gauges check the finished thread: the limits of the standard, not the
    // ones a plating allowance moved.
    const double p = ex.Pitch();
    const double h = 0.866025 * p;
    const double f1 = 0.1 * p;
    const double um = 0.001;

    Iso1502Side& pl = g.plugs;
    pl.td2 = TolerancePD(in.PD);
    if (const Iso1502Row* r = FindRow(rows, pl.td2, "TD2", pl.reason)) {
        pl.row = *r;
        const double d2min = in.PD.UncoatedMin, d2max = in.PD.UncoatedMax;
        const double dMin = in.Major.UncoatedMin;  // D + EI
        const double d1Min = in.Minor.UncoatedMin; // D1 + EI
        const double t = r->tPL * um, z = r->zPL * um;
        pl.go.pdMin = d2min + z - t / 2;
        pl.go.pdMax = d2min + z + t / 2;
        pl.go.wearLimit = d2min + z - r->wGoPL * um;
        pl.go.majorMin = dMin + z - t;
        pl.go.majorMax = dMin + z + t;
        pl.go.minorMax = d1Min - h / 6;
        pl.noGo.pdMin = d2max;
        pl.noGo.pdMax = d2max + t;
        pl.noGo.wearLimit = d2max + t / 2 - r->wNgPL * um;
        pl.noGo.majorMin = d2max + t / 2 + 2 * f1 - t;
        pl.noGo.majorMax = d2max + t / 2 + 2 * f1 + t;
        pl.noGo.minorMax = d1Min - h / 6;
    }
    CheckSane(pl);

    Iso1502Side& ri = g.rings;
    ri.td2 = TolerancePD(ex.PD);
    if (const Iso1502Row* r = FindRow(rows, ri.td2, "Td2", ri.reason)) {
        ri.row = *r;
        const double d2max = ex.PD.UncoatedMax, d2min = ex.PD.UncoatedMin;
        const double dMax = ex.Major.UncoatedMax; // d + es
        // d1 + es, d1 = d - 1.082532 P; es of the pitch diameter's position.
        const double d1Max = rec.NomDia - 1.082532 * p - ex.PD.Dev;
        const double t = r->tR * um, z = r->zR * um, tp = r->tPL * um, tc = r->tCP * um;
        ri.go.pdMin = d2max - z - t / 2;
        ri.go.pdMax = d2max - z + t / 2;
        ri.go.wearLimit = d2max - z + r->wGoR * um;
        ri.go.minorMin = d1Max - t / 2;
        ri.go.minorMax = d1Max + t / 2;
        ri.go.majorMin = dMax + tp + h / 12;
        ri.noGo.pdMin = d2min - t;
        ri.noGo.pdMax = d2min;
        ri.noGo.wearLimit = d2min - t / 2 + r->wNgR * um;
        ri.noGo.minorMin = d2min - t / 2 - 2 * f1 - t;
        ri.noGo.minorMax = d2min - t / 2 - 2 * f1 + t;
        ri.noGo.majorMin = dMax + tp / 2 + h / 12;
        // The check plugs sit on the rings' wear limits.
        ri.goCheck.pdMin = ri.go.wearLimit - tc / 2;
        ri.goCheck.pdMax = ri.go.wearLimit + tc / 2;
        ri.noGoCheck.pdMin = ri.noGo.wearLimit - tc / 2;
        ri.noGoCheck.pdMax = ri.noGo.wearLimit + tc / 2;
    }
    CheckSane(ri);
    return g;
}

double Iso1502Round(double mm) {
    // RoundTo keeps the tables' rule for negative values; a margin rounds by its size.
    return mm < 0 ? -RoundTo(-mm, 4) : RoundTo(mm, 4);
}

std::string MicrometreText(double um) {
    // Whole micrometres as whole numbers, the table's half micrometres with one decimal.
    const double r = um < 0 ? -RoundTo(-um, 1) : RoundTo(um, 1);
    return Trim(FormatFixed(r, 1, r == std::trunc(r) ? 0 : 1));
}

Iso1502Wear JudgeIso1502Plug(const Iso1502Gauge& plug, double measuredPD) {
    const double pd = Iso1502Round(measuredPD);
    if (pd > Iso1502Round(plug.pdMax)) return Iso1502Wear::Oversize;
    if (pd >= Iso1502Round(plug.pdMin)) return Iso1502Wear::New;
    if (pd >= Iso1502Round(plug.wearLimit)) return Iso1502Wear::WornUsable;
    return Iso1502Wear::BeyondWearLimit;
}

std::string Iso1502WearWord(Iso1502Wear w) {
    switch (w) {
    case Iso1502Wear::New:
        return "new";
    case Iso1502Wear::WornUsable:
        return "worn but usable";
    case Iso1502Wear::BeyondWearLimit:
        return "beyond wear limit";
    case Iso1502Wear::Oversize:
        break;
    }
    return "oversize";
}
