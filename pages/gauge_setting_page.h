#pragma once
// What the gauge-setting page ("Orvalle") shows for one product thread of a
// calculated record, as texts: point gauge or functional roll gauge, the
// internal or the external thread. Shown unchanged by the window, plcalc and
// the setting-dimension report.

#include <string>
#include <vector>

class TTInfo;

struct GaugeSettingText {
    std::string setFlatCaption; // "Setting to Flat Std:" (roll gauge: the roll setting)
    std::string setFlat;
    std::string setVCaption; // "Setting to V Std:"; point gauge only
    std::string setV;
    std::string pointCaption; // "Point #:" or "Roll #:"
    std::string pointNumber;
    std::string pointDiaCaption; // "Point Dia:" or "SEE NOTICE BELOW"
    std::string pointDia;        // the entry's text, e.g. 0.0500"
    std::string toleranceCaption;
    std::string tolerance;      // "+ 0.0040" internal, "- 0.0040" external
    std::string diffTolCaption; // "Differential Anal. Tol:"; roll gauge only
    std::string diffTol;
    std::string gaugeModel; // "QSP-2000", "None Available" ...
    // The gauge-model picture: "MX3000", "NX2000", "NP2000", "MR3000",
    // "NSP2000", "MSR3000" or "Blank".
    std::string picture;
    bool showSetV = true;
    bool showPointDiaEntry = true;
    bool showDiffTol = false;
    bool showNotice = false; // the thread-roll notice panel
    // Why the page has no setting ("NONE", a column of N/A), one line; empty
    // when it has one.
    std::string note;
};

// The gauges are set for single-start threads only: the note of the page of a
// thread of several starts, which shows no values.
inline const char* const kSingleStartSettingNote =
    "gauge setting is worked out for single-start threads only";

// The ten lines of the notice shown with the recalled thread rolls.
const std::vector<std::string>& GaugeMakerNotice();

// The page for the external (or internal) thread with the point gauge (or
// the roll gauge), in the display unit.
GaugeSettingText BuildGaugeSettingPage(const TTInfo& rec, bool external, bool rollGauge,
                                       bool metricDisplay);

// The point diameter entry ("0.0289", "0.0289\"", "0.0289 in", "0.73mm"; a
// plain number is inches) in the record's unit; -1 when it is no number.
double PointDiaEntryToRecordUnits(const TTInfo& rec, const std::string& text);
