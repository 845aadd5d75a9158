// The result pages: the name label, the thread and gauge grids, the class W / X
// options, the wire-size entry, the display unit and the clipboard commands.
// Every text shown comes from the core's page and clipboard builders. Changes
// the model's shown entry, display unit and the record's gauge class and wire.
#include "core/display_unit.h"
#include "core/thread_record.h"
#include "gauges/wires.h"
#include "pages/clipboard_text.h"
#include "pages/parameter_page.h"
#include "pages/profile_geometry.h"
#include "pages/result_pages.h"
#include "ui/clipboard_export.h"
#include "ui/color_string_grid.h"
#include "ui/gauge_page.h"
#include "ui/inspect_page.h"
#include "ui/iso1502_page.h"
#include "ui/message_box.h"
#include "ui/pipe_grid_page.h"
#include "ui/profile_page.h"
#include "ui/thread_window.h"

#include "report/print_preview.h"
#include "ui/thread_page.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QStackedWidget>
#include <QTabBar>

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

void TfrmThread::ShowResults() {
    // A new record (Calculate, a thread file) matches the page as it stands now;
    // a redisplay of the same record (class W / X) keeps what was there.
    if (model_.RecordIsNew()) {
        model_.RecordShown(EntryFromPage());
        emit recordChanged();
    }
    SetMetricDisplay(model_.Metric());
    if (model_.PipeShown()) {
        FillPipePages();
        return;
    }
    TTInfo& rec = *Record();
    profileShown_ = BuildProfileGeometry(rec, model_.Metric()).available;
    iso1502Shown_ = HasIso1502Page(rec);
    RebuildTabs(false);
    RedrawResults();
    // A calculation ends on the dimensions.
    if (Notebook1->currentIndex() == ThreadPage::Parameters) ShowPage(ThreadPage::ThreadDim);
    FormActivate();
}

void TfrmThread::RedrawResults() {
    if (!Record()) return;
    if (model_.SetDimShown()) {
        ShowGageSetting();
        return;
    }
    if (model_.PipeShown()) {
        FillPipePages();
        return;
    }
    RemovePipePictures();
    gridThd->SetMinimumColumnWidths({});
    const bool metric = model_.Metric();
    const ResultPagesText p = BuildResultPages(*Record(), FileName().toStdString(), metric);
    lblName->setText(Q(p.name));
    profilePage_->SetGeometry(BuildProfileGeometry(*Record(), metric));
    FitNameLabel();
    gridThd->LoadTextGrid(p.thread, p.threadTips);
    grdTapDrills->LoadTextGrid(p.tapDrills, GridTips(p.tapDrills, metric));
    grdTapDrills->setVisible(!p.tapDrills.empty());
    inspectPage_->Refresh(metric);
    iso1502Page_->Show(p.iso1502);
    ringPage_->Show(p.ring);
    setPlugPage_->Show(p.setPlug);
    plugPage_->Show(p.plug);
    setPlugPage_->ShowWireSizes(p.wireList, p.wireSize1);
    plugPage_->ShowWireSizes(p.wireList, p.wireSize2);
    ShowGageSetting();
    ShowOutOfDate();
}

bool TfrmThread::WorkAtRisk() const {
    return model_.WorkAtRisk(EntryFromPage());
}

QString TfrmThread::MenuName() const {
    return Q(WindowMenuName(lblName->text().toStdString(), FileName().toStdString()));
}

bool TfrmThread::OutOfDate() const {
    return model_.OutOfDate(EntryFromPage());
}

void TfrmThread::ShowOutOfDate() {
    if (!Record() || model_.SetDimShown()) return;
    const bool stale = OutOfDate();
    const std::string caption = pipeCaption_.isEmpty()
                                    ? WindowCaption(*Record(), FileName().toStdString())
                                    : pipeCaption_.toStdString();
    // The mark of unsaved changes, as editors show it.
    setWindowTitle(Q(stale ? OutOfDateCaption(caption) : caption) +
                   (model_.Unsaved() ? QStringLiteral(" *") : QString()));
    ShowReevaluationNote();
    gridThd->SetDimmed(stale);
    for (TGaugePage* page : {ringPage_, setPlugPage_, plugPage_})
        page->SetDimmed(stale);
    for (TPipeGridPage* page : {nptGagesPage_, nptTolsPage_})
        page->Grid()->SetDimmed(stale);
    iso1502Page_->SetDimmed(stale);
    QPalette palette = pnlName->palette();
    palette.setColor(
        QPalette::WindowText,
        palette.color(stale ? QPalette::Disabled : QPalette::Active, QPalette::WindowText));
    lblName->setPalette(palette);
    lblOutOfDate->setVisible(stale);
}

