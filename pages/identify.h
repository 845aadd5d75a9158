#pragma once
// Which standard threads a measured part may carry: from a measured major
// diameter (external thread) or minor diameter (internal thread) and a measured
// pitch, the fitting rows of the unified, metric, Acme and NPT tables, each
// calculated as the thread window would calculate it, ranked by how far the
// measured diameter lies outside the limits the thread has to meet.

#include "pages/parameter_page.h"
#include "pages/result_pages.h"

#include <string>
#include <vector>

// A length typed with its unit ("0.25in", "6.35 mm", "0.25\"") or bare in the
// unit given; false for anything else or a value outside MeasurementInRange.
// Inches.
bool ParseLengthEntry(const std::string& text, bool mmDefault, double& inches);
// A pitch typed as threads per inch ("20", "20 tpi") or millimetres ("1.5mm",
// or bare with mmDefault); false for anything else or a value outside
// PitchInRange (up to 200 tpi, 50 mm), or coarser than 50 mm as threads per
// inch. The pitch in inches.
bool ParsePitchEntry(const std::string& text, bool mmDefault, double& pitchInch);
// The unit typed with a value: "mm", "in" (also for "inch" and "\"") or "tpi";
// empty when none was typed.
std::string TypedUnit(const std::string& text);

struct IdentifyQuery {
    double diameter = 0; // inches; the major diameter, or the minor when internal
    bool internal = false;
    double pitch = 0; // inches
};

struct IdentifyMatch {
    std::string designation; // "1/4-20 UNC-2A", "M 10 X 1.5 - 6g6g", "1/2 - 14 NPT"
    std::string family;      // UN, M, ACME, NPT
    double offLimits = 0;    // inches the measured diameter lies outside [diaMin, diaMax]; 0 inside
    double diaMin = 0, diaMax = 0; // the measured diameter's limits, inches
    double pdMin = 0, pdMax = 0;   // pitch diameter limits, inches (NPT: E0 and E1)
    bool metric = false;           // a metric thread (shown in millimetres by default)
    ParameterEntry entry;          // what the parameter page takes to calculate it
};

// Two pitches match within 1 %: a count over ten threads with a rule reads a
// tenth of a thread, while the nearest pitches of different standards (20 tpi
// and 1.25 mm) lie 1.6 % apart.
inline constexpr double kPitchMatch = 0.01;
// A part fits a thread while its diameter is off the limits by at most a tenth
// of the pitch: wear and burrs, not the next size.
inline constexpr double kFitAllowancePerPitch = 0.1;

// The fitting threads, closest first. Throws TableError when a table file
// cannot be read.
std::vector<IdentifyMatch> IdentifyThread(const IdentifyQuery& query);

inline const char* const kNothingFits =
    "No standard thread fits: check the reading, or the thread is a special.";

// The list as a grid in the display unit: a heading row, then one row per match
// (designation, family, off limits, diameter min and max, PD min and max).
TextGrid IdentifyGrid(const IdentifyQuery& query, const std::vector<IdentifyMatch>& matches,
                      bool metricDisplay);
// "Major" or "Minor": which diameter the query measured.
std::string MeasuredDiameterName(const IdentifyQuery& query);
// "Measured major diameter 0.2480 in, pitch 0.0500 in (20 tpi)", in the display unit.
std::string IdentifyHeading(const IdentifyQuery& query, bool metricDisplay);
