#include "families/metric_tables.h"

#include "core/number_text.h"
#include "core/table_file.h"
#include "core/table_index.h"
#include "core/thread_record.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace {

double Micro(int64_t um) {
    return static_cast<double>(static_cast<long double>(um) / 1000);
}

// Diameters are stored x10 and pitches x100 or x1000: a row names a size
// only when it is that size to well within its last stored place.
bool Same(double stored, double value) {
    return std::fabs(stored - value) < 1e-6;
}

// The stored whole numbers (value times scale) that Same takes for value: the
// rows of a large table are then told apart by an integer compare.
std::vector<int16_t> StoredAs(double value, double scale) {
    std::vector<int16_t> keys;
    const double scaled = value * scale;
    if (!(std::fabs(scaled) < 33000)) return keys; // beyond what 16 bits hold
    const long near = std::lround(scaled);
    for (long k = near - 1; k <= near + 1; ++k)
        if (k >= INT16_MIN && k <= INT16_MAX && Same(static_cast<double>(k) / scale, value))
            keys.push_back(static_cast<int16_t>(k));
    return keys;
}

long Hundredths(double pitch) {
    return std::lround(pitch * 100);
}

bool InRange(const TableRecord& r, std::size_t overAt, std::size_t uptoAt, bool wide, double d) {
    const double over = (wide ? r.I32(overAt) : r.I16(overAt)) / 10.0;
    const double upto = (wide ? r.I32(uptoAt) : r.I16(uptoAt)) / 10.0;
    return over < d && d <= upto;
}

bool ClassMatches(const TableRecord& r, const TThdInfo& m) {
    return UpperCase(Trim(r.Str(4, 4))) == UpperCase(m.TolInfoText());
}

// Gauge tolerance by the nominal-diameter steps of a row; above the last step
// the last value grows in proportion to the diameter.
double ByDiameter(double d, const TableRecord& r, std::size_t firstAt,
                  std::initializer_list<double> upTo) {
    std::size_t at = firstAt;
    double lastLimit = 0;
    for (double limit : upTo) {
        if (d <= limit) return Micro(r.U16(at));
        lastLimit = limit;
        at += 2;
    }
    return static_cast<double>(r.U16(at - 2) / 1000.0L * d / lastLimit);
}

// The rows of the limits table whose diameter and pitch (its first two 16-bit
// fields, read as one key) are one of keys, in file order.
std::vector<std::size_t> RowsOf(const TableFile& file, bool internal,
                                const std::vector<int32_t>& keys) {
    static TableKeyIndex indexes[2]{TableKeyIndex(LeadingKey), TableKeyIndex(LeadingKey)};
    std::vector<std::size_t> rows;
    for (const int32_t key : keys) {
        const std::vector<std::size_t> found = indexes[internal ? 1 : 0].Rows(file, key, key);
        rows.insert(rows.end(), found.begin(), found.end());
    }
    std::ranges::sort(rows);
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

} // namespace

int GradeColumn(const std::string& grade) {
    if (grade.size() != 1 || grade[0] < '3' || grade[0] > '9') return 0;
    return 8 + (grade[0] - '3');
}

int PDGradeColumn(const TThdInfo& m) {
    return GradeColumn(m.PD.TolGrade);
}

int DiaGradeColumn(const TThdInfo& m) {
    return GradeColumn(m.IsInternal ? m.Minor.TolGrade : m.Major.TolGrade);
}

void ReadMetricLimits(TTInfo& rec, bool internal) {
    TThdInfo& m = internal ? rec.IntThd : rec.ExtThd;
    const TableFile file(internal ? "inm.bin" : "exm.bin", internal ? kInmRecord : kExmRecord);
    // Diameter and pitch are the first two 16-bit fields: read as one.
    std::vector<int32_t> keys;
    for (const int16_t dia : StoredAs(m.NomDia, 10))
        for (const int16_t pitch : StoredAs(m.Pitch(), 100))
            keys.push_back(
                static_cast<int32_t>(static_cast<uint16_t>(dia) |
                                     static_cast<uint32_t>(static_cast<uint16_t>(pitch)) << 16));
    // In file order: the last matching row wins, as a scan of the file would have it.
    for (const std::size_t i : RowsOf(file, internal, keys)) {
        const TableRecord r = file.record(i);
        if (!ClassMatches(r, m)) continue;
        if (internal) {
            m.Minor.Min = Micro(r.I32(9));
            m.Minor.Max = Micro(r.I32(13));
            m.PD.Min = Micro(r.I32(17));
            m.PD.Max = Micro(r.I32(21));
            m.Major.Min = Micro(r.I32(27));
            m.Major.Max = Micro(r.I32(31));
        } else {
            m.Major.Max = Micro(r.I32(11));
            m.Major.Min = Micro(r.I32(15));
            m.PD.Max = Micro(r.I32(19));
            m.PD.Min = Micro(r.I32(23));
            m.Minor.Max = Micro(r.I32(29));
            m.Minor.Min = Micro(r.I32(33));
        }
        file.requireOrdered(i, "major", m.Major.Max, m.Major.Min);
        file.requireOrdered(i, "PD", m.PD.Max, m.PD.Min);
        file.requireOrdered(i, "minor", m.Minor.Max, m.Minor.Min);
        m.FromTable = 1;
    }
}

