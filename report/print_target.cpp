#include "report/print_target.h"

#include <QPageLayout>
#include <QPrinter>

TPageGeometry TPrinterTarget::Geometry() const
{
    TPageGeometry g;
    const QRect paper = printer_->paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer_->pageRect(QPrinter::DevicePixel).toRect();
    g.page = paper.size();
    g.offset = page.topLeft() - paper.topLeft();
    g.dpiX = printer_->logicalDpiX();
    g.dpiY = printer_->logicalDpiY();
    return g;
}

void TPrinterTarget::SetLandscape(bool landscape)
{
    printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QPaintDevice* TPrinterTarget::PrepareJob(const QString& title, const QString& outputFile)
{
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

QPaintDevice* TPrinterTarget::NewSheet()
{
    printer_->newPage();
    return printer_;
}

void TPrinterTarget::FinishJob()
{
    if (!replaced_) return;
    // The file name first: clearing it also changes the format.
    printer_->setOutputFileName(savedFile_);
    printer_->setOutputFormat(static_cast<QPrinter::OutputFormat>(savedFormat_));
    replaced_ = false;
}

QString TPrinterTarget::OutputName() const
{
    if (!printer_->outputFileName().isEmpty()) return printer_->outputFileName();
    return printer_->printerName();
}
