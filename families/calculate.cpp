// The calculation driver: dispatches on the thread type to the family steps,
// then the steps common to every type, then the check that what it computed
// can be shown as limits at all.
#include "core/pipe_record.h"
#include "core/thread_record.h"
#include "families/acme.h"
#include "families/buttress.h"
#include "families/gauge_setting.h"
#include "families/metric.h"
#include "families/mj.h"
#include "families/stub.h"
#include "families/unified.h"
#include "gauges/gage_catalogue.h"
#include "pipe/pipe_tables.h"

#include <array>
#include <cmath>
#include <utility>

namespace {

const char* const kTooCoarse = "Can not calculate: the pitch is too coarse for this diameter";
const char* const kTooFine =
    "Can not calculate: the pitch is too fine for this diameter: its tolerances exceed the "
    "depth of the thread";
const char* const kNotFinite =
    "Can not calculate: the diameter and pitch are beyond the range of the formulas";
const char* const kCoatingTooThick =
    "Can not calculate. The coating is too thick: a diameter before plating would be 0 or less";
const char* const kNoFlank =
    "Can not calculate. The coating is too thick: it leaves no flank before plating";

// A value of exactly 0 is one the standard does not give (an external minor
// minimum, an internal major maximum): it is shown as N/A, never as a size.
bool Given(double v) {
    return v != 0;
}

bool AllFinite(const TThdInfo& m) {
    for (const TDimLimits* d : {&m.PD, &m.Major, &m.Minor})
        for (double v : {d->Max, d->Min, d->Gage, d->GageTrunc, d->GageAlt, d->UncoatedMax,
                         d->UncoatedMin, d->UncoatedGage})
            if (!std::isfinite(v)) return false;
    for (double v : {m.BestWire, m.CurWire, m.MinWire, m.MaxWire, m.RootWire, m.SetToV, m.SetToFlat,
                     m.PointDia, m.RootRadMax, m.RootRadMin, m.RootWidth, m.ThdHeight, m.StdLE,
                     m.LOE, m.Setting.RollSetting, m.Setting.DiffAnalTol})
        if (!std::isfinite(v)) return false;
    return true;
}

// The standard's values before plating: none below zero.
bool NoneNegative(const TThdInfo& m) {
    for (const TDimLimits* d : {&m.PD, &m.Major, &m.Minor})
        for (double v : {d->UncoatedMax, d->UncoatedMin, d->UncoatedGage})
            if (v < 0) return false;
    return true;
}

// Plated, each value that exists is still above zero. (A pitch diameter of
// 0, one no step gave, is moved by the coating all the same: it stays no value.)
bool PlatedPositive(const TThdInfo& m) {
    for (const TDimLimits* d : {&m.PD, &m.Major, &m.Minor})
        for (const auto& [plated, bare] :
             {std::pair{d->Max, d->UncoatedMax}, std::pair{d->Min, d->UncoatedMin},
              std::pair{d->Gage, d->UncoatedGage}})
            if (bare != 0 && !(plated > 0)) return false;
    return true;
}

// The standard's own limits, before any plating: above zero where given, the
// pitch diameters always given, no maximum below its minimum.
bool Positive(const TThdInfo& m) {
    if (!(m.PD.UncoatedMax > 0) || !(m.PD.UncoatedMin > 0)) return false;
    for (const TDimLimits* d : {&m.Major, &m.Minor})
        if (d->UncoatedMax < 0 || d->UncoatedMin < 0) return false;
    return true;
}

// The minor diameter lies below the pitch diameter and the pitch diameter
// below the major, or the thread has no flank between them.
bool Flanked(const TDimLimits& minor, const TDimLimits& pd, const TDimLimits& major, bool plated) {
    const double minorMax = plated ? minor.Max : minor.UncoatedMax;
    const double pdMin = plated ? pd.Min : pd.UncoatedMin;
    const double pdMax = plated ? pd.Max : pd.UncoatedMax;
    const double majorMin = plated ? major.Min : major.UncoatedMin;
    return !(Given(minorMax) && minorMax >= pdMin) && !(Given(majorMin) && pdMax >= majorMin);
}

bool Ordered(const TThdInfo& m) {
    for (const TDimLimits* d : {&m.PD, &m.Major, &m.Minor})
        if (Given(d->UncoatedMax) && Given(d->UncoatedMin) && d->UncoatedMax < d->UncoatedMin)
            return false;
    return Flanked(m.Minor, m.PD, m.Major, false);
}

std::string LimitsRefusal(const TTInfo& rec) {
    // Pipe limits are the tables' own; entered pitch diameters are no limits.
    if (ThreadTypeOf(rec.ExtThd.TypeCode).limits != LimitsFrom::Formulas) return {};
    const std::array<const TThdInfo*, 8> members = {&rec.IntThd,    &rec.ExtThd,     &rec.GoPlug,
                                                    &rec.NoGoPlug,  &rec.GoRing,     &rec.NoGoRing,
                                                    &rec.GoSetPlug, &rec.NoGoSetPlug};
    for (const TThdInfo* m : members)
        if (!AllFinite(*m)) return kNotFinite;
    for (const TThdInfo* m : {&rec.IntThd, &rec.ExtThd})
        if (!Positive(*m)) return kTooCoarse;
    for (const TThdInfo* m : {&rec.IntThd, &rec.ExtThd})
        if (!Ordered(*m)) return kTooFine;
    for (const TThdInfo* m : members)
        if (!NoneNegative(*m)) return kTooCoarse;
    for (const TThdInfo* m : members)
        if (!PlatedPositive(*m)) return kCoatingTooThick;
    for (const TThdInfo* m : {&rec.IntThd, &rec.ExtThd})
        if (!Flanked(m->Minor, m->PD, m->Major, true)) return kNoFlank;
    return {};
}

} // namespace

void TTInfo::Calculate() {
    Refusal.clear();
    switch (ExtThd.TypeCode) {
    case kTypeUN:
    case kTypeUNR:
    case kTypeUNJ:
        CalculateUnified(*this);
        break;
    case kTypeAcme:
        CalculateAcme(*this);
        break;
    case kTypeStub:
    case kTypeSAM1:
    case kTypeSAM2:
        CalculateStub(*this);
        break;
    case kTypeM:
        CalculateMetric(*this);
        break;
    case kTypeMJ:
        CalculateMJ(*this);
        break;
    case kTypeButt:
        CalculateButtress(*this);
        break;
    case kType30Deg:
    case kType55Deg:
        // No limits: the pitch diameters are entered (Set Dim tool).
        CalculateGageSetting(*this);
        break;
    case kTypeNPT:
        // Pipe threads are looked up by nominal size, not calculated.
        if (Pipe) ReadPipeTables(*Pipe);
        break;
    default:
        break;
    }
    ClearVSettingsThatDoNotApply(*this);
    // Some tables hold -1 where a lead tolerance does not apply.
    if (XLeadTol == -1) XLeadTol = 0;
    if (WLeadTol == -1) WLeadTol = 0;
    for (TThdInfo* m :
         {&IntThd, &ExtThd, &GoPlug, &NoGoPlug, &GoRing, &NoGoRing, &GoSetPlug, &NoGoSetPlug})
        m->ApplyCoating();
    Refusal = LimitsRefusal(*this);
}
