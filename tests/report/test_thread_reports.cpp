// The thread and gauge reports, read back from the PDF they write: labels in
// order, the published limits of 1/4-20 UNC class 2 (ASME B1.1) and values
// worked by hand, the optional rows and the plated headings.
#include "core/settings.h"
#include "core/thread_record.h"
#include "report/report_pdf.h"
#include "report/report_test_support.h"
#include "report/report_works.h"
#include "report/thread_reports.h"
#include "support/test_support.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <clocale>
#include <sstream>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> v;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) v.push_back(l);
    return v;
}

// The first line holding label, or empty.
std::string LineOf(const std::string& text, const std::string& label)
{
    for (const std::string& l : Lines(text))
        if (l.find(label) != std::string::npos) return l;
    return {};
}

// True when every text occurs, each after the one before.
::testing::AssertionResult InOrder(const std::string& text, const std::vector<std::string>& items)
{
    std::size_t at = 0;
    for (const std::string& s : items) {
        const std::size_t found = text.find(s, at);
        if (found == std::string::npos)
            return ::testing::AssertionFailure() << '"' << s << "\" missing after offset " << at
                                                 << " in:\n" << text;
        at = found + s.size();
    }
    return ::testing::AssertionSuccess();
}

bool Matches(const std::string& text, const char* pattern)
{
    return QRegularExpression(pattern).match(QString::fromStdString(text)).hasMatch();
}

class ThreadReports : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!HaveTool("pdftotext"))
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; report texts not checked";
        savedCompany = Settings().CompanyName;
        Settings().CompanyName = "Acme Gage Works";
    }
    void TearDown() override { Settings().CompanyName = savedCompany; }

    std::string Report(TTInfo& rec, uint8_t kind, bool metric = false)
    {
        const std::string file = dir.file(kind == kReportGauge ? "gauge.pdf" : "thread.pdf");
        EXPECT_TRUE(WriteReportPdf(rec, kind, QString::fromStdString(file), metric));
        return PdfText(file);
    }

    TempDir dir;
    std::string savedCompany;
};

TEST_F(ThreadReports, ThreadReportOfQuarterTwentyUNC)
{
    auto rec = CalculatedUN("1/4", 20, "2");
    const std::string text = Report(*rec, kReportThread);
    EXPECT_TRUE(InOrder(text, {"Orvalle Pitch Ledger", "Thread Dimensions Report",
                               "Acme Gage Works", "Thread Type:", "UN Thread", "Class of Thread:",
                               "2", "Nominal Diameter:", "0.2500", "Threads per Inch:", "20",
                               "Length of Thd Engagement:", "Helix Angle:", "Data Type:",
                               "Table Data", "INTERNAL", "EXTERNAL", "1/4-20 UNC-2B",
                               "1/4-20 UNC-2A", "Pitch Diameter Max:", "Pitch Diameter Min:",
                               "Major Diameter Max:", "Major Diameter Min:",
                               "Minor Diameter Max:", "Minor Diameter Min:", "Root Radius Max:",
                               "Root Radius Min:", "Root Width:", "Thread Height (Ref):",
                               "Thread Pitch:", "Current Wire Size:", "Max Wire Reading:",
                               "Min Wire Reading:", "Helix Angle Comp:",
                               "Pitch Ledger for Windows, ver 1.2", "Printed "}));
    EXPECT_EQ(text.find("No. of Thread Starts, Lead:"), std::string::npos) << "one start";
    EXPECT_EQ(text.find("Plating Thickness:"), std::string::npos) << "no plating";

    // Internal then external value of each row (ASME B1.1, 1/4-20 UNC-2B / 2A).
    const struct {
        const char* label;
        const char* pattern;
    } rows[] = {
        {"Pitch Diameter Max:", "0\\.2224 .*0\\.2164"},
        {"Pitch Diameter Min:", "0\\.2175 .*0\\.2127"},
        {"Major Diameter Max:", "N/A .*0\\.2489"},
        {"Major Diameter Min:", "0\\.2500 .*0\\.2408"},
        {"Minor Diameter Max:", "0\\.207 .*Minor Diameter Max \\(Ref, Calc\\.\\):"},
        {"Minor Diameter Min:", "0\\.196 .*Minor Diameter Min \\(Ref, Calc\\.\\):"},
        // 1/20 inch, and 9 pitches of engagement.
        {"Thread Pitch:", "0\\.0500 .*Thread Pitch: +0\\.0500"},
        {"Length of Thd Engagement:", "0\\.4500 +\\(Standard\\)"},
        // atan(0.05 / (pi x 0.2164)) = 4.206 degrees.
        {"Helix Angle:", "4 Deg\\. 12 Min\\."},
        // Best wire 0.57735 x 0.05.
        {"Current Wire Size:", "^ +Current Wire Size: +0\\.02887"},
    };
    for (const auto& r : rows) EXPECT_TRUE(Matches(LineOf(text, r.label), r.pattern)) << r.label;
    EXPECT_TRUE(Matches(text, "Printed \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d +- +Tables: "));
}

