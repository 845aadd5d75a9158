#pragma once
// Readers of the 7x45 buttress gauge tolerance tables (but745x, but745w).
// Rows run from the finest pitch to the coarsest; every row whose threads per
// inch are not below the thread's is applied, so the coarsest of them wins.
// Each reader throws TableError when its file cannot be read.

class TTInfo;

constexpr int kBut745XRecord = 22;
constexpr int kBut745WRecord = 24;

void ReadButtressGaugeTolsX(TTInfo& rec);
void ReadButtressGaugeTolsW(TTInfo& rec);
