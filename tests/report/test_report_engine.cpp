// The report page engine on a 100 dpi printer stand-in with a quarter-inch
// unprintable border (Letter: 850 x 1100 pixels, printable origin at 25, 25):
// margins, positions, tabs, page ranges, line pitch, rules and growing rows.
// Expected pixels are worked by hand from the inch values.
#include "report/report_hooks.h"
#include "report/report_test_support.h"
#include "report/report_works.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

class ReportEngine : public ::testing::Test {
protected:
    ReportEngine() : target(100, 8.5, 11, 25)
    {
        rpt.SetPrintTarget(&target);
        rpt.SetDestination(dPrinter);
        rpt.SetFont("Times New Roman", 12);
        ReportHooks().message = [this](const QString& text) { messages << text; };
    }
    ~ReportEngine() override { ResetReportHooks(); }

    void Margins(double m)
    {
        rpt.SetLeftMargin(m);
        rpt.SetTopMargin(m);
        rpt.SetRightMargin(m);
        rpt.SetBottomMargin(m);
    }

    TImageTarget target;
    TReportWorks rpt;
    QStringList messages;
};

struct MarginCase {
    const char* name;
    double margin;
    QRect expected; // relative to the printable origin
};

TEST_F(ReportEngine, MarginsAreRaisedToThePrintableOffset)
{
    // Near margin: max(m, 0.25) x 100 - 25; far margin: page - max(m, 0.25) x 100 - 25.
    const MarginCase cases[] = {
        {"zeroMargin", 0.0, QRect(QPoint(0, 0), QPoint(800, 1050))},
        {"insideTheBorder", 0.1, QRect(QPoint(0, 0), QPoint(800, 1050))},
        {"onTheBorder", 0.25, QRect(QPoint(0, 0), QPoint(800, 1050))},
        {"halfInch", 0.5, QRect(QPoint(25, 25), QPoint(775, 1025))},
        {"oneInch", 1.0, QRect(QPoint(75, 75), QPoint(725, 975))},
    };
    for (const MarginCase& c : cases) {
        Margins(c.margin);
        rpt.BeginReport();
        EXPECT_EQ(rpt.MarginRect(), c.expected) << c.name;
        EXPECT_EQ(rpt.GetX(true), c.expected.left()) << c.name;
        EXPECT_EQ(rpt.GetY(true), c.expected.top()) << c.name;
        rpt.EndReport();
    }
    // The preview has no border: 8.5 x 11 inches at 96 pixels per inch.
    Margins(0);
    rpt.SetDestination(dPreview);
    rpt.BeginReport();
    EXPECT_EQ(rpt.MarginRect(), QRect(QPoint(0, 0), QPoint(816, 1056)));
    rpt.EndReport();
}

struct GotoCase {
    const char* name;
    double x, y;
    int px, py;
};

TEST_F(ReportEngine, GotoXYIsClampedToTheMargins)
{
    // One-inch margins: left 75, top 75, right 725, bottom 975.
    const GotoCase cases[] = {
        {"inside", 2.0, 3.0, 275, 375},
        {"belowBottom", 0, 20, 75, 975},
        {"aboveTop", 0, -1, 75, 75},
        {"beyondRight", 9, 0, 725, 75},
        {"leftOfMargin", -0.5, 0, 75, 75},
    };
    Margins(1.0);
    rpt.BeginReport();
    for (const GotoCase& c : cases) {
        rpt.GotoXY(c.x, c.y);
        EXPECT_EQ(rpt.GetX(true), c.px) << c.name;
        EXPECT_EQ(rpt.GetY(true), c.py) << c.name;
    }
    rpt.GotoXY(0, 20);
    EXPECT_DOUBLE_EQ(rpt.GetY(), 9.0);
    rpt.EndReport();
}

TEST_F(ReportEngine, UnitsScaleTheDeviceResolution)
{
    rpt.SetUnits(uMM);
    Margins(25.4);
    rpt.BeginReport();
    const double left = rpt.GetX(true);
    rpt.GotoXY(25.4, 0);
    EXPECT_EQ(rpt.GetX(true) - left, 100) << "25.4 mm is one inch";
    rpt.EndReport();

    rpt.SetUnits(uPoint);
    Margins(72);
    rpt.BeginReport();
    rpt.GotoXY(72, 36);
    EXPECT_EQ(rpt.GetX(true), 175);
    EXPECT_EQ(rpt.GetY(true), 125);
    rpt.EndReport();
}

