#pragma once
// General purpose Acme threads, classes 2G to 5G: limits of the product
// threads, their form values and the six gauge members. Inches. The defaults,
// gauge signs and the class constants are shared with the stub Acme forms.

class TThdInfo;
class TTInfo;

// Pitch-diameter tolerance c_p sqrt(P) + c_d sqrt(D) of the member's class.
long double AcmePDTol(const TThdInfo& m);
// External pitch-diameter allowance coefficient (x sqrt D) of the class; 0 for 5G.
long double AcmeAllowanceCoeff(const TThdInfo& m);

void SetAcmeDefaults(TThdInfo& m);
void CalcAcmePitchDia(TThdInfo& m);
void CalcAcmeMajor(TThdInfo& m);
void CalcAcmeMinor(TThdInfo& m);
void CalcAcmeGaugeForm(TThdInfo& m);
void CalcAcmeGauges(TTInfo& rec);
void SetAcmeGaugeSigns(TTInfo& rec);

// The whole Acme calculation, in the driver's order.
void CalculateAcme(TTInfo& rec);
