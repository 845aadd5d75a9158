// Page geometry, positions and text of the report engine.
#include "report/report_works.h"

#include "report/report_hooks.h"
#include "report/report_pixels.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPrinter>

#include <algorithm>
#include <cstdlib>

// The preview starts as a 9 x 11 inch page at screen resolution.
TReportWorks::TReportWorks()
    : preview_(ScreenImage(9 * kScreenPixelsPerInch, 11 * kScreenPixelsPerInch)) {
    InstallReportFonts();
    pageW_ = preview_.width();
    pageH_ = preview_.height();
    ApplyMargins();
    Home();
}

TReportWorks::~TReportWorks() {
    if (painter_.isActive()) painter_.end();
}

void TReportWorks::SetBottomMargin(double value) {
    margin_[kBottom] = value;
    ApplyMargins();
}

void TReportWorks::SetLeftMargin(double value) {
    margin_[kLeft] = value;
    ApplyMargins();
}

void TReportWorks::SetRightMargin(double value) {
    margin_[kRight] = value;
    ApplyMargins();
}

void TReportWorks::SetTopMargin(double value) {
    margin_[kTop] = value;
    ApplyMargins();
}

void TReportWorks::SetCurrentPage(int page) {
    currentPage_ = std::clamp(page, 1, std::max(1, pageTotal_));
}

void TReportWorks::SetOrientation(TOrientation o) {
    orientation_ = o;
    Target().SetLandscape(o == poLandscape);
    if (!active_) return;
    if (destination_ == dPreview && painter_.isActive()) {
        painter_.end();
        SetUpPage();
        StartPainter(&preview_);
    } else {
        SetUpPage();
    }
    ApplyMargins();
    Home();
}

void TReportWorks::SetReportFont(const QFont& font) {
    font_ = font;
    ApplyFont();
}

void TReportWorks::SetUnits(TUnits u) {
    units_ = u;
    const double div = u == uMM ? 25.4 : u == uPoint ? 72.0 : 1.0;
    ppuX_ = resX_ / div;
    ppuY_ = resY_ / div;
    ApplyMargins();
}

void TReportWorks::SetPrinter(QPrinter* printer) {
    const bool wasPrinter = target_ == nullptr || target_ == printerTarget_.get();
    printer_ = printer;
    printerTarget_ = printer ? std::make_unique<TPrinterTarget>(printer) : nullptr;
    if (wasPrinter) target_ = printerTarget_.get();
}

QPrinter* TReportWorks::Printer() {
    if (printer_ == nullptr) {
        ownPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        SetPrinter(ownPrinter_.get());
    }
    return printer_;
}

void TReportWorks::SetPrintTarget(TPrintTarget* target) {
    target_ = target != nullptr ? target : printerTarget_.get();
}

TPrintTarget& TReportWorks::Target() {
    if (target_ == nullptr) {
        Printer();
        target_ = printerTarget_.get();
    }
    return *target_;
}

QString TReportWorks::OutputName() {
    if (destination_ == dFile) return fileName_.isEmpty() ? kDefaultReportFile : fileName_;
    return Target().OutputName();
}

void TReportWorks::SetUpPage() {
    const TPageGeometry g = Target().Geometry();
    if (destination_ == dPreview) {
        int w = RoundPixels(g.page.width() / double(g.dpiX) * kScreenPixelsPerInch);
        int h = RoundPixels(g.page.height() / double(g.dpiY) * kScreenPixelsPerInch);
        if (zoom_ != 100) {
            w = RoundPixels(w * zoom_ / 100.0);
            h = RoundPixels(h * zoom_ / 100.0);
        }
        pageW_ = w;
        pageH_ = h;
        offX_ = offY_ = 0;
        resX_ = resY_ = kScreenPixelsPerInch * zoom_ / 100.0;
        if (preview_.size() != QSize(w, h)) preview_ = ScreenImage(w, h);
    } else {
        pageW_ = g.page.width();
        pageH_ = g.page.height();
        offX_ = g.offset.x();
        offY_ = g.offset.y();
        resX_ = g.dpiX;
        resY_ = g.dpiY;
    }
    // Less than two pixels is the same paper measured with rounding.
    const bool landscape = orientation_ == poLandscape;
    const double w = landscape ? layoutH_ : layoutW_;
    const double h = landscape ? layoutW_ : layoutH_;
    const auto frame = [](int page, double inches, double res) {
        const int diff = inches > 0 ? page - RoundPixels(inches * res) : 0;
        return std::abs(diff) < 2 ? 0 : diff / 2;
    };
    frameX_ = frame(pageW_, w, resX_);
    frameY_ = frame(pageH_, h, resY_);
    SetUnits(units_);
}

