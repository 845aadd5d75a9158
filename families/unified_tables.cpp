#include "families/unified_tables.h"

#include "core/number_text.h"
#include "core/rounding.h"
#include "core/table_file.h"
#include "core/table_index.h"
#include "core/thread_record.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Fixed-point field to inches: divided in extended precision, kept as a double.
double Scaled(int64_t value, long double scale) {
    return static_cast<double>(static_cast<long double>(value) / scale);
}

// Threads per inch of a row, as the single-precision value the record holds.
float RowTPI(uint16_t value, long double scale) {
    return static_cast<float>(static_cast<long double>(value) / scale);
}

bool SameFirstChar(const std::string& a, const std::string& b) {
    return !a.empty() && !b.empty() && a[0] == b[0];
}

// Gauge table diameters are four-decimal sizes; number sizes are computed, so
// their last bits vary.
bool SameDiameter(int32_t stored, double dia) {
    return std::fabs(Scaled(stored, 10000) - dia) < 0.00001;
}

bool GaugeRowMatches(const TableRecord& r, const TThdInfo& m) {
    return SameDiameter(r.I32(0), m.NomDia) && GaugeRowPitchMatches(r.I32(4), m.Pitch());
}

void ApplyXTols(TTInfo& rec, const TableRecord& r) {
    const double d = rec.NomDia;
    rec.XLeadTol = Scaled(r.U16(2), 10000);
    rec.XAngleDeg = r.U16(4);
    rec.XAngleMin = r.U16(6);
    rec.XDiaTol = d <= 4 ? Scaled(r.U16(8), 10000) : Scaled(r.I32(10), 10000);
    if (d <= 1.5)
        rec.XPDTol = Scaled(r.I32(14), 10000);
    else if (d <= 4)
        rec.XPDTol = Scaled(r.I32(18), 10000);
    else if (d <= 8)
        rec.XPDTol = Scaled(r.I32(22), 10000);
    else if (d <= 12)
        rec.XPDTol = Scaled(r.I32(26), 10000);
    else // the last column grows in proportion beyond 12 inches
        rec.XPDTol = static_cast<double>(r.I32(26) / 10000.0L * d / 12);
}

void ApplyWTols(TTInfo& rec, const TableRecord& r) {
    const double d = rec.NomDia;
    rec.WLeadTol = d <= 0.5 ? Scaled(r.I32(2), 100000) : Scaled(r.I32(6), 100000);
    rec.WAngleDeg = r.U16(10);
    rec.WAngleMin = r.U16(12);
    if (d <= 0.5)
        rec.WDiaTol = Scaled(r.U16(14), 10000);
    else if (d <= 4)
        rec.WDiaTol = Scaled(r.I32(16), 100000);
    else
        rec.WDiaTol = Scaled(r.U16(20), 10000);
    if (d <= 0.5)
        rec.WPDTol = Scaled(r.I32(22), 100000);
    else if (d <= 1.5)
        rec.WPDTol = Scaled(r.I32(26), 100000);
    else if (d <= 4)
        rec.WPDTol = Scaled(r.I32(30), 100000);
    else if (d <= 8)
        rec.WPDTol = Scaled(r.I32(34), 100000);
    else if (d <= 12)
        rec.WPDTol = Scaled(r.U16(38), 10000);
    else
        rec.WPDTol = static_cast<double>(r.U16(38) / 10000.0L * d / 12);
}

// The limits a row gave; a column the row does not give stays 0.
void RequireOrderedLimits(const TableFile& file, std::size_t i, const TTInfo& rec) {
    file.requireOrdered(i, "external major", rec.ExtThd.Major.Max, rec.ExtThd.Major.Min);
    file.requireOrdered(i, "external PD", rec.ExtThd.PD.Max, rec.ExtThd.PD.Min);
    file.requireOrdered(i, "internal minor", rec.IntThd.Minor.Max, rec.IntThd.Minor.Min);
    file.requireOrdered(i, "internal PD", rec.IntThd.PD.Max, rec.IntThd.PD.Min);
}

// The rows of the unified table whose stored diameter (ten-thousandths) is
// within one of `scaled`, in file order: only those can round to the same four
// decimals.
std::vector<std::size_t> AnsiRowsNear(const TableFile& file, double scaled) {
    static TableKeyIndex index(LeadingKey);
    // A stored diameter is a 32-bit integer: nothing else can match.
    if (!(std::fabs(scaled) < 2.1e9)) return {};
    const auto low = static_cast<int32_t>(std::floor(scaled)) - 1;
    return index.Rows(file, low, low + 3);
}

} // namespace

