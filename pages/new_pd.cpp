#include "pages/new_pd.h"

#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "gauges/wires.h"
#include "pages/parameter_page.h"

namespace {

const std::vector<NewPDChoice> kChoices = {
    {"New External Max PD", "ext-max", PDLimit::ExtMax},
    {"New External Min PD", "ext-min", PDLimit::ExtMin},
    {"New Internal Min PD", "int-min", PDLimit::IntMin},
    {"New Internal Max PD", "int-max", PDLimit::IntMax},
};

const NewPDChoice& ChoiceOf(PDLimit limit)
{
    return kChoices[static_cast<std::size_t>(limit) - 1];
}

// Texts of the member the limit belongs to, in the display unit.
std::string Dim(const TTInfo& rec, PDLimit limit, double value)
{
    const bool external = limit == PDLimit::ExtMax || limit == PDLimit::ExtMin;
    return DimText(external ? rec.ExtThd : rec.IntThd, 4, value);
}

std::string WalkMessage(const TTInfo& rec, PDLimit limit, double target, const PDWalk& w)
{
    const std::string head = std::string("Can not re-evaluate: ") + ChoiceOf(limit).caption +
                             " " + Dim(rec, limit, target) + " is not reached by changing the "
                             "nominal diameter";
    const std::string tail = ". The calculation is unchanged.";
    switch (w.end) {
    case PDWalk::End::SteppedOver:
        return head + " (the limit goes from " + Dim(rec, limit, w.previousPD) + " to " +
               Dim(rec, limit, w.lastPD) + " between diameters " +
               Dim(rec, limit, w.previousDia) + " and " + Dim(rec, limit, w.nomDia) + ")" + tail;
    case PDWalk::End::NotNearer:
        return head + " (the limit does not come nearer to it)" + tail;
    case PDWalk::End::TooManySteps:
        return head + " (no diameter within " + Dim(rec, limit, kPDWalkMaxSteps * kPDWalkStep) +
               " of the nominal gives it)" + tail;
    case PDWalk::End::Reached:
        break;
    }
    return {};
}

} // namespace

const std::vector<NewPDChoice>& NewPDChoices()
{
    return kChoices;
}

const NewPDChoice* NewPDChoiceOfOption(const std::string& option)
{
    const std::string lower = LowerCase(Trim(option));
    for (const NewPDChoice& c : kChoices)
        if (lower == c.option) return &c;
    return nullptr;
}

NewPDFit FitToNewPD(const ParameterEntry& entry, PDLimit limit, const std::string& targetText,
                    bool metricDisplay, const std::function<void(int)>& progress)
{
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
    if (!(target > 0)) {
        fit.message = "Can not re-evaluate. Invalid PD value: " + Trim(targetText);
        return fit;
    }
    const PDWalk w = WalkToPD(rec, limit, target, progress);
    fit.steps = w.steps;
    fit.nomDia = w.nomDia;
    if (w.end != PDWalk::End::Reached) {
        fit.message = WalkMessage(rec, limit, target, w);
        return fit;
    }
    fit.diameterText = Len4Text(w.nomDia);
    return fit;
}