void TReportWorks::SetLayoutPaper(double widthInches, double heightInches) {
    layoutW_ = widthInches;
    layoutH_ = heightInches;
}

void TReportWorks::ApplyMargins() {
    // A margin inside the unprintable border is raised to it; positions count
    // from the printable origin. The far border is taken as wide as the near one.
    auto raised = [](double margin, int offset, double ppu) {
        return RoundPixels(std::max(margin, offset / ppu) * ppu);
    };
    const double fx = frameX_ / ppuX_;
    const double fy = frameY_ / ppuY_;
    marginPx_[kLeft] = raised(margin_[kLeft] + fx, offX_, ppuX_) - offX_;
    marginPx_[kTop] = raised(margin_[kTop] + fy, offY_, ppuY_) - offY_;
    marginPx_[kRight] = pageW_ - raised(margin_[kRight] + fx, offX_, ppuX_) - offX_;
    marginPx_[kBottom] = pageH_ - raised(margin_[kBottom] + fy, offY_, ppuY_) - offY_;
}

QRect TReportWorks::MarginRect() const {
    return QRect(QPoint(marginPx_[kLeft], marginPx_[kTop]),
                 QPoint(marginPx_[kRight], marginPx_[kBottom]));
}

QFont TReportWorks::CanvasFont() const {
    QFont f = font_;
    if (destination_ == dPreview && zoom_ != 100) {
        const double size = font_.pointSizeF() * zoom_ / 100.0;
        f.setPointSizeF(size);
        if (size < 8) f.setFamily("Small Fonts");
    }
    return f;
}

const QPaintDevice* TReportWorks::MeasureDevice() const {
    if (painter_.isActive()) return painter_.device();
    return &preview_;
}

void TReportWorks::ApplyFont() {
    if (painter_.isActive()) painter_.setFont(CanvasFont());
}

int TReportWorks::TextHeight() const {
    return QFontMetrics(CanvasFont(), MeasureDevice()).height();
}

int TReportWorks::TextWidth(const QString& text) const {
    return QFontMetrics(CanvasFont(), MeasureDevice()).horizontalAdvance(text);
}

bool TReportWorks::StartPainter(QPaintDevice* device) {
    if (!painter_.begin(device)) return false;
    painter_.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    painter_.setBrush(QBrush(Qt::white, Qt::SolidPattern));
    painter_.setFont(CanvasFont());
    return true;
}

bool TReportWorks::IsPageVisible() const {
    if (!active_) return false;
    if (destination_ == dPreview) return pageNum_ == currentPage_;
    return printFirst_ <= pageNum_ && pageNum_ <= printLast_;
}

void TReportWorks::BeginReport() {
    if (OnPrint) OnPrint();
    if (painter_.isActive()) painter_.end();
    active_ = true;
    jobFailed_ = false;
    QPaintDevice* device = &preview_;
    if (destination_ != dPreview) {
        // The output is chosen before the page is measured: a file goes through
        // the printer's PDF writer, whose page may differ from the printer's.
        const QString file = destination_ == dFile
                                 ? (fileName_.isEmpty() ? kDefaultReportFile : fileName_)
                                 : QString();
        device = Target().PrepareJob(title_, file);
    }
    SetUpPage();
    ClearTabs();
    ApplyMargins();
    Home();
    penPos_ = QPoint(x_, y_);
    lineCount_ = 0;
    pageNum_ = 1;
    if (!StartPainter(device)) {
        jobFailed_ = true;
    } else if (destination_ == dPreview) {
        painter_.fillRect(preview_.rect(), Qt::white);
        if (pageBorder_) {
            painter_.setBrush(Qt::NoBrush);
            painter_.drawRect(preview_.rect().adjusted(0, 0, -1, -1));
            painter_.setBrush(QBrush(Qt::white, Qt::SolidPattern));
        }
    }
    ApplyFont();
    if (OnFirstPage) OnFirstPage();
}

