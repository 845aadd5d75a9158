// The metric grade button and the engagement group of the parameter page.
#include "core/thread_record.h"
#include "pages/metric_tolerance.h"
#include "pages/parameter_page.h"
#include "ui/metric_dialog.h"
#include "ui/thread_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

MetricTolTexts Tols(const QString& internal, const QString& external) {
    return {internal.toStdString(), external.toStdString()};
}

} // namespace

uint16_t TfrmThread::ShownTypeCode() const {
    const int index = cboType->currentIndex();
    const auto& types = ThreadTypeEntries();
    return index >= 0 && index < static_cast<int>(types.size())
               ? types[static_cast<std::size_t>(index)].typeCode
               : static_cast<uint16_t>(kTypeM);
}

void TfrmThread::ShowMetricTols() {
    const uint16_t code = ShownTypeCode();
    btnMetric->setText(
        QString::fromStdString(MetricButtonCaption(code, Tols(intTolText_, extTolText_))));
    lblMetricLOENote->setText(metricLOENotice_);
    lblMetricLOENote->setVisible(code == kTypeM && !metricLOENotice_.isEmpty());
}

void TfrmThread::ApplyMetricLOE(int asked) {
    const std::string chosen = chosenExtTol_.toStdString();
    const MetricLOEChange change = ChangeMetricLOE(chosen, kNormalLOE, asked);
    extTolText_ = QString::fromStdString(change.external);
    metricLOEGroup_ = change.group;
    metricLOENotice_ = QString::fromStdString(MetricLOENotice(chosen, change, asked));
    if (metricLOEButtons_->checkedId() != change.group) {
        const QSignalBlocker block(metricLOEButtons_);
        metricLOEButtons_->button(change.group)->setChecked(true);
    }
    ShowMetricTols();
}

void TfrmThread::btnMetricClick() {
    // The dialog offers the class chosen; the group shifts it again afterwards.
    TfrmMetric dialog(Tols(intTolText_, chosenExtTol_), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const MetricTolTexts tols = dialog.Texts();
    intTolText_ = QString::fromStdString(tols.internal);
    chosenExtTol_ = QString::fromStdString(tols.external);
    ApplyMetricLOE(metricLOEGroup_);
    ParametersEdited();
}

void TfrmThread::optMetricLOEClick(int group) {
    if (group == metricLOEGroup_) return;
    ApplyMetricLOE(group);
    ParametersEdited();
}

void TfrmThread::KeepMClasses() {
    // MJ has one class and no engagement groups; the M choice waits for M.
    const MetricTolTexts mj = DefaultMetricTols(kTypeMJ);
    const bool showsMJ = intTolText_.toStdString() == mj.internal &&
                         extTolText_.toStdString() == mj.external && metricLOEGroup_ == kNormalLOE;
    if (!showsMJ) keptM_ = {true, intTolText_, chosenExtTol_, metricLOEGroup_};
    intTolText_ = QString::fromStdString(mj.internal);
    extTolText_ = chosenExtTol_ = QString::fromStdString(mj.external);
    metricLOEGroup_ = kNormalLOE;
    metricLOENotice_.clear();
    const QSignalBlocker block(metricLOEButtons_);
    metricLOEButtons_->button(kNormalLOE)->setChecked(true);
}

void TfrmThread::RestoreMClasses() {
    if (!keptM_.kept) return;
    intTolText_ = keptM_.internal;
    chosenExtTol_ = keptM_.chosenExternal;
    keptM_.kept = false;
    ApplyMetricLOE(keptM_.group);
}
