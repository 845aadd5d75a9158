#include "report/print_preview.h"

#include "report/pipe_reports.h"
#include "report/report_hooks.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// Room round the page inside the scroll box.
constexpr int kPageInset = 24;

// Zoom list entries after "Fit page", percent.
constexpr int kZooms[] = {50, 75, 100, 150, 200};

// Large enough to read a whole page: nine tenths of the screen's height and
// a page's width beside it.
QSize OpeningSize(const QWidget* parent) {
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return {541, 432};
    const QRect free = screen->availableGeometry();
    const int h = free.height() * 9 / 10;
    const int w = std::min(free.width() * 9 / 10, h * 85 / 110 + 2 * kPageInset + 60);
    return {std::max(w, 541), std::max(h, 432)};
}

void ReportFailedJob(TReportWorks& rpt) {
    if (rpt.JobFailed() && ReportHooks().message)
        ReportHooks().message("Can not print the report to " + rpt.OutputName());
}

} // namespace

TReportView::TReportView(TReportWorks& engine, QWidget* parent) : QWidget(parent), engine_(engine) {
    PageChanged();
}

void TReportView::PageChanged() {
    resize(engine_.PreviewImage().size());
    if (parentWidget() != nullptr)
        parentWidget()->resize(width() + 2 * kPageInset, height() + 2 * kPageInset);
    update();
}

void TReportView::paintEvent(QPaintEvent*) {
    // A control too small to hold a page shows nothing.
    if (height() <= 100) return;
    QPainter p(this);
    p.drawImage(0, 0, engine_.PreviewImage());
}

TfrmThdPrint::TfrmThdPrint(QWidget* parent) : QDialog(parent) {
    setObjectName("frmThdPrint");
    setWindowTitle("Pitch Ledger - Print Preview");
    resize(OpeningSize(parent));

    auto* top = new QWidget(this);
    top->setObjectName("Panel1");
    auto* buttons = new QHBoxLayout(top);
    btnClose = new QPushButton("&Close", top);
    btnClose->setObjectName("btnClose");
    btnPrint = new QPushButton("&Print", top);
    btnPrint->setObjectName("btnPrint");
    cboZoom = new QComboBox(top);
    cboZoom->setObjectName("cboZoom");
    cboZoom->addItem("Fit page", 0);
    for (int z : kZooms)
        cboZoom->addItem(QString::number(z) + " %", z);
    auto* zoomLabel = new QLabel("&Zoom:", top);
    zoomLabel->setBuddy(cboZoom);
    buttons->addWidget(btnClose);
    buttons->addWidget(btnPrint);
    buttons->addSpacing(20);
    buttons->addWidget(zoomLabel);
    buttons->addWidget(cboZoom);
    buttons->addSpacing(20);
    btnPrevPage = new QPushButton("P&revious Page", top);
    btnPrevPage->setObjectName("btnPrevPage");
    btnNextPage = new QPushButton("&Next Page", top);
    btnNextPage->setObjectName("btnNextPage");
    lblPage = new QLabel(top);
    lblPage->setObjectName("lblPage");
    buttons->addWidget(btnPrevPage);
    buttons->addWidget(lblPage);
    buttons->addWidget(btnNextPage);
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
    print1_.OnPreviewChanged = [this] {
        view_->PageChanged();
        ShowPageControls();
    };

    connect(btnClose, &QPushButton::clicked, this, &TfrmThdPrint::btnCloseClick);
    connect(btnPrint, &QPushButton::clicked, this, &TfrmThdPrint::btnPrintClick);
    connect(cboZoom, &QComboBox::currentIndexChanged, this, &TfrmThdPrint::cboZoomChange);
    connect(btnPrevPage, &QPushButton::clicked, this,
            [this] { ShowPage(print1_.CurrentPage() - 1); });
    connect(btnNextPage, &QPushButton::clicked, this,
            [this] { ShowPage(print1_.CurrentPage() + 1); });
    ShowPageControls();
}

void TfrmThdPrint::ShowPage(int page) {
    if ((job_.record == nullptr && job_.ballMic == nullptr) || print1_.Destination() != dPreview)
        return;
    if (page < 1 || page > print1_.PageTotal() || page == print1_.CurrentPage()) return;
    print1_.SetCurrentPage(page);
    PrintReport(print1_, job_);
}

