#pragma once
// Re-evaluation around a measured pitch diameter: the nominal diameter is
// walked in small steps until the chosen pitch-diameter limit of a product
// thread meets the measured value.

#include <functional>

class TTInfo;

// The limit a measured pitch diameter stands for; the values are the
// dialog's item numbers plus one.
enum class PDLimit { ExtMax = 1, ExtMin = 2, IntMin = 3, IntMax = 4 };

// Recomputes the pitch-diameter limits of both product threads with the
// family's pitch-diameter routine (types 1 to 10; other types keep theirs).
void RecalcPitchDia(TTInfo& rec);
double PDLimitValue(const TTInfo& rec, PDLimit limit);

inline constexpr double kPDWalkStep = 0.0001;
inline constexpr double kPDWalkTolerance = 0.00005;
// Five inches (or millimetres) of diameter: far beyond any measured thread's
// distance from its nominal size.
inline constexpr int kPDWalkMaxSteps = 50000;
// Steps in a row without moving before the walk gives up: the four-place
// rounding of some limits can hold them still for a step or two.
inline constexpr int kPDWalkStallSteps = 20;

struct PDWalk {
    enum class End {
        Reached,
        SteppedOver, // one step took the limit from one side of the target to the other
        NotNearer,   // the limit moved away from the target or stood still
        TooManySteps,
    };
    End end = End::Reached;
    int steps = 0;
    double nomDia = 0;     // the diameter the walk ended on
    double lastPD = 0;     // the limit there
    double previousDia = 0; // the diameter and limit one step before
    double previousPD = 0;
};

// Walks the calculated record's nominal diameter (the record is changed: it
// computes by formula from now on and keeps the last diameter tried).
// progress gets 0 to 100 as the limit comes nearer.
PDWalk WalkToPD(TTInfo& rec, PDLimit limit, double target,
                const std::function<void(int)>& progress = {});
