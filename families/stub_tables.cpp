#include "families/stub_tables.h"

#include "core/table_file.h"
#include "core/thread_record.h"

#include <cmath>
#include <cstdint>

namespace {

// Fixed-point field to inches: divided in extended precision, kept as a double.
double Scaled(int64_t value, long double scale) {
    return static_cast<double>(static_cast<long double>(value) / scale);
}

} // namespace

void ReadStubTable(TTInfo& rec) {
    const TableFile file("stubtbl.bin", kStubTblRecord);
    TThdInfo& ext = rec.ExtThd;
    TThdInfo& in = rec.IntThd;
    ext.FromTable = 0;
    in.FromTable = 0;
    // The rows hold class 2G, the one class B1.8 tabulates; 3G and 4G are
    // calculated with their own tolerances.
    if (rec.ClassText != "2G") return;
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        auto v = [&](int k) { return Scaled(r.I32(static_cast<std::size_t>(k) * 4), 1000000); };
        if (v(0) != rec.NomDia || static_cast<float>(v(1)) != rec.TPI) continue;
        ext.Major.Max = v(2);
        ext.Major.Min = v(3);
        ext.PD.Max = v(4);
        ext.PD.Min = v(5);
        ext.Minor.Max = v(6);
        ext.Minor.Min = v(7);
        in.Major.Min = v(8);
        in.Major.Max = v(9);
        in.PD.Min = v(10);
        in.PD.Max = v(11);
        in.Minor.Min = v(12);
        in.Minor.Max = v(13);
        ext.FromTable = 1;
        in.FromTable = 1;
        for (const TThdInfo* m : {&ext, &in}) {
            const std::string side = m == &ext ? "external " : "internal ";
            file.requireOrdered(i, side + "major", m->Major.Max, m->Major.Min);
            file.requireOrdered(i, side + "PD", m->PD.Max, m->PD.Min);
            file.requireOrdered(i, side + "minor", m->Minor.Max, m->Minor.Min);
        }
    }
}

void ReadStubAllowance(TTInfo& rec) {
    rec.AllowanceFound = 0;
    if (rec.ClassText != "2G") return;
    const TableFile file("stuball.bin", kStubAllRecord);
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        const double from = Scaled(r.I32(0), 10000);
        const double to = Scaled(r.I32(4), 10000);
        if (!(from < rec.NomDia && rec.NomDia <= to)) continue;
        rec.Allowance[4] = Scaled(r.I16(8), 10000);
        rec.AllowanceFound = 1;
    }
}

void ReadStubGaugeTols(TTInfo& rec) {
    const TableFile file("stubgo.bin", kStubGoRecord);
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        if (std::fabs(r.I16(0) / 1000.0L - rec.TPI) > 0.0001L) continue;
        rec.XAngleDeg = r.I16(2);
        rec.XAngleMin = r.I16(4);
        // The file holds the pitch diameter tolerance before the diameter's.
        rec.XPDTol = Scaled(r.I16(6), 10000);
        rec.XDiaTol = Scaled(r.I16(8), 10000);
        rec.XLeadTol = -1; // the table gives none
    }
}
