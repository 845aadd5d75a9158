#pragma once
// Readers of the MJ table files: tabulated limits (exmj, inmj), the
// pitch-diameter tolerances (mjallow) and the crest tolerances (mjextol,
// mjintol). Millimetres in the record. Each reader throws TableError when its
// file cannot be read.

class TTInfo;

constexpr int kExMJRecord = 35;
constexpr int kInMJRecord = 35;
constexpr int kMJAllowRecord = 10;
constexpr int kMJExtTolRecord = 16;
constexpr int kMJIntTolRecord = 6;

void ReadMJLimits(TTInfo& rec, bool internal);
// Sets MJExtPDTol, MJIntPDTol and AllowanceFound from mjallow.
void ReadMJTolerances(TTInfo& rec);
// Internal: TD1 into IntThd.Minor.Tol; external: Td into ExtThd.Major.Tol.
void ReadMJDiaTols(TTInfo& rec, bool internal);
