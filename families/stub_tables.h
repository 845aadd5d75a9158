#pragma once
// Readers of the stub Acme table files: tabulated Stub Acme limits (stubtbl),
// the class 2G allowance by diameter range (stuball) and gauge tolerances by
// pitch (stubgo). Each throws TableError when its file cannot be read.

class TTInfo;

// Record sizes of the files, in bytes.
constexpr int kStubTblRecord = 56;
constexpr int kStubAllRecord = 10;
constexpr int kStubGoRecord = 10;

// Takes a stubtbl row for class 2G only: the rows hold the class 2G limits.
void ReadStubTable(TTInfo& rec);
// Reads stuball only for class 2G; the other classes use the formula.
void ReadStubAllowance(TTInfo& rec);
void ReadStubGaugeTols(TTInfo& rec);
