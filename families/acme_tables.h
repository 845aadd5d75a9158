#pragma once
// Readers of the Acme table files: tabulated limits (acmetbl), pitch-diameter
// allowances by diameter range (acmeall) and gauge tolerances by pitch
// (acmego). Each throws TableError when its file cannot be read.

class TTInfo;

// Record sizes of the files, in bytes.
constexpr int kAcmeTblRecord = 116;
constexpr int kAcmeAllRecord = 14;
constexpr int kAcmeGoRecord = 12;

void ReadAcmeTable(TTInfo& rec);
void ReadAcmeAllowances(TTInfo& rec);
void ReadAcmeGaugeTols(TTInfo& rec);
