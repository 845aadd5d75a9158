// The report page engine on a 100 dpi printer stand-in with a quarter-inch
// unprintable border (Letter: 850 x 1100 pixels, printable origin at 25, 25):
// margins, positions, tabs, page ranges, the preview page and growing rows.
// Expected pixels are worked by hand from the inch values.
#include "core/settings.h"
#include "report/report_hooks.h"
#include "report/report_pdf.h"
#include "report/report_test_support.h"
#include "report/report_works.h"

#include "support/test_support.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

class ReportEngine : public ::testing::Test {
protected:
    ReportEngine() : target(100, 8.5, 11, 25) {
        rpt.SetPrintTarget(&target);
        rpt.SetDestination(dPrinter);
        rpt.SetFont("Times New Roman", 12);
        ReportHooks().message = [this](const QString& text) { messages << text; };
    }
    ~ReportEngine() override { ResetReportHooks(); }

    void Margins(double m) {
        rpt.SetLeftMargin(m);
        rpt.SetTopMargin(m);
        rpt.SetRightMargin(m);
        rpt.SetBottomMargin(m);
    }

    TImageTarget target;
    TReportWorks rpt;
    QStringList messages;
};

TEST_F(ReportEngine, MarginsAndPositionsInPixels) {
    // Near margin max(m, 0.25 in) x 100 - 25, far margin the page less that;
    // positions count from the margins and are clamped to them.
    const QRect inch(QPoint(75, 75), QPoint(725, 975));
    const struct {
        const char* name;
        TUnits units;
        double margin, x, y;
        QRect margins;
        QPoint at;
    } cases[] = {
        {"zeroMargin", uInch, 0, 0, 0, QRect(QPoint(0, 0), QPoint(800, 1050)), {0, 0}},
        {"insideTheBorder", uInch, 0.1, 0, 0, QRect(QPoint(0, 0), QPoint(800, 1050)), {0, 0}},
        {"halfInch", uInch, 0.5, 0, 0, QRect(QPoint(25, 25), QPoint(775, 1025)), {25, 25}},
        {"inside", uInch, 1, 2, 3, inch, {275, 375}},
        {"belowBottom", uInch, 1, 0, 20, inch, {75, 975}},
        {"aboveTop", uInch, 1, 0, -1, inch, {75, 75}},
        {"beyondRight", uInch, 1, 9, 0, inch, {725, 75}},
        {"leftOfMargin", uInch, 1, -0.5, 0, inch, {75, 75}},
        {"oneInchInMillimetres", uMM, 25.4, 25.4, 0, inch, {175, 75}},
        {"pointsAcrossAndDown", uPoint, 72, 72, 36, inch, {175, 125}},
    };
    for (const auto& c : cases) {
        rpt.SetUnits(c.units);
        Margins(c.margin);
        rpt.BeginReport();
        EXPECT_EQ(rpt.MarginRect(), c.margins) << c.name;
        rpt.GotoXY(c.x, c.y);
        EXPECT_EQ(QPoint(rpt.GetX(true), rpt.GetY(true)), c.at) << c.name;
        rpt.EndReport();
    }
}

TEST_F(ReportEngine, TabsAlignTextAndUnknownTabsAreRefused) {
    Margins(1.0);
    rpt.BeginReport();
    EXPECT_EQ(rpt.AddTab(2.0, kAlignLeft), 0);
    rpt.AddTab(3.0, kAlignRight);
    rpt.AddTab(4.0, kAlignCenter);
    const int w = rpt.TextWidth("ABC");
    const int ends[] = {275 + w, 375, 475 - w / 2 + w};
    for (int tab = 1; tab <= 3; ++tab) {
        rpt.PrintTab(tab, "ABC");
        EXPECT_EQ(rpt.GetX(true), ends[tab - 1]) << "tab " << tab;
    }
    EXPECT_TRUE(messages.isEmpty());

    rpt.NewLine();
    const int y = static_cast<int>(rpt.GetY(true));
    for (int tab : {0, 4, -1})
        rpt.PrintTab(tab, "XYZ");
    EXPECT_EQ(messages, QStringList(3, "Tab does not exist!"));
    rpt.EndReport();
    EXPECT_EQ(InkIn(target.sheets.back(), QRect(0, y, 850, rpt.TextHeight())), 0)
        << "nothing printed";
}

// Four pages, each with a rule k inches below the top margin.
void FourPages(TReportWorks& rpt) {
    rpt.BeginReport();
    for (int k = 1; k <= 4; ++k) {
        if (k > 1) rpt.NewPage();
        rpt.GotoXY(0, k);
        rpt.DrawRule();
    }
    rpt.EndReport();
}

