#pragma once
// Metric MJ threads (controlled root radius; classes 4h6h and 4H5H): the
// pitch-diameter tolerance with the length of engagement, limits, gauges and
// form. Millimetres.

class TThdInfo;
class TTInfo;

void CalcMJPDTol(TThdInfo& m);
void CalcMJPitchDia(TThdInfo& m);
void CalcMJMajor(TThdInfo& m);
void CalcMJMinor(TThdInfo& m);
void CalcMJGauges(TTInfo& rec);
void CalcMJGaugeForm(TThdInfo& m);

// The whole MJ calculation, in the driver's order.
void CalculateMJ(TTInfo& rec);