void ReadAnsiTable(TTInfo& rec) {
    const TableFile file("ansitbl.bin", kAnsiRecord);
    const double dia = RoundTo(rec.NomDia, 4);
    for (const std::size_t i : AnsiRowsNear(file, dia * 10000)) {
        const TableRecord r = file.record(i);
        // Number sizes are computed (0.060 + 0.013 N), so their last bits vary:
        // both sides are rounded to the table's four decimals.
        if (RoundTo(Scaled(r.I32(0), 10000), 4) != dia) continue;
        if (RowTPI(r.U16(4), 10) != rec.TPI) continue;
        if (!SameFirstChar(r.Str(11, 2), rec.ClassText)) continue;

        TThdInfo& ext = rec.ExtThd;
        TThdInfo& in = rec.IntThd;
        ext.Series = r.Str(6, 4);
        ext.Major.Max = Scaled(r.I32(16), 10000);
        ext.Major.Min = Scaled(r.I32(20), 10000);
        ext.PD.Max = Scaled(r.I32(28), 10000);
        ext.PD.Min = Scaled(r.I32(32), 10000);
        // UN minors are computed; the column holds the UNR rounded-root minor.
        ext.Minor.Max = ext.TypeCode == kTypeUN ? 0 : Scaled(r.I32(38), 10000);
        ext.Minor.Min = 0;
        ext.FromTable = 1;
        in.Minor.Min = Scaled(r.I32(45), 10000);
        in.Minor.Max = Scaled(r.I32(49), 10000);
        in.PD.Min = Scaled(r.I32(53), 10000);
        in.PD.Max = Scaled(r.I32(57), 10000);
        in.PD.Tol = Scaled(r.I32(61), 10000);
        in.Major.Min = Scaled(r.I32(65), 10000);
        in.Major.Max = 0;
        in.FromTable = 1;
        in.Series = ext.Series;
        RequireOrderedLimits(file, i, rec);
        return;
    }
}

void ReadUNSTable(TTInfo& rec) {
    const TableFile file("unstbl.bin", kUNSRecord);
    const std::string cls = UpperCase(Trim(rec.ClassText));
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        if (Scaled(r.I32(0), 10000) != rec.NomDia) continue;
        if (RowTPI(r.U16(4), 100) != rec.TPI) continue;
        const std::string rowClass = r.Str(6, 3);
        if (UpperCase(Trim(rowClass)) != cls) continue;

        TThdInfo& ext = rec.ExtThd;
        TThdInfo& in = rec.IntThd;
        ext.Major.Max = Scaled(r.I32(15), 10000);
        ext.Major.Min = Scaled(r.I32(19), 10000);
        ext.PD.Max = Scaled(r.I32(23), 10000);
        ext.PD.Min = Scaled(r.I32(27), 10000);
        ext.Minor.Max = 0;
        ext.Minor.Min = 0;
        ext.FromTable = 1;
        in.Minor.Max = Scaled(r.I32(40), 10000);
        in.Minor.Min = Scaled(r.I32(44), 10000);
        in.PD.Min = Scaled(r.I32(48), 10000);
        in.PD.Max = Scaled(r.I32(52), 10000);
        in.Major.Min = Scaled(r.I32(58), 10000);
        in.Major.Max = 0;
        in.FromTable = 1;
        // The row's key is its class number; taken as the series it would make
        // designations such as "2.5000-10 2-2A". These rows are the special series.
        ext.Series = "UNS";
        in.Series = "UNS";
        RequireOrderedLimits(file, i, rec);
    }
}

void ReadClassXTols(TTInfo& rec) {
    const TableFile file("unxtol.bin", kXTolRecord);
    bool previousAbove = false;
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        const float tpi = RowTPI(r.U16(0), 10);
        // Rows fall by threads per inch. A thread between two rows takes the
        // coarser one, so the first row below it still applies when the row
        // before was above it.
        if (tpi >= rec.TPI || previousAbove) {
            file.requirePositive(i, "threads per inch", tpi);
            ApplyXTols(rec, r);
        }
        previousAbove = tpi > rec.TPI;
    }
}

void ReadClassWTols(TTInfo& rec) {
    const TableFile file("unwtol.bin", kWTolRecord);
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        const float tpi = RowTPI(r.U16(0), 10);
        if (tpi >= rec.TPI) {
            file.requirePositive(i, "threads per inch", tpi);
            ApplyWTols(rec, r);
        }
    }
}

void ReadGageTable(TTInfo& rec) {
    const TableFile file("gagetbl.bin", kGageRecord);
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        TThdInfo& goRing = rec.GoRing;
        // The UNJ GO ring minor follows from its own rule, never from this table.
        if ((goRing.TypeCode == kTypeUN || goRing.TypeCode == kTypeUNR) &&
            GaugeRowMatches(r, goRing))
            goRing.Minor.Gage = Scaled(r.I32(10), 10000);
        if (GaugeRowMatches(r, rec.NoGoRing)) rec.NoGoRing.Minor.Gage = Scaled(r.I32(14), 10000);
        if (GaugeRowMatches(r, rec.NoGoPlug)) rec.NoGoPlug.Major.Gage = Scaled(r.I32(18), 10000);
    }
}

void ReadSetPlugTable(TTInfo& rec) {
    const TableFile file("splugtbl.bin", kSetPlugRecord);
    auto matches = [&](const TThdInfo& m, const TableRecord& r) {
        return GaugeRowMatches(r, m) && r.U16(8) == rec.ExtThd.ClassCode;
    };
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        if (matches(rec.GoSetPlug, r)) rec.GoSetPlug.Major.GageTrunc = Scaled(r.I32(10), 10000);
        if (matches(rec.NoGoSetPlug, r)) rec.NoGoSetPlug.Major.GageTrunc = Scaled(r.I32(14), 10000);
    }
}
