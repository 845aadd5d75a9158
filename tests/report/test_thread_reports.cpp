// The thread and gauge reports, read back from the PDF they write: labels in
// order, the published limits of 1/4-20 UNC class 2 (ASME B1.1) and values
// worked by hand, the optional rows, the plated notes and the gauge notes.
#include "core/settings.h"
#include "core/thread_record.h"
#include "core/version.h"
#include "gauges/tolerance_text.h"
#include "pages/calibration_page.h"
#include "pages/metric_tolerance.h"
#include "pages/parameter_page.h"
#include "report/report_page.h"
#include "report/report_pdf.h"
#include "report/report_test_support.h"
#include "report/report_works.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace {

// A label and the pattern its first line matches.
using RowCase = std::pair<const char*, const char*>;

class ThreadReports : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveTool("pdftotext"))
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; report texts not checked";
        savedCompany = Settings().CompanyName;
        savedPaper = Settings().Paper;
        Settings().CompanyName = "Acme Gage Works";
    }
    void TearDown() override {
        Settings().CompanyName = savedCompany;
        Settings().Paper = savedPaper;
    }

    std::string Report(TTInfo& rec, ReportKind kind, bool metric = false) {
        const std::string file = dir.file(kind == ReportKind::Gauge ? "gauge.pdf" : "thread.pdf");
        EXPECT_TRUE(
            WriteReportPdf(ThreadReportJob(kind, rec, metric), QString::fromStdString(file)));
        return PdfText(file);
    }

    void ExpectRows(const std::string& text, std::initializer_list<RowCase> rows) {
        for (const auto& [label, pattern] : rows)
            EXPECT_TRUE(Matches(LineOf(text, label), pattern)) << label << "\n" << text;
    }

    TempDir dir;
    std::string savedCompany;
    std::optional<PaperSize> savedPaper;
};

TEST_F(ThreadReports, ThreadReportOfQuarterTwentyUNC) {
    auto rec = CalculatedUN("1/4", 20, "2");
    const std::string text = Report(*rec, ReportKind::Thread);
    const std::string footer = std::string("Pitch Ledger for Windows, ver ") + ProgramVersion();
    EXPECT_TRUE(InOrder(text, {"Orvalle Pitch Ledger",
                               "Thread Dimensions Report",
                               "Acme Gage Works",
                               "Dimensions in inches - Wire readings: standard formula",
                               "Thread Type:",
                               "UN Thread",
                               "Class of Thread:",
                               "Nominal Diameter:",
                               "Threads per Inch:",
                               "Length of Thd Engagement:",
                               "Helix Angle:",
                               "Data Type:",
                               "INTERNAL",
                               "EXTERNAL",
                               "1/4-20 UNC-2B",
                               "1/4-20 UNC-2A",
                               "Pitch Diameter Max:",
                               "Root Radius Max:",
                               "Root Width:",
                               "Thread Pitch:",
                               "Current Wire Size:",
                               "Helix Angle Comp:",
                               footer,
                               "Printed "}));
    EXPECT_EQ(text.find("No. of Thread Starts, Lead:"), std::string::npos) << "one start";
    EXPECT_EQ(text.find("Plating Thickness:"), std::string::npos) << "no plating";
    // Internal then external value of each row (ASME B1.1, 1/4-20 UNC-2B / 2A).
    ExpectRows(text,
               {
                   {"Pitch Diameter Max:", "0\\.2224 .*0\\.2164"},
                   {"Major Diameter Max:", "N/A .*0\\.2489"},
                   {"Minor Diameter Max:", "0\\.207 .*Minor Diameter Max \\(Ref, Calc\\.\\):"},
                   {"Minor Diameter Min:", "0\\.196 .*Minor Diameter Min \\(Ref, Calc\\.\\):"},
                   // 1/20 inch, and UNC's engagement of one diameter.
                   {"Thread Pitch:", "0\\.0500 .*Thread Pitch: +0\\.0500"},
                   {"Length of Thd Engagement:", "0\\.2500 +\\(Standard\\)"},
                   // atan(0.05 / (pi x 0.2164)) = 4.206 degrees.
                   {"Helix Angle:", "4 Deg\\. 12 Min\\."},
                   // Best wire 0.57735 x 0.05.
                   {"Current Wire Size:", "^ +Current Wire Size: +0\\.02887"},
                   {"Printed ", "Printed \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d +- +Tables: "},
               });

    // Millimetre display: 0.25, 0.2224 and 0.2164 inch x 25.4, one decimal fewer.
    const std::string mm = Report(*rec, ReportKind::Thread, true);
    ExpectRows(mm, {{"Dimensions in", "Dimensions in millimetres +- +Wire readings: standard"},
                    {"Nominal Diameter:", "6\\.350"},
                    {"Pitch Diameter Max:", "5\\.649 .*5\\.497"},
                    {"Data Type:", "Table Data +\\(Data in mm\\)"}});
}

