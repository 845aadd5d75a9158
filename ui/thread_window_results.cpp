// The result pages: the name label, the thread and gauge grids, the class W / X
// options, the wire-size entry, the display unit and the clipboard commands.
// Every text shown comes from the core's page and clipboard builders.
#include "ui/clipboard_export.h"
#include "pages/clipboard_text.h"
#include "core/display_unit.h"
#include "pages/parameter_page.h"
#include "pages/result_pages.h"
#include "core/thread_record.h"
#include "gauges/wires.h"
#include "ui/color_string_grid.h"
#include "ui/inspect_page.h"
#include "ui/iso1502_page.h"
#include "ui/message_box.h"
#include "ui/thread_window.h"
#include "ui/profile_page.h"
#include "pages/profile_geometry.h"

#include "report/print_preview.h"
#include "ui/thread_window_pages.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStringList>
#include <QTabBar>

#include <tuple>

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

void ShowWireBox(QComboBox* box, const std::vector<std::string>& sizes, const std::string& text)
{
    box->clear();
    for (const std::string& s : sizes) box->addItem(Q(s));
    box->setEditText(Q(text));
}

bool SameEntry(const ParameterEntry& a, const ParameterEntry& b)
{
    auto fields = [](const ParameterEntry& e) {
        return std::tie(e.typeIndex, e.classText, e.diameterText, e.pipe, e.pipeKind, e.pipeSize,
                        e.pipeSizeText, e.pitchText, e.startsIndex, e.customLOE, e.loeText,
                        e.coated, e.coatingText, e.intTolText, e.extTolText, e.metricLOE,
                        e.leftHand);
    };
    // Texts of options not chosen do not change the calculation.
    ParameterEntry x = a;
    ParameterEntry y = b;
    for (ParameterEntry* e : {&x, &y}) {
        if (!e->customLOE) e->loeText.clear();
        if (!e->coated) e->coatingText.clear();
        if (e->pipe) {
            e->diameterText.clear();
            e->pitchText.clear();
        }
    }
    return fields(x) == fields(y);
}

// Without a tolerance set, one line stands in for the tolerance columns and
// labels; a set that leaves some tolerances out keeps them, and the line says which.
void ShowNote(TColorStringGrid* grid, QLabel* note, QWidget* tolerances, const GaugePageText& page)
{
    for (std::size_t c : kGaugeTolColumns)
        grid->setColumnHidden(static_cast<int>(c), !page.tolerances);
    grid->FitToTexts();
    note->setText(Q(page.note));
    note->setVisible(!page.note.empty());
    tolerances->setVisible(page.tolerances);
}

} // namespace

void TfrmThread::ShowResults()
{
    // A new record (Calculate, a thread file) matches the page as it stands now;
    // a redisplay of the same record (class W / X) keeps what was there.
    if (rec_.get() != shownRecord_) {
        shownRecord_ = rec_.get();
        shownEntry_ = std::make_unique<ParameterEntry>(EntryFromPage());
        reevaluatedRecord_ = nullptr;
        emit recordChanged();
    }
    SetMetricDisplay(metric_);
    if (PipeShown()) {
        FillPipePages();
        return;
    }
    profileShown_ = BuildProfileGeometry(*rec_, metric_).available;
    iso1502Shown_ = HasIso1502Page(*rec_);
    RebuildTabs(false);
    RedrawResults();
    // A calculation ends on the dimensions.
    if (Notebook1->currentIndex() == ThreadPage::Parameters) ShowPage(ThreadPage::ThreadDim);
    FormActivate();
}

void TfrmThread::RedrawResults()
{
    if (!rec_) return;
    if (setDim_) {
        ShowGageSetting();
        return;
    }
    if (PipeShown()) {
        FillPipePages();
        return;
    }
    RemovePipePictures();
    gridThd->SetMinimumColumnWidths({});
    const ResultPagesText p = BuildResultPages(*rec_, fileName_.toStdString(), metric_);
    lblName->setText(Q(p.name));
    profilePage_->SetGeometry(BuildProfileGeometry(*rec_, metric_));
    FitNameLabel();
    gridThd->LoadTextGrid(p.thread, p.threadTips);
    grdTapDrills->LoadTextGrid(p.tapDrills, GridTips(p.tapDrills, metric_));
    grdTapDrills->setVisible(!p.tapDrills.empty());
    inspectPage_->Refresh(metric_);
    iso1502Page_->Show(p.iso1502);
    grdRing->LoadTextGrid(p.ring.grid, p.ring.tips);
    lblRingLeadTol->setText(Q(p.ring.leadTol));
    lblRingAngleTol->setText(Q(p.ring.angleTol));
    ShowNote(grdRing, lblRingNote, lblRingLeadTol->parentWidget(), p.ring);
    grdSetPlug->LoadTextGrid(p.setPlug.grid, p.setPlug.tips);
    lblSetPlugLeadTol->setText(Q(p.setPlug.leadTol));
    lblSetPlugAngleTol->setText(Q(p.setPlug.angleTol));
    ShowNote(grdSetPlug, lblSetPlugNote, lblSetPlugLeadTol->parentWidget(), p.setPlug);
    grdPlug->LoadTextGrid(p.plug.grid, p.plug.tips);
    lblPlugLeadTol->setText(Q(p.plug.leadTol));
    lblPlugAngleTol->setText(Q(p.plug.angleTol));
    ShowNote(grdPlug, lblPlugNote, lblPlugLeadTol->parentWidget(), p.plug);
    ShowWireBox(cbWireSize1, p.wireList, p.wireSize1);
    ShowWireBox(cbWireSize2, p.wireList, p.wireSize2);
    ShowGageSetting();
    ShowOutOfDate();
}

