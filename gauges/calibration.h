#pragma once
// Calibrating a thread plug or setting plug over three wires: the pitch
// diameter at 20 °C from the readings (the inverse of the readings that Inspect
// uses), its uncertainty by the law of propagation (GUM, JCGM 100:2008, 5.1),
// the expanded uncertainty, and the decision against the gauge's own limits by
// ISO 14253-1. Lengths are in the member's units (inches; millimetres for M and
// MJ), angles in minutes of arc, temperatures in degrees Celsius.

#include <limits>
#include <optional>
#include <string>
#include <vector>

class TThdInfo;
class TTInfo;

// The gauges a lab measures over wires; ring gauges are calibrated through
// their check and setting plugs.
enum class CalMember { GoPlug, NoGoPlug, GoSetPlug, NoGoSetPlug };
// "GoPlug", "NoGoPlug", "GoSetPlug", "NoGoSetPlug", as the JSON output names them.
std::string CalMemberKey(CalMember m);
std::optional<CalMember> CalMemberOfKey(const std::string& key);
// "GO plug", "NOT GO plug", "GO setting plug", "NOT GO setting plug".
std::string CalMemberName(CalMember m);
const TThdInfo& CalMemberOf(const TTInfo& rec, CalMember m);

// Linear expansion of gauge steel, 1/K: ISO 3650:1998, 6.2.2, gives
// (11.5 +- 1.0) x 10^-6 /K for steel gauge blocks.
inline constexpr double kSteelExpansion = 11.5e-6;
// Lengths are stated at 20 °C (ISO 1).
inline constexpr double kReferenceTemperature = 20;

struct CalibrationInput {
    CalMember member = CalMember::GoPlug;
    std::vector<double> readings;    // over three wires, at the gauge's temperature
    double wire = 0;                 // the wires' actual diameter (their certificate)
    double uWire = 0;                // its standard uncertainty
    double uReading = 0;             // uncertainty of one reading from the instrument,
    double kReading = 1;             // entered as an expanded value with this k (1: standard)
    double pitchDev = 0, uPitch = 0; // the gauge's pitch deviation
    double angleDev = 0, uAngle = 0; // its half-angle deviation, minutes (each flank)
    double tempGauge = kReferenceTemperature, tempInstrument = kReferenceTemperature;
    double uTempGauge = 0, uTempInstrument = 0;                             // kelvin
    double alphaGauge = kSteelExpansion, alphaInstrument = kSteelExpansion; // 1/K
    std::vector<double> majorReadings; // the measured major diameter, if measured
    double uMajor = 0;                 // standard uncertainty of one major reading
};

// The input quantities of the budget, in its order.
enum class CalQuantity {
    Readings,       // mean of the readings: Type A, s / sqrt(n)
    Instrument,     // the instrument's correction (0): Type B
    Wire,           // wire diameter
    Pitch,          // pitch deviation
    HalfAngle,      // half-angle deviation, minutes
    GaugeTemp,      // gauge temperature
    InstrumentTemp, // instrument temperature
};

struct BudgetRow {
    CalQuantity quantity = CalQuantity::Readings;
    double value = 0;                                     // the estimate, in the quantity's unit
    double u = 0;                                         // its standard uncertainty
    double sensitivity = 0;                               // d PD / d quantity, from the model
    double contribution = 0;                              // |sensitivity| u: length
    double share = 0;                                     // percent of uc squared
    double dof = std::numeric_limits<double>::infinity(); // Type A: n - 1
};

enum class Conformance { Conforms, DoesNotConform, NotProven };

// A gauge's limits for one diameter, at the places the calibration states.
struct CalLimits {
    bool found = false;
    std::string source; // "class X", "class W", "ISO 1502"
    double max = 0, min = 0;
    double wearLimit = 0; // ISO 1502 plugs; 0: none
    std::string reason;   // why there are none
};

struct Decision {
    Conformance verdict = Conformance::NotProven;
    // From the nearer limit: positive inside the limits, negative outside.
    double toNearest = 0;
    bool nearMax = false;
};

// One measured diameter with its uncertainty, stated and judged.
struct CalResult {
    double value = 0;                                        // at 20 °C, unrounded
    double uc = 0;                                           // combined standard uncertainty
    double dofEff = std::numeric_limits<double>::infinity(); // Welch-Satterthwaite
    double k = 2;     // coverage factor, to the two places it is stated with
    double shown = 0; // the value to the stated places
    double U = 0;     // k uc, rounded up to the stated places
    CalLimits limits;
    Decision decision; // when limits.found
};

struct Calibration {
    // Why nothing was calculated (no reading gives a pitch diameter); empty otherwise.
    std::string reason;
    double meanReading = 0;
    double reading20 = 0; // the mean corrected to 20 °C
    double wire = 0;
    bool corrected = false; // the readings carry the lead-angle correction
    bool exact = false;     // by the exact geometry
    int places = 5;         // the stated places: five of an inch, four of a millimetre
    CalResult pd;
    std::vector<BudgetRow> budget;
    // The remaining wear allowance of a plug with a wear limit: stated PD - wear limit.
    bool wear = false;
    double wearLeft = 0;
    bool major = false; // a major diameter was measured
    CalResult majorDia;
};

Calibration Calibrate(const TTInfo& rec, const CalibrationInput& in);

// The coverage factor for about 95 % (the t-distribution at p = 95.45 %, GUM
// G.3 and Table G.2) at these effective degrees of freedom, truncated to a
// whole number (GUM G.6.4); 2 for infinite degrees of freedom. Two places.
double CoverageFactor(double dofEff);
// ISO 14253-1 at the given places: conformance proven inside [min + U, max - U],
// non-conformance outside [min - U, max + U], otherwise neither.
Decision Decide(double value, double U, double min, double max, int places);
// The gauge's limits of a diameter: the class X or W tolerance on its gauge
// size, or for an M thread's plugs the ISO 1502 limits with their wear limit.
CalLimits PDLimits(const TTInfo& rec, CalMember m, int places);
CalLimits MajorLimits(const TTInfo& rec, CalMember m, int places);