TEST_F(ThreadReports, StartsAndPlatingAddTheirRowsAndNotes) {
    auto twoStarts = CalculatedUN("1/4", 20, "2", 2);
    const std::string text = Report(*twoStarts, ReportKind::Thread);
    // Lead = 2 starts x 0.05.
    ExpectRows(text, {{"No. of Thread Starts, Lead:", "2, +0\\.1000"}});

    // 0.0003 of plating: pitch diameters move by 4t = 0.0012, the crest
    // diameters by 2t = 0.0006; the internal thread is machined larger and
    // checked after plating at its published minimums.
    auto plated = CalculatedUN("1/4", 20, "2", 1, 0.0003);
    const std::string platedText = Report(*plated, ReportKind::Thread);
    EXPECT_FALSE(Matches(platedText, "(?m)^ *INTERNAL +EXTERNAL *$")) << platedText;
    ExpectRows(platedText,
               {
                   {"Plating Thickness:", "0\\.00030"},
                   {"After Plate", "INTERNAL - After Plate +EXTERNAL - After Plate"},
                   {"Minor Dia 0", "Minor Dia 0\\.196 Min\\. +Major Dia 0\\.2489 Max\\."},
                   {"PD 0.2175", "PD 0\\.2175 Min\\. +PD 0\\.2164 Max\\."},
                   {"Before Plate", "INTERNAL - Before Plate +EXTERNAL - Before Plate"},
                   {"Minor Dia 0.2076", "Minor Dia 0\\.2076-0\\.1966 +Major Dia 0\\.2483-0\\.2402"},
                   {"PD 0.2236", "PD 0\\.2236-0\\.2187 +PD 0\\.2152-0\\.2115"},
               });
    const std::size_t notes = platedText.find("After Plate");
    const std::size_t limits = platedText.find("Pitch Diameter Max:");
    EXPECT_EQ(platedText.substr(notes, limits - notes).find("N/A"), std::string::npos)
        << "every plated limit has a value";
}

