#include "families/acme_tables.h"

#include "core/table_file.h"
#include "core/thread_record.h"

#include <cmath>
#include <cstdint>

namespace {

// Fixed-point field to inches: divided in extended precision, kept as a double.
double Scaled(int64_t value, long double scale) {
    return static_cast<double>(static_cast<long double>(value) / scale);
}

// Byte offset of 32-bit field k (counted from 1).
constexpr std::size_t F(int k) {
    return static_cast<std::size_t>(k - 1) * 4;
}

// Column of a class-dependent field: 0 for 2G up to 3 for 5G; -1 for any other class.
int ClassColumn(const std::string& cls) {
    if (cls == "2G") return 0;
    if (cls == "3G") return 1;
    if (cls == "4G") return 2;
    if (cls == "5G") return 3;
    return -1;
}

} // namespace

void ReadAcmeTable(TTInfo& rec) {
    const TableFile file("acmetbl.bin", kAcmeTblRecord);
    TThdInfo& ext = rec.ExtThd;
    TThdInfo& in = rec.IntThd;
    ext.FromTable = 0;
    in.FromTable = 0;
    const int col = ClassColumn(rec.ClassText);
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        if (Scaled(r.I32(F(1)), 1000000) != rec.NomDia) continue;
        if (std::fabs(static_cast<long double>(rec.TPI) - r.I32(F(2)) / 1000000.0L) >= 0.001L)
            continue;
        auto v = [&](int k) { return Scaled(r.I32(F(k)), 1000000); };
        ext.Major.Max = v(3);
        ext.Major.Min = v(4);
        ext.Minor.Max = v(5);
        in.Major.Min = v(18);
        in.Major.Max = v(19);
        in.Minor.Min = v(20);
        in.Minor.Max = v(21);
        if (col >= 0) {
            ext.Minor.Min = v(6 + col);
            ext.PD.Max = v(10 + 2 * col);
            ext.PD.Min = v(11 + 2 * col);
            in.PD.Min = v(22 + 2 * col);
            in.PD.Max = v(23 + 2 * col);
        }
        ext.FromTable = 1;
        in.FromTable = 1;
        file.requireOrdered(i, "external major", ext.Major.Max, ext.Major.Min);
        file.requireOrdered(i, "internal major", in.Major.Max, in.Major.Min);
        file.requireOrdered(i, "internal minor", in.Minor.Max, in.Minor.Min);
        if (col >= 0) {
            file.requireOrdered(i, "external minor", ext.Minor.Max, ext.Minor.Min);
            file.requireOrdered(i, "external PD", ext.PD.Max, ext.PD.Min);
            file.requireOrdered(i, "internal PD", in.PD.Max, in.PD.Min);
        }
    }
}

void ReadAcmeAllowances(TTInfo& rec) {
    const TableFile file("acmeall.bin", kAcmeAllRecord);
    rec.AllowanceFound = 0;
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        const double from = Scaled(r.I32(0), 10000);
        const double to = Scaled(r.I32(4), 10000);
        if (!(from < rec.NomDia && rec.NomDia <= to)) continue;
        rec.Allowance[4] = Scaled(r.I16(8), 10000);
        rec.Allowance[5] = Scaled(r.I16(10), 10000);
        rec.Allowance[6] = Scaled(r.I16(12), 10000);
        rec.AllowanceFound = 1;
    }
}

void ReadAcmeGaugeTols(TTInfo& rec) {
    const TableFile file("acmego.bin", kAcmeGoRecord);
    const long double n = rec.TPI;
    bool previousAbove = false;
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        const long double tpi = r.I16(0) / 1000.0L;
        // Rows run from fine to coarse; a pitch between two rows takes the coarser.
        if (std::fabs(tpi - n) < 0.001L || (tpi < n && previousAbove)) {
            rec.XAngleDeg = r.I16(2);
            rec.XAngleMin = r.I16(4);
            // The diameter tolerance first, then the pitch diameter's, as in
            // every gauge tolerance table; only the first differs by class.
            rec.XDiaTol = Scaled(r.I16(rec.ClassText == "2G" ? 6 : 8), 10000);
            rec.XPDTol = Scaled(r.I16(10), 10000);
            rec.XLeadTol = -1; // the table gives none
        }
        previousAbove = tpi - n >= 0.001L;
    }
}