TEST_F(ReportEngine, TabsAlignTextAndUnknownTabsAreRefused)
{
    Margins(1.0);
    rpt.BeginReport();
    EXPECT_EQ(rpt.AddTab(2.0, kAlignLeft), 0);
    EXPECT_EQ(rpt.AddTab(3.0, kAlignRight), 1);
    EXPECT_EQ(rpt.AddTab(4.0, kAlignCenter), 2);
    const int w = rpt.TextWidth("ABC");
    rpt.PrintTab(1, "ABC");
    EXPECT_EQ(rpt.GetX(true), 275 + w);
    rpt.PrintTab(2, "ABC");
    EXPECT_EQ(rpt.GetX(true), 375);
    rpt.PrintTab(3, "ABC");
    EXPECT_EQ(rpt.GetX(true), 475 - w / 2 + w);
    EXPECT_TRUE(messages.isEmpty());

    const struct {
        const char* name;
        int tab;
    } refused[] = {{"tabZero", 0}, {"pastTheLastTab", 4}, {"negative", -1}};
    rpt.NewLine();
    const int y = static_cast<int>(rpt.GetY(true));
    for (const auto& c : refused) {
        messages.clear();
        rpt.GotoXY(0.5, rpt.GetY());
        const double x = rpt.GetX(true);
        rpt.PrintTab(c.tab, "XYZ");
        EXPECT_EQ(messages, QStringList{"Tab does not exist!"}) << c.name;
        EXPECT_EQ(rpt.GetX(true), x) << c.name;
    }
    rpt.EndReport();
    EXPECT_EQ(InkIn(target.sheets.back(), QRect(0, y, 850, rpt.TextHeight())), 0);
}

// Four pages, each with a rule k inches below the top margin.
void FourPages(TReportWorks& rpt)
{
    rpt.BeginReport();
    for (int k = 1; k <= 4; ++k) {
        if (k > 1) rpt.NewPage();
        rpt.GotoXY(0, k);
        rpt.DrawRule();
    }
    rpt.EndReport();
}

TEST_F(ReportEngine, OnlyThePrintedRangeReachesTheSheets)
{
    Margins(1.0);
    int newPages = 0;
    rpt.OnNewPage = [&] { ++newPages; };
    rpt.SetPrintPageFirst(3);
    FourPages(rpt);
    EXPECT_EQ(rpt.PageTotal(), 4);
    EXPECT_EQ(newPages, 3);
    // Page 3 is the first sheet, page 4 starts the second.
    ASSERT_EQ(target.sheets.size(), 2u);
    const int rows[] = {175, 275, 375, 475};
    const bool onFirst[] = {false, false, true, false};
    const bool onSecond[] = {false, false, false, true};
    for (int k = 0; k < 4; ++k) {
        const QRect row(80, rows[k], 600, 1);
        EXPECT_EQ(InkIn(target.sheets[0], row) > 0, onFirst[k]) << "page " << k + 1;
        EXPECT_EQ(InkIn(target.sheets[1], row) > 0, onSecond[k]) << "page " << k + 1;
    }

    target.sheets.clear();
    rpt.SetPrintPageFirst(1);
    rpt.SetPrintPageLast(2);
    FourPages(rpt);
    ASSERT_EQ(target.sheets.size(), 2u);
    EXPECT_GT(InkIn(target.sheets[0], QRect(80, 175, 600, 1)), 0);
    EXPECT_GT(InkIn(target.sheets[1], QRect(80, 275, 600, 1)), 0);
    EXPECT_EQ(InkIn(target.sheets[1], QRect(80, 375, 600, 1)), 0);
}

TEST_F(ReportEngine, ThePreviewDrawsTheCurrentPageAtScreenResolution)
{
    const struct {
        const char* name;
        int zoom;
        QSize page;
    } sizes[] = {{"actualSize", 100, {816, 1056}},
                 {"half", 50, {408, 528}},
                 {"oneAndAHalf", 150, {1224, 1584}}};
    rpt.SetDestination(dPreview);
    for (const auto& s : sizes) {
        rpt.SetZoomPercent(s.zoom);
        rpt.BeginReport();
        rpt.EndReport();
        EXPECT_EQ(rpt.PreviewImage().size(), s.page) << s.name;
    }
    rpt.SetZoomPercent(100);
    Margins(1.0);
    FourPages(rpt);
    rpt.SetCurrentPage(9);
    EXPECT_EQ(rpt.CurrentPage(), 4) << "clamped to the page total";
    rpt.SetCurrentPage(2);
    FourPages(rpt);
    // One-inch margins at 96 pixels per inch: page k's rule at 96 + 96 k.
    const QImage& page = rpt.PreviewImage();
    EXPECT_EQ(InkIn(page, QRect(100, 192, 600, 1)), 0);
    EXPECT_GT(InkIn(page, QRect(100, 288, 600, 1)), 0);
    EXPECT_EQ(InkIn(page, QRect(100, 384, 600, 1)), 0);
    EXPECT_TRUE(target.sheets.empty()) << "the preview sends nothing to the printer";
}

