#pragma once
// The gauge-setting step of a calculation and the entries that change it:
// a special contact point, and the Set Dim tool's record built from a type,
// a pitch and one pitch diameter.

#include <cstdint>
#include <string>

class TThdInfo;
class TTInfo;

// Wire sizes and contact-point readings of a 30-degree trapezoidal (type 11,
// millimetres) and a 55-degree (type 12, inches) member.
void Calc30DegWires(TThdInfo& m);
void Calc55DegWires(TThdInfo& m);

// The family's per-member routine that computes the setting to flat and to V
// from the member's point diameter.
void CalcPointSetting(TThdInfo& m);

// Catalogue selection, the per-member routine on both product threads, clean-up.
void CalculateGageSetting(TTInfo& rec);

enum class PointDiaResult {
    Accepted,
    TooLarge,    // above the external thread's maximum wire size
    TooSmall,    // below its minimum wire size
    OnlyTabled,  // 29-degree forms take catalogue points only; see tabled
    SmallThread, // under kSmallestExtSetting: no point gauge sets the thread
};

// A contact point of diameter d (the record's unit) for both product threads:
// the catalogue point of that diameter, or a "SPECIAL" one. Nothing changes
// unless the result is Accepted. For OnlyTabled, *tabled receives the message
// "Only Tabled pnts are available: " and the list.
PointDiaResult SetPointDia(TTInfo& rec, double d, std::string* tabled = nullptr);
// The message of a refused point diameter; empty for Accepted.
std::string PointDiaMessage(PointDiaResult r, const std::string& tabled);

enum class SetDimResult { Done, InvalidPitch, NoPD };

// The Set Dim tool: sets up rec (a fresh record) as thread type `type` with
// threads per inch (pitch in millimetres for types 8, 9 and 11) `pitch`, and
// the external PD max and internal PD min entered (0: not entered; either
// one stands in for the other), then runs the gauge-setting step. The
// nominal diameter is the pitch diameter. *internalOnly tells that only the
// internal value was entered.
SetDimResult SetUpSetDim(TTInfo& rec, uint16_t type, double pitch, double extPDMax, double intPDMin,
                         bool* internalOnly = nullptr);
// "Can not Calculate! Invalid Pitch." / "Can not Calculate! No PD measurement entered"
std::string SetDimMessage(SetDimResult r);
