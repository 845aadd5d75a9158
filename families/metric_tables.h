#pragma once
// Readers of the ISO metric table files: tabulated limits (exm, inm),
// pitch-diameter and crest tolerances by grade (mextall, mintall, mextol,
// mintol), fundamental deviations (metdev) and the metric gauge tolerances of
// class X and W (xmettol, wmettol; MJ threads read them too). Values are
// micrometres in the files and millimetres in the record. Each reader throws
// TableError when its file cannot be read.

#include <string>

class TThdInfo;
class TTInfo;

// Record sizes of the files, in bytes.
constexpr int kExmRecord = 37;
constexpr int kInmRecord = 35;
constexpr int kMExtAllRecord = 20;
constexpr int kMIntAllRecord = 32;
constexpr int kMExtTolRecord = 8;
constexpr int kMIntTolRecord = 12;
constexpr int kMetDevRecord = 10;
constexpr int kXMetTolRecord = 20;
constexpr int kWMetTolRecord = 26;

// Grade column of a grade digit: 3..9 -> 8..14 (also the metric class code);
// 0 for any other character.
int GradeColumn(const std::string& grade);
int PDGradeColumn(const TThdInfo& m);
// Of the crest diameter: the major of an external, the minor of an internal member.
int DiaGradeColumn(const TThdInfo& m);

void ReadMetricLimits(TTInfo& rec, bool internal);
void ReadMetricPDTols(TTInfo& rec, bool internal);
void ReadMetricDiaTols(TTInfo& rec, bool internal);
void ReadMetricDeviations(TTInfo& rec);
void ReadMetricGaugeTolsX(TTInfo& rec);
void ReadMetricGaugeTolsW(TTInfo& rec);
