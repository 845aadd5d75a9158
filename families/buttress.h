#pragma once
// 7x45 buttress threads, classes 2 and 3: limits from the diameter and pitch,
// the six gauge members and the form, wires and contact-point readings.
// Inches.

class TThdInfo;
class TTInfo;

// Pitch-diameter tolerance T of the member's class (class 3: two thirds).
double ButtressPDTol(const TThdInfo& m);
// Allowance G on the external thread, the same for both classes.
double ButtressAllowance(const TThdInfo& m);

void SetButtressDefaults(TThdInfo& m);
void CalcButtressPitchDia(TThdInfo& m);
void CalcButtressMajor(TThdInfo& m);
void CalcButtressMinor(TThdInfo& m);
void CalcButtressGauges(TTInfo& rec);
void CalcButtressGaugeForm(TThdInfo& m);

// The whole buttress calculation, in the driver's order.
void CalculateButtress(TTInfo& rec);
