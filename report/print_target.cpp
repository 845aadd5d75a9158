#include "report/print_target.h"

#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>

PaperSize ReportPaper() {
    if (Settings().Paper) return *Settings().Paper;
    // Where the measures are inches, and in the Americas that kept Letter.
    const QLocale locale;
    if (locale.measurementSystem() == QLocale::ImperialUSSystem) return PaperSize::Letter;
    switch (locale.territory()) {
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::Philippines:
    case QLocale::PuertoRico:
    case QLocale::CostaRica:
    case QLocale::Guatemala:
    case QLocale::Panama:
        return PaperSize::Letter;
    default:
        return PaperSize::A4;
    }
}

QPageSize PageSizeOf(PaperSize paper) {
    return QPageSize(paper == PaperSize::A4 ? QPageSize::A4 : QPageSize::Letter);
}

TPageGeometry TPrinterTarget::Geometry() const {
    TPageGeometry g;
    const QRect paper = printer_->paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer_->pageRect(QPrinter::DevicePixel).toRect();
    g.page = paper.size();
    g.offset = page.topLeft() - paper.topLeft();
    g.dpiX = printer_->logicalDpiX();
    g.dpiY = printer_->logicalDpiY();
    return g;
}

void TPrinterTarget::SetLandscape(bool landscape) {
    printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QPaintDevice* TPrinterTarget::PrepareJob(const QString& title, const QString& outputFile) {
    printer_->setDocName(title);
    replaced_ = !outputFile.isEmpty();
    if (replaced_) {
        savedFormat_ = printer_->outputFormat();
        savedFile_ = printer_->outputFileName();
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(outputFile);
    }
    return printer_;
}

QPaintDevice* TPrinterTarget::NewSheet() {
    printer_->newPage();
    return printer_;
}

void TPrinterTarget::FinishJob() {
    if (!replaced_) return;
    // The file name first: clearing it also changes the format.
    printer_->setOutputFileName(savedFile_);
    printer_->setOutputFormat(static_cast<QPrinter::OutputFormat>(savedFormat_));
    replaced_ = false;
}

QString TPrinterTarget::OutputName() const {
    if (!printer_->outputFileName().isEmpty()) return printer_->outputFileName();
    return printer_->printerName();
}

TPdfTarget::TPdfTarget(PaperSize paper)
    : layout_(PageSizeOf(paper), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)) {}

TPdfTarget::~TPdfTarget() = default;

TPageGeometry TPdfTarget::Geometry() const {
    TPageGeometry g;
    g.page = layout_.fullRectPixels(kResolution).size();
    g.offset = layout_.paintRectPixels(kResolution).topLeft();
    g.dpiX = g.dpiY = kResolution;
    return g;
}

void TPdfTarget::SetLandscape(bool landscape) {
    layout_.setOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (writer_) writer_->setPageLayout(layout_);
}

QPaintDevice* TPdfTarget::PrepareJob(const QString& title, const QString& outputFile) {
    file_ = outputFile;
    writer_ = std::make_unique<QPdfWriter>(outputFile);
    writer_->setResolution(kResolution);
    writer_->setPageLayout(layout_);
    writer_->setTitle(title);
    return writer_.get();
}

QPaintDevice* TPdfTarget::NewSheet() {
    writer_->newPage();
    return writer_.get();
}

void TPdfTarget::FinishJob() {
    writer_.reset();
}
