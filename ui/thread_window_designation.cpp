// The "Designation:" box of the parameter page: changes the page's widgets
// and the model's metric classes, never the record shown.
#include "core/thread_types.h"
#include "pages/designation_fill.h"
#include "pages/metric_tolerance.h"
#include "ui/message_box.h"
#include "ui/thread_window.h"
#include "ui/typed_number.h"
#include "ui/wait_cursor.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

void TfrmThread::FillDesignation() {
    if (BallMicMode()) return;
    WaitCursor wait;
    // "M10x1,25" in a German desktop, as every numeric box takes it.
    const DesignationFill fill =
        FillFromDesignation(PointDecimal(txtDesignation->text()).toStdString());
    wait.Restore();
    // A text not understood leaves every box as it was.
    if (!fill.message.empty()) {
        ShowError(this, QString::fromStdString(fill.message));
        txtDesignation->setFocus();
        return;
    }
    ShowEntry(fill.entry);
    if (fill.entry.customLOE)
        txtLOE->setFocus();
    else
        Button2->setFocus();
}

void TfrmThread::ShowEntry(const ParameterEntry& e) {
    {
        const QSignalBlocker block(cboType);
        cboType->setCurrentIndex(e.typeIndex);
    }
    cboTypeClick();
    if (e.pipe) {
        {
            const QSignalBlocker block(cboClass);
            cboClass->setCurrentIndex(e.pipeKind);
        }
        cboClassClick();
        cboNPTSize->setCurrentIndex(e.pipeSize);
    } else if (!cboClass->isHidden()) {
        cboClass->setCurrentIndex(cboClass->findData(QString::fromStdString(e.classText)));
    }
    txtNomDia->setText(e.pipe ? QString() : QString::fromStdString(e.diameterText));
    txtPitch->setText(e.pipe ? QString() : QString::fromStdString(e.pitchText));
    (e.customLOE ? optCustomLOE : optStandardLOE)->setChecked(true);
    if (e.customLOE) txtLOE->clear();
    if (cboStarts->isEnabled()) cboStarts->setCurrentIndex(e.startsIndex);
    if (e.typeIndex >= 0 &&
        MetricByDefault(ThreadTypeEntries()[std::size_t(e.typeIndex)].typeCode)) {
        model_.ChooseMetricTols({e.intTolText, e.extTolText});
        ApplyMetricLOE(e.metricLOE);
        metricDirButtons_->button(e.leftHand ? 1 : 0)->setChecked(true);
    }
    ParametersEdited();
}
