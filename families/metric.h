#pragma once
// ISO general purpose metric threads M (ISO 965-1 formulas): tolerances and
// deviations by grade and position, limits of the product threads, the six
// gauge members and their form values. Millimetres.

#include <string>

class TThdInfo;
class TTInfo;

// Multipliers of the grade-6 tolerance; 0 for a grade outside the lists
// (external PD 3..9, external major 4/6/8, internal PD and minor 4..8).
double ExtPDGradeFactor(const std::string& grade);
double ExtMajorGradeFactor(const std::string& grade);
double IntPDGradeFactor(const std::string& grade);
double IntMinorGradeFactor(const std::string& grade);
// Deviation base value of a position (e 0.050, f 0.030, g 0.015, h 0; G
// 0.015, H 0); -1 for a position outside the lists.
double DeviationBase(const std::string& pos, bool internal);

// True when a four-character class ("6g6g", "6H6H") has every grade and
// position in the lists of its member: such a class has limits by formula.
bool ValidMetricTolClass(const std::string& text, bool internal);

void CalcMetricTolerances(TTInfo& rec);
void CalcMetricPitchDia(TThdInfo& m);
void CalcMetricMajor(TThdInfo& m);
void CalcMetricMinor(TThdInfo& m);
void CalcMetricGauges(TTInfo& rec);
void CalcMetricGaugeForm(TThdInfo& m);

// Puts the product members in their starting state for a metric calculation:
// the classes (the defaults when none is set), their class codes, and no
// tolerance, deviation or table row left from an earlier run.
void PrepareMetricMembers(TTInfo& rec, const char* extDefault, const char* intDefault);

// The whole M calculation, in the driver's order.
void CalculateMetric(TTInfo& rec);
