// Test main of the report tests (one QApplication on the offscreen platform)
// and their helpers.
#include "report/report_test_support.h"

#include "core/diameter_entry.h"
#include "core/thread_record.h"
#include "support/test_support.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cmath>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

TImageTarget::TImageTarget(int dpi, double widthInches, double heightInches, int offsetPixels)
{
    geometry_.page = QSize(static_cast<int>(std::lround(widthInches * dpi)),
                           static_cast<int>(std::lround(heightInches * dpi)));
    geometry_.offset = QPoint(offsetPixels, offsetPixels);
    geometry_.dpiX = geometry_.dpiY = dpi;
}

QPaintDevice* TImageTarget::PrepareJob(const QString&, const QString& outputFile)
{
    ++jobs;
    lastOutputFile = outputFile;
    return NewSheet();
}

// An image of the printable area at the printer's resolution.
QPaintDevice* TImageTarget::NewSheet()
{
    QImage& sheet = sheets.emplace_back(geometry_.page - 2 * QSize(geometry_.offset.x(), geometry_.offset.y()),
                                        QImage::Format_RGB32);
    const int dpm = static_cast<int>(std::lround(geometry_.dpiX / 0.0254));
    sheet.setDotsPerMeterX(dpm);
    sheet.setDotsPerMeterY(dpm);
    sheet.fill(Qt::white);
    return &sheet;
}

int InkIn(const QImage& image, const QRect& area)
{
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++n;
    return n;
}

std::unique_ptr<TTInfo> CalculatedUN(const std::string& dia, double tpi, const std::string& cls,
                                     int starts, double coating)
{
    const ShippedTables tables;
    auto rec = std::make_unique<TTInfo>();
    const DiameterEntry d = ParseDiameterEntry(dia);
    rec->SetNomDia(d.value);
    rec->NomDiaText = d.text;
    rec->SetThreadType("UN");
    rec->SetTPI(static_cast<float>(tpi));
    rec->SetClass(cls);
    rec->SetStarts(static_cast<uint16_t>(starts));
    rec->SetCoating(coating);
    rec->Calculate();
    rec->ClassW = 1;
    return rec;
}

std::string PdfText(const std::string& pdfFile)
{
    return CommandOutput("pdftotext -layout '" + pdfFile + "' - 2>/dev/null");
}
