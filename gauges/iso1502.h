#pragma once
// ISO 1502 thread gauges of an ISO metric (M) thread: GO and NOT GO screw plugs
// for the internal thread, GO and NOT GO screw rings for the external thread,
// with their wear limits, and the wear check plugs of the rings. The gauge
// tolerances and positions come from Tables/iso1502.bin, chosen by the
// workpiece's pitch-diameter tolerance. Lengths are millimetres.

#include "gauges/iso1502_rules.h"

#include <string>
#include <vector>

class TTInfo;

inline const char* const kIso1502Table = "iso1502.bin";
constexpr int kIso1502Record = 48;

// The rows of the table file, checked: each sound, rising, one band after
// another. Throws TableError when the file is missing, unreadable or damaged.
std::vector<Iso1502Row> ReadIso1502Table();

// The limits of one gauge; a limit ISO 1502 does not set for that gauge is 0.
struct Iso1502Gauge {
    double pdMax = 0, pdMin = 0, wearLimit = 0;
    double majorMax = 0, majorMin = 0;
    double minorMax = 0, minorMin = 0;
};

// One side: the plugs (by TD2 of the internal thread) or the rings (by Td2 of
// the external thread).
struct Iso1502Side {
    double td2 = 0;     // the workpiece's PD tolerance, micrometres
    std::string reason; // why this side has no gauges; empty when it has
    Iso1502Row row;     // the band used
    Iso1502Gauge go, noGo;
    Iso1502Gauge goCheck, noGoCheck; // rings only: wear check plugs (PD)
};

struct Iso1502Gauges {
    // Why there are no gauges at all (not an M thread, no table); empty when
    // the sides say what they hold.
    std::string reason;
    Iso1502Side plugs, rings;
    bool plated = false; // worked from the limits the plated thread must meet
};

// The gauges of the record's M thread from its pitch-diameter limits as the
// standard gives them (before any plating allowance).
Iso1502Gauges CalcIso1502Gauges(const TTInfo& rec);

// A length in millimetres to the 0.0001 mm the gauges are shown to, halves away
// from zero on either side of it (a margin may be negative).
double Iso1502Round(double mm);
// Micrometres as the table gives them: "12", "17.5", "-4".
std::string MicrometreText(double um);

// What a measured pitch diameter of a screw plug says about it.
enum class Iso1502Wear { New, WornUsable, BeyondWearLimit, Oversize };

// Judges a plug's measured pitch diameter against its ISO 1502 limits, all to
// the 0.0001 mm they are shown to: within the new gauge's limits, worn towards
// (but not past) the wear limit, past it, or above the new gauge's maximum.
Iso1502Wear JudgeIso1502Plug(const Iso1502Gauge& plug, double measuredPD);
// "new", "worn but usable", "beyond wear limit", "oversize".
std::string Iso1502WearWord(Iso1502Wear w);
