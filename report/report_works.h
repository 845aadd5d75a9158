#pragma once
// The report page engine. A report routine lays out text, rules, tables and
// pictures page by page in the current unit, measured from the margins; the
// engine works in device pixels and draws only the page chosen for output
// (the preview page, or the printed range), so every page is laid out the
// same whatever is shown.

#include "report/print_target.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QPrinter;

enum TDestination : uint8_t { dPreview, dPrinter, dFile };
enum TLineMeasure : uint8_t { lmTextHeight, lmLinesPerInch };
enum TLineWidth : uint8_t { lwDefault, lwFine, lwNormal, lwDouble, lwThick, lwHeavy };
enum TTextStyle : uint8_t { tsDefault, tsTransparent };
enum TUnits : uint8_t { uInch, uMM, uPoint };
enum TOrientation : uint8_t { poPortrait, poLandscape };

// Alignment bytes of tabs and columns.
constexpr uint8_t kAlignLeft = 0;
constexpr uint8_t kAlignRight = 1;
constexpr uint8_t kAlignCenter = 2;

// Header rule styles of a table.
constexpr int kHeaderRuleSingle = 0;
constexpr int kHeaderRuleDoubleHeavy = 1;
constexpr int kHeaderRuleTwoPixel = 2;

// Output file of file output when FileName is empty.
inline const char* const kDefaultReportFile = "rptworks.prn";

class TReportWorks {
public:
    TReportWorks();
    ~TReportWorks();
    TReportWorks(const TReportWorks&) = delete;
    TReportWorks& operator=(const TReportWorks&) = delete;

    // Properties.
    bool AutoPage() const { return autoPage_; }
    void SetAutoPage(bool on) { autoPage_ = on; }
    double BottomMargin() const { return margin_[kBottom]; }
    void SetBottomMargin(double value);
    int CurrentPage() const { return currentPage_; }
    void SetCurrentPage(int page);
    TDestination Destination() const { return destination_; }
    void SetDestination(TDestination d) { destination_ = d; }
    QString FileName() const { return fileName_; }
    void SetFileName(const QString& name) { fileName_ = name; }
    double LeftMargin() const { return margin_[kLeft]; }
    void SetLeftMargin(double value);
    TLineMeasure LineMeasure() const { return lineMeasure_; }
    void SetLineMeasure(TLineMeasure m) { lineMeasure_ = m; }
    int LineNum() const { return lineCount_ + 1; }
    int LinesPerInch() const { return linesPerInch_; }
    void SetLinesPerInch(int n) { linesPerInch_ = n; }
    TLineWidth LineWidth() const { return lineWidth_; }
    void SetLineWidth(TLineWidth w) { lineWidth_ = w; }
    TOrientation Orientation() const { return orientation_; }
    void SetOrientation(TOrientation o);
    bool PageBorder() const { return pageBorder_; }
    void SetPageBorder(bool on) { pageBorder_ = on; }
    int PageNum() const { return pageNum_; }
    int PageTotal() const { return pageTotal_; }
    int PrintPageFirst() const { return printFirst_; }
    void SetPrintPageFirst(int page) { printFirst_ = page; }
    int PrintPageLast() const { return printLast_; }
    void SetPrintPageLast(int page) { printLast_ = page; }
    const QFont& ReportFont() const { return font_; }
    void SetReportFont(const QFont& font);
    double RightMargin() const { return margin_[kRight]; }
    void SetRightMargin(double value);
    TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TTextStyle s) { textStyle_ = s; }
    QString Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }
    double TopMargin() const { return margin_[kTop]; }
    void SetTopMargin(double value);
    TUnits Units() const { return units_; }
    void SetUnits(TUnits u);
    int ZoomPercent() const { return zoom_; }
    void SetZoomPercent(int percent) { zoom_ = percent; }
    // The portrait paper the layouts were drawn for, in inches: on other paper
    // the margins keep their place on a sheet of that size centred on the
    // page. Zero (the default) measures from the page itself.
    void SetLayoutPaper(double widthInches, double heightInches);

    // Notifications.
    std::function<void()> OnPrint;
    std::function<void()> OnFirstPage;
    std::function<void()> OnNewPage;
    // The preview page was redrawn (the view repaints).
    std::function<void()> OnPreviewChanged;

    // Output. The printer (not owned) serves printer and file output and gives
    // the page size of the preview; without one the engine keeps its own.
    void SetPrinter(QPrinter* printer);
    QPrinter* Printer();
    // A stand-in for the printer (not owned); null puts the printer back.
    void SetPrintTarget(TPrintTarget* target);
    const QImage& PreviewImage() const { return preview_; }
    // The last printer or file job could not start; OutputName names its output.
    bool JobFailed() const { return jobFailed_; }
    QString OutputName();

    // Report control.
    bool IsPageVisible() const;
    bool Active() const { return active_; }
    void BeginReport();
    void NewPage();
    void EndReport();

    // Position and text.
    void Home();
    void NewLine();
    void GotoXY(double x, double y);
    // The current position in pixels of the output, or in units from the margin.
    double GetX(bool pixels = false) const;
    double GetY(bool pixels = false) const;
    // Margins in pixels of the output, relative to the printable origin.
    QRect MarginRect() const;
    void PrintText(const QString& text);
    void PrintLeft(const QString& text);
    void PrintCenter(const QString& text);
    int AddTab(double position, uint8_t alignment);
    void ClearTabs() { tabs_.clear(); }
    int TabCount() const { return static_cast<int>(tabs_.size()); }
    void PrintTab(int tab, const QString& text);
    void SetFont(const QString& name, double size);
    void BoldOn();
    void PlainFont();
    QString GetFontName() const { return font_.family(); }
    double GetFontSize() const { return font_.pointSizeF(); }
    // Height of "M" and width of a text in the current font on the output.
    int TextHeight() const;
    int TextWidth(const QString& text) const;

    // Drawing.
    void DrawRule();
    void DrawLineTo(double x, double y);
    // The picture at its natural size (PictureInches), top left here.
    void DrawGraphic(const QImage& picture);

    // Tables.
    bool TableGrid() const { return grid_; }
    void SetTableGrid(bool on) { grid_ = on; }
    bool TableHeader() const { return header_; }
    void SetTableHeader(bool on) { header_ = on; }
    int HeaderRule() const { return headerRule_; }
    void SetHeaderRule(int style) { headerRule_ = style; }
    bool WrapText() const { return wrap_; }
    void SetWrapText(bool on) { wrap_ = on; }
    void SetColumns(int n);
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    void SetColumnWidth(int column, double width);
    void SetColumnAlign(int column, uint8_t alignment);
    void SetColumnTitle(int column, const QString& title);
    // Pixel left and width of a column; an empty rectangle outside 1 .. count.
    QRect ColumnRect(int column) const;
    void SetCellPadding(double units);
    void BeginTable();
    void PrintColumn(int column, const QString& text);
    void NextRow();
    void EndTable();
    // Top and bottom of the open row, pixels.
    int RowTop() const { return rowTop_; }
    int RowBottom() const { return rowBottom_; }

