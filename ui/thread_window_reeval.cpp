// Re-evaluation with a measured pitch diameter (the "New PD Value:" boxes of
// the gauge pages and the frame's command) and the Set Dim tool's record.
// Changes the model's record, re-evaluation note and unsaved mark, the
// diameter box, and the tab set of a Set Dim window.
#include "core/display_unit.h"
#include "core/table_file.h"
#include "core/thread_record.h"
#include "pages/new_pd.h"
#include "pages/parameter_page.h"
#include "pages/result_pages.h"
#include "pages/set_dim.h"
#include "ui/gauge_setting_page.h"
#include "ui/message_box.h"
#include "ui/thread_page.h"
#include "ui/thread_window.h"
#include "ui/wait_cursor.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>

bool TfrmThread::FitToNewPD(int limit, const QString& text) {
    if (limit < 1 || limit > 4) return false;
    if (!HasThreadCalculation() || !model_.ShownEntry()) {
        ShowError(this, QStringLiteral("Can not re-evaluate: calculate the thread first."));
        return false;
    }
    // The walk starts from the thread shown; the page is calculated afterwards.
    if (OutOfDate()) {
        ShowError(this, QStringLiteral("Can not re-evaluate: the parameters have changed since "
                                       "the last Calculate. Press Calculate first."));
        return false;
    }
    NewPDFit fit;
    {
        WaitCursor wait;
        QProgressDialog progress(QStringLiteral("Fitting the nominal diameter..."), QString(), 0,
                                 100, this);
        progress.setObjectName(QStringLiteral("frmProgress"));
        auto* bar = new QProgressBar;
        bar->setObjectName(QStringLiteral("Gage1"));
        progress.setBar(bar);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(400);
        progress.setAutoClose(false);
        try {
            fit =
                ::FitToNewPD(*model_.ShownEntry(), static_cast<PDLimit>(limit), text.toStdString(),
                             model_.Metric(), [&progress](int at) { progress.setValue(at); });
        } catch (const TableError& e) {
            fit.message = TableErrorText(e.what()).toStdString();
        }
    }
    if (!fit.message.empty()) {
        ShowError(this, QString::fromStdString(fit.message));
        return false;
    }
    const QString typed = txtNomDia->text();
    const TTInfo* before = Record();
    txtNomDia->setText(QString::fromStdString(fit.diameterText));
    Button2Click();
    if (Record() == before) {
        // Calculate said why (a table file gone meanwhile); the page stays as shown.
        txtNomDia->setText(typed);
        return false;
    }
    model_.Reevaluated(QString::fromStdString(fit.note), fit.steps > 0);
    ShowOutOfDate();
    return true;
}

void TfrmThread::ShowReevaluationNote() {
    const QString note = model_.ReevaluationNote();
    lblReevaluated->setText(note);
    lblReevaluated->setVisible(!note.isEmpty());
    ShowWireReadings();
}

void TfrmThread::ShowWireReadings() {
    const TTInfo* rec = model_.Record();
    const int page = Notebook1->currentIndex();
    // The Inspect page names the formula with its own readings.
    const bool shown =
        rec && !rec->Pipe && !model_.SetDimShown() && !BallMicMode() &&
        (page == ThreadPage::ThreadDim || page == ThreadPage::SetPlug || page == ThreadPage::Plug);
    lblWireReadings->setText(shown ? QString::fromStdString(WireReadingsLine(*rec)) : QString());
    lblWireReadings->setVisible(shown);
}

bool TfrmThread::RunSetDimTool(const SetDimEntry& entry) {
    // Built aside: a refused entry leaves the window as it was.
    auto rec = std::make_unique<TTInfo>();
    const SetDimOutcome r = RunSetDim(entry, *rec);
    if (!r.message.empty()) {
        ShowError(this, QString::fromStdString(r.message));
        return false;
    }
    model_.ShowSetDim(std::move(rec), r.internalOnly);
    model_.SetMetric(r.metricDisplay);
    ShowSetDimResult(!r.internalOnly);
    lblName->setText(QString::fromStdString(r.name));
    setWindowTitle(QString::fromStdString(r.caption));
    FitNameLabel();
    FormActivate();
    emit recordChanged();
    return true;
}

void TfrmThread::ShowSetDimResult(bool external) {
    SetMetricDisplay(model_.Metric());
    lblOutOfDate->hide();
    ShowReevaluationNote();
    gaugePage_->SetRollGauge(false);
    gaugePage_->SetExternal(external);
    // The tool's record holds one pitch diameter and the setting values: the
    // other pages would show limits it never had.
    {
        const QSignalBlocker block(TabSet1);
        while (TabSet1->count() > 0)
            TabSet1->removeTab(0);
        TabSet1->addTab(ThreadPage::Caption(ThreadPage::Setting));
    }
    Notebook1->setCurrentIndex(ThreadPage::Setting);
    ShowGageSetting();
}
