// Thread files: saving the window's record, and opening one into a fresh record
// with the parameter page shown as it was typed. Changes the model's record,
// file name, unsaved mark and metric classes, and the parameter page's widgets.
#include "core/table_file.h"
#include "core/thread_record.h"
#include "gauges/ball_mic.h"
#include "pages/parameter_page.h"
#include "pages/result_pages.h"
#include "pages/thread_file.h"
#include "ui/message_box.h"
#include "ui/thread_window.h"
#include "ui/wait_cursor.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

bool TfrmThread::SaveThreadFile(const QString& fileName) {
    if (BallMicMode()) return SaveBallMicFile(fileName);
    if (!SaveAllowed()) return false;
    if (!Record()) {
        ShowError(this, QStringLiteral("There is no calculation to save yet."));
        return false;
    }
    std::string error;
    if (!SaveToFile(*Record(), fileName.toStdString(), &error)) {
        ShowError(this, QString::fromStdString(error));
        return false;
    }
    model_.SetFileName(fileName);
    model_.MarkSaved();
    ShowOutOfDate();
    return true;
}

bool TfrmThread::SaveAllowed() {
    if (!model_.SetDimShown()) return true;
    ShowInformation(this, QStringLiteral("The Set Dim tool's setting dimensions are not saved as "
                                         "a thread file: print the Setting Dims Report to keep "
                                         "them."));
    return false;
}

bool TfrmThread::OpenThreadFile(const QString& fileName) {
    if (BallMicMode() || IsBallMicFile(fileName.toStdString())) return OpenBallMicFile(fileName);
    // Read into a fresh record: a file that cannot be used leaves the window as it was.
    auto rec = std::make_unique<TTInfo>();
    LoadResult loaded;
    WaitCursor wait;
    try {
        loaded = LoadFromFile(*rec, fileName.toStdString());
    } catch (const TableError& e) {
        loaded.message = e.what();
    }
    wait.Restore();
    if (loaded.status != LoadResult::Status::Loaded) {
        ShowError(this, QString::fromStdString(loaded.message));
        return false;
    }

    const bool classX = rec->ClassW == 0;
    model_.ShowThread(std::move(rec));
    model_.MarkSaved();
    model_.SetFileName(fileName);
    RestoreParameterPage();
    CheckGaugeClass(classX);
    ShowResults();
    if (!loaded.message.empty()) ShowInformation(this, QString::fromStdString(loaded.message));
    return true;
}

void TfrmThread::RestoreParameterPage() {
    const RestoredPage p = RestorePage(*Record());
    {
        const QSignalBlocker block(cboType);
        cboType->setCurrentIndex(p.typeIndex);
    }
    cboTypeClick();
    if (!cboClass->isHidden()) {
        const QSignalBlocker block(cboClass);
        cboClass->setCurrentIndex(cboClass->findText(QString::fromStdString(p.classEntry)));
    }
    if (p.pipe) {
        {
            const QSignalBlocker block(cboClass);
            cboClass->setCurrentIndex(p.pipeKind);
        }
        // The kind's size list, then the file's size in it.
        cboClassClick();
        cboNPTSize->setCurrentIndex(p.pipeSize);
    }
    txtNomDia->setText(QString::fromStdString(p.diameterText));
    txtPitch->setText(QString::fromStdString(p.pitchText));
    if (p.customLOE) {
        optCustomLOE->setChecked(true);
        txtLOE->setText(QString::fromStdString(p.loeText));
    } else {
        optStandardLOE->setChecked(true);
    }
    cboStarts->setCurrentIndex(p.startsIndex);
    (p.coated ? optCoating : optNoCoat)->setChecked(true);
    if (p.coated) txtCoating->setText(QString::fromStdString(p.coatingText));
    model_.SetMetric(p.metric);
    if (p.metric) {
        model_.RestoreMetricClasses(p);
        const QSignalBlocker block(metricLOEButtons_);
        metricLOEButtons_->button(p.metricLOE)->setChecked(true);
        metricDirButtons_->button(p.leftHand ? 1 : 0)->setChecked(true);
        ShowMetricTols();
    }
}
