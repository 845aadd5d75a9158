#pragma once
// Readers of the unified inch table files (standard rows, special rows,
// class X and W gauge tolerances, gauge sizes, setting plug truncations).
// Each throws TableError when its file cannot be read.

#include <cmath>
#include <cstdint>

class TTInfo;

// Record sizes of the files, in bytes.
constexpr int kAnsiRecord = 69;
constexpr int kUNSRecord = 62;
constexpr int kXTolRecord = 30;
constexpr int kWTolRecord = 40;
constexpr int kGageRecord = 22;
constexpr int kSetPlugRecord = 18;

void ReadAnsiTable(TTInfo& rec);
void ReadUNSTable(TTInfo& rec);
void ReadClassXTols(TTInfo& rec);
void ReadClassWTols(TTInfo& rec);
void ReadGageTable(TTInfo& rec);
void ReadSetPlugTable(TTInfo& rec);

// A pitch of the gauge tables (gagetbl, splugtbl), stored x10000, stands for
// every pitch within half a unit of its last place: 0.0769 is 13 tpi, and 1/32
// = 0.03125 may be written 0.0312 or 0.0313. The table compiler refuses a row
// that no thread reaches by this rule.
inline bool GaugeRowPitchMatches(int32_t storedPitch, double pitch) {
    return std::fabs(storedPitch / 10000.0L - pitch) <= 0.00005L + 1e-12L;
}
