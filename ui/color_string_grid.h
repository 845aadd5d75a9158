#pragma once
// A string grid in the manner of the gauge and pipe pages: heading rows and
// columns drawn as fixed cells, read-only text cells, and a per-cell colour
// event asked before each cell is drawn. Columns fit their texts in the grid's
// font, so the grid grows with the desktop font instead of cutting texts off.

#include "pages/result_pages.h"

#include <QTableWidget>

#include <functional>

class QBrush;
class QFont;

class TColorStringGrid : public QTableWidget {
    Q_OBJECT
public:
    // Called with the cell's background and font before it is drawn, when assigned.
    using GetCellColorEvent = std::function<void(int row, int col, QBrush& brush, QFont& font)>;
    GetCellColorEvent OnGetCellColor;

    explicit TColorStringGrid(QWidget* parent = nullptr);

    // Rows and columns at the top and left that hold headings.
    void SetFixed(int rows, int cols);
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    bool IsFixedCell(int row, int col) const { return row < fixedRows_ || col < fixedCols_; }

    // Row and column counts follow the grid; row 0 is usually the headings.
    // Tooltips, when given, have the grid's shape.
    void LoadTextGrid(const TextGrid& grid, const TextGrid& tips = {});
    QString Cell(int row, int col) const;
    // Fits the columns again, after columns were hidden or shown.
    void FitToTexts();
    // Columns no narrower than these pixel widths (a page's design widths);
    // empty for none. Texts wider than them still widen their columns.
    void SetMinimumColumnWidths(std::vector<int> widths);

    // Results that no longer match the inputs are drawn in the disabled colour.
    void SetDimmed(bool dimmed);
    bool Dimmed() const { return dimmed_; }

    // Wide enough for every text, as tall as its rows: no scroll bars.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SpreadColumns();
    int ContentWidth() const;

    std::vector<int> textWidths_;
    std::vector<int> minimumWidths_;
    int fixedRows_ = 1;
    int fixedCols_ = 1;
    bool dimmed_ = false;
};
