// Re-evaluation with a measured pitch diameter (the "New PD Value:" boxes of
// the gauge pages and the frame's command) and the Set Dim tool's record.
#include "core/display_unit.h"
#include "core/table_file.h"
#include "core/thread_record.h"
#include "pages/new_pd.h"
#include "pages/parameter_page.h"
#include "pages/set_dim.h"
#include "ui/gauge_setting_page.h"
#include "ui/message_box.h"
#include "ui/thread_window.h"
#include "ui/thread_window_pages.h"
#include "ui/wait_cursor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>

QWidget* TfrmThread::BuildNewPDBox(QLineEdit*& entry, QToolButton*& button, const char* entryName,
                                   const char* buttonName) {
    auto* w = new QWidget;
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    entry = new QLineEdit;
    entry->setObjectName(QString::fromLatin1(entryName));
    entry->setMaximumWidth(entry->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12);
    button = new QToolButton;
    button->setObjectName(QString::fromLatin1(buttonName));
    button->setText(QStringLiteral("Fit"));
    button->setToolTip(QStringLiteral("Recalculate for the nominal diameter at which the GO "
                                      "(or NoGo) pitch diameter is this value"));
    h->addWidget(new QLabel(QStringLiteral("New PD Value:")));
    h->addWidget(entry);
    h->addWidget(button);
    h->addStretch(1);
    QToolButton* sender = button;
    connect(button, &QToolButton::clicked, this, [this, sender] { btnSetPDClick(sender); });
    connect(entry, &QLineEdit::returnPressed, this, [this, sender] { btnSetPDClick(sender); });
    return w;
}

void TfrmThread::btnSetPDClick(QToolButton* sender) {
    // The ring and setting plug gauges check the external thread, the plugs the internal one.
    if (sender == btnRingPD)
        FitToNewPD(optRingGO->isChecked() ? 1 : 2, txtRingPD->text());
    else if (sender == btnSetPD)
        FitToNewPD(optSetPlugGO->isChecked() ? 1 : 2, txtSetPD->text());
    else if (sender == btnPlugPD)
        FitToNewPD(optPlugGO->isChecked() ? 3 : 4, txtPlugPD->text());
}

bool TfrmThread::FitToNewPD(int limit, const QString& text) {
    if (limit < 1 || limit > 4) return false;
    if (!HasThreadCalculation() || !shownEntry_) {
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
            fit = ::FitToNewPD(*shownEntry_, static_cast<PDLimit>(limit), text.toStdString(),
                               metric_, [&progress](int at) { progress.setValue(at); });
        } catch (const TableError& e) {
            fit.message = TableErrorText(e.what()).toStdString();
        }
    }
    if (!fit.message.empty()) {
        ShowError(this, QString::fromStdString(fit.message));
        return false;
    }
    const QString typed = txtNomDia->text();
    const TTInfo* before = rec_.get();
    txtNomDia->setText(QString::fromStdString(fit.diameterText));
    Button2Click();
    if (rec_.get() == before) {
        // Calculate said why (a table file gone meanwhile); the page stays as shown.
        txtNomDia->setText(typed);
        return false;
    }
    reevaluationNote_ = QString::fromStdString(fit.note);
    reevaluatedRecord_ = rec_.get();
    if (fit.steps > 0) unsaved_ = true;
    ShowOutOfDate();
    return true;
}

void TfrmThread::ShowReevaluationNote() {
    const bool shown = rec_ && rec_.get() == reevaluatedRecord_ && !reevaluationNote_.isEmpty();
    lblReevaluated->setText(shown ? reevaluationNote_ : QString());
    lblReevaluated->setVisible(shown);
}

bool TfrmThread::HasThreadCalculation() const {
    return rec_ && !setDim_ && !ballMicMode_;
}

bool TfrmThread::RunSetDimTool(const SetDimEntry& entry) {
    // Built aside: a refused entry leaves the window as it was.
    auto rec = std::make_unique<TTInfo>();
    const SetDimOutcome r = RunSetDim(entry, *rec);
    if (!r.message.empty()) {
        ShowError(this, QString::fromStdString(r.message));
        return false;
    }
    rec_ = std::move(rec);
    setDim_ = true;
    setDimInternal_ = r.internalOnly;
    metric_ = r.metricDisplay;
    unsaved_ = false;
    ShowSetDimResult(!r.internalOnly);
    lblName->setText(QString::fromStdString(r.name));
    setWindowTitle(QString::fromStdString(r.caption));
    FitNameLabel();
    FormActivate();
    emit recordChanged();
    return true;
}

void TfrmThread::ShowSetDimResult(bool external) {
    SetMetricDisplay(metric_);
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
