#pragma once
// A string grid in the manner of the gauge and pipe pages: heading rows and
// columns drawn as fixed cells, read-only text cells, and a per-cell colour
// event asked before each cell is drawn.

#include "pages/result_pages.h"

#include <QTableWidget>

#include <functional>
#include <vector>

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

    // The grid's height follows its row count after each load.
    void SetFitHeightToRows(bool on) { fitHeight_ = on; }

    // Row and column counts follow the grid; row 0 is usually the headings.
    void LoadTextGrid(const TextGrid& grid);
    QString Cell(int row, int col) const;
    // Point size each column is drawn with: the grid's font, or smaller where a
    // text would not fit the column's width.
    const std::vector<qreal>& ColumnPointSizes() const { return columnPointSizes_; }

private:
    void FitColumnFonts();

    std::vector<qreal> columnPointSizes_;
    int fixedRows_ = 1;
    int fixedCols_ = 1;
    bool fitHeight_ = false;
};
