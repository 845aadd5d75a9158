// The metric grade button and the engagement group of the parameter page.
#include "core/thread_record.h"
#include "pages/metric_tolerance.h"
#include "pages/parameter_page.h"
#include "ui/metric_dialog.h"
#include "ui/thread_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

MetricTolTexts Tols(const QString& internal, const QString& external)
{
    return {internal.toStdString(), external.toStdString()};
}

} // namespace

void TfrmThread::ShowMetricTols()
{
    const int index = cboType->currentIndex();
    const auto& types = ThreadTypeEntries();
    const uint16_t code = index >= 0 && index < static_cast<int>(types.size())
                              ? types[static_cast<std::size_t>(index)].typeCode
                              : static_cast<uint16_t>(kTypeM);
    btnMetric->setText(QString::fromStdString(
        MetricButtonCaption(code, Tols(intTolText_, extTolText_))));
}

void TfrmThread::btnMetricClick()
{
    TfrmMetric dialog(Tols(intTolText_, extTolText_), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const MetricTolTexts tols = dialog.Texts();
    intTolText_ = QString::fromStdString(tols.internal);
    extTolText_ = QString::fromStdString(tols.external);
    ShowMetricTols();
    ParametersEdited();
}

void TfrmThread::optMetricLOEClick(int group)
{
    if (group == metricLOEGroup_) return;
    const MetricLOEChange change =
        ChangeMetricLOE(extTolText_.toStdString(), metricLOEGroup_, group);
    extTolText_ = QString::fromStdString(change.external);
    metricLOEGroup_ = change.group;
    if (change.refused) {
        const QSignalBlocker block(metricLOEButtons_);
        metricLOEButtons_->button(change.group)->setChecked(true);
    }
    ShowMetricTols();
    ParametersEdited();
}