void TfrmThread::FitNameLabel() {
    // From a little above the desktop font (12 points on a 9-point desktop)
    // down in steps of 2 while the designation does not fit the panel.
    QFont font = QApplication::font();
    font.setBold(true);
    const qreal desktop = QApplication::font().pointSizeF();
    int size = std::max(12, static_cast<int>(desktop + 3.5));
    font.setPointSize(size);
    pnlName->setMinimumHeight(QFontMetrics(font).height() + 8);
    const QMargins m = pnlName->layout()->contentsMargins();
    const int room = pnlName->contentsRect().width() - m.left() - m.right();
    const QString text = lblName->text();
    while (QFontMetrics(font).horizontalAdvance(text) > room && size >= 8) {
        size -= 2;
        font.setPointSize(size);
    }
    lblName->setFont(font);
}

void TfrmThread::ApplyGaugeClassOptions() {
    if (!Record()) return;
    const GaugeClassChoice c = GaugeClassOptions(Record()->ExtThd.TypeCode);
    setPlugPage_->ShowClassOptions(c);
    Record()->ClassW = c.classW;
}

void TfrmThread::CheckGaugeClass(bool classX) {
    ApplyGaugeClassOptions();
    // The options above are the type's defaults; the class asked for wins.
    const GaugeClassChoice gauge = GaugeClassOptions(Record()->ExtThd.TypeCode, classX);
    setPlugPage_->CheckClassW(gauge.checkW);
    Record()->ClassW = gauge.classW;
}

void TfrmThread::GaugeClassClick(bool classW) {
    if (!Record()) return;
    Record()->ClassW = classW ? 1 : 0;
    ShowResults();
}

bool TfrmThread::UseWireBox(const TGaugePage* page) {
    TTInfo* rec = Record();
    if (!rec) return false;
    const bool metric = model_.Metric();
    const double size = WireEntryToRecordUnits(*rec, page->WireText().toStdString(), metric);
    if (rec->SetWireSize(size) != 0) {
        const ResultPagesText p = BuildResultPages(*rec, FileName().toStdString(), metric);
        setPlugPage_->SetWireText(Q(p.wireSize1));
        plugPage_->SetWireText(Q(p.wireSize2));
        ShowError(this, QStringLiteral("Invalid Wire Size!"));
        return false;
    }
    RedrawResults();
    return true;
}

bool TfrmThread::UseNewWireSize(const QString& text) {
    if (!HasThreadCalculation()) {
        ShowInformation(this, QStringLiteral("A wire size needs a calculated thread: calculate "
                                             "the thread first."));
        return false;
    }
    if (model_.PipeShown()) {
        ShowInformation(this, QStringLiteral("Pipe threads have no wire readings."));
        return false;
    }
    setPlugPage_->SetWireText(text);
    return UseWireBox(setPlugPage_);
}

void TfrmThread::FormActivate() {
    SetMetricDisplay(model_.Metric());
    UpdateEngagementHint();
    emit metricFlagChanged(model_.Metric());
}

void TfrmThread::ToggleDisplayUnit() {
    // Pipe tables are inches only; the frame disables the command for them.
    if (!UnitSwitchable()) return;
    model_.SetMetric(!model_.Metric());
    SetMetricDisplay(model_.Metric());
    RedrawResults();
    UpdateEngagementHint();
    emit metricFlagChanged(model_.Metric());
}

void TfrmThread::CopyCalCertData() {
    if (!Record()) return;
    const TGaugePage* page = nullptr;
    switch (Notebook1->currentIndex()) {
    case ThreadPage::Ring:
        page = ringPage_;
        break;
    case ThreadPage::SetPlug:
        page = setPlugPage_;
        break;
    case ThreadPage::Plug:
        page = plugPage_;
        break;
    default:
        return;
    }
    PutTextOnClipboard(CalCertText(*Record(), page->Kind(), page->GoChosen(), model_.Metric()));
}

void TfrmThread::CopyThreadDims(bool internal) {
    if (!Record()) return;
    PutTextOnClipboard(ThreadDimsText(*Record(), internal, model_.Metric()));
}

void TfrmThread::PrintThread(bool previewMode) {
    if (BallMicMode()) {
        if (BallMic()) ShowReport(this, BallMicReportJob(*BallMic()), previewMode);
        return;
    }
    // Nothing is calculated yet: say so rather than leave the button dead.
    if (!Record()) {
        ShowInformation(this, QStringLiteral("There is no calculation to print yet."));
        return;
    }
    ::PrintThread(this, *Record(), ThreadPage::Caption(Notebook1->currentIndex()), previewMode,
                  model_.Metric(), model_.SetDimShown(), model_.SetDimInternal());
}
