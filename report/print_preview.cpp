#include "report/print_preview.h"

#include "core/thread_record.h"
#include "report/report_hooks.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// Room round the page inside the scroll box.
constexpr int kPageInset = 24;

void ReportFailedJob(TReportWorks& rpt)
{
    if (rpt.JobFailed() && ReportHooks().message)
        ReportHooks().message("Can not print the report to " + rpt.OutputName());
}

} // namespace

TReportView::TReportView(TReportWorks& engine, QWidget* parent) : QWidget(parent), engine_(engine)
{
    PageChanged();
}

void TReportView::PageChanged()
{
    resize(engine_.PreviewImage().size());
    if (parentWidget() != nullptr)
        parentWidget()->resize(width() + 2 * kPageInset, height() + 2 * kPageInset);
    update();
}

void TReportView::paintEvent(QPaintEvent*)
{
    // A control too small to hold a page shows nothing.
    if (height() <= 100) return;
    QPainter p(this);
    p.drawImage(0, 0, engine_.PreviewImage());
}

TfrmThdPrint::TfrmThdPrint(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmThdPrint");
    setWindowTitle("Pitch Ledger - Print Preview");
    resize(541, 432);

    auto* top = new QWidget(this);
    top->setObjectName("Panel1");
    auto* buttons = new QHBoxLayout(top);
    btnClose = new QPushButton("&Close", top);
    btnClose->setObjectName("btnClose");
    btnPrint = new QPushButton("&Print", top);
    btnPrint->setObjectName("btnPrint");
    buttons->addWidget(btnClose);
    buttons->addWidget(btnPrint);
    buttons->addStretch();

    auto* client = new QWidget(this);
    client->setObjectName("Panel2");
    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(15, 15, 15, 15);
    ScrollBox1 = new QScrollArea(client);
    ScrollBox1->setObjectName("ScrollBox1");
    clientLayout->addWidget(ScrollBox1);
    auto* sheet = new QWidget;
    view_ = new TReportView(print1_, sheet);
    view_->setObjectName("Print1");
    view_->move(kPageInset, kPageInset);
    view_->PageChanged();
    ScrollBox1->setWidget(sheet);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(client, 1);

    print1_.SetPrinter(&Printer());
    print1_.SetAutoPage(false);
    print1_.SetLeftMargin(1.0);
    print1_.SetRightMargin(1.0);
    print1_.SetTopMargin(1.0);
    print1_.SetBottomMargin(1.0);
    print1_.SetDestination(dPreview);
    print1_.SetLineMeasure(lmTextHeight);
    print1_.SetLinesPerInch(0);
    print1_.SetLineWidth(lwDefault);
    print1_.SetOrientation(poPortrait);
    print1_.SetPageBorder(false);
    print1_.SetTextStyle(tsDefault);
    print1_.SetZoomPercent(100);
    print1_.SetFont("MS Sans Serif", 8);
    print1_.OnPreviewChanged = [this] { view_->PageChanged(); };

    connect(btnClose, &QPushButton::clicked, this, &TfrmThdPrint::btnCloseClick);
    connect(btnPrint, &QPushButton::clicked, this, &TfrmThdPrint::btnPrintClick);
}

TfrmThdPrint::~TfrmThdPrint()
{
    print1_.SetPrinter(nullptr);
}

QPrinter& SharedPrinter()
{
    // Created on first use and kept to the end, like the system's printer
    // selection; a static object would outlive the application object.
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}

QPrinter& TfrmThdPrint::Printer()
{
    return SharedPrinter();
}

void TfrmThdPrint::btnPrintClick()
{
    int copies = 1;
    if (ReportHooks().printDialog && ReportHooks().printDialog(this, Printer(), copies)) {
        print1_.SetDestination(dPrinter);
        SetupReportPage(print1_);
        job_.copies = 1;
        PrintRememberedReport(print1_, job_);
        ReportFailedJob(print1_);
        accept();
        return;
    }
    reject();
}

void TfrmThdPrint::btnCloseClick()
{
    reject();
}

int ReportKindOfPage(const TTInfo& rec, const QString& pageCaption)
{
    if (pageCaption == "Ring Gage" || pageCaption == "Set Plug" || pageCaption == "Plug Gage")
        return kReportGauge;
    // A pipe thread prints its own dimensions report from these pages.
    if (pageCaption == "Parameters" || pageCaption == "Thread Dim.")
        return rec.TypeName == "NPT" ? -1 : kReportThread;
    return -1;
}

void PrintThread(QWidget* parent, TTInfo& rec, const QString& pageCaption, bool previewMode,
                 bool metricDisplay)
{
    TfrmThdPrint frm(parent);
    TReportWorks& rpt = frm.Print1();
    TReportJob& job = frm.Job();
    job.copies = 1;
    if (previewMode) {
        rpt.SetDestination(dPreview);
    } else {
        int copies = 1;
        if (!ReportHooks().printDialog || !ReportHooks().printDialog(parent, frm.Printer(), copies))
            return;
        job.copies = static_cast<uint16_t>(std::max(1, copies));
        rpt.SetDestination(dPrinter);
    }
    job.record = &rec;
    job.metricDisplay = metricDisplay;
    SetupReportPage(rpt);
    switch (ReportKindOfPage(rec, pageCaption)) {
    case kReportGauge: PrintGaugeReport(rpt, job); break;
    case kReportThread: PrintThreadReport(rpt, job); break;
    default: return;
    }
    ReportFailedJob(rpt);
    if (previewMode && ReportHooks().runModal) ReportHooks().runModal(frm);
}