TEST_F(ReportEngine, OnlyThePrintedRangeReachesTheSheets) {
    // Four pages to a file; the pages that land on the first and second sheet.
    const struct {
        int first, last;
        const char* file;
        const char* output;
        int onSheet[2];
    } cases[] = {{3, 999, "thread.pdf", "thread.pdf", {3, 4}}, {1, 2, "", "rptworks.prn", {1, 2}}};
    Margins(1.0);
    rpt.SetDestination(dFile);
    for (const auto& c : cases) {
        target.sheets.clear();
        rpt.SetPrintPageFirst(c.first);
        rpt.SetPrintPageLast(c.last);
        rpt.SetFileName(c.file);
        FourPages(rpt);
        EXPECT_EQ(rpt.PageTotal(), 4);
        EXPECT_EQ(target.lastOutputFile, c.output);
        ASSERT_EQ(target.sheets.size(), 2u) << c.first;
        // Page k's rule at 75 + 100 k.
        for (int k = 1; k <= 4; ++k)
            for (int sheet = 0; sheet < 2; ++sheet)
                EXPECT_EQ(InkIn(target.sheets[sheet], QRect(80, 75 + 100 * k, 600, 1)) > 0,
                          k == c.onSheet[sheet])
                    << "first " << c.first << ", page " << k << ", sheet " << sheet;
    }
}

TEST_F(ReportEngine, ThePreviewDrawsTheCurrentPageAtScreenResolution) {
    // 8.5 x 11 inches at 96 pixels per inch, at half size, with no border.
    rpt.SetDestination(dPreview);
    rpt.SetZoomPercent(50);
    rpt.BeginReport();
    rpt.EndReport();
    EXPECT_EQ(rpt.PreviewImage().size(), QSize(408, 528));
    rpt.SetZoomPercent(100);
    Margins(1.0);
    FourPages(rpt);
    rpt.SetCurrentPage(9);
    EXPECT_EQ(rpt.CurrentPage(), 4) << "clamped to the page total";
    rpt.SetCurrentPage(2);
    FourPages(rpt);
    // One-inch margins at 96 pixels per inch: page k's rule at 96 + 96 k.
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(InkIn(rpt.PreviewImage(), QRect(100, 96 + 96 * k, 600, 1)) > 0, k == 2) << k;
    EXPECT_TRUE(target.sheets.empty()) << "the preview sends nothing to the printer";
}

TEST_F(ReportEngine, TablesRuleTheirRowsRoundTheText) {
    Margins(1.0);
    rpt.BeginReport();
    rpt.SetColumns(2);
    rpt.SetColumnWidth(1, 1.0);
    rpt.SetColumnTitle(1, "Size");
    rpt.SetCellPadding(0.05);
    rpt.SetHeaderRule(kHeaderRuleDoubleHeavy);
    // Two columns of 325 over the 650-pixel line; the first narrowed to 100
    // moves the second to 175 and the table's right border to 500.
    EXPECT_EQ(rpt.ColumnRect(2).left(), 175);
    EXPECT_EQ(rpt.ColumnRect(2).width(), 325);
    const int h = rpt.TextHeight();
    rpt.BeginTable();
    // The title row spans padding, one line and padding; the first row opens under it.
    const int top = 75 + 5 + h + 5;
    EXPECT_EQ(rpt.RowTop(), top);
    rpt.PrintColumn(1, "first\nsecond\nthird");
    const int bottom = top + 5 + 2 * (h + h * 10 / 100) + h + 5;
    EXPECT_EQ(rpt.RowBottom(), bottom);
    rpt.PrintColumn(2, "short");
    EXPECT_EQ(rpt.RowBottom(), bottom) << "a shorter cell leaves the row as it is";
    rpt.PrintColumn(3, "no such column");
    rpt.NextRow();
    EXPECT_EQ(rpt.RowTop(), bottom);
    rpt.EndTable();
    rpt.EndReport();

    const QImage& sheet = target.sheets.back();
    EXPECT_GT(InkIn(sheet, QRect(200, 75, 250, 1)), 0) << "top rule";
    // The double header rule: one pixel, then three pixels wide three below.
    EXPECT_EQ(InkIn(sheet, QRect(450, top, 1, 5)), 4);
    EXPECT_GT(InkIn(sheet, QRect(174, bottom - 2, 3, 1)), 0) << "column rule to the last line";
    EXPECT_GT(InkIn(sheet, QRect(450, bottom, 40, 1)), 0) << "bottom rule under the last line";
    EXPECT_GT(InkIn(sheet, QRect(499, bottom - 2, 3, 1)), 0) << "right border";
    EXPECT_EQ(InkIn(sheet, QRect(520, 75, 200, 1)), 0) << "nothing past the border";
    // The cell text leaves the rules whole: no gap in the row's top rule.
    EXPECT_EQ(InkIn(sheet, QRect(76, top, 98, 1)), 98);
}

