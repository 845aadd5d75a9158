// The four pipe thread reports, read back from the PDF they write: the
// ASME B1.20.1 basic dimensions of 1/2 and 1 NPT from the shipped tables,
// the gauge maker's basic gauge dimensions, the sign rule of the tolerance
// report, report 1 of the straight kinds, copies and a missing picture.
#include "core/number_text.h"
#include "core/pipe_record.h"
#include "core/thread_record.h"
#include "pages/parameter_page.h"
#include "pipe/pipe_pages.h"
#include "pipe/pipe_report_rows.h"
#include "report/pipe_reports.h"
#include "report/report_pdf.h"
#include "report/report_test_support.h"
#include "report/report_works.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace {

const char* const kKinds[] = {"NPT", "NPSC", "NPTR", "NPSM", "NPSL"};

// A record set up from the size list as the parameter page does, then
// calculated with the table data path in use.
std::unique_ptr<TTInfo> CalcPipe(int kind, const std::string& size) {
    const std::vector<std::string> sizes = PipeSizeTexts(kind);
    ParameterEntry e;
    e.typeIndex = TypeEntryIndex(kTypeNPT);
    e.classText = kKinds[kind];
    e.pipe = true;
    e.pipeKind = kind;
    e.pipeSize = static_cast<int>(std::find(sizes.begin(), sizes.end(), size) - sizes.begin());
    e.pipeSizeText = size;
    auto rec = std::make_unique<TTInfo>();
    EXPECT_EQ(SetUpRecord(e, *rec).message, "") << size;
    rec->Calculate();
    return rec;
}

// The label and the pattern its first line matches.
using RowCase = std::pair<std::string, std::string>;

class PipeReports : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveTool("pdftotext"))
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; report texts not checked";
    }
    void TearDown() override { SetPipePictureDir(QString()); }

    std::string Report(TTInfo& rec, int group) {
        const std::string file = dir.file("pipe.pdf");
        EXPECT_TRUE(WriteReportPdf(ThreadReportJob(ReportKind::Pipe, rec, false, group),
                                   QString::fromStdString(file)));
        return PdfText(file);
    }

    void ExpectRows(const std::string& text, const std::vector<RowCase>& rows) {
        for (const auto& [label, pattern] : rows)
            EXPECT_TRUE(Matches(LineOf(text, label), pattern)) << label << "\n" << text;
    }

    TempDir dir;
};