TEST_F(ThreadReports, OptionalRowsFollowTheThread)
{
    auto twoStarts = CalculatedUN("1/4", 20, "2", 2);
    const std::string text = Report(*twoStarts, kReportThread);
    // Lead = 2 starts x 0.05.
    EXPECT_TRUE(Matches(LineOf(text, "No. of Thread Starts, Lead:"), "2, +0\\.1000"));
    EXPECT_TRUE(InOrder(text, {"Threads per Inch:", "No. of Thread Starts, Lead:",
                               "Length of Thd Engagement:"}));

    auto plated = CalculatedUN("1/4", 20, "2", 1, 0.0003);
    const std::string platedText = Report(*plated, kReportThread);
    EXPECT_TRUE(Matches(LineOf(platedText, "Plating Thickness:"), "0\\.00030"));
    EXPECT_FALSE(Matches(platedText, "(?m)^ *INTERNAL +EXTERNAL *$")) << platedText;
    // Both members' notes side by side: the internal's in the left column.
    EXPECT_TRUE(Matches(LineOf(platedText, "INTERNAL - After Plate"),
                        "INTERNAL - After Plate +EXTERNAL - After Plate"));
    EXPECT_TRUE(Matches(LineOf(platedText, "INTERNAL - Before Plate"),
                        "INTERNAL - Before Plate +EXTERNAL - Before Plate"));
    EXPECT_TRUE(InOrder(platedText, {"After Plate", "Major Dia ", "PD ", "Before Plate",
                                     "Pitch Diameter Max:"}));
}

TEST_F(ThreadReports, MillimetreDisplayConvertsAndSaysSo)
{
    auto rec = CalculatedUN("1/4", 20, "2");
    const std::string text = Report(*rec, kReportThread, true);
    // 0.25, 0.2224 and 0.2164 inch x 25.4, one decimal fewer.
    EXPECT_TRUE(Matches(LineOf(text, "Nominal Diameter:"), "6\\.350"));
    EXPECT_TRUE(Matches(LineOf(text, "Pitch Diameter Max:"), "5\\.649 .*5\\.497"));
    EXPECT_TRUE(Matches(LineOf(text, "Data Type:"), "Table Data +\\(Data in mm\\)"));
}

