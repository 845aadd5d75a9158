#include "families/mj_tables.h"

#include "core/number_text.h"
#include "core/table_file.h"
#include "core/thread_record.h"

#include <cmath>
#include <cstdint>

namespace {

double Micro(int64_t um) {
    return static_cast<double>(static_cast<long double>(um) / 1000);
}

} // namespace

void ReadMJLimits(TTInfo& rec, bool internal) {
    TThdInfo& m = internal ? rec.IntThd : rec.ExtThd;
    const TableFile file(internal ? "inmj.bin" : "exmj.bin", internal ? kInMJRecord : kExMJRecord);
    const double p = m.Pitch();
    // inmj holds the pitch in thousandths, exmj in hundredths.
    const long pitch = std::lround(p * (internal ? 1000 : 100));
    const std::string cls = UpperCase(m.TolInfoText());
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        if (std::fabs(r.I16(0) / 10.0 - m.NomDia) >= 1e-6 || r.I16(2) != pitch) continue;
        if (UpperCase(Trim(r.Str(4, 4))) != cls) continue;
        if (internal) {
            m.Minor.Min = Micro(r.I32(9));
            m.Minor.Max = Micro(r.I32(13));
            m.PD.Min = Micro(r.I32(17));
            m.PD.Max = Micro(r.I32(21));
            m.Major.Min = Micro(r.I32(27));
            m.Major.Max = Micro(r.I32(31));
        } else {
            m.Major.Max = Micro(r.I32(9));
            m.Major.Min = Micro(r.I32(13));
            m.PD.Max = Micro(r.I32(17));
            m.PD.Min = Micro(r.I32(21));
            m.Minor.Max = Micro(r.I32(27));
            m.Minor.Min = Micro(r.I32(31));
        }
        file.requireOrdered(i, "major", m.Major.Max, m.Major.Min);
        file.requireOrdered(i, "PD", m.PD.Max, m.PD.Min);
        file.requireOrdered(i, "minor", m.Minor.Max, m.Minor.Min);
        m.FromTable = 1;
    }
}

void ReadMJTolerances(TTInfo& rec) {
    const TableFile file("mjallow.bin", kMJAllowRecord);
    const double d = rec.NomDia;
    const long pitch = std::lround(rec.ExtThd.Pitch() * 100);
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        if (!(r.I16(0) / 10.0 < d && d <= r.I16(2) / 10.0) || r.I16(4) != pitch) continue;
        // The external tolerance is stored as the negative deviation it is.
        rec.MJExtPDTol = std::fabs(Micro(r.I16(6)));
        rec.MJIntPDTol = Micro(r.I16(8));
        rec.AllowanceFound = 1;
    }
}

void ReadMJDiaTols(TTInfo& rec, bool internal) {
    TThdInfo& m = internal ? rec.IntThd : rec.ExtThd;
    const double p = m.Pitch();
    if (internal) {
        const TableFile file("mjintol.bin", kMJIntTolRecord);
        for (std::size_t i = 0; i < file.count(); ++i) {
            const TableRecord r = file.record(i);
            if (std::fabs(r.I16(0) / 100.0 - p) < 0.00001) m.Minor.Tol = Micro(r.I16(2));
        }
    } else {
        const TableFile file("mjextol.bin", kMJExtTolRecord);
        for (std::size_t i = 0; i < file.count(); ++i) {
            const TableRecord r = file.record(i);
            if (std::fabs(r.F64(0) - p) < 0.00001) m.Major.Tol = r.F64(8);
        }
    }
}
