#pragma once
// Re-evaluation around a measured pitch diameter: the nominal diameter is
// moved in steps of 0.0001 until the chosen pitch-diameter limit of a product
// thread meets the measured value. Every diameter tried is judged by a trial
// the caller supplies: the whole calculation whose result is then shown.

#include <functional>
#include <string>

class TTInfo;

// The limit a measured pitch diameter stands for; the values are the
// dialog's item numbers plus one.
enum class PDLimit { ExtMax = 1, ExtMin = 2, IntMin = 3, IntMax = 4 };

double PDLimitValue(const TTInfo& rec, PDLimit limit);

inline constexpr double kPDWalkStep = 0.0001;
// How near the limit must come: half the last place shown, 0.00005 in, and
// for M and MJ (shown to 0.001 mm) 0.0005 mm.
inline constexpr double kPDWalkToleranceInch = 0.00005;
inline constexpr double kPDWalkToleranceMM = 0.0005;
// Five inches (or millimetres) of diameter: far beyond any measured thread's
// distance from its nominal size.
inline constexpr double kPDWalkMaxDistance = 5;
// A limit that has not come nearer over this much diameter never gets there
// (a band of the tolerance tables can set it back for a while).
inline constexpr double kPDWalkStallDistance = 0.1;

// What the calculation gives at one diameter.
struct PDTrial {
    bool calculated = false;
    double limit = 0;
    std::string refusal; // why the diameter can not be calculated
};
using PDTrialFunction = std::function<PDTrial(double nomDia)>;

struct PDWalk {
    enum class End {
        Reached,
        SteppedOver, // one step took the limit from one side of the target to the other
        NotNearer,   // the limit moved away from the target or stood still
        TooFar,      // no diameter within kPDWalkMaxDistance gives it
        Refused,     // the calculation refuses a diameter before the target is met
    };
    End end = End::Reached;
    int trials = 0;         // calculations made
    double nomDia = 0;      // the diameter found, or where the walk stopped
    double lastPD = 0;      // the limit there
    double previousDia = 0; // the last diameter short of the target, and its limit
    double previousPD = 0;
    std::string refusal; // End::Refused: the calculation's reason at nomDia
};

// Walks from the diameter and limit shown towards the target in steps of
// kPDWalkStep; lands on the first step whose limit is within `tolerance`, or
// a later one while each step brings the limit nearer still.
// Steps that can not reach the target (a limit moves at most twice as fast as
// the diameter) are passed over without a trial, so a long walk costs a few
// dozen calculations. progress gets 0 to 100 as the limit comes nearer.
PDWalk WalkToPD(double startDia, double startPD, double target, double tolerance,
                const PDTrialFunction& trial, const std::function<void(int)>& progress = {});
