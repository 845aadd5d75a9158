#include "pages/new_pd.h"

#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "gauges/wires.h"
#include "pages/parameter_page.h"

#include <cmath>

namespace {

const std::vector<NewPDChoice> kChoices = {
    {"New External Max PD", "ext-max", PDLimit::ExtMax},
    {"New External Min PD", "ext-min", PDLimit::ExtMin},
    {"New Internal Min PD", "int-min", PDLimit::IntMin},
    {"New Internal Max PD", "int-max", PDLimit::IntMax},
};

const NewPDChoice& ChoiceOf(PDLimit limit) {
    return kChoices[static_cast<std::size_t>(limit) - 1];
}

// Texts of the member the limit belongs to, in the display unit.
std::string Dim(const TTInfo& rec, PDLimit limit, double value) {
    const bool external = limit == PDLimit::ExtMax || limit == PDLimit::ExtMin;
    return DimText(external ? rec.ExtThd : rec.IntThd, 4, value);
}

// Why a calculated thread is no thread to show: a limit of a product thread
// that is no finite size of 0 or more, a chosen limit of 0 or less, or a
// pitch diameter maximum below its minimum. Empty when it is sound.
std::string LimitsProblem(const TTInfo& rec, PDLimit limit) {
    for (const TThdInfo* m : {&rec.ExtThd, &rec.IntThd}) {
        for (const TDimLimits* d : {&m->PD, &m->Major, &m->Minor})
            if (!std::isfinite(d->Max) || !std::isfinite(d->Min) || d->Max < 0 || d->Min < 0)
                return "a limit of the thread would be below 0";
        if (m->PD.Max < m->PD.Min) return "a pitch diameter maximum would be below its minimum";
    }
    if (!(PDLimitValue(rec, limit) > 0)) return "the limit would be 0 or below";
    return {};
}

// The calculation of the page with its diameter box set to the diameter.
PDTrial Trial(const ParameterEntry& page, PDLimit limit, double nomDia, bool metricRecord) {
    PDTrial t;
    if (!DiameterInRange(nomDia, metricRecord)) {
        const double most = metricRecord ? kMaxDiameterMM : kMaxDiameterInch;
        t.refusal = nomDia <= 0 ? std::string("it would take a nominal diameter of 0 or less")
                                : "it would take a nominal diameter above " +
                                      FormatFixed(most, 1, 0) + (metricRecord ? " mm" : " in");
        return t;
    }
    ParameterEntry e = page;
    e.diameterText = Len4Text(nomDia);
    TTInfo rec;
    const SetUpResult setUp = SetUpRecord(e, rec);
    const std::string at = "at a nominal diameter of " + e.diameterText + " ";
    if (!setUp.message.empty()) {
        t.refusal = at + "the thread is refused: " + setUp.message;
        return t;
    }
    rec.Calculate();
    std::string problem = LimitsProblem(rec, limit);
    // What the walk's own check lets through, Calculate's may still refuse.
    if (problem.empty() && !rec.Refusal.empty()) problem = "the thread is refused: " + rec.Refusal;
    if (!problem.empty()) {
        t.refusal = at + problem;
        return t;
    }
    t.calculated = true;
    t.limit = PDLimitValue(rec, limit);
    return t;
}

std::string WalkMessage(const TTInfo& rec, PDLimit limit, double target, const PDWalk& w) {
    const std::string head = std::string("Can not re-evaluate: ") + ChoiceOf(limit).caption + " " +
                             Dim(rec, limit, target) +
                             " is not reached by changing the "
                             "nominal diameter";
    const std::string tail = ". The calculation is unchanged.";
    switch (w.end) {
    case PDWalk::End::SteppedOver:
        return head + " (the limit goes from " + Dim(rec, limit, w.previousPD) + " to " +
               Dim(rec, limit, w.lastPD) + " between diameters " + Len4Text(w.previousDia) +
               " and " + Len4Text(w.nomDia) + ")" + tail;
    case PDWalk::End::NotNearer:
        return head + " (the limit does not come nearer to it)" + tail;
    case PDWalk::End::TooFar:
        return head + " (no diameter within " + Dim(rec, limit, kPDWalkMaxDistance) +
               " of the nominal gives it)" + tail;
    case PDWalk::End::Refused:
        return head + " (" + w.refusal + ")" + tail;
    case PDWalk::End::Reached:
        break;
    }
    return {};
}

// In the record's own unit: the diameter box and the limits as the standard gives them.
std::string Note(const TTInfo& rec, PDLimit limit, double target, const std::string& diameter,
                 const std::string& was) {
    const ScopedDisplayUnit unit(MetricByDefault(rec.ExtThd.TypeCode));
    const std::string caption = ChoiceOf(limit).caption;
    return "Re-evaluated for " + caption.substr(caption.find(' ') + 1) + " " +
           Trim(Dim(rec, limit, target)) + ": nominal diameter " + diameter +
           (diameter == was ? " unchanged" : " instead of " + was);
}

} // namespace