TEST_F(ReportEngine, LinesAdvanceByTextHeightOrFixedPitch)
{
    Margins(1.0);
    rpt.BeginReport();
    const int h = rpt.TextHeight();
    rpt.NewLine();
    EXPECT_EQ(rpt.GetY(true), 75 + h + h * 10 / 100);
    EXPECT_EQ(rpt.LineNum(), 2);
    rpt.EndReport();

    // Six lines per inch at 100 dpi: 16.67, 33.33, 50 pixels below the margin.
    rpt.SetLineMeasure(lmLinesPerInch);
    rpt.SetLinesPerInch(6);
    rpt.BeginReport();
    const int expected[] = {92, 108, 125};
    for (int y : expected) {
        rpt.NewLine();
        EXPECT_EQ(rpt.GetY(true), y);
    }
    rpt.EndReport();

    // Automatic paging once a line would pass the bottom margin.
    rpt.SetAutoPage(true);
    rpt.BeginReport();
    for (int i = 0; i < 6 * 9; ++i) rpt.NewLine();
    EXPECT_EQ(rpt.PageNum(), 2);
    rpt.EndReport();
}

TEST_F(ReportEngine, RuleThicknessFollowsTheResolution)
{
    TImageTarget fine(300, 8.5, 11, 0);
    rpt.SetPrintTarget(&fine);
    Margins(1.0);
    // Resolution / 100, / 50, / 25, / 15, / 10 at 300 dpi; the default pen is 1 pixel.
    const struct {
        const char* name;
        TLineWidth width;
        int rows;
    } cases[] = {{"default", lwDefault, 1}, {"fine", lwFine, 3},   {"normal", lwNormal, 6},
                 {"double", lwDouble, 12},  {"thick", lwThick, 20}, {"heavy", lwHeavy, 30}};
    for (const auto& c : cases) {
        rpt.SetLineWidth(c.width);
        rpt.BeginReport();
        rpt.GotoXY(0, 2);
        rpt.DrawRule();
        rpt.EndReport();
        EXPECT_EQ(InkRows(fine.sheets.back(), 1000, 1000), c.rows) << c.name;
    }
}

TEST_F(ReportEngine, AWrappedCellGrowsItsRowAndTheRules)
{
    Margins(1.0);
    rpt.BeginReport();
    rpt.SetColumns(2);
    rpt.SetColumnWidth(1, 1.0);
    rpt.SetCellPadding(0.05);
    rpt.SetTableHeader(false);
    const QRect second = rpt.ColumnRect(2);
    // Two columns of 325 over the 650-pixel line; the first narrowed to 100
    // moves the second to 175 and the table's right border to 500.
    EXPECT_EQ(second.left(), 175);
    EXPECT_EQ(second.width(), 325);
    rpt.BeginTable();
    const int h = rpt.TextHeight();
    EXPECT_EQ(rpt.RowTop(), 75);
    EXPECT_EQ(rpt.RowBottom(), 80 + h + 5);
    rpt.PrintColumn(1, "first\nsecond\nthird");
    const int bottom = 80 + 2 * (h + h * 10 / 100) + h + 5;
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
    EXPECT_GT(InkIn(sheet, QRect(174, bottom - 2, 3, 1)), 0) << "column rule to the last line";
    EXPECT_GT(InkIn(sheet, QRect(200, bottom, 250, 1)), 0) << "bottom rule under the last line";
    EXPECT_GT(InkIn(sheet, QRect(499, bottom - 2, 3, 1)), 0) << "right border";
    EXPECT_EQ(InkIn(sheet, QRect(520, 75, 200, 1)), 0) << "nothing past the border";
}

TEST_F(ReportEngine, AHeaderRowOpensTheTable)
{
    Margins(1.0);
    rpt.BeginReport();
    rpt.SetColumns(2);
    rpt.SetColumnTitle(1, "Size");
    rpt.SetCellPadding(0.05);
    rpt.SetHeaderRule(kHeaderRuleDoubleHeavy);
    const int h = rpt.TextHeight();
    rpt.BeginTable();
    // The title row spans padding, one line and padding; the first row opens under it.
    const int underHeader = 75 + 5 + h + 5;
    EXPECT_EQ(rpt.RowTop(), underHeader);
    EXPECT_EQ(rpt.RowBottom(), underHeader + 5 + h + 5);
    rpt.EndTable();
    rpt.EndReport();
    const QImage& sheet = target.sheets.back();
    EXPECT_GT(InkIn(sheet, QRect(300, underHeader, 1, 1)), 0) << "rule under the titles";
    // The second rule of the double style: three pixels wide, three below.
    EXPECT_EQ(InkIn(sheet, QRect(300, underHeader + 1, 1, 1)), 0);
    EXPECT_EQ(InkIn(sheet, QRect(300, underHeader + 2, 1, 3)), 3);
    EXPECT_GT(InkIn(sheet, QRect(80, 80, 240, h)), 0) << "the default title \"Column 2\"";
}

