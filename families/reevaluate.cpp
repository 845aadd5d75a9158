#include "families/reevaluate.h"

#include "core/thread_record.h"

#include <algorithm>
#include <cmath>

namespace {

// A limit moves at most this many times the diameter step: the diameter
// itself, a tolerance growing with it, and the rounding of four places.
constexpr double kMaxRate = 2;

// Below any change a step of 0.0001 in diameter makes.
constexpr double kNoChange = 1e-9;

} // namespace

double PDLimitValue(const TTInfo& rec, PDLimit limit) {
    switch (limit) {
    case PDLimit::ExtMax:
        return rec.ExtThd.PD.Max;
    case PDLimit::ExtMin:
        return rec.ExtThd.PD.Min;
    case PDLimit::IntMin:
        return rec.IntThd.PD.Min;
    case PDLimit::IntMax:
        return rec.IntThd.PD.Max;
    }
    return 0;
}

PDWalk WalkToPD(double startDia, double startPD, double target, double tolerance,
                const PDTrialFunction& trial, const std::function<void(int)>& progress) {
    PDWalk w;
    w.nomDia = w.previousDia = startDia;
    w.lastPD = w.previousPD = startPD;
    const double r0 = startPD - target;
    // A hair over the tolerance, so a limit exactly half a place away lands.
    const double window = tolerance + kNoChange;
    if (std::fabs(r0) <= window) return w;
    const double step = r0 < 0 ? kPDWalkStep : -kPDWalkStep;
    const long maxSteps = std::lround(kPDWalkMaxDistance / kPDWalkStep);
    const long stallSteps = std::lround(kPDWalkStallDistance / kPDWalkStep);

    long at = 0;         // steps taken: the last diameter still short of the target
    double r = r0;       // its limit less the target
    long cap = maxSteps; // halved whenever a stride went too far
    double best = std::fabs(r0);
    long bestAt = 0;
    int shown = -1;
    for (;;) {
        if (at >= maxSteps) {
            w.end = PDWalk::End::TooFar;
            return w;
        }
        // Steps that can not bring the limit within the window are skipped.
        const double reach = (std::fabs(r) - tolerance) / (kMaxRate * kPDWalkStep);
        const long stride = std::clamp<long>(
            std::isfinite(reach) ? static_cast<long>(std::min(reach, 1e9)) : maxSteps, 1,
            std::min(cap, maxSteps - at));
        const long next = at + stride;
        // From the start each time, so no rounding adds up over the steps.
        const double dia = startDia + static_cast<double>(next) * step;
        const PDTrial t = trial(dia);
        ++w.trials;
        const bool landed = t.calculated && std::fabs(t.limit - target) <= window;
        const bool crossed = t.calculated && !landed && (t.limit - target < 0) != (r0 < 0);
        if (!t.calculated || landed || crossed) {
            if (stride > 1) {
                // Something lies between: come up to it in shorter strides.
                cap = std::max(1L, stride / 2);
                continue;
            }
            w.nomDia = dia;
            w.lastPD = t.limit;
            if (landed) {
                // Within the window; on while a step brings the limit nearer still.
                for (long more = next + 1; more <= maxSteps; ++more) {
                    const double d = startDia + static_cast<double>(more) * step;
                    const PDTrial u = trial(d);
                    ++w.trials;
                    if (!u.calculated ||
                        std::fabs(u.limit - target) >= std::fabs(w.lastPD - target) - kNoChange)
                        break;
                    w.nomDia = d;
                    w.lastPD = u.limit;
                }
                if (progress) progress(100);
                w.end = PDWalk::End::Reached;
            } else if (crossed) {
                w.end = PDWalk::End::SteppedOver;
            } else {
                w.end = PDWalk::End::Refused;
                w.refusal = t.refusal;
            }
            return w;
        }
        at = next;
        r = t.limit - target;
        w.previousDia = w.nomDia = dia;
        w.previousPD = w.lastPD = t.limit;
        if (std::fabs(r) < best - kNoChange) {
            best = std::fabs(r);
            bestAt = at;
        } else if (at - bestAt >= stallSteps) {
            w.end = PDWalk::End::NotNearer;
            return w;
        }
        const int position = static_cast<int>(
            std::clamp(100 - std::lround(100 * std::fabs(r) / std::fabs(r0)), 0L, 100L));
        if (progress && position > shown) {
            shown = position;
            progress(position);
        }
    }
}
