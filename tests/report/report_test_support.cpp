// Test main of the report tests (one QApplication on the offscreen platform)
// and their helpers.
#include "report/report_test_support.h"

#include "core/diameter_entry.h"
#include "core/thread_record.h"
#include "support/test_support.h"

#include <QApplication>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

TImageTarget::TImageTarget(int dpi, double widthInches, double heightInches, int offsetPixels) {
    geometry_.page = QSize(static_cast<int>(std::lround(widthInches * dpi)),
                           static_cast<int>(std::lround(heightInches * dpi)));
    geometry_.offset = QPoint(offsetPixels, offsetPixels);
    geometry_.dpiX = geometry_.dpiY = dpi;
}

QPaintDevice* TImageTarget::PrepareJob(const QString&, const QString& outputFile) {
    ++jobs;
    lastOutputFile = outputFile;
    return NewSheet();
}

// An image of the printable area at the printer's resolution.
QPaintDevice* TImageTarget::NewSheet() {
    QImage& sheet =
        sheets.emplace_back(geometry_.page - 2 * QSize(geometry_.offset.x(), geometry_.offset.y()),
                            QImage::Format_RGB32);
    const int dpm = static_cast<int>(std::lround(geometry_.dpiX / 0.0254));
    sheet.setDotsPerMeterX(dpm);
    sheet.setDotsPerMeterY(dpm);
    sheet.fill(Qt::white);
    return &sheet;
}

int InkIn(const QImage& image, const QRect& area) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++n;
    return n;
}

std::unique_ptr<TTInfo> CalculatedUN(const std::string& dia, double tpi, const std::string& cls,
                                     int starts, double coating) {
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

std::string PdfText(const std::string& pdfFile) {
    return CommandOutput("pdftotext -layout '" + pdfFile + "' - 2>/dev/null");
}

std::vector<std::string> LinesWith(const std::string& text, const std::string& label) {
    std::vector<std::string> v;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        if (l.find(label) != std::string::npos) v.push_back(l);
    return v;
}

std::string LineOf(const std::string& text, const std::string& label) {
    const auto lines = LinesWith(text, label);
    return lines.empty() ? std::string() : lines.front();
}

::testing::AssertionResult InOrder(const std::string& text, const std::vector<std::string>& items) {
    std::size_t at = 0;
    for (const std::string& s : items) {
        const std::size_t found = text.find(s, at);
        if (found == std::string::npos)
            return ::testing::AssertionFailure()
                   << '"' << s << "\" missing after offset " << at << " in:\n"
                   << text;
        at = found + s.size();
    }
    return ::testing::AssertionSuccess();
}

bool Matches(const std::string& text, const std::string& pattern) {
    const QRegularExpression re(QString::fromStdString(pattern));
    return re.match(QString::fromStdString(text)).hasMatch();
}
