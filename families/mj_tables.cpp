#include "families/mj_tables.h"

#include "core/number_text.h"
#include "core/table_file.h"
#include "core/thread_record.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

double Micro(int64_t um)
{
    return static_cast<double>(static_cast<long double>(um) / 1000);
}

int16_t S16(const TableRecord& r, std::size_t offset)
{
    return static_cast<int16_t>(r.U16(offset));
}

// A little-endian IEEE double of the record.
double F64(const TableRecord& r, std::size_t offset)
{
    const uint64_t low = static_cast<uint32_t>(r.I32(offset));
    const uint64_t high = static_cast<uint32_t>(r.I32(offset + 4));
    const uint64_t bits = low | (high << 32);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

void ReadMJLimits(TTInfo& rec, bool internal)
{
    TThdInfo& m = internal ? rec.IntThd : rec.ExtThd;
    const TableFile file(internal ? "inmj.bin" : "exmj.bin", internal ? kInMJRecord : kExMJRecord);
    const double p = m.Pitch();
    // inmj holds the pitch in thousandths, exmj in hundredths.
    const long pitch = std::lround(p * (internal ? 1000 : 100));
    const std::string cls = UpperCase(m.TolInfoText());
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        if (std::fabs(S16(r, 0) / 10.0 - m.NomDia) >= 1e-6 || S16(r, 2) != pitch) continue;
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
        m.FromTable = 1;
    }
}

void ReadMJTolerances(TTInfo& rec)
{
    const TableFile file("mjallow.bin", kMJAllowRecord);
    const double d = rec.NomDia;
    const long pitch = std::lround(rec.ExtThd.Pitch() * 100);
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        if (!(S16(r, 0) / 10.0 < d && d <= S16(r, 2) / 10.0) || S16(r, 4) != pitch) continue;
        // The external tolerance is stored as the negative deviation it is.
        rec.MJExtPDTol = std::fabs(Micro(S16(r, 6)));
        rec.MJIntPDTol = Micro(S16(r, 8));
        rec.AllowanceFound = 1;
    }
}

void ReadMJDiaTols(TTInfo& rec, bool internal)
{
    TThdInfo& m = internal ? rec.IntThd : rec.ExtThd;
    const double p = m.Pitch();
    if (internal) {
        const TableFile file("mjintol.bin", kMJIntTolRecord);
        for (std::size_t i = 0; i < file.count(); ++i) {
            const TableRecord r = file.record(i);
            if (std::fabs(S16(r, 0) / 100.0 - p) < 0.00001) m.Minor.Tol = Micro(S16(r, 2));
        }
    } else {
        const TableFile file("mjextol.bin", kMJExtTolRecord);
        for (std::size_t i = 0; i < file.count(); ++i) {
            const TableRecord r = file.record(i);
            if (std::fabs(F64(r, 0) - p) < 0.00001) m.Major.Tol = F64(r, 8);
        }
    }
}
