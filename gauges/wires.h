#pragma once
// Measuring wires: readings over three wires, helix compensation and angle,
// the standard wire list. Results are in the member's units.

#include "gauges/helix_exact.h"

#include <string>
#include <vector>

class TThdInfo;
class TTInfo;

// True when the owner asks for the exact geometry (WireHelix::Exact) and the
// member's form has readings over wires.
bool ExactReadings(const TThdInfo& m);
// The member's flanks, pitch and lead as the exact readings take them.
HelicoidForm HelicoidOf(const TThdInfo& m);

// The reading over wires of size wire at pitch diameter e, unrounded: the
// formula the readings below round. corrected adds the helix (lead angle)
// correction where the form has one: the standard formula's term, or under
// ExactReadings the exact seat of the wires (0 where none can be found).
double ReadingOverWires(const TThdInfo& m, double e, double wire, bool corrected);
// Reading over the current wire at pitch diameter pd, without helix correction.
double WireReading(const TThdInfo& m, double pd);
// The same with the helix (lead angle) correction; 0 for the buttress form
// under the standard formula.
double HelixWireReading(const TThdInfo& m, double pd);
// The correction at the gauge's (or the limit's) pitch diameter; under the
// standard formula 0 below its threshold, under the exact geometry always.
double HelixComp(const TThdInfo& m);
// True when the member's readings carry the helix correction: the compensation
// is shown, the thread has more than one start, or the readings are exact.
// Every reading follows it.
bool ReadingsCorrected(const TThdInfo& m);
// Reading at pitch diameter pd, corrected when ReadingsCorrected says so.
double WireReadingAt(const TThdInfo& m, double pd);
// WireReadingAt the member's own gauge pitch diameter; sets CurWire and PD.Gage
// when they are unset.
double GageWireReading(TThdInfo& m);
double HelixAngle(const TThdInfo& m);

// The 55 best-wire sizes of common pitches (inches), index 0 to 54.
const std::vector<double>& StandardWires();
double NextLargerWire(double x);
double NextSmallerWire(double x);

// Wire sizes and contact-point readings of a 29-degree member (Acme, Stub
// Acme, SAM #1, SAM #2); needs the member's root width.
void Calc29DegWires(TThdInfo& m);
// Gives the two plugs and the two setting plugs one current wire size.
void UnifyGaugeWireSizes(TTInfo& rec);

// Sizes offered in the wire-size lists: list entries 0..53 within the external
// thread's minimum and maximum wire size.
std::vector<double> OfferedWireSizes(const TTInfo& rec);

// Parses a wire-size entry ("0.0289", "0.7mm", "0.03 in") typed in the display
// unit and returns it in the record's unit.
double WireEntryToRecordUnits(const TTInfo& rec, const std::string& text, bool metricDisplay);
// A typed value in the display unit converted to the record's unit.
double ToRecordUnits(const TThdInfo& ext, double value, bool metricDisplay);
