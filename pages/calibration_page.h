#pragma once
// The "Calibrate" page of a thread plug or setting plug: the typed inputs
// checked, the uncertainty budget, the verdict lines and the rows of the
// calibration certificate, as texts for the window, the certificate report,
// plcalc's text, JSON and CSV. Lengths are shown in the display unit.

#include "gauges/calibration.h"

#include <string>
#include <vector>

class TTInfo;
using TextGrid = std::vector<std::vector<std::string>>;

// Who and what the certificate is for; free text, one line each.
struct CertificateIdentity {
    std::string serial, owner, description, customer, date, operatorName, environment;
};

// The page's entries as typed. Lengths in the display unit or each with mm/in;
// an empty entry takes its default (shown in brackets). Every member has its
// initializer, so an entry may name only the fields it fills.
struct CalibrationEntry {
    std::string member{};          // "GoPlug", "NoGoPlug", "GoSetPlug" or "NoGoSetPlug"
    std::string readings{};        // "0.26012, 0.26015": readings over three wires
    std::string wire{};            // the wires' actual diameter [the gauge's wire]
    std::string uWire{};           // its standard uncertainty
    std::string uReading{};        // uncertainty of one reading
    std::string kReading{};        // the k it was stated with [1: a standard uncertainty]
    std::string pitchDev{};        // [0]
    std::string uPitch{};          // [0]
    std::string angleDev{};        // minutes [0]
    std::string uAngle{};          // minutes [0]
    std::string tempGauge{};       // degrees Celsius [20]
    std::string tempInstrument{};  // [20]
    std::string uTempGauge{};      // kelvin [0]
    std::string uTempInstrument{}; // [0]
    std::string alphaGauge{};      // 1/K [11.5e-6, steel]
    std::string alphaInstrument{}; // [11.5e-6]
    std::string majorReadings{};   // the major diameter measured [not measured]
    std::string uMajor{};          // uncertainty of one major reading
    CertificateIdentity identity{};
};

struct CalibrationCheck {
    std::string message; // why the entry is refused; empty when accepted
    CalibrationInput input;
    Calibration calibration; // the calibration of the accepted inputs
};

// The typed entries as the page takes them, with the program's messages; a
// mean reading that no pitch diameter gives is refused too.
CalibrationCheck CheckCalibrationEntry(const TTInfo& rec, const CalibrationEntry& entry,
                                       bool metricDisplay);

// The values of plcalc's JSON object "calibration", as the page shows them.
struct CalibrationJsonRow {
    std::string quantity;
    double value = 0, u = 0, sensitivity = 0, contribution = 0;
};
struct CalibrationJson {
    std::string unit; // "in" or "mm"
    double measuredPD = 0, uc = 0, U = 0, k = 0;
    // "conforms", "does not conform" or "not proven"; empty when the gauge has
    // no limits to judge against (the page's verdict line says why).
    std::string verdict;
    bool limits = false;
    double max = 0, min = 0;
    std::vector<CalibrationJsonRow> budget;
};

struct CalibrationPageText {
    std::string message; // why nothing is shown; empty when calibrated
    std::string caption; // "Calibrate GO plug"
    // Row 0 the headings: Quantity, Value, u, Sensitivity, Contribution, Share.
    TextGrid budget;
    TextGrid summary;                 // uc, degrees of freedom, k, U, the pitch diameter
    std::string kRule;                // how k was chosen
    std::vector<std::string> verdict; // pitch diameter, wear allowance, major diameter
    std::string readingsLine;         // the lead-angle correction of the readings
    TextGrid certificate;             // label and value, in the certificate's order
    std::string decisionRule;
    std::vector<std::string> signatures;
    CalibrationJson json;
    Calibration calibration; // the values behind the texts
    CalibrationInput input;
};

inline const char* const kDecisionRuleText =
    "Decision rule (ISO 14253-1): conformance is stated only where the measured value lies "
    "inside the limits reduced by U on each side, non-conformance only where it lies outside "
    "the limits widened by U; between the two neither is proven.";

// "conforms", "does not conform", "not proven".
std::string ConformanceWord(Conformance c);

CalibrationPageText BuildCalibrationPage(const TTInfo& rec, const CalibrationEntry& entry,
                                         bool metricDisplay);
