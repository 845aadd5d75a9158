#include "ui/color_string_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

constexpr int kRowHeight = 20;
// Style text margin on each side plus the grid line.
constexpr int kTextRoom = 8;
constexpr qreal kSmallestPoint = 6;

class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(TColorStringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const int row = index.row();
        const int col = index.column();
        QBrush brush = opt.backgroundBrush;
        QFont font = opt.font;
        if (grid_->IsFixedCell(row, col)) brush = opt.palette.button();
        if (grid_->OnGetCellColor) grid_->OnGetCellColor(row, col, brush, font);
        if (col < static_cast<int>(grid_->ColumnPointSizes().size()))
            font.setPointSizeF(grid_->ColumnPointSizes()[static_cast<std::size_t>(col)]);
        opt.backgroundBrush = brush;
        opt.font = font;
        opt.fontMetrics = QFontMetrics(font);
        if (grid_->IsFixedCell(row, col)) {
            // A fixed cell shows its text in the button colours, left or centred.
            opt.palette.setColor(QPalette::Text, opt.palette.color(QPalette::ButtonText));
            opt.displayAlignment =
                row < grid_->FixedRows() ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
        } else {
            opt.displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
        }
        const QWidget* w = opt.widget;
        QStyle* style = w ? w->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, w);
    }

private:
    TColorStringGrid* grid_;
};

} // namespace

TColorStringGrid::TColorStringGrid(QWidget* parent) : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(false);
    setItemDelegate(new CellDelegate(this));
}

void TColorStringGrid::SetFixed(int rows, int cols)
{
    fixedRows_ = std::max(rows, 0);
    fixedCols_ = std::max(cols, 0);
    viewport()->update();
}

void TColorStringGrid::LoadTextGrid(const TextGrid& grid)
{
    std::size_t cols = 0;
    for (const auto& row : grid) cols = std::max(cols, row.size());
    setRowCount(static_cast<int>(grid.size()));
    if (static_cast<int>(cols) > columnCount()) setColumnCount(static_cast<int>(cols));
    for (int r = 0; r < rowCount(); ++r) {
        const auto& row = grid[static_cast<std::size_t>(r)];
        for (int c = 0; c < columnCount(); ++c) {
            const QString text = static_cast<std::size_t>(c) < row.size()
                                     ? QString::fromStdString(row[static_cast<std::size_t>(c)])
                                     : QString();
            QTableWidgetItem* it = item(r, c);
            if (!it) {
                it = new QTableWidgetItem;
                it->setFlags(Qt::ItemIsEnabled);
                setItem(r, c, it);
            }
            it->setText(text);
        }
    }
    FitColumnFonts();
    if (fitHeight_) setFixedHeight(std::max(rowCount(), 1) * kRowHeight + 2 * frameWidth());
}

void TColorStringGrid::FitColumnFonts()
{
    // Column widths are fixed by the page layouts; a column whose texts are too
    // wide for it on a desktop with a wide font is drawn smaller, all of it alike,
    // rather than cut off.
    columnPointSizes_.assign(static_cast<std::size_t>(columnCount()), font().pointSizeF());
    for (int c = 0; c < columnCount(); ++c) {
        QFont f = font();
        qreal size = f.pointSizeF();
        const int room = columnWidth(c) - kTextRoom;
        auto fits = [&] {
            const QFontMetrics fm(f);
            for (int r = 0; r < rowCount(); ++r)
                if (fm.horizontalAdvance(Cell(r, c)) > room) return false;
            return true;
        };
        while (size > kSmallestPoint && !fits()) {
            size -= 0.5;
            f.setPointSizeF(size);
        }
        columnPointSizes_[static_cast<std::size_t>(c)] = size;
    }
    viewport()->update();
}

QString TColorStringGrid::Cell(int row, int col) const
{
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}
