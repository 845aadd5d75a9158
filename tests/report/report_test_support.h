#pragma once
// Helpers of the report tests: a printer stand-in that keeps its sheets as
// images, ink probes, calculated records and the text of PDF files.

#include "report/print_target.h"
#include "support/test_support.h"

#include <QImage>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

class TTInfo;

// A printer with a chosen resolution, page and printable offset. Each sheet is
// an image of the printable area, so pixel (0, 0) is the printable origin.
class TImageTarget : public TPrintTarget {
public:
    TImageTarget(int dpi, double widthInches, double heightInches, int offsetPixels);
    TPageGeometry Geometry() const override { return geometry_; }
    void SetLandscape(bool) override {}
    QPaintDevice* PrepareJob(const QString& title, const QString& outputFile) override;
    QPaintDevice* NewSheet() override;
    void FinishJob() override {}
    QString OutputName() const override { return "image printer"; }

    // Sheets of all jobs in order; a deque keeps a sheet in place while the
    // next one is added.
    std::deque<QImage> sheets;
    int jobs = 0;
    QString lastOutputFile;

private:
    TPageGeometry geometry_;
};

// Dark pixels in a rectangle of an image.
int InkIn(const QImage& image, const QRect& area);

// A record calculated with the shipped tables, as the thread window sets it up.
std::unique_ptr<TTInfo> CalculatedUN(const std::string& dia, double tpi, const std::string& cls,
                                     int starts = 1, double coating = 0);

// pdftotext -layout of a PDF file.
std::string PdfText(const std::string& pdfFile);

// Lines of a text that hold `label`, and the first of them (empty when none does).
std::vector<std::string> LinesWith(const std::string& text, const std::string& label);
std::string LineOf(const std::string& text, const std::string& label);
// True when every text occurs, each after the one before.
::testing::AssertionResult InOrder(const std::string& text, const std::vector<std::string>& items);
// A regular expression matches somewhere in the text.
bool Matches(const std::string& text, const std::string& pattern);