TEST_F(ThreadReports, GaugeReportOfQuarterTwentyUNC) {
    auto rec = CalculatedUN("1/4", 20, "2");
    const std::string text = Report(*rec, ReportKind::Gauge);
    EXPECT_TRUE(InOrder(
        text, {"Gage Dimensions Report", "Dimensions in inches", "Data Type:", "EXTERNAL",
               "1/4-20 UNC-2A", "RING GAGE (Class X Tols)", "GO", "NOGO", "Pitch Diameter",
               "SET PLUG GAGE (Class W Tols)", "Wire Reading", "Helix Angle Comp",
               "Major Dia (Trunc)", "Major Dia (Full)", "Wire Size", "INTERNAL", "1/4-20 UNC-2B",
               "PLUG GAGE (Class X Tols)", "Wire Reading", "Major Dia (Full)", "Wire Size",
               // Helix correction W tan^2(lead angle) cos 30 / (2 tan 30) at PD 0.2164,
               // wire 0.02887: 0.00012, below the 0.00015 the readings take.
               "NOTE: No Wire reading includes a helix angle compensation",
               std::string("Pitch Ledger for Windows, ver ") + ProgramVersion()}));
    // GO and NOT GO rings and set plugs at the external PD limits, plugs at the internal ones.
    const auto pitchRows = LinesWith(text, "Pitch Diameter");
    ASSERT_EQ(pitchRows.size(), 3u) << text;
    const char* const expected[] = {"0\\.2164 .*0\\.2127", "0\\.2164 .*0\\.2127",
                                    "0\\.2175 .*0\\.2224"};
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(Matches(pitchRows[i], expected[i])) << pitchRows[i];

    // Two starts double the lead: 0.00047, in every reading; the formula chosen named.
    auto twoStarts = CalculatedUN("1/4", 20, "2", 2);
    twoStarts->Helix = WireHelix::Exact;
    EXPECT_TRUE(InOrder(Report(*twoStarts, ReportKind::Gauge),
                        {"Dimensions in inches - Wire readings: exact geometry",
                         "NOTE: All Wire readings include the helix angle compensation factor"}));
}

TEST_F(ThreadReports, GaugeHeadingsAndMissingTolerances) {
    // Plated: both members' notes before and after plate, side by side.
    auto plated = CalculatedUN("1/4", 20, "2", 1, 0.0003);
    const std::string platedText = Report(*plated, ReportKind::Gauge);
    ExpectRows(platedText, {{"EXTERNAL - After Plate", "After Plate +EXTERNAL - Before Plate"},
                            {"INTERNAL - After Plate", "After Plate +INTERNAL - Before Plate"}});

    // Without a tolerance set: the line under each gauge, no tolerance columns,
    // the sizes kept.
    auto rec = CalculatedUN("1/4", 20, "2");
    rec->ClassW = 0;
    rec->XDiaTol = rec->XPDTol = rec->XLeadTol = 0;
    rec->XAngleDeg = rec->XAngleMin = 0;
    std::string text = Report(*rec, ReportKind::Gauge);
    EXPECT_TRUE(InOrder(text, {"RING GAGE", kNoGaugeTolNote, "SET PLUG GAGE", kNoGaugeTolNote,
                               "PLUG GAGE", kNoGaugeTolNote, "NOTE:"}));
    EXPECT_EQ(LinesWith(text, kNoGaugeTolNote).size(), 3u) << text;
    EXPECT_EQ(text.find("Tols  "), std::string::npos) << text;
    EXPECT_FALSE(Matches(text, "[+-] +N/A")) << "no bare tolerance\n" << text;
    ExpectRows(text, {{"Pitch Diameter", "0\\.2164 +0\\.2127"}});

    // A set with values: the columns and no such line.
    rec->XPDTol = 0.0003;
    text = Report(*rec, ReportKind::Gauge);
    EXPECT_EQ(text.find(kNoGaugeTolNote), std::string::npos);
    EXPECT_TRUE(Matches(LineOf(text, "GO"), "GO +Tols +NOGO +Tols")) << text;

    // Class W set plugs without a class W table: the line under the set plugs
    // only, saying class X has one; the ring and plug gauges keep their class X
    // tolerances.
    auto classW = CalculatedUN("1/4", 20, "2");
    classW->ClassW = 1;
    classW->WDiaTol = classW->WPDTol = classW->WLeadTol = 0;
    classW->WAngleDeg = classW->WAngleMin = 0;
    classW->XPDTol = 0.0003;
    text = Report(*classW, ReportKind::Gauge);
    EXPECT_TRUE(InOrder(text, {"SET PLUG GAGE", kNoClassWTolNote, "INTERNAL"})) << text;
    EXPECT_EQ(LinesWith(text, kNoClassWTolNote).size(), 1u) << text;
    EXPECT_EQ(text.find(kNoGaugeTolNote), std::string::npos) << text;
    EXPECT_EQ(LinesWith(text, "Lead Tol").size(), 2u) << "ring and plug blocks\n" << text;
}