TEST_F(PipeReports, NPTReportsOfHalfInch) {
    const ShippedTables shipped;
    auto rec = CalcPipe(0, "1/2");
    // No published working-gauge tolerances ship: the size rows and the page's
    // line that says so, not a table of N/A.
    const std::string none = Report(*rec, 3);
    EXPECT_TRUE(InOrder(none, {"Nominal Pipe Size:", "O.D. of Pipe:", "Threads / in.",
                               PipeTolsNote(*rec), kPipeReportNote}));
    EXPECT_EQ(none.find("N/A"), std::string::npos) << none;
    // 3/4 has gauge pitch diameters but no published plug majors and ring
    // minors: the table with its N/A cells, and the line under it.
    auto threeQuarter = CalcPipe(0, "3/4");
    const std::string partial = Report(*threeQuarter, 2);
    EXPECT_TRUE(InOrder(
        partial, {"Minor Diameters of Ring Gages", PipeGagesNote(*threeQuarter), kPipeReportNote}));
    ExpectRows(partial, {{"Pitch Diameters of Plug and Ring Gages", "0\\.98887$"}});
    // Stored values print as they are, the sign in the label ("Rings (-)"
    // of a stored +0.00050).
    rec->Pipe->Found |= kFoundTols;
    rec->Pipe->PlugTaperTol = 0.0005;
    rec->Pipe->RingTaperTol = 0.0005;
    rec->XDiaTol = 0.0025;
    rec->WAngleMin = 15;
    const struct {
        const char* name;
        int group;
        std::vector<std::string> titles;
        std::vector<RowCase> rows;
    } cases[] = {
        // B1.20.1: D 0.840, p = 1/14, E0 0.75843, L1 0.320 (4.48 threads),
        // E1 = E0 + 0.0625 L1, L4 0.7815, K0 0.70129 to four decimals.
        {"dims",
         1,
         {"Basic Dimensions of American National Standard Taper Pipe Thread, NPT"},
         {{"O.D. of Pipe:", "0\\.8400$"},
          {"Pitch of Thread", "0\\.07143$"},
          {"Beginning of Thread", "0\\.75843$"},
          {"Handtight Engagement", "Threads +4\\.48$"},
          {"Diameter (E1", "0\\.77843$"},
          {"Overall Length of Ext. Thread", "0\\.7815$"},
          {"Basic Minor Dia. at Small End", "0\\.7013$"}}},
        // Plug major 0.80600 at E0 and ring minor 0.73086 at the notch (gauge
        // maker's sheet); gauge PD at the notch = E1.
        {"gauges",
         2,
         {"Basic Dimensions of Threaded Plug and Ring Gages for",
          "American National Standard Pipe Thread, NPT"},
         {{"Major Diameters of Plug Gages", "Gauging Notch \\(E1 ?\\) Plane +0\\.82600$"},
          {"Pitch Diameters of Plug and Ring Gages", "Gauging Notch \\(E1 ?\\) Plane +0\\.77843$"},
          {"At Small End", "0\\.80600$"}}},
        {"tolerances",
         3,
         {"Tolerances for American National Standard",
          "Working Taper Pipe Thread Plug and Ring Gages, NPT"},
         {{"Rings (-)", "Rings \\(-\\) +0\\.00050$"},
          {"Plugs (+)", "Plugs \\(\\+\\) +0\\.00050$"},
          {"Rings (+)", "Tolerance on Minor Diameter +Rings \\(\\+\\) +0\\.00250$"},
          {"Plugs (±)", "Plugs \\(±\\) +15$"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = Report(*rec, c.group);
        std::vector<std::string> heading{"Thread Dimensions Report", "1/2 - 14 NPT",
                                         "Dimensions in inches"};
        heading.insert(heading.end(), c.titles.begin(), c.titles.end());
        // The footer of every report closes the page.
        heading.insert(heading.end(),
                       {kPipeReportNote, "Pitch Ledger for Windows, ver", "Printed ", "Tables: "});
        EXPECT_TRUE(InOrder(text, heading)) << text;
        ExpectRows(text, c.rows);
        EXPECT_EQ(text.find("not found"), std::string::npos) << "the picture beside the program";
    }
}

TEST_F(PipeReports, ElevenAndAHalfThreadsPerInch) {
    const ShippedTables shipped;
    auto rec = CalcPipe(0, "1");
    const std::string text = Report(*rec, 1);
    // 1/11.5 = 0.086957; L1 of 1 NPT is 0.400 inch, 4.60 threads.
    ExpectRows(text, {{"1 - 11.5 NPT", "^ *1 - 11\\.5 NPT$"},
                      {"Threads / in.", "11\\.5$"},
                      {"Pitch of Thread", "0\\.08696$"},
                      {"Handtight Engagement", "Threads +4\\.60$"}});
}

// Report 1 of a straight or railing-joint kind prints report 4; the NPT
// gauge reports do not exist for them.
TEST_F(PipeReports, StraightKindsThroughReportOne) {
    TestTables tables({"npt", "nptgage", "npttol", "npsc", "nptr", "npsm", "npsl"});
    // ASME B1.20.1 1/2 NPSM limits: their midpoints are the published 0.81800,
    // 0.77435, 0.75300 and 0.78175; allowance = internal PD min - external PD max.
    tables.Write("npsm", "0.5,0.840,14,0.0015,0.8250,0.8110,0.7785,0.7702,0.7450,0.7610,0.7800,"
                         "0.7835\n");
    // 1/2 NPTR: the thread shortened by two pitches, 2/14 = 0.14286 (the
    // table's five decimals), printed with all five.
    tables.Write("nptr", "0.5,0.840,14,0,0,0.14286,2,0,0,0,0,0,0,0,0,0,0,0\n");
    const struct {
        int kind;
        const char* size;
        std::vector<std::string> texts;
        std::vector<RowCase> rows;
    } cases[] = {
        {3,
         "1/2",
         {"1/2 - 14 NPSM",
          "Dimensions of External and Internal Straight Pipe Threads for Fixtures, NPSM",
          "External Thread,", "Class 2A", "Internal Thread,", "Class 2B"},
         {{"O.D. of Pipe:", "0\\.840$"},
          {"Allowance", "0\\.0015$"},
          {"0.8250", "^ +Max +0\\.8250$"},
          {"Class 2B", "Min12 +0\\.7800$"}}},
        {2,
         "1/2",
         {"Dimensions of External and Internal Taper Pipe Threads", "for Railing Joints, NPTR"},
         {{"0.14286", "^ +Inch +0\\.14286$"}, {"2.00", "^ +Threads +2\\.00$"}}},
        // Tables without rows: the size and why, no table of N/A.
        {1,
         "1/8",
         {"Dimensions of Internal Straight Threads in Pipe Couplings, NPSC",
          "Nominal Pipe Size:", "the NPSC dimension table has no rows"},
         {}},
        {4,
         "1/8",
         {"Dimensions of External and Internal Straight Pipe Threads for Locknut",
          "Connections, NPSL (Loose Fitting Mechanical Joints)",
          "the NPSL dimension table has no rows"},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(kKinds[c.kind]);
        auto rec = CalcPipe(c.kind, c.size);
        const std::string text = Report(*rec, 1);
        for (const std::string& t : c.texts)
            EXPECT_NE(text.find(t), std::string::npos) << t << "\n" << text;
        EXPECT_EQ(text.find("N/A"), std::string::npos) << text;
        ExpectRows(text, c.rows);
        // Only the railing joints have a picture.
        EXPECT_EQ(text.find("not found"), std::string::npos);
        TReportWorks rpt;
        for (int group : {kPipeReportGauges, kPipeReportTols}) {
            TReportJob job = ThreadReportJob(ReportKind::Pipe, *rec, false, group);
            EXPECT_FALSE(PrintReport(rpt, job)) << group;
        }
    }
}

TEST_F(PipeReports, CopiesAndAMissingPicture) {
    const ShippedTables shipped;
    auto rec = CalcPipe(0, "1/2");
    TImageTarget printer(100, 8.5, 11, 25);
    TReportWorks rpt;
    rpt.SetPrintTarget(&printer);
    rpt.SetDestination(dPrinter);
    SetupReportPage(rpt);
    TReportJob job = ThreadReportJob(ReportKind::Pipe, *rec, false, kPipeReportGauges);
    for (int copies : {0, 3}) {
        job.copies = static_cast<uint16_t>(copies);
        printer.jobs = 0;
        printer.sheets.clear();
        EXPECT_TRUE(PrintReport(rpt, job));
        EXPECT_EQ(printer.jobs, copies);
        ASSERT_EQ(printer.sheets.size(), static_cast<std::size_t>(copies));
    }
    // Each copy has its header and, below the table, its picture.
    for (const QImage& sheet : printer.sheets) {
        EXPECT_GT(InkIn(sheet, QRect(0, 0, 800, 100)), 500) << "header";
        EXPECT_GT(InkIn(sheet, QRect(0, 700, 800, 250)), 2000) << "picture";
    }

    // Without its picture the report still ends, and says why.
    SetPipePictureDir(QString::fromStdString(dir.path().string()));
    WriteTextFile(dir.file("NPTDims.bmp"), "not a bitmap");
    EXPECT_NE(Report(*rec, 2).find("Picture NPTTols.bmp not found"), std::string::npos);
    EXPECT_NE(Report(*rec, 1).find("Picture NPTDims.bmp could not be read"), std::string::npos);
    job.copies = 1;
    job.group = kPipeReportTols;
    PrintReport(rpt, job);
    EXPECT_FALSE(rpt.Active());
    EXPECT_EQ(printer.jobs, 4) << "three copies before, one now";
}

} // namespace