TEST_F(ReportEngine, PicturesAndLinesUseTheOutputScale)
{
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::black);
    // Screen pixels to printer pixels: 10 x 192 / 96.
    TImageTarget sharp(192, 8.5, 11, 0);
    rpt.SetPrintTarget(&sharp);
    Margins(1.0);
    rpt.BeginReport();
    rpt.DrawGraphic(picture);
    rpt.GotoXY(0, 1);
    rpt.DrawRule();
    // From the rule's right end (1440, 384) to the margin one inch lower (192, 576).
    rpt.DrawLineTo(0, 2);
    rpt.EndReport();
    const QImage& sheet = sharp.sheets.back();
    EXPECT_EQ(InkIn(sheet, QRect(192, 192, 30, 30)), 20 * 20);
    EXPECT_GT(InkIn(sheet, QRect(816 - 2, 480 - 2, 5, 5)), 0) << "midpoint of the line";
    EXPECT_EQ(InkIn(sheet, QRect(816 - 2, 384 + 40, 5, 5)), 0);
    EXPECT_EQ(rpt.GetX(true), 192);
    EXPECT_EQ(rpt.GetY(true), 192 + 2 * 192);

    // The preview scales by the zoom only: 10 x 50 %.
    rpt.SetDestination(dPreview);
    rpt.SetZoomPercent(50);
    rpt.BeginReport();
    rpt.DrawGraphic(picture);
    rpt.EndReport();
    EXPECT_EQ(InkIn(rpt.PreviewImage(), QRect(48, 48, 20, 20)), 5 * 5);
}

TEST(BreakCellText, BreaksLikeAnEditBoxOfTheGivenWidth)
{
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
        {"fitsOnOneLine", "Pitch Diameter", 500, {"Pitch Diameter"}},
        {"lineBreaksInTheText", "a\nb\r\nc", 500, {"a", "b", "c"}},
        {"emptyLineKept", "a\n\nb", 500, {"a", "", "b"}},
        {"leadingBlanksKept", "  N/A", 500, {"  N/A"}},
        {"breaksAtTheLastBlankThatFits", "alpha beta gamma",
         fm.horizontalAdvance("alpha beta"), {"alpha beta", "gamma"}},
        {"splitsAWordWiderThanTheBox", "MMMMMM", fm.horizontalAdvance("MMM"),
         {"MMM", "MMM"}},
    };
    for (const auto& c : cases) EXPECT_EQ(BreakCellText(c.text, font, c.width), c.lines) << c.name;
}

TEST_F(ReportEngine, PrinterAndFileJobsNameTheirOutput)
{
    rpt.SetTitle("Pitch Ledger Report");
    rpt.BeginReport();
    rpt.EndReport();
    EXPECT_EQ(target.lastTitle, "Pitch Ledger Report");
    EXPECT_EQ(target.lastOutputFile, "");
    rpt.SetDestination(dFile);
    rpt.BeginReport();
    rpt.EndReport();
    EXPECT_EQ(target.lastOutputFile, "rptworks.prn");
    rpt.SetFileName("thread.pdf");
    rpt.BeginReport();
    rpt.EndReport();
    EXPECT_EQ(target.lastOutputFile, "thread.pdf");
    EXPECT_EQ(target.finishedJobs, 3);
}

TEST(MathErrors, ShowTheirMessages)
{
    const struct {
        TMathError error;
        const char* text;
    } cases[] = {{TMathError::IntDivideByZero, "Divide by zero error"},
                 {TMathError::RangeCheck, "Range error"},
                 {TMathError::IntOverflow, "Integer overflow error"},
                 {TMathError::InvalidOperation, "Invalide operation error"},
                 {TMathError::FloatDivideByZero, "Divide by zero error"},
                 {TMathError::Overflow, "Overflow error"},
                 {TMathError::Underflow, "Underflow error"},
                 {TMathError::OutOfMemory, "Out of memory error"}};
    QStringList shown;
    ReportHooks().message = [&](const QString& text) { shown << text; };
    for (const auto& c : cases) ShowMathError(c.error);
    ResetReportHooks();
    ASSERT_EQ(shown.size(), 8);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(shown[i], cases[i].text);
}

} // namespace
