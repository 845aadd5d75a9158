#pragma once
// Inspecting an external thread: a reading over three wires turned back into
// the pitch diameter it measures (the inverse of the readings of wires.h, with
// the same formula and helix correction), and the verdict of measured pitch
// diameters against the thread's pitch-diameter limits. Lengths are in the
// member's units.

#include <optional>
#include <vector>

class TThdInfo;

// The pitch diameter at which the reading over wires of this size is `reading`,
// corrected for the helix exactly when the member's readings are (by the
// standard formula or the exact geometry, as the owner chooses); nullopt when
// no pitch diameter gives that reading.
std::optional<double> PDFromWireReading(const TThdInfo& ext, double reading, double wire);
// The same with the correction given: a model that varies the wire keeps the
// correction the measured wire took.
std::optional<double> PDFromWireReading(const TThdInfo& ext, double reading, double wire,
                                        bool corrected);

enum class PDVerdict { Inside, AboveMax, BelowMin };

struct PDCheck {
    // The measured pitch diameter to the places of the limits (four of an
    // inch, three of a millimetre): the value judged.
    double pd = 0;
    PDVerdict verdict = PDVerdict::Inside;
    double marginToMax = 0; // PD max - pd; negative above the maximum
    double marginToMin = 0; // pd - PD min; negative below the minimum
    // Where pd lies in the tolerance: 0 at PD min, 100 at PD max.
    double percentOfTolerance = 0;
};

PDCheck CheckPD(const TThdInfo& ext, double measuredPD);

struct PDInspection {
    std::vector<PDCheck> readings;
    // Over all readings: the smallest and largest pd, their spread, the mean.
    double minPD = 0, maxPD = 0, spread = 0, meanPD = 0;
    // Inside only when every reading is; else the side of the first reading outside.
    PDVerdict overall = PDVerdict::Inside;
    // The margins of the extreme readings and the position of the mean.
    double marginToMax = 0, marginToMin = 0, percentOfTolerance = 0;
    double spreadPercent = 0; // the spread as a percentage of the tolerance
};

// Needs at least one measured pitch diameter.
PDInspection InspectPDs(const TThdInfo& ext, const std::vector<double>& measuredPDs);