// The certificate of 1/4-20 UNC-2B's GO plug (class X PD 0.21750 to 0.21780) read
// 0.26108 and 0.26110 over 0.0288675 wires: PD 0.26109 - 0.04330125 = 0.21779, U
// 0.00008 at k 2.01 (196 degrees of freedom) leaves it within U of the maximum.
// Entries the page refuses print nothing.
TEST_F(ThreadReports, CalibrationCertificateOfAGoPlugNearItsMaximum) {
    auto rec = CalculatedUN("1/4", 20, "2");
    CalibrationEntry entry{.member = "GoPlug",
                           .readings = "0.26108, 0.26110",
                           .uWire = "0.00001",
                           .uReading = "0.00002"};
    entry.identity.serial = "PG-0417";
    entry.identity.operatorName = "J. Doe";
    const std::string file = dir.file("certificate.pdf");
    ASSERT_TRUE(WriteReportPdf(CertificateJob(*rec, entry, false), QString::fromStdString(file)));
    const std::string text = PdfText(file);
    EXPECT_TRUE(InOrder(text, {"Calibration Certificate",
                               "Serial number",
                               "PG-0417",
                               "Operator",
                               "J. Doe",
                               "Thread",
                               "1/4-20 UNC-2B",
                               "Gauge",
                               "GO plug",
                               "0.21750 to 0.21780 in (class X)",
                               "0.21779 in",
                               "0.00008 in",
                               "(k = 2.01",
                               "Verdict",
                               "not proven",
                               "Uncertainty budget",
                               "Quantity",
                               "Share",
                               "Readings over wires, mean of 2",
                               "Instrument temperature",
                               "k = 2.01: the t-distribution",
                               "196 effective",
                               "Pitch diameter: not proven",
                               "0.00001 in inside the maximum 0.21780 in",
                               "Decision rule (ISO 14253-1)",
                               "Calibrated by:",
                               "Approved by:"}))
        << text;
    entry.readings = "0.26108, x";
    std::string why;
    EXPECT_FALSE(WriteReportPdf(CertificateJob(*rec, entry, false),
                                QString::fromStdString(dir.file("refused.pdf")), &why));
}

// What a metric record prints before its limits: the two tolerance classes
// in place of the inch class, the pitch in millimetres whatever the page's
// unit, M's engagement group, MJ's custom length, and MJ's root radius row.
TEST_F(ThreadReports, MetricParametersAndMJRootRadius) {
    ParameterEntry m;
    m.typeIndex = TypeEntryIndex(kTypeM);
    m.diameterText = "10";
    m.pitchText = "1.5";
    m.extTolText = "5g6g";
    m.metricLOE = kShortLOE;
    TTInfo rm;
    ASSERT_EQ(SetUpRecord(m, rm).message, "");
    const std::string inch = Report(rm, ReportKind::Thread, false);
    EXPECT_EQ(inch.find("Class of Thread:"), std::string::npos) << inch;
    ExpectRows(inch, {{"Tolerance Class:", "6H6H / 5g6g"},
                      {"Thread Pitch:", "Thread Pitch: +1\\.5 mm"},
                      {"Length of Thd Engagement:", "Short"},
                      {"Data Type:", "\\(Data in inches\\)"}});
    EXPECT_EQ(Report(rm, ReportKind::Gauge, true).find("Root Radius"), std::string::npos);

    ParameterEntry mj = m;
    mj.typeIndex = TypeEntryIndex(kTypeMJ);
    mj.intTolText = "4H5H";
    mj.extTolText = "4h6h";
    mj.customLOE = true;
    mj.loeText = "12";
    TTInfo rmj;
    ASSERT_EQ(SetUpRecord(mj, rmj).message, "");
    ExpectRows(Report(rmj, ReportKind::Thread, true),
               {{"Tolerance Class:", "4H5H / 4h6h"}, {"Length of Thd Engagement:", "12\\.000$"}});
    EXPECT_NE(Report(rmj, ReportKind::Gauge, true).find("Root Radius"), std::string::npos);
}

