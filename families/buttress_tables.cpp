#include "families/buttress_tables.h"

#include "core/table_file.h"
#include "core/thread_record.h"

#include <cstdint>

namespace {

double Scaled(const TableRecord& r, std::size_t offset, long double scale) {
    return static_cast<double>(r.I16(offset) / scale);
}

// Whether a row (threads per inch x 100) applies to the thread.
bool RowApplies(const TableRecord& r, double tpi) {
    return r.I16(0) / 100.0L >= static_cast<long double>(tpi) - 1e-6L;
}

} // namespace

void ReadButtressGaugeTolsX(TTInfo& rec) {
    const TableFile file("but745x.bin", kBut745XRecord);
    const double d = rec.NomDia;
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        if (!RowApplies(r, rec.ExtThd.TPI)) continue;
        rec.XLeadTol = Scaled(r, 2, 10000);
        // One tolerance in minutes for both flanks.
        rec.XAngleDeg = 0;
        rec.XAngleMin = r.I16(4);
        rec.XDiaTol = Scaled(r, d <= 4 ? 6 : 8, 10000);
        if (d > 24)
            rec.XPDTol = 0;
        else
            rec.XPDTol = Scaled(r,
                                d <= 1.5  ? 10
                                : d <= 4  ? 12
                                : d <= 8  ? 14
                                : d <= 12 ? 16
                                : d <= 18 ? 18
                                          : 20,
                                10000);
    }
}

void ReadButtressGaugeTolsW(TTInfo& rec) {
    const TableFile file("but745w.bin", kBut745WRecord);
    const double d = rec.NomDia;
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        if (!RowApplies(r, rec.ExtThd.TPI)) continue;
        rec.WLeadTol = Scaled(r, 2, 100000);
        // Minutes of the 7-degree flank, then of the 45-degree flank.
        rec.WAngleDeg = r.I16(4);
        rec.WAngleMin = r.I16(6);
        rec.WDiaTol = Scaled(r, d <= 4 ? 8 : 10, 10000);
        if (d > 24)
            rec.WPDTol = 0;
        else if (d > 12)
            rec.WPDTol = Scaled(r, d <= 18 ? 20 : 22, 10000);
        else
            rec.WPDTol = Scaled(r, d <= 1.5 ? 12 : d <= 4 ? 14 : d <= 8 ? 16 : 18, 100000);
    }
}