void TfrmThdPrint::ShowPageControls() {
    const int page = print1_.CurrentPage();
    const int total = print1_.PageTotal();
    lblPage->setText(QStringLiteral("Page %1 of %2").arg(page).arg(total));
    btnPrevPage->setEnabled(page > 1);
    btnNextPage->setEnabled(page < total);
    // A one-page report needs no turning.
    for (QWidget* w : {static_cast<QWidget*>(btnPrevPage), static_cast<QWidget*>(lblPage),
                       static_cast<QWidget*>(btnNextPage)})
        w->setVisible(total > 1);
}

int TfrmThdPrint::FitZoom() const {
    const double zoom = print1_.ZoomPercent() / 100.0;
    const QSize page = print1_.PreviewImage().size();
    const QSize room = ScrollBox1->contentsRect().size() - QSize(2 * kPageInset, 2 * kPageInset);
    if (page.isEmpty() || room.width() <= 0 || room.height() <= 0) return 100;
    const double fit =
        std::min(room.width() / (page.width() / zoom), room.height() / (page.height() / zoom));
    return std::clamp(static_cast<int>(std::floor(fit * 100)), 25, 400);
}

void TfrmThdPrint::ShowAtZoom(int percent) {
    // The page image keeps the zoom it was built at until the report runs again.
    if ((job_.record == nullptr && job_.ballMic == nullptr) || print1_.Destination() != dPreview)
        return;
    print1_.SetZoomPercent(percent);
    PrintReport(print1_, job_);
}

void TfrmThdPrint::FitToPage() {
    // A hidden window has not laid out its scroll box yet.
    if (!isVisible()) return;
    const int zoom = FitZoom();
    if (zoom != print1_.ZoomPercent()) ShowAtZoom(zoom);
}

void TfrmThdPrint::cboZoomChange(int index) {
    const int zoom = cboZoom->itemData(index).toInt();
    if (zoom == 0)
        FitToPage();
    else if (zoom != print1_.ZoomPercent())
        ShowAtZoom(zoom);
}

void TfrmThdPrint::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (cboZoom->currentIndex() == 0) FitToPage();
}

void TfrmThdPrint::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // After the layouts have placed the scroll box.
    QTimer::singleShot(0, this, [this] {
        if (cboZoom->currentIndex() == 0) FitToPage();
    });
}

TfrmThdPrint::~TfrmThdPrint() {
    print1_.SetPrinter(nullptr);
}

QPrinter& SharedPrinter() {
    // Created on first use and kept to the end, like the system's printer
    // selection; a static object would outlive the application object.
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        p->setPageSize(PageSizeOf(ReportPaper()));
        return p;
    }();
    return *printer;
}

void UseReportPaper() {
    SharedPrinter().setPageSize(PageSizeOf(ReportPaper()));
}

QPrinter& TfrmThdPrint::Printer() {
    return SharedPrinter();
}

void TfrmThdPrint::btnPrintClick() {
    int copies = 1;
    if (ReportHooks().printDialog && ReportHooks().printDialog(this, Printer(), copies)) {
        print1_.SetDestination(dPrinter);
        SetupReportPage(print1_);
        job_.copies = 1;
        PrintReport(print1_, job_);
        ReportFailedJob(print1_);
        accept();
        return;
    }
    reject();
}

void TfrmThdPrint::btnCloseClick() {
    reject();
}

void ShowReport(QWidget* parent, const TReportJob& job, bool previewMode) {
    TfrmThdPrint frm(parent);
    TReportWorks& rpt = frm.Print1();
    frm.Job() = job;
    frm.Job().copies = 1;
    if (previewMode) {
        rpt.SetDestination(dPreview);
    } else {
        int copies = 1;
        if (!ReportHooks().printDialog || !ReportHooks().printDialog(parent, frm.Printer(), copies))
            return;
        frm.Job().copies = static_cast<uint16_t>(std::max(1, copies));
        rpt.SetDestination(dPrinter);
    }
    SetupReportPage(rpt);
    if (!PrintReport(rpt, frm.Job())) return;
    ReportFailedJob(rpt);
    if (previewMode && ReportHooks().runModal) ReportHooks().runModal(frm);
}

void PrintThread(QWidget* parent, TTInfo& rec, const QString& pageCaption, bool previewMode,
                 bool metricDisplay, bool settingDim, bool internal) {
    const std::optional<ReportKind> kind = ReportKindOfPage(rec, pageCaption);
    if (!kind) return;
    TReportJob job = ThreadReportJob(*kind, rec, metricDisplay, PipeReportOfPage(pageCaption));
    job.settingDim = settingDim ? 1 : 0;
    job.internal = internal ? 1 : 0;
    ShowReport(parent, job, previewMode);
}
