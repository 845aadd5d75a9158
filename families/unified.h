#pragma once
// Unified inch threads UN, UNR and UNJ, classes 1 to 3: the limit steps of the
// product threads, their form values and the six gauge members. Inches.

class TThdInfo;
class TTInfo;

// Class 2A pitch-diameter tolerance from D, the standard engagement LE and P.
double PDTol2A(const TThdInfo& m);
// Tolerance t scaled for the member's length of engagement.
double EngagementFactor(const TThdInfo& m, double t);

void SetUNEngagement(TThdInfo& m);
void SetUNREngagement(TThdInfo& m);
void SetUNJEngagement(TThdInfo& m);
void CalcUNPitchDia(TThdInfo& m);
void CalcUNMajor(TThdInfo& m);
void CalcUNMinor(TThdInfo& m);
void CalcUNJMinor(TThdInfo& m);
void CalcUNForm(TThdInfo& m);
void CalcUNRForm(TThdInfo& m);
void CalcUNJForm(TThdInfo& m);
void CalcUNGauges(TTInfo& rec);

// The whole unified calculation, in the driver's order.
void CalculateUnified(TTInfo& rec);