// Acme, stub Acme and buttress: their type and class rows, and a setting
// plug row for the truncated major only where the family's plugs have one
// (checked where the families are built in). Plated with two starts their
// gauge reports pass a page, and the footer goes over whole.
TEST_F(ThreadReports, PowerThreadRows) {
    const struct {
        const char* name;
        uint16_t code;
        const char *cls, *dia, *tpi, *type;
        bool truncatedMajor;
        int startsIndex = 0;
        const char* coating = "";
    } cases[] = {
        {"acme", kTypeAcme, "2G", "1", "5", "ACME Thread", true},
        {"stub", kTypeStub, "3G", "1", "10", "STUB ACME Thread", false},
        {"sam2", kTypeSAM2, "4G", "1", "10", "SAM2 ACME Thread", false},
        {"buttress", kTypeButt, "2", "2", "8", "7x45 Buttress Thread", true},
        {"acmePlatedTwoStarts", kTypeAcme, "2G", "1", "5", "ACME Thread", true, 1, "0.0005"},
        {"buttressPlatedTwoStarts", kTypeButt, "2", "2", "8", "7x45 Buttress Thread", true, 1,
         "0.0005"},
    };
    Settings().Paper = PaperSize::Letter; // the shorter sheet
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ParameterEntry e;
        e.typeIndex = TypeEntryIndex(c.code);
        e.classText = c.cls;
        e.diameterText = c.dia;
        e.pitchText = c.tpi;
        e.startsIndex = c.startsIndex;
        e.coated = *c.coating != 0;
        e.coatingText = c.coating;
        TTInfo rec;
        ASSERT_EQ(SetUpRecord(e, rec).message, "");
        rec.Calculate();
        rec.ClassW = GaugeClassOptions(c.code).classW;
        const std::string text = Report(rec, ReportKind::Thread);
        const std::string cls = std::string(c.cls) + "$";
        ExpectRows(text, {{"Thread Type:", c.type},
                          {"Class of Thread:", cls.c_str()},
                          {"Minor Diamater Max:", "Minor Diamater Max:.*Minor Diamater Max:"}});
        if (rec.ExtThd.PD.Max == 0) continue;
        const std::string gauge = Report(rec, ReportKind::Gauge);
        EXPECT_EQ(gauge.find("Major Dia (Trunc)") != std::string::npos, c.truncatedMajor) << gauge;
        EXPECT_TRUE(InOrder(gauge, {"PLUG GAGE", "NOTE:", "Pitch Ledger for Windows", "Printed "}))
            << gauge;
    }
}

TEST(ReportCopies, EachCopyIsAPrintJobOfItsOwn) {
    TImageTarget printer(100, 8.5, 11, 25);
    TReportWorks rpt;
    rpt.SetPrintTarget(&printer);
    rpt.SetDestination(dPrinter);
    SetupReportPage(rpt);
    auto rec = CalculatedUN("1/4", 20, "2");
    TReportJob job = ThreadReportJob(ReportKind::Gauge, *rec, false);
    job.copies = 3;
    ASSERT_TRUE(PrintReport(rpt, job));
    EXPECT_EQ(printer.jobs, 3);
    EXPECT_EQ(printer.sheets.size(), 3u);
    // The page set-up: left margin 0.5 and top 0.6 inch on the 0.25-inch border.
    EXPECT_EQ(rpt.MarginRect().topLeft(), QPoint(25, 35));
    EXPECT_GT(InkIn(printer.sheets[2], QRect(0, 0, 800, 1050)), 1000);
}

} // namespace
