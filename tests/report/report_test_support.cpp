#include "report/report_test_support.h"

#include "core/diameter_entry.h"
#include "core/thread_record.h"
#include "support/test_support.h"

#include <QPainter>

#include <cmath>

TImageTarget::TImageTarget(int dpi, double widthInches, double heightInches, int offsetPixels)
{
    geometry_.page = QSize(static_cast<int>(std::lround(widthInches * dpi)),
                           static_cast<int>(std::lround(heightInches * dpi)));
    geometry_.offset = QPoint(offsetPixels, offsetPixels);
    geometry_.dpiX = geometry_.dpiY = dpi;
}

QImage TImageTarget::NewImage() const
{
    const QSize border(2 * geometry_.offset.x(), 2 * geometry_.offset.y());
    const QSize printable = geometry_.page - border;
    QImage image(printable, QImage::Format_RGB32);
    const int dpm = static_cast<int>(std::lround(geometry_.dpiX / 0.0254));
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    image.fill(Qt::white);
    return image;
}

QPaintDevice* TImageTarget::PrepareJob(const QString& title, const QString& outputFile)
{
    ++jobs;
    lastTitle = title;
    lastOutputFile = outputFile;
    sheets.push_back(NewImage());
    return &sheets.back();
}

QPaintDevice* TImageTarget::NewSheet()
{
    sheets.push_back(NewImage());
    return &sheets.back();
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
