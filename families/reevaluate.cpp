#include "families/reevaluate.h"

#include "core/thread_record.h"
#include "families/acme.h"
#include "families/buttress.h"
#include "families/metric.h"
#include "families/mj.h"
#include "families/stub.h"
#include "families/unified.h"

#include <algorithm>
#include <cmath>

namespace {

// Below any change a step of 0.0001 in diameter makes.
constexpr double kNoChange = 1e-9;

} // namespace

void RecalcPitchDia(TTInfo& rec)
{
    void (*routine)(TThdInfo&) = nullptr;
    void (*engagement)(TThdInfo&) = nullptr;
    switch (rec.ExtThd.TypeCode) {
    case kTypeUN: engagement = SetUNEngagement; break;
    case kTypeUNR: engagement = SetUNREngagement; break;
    case kTypeUNJ: engagement = SetUNJEngagement; break;
    case kTypeAcme: routine = CalcAcmePitchDia; break;
    case kTypeStub: routine = CalcStubPitchDia; break;
    case kTypeSAM1: case kTypeSAM2: routine = CalcSamPitchDia; break;
    case kTypeM: routine = CalcMetricPitchDia; break;
    case kTypeMJ: routine = CalcMJPitchDia; break;
    case kTypeButt: routine = CalcButtressPitchDia; break;
    default: return;
    }
    if (engagement) routine = CalcUNPitchDia;
    for (TThdInfo* m : {&rec.ExtThd, &rec.IntThd}) {
        // Off its table row a unified thread is a special one, with the special
        // series' engagement: worked as the calculation that follows works it.
        if (engagement) {
            m->Series.clear();
            engagement(*m);
        }
        routine(*m);
    }
}

double PDLimitValue(const TTInfo& rec, PDLimit limit)
{
    switch (limit) {
    case PDLimit::ExtMax: return rec.ExtThd.PD.Max;
    case PDLimit::ExtMin: return rec.ExtThd.PD.Min;
    case PDLimit::IntMin: return rec.IntThd.PD.Min;
    case PDLimit::IntMax: return rec.IntThd.PD.Max;
    }
    return 0;
}

PDWalk WalkToPD(TTInfo& rec, PDLimit limit, double target,
                const std::function<void(int)>& progress)
{
    rec.ForceCalc = 1;
    PDWalk w;
    w.nomDia = rec.NomDia;
    w.lastPD = PDLimitValue(rec, limit);
    const double d0 = target - w.lastPD;
    const double step = d0 > 0 ? kPDWalkStep : -kPDWalkStep;
    double r = -d0;
    int stalled = 0;
    int shown = -1;
    while (std::fabs(r) > kPDWalkTolerance) {
        if (w.steps == kPDWalkMaxSteps) {
            w.end = PDWalk::End::TooManySteps;
            return w;
        }
        w.previousDia = rec.NomDia;
        w.previousPD = w.lastPD;
        rec.SetNomDia(rec.NomDia + step);
        RecalcPitchDia(rec);
        ++w.steps;
        w.nomDia = rec.NomDia;
        w.lastPD = PDLimitValue(rec, limit);
        const double before = r;
        r = w.lastPD - target;
        if (std::fabs(r) <= kPDWalkTolerance) break;
        // The first step goes from the limits of a table row, rounded as the
        // standard prints them, to the formula's: no sign of direction yet.
        if (w.steps == 1) continue;
        // Past the target without landing within the tolerance: a walk in the
        // same direction only goes further away.
        if ((before < 0) != (r < 0)) {
            w.end = PDWalk::End::SteppedOver;
            return w;
        }
        // The limits grow with the diameter; one that turns back, or stands
        // still for longer than rounding explains, never gets there.
        const double change = std::fabs(before) - std::fabs(r);
        if (change < -kNoChange || (change < kNoChange && ++stalled == kPDWalkStallSteps)) {
            w.end = PDWalk::End::NotNearer;
            return w;
        }
        if (change >= kNoChange) stalled = 0;
        const int position = static_cast<int>(
            std::clamp(100 - std::lround(100 * std::fabs(r) / std::fabs(d0)), 0L, 100L));
        if (progress && position != shown) {
            shown = position;
            progress(position);
        }
    }
    if (progress) progress(100);
    w.end = PDWalk::End::Reached;
    return w;
}