void ReadMetricPDTols(TTInfo& rec, bool internal) {
    TThdInfo& m = internal ? rec.IntThd : rec.ExtThd;
    const int column = PDGradeColumn(m);
    // mextall holds grades 3 to 9, mintall grades 4 to 8.
    const int index = column - (internal ? 9 : 8);
    const int grades = internal ? 5 : 7;
    if (column == 0 || index < 0 || index >= grades) return;
    const TableFile file(internal ? "mintall.bin" : "mextall.bin",
                         internal ? kMIntAllRecord : kMExtAllRecord);
    const long pitch = Hundredths(m.Pitch());
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        if (internal) {
            if (!InRange(r, 0, 4, true, m.NomDia) || r.I32(8) != pitch) continue;
            m.PD.Tol = Micro(r.I32(12 + 4 * static_cast<std::size_t>(index)));
        } else {
            if (!InRange(r, 0, 2, false, m.NomDia) || r.I16(4) != pitch) continue;
            m.PD.Tol = Micro(r.I16(6 + 2 * static_cast<std::size_t>(index)));
        }
    }
}

void ReadMetricDiaTols(TTInfo& rec, bool internal) {
    TThdInfo& m = internal ? rec.IntThd : rec.ExtThd;
    const int grade = DiaGradeColumn(m) - 8 + 3; // 0 column -> below 3
    std::size_t at = 0;
    if (internal) {
        if (grade < 4 || grade > 8) return;
        at = 2 + 2 * static_cast<std::size_t>(grade - 4);
    } else {
        if (grade != 4 && grade != 6 && grade != 8) return;
        at = 2 + static_cast<std::size_t>(grade - 4);
    }
    const TableFile file(internal ? "mintol.bin" : "mextol.bin",
                         internal ? kMIntTolRecord : kMExtTolRecord);
    const long pitch = Hundredths(m.Pitch());
    TDimLimits& crest = internal ? m.Minor : m.Major;
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        if (r.I16(0) == pitch) crest.Tol = Micro(r.I16(at));
    }
}

void ReadMetricDeviations(TTInfo& rec) {
    const TableFile file("metdev.bin", kMetDevRecord);
    TThdInfo& ext = rec.ExtThd;
    TThdInfo& in = rec.IntThd;
    const long pitch = Hundredths(ext.Pitch());
    // Field offset of a position's deviation; 0 when the row holds none for it.
    auto column = [](const std::string& pos) -> std::size_t {
        if (pos == "G") return 2;
        if (pos == "e") return 4;
        if (pos == "f") return 6;
        if (pos == "g") return 8;
        return 0;
    };
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        if (r.I16(0) != pitch) continue;
        // One deviation belongs to a position: the crest of the same position
        // takes the tabulated value too, as the published limits are built.
        for (TDimLimits* d : {&ext.PD, &ext.Major, &in.PD, &in.Minor}) {
            const bool internalBlock = d == &in.PD || d == &in.Minor;
            const std::size_t at = column(d->TolPos);
            if (at == 0 || internalBlock != (at == 2)) continue;
            d->Dev = std::fabs(Micro(r.I16(at)));
        }
    }
}

void ReadMetricGaugeTolsX(TTInfo& rec) {
    const TableFile file("xmettol.bin", kXMetTolRecord);
    const double d = rec.NomDia;
    const long pitch = Hundredths(rec.ExtThd.Pitch());
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        // Rows rise by pitch: the last one not above the thread's pitch applies.
        if (r.U16(0) > pitch) continue;
        rec.XLeadTol = Micro(r.U16(2));
        rec.XAngleDeg = r.U16(4);
        rec.XAngleMin = r.U16(6);
        rec.XDiaTol = Micro(r.U16(d <= 100 ? 8 : 10));
        rec.XPDTol = ByDiameter(d, r, 12, {39, 100, 200, 300});
        file.requirePositive(i, "pitch", r.U16(0));
    }
}

void ReadMetricGaugeTolsW(TTInfo& rec) {
    const TableFile file("wmettol.bin", kWMetTolRecord);
    const double d = rec.NomDia;
    const long pitch = Hundredths(rec.ExtThd.Pitch());
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        if (r.U16(0) > pitch) continue;
        rec.WLeadTol = Micro(r.U16(d <= 12 ? 2 : 4));
        rec.WAngleDeg = r.U16(6);
        rec.WAngleMin = r.U16(8);
        rec.WDiaTol = Micro(r.U16(d <= 12 ? 10 : d <= 100 ? 12 : 14));
        rec.WPDTol = ByDiameter(d, r, 16, {12, 39, 100, 200, 300});
        file.requirePositive(i, "pitch", r.U16(0));
    }
}
