// The thread window's state: record, file, marks and metric classes. No widgets.
#include "ui/thread_window_model.h"

#include "core/settings.h"
#include "core/thread_record.h"
#include "gauges/ball_mic.h"
#include "pages/metric_tolerance.h"

#include <QFileInfo>

namespace {

// Texts of options not chosen do not change the calculation.
ParameterEntry AsCalculated(ParameterEntry e) {
    if (!e.customLOE) e.loeText.clear();
    if (!e.coated) e.coatingText.clear();
    if (e.pipe) {
        e.diameterText.clear();
        e.pitchText.clear();
    }
    return e;
}

} // namespace

TThreadWindowModel::TThreadWindowModel() : fileName_(QStringLiteral("(Untitled)")) {
    const MetricTolTexts tols = DefaultMetricTols(kTypeM);
    intTol_ = tols.internal;
    extTol_ = chosenExtTol_ = tols.external;
}

TThreadWindowModel::~TThreadWindowModel() = default;

void TThreadWindowModel::ShowThread(std::unique_ptr<TTInfo> rec) {
    rec_ = std::move(rec);
    setDim_ = false;
    changed_ = true;
}

void TThreadWindowModel::ShowSetDim(std::unique_ptr<TTInfo> rec, bool internalOnly) {
    rec_ = std::move(rec);
    setDim_ = true;
    setDimInternal_ = internalOnly;
    unsaved_ = false;
}

bool TThreadWindowModel::HasThreadCalculation() const {
    return rec_ && !setDim_ && !ballMicMode_;
}

bool TThreadWindowModel::PipeShown() const {
    return rec_ && rec_->Pipe;
}

bool TThreadWindowModel::MetricForNewRecord() const {
    if (!rec_) return false;
    return MetricByDefault(rec_->ExtThd.TypeCode) ||
           (UnitSwitchable() && Settings().NewInchThreadsInMm);
}

bool TThreadWindowModel::UnitSwitchable() const {
    return !PipeShown() && !ballMicMode_;
}

void TThreadWindowModel::ShowBallMic(std::unique_ptr<TBallMic> bm) {
    ballMic_ = std::move(bm);
    changed_ = true;
}

bool TThreadWindowModel::EnterBallMicMode() {
    if (ballMicMode_) return false;
    ballMicMode_ = true;
    metric_ = false;
    return true;
}

void TThreadWindowModel::SetFileName(const QString& path) {
    fileName_ = QFileInfo(path).fileName();
    filePath_ = path;
}

void TThreadWindowModel::ForgetFileName() {
    fileName_ = QStringLiteral("(Untitled)");
    filePath_.clear();
}

bool TThreadWindowModel::WorkAtRisk(const ParameterEntry& page) const {
    // The Set Dim tool's result is printed, never saved.
    if (ballMicMode_) return ballMic_ && changed_;
    return rec_ && !setDim_ && (changed_ || unsaved_ || OutOfDate(page));
}

void TThreadWindowModel::RecordShown(const ParameterEntry& page) {
    shownRecord_ = rec_.get();
    shownEntry_ = page;
    reevaluatedRecord_ = nullptr;
}

const ParameterEntry* TThreadWindowModel::ShownEntry() const {
    return shownEntry_ ? &*shownEntry_ : nullptr;
}

bool TThreadWindowModel::OutOfDate(const ParameterEntry& page) const {
    return rec_ && shownEntry_ && rec_.get() == shownRecord_ &&
           AsCalculated(*shownEntry_) != AsCalculated(page);
}

void TThreadWindowModel::Reevaluated(const QString& note, bool changed) {
    reevaluationNote_ = note;
    reevaluatedRecord_ = rec_.get();
    if (changed) unsaved_ = true;
}

QString TThreadWindowModel::ReevaluationNote() const {
    return rec_ && rec_.get() == reevaluatedRecord_ ? reevaluationNote_ : QString();
}

void TThreadWindowModel::ApplyMetricLOE(int asked) {
    const MetricLOEChange change = ChangeMetricLOE(chosenExtTol_, kNormalLOE, asked);
    extTol_ = change.external;
    loeGroup_ = change.group;
    loeNotice_ = ::MetricLOENotice(chosenExtTol_, change, asked);
}

void TThreadWindowModel::ChooseMetricTols(const MetricTolTexts& tols) {
    intTol_ = tols.internal;
    chosenExtTol_ = tols.external;
}

void TThreadWindowModel::KeepMClasses() {
    // MJ has one class and no engagement groups; the M choice waits for M.
    const MetricTolTexts mj = DefaultMetricTols(kTypeMJ);
    const bool showsMJ =
        intTol_ == mj.internal && extTol_ == mj.external && loeGroup_ == kNormalLOE;
    if (!showsMJ) keptM_ = {true, intTol_, chosenExtTol_, loeGroup_};
    intTol_ = mj.internal;
    extTol_ = chosenExtTol_ = mj.external;
    loeGroup_ = kNormalLOE;
    loeNotice_.clear();
}

std::optional<int> TThreadWindowModel::RestoreMClasses() {
    if (!keptM_.kept) return std::nullopt;
    intTol_ = keptM_.internal;
    chosenExtTol_ = keptM_.chosenExternal;
    keptM_.kept = false;
    return keptM_.group;
}

void TThreadWindowModel::RestoreMetricClasses(const RestoredPage& p) {
    intTol_ = p.intTolText;
    extTol_ = p.extTolText;
    loeGroup_ = p.metricLOE;
    // The file holds the class as calculated; the one chosen is found back.
    const MetricLOEChange chosen = ChangeMetricLOE(p.extTolText, p.metricLOE, kNormalLOE);
    chosenExtTol_ = chosen.external;
    loeNotice_ = ::MetricLOENotice(
        chosen.external, ChangeMetricLOE(chosen.external, kNormalLOE, p.metricLOE), p.metricLOE);
    keptM_.kept = false;
}
