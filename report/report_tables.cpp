// Ruled tables of the report engine: columns, rows that grow with wrapped
// cell text, and the line breaking of cells.
#include "report/report_works.h"

#include "report/report_pixels.h"

#include <QFontMetrics>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Cell text is broken on a screen-resolution device whatever the output, so
// every destination breaks a cell into the same lines.
const QPaintDevice* ScreenDevice() {
    static const QImage device = ScreenImage(1, 1);
    return &device;
}

} // namespace

QStringList BreakCellText(const QString& text, const QFont& font, int width) {
    const QFontMetrics fm(font, ScreenDevice());
    auto fits = [&](const QString& s) { return fm.horizontalAdvance(s) <= width; };
    QStringList lines;
    for (const QString& para : text.split(QRegularExpression("\r\n|\r|\n"))) {
        if (para.isEmpty()) {
            lines << QString();
            continue;
        }
        qsizetype start = 0;
        const qsizetype n = para.size();
        while (start < n) {
            // Longest run from start that fits, and the last blank inside it.
            qsizetype fitEnd = start;
            qsizetype lastBlank = -1;
            for (qsizetype end = start + 1; end <= n; ++end) {
                if (!fits(para.mid(start, end - start))) break;
                fitEnd = end;
                if (end < n && para[end] == ' ') lastBlank = end;
            }
            if (fitEnd == n) {
                lines << para.mid(start);
                break;
            }
            // Break at the last blank that fits; a word wider than the box is
            // split, one character at least per line.
            qsizetype cut = fitEnd;
            if (para[fitEnd] != ' ' && lastBlank > start) cut = lastBlank;
            cut = std::max(cut, start + 1);
            QString line = para.mid(start, cut - start);
            while (line.size() > 1 && line.endsWith(' '))
                line.chop(1);
            lines << line;
            start = cut;
            while (start < n && para[start] == ' ')
                ++start;
        }
    }
    return lines;
}

void TReportWorks::SetColumns(int n) {
    columns_.clear();
    tableLeft_ = marginPx_[kLeft];
    tableWidth_ = marginPx_[kRight] - marginPx_[kLeft];
    if (n < 1) return;
    const int width = tableWidth_ / n;
    for (int i = 1; i <= n; ++i)
        columns_.push_back(
            {i, tableLeft_ + width * (i - 1), width, kAlignLeft, "Column " + QString::number(i)});
    // Half an "M" of the output font; the preview font is already zoomed.
    padH_ = padV_ = TextWidth("M") / 2;
}

void TReportWorks::SetColumnWidth(int column, double width) {
    if (column < 1 || column > ColumnCount()) return;
    Column& c = columns_[column - 1];
    const int diff = RoundPixels(width * ppuX_) - c.width;
    c.width += diff;
    tableWidth_ += diff;
    for (std::size_t i = column; i < columns_.size(); ++i)
        columns_[i].x += diff;
}

void TReportWorks::SetColumnAlign(int column, uint8_t alignment) {
    if (column < 1 || column > ColumnCount()) return;
    columns_[column - 1].align = alignment;
}

void TReportWorks::SetColumnTitle(int column, const QString& title) {
    if (column < 1 || column > ColumnCount()) return;
    columns_[column - 1].title = title;
}

QRect TReportWorks::ColumnRect(int column) const {
    if (column < 1 || column > ColumnCount()) return QRect();
    const Column& c = columns_[column - 1];
    return QRect(c.x, rowTop_, c.width, rowBottom_ - rowTop_);
}

void TReportWorks::SetCellPadding(double units) {
    padV_ = RoundPixels(units * ppuY_);
}

void TReportWorks::OpenRow() {
    rowHasText_ = false;
    rowTop_ = rowBottom_;
    y_ = rowTop_ + padV_;
    rowText_ = y_;
    rowBottom_ = y_ + TextHeight() + padV_;
}

void TReportWorks::BeginTable() {
    const int right = tableLeft_ + tableWidth_;
    if (grid_ && Drawing()) Line(tableLeft_, y_, right, y_);
    rowTop_ = y_;
    x_ = tableLeft_;
    y_ += padV_;
    rowText_ = y_;
    rowBottom_ = y_ + TextHeight() + padV_;
    if (!header_) return;

    const QFont saved = font_;
    BoldOn();
    for (const Column& c : columns_)
        PrintCell(c, c.title);
    SetReportFont(saved);
    if (grid_ && Drawing()) {
        for (const Column& c : columns_)
            Line(c.x, rowTop_, c.x, rowBottom_);
        Line(right, rowTop_, right, rowBottom_);
        const QPen pen = painter_.pen();
        if (headerRule_ == kHeaderRuleTwoPixel) painter_.setPen(QPen(pen.color(), 2));
        Line(tableLeft_, rowBottom_, right, rowBottom_);
        if (headerRule_ == kHeaderRuleDoubleHeavy) {
            painter_.setPen(QPen(pen.color(), 3));
            Line(tableLeft_, rowBottom_ + 3, right, rowBottom_ + 3);
        }
        painter_.setPen(pen);
    }
    OpenRow();
}

void TReportWorks::PrintColumn(int column, const QString& text) {
    if (column < 1 || column > ColumnCount() || text.isEmpty()) return;
    PrintCell(columns_[column - 1], text);
}

void TReportWorks::PrintCell(const Column& c, const QString& text) {
    // Breaking happens on every page, drawn or not, so rows keep their height
    // and later pages their positions whatever page is output.
    const int h = TextHeight();
    const int boxWidth = RoundPixels((c.width - padH_) / resX_ * kScreenPixelsPerInch);
    QStringList lines = BreakCellText(text, font_, boxWidth);
    if (!wrap_ && lines.size() > 1) lines = QStringList{lines.first()};
    y_ = rowText_;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            y_ += h + h * 10 / 100;
            rowBottom_ = std::max(rowBottom_, y_ + h + padV_);
        }
        const int w = TextWidth(lines[i]);
        switch (c.align) {
        case kAlignRight:
            x_ = c.x + c.width - w - padH_;
            break;
        case kAlignCenter:
            x_ = c.x + (c.width - w) / 2;
            break;
        default:
            x_ = c.x + padH_;
        }
        // No background: a filled cell line would cut the row's rules where
        // the output rounds the padding down to a pixel or none.
        if (Drawing()) DrawTextAt(x_, y_, lines[i], false);
        x_ += w;
    }
    rowHasText_ = true;
}

void TReportWorks::NextRow() {
    if (grid_ && Drawing()) {
        const int right = tableLeft_ + tableWidth_;
        for (const Column& c : columns_)
            Line(c.x, rowTop_, c.x, rowBottom_);
        Line(right, rowTop_, right, rowBottom_);
        Line(tableLeft_, rowBottom_, right, rowBottom_);
    }
    OpenRow();
}

void TReportWorks::EndTable() {
    if (grid_ && rowHasText_) NextRow();
}
