#pragma once
// The thread record of one calculation and its eight limits members.
// Lengths are inches, except for the types that hold millimetres
// (HoldsMillimetres: M, MJ and the 30-degree trapezoidal form).

#include "core/thread_types.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TTInfo;
class TThdNPT;

// How the readings over wires allow for the lead angle: the standard formula's
// compensation (left out below its threshold), or the exact seat of the wires
// on the flanks of the helicoid, always.
enum class WireHelix : uint8_t { Standard, Exact };

struct TDimLimits {
    double Max = 0;
    double Min = 0;
    double Gage = 0;      // size a gauge member is made to
    double GageTrunc = 0; // truncated major of a setting plug; 0 = none
    double Tol = 0;       // a tolerance column of the standard table; metric: Td2, Td, TD2, TD1
    double Dev = 0;       // metric fundamental deviation, a positive magnitude
    double GageAlt = 0;   // second gauge value (NOT GO ring and plug rules)
    double Work1 = 0;     // working storage of the gauge steps
    double Work2 = 0;
    double UncoatedMax = 0;
    double UncoatedMin = 0;
    double UncoatedGage = 0;
    std::string TolGrade; // metric tolerance grade digit
    std::string TolPos;   // metric tolerance position letter
    std::string Sign;     // gauge tolerance direction: "+", "-", "+-", "--" or empty
};

// Working values of the point and roll gauge selection.
struct TGageSetting {
    uint8_t SmallGage = 0;
    uint8_t VerySmall = 0;
    std::string PointModel;
    std::string RollModel;
    double PointOffset = 0;
    std::string RollNumber;
    double RollConstant = 0;
    double RollLeadCorr = 0;
    double RollSetting = 0;
    double DiffAnalTol = 0;
};

class TThdInfo {
public:
    double NomDia = 0;
    uint16_t ClassCode = 0;
    float TPI = 0; // threads per inch; for a millimetre type the pitch in millimetres
    uint16_t TypeCode = 0;
    uint16_t Starts = 1;
    double Coating = 0;
    TDimLimits PD, Major, Minor;
    double BestWire = 0;
    double CurWire = 0;
    double MinWire = 0;
    double MaxWire = 0;
    double RootWire = 0;
    uint8_t UseBestWire = 1;
    double SetToV = 0;
    double SetToFlat = 0;
    double PointDia = 0;
    std::string PointName;
    double RootRadMax = 0;
    double RootRadMin = 0;
    double RootWidth = 0;
    double ThdHeight = 0;
    uint8_t FromTable = 0;
    std::string Series;
    uint8_t IsGage = 1;
    uint8_t IsInternal = 0;
    uint8_t IsExternal = 0;
    uint8_t IsSetPlug = 0;
    uint8_t StdLOE = 1;
    double StdLE = 0;
    double LOE = 0;
    uint16_t LEBasis = 0; // 0: long-engagement rules in pitches; 1: in diameters
    uint8_t Derived = 0;
    TTInfo* Owner = nullptr;
    uint8_t UseClassW = 0;
    std::vector<std::string> Notes;
    TGageSetting Setting;

    // Pitch in the member's units: 1 / TPI, or the stored pitch of a millimetre type
    // (the single-precision field read back to the six decimals it was typed with).
    double Pitch() const;
    double Lead() const;
    // Metric tolerance class of four characters, e.g. "6g6g".
    void SetTolInfo(const std::string& text);
    std::string TolInfoText() const;
    void CopyLimits(const TThdInfo& from);
    void ApplyCoating();
};

class TThdNPT;

class TTInfo {
public:
    TTInfo();
    ~TTInfo();
    TTInfo(const TTInfo&) = delete;
    TTInfo& operator=(const TTInfo&) = delete;

    std::string ClassText;
    std::string TypeName;
    uint16_t TypeCode = 0;
    double NomDia = 0;
    float TPI = 0; // threads per inch; for a millimetre type the pitch in millimetres
    uint16_t Starts = 1;
    double Coating = 0;
    TThdInfo GoPlug, NoGoPlug, GoRing, NoGoRing, IntThd, ExtThd, GoSetPlug, NoGoSetPlug;
    std::unique_ptr<TThdNPT> Pipe;
    double XDiaTol = 0;
    double XPDTol = 0;
    double XLeadTol = 0;
    int32_t XAngleDeg = 0;
    int32_t XAngleMin = 0;
    double Allowance[21] = {};  // indexed 1..20 by class code
    uint8_t AllowanceFound = 0; // also: the MJ pitch-diameter tolerances were found
    double MJExtPDTol = 0;      // MJ pitch-diameter tolerances of the mjallow row
    double MJIntPDTol = 0;
    double WDiaTol = 0;
    double WPDTol = 0;
    double WLeadTol = 0;
    int32_t WAngleDeg = 0;
    int32_t WAngleMin = 0;
    uint8_t ClassW = 0;
    WireHelix Helix = WireHelix::Standard; // every reading over wires of the members
    std::string LOEText;
    uint8_t LeftHand = 0;
    uint8_t ForceCalc = 0;
    std::string NomDiaText;
    // Why the limits of the last Calculate must not be shown ("Can not
    // calculate: the pitch is too coarse for this diameter"); empty when every
    // limit is finite, above zero and in order.
    std::string Refusal;

    void SetThreadType(const std::string& name);
    void SetClass(const std::string& text);
    void SetNomDia(double d);
    void SetTPI(float n);
    void SetStarts(uint16_t starts);
    void SetCoating(double t);
    void SetLOE(double loe);
    // 0 accepted, 1 above the external thread's maximum wire, 2 below its minimum.
    int SetWireSize(double size);
    // Runs the family steps for the thread type, then checks the limits and
    // sets Refusal. Throws TableError when a table file cannot be read.
    void Calculate();

    // The eight members in the order the record holds them.
    std::array<TThdInfo*, 8> Members();
};

// Class code of a class text (upper-cased before the lookup); 0 for an unknown text.
uint16_t ClassCodeOfText(const std::string& text);
