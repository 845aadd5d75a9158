#pragma once
// Stub Acme and the modified stub Acme forms SAM #1 and SAM #2, classes 2G to
// 4G: shallow 29-degree threads that share the Acme defaults, gauge signs and
// wires, with their own depth and root-width factors. Inches.

class TThdInfo;
class TTInfo;

void CalcStubPitchDia(TThdInfo& m);
void CalcSamPitchDia(TThdInfo& m);
void CalcStubMajor(TThdInfo& m);
void CalcStubMinor(TThdInfo& m);
void CalcSamMinor(TThdInfo& m);
void CalcStubGaugeForm(TThdInfo& m);
void CalcSamGaugeForm(TThdInfo& m);
void CalcStubGauges(TTInfo& rec);

// The whole calculation of types 5, 6 and 7, in the driver's order.
void CalculateStub(TTInfo& rec);