TEST_F(ReportEngine, LinesStartWhereGotoLeftAndPicturesKeepTheirSize) {
    Margins(1);
    rpt.BeginReport();
    // A rule from (1, 2) to (3, 2) inches inside the margins: x 175 .. 375, y 275.
    rpt.GotoXY(1, 2);
    rpt.DrawLineTo(3, 2);
    // One inch square at 300 dpi, and 96 pixels at the screen's resolution
    // a picture has by default: both an inch on the 100 dpi sheet.
    QImage fine(300, 300, QImage::Format_RGB32);
    fine.fill(Qt::black);
    fine.setDotsPerMeterX(11811);
    fine.setDotsPerMeterY(11811);
    QImage plain(96, 96, QImage::Format_RGB32);
    plain.fill(Qt::black);
    rpt.GotoXY(1, 3);
    rpt.DrawGraphic(fine);
    rpt.GotoXY(3, 3);
    rpt.DrawGraphic(plain);
    rpt.EndReport();
    const QImage& sheet = target.sheets.at(0);
    EXPECT_GT(InkIn(sheet, QRect(180, 274, 190, 3)), 150) << "the rule";
    EXPECT_EQ(InkIn(sheet, QRect(75, 270, 95, 10)), 0) << "nothing before its start";
    for (int left : {175, 375}) {
        EXPECT_EQ(InkIn(sheet, QRect(left, 375, 100, 100)), 100 * 100) << left;
        EXPECT_EQ(InkIn(sheet, QRect(left, 475, 100, 5)), 0) << left << ": an inch high";
    }
}

// A PDF file has a sheet per page, each of the paper chosen in the orientation
// asked for. On A4 the report keeps the margins it has on Letter, centred.
TEST(ReportPdf, SheetsOfTheFile) {
    if (!HaveTool("pdfinfo") || !HaveTool("pdftotext"))
        GTEST_SKIP() << "pdfinfo/pdftotext (poppler-utils) are not installed";
    TempDir dir;
    const struct {
        const char* name;
        PaperSize paper;
        TOrientation orientation;
        int pages;
        const char* size; // pdfinfo, points: 8.5 x 11 in, 210 x 297 mm at 72 to the inch
    } cases[] = {
        {"onePortrait", PaperSize::Letter, poPortrait, 1, "612 x 792 pts"},
        {"threeLandscape", PaperSize::Letter, poLandscape, 3, "792 x 612 pts"},
        {"a4Portrait", PaperSize::A4, poPortrait, 2, "595 x 842 pts"},
    };
    const std::optional<PaperSize> saved = Settings().Paper;
    for (const auto& c : cases) {
        Settings().Paper = c.paper;
        const std::string file = dir.file(std::string(c.name) + ".pdf");
        QRect margins;
        ASSERT_TRUE(WriteEnginePdf(
            QString::fromStdString(file),
            [&](TReportWorks& rpt) {
                rpt.SetOrientation(c.orientation);
                rpt.BeginReport();
                margins = rpt.MarginRect();
                for (int k = 1; k <= c.pages; ++k) {
                    if (k > 1) rpt.NewPage();
                    rpt.PrintLeft(QString("Sheet %1").arg(k));
                }
                rpt.EndReport();
                return true;
            },
            nullptr))
            << c.name;
        const std::string info = CommandOutput("pdfinfo -l 99 '" + file + "'");
        EXPECT_EQ(LinesWith(info, c.size).size(), std::size_t(c.pages)) << c.name << "\n" << info;
        EXPECT_EQ(LineOf(info, "Pages:"), "Pages:           " + std::to_string(c.pages)) << c.name;
        const std::string text = PdfText(file);
        for (int k = 1; k <= c.pages; ++k)
            EXPECT_EQ(LinesWith(text, "Sheet " + std::to_string(k)).size(), 1u) << c.name << k;
        if (c.orientation != poPortrait) continue;
        // Margins 0.5, 0.6, 1.0, 1.0 in at 1200 dpi on an 8.5 x 11 in sheet centred
        // on the page: the 595 x 842 pt A4 page is 9916.7 by 14033.3 pixels.
        const double dx = c.paper == PaperSize::A4 ? (595 / 72.0 * 1200 - 10200) / 2 : 0;
        const double dy = c.paper == PaperSize::A4 ? (842 / 72.0 * 1200 - 13200) / 2 : 0;
        EXPECT_NEAR(margins.left(), 600 + dx, 1) << c.name;
        EXPECT_NEAR(margins.top(), 720 + dy, 1) << c.name;
        EXPECT_NEAR(margins.right(), 9000 + dx, 1.5) << c.name;
        EXPECT_NEAR(margins.bottom(), 12000 + dy, 1.5) << c.name;
    }
    Settings().Paper = saved;
}

TEST(BreakCellText, BreaksLikeAnEditBoxOfTheGivenWidth) {
    QFont font("Times New Roman");
    font.setPointSizeF(12);
    QImage screen(1, 1, QImage::Format_RGB32);
    screen.setDotsPerMeterX(3780);
    screen.setDotsPerMeterY(3780);
    const QFontMetrics fm(font, &screen);
    const struct {
        const char* name;
        QString text;
        int width;
        QStringList lines;
    } cases[] = {
        {"lineBreaksAndEmptyLines", "a\r\n\nb", 500, {"a", "", "b"}},
        {"leadingBlanksKept", "  N/A", 500, {"  N/A"}},
        {"breaksAtTheLastBlankThatFits",
         "alpha beta gamma",
         fm.horizontalAdvance("alpha beta"),
         {"alpha beta", "gamma"}},
        {"splitsAWordWiderThanTheBox", "MMMMMM", fm.horizontalAdvance("MMM"), {"MMM", "MMM"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BreakCellText(c.text, font, c.width), c.lines) << c.name;
}

} // namespace
