#pragma once
// Readers of the unified inch table files (standard rows, special rows,
// class X and W gauge tolerances, gauge sizes, setting plug truncations).
// Each throws TableError when its file cannot be read.

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