TEST_F(ThreadReports, GaugeReportOfQuarterTwentyUNC)
{
    auto rec = CalculatedUN("1/4", 20, "2");
    const std::string text = Report(*rec, kReportGauge);
    EXPECT_TRUE(InOrder(
        text, {"Orvalle Pitch Ledger", "Gage Dimensions Report", "Acme Gage Works",
               "Thread Type:", "Data Type:", "EXTERNAL", "1/4-20 UNC-2A",
               "RING GAGE (Class X Tols)", "Half Angle:", "GO", "Tols", "NOGO", "Tols",
               "Pitch Diameter", "SET PLUG GAGE (Class W Tols)", "Pitch Diameter", "Wire Reading",
               "Helix Angle Comp", "Major Dia (Trunc)", "Major Dia (Full)", "Wire Size",
               "Internal", "1/4-20 UNC-2B", "PLUG GAGE (Class X Tols)", "Pitch Diameter",
               "Wire Reading", "Helix Angle Comp", "Major Dia (Full)", "Wire Size",
               "NOTE: All Wire readings include the helix angle compensation factor",
               "Pitch Ledger for Windows, ver 1.2", "Printed "}));
    // GO and NOT GO rings at the external PD limits, plugs at the internal ones.
    const std::vector<std::string> lines = Lines(text);
    std::vector<std::string> pitchRows;
    for (const std::string& l : lines)
        if (l.find("Pitch Diameter") != std::string::npos) pitchRows.push_back(l);
    ASSERT_EQ(pitchRows.size(), 3u) << text;
    EXPECT_TRUE(Matches(pitchRows[0], "0\\.2164 .*0\\.2127")) << pitchRows[0];
    EXPECT_TRUE(Matches(pitchRows[1], "0\\.2164 .*0\\.2127")) << pitchRows[1];
    EXPECT_TRUE(Matches(pitchRows[2], "0\\.2175 .*0\\.2224")) << pitchRows[2];
    EXPECT_TRUE(Matches(LineOf(text, "Wire Size"), "0\\.02887 +0\\.02887"));
    // The note has a line of its own, the footer below it.
    EXPECT_EQ(LineOf(text, "NOTE:").find("Pitch Ledger for Windows"), std::string::npos);

    rec->ClassW = 0;
    EXPECT_NE(Report(*rec, kReportGauge).find("SET PLUG GAGE (Class X Tols)"), std::string::npos);
}

TEST_F(ThreadReports, PlatedGaugeHeadingsShowTheNotesSideBySide)
{
    auto rec = CalculatedUN("1/4", 20, "2", 1, 0.0003);
    const std::string text = Report(*rec, kReportGauge);
    EXPECT_TRUE(Matches(LineOf(text, "EXTERNAL - After Plate"),
                        "EXTERNAL - After Plate +EXTERNAL - Before Plate"));
    EXPECT_TRUE(Matches(LineOf(text, "INTERNAL - After Plate"),
                        "INTERNAL - After Plate +INTERNAL - Before Plate"));
    EXPECT_FALSE(Matches(text, "(?m)^ *EXTERNAL *$")) << text;
}

TEST_F(ThreadReports, NumbersIgnoreACommaDecimalLocale)
{
    const char* saved = std::setlocale(LC_NUMERIC, nullptr);
    const std::string savedName = saved ? saved : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    auto rec = CalculatedUN("1/4", 20, "2");
    const std::string text = Report(*rec, kReportThread);
    std::setlocale(LC_NUMERIC, savedName.c_str());
    EXPECT_TRUE(Matches(LineOf(text, "Pitch Diameter Max:"), "0\\.2224 .*0\\.2164"));
}

TEST(ReportCopies, EachCopyIsAPrintJobOfItsOwn)
{
    TImageTarget printer(100, 8.5, 11, 25);
    TReportWorks rpt;
    rpt.SetPrintTarget(&printer);
    rpt.SetDestination(dPrinter);
    SetupReportPage(rpt);
    auto rec = CalculatedUN("1/4", 20, "2");
    TReportJob job;
    job.record = rec.get();
    job.copies = 3;
    PrintGaugeReport(rpt, job);
    EXPECT_EQ(printer.jobs, 3);
    EXPECT_EQ(printer.sheets.size(), 3u);
    EXPECT_EQ(printer.lastTitle, "Pitch Ledger Report");
    EXPECT_EQ(job.kind, kReportGauge);
    EXPECT_EQ(job.title, "Gage Dimensions Report");
    // The page set-up: left margin 0.5 and top 0.6 inch on the 0.25-inch border.
    EXPECT_EQ(rpt.MarginRect().topLeft(), QPoint(25, 35));
    EXPECT_GT(InkIn(printer.sheets[2], QRect(0, 0, 800, 1050)), 1000);
}

} // namespace