bool TfrmThread::OutOfDate() const
{
    return rec_ && shownEntry_ && rec_.get() == shownRecord_ &&
           !SameEntry(*shownEntry_, EntryFromPage());
}

void TfrmThread::ShowOutOfDate()
{
    if (!rec_ || setDim_) return;
    const bool stale = OutOfDate();
    const std::string caption = pipeCaption_.isEmpty()
                                    ? WindowCaption(*rec_, fileName_.toStdString())
                                    : pipeCaption_.toStdString();
    // The mark of unsaved changes, as editors show it.
    setWindowTitle(Q(stale ? OutOfDateCaption(caption) : caption) +
                   (unsaved_ ? QStringLiteral(" *") : QString()));
    ShowReevaluationNote();
    for (TColorStringGrid* grid : {gridThd, grdRing, grdSetPlug, grdPlug, nptGageGrid, nptTolsGrid})
        grid->SetDimmed(stale);
    iso1502Page_->SetDimmed(stale);
    QPalette palette = pnlName->palette();
    palette.setColor(QPalette::WindowText,
                     palette.color(stale ? QPalette::Disabled : QPalette::Active,
                                   QPalette::WindowText));
    lblName->setPalette(palette);
    lblOutOfDate->setVisible(stale);
}

void TfrmThread::FitNameLabel()
{
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

void TfrmThread::ApplyGaugeClassOptions()
{
    if (!rec_) return;
    const GaugeClassChoice c = GaugeClassOptions(rec_->ExtThd.TypeCode);
    optClassW->setVisible(c.showW);
    optClassX->setVisible(c.showX);
    if (c.checkW) optClassW->setChecked(true);
    else optClassX->setChecked(true);
    rec_->ClassW = c.classW;
}

void TfrmThread::optClassWClick()
{
    if (!rec_) return;
    rec_->ClassW = 1;
    ShowResults();
}

void TfrmThread::optClassXClick()
{
    if (!rec_) return;
    rec_->ClassW = 0;
    ShowResults();
}

bool TfrmThread::spdWireSize1Click(bool setPlugBox)
{
    if (!rec_) return false;
    const QString text = (setPlugBox ? cbWireSize1 : cbWireSize2)->currentText();
    const double size = WireEntryToRecordUnits(*rec_, text.toStdString(), metric_);
    if (rec_->SetWireSize(size) != 0) {
        const ResultPagesText p = BuildResultPages(*rec_, fileName_.toStdString(), metric_);
        cbWireSize1->setEditText(Q(p.wireSize1));
        cbWireSize2->setEditText(Q(p.wireSize2));
        ShowError(this, QStringLiteral("Invalid Wire Size!"));
        return false;
    }
    RedrawResults();
    return true;
}

bool TfrmThread::UseNewWireSize(const QString& text)
{
    if (!HasThreadCalculation()) {
        ShowInformation(this, QStringLiteral("A wire size needs a calculated thread: calculate "
                                             "the thread first."));
        return false;
    }
    if (PipeShown()) {
        ShowInformation(this, QStringLiteral("Pipe threads have no wire readings."));
        return false;
    }
    cbWireSize1->setEditText(text);
    return spdWireSize1Click(true);
}

void TfrmThread::FormActivate()
{
    SetMetricDisplay(metric_);
    UpdateEngagementHint();
    emit metricFlagChanged(metric_);
}

void TfrmThread::ToggleDisplayUnit()
{
    // Pipe tables are inches only; the frame disables the command for them.
    if (!UnitSwitchable()) return;
    metric_ = !metric_;
    SetMetricDisplay(metric_);
    RedrawResults();
    UpdateEngagementHint();
    emit metricFlagChanged(metric_);
}

void TfrmThread::CopyCalCertData()
{
    if (!rec_) return;
    std::string text;
    switch (Notebook1->currentIndex()) {
    case ThreadPage::Ring:
        text = CalCertText(*rec_, GaugePage::Ring, optRingGO->isChecked(), metric_);
        break;
    case ThreadPage::SetPlug:
        text = CalCertText(*rec_, GaugePage::SetPlug, optSetPlugGO->isChecked(), metric_);
        break;
    case ThreadPage::Plug:
        text = CalCertText(*rec_, GaugePage::Plug, optPlugGO->isChecked(), metric_);
        break;
    default:
        return;
    }
    PutTextOnClipboard(text);
}

void TfrmThread::CopyThreadDims(bool internal)
{
    if (!rec_) return;
    PutTextOnClipboard(ThreadDimsText(*rec_, internal, metric_));
}

void TfrmThread::PrintThread(bool previewMode)
{
    if (ballMicMode_) {
        if (ballMic_) ShowReport(this, BallMicReportJob(*ballMic_), previewMode);
        return;
    }
    // Nothing is calculated yet: say so rather than leave the button dead.
    if (!rec_) {
        ShowInformation(this, QStringLiteral("There is no calculation to print yet."));
        return;
    }
    ::PrintThread(this, *rec_, ThreadPage::Caption(Notebook1->currentIndex()), previewMode,
                  metric_, setDim_, setDimInternal_);
}
