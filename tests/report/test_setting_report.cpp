// The gauge setting dimensions report, read back from the PDF it writes:
// 3/4-10 UNC class 2 with the small gauge models, its tolerances from the
// published pitch diameters (ASME B1.1: 2B 0.6927 / 0.6850, 2A 0.6832 /
// 0.6773), the setting-dimension layout of one thread, and the roll note.
#include "core/thread_record.h"
#include "report/report_page.h"
#include "report/report_pdf.h"
#include "report/report_test_support.h"
#include "report/report_works.h"
#include "report/setting_report.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

class SettingReport : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveTool("pdftotext"))
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; report texts not checked";
        rec = CalculatedUN("3/4", 10, "2");
    }

    // The report as the preview builds it, with the job's flags.
    std::string Report(uint8_t settingDim = 0, uint8_t internal = 0) {
        const std::string file = dir.file("setting.pdf");
        const TReportJob job = settingDim == 0 ? ThreadReportJob(ReportKind::Setting, *rec, false)
                                               : SettingDimsJob(*rec, internal != 0, false);
        EXPECT_TRUE(WriteReportPdf(job, QString::fromStdString(file)));
        return PdfText(file);
    }

    TempDir dir;
    std::unique_ptr<TTInfo> rec;
};

TEST_F(SettingReport, BothThreadsWithTheirLimits) {
    const std::string text = Report();
    EXPECT_TRUE(InOrder(text, {"Gage Setting Dimensions Report",
                               "Nominal Diameter:",
                               "Pitch Diameter Setting Dimensions",
                               "Internal Gage No.:",
                               "Set to Flat Standard:",
                               "Set to V Standard:",
                               "Tolerance:",
                               "Contact Pnt Dia:",
                               "Contact Pnt Number:",
                               "Functional Roll Setting Dimensions",
                               "Internal Gage No.:",
                               "Set to Flat Standard:",
                               "Tolerance:",
                               "Differential Anal. Tol:",
                               "Roll Number:",
                               "INTERNAL",
                               "3/4-10 UNC-2B",
                               "Pitch Diameter Max:",
                               "Minor Diameter Min:",
                               "Pitch Ledger for Windows"}));
    const struct {
        const char* label;
        const char* pattern;
    } rows[] = {
        {"Internal Gage No.:", "Internal Gage No\\.: +QSP-2000 +External Gage No\\.: +QSR-3000"},
        // PD max - PD min of each thread, signed by the side it lies on.
        {"Tolerance:", "\\+ 0\\.0077 +Tolerance: +- 0\\.0059$"},
        // With the small external model neither thread is set on a V.
        {"Set to V Standard:", "Standard: +N/A +Set to V Standard: +N/A$"},
        {"Pitch Diameter Max:", "0\\.6927 .*0\\.6832$"},
        {"Pitch Diameter Min:", "0\\.6850 .*0\\.6773$"},
    };
    for (const auto& r : rows)
        EXPECT_TRUE(Matches(LineOf(text, r.label), r.pattern)) << r.label << "\n" << text;
    // Only the diameter rows of the limits, and no note for catalogue rolls.
    for (const char* absent : {"Root Radius Max:", "Thread Pitch:", "Special Note:"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
}

TEST_F(SettingReport, SettingDimensionOfOneThread) {
    const struct {
        const char* name;
        uint8_t internal;
        const char* shown;
        const char* absent;
        const char* pdLabel;
    } cases[] = {
        {"external", 0, "External Gage No.:", "Internal Gage No.:", "External PD:"},
        {"internal", 1, "Internal Gage No.:", "External Gage No.:", "Internal PD:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = Report(1, c.internal);
        EXPECT_TRUE(InOrder(text, {"Setting Dims Report", c.pdLabel, c.shown, "Roll Number:"}));
        EXPECT_EQ(text.find(c.absent), std::string::npos);
        EXPECT_EQ(text.find("Pitch Diameter Max:"), std::string::npos) << "no limits";
        // The contact point names its unit: three places and the inch mark.
        EXPECT_TRUE(Matches(LineOf(text, "Contact Pnt Dia:"), "[0-9]\\.[0-9]{3}\"$"))
            << LineOf(text, "Contact Pnt Dia:");
    }
}

TEST_F(SettingReport, NoteOfRecalledRolls) {
    rec->ExtThd.Setting.RollNumber = "YRKA-5C";
    const std::string text = Report();
    EXPECT_TRUE(InOrder(text, {"Functional Roll Setting Dimensions", "Minor Diameter Min:",
                               "Special Note:", "When using ZRKA-4C, ZRKA-5C, YRKA-4C and YRKA-5C",
                               "requirements. Contact Orvalle", "Pitch Ledger for Windows"}));
}

// Acme 2-4 prints the recalled-roll note under its limits: the note and its
// footer go over to a page of their own and each page ends with the footer
// (it once ran off the sheet). In millimetres the catalogue's inch points
// carry the inch mark.
TEST_F(SettingReport, FooterOnEveryPageAndPointsInTheirUnit) {
    const ShippedTables tables;
    TTInfo acme;
    acme.SetNomDia(2);
    acme.SetThreadType("ACME");
    acme.SetTPI(4);
    acme.SetClass("2G");
    acme.Calculate();
    ASSERT_EQ(acme.ExtThd.Setting.RollNumber, "ZRKA-4C");
    const QString file = QString::fromStdString(dir.file("acme.pdf"));
    ASSERT_TRUE(WriteReportPdf(ThreadReportJob(ReportKind::Setting, acme, false), file));
    std::istringstream pages(PdfText(file.toStdString()));
    std::string first, second;
    std::getline(pages, first, '\f');
    std::getline(pages, second, '\f');
    EXPECT_TRUE(InOrder(first, {"Minor Diameter Min:", "Pitch Ledger for Windows", "Printed"}));
    EXPECT_TRUE(InOrder(second, {"Special Note:", "Contact Orvalle", "Printed"}));

    ASSERT_TRUE(WriteReportPdf(ThreadReportJob(ReportKind::Setting, *rec, true), file));
    const std::string mm = LineOf(PdfText(file.toStdString()), "Contact Pnt Dia:");
    EXPECT_TRUE(Matches(mm, "[0-9]{4}\" +Contact Pnt Dia: +[0-9.]{6}\"$")) << mm;
}

} // namespace