const std::vector<NewPDChoice>& NewPDChoices() {
    return kChoices;
}

const NewPDChoice* NewPDChoiceOfOption(const std::string& option) {
    const std::string lower = LowerCase(Trim(option));
    for (const NewPDChoice& c : kChoices)
        if (lower == c.option) return &c;
    return nullptr;
}

double PDWalkTolerance(uint16_t typeCode) {
    return MetricByDefault(typeCode) ? kPDWalkToleranceMM : kPDWalkToleranceInch;
}

NewPDFit FitToNewPD(const ParameterEntry& entry, PDLimit limit, const std::string& targetText,
                    bool metricDisplay, const std::function<void(int)>& progress) {
    NewPDFit fit;
    TTInfo rec;
    const SetUpResult setUp = SetUpRecord(entry, rec);
    if (!setUp.message.empty()) {
        fit.message = setUp.message;
        return fit;
    }
    if (entry.pipe) {
        fit.message = "Can not re-evaluate a pipe thread: its sizes come from the pipe tables.";
        return fit;
    }
    rec.Calculate();
    if (!rec.Refusal.empty()) {
        fit.message = rec.Refusal;
        return fit;
    }
    const ScopedDisplayUnit unit(metricDisplay);
    // A pitch diameter of 0 or less is no measurement: the walk would only
    // run the diameter down to nothing.
    const double target = WireEntryToRecordUnits(rec, targetText, metricDisplay);
    const uint16_t type = rec.ExtThd.TypeCode;
    const bool metricRecord = MetricByDefault(type);
    if (!(target > 0)) {
        fit.message = "Can not re-evaluate. Invalid PD value: " + Trim(targetText);
        return fit;
    }
    if (!DiameterInRange(target, metricRecord)) {
        const double most = metricRecord ? kMaxDiameterMM : kMaxDiameterInch;
        fit.message = "Can not re-evaluate. Invalid PD value: " + Trim(targetText) +
                      " (a pitch diameter is at most " + FormatFixed(most, 1, 0) +
                      (metricRecord ? " mm)" : " in)");
        return fit;
    }
    const PDWalk w = WalkToPD(
        rec.NomDia, PDLimitValue(rec, limit), target, PDWalkTolerance(type),
        [&](double d) { return Trial(entry, limit, d, metricRecord); }, progress);
    fit.trials = w.trials;
    fit.nomDia = w.nomDia;
    fit.target = target;
    fit.steps = static_cast<int>(std::lround(std::fabs(w.nomDia - rec.NomDia) / kPDWalkStep));
    if (w.end != PDWalk::End::Reached) {
        fit.message = WalkMessage(rec, limit, target, w);
        return fit;
    }
    fit.limitValue = w.lastPD;
    // A target met by the thread shown keeps its diameter box as typed.
    fit.diameterText = w.trials == 0 ? setUp.diameterText : Len4Text(w.nomDia);
    fit.note = Note(rec, limit, target, fit.diameterText, setUp.diameterText);
    return fit;
}