private:
    enum { kLeft, kTop, kRight, kBottom };
    struct Tab {
        int x;
        uint8_t align;
    };
    struct Column {
        int number;
        int x;
        int width;
        uint8_t align;
        QString title;
    };

    TPrintTarget& Target();
    void SetUpPage();
    void ApplyMargins();
    void ApplyFont();
    QFont CanvasFont() const;
    const QPaintDevice* MeasureDevice() const;
    bool Drawing() const { return painter_.isActive() && IsPageVisible(); }
    bool StartPainter(QPaintDevice* device);
    // fill: the text's background is painted over whatever lies under it.
    void DrawTextAt(int x, int y, const QString& text, bool fill = true);
    void Line(int x1, int y1, int x2, int y2);
    void OpenRow();
    void PrintCell(const Column& c, const QString& text);

    bool autoPage_ = false;
    double margin_[4] = {1.0, 1.0, 1.0, 1.0};
    int currentPage_ = 1;
    TDestination destination_ = dPreview;
    QString fileName_;
    TLineMeasure lineMeasure_ = lmTextHeight;
    int linesPerInch_ = 0;
    TLineWidth lineWidth_ = lwDefault;
    TOrientation orientation_ = poPortrait;
    bool pageBorder_ = false;
    int pageNum_ = 1;
    int pageTotal_ = 1;
    int printFirst_ = 1;
    int printLast_ = 999;
    QFont font_;
    TTextStyle textStyle_ = tsDefault;
    QString title_;
    TUnits units_ = uInch;
    int zoom_ = 100;

    QPrinter* printer_ = nullptr;
    std::unique_ptr<QPrinter> ownPrinter_;
    std::unique_ptr<TPrinterTarget> printerTarget_;
    TPrintTarget* target_ = nullptr;
    QImage preview_;
    QPainter painter_;
    bool jobFailed_ = false;

    int pageW_ = 0, pageH_ = 0;        // page, pixels
    int offX_ = 0, offY_ = 0;          // printable offset, pixels
    double layoutW_ = 0, layoutH_ = 0; // layout paper, portrait inches
    int frameX_ = 0, frameY_ = 0;      // the layout sheet's corner on the page, pixels
    double resX_ = 96, resY_ = 96;     // pixels per inch of the output
    double ppuX_ = 96, ppuY_ = 96;     // pixels per unit
    int marginPx_[4] = {0, 0, 0, 0};   // left, top, right, bottom positions
    int x_ = 0, y_ = 0;
    QPoint penPos_;
    int lineCount_ = 0;
    bool active_ = false;
    std::vector<Tab> tabs_;

    std::vector<Column> columns_;
    bool grid_ = true;
    bool header_ = true;
    int headerRule_ = kHeaderRuleSingle;
    int padH_ = 0, padV_ = 0;
    int tableLeft_ = 0, tableWidth_ = 0;
    int rowTop_ = 0, rowBottom_ = 0, rowText_ = 0;
    bool rowHasText_ = false;
    bool wrap_ = true;
};

// Natural size of a picture in inches: its pixels at the resolution it
// records, or at the screen's when it records none.
QSizeF PictureInches(const QImage& picture);

// Breaks a cell text into lines no wider than width screen pixels, as a
// multi-line edit box in the font at screen resolution would: at blanks, or
// inside a word longer than the width; a line break in the text starts a line.
QStringList BreakCellText(const QString& text, const QFont& font, int width);
