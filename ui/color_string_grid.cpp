// The string grid: cells, fixed rows and columns, widths; changes itself only.
#include "ui/color_string_grid.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLayout>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(TColorStringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const int row = index.row();
        const int col = index.column();
        QBrush brush = opt.backgroundBrush;
        QFont font = opt.font;
        if (grid_->IsFixedCell(row, col)) brush = opt.palette.button();
        if (grid_->OnGetCellColor) grid_->OnGetCellColor(row, col, brush, font);
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
        if (grid_->Dimmed())
            opt.palette.setColor(QPalette::Text,
                                 opt.palette.color(QPalette::Disabled, QPalette::Text));
        const QWidget* w = opt.widget;
        QStyle* style = w ? w->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, w);
    }

private:
    TColorStringGrid* grid_;
};

} // namespace

TColorStringGrid::TColorStringGrid(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(false);
    setItemDelegate(new CellDelegate(this));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    FitToTexts();
}

void TColorStringGrid::SetFixed(int rows, int cols) {
    fixedRows_ = std::max(rows, 0);
    fixedCols_ = std::max(cols, 0);
    viewport()->update();
}

void TColorStringGrid::SetDimmed(bool dimmed) {
    dimmed_ = dimmed;
    viewport()->update();
}

void TColorStringGrid::LoadTextGrid(const TextGrid& grid, const TextGrid& tips) {
    std::size_t cols = 0;
    for (const auto& row : grid)
        cols = std::max(cols, row.size());
    setRowCount(static_cast<int>(grid.size()));
    if (static_cast<int>(cols) > columnCount()) setColumnCount(static_cast<int>(cols));
    auto at = [](const TextGrid& g, int r, int c) {
        const auto row = static_cast<std::size_t>(r);
        const auto col = static_cast<std::size_t>(c);
        return row < g.size() && col < g[row].size() ? QString::fromStdString(g[row][col])
                                                     : QString();
    };
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            QTableWidgetItem* it = item(r, c);
            if (!it) {
                it = new QTableWidgetItem;
                it->setFlags(Qt::ItemIsEnabled);
                setItem(r, c, it);
            }
            it->setText(at(grid, r, c));
            it->setToolTip(at(tips, r, c));
        }
    }
    FitToTexts();
}

QString TColorStringGrid::Cell(int row, int col) const {
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void TColorStringGrid::FitToTexts() {
    // Sizes follow the grid's font, so a larger desktop font or a higher DPI
    // widens the columns rather than clipping "External" or a reading.
    const QFontMetrics fm(font());
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    const int room = fm.horizontalAdvance(QLatin1Char('0')) * 2 + margin;
    textWidths_.assign(static_cast<std::size_t>(columnCount()), 0);
    for (int c = 0; c < columnCount(); ++c) {
        int widest = fm.horizontalAdvance(QStringLiteral("0.00000"));
        for (int r = 0; r < rowCount(); ++r)
            widest = std::max(widest, fm.horizontalAdvance(Cell(r, c)));
        int width = widest + room;
        if (static_cast<std::size_t>(c) < minimumWidths_.size())
            width = std::max(width, minimumWidths_[static_cast<std::size_t>(c)]);
        textWidths_[static_cast<std::size_t>(c)] = width;
    }
    const int rowHeight = fm.height() + 6;
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    for (int r = 0; r < rowCount(); ++r)
        setRowHeight(r, rowHeight);
    setFixedHeight(std::max(rowCount(), 1) * rowHeight + 2 * frameWidth());
    // Spread out, but not so far that a row can no longer be read across.
    setMaximumWidth(ContentWidth() * 3 / 2);
    SpreadColumns();
    updateGeometry();
    // The page lays its blocks out again once the events in hand are done: a
    // grid grown under a larger font must push the ones below it down, not
    // run under them.
    if (QWidget* page = parentWidget())
        QTimer::singleShot(0, page, [page] {
            if (!page->layout()) return;
            page->layout()->invalidate();
            page->layout()->activate();
        });
}

void TColorStringGrid::SetMinimumColumnWidths(std::vector<int> widths) {
    minimumWidths_ = std::move(widths);
    FitToTexts();
}

int TColorStringGrid::ContentWidth() const {
    int total = 2 * frameWidth();
    for (int c = 0; c < static_cast<int>(textWidths_.size()); ++c)
        if (!isColumnHidden(c)) total += textWidths_[static_cast<std::size_t>(c)];
    return total;
}

void TColorStringGrid::SpreadColumns() {
    // A wider grid (a maximised or tiled window) shares the extra room among
    // the value columns; the label column keeps its width.
    const int extra = std::max(0, width() - ContentWidth());
    int shares = 0;
    for (int c = 1; c < columnCount(); ++c)
        shares += isColumnHidden(c) ? 0 : 1;
    int share = 0;
    // A grid never loaded (a Set Dim window's thread pages) has columns but
    // no texts measured yet.
    const int measured = std::min(columnCount(), static_cast<int>(textWidths_.size()));
    for (int c = 0; c < measured; ++c) {
        int w = textWidths_[static_cast<std::size_t>(c)];
        if (c > 0 && !isColumnHidden(c) && shares > 0)
            w += extra / shares + (share++ < extra % shares ? 1 : 0);
        setColumnWidth(c, w);
    }
}

QSize TColorStringGrid::sizeHint() const {
    return {ContentWidth(), height()};
}

QSize TColorStringGrid::minimumSizeHint() const {
    return sizeHint();
}

void TColorStringGrid::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) FitToTexts();
}

void TColorStringGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    SpreadColumns();
}
