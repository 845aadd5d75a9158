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
#include "ui/message_box.h"
#include "ui/thread_window.h"

#include "report/print_preview.h"
#include "ui/thread_window_pages.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStringList>
#include <QTabBar>

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

} // namespace

void TfrmThread::ShowResults()
{
    SetMetricDisplay(metric_);
    RebuildTabs(false);
    RedrawResults();
    // A calculation ends on the dimensions.
    if (Notebook1->currentIndex() == ThreadPage::Parameters) ShowPage(ThreadPage::ThreadDim);
    FormActivate();
}

void TfrmThread::RedrawResults()
{
    if (!rec_) return;
    const ResultPagesText p = BuildResultPages(*rec_, fileName_.toStdString(), metric_);
    setWindowTitle(Q(p.caption));
    lblName->setText(Q(p.name));
    FitNameLabel();
    gridThd->LoadTextGrid(p.thread);
    grdRing->LoadTextGrid(p.ring.grid);
    lblRingLeadTol->setText(Q(p.ring.leadTol));
    lblRingAngleTol->setText(Q(p.ring.angleTol));
    grdSetPlug->LoadTextGrid(p.setPlug.grid);
    lblSetPlugLeadTol->setText(Q(p.setPlug.leadTol));
    lblSetPlugAngleTol->setText(Q(p.setPlug.angleTol));
    grdPlug->LoadTextGrid(p.plug.grid);
    lblPlugLeadTol->setText(Q(p.plug.leadTol));
    lblPlugAngleTol->setText(Q(p.plug.angleTol));
    ShowWireBox(cbWireSize1, p.wireList, p.wireSize1);
    ShowWireBox(cbWireSize2, p.wireList, p.wireSize2);
}

void TfrmThread::FitNameLabel()
{
    QFont font = lblName->font();
    font.setBold(true);
    int size = 12;
    font.setPointSize(size);
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
    cbWireSize1->setEditText(text);
    return spdWireSize1Click(true);
}

void TfrmThread::FormActivate()
{
    SetMetricDisplay(metric_);
    emit metricFlagChanged(metric_);
}

void TfrmThread::ToggleDisplayUnit()
{
    metric_ = !metric_;
    SetMetricDisplay(metric_);
    RedrawResults();
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
    // Nothing is calculated yet: say so rather than leave the button dead.
    if (!rec_) {
        ShowInformation(this, QStringLiteral("There is no calculation to print yet."));
        return;
    }
    ::PrintThread(this, *rec_, ThreadPage::Caption(Notebook1->currentIndex()), previewMode,
                  metric_);
}