void TReportWorks::NewPage() {
    if (!active_) return;
    Home();
    lineCount_ = 0;
    ++pageNum_;
    if (destination_ != dPreview && printFirst_ < pageNum_ && pageNum_ <= printLast_ &&
        painter_.isActive()) {
        QPaintDevice* device = Target().NewSheet();
        if (device != painter_.device()) {
            const QPen pen = painter_.pen();
            painter_.end();
            if (StartPainter(device))
                painter_.setPen(pen);
            else
                jobFailed_ = true;
        }
    }
    if (OnNewPage) OnNewPage();
}

void TReportWorks::EndReport() {
    pageTotal_ = pageNum_;
    if (painter_.isActive()) painter_.end();
    if (active_ && destination_ != dPreview) Target().FinishJob();
    if (active_ && destination_ == dPreview && OnPreviewChanged) OnPreviewChanged();
    active_ = false;
}

void TReportWorks::Home() {
    x_ = marginPx_[kLeft];
    y_ = marginPx_[kTop];
}

void TReportWorks::NewLine() {
    x_ = marginPx_[kLeft];
    ++lineCount_;
    const int h = TextHeight();
    if (lineMeasure_ == lmLinesPerInch && linesPerInch_ > 0)
        y_ = marginPx_[kTop] + RoundPixels(ppuY_ / linesPerInch_ * lineCount_);
    else
        y_ += h + h * 10 / 100;
    if (autoPage_ && y_ + h > marginPx_[kBottom]) NewPage();
}

void TReportWorks::GotoXY(double x, double y) {
    x_ = std::clamp(marginPx_[kLeft] + RoundPixels(x * ppuX_), marginPx_[kLeft],
                    std::max(marginPx_[kLeft], marginPx_[kRight]));
    y_ = std::clamp(marginPx_[kTop] + RoundPixels(y * ppuY_), marginPx_[kTop],
                    std::max(marginPx_[kTop], marginPx_[kBottom]));
    // Moves the pen as well, so a DrawLineTo starts here.
    penPos_ = QPoint(x_, y_);
}

double TReportWorks::GetX(bool pixels) const {
    return pixels ? x_ : (x_ - marginPx_[kLeft]) / ppuX_;
}

double TReportWorks::GetY(bool pixels) const {
    return pixels ? y_ : (y_ - marginPx_[kTop]) / ppuY_;
}

void TReportWorks::DrawTextAt(int x, int y, const QString& text, bool fill) {
    const QFontMetrics fm = painter_.fontMetrics();
    if (fill && textStyle_ == tsDefault)
        painter_.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()),
                          painter_.brush().color());
    painter_.drawText(QPoint(x, y + fm.ascent()), text);
}

void TReportWorks::PrintText(const QString& text) {
    if (Drawing()) DrawTextAt(x_, y_, text);
    x_ += TextWidth(text);
}

void TReportWorks::PrintLeft(const QString& text) {
    x_ = marginPx_[kLeft];
    PrintText(text);
}

void TReportWorks::PrintCenter(const QString& text) {
    x_ = marginPx_[kLeft] + (marginPx_[kRight] - marginPx_[kLeft] - TextWidth(text)) / 2;
    PrintText(text);
}

int TReportWorks::AddTab(double position, uint8_t alignment) {
    tabs_.push_back({marginPx_[kLeft] + RoundPixels(position * ppuX_), alignment});
    return static_cast<int>(tabs_.size()) - 1;
}

void TReportWorks::PrintTab(int tab, const QString& text) {
    if (tab < 1 || tab > TabCount()) {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr)
            QApplication::beep();
        if (ReportHooks().message) ReportHooks().message("Tab does not exist!");
        return;
    }
    const Tab& t = tabs_[tab - 1];
    switch (t.align) {
    case kAlignRight:
        x_ = t.x - TextWidth(text);
        break;
    case kAlignCenter:
        x_ = t.x - TextWidth(text) / 2;
        break;
    default:
        x_ = t.x;
    }
    PrintText(text);
}

void TReportWorks::SetFont(const QString& name, double size) {
    font_.setFamily(name);
    font_.setPointSizeF(size);
    ApplyFont();
}

void TReportWorks::BoldOn() {
    font_.setBold(true);
    ApplyFont();
}

void TReportWorks::PlainFont() {
    font_.setBold(false);
    font_.setItalic(false);
    font_.setUnderline(false);
    font_.setStrikeOut(false);
    ApplyFont();
}
