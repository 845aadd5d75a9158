// The metric grade button and the engagement group of the parameter page:
// the model keeps the classes, this file keeps the widgets in step with them.
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
        QString::fromStdString(MetricButtonCaption(code, {model_.IntTol(), model_.ExtTol()})));
    const QString notice = QString::fromStdString(model_.MetricLOENotice());
    lblMetricLOENote->setText(notice);
    lblMetricLOENote->setVisible(ThreadTypeOf(code).engagement == Engagement::Group &&
                                 !notice.isEmpty());
}

void TfrmThread::ApplyMetricLOE(int asked) {
    model_.ApplyMetricLOE(asked);
    const int group = model_.MetricLOEGroup();
    if (metricLOEButtons_->checkedId() != group) {
        const QSignalBlocker block(metricLOEButtons_);
        metricLOEButtons_->button(group)->setChecked(true);
    }
    ShowMetricTols();
}

void TfrmThread::btnMetricClick() {
    // The dialog offers the class chosen; the group shifts it again afterwards.
    TfrmMetric dialog({model_.IntTol(), model_.ChosenExtTol()}, this);
    if (dialog.exec() != QDialog::Accepted) return;
    model_.ChooseMetricTols(dialog.Texts());
    ApplyMetricLOE(model_.MetricLOEGroup());
    ParametersEdited();
}

void TfrmThread::optMetricLOEClick(int group) {
    if (group == model_.MetricLOEGroup()) return;
    ApplyMetricLOE(group);
    ParametersEdited();
}

void TfrmThread::KeepMClasses() {
    model_.KeepMClasses();
    const QSignalBlocker block(metricLOEButtons_);
    metricLOEButtons_->button(kNormalLOE)->setChecked(true);
}

void TfrmThread::RestoreMClasses() {
    if (const std::optional<int> group = model_.RestoreMClasses()) ApplyMetricLOE(*group);
}
