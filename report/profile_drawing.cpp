#include "report/profile_drawing.h"

#include "pages/profile_geometry.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <vector>

namespace {

const QColor kExtZone(120, 170, 230, 150);
const QColor kIntZone(240, 170, 90, 150);
const QColor kExtLine(20, 70, 160);
const QColor kIntLine(170, 80, 0);

struct Mapping {
    QPointF centre;        // of the drawing area, pixels
    double gx = 0, gy = 0; // inches at that centre
    double scale = 1;      // pixels per inch
    QPointF operator()(double x, double y) const {
        return {centre.x() + (x - gx) * scale, centre.y() - (y - gy) * scale};
    }
    QPolygonF operator()(const ProfileLine& line) const {
        QPolygonF poly;
        for (const ProfilePoint& p : line)
            poly << (*this)(p.x, p.y);
        return poly;
    }
};

// Labels of one side spread out so none overlaps the next, each led back to its line.
void Labels(QPainter& p, const Mapping& m, const QRectF& area, const ProfileGeometry& g,
            bool external, const QRectF& column) {
    struct Item {
        double lineY; // pixels
        double textY;
        QString text;
    };
    std::vector<Item> items;
    for (const ProfileLimit& l : g.limits)
        if (l.external == external)
            items.push_back({m(0, l.y).y(), m(0, l.y).y(), QString::fromStdString(l.label)});
    std::ranges::sort(items, {}, &Item::lineY);
    const double step = QFontMetricsF(p.font()).height();
    for (std::size_t i = 1; i < items.size(); ++i)
        items[i].textY = std::max(items[i].textY, items[i - 1].textY + step);
    // Pushed past the bottom: walk back up.
    const double bottom = column.bottom() - step / 2;
    if (!items.empty() && items.back().textY > bottom) {
        items.back().textY = bottom;
        for (std::size_t i = items.size() - 1; i-- > 0;)
            items[i].textY = std::min(items[i].textY, items[i + 1].textY - step);
    }
    const QColor colour = external ? kExtLine : kIntLine;
    for (const Item& it : items) {
        const double edge = external ? area.left() : area.right();
        const double textEdge = external ? column.right() - 4 : column.left() + 4;
        QPen pen(colour, 0.6, Qt::DotLine);
        p.setPen(pen);
        if (it.lineY >= area.top() && it.lineY <= area.bottom()) {
            p.drawLine(QPointF(area.left(), it.lineY), QPointF(area.right(), it.lineY));
            p.drawLine(QPointF(edge, it.lineY), QPointF(textEdge, it.textY));
        }
        p.setPen(colour);
        const QRectF box =
            external ? QRectF(column.left(), it.textY - step / 2, column.width() - 6, step)
                     : QRectF(column.left() + 6, it.textY - step / 2, column.width() - 6, step);
        p.drawText(box, (external ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, it.text);
    }
}

QFont DrawingFont(const QFont& base, const QRectF& target) {
    QFont font = base;
    font.setPixelSize(std::max(7, static_cast<int>(target.height() / 42)));
    return font;
}

struct Layout {
    double line = 0;
    QRectF area, extColumn, intColumn;
    Mapping map;
};

Layout LayOut(const QRectF& target, const QFont& font, const ProfileGeometry& g,
              const ProfileView& view) {
    Layout l;
    l.line = QFontMetricsF(font).height();
    const double side = target.width() * 0.24;
    l.area = QRectF(target.left() + side, target.top() + l.line * 1.6, target.width() - 2 * side,
                    target.height() - l.line * 4.2);
    l.extColumn = QRectF(target.left(), l.area.top(), side, l.area.height());
    l.intColumn = QRectF(l.area.right(), l.area.top(), side, l.area.height());
    const double wide = g.pitches * g.pitch;
    const double high = g.yHigh - g.yLow;
    l.map.centre = l.area.center();
    l.map.scale =
        std::min(l.area.width() / wide, l.area.height() / high) * std::max(view.zoom, 0.05);
    l.map.gx = wide / 2 + view.panX;
    l.map.gy = (g.yLow + g.yHigh) / 2 + view.panY;
    return l;
}

} // namespace

double ProfileScale(const QRectF& target, const QFont& font, const ProfileGeometry& g,
                    const ProfileView& view) {
    if (!g.available) return 1;
    return LayOut(target, DrawingFont(font, target), g, view).map.scale;
}

QSizeF ProfileDrawingSize() {
    return {540, 400};
}

void PaintProfileDrawing(QPainter& p, const QRectF& target, const ProfileGeometry& g,
                         const ProfileView& view) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(target, Qt::white);
    const QFont font = DrawingFont(p.font(), target);
    p.setFont(font);
    const double line = QFontMetricsF(font).height();
    if (!g.available) {
        p.drawText(target, Qt::AlignCenter, QStringLiteral("No profile for this thread type"));
        p.restore();
        return;
    }
    p.setPen(Qt::black);
    p.drawText(QRectF(target.left(), target.top(), target.width(), line * 1.4), Qt::AlignCenter,
               QString::fromStdString(g.title));
    const Layout layout = LayOut(target, font, g, view);
    const QRectF& area = layout.area;
    const Mapping& m = layout.map;

    p.save();
    p.setClipRect(area);
    p.setPen(Qt::NoPen);
    p.setBrush(kExtZone);
    p.drawPolygon(m(ZonePolygon(g.extMax, g.extMin)), Qt::WindingFill);
    p.setBrush(kIntZone);
    p.drawPolygon(m(ZonePolygon(g.intMax, g.intMin)), Qt::WindingFill);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1.0, Qt::DashLine));
    p.drawPolyline(m(g.basic));
    p.setPen(QPen(kExtLine, 1.6));
    p.drawPolyline(m(g.extMax));
    p.setPen(QPen(kExtLine, 1.0, Qt::DashDotLine));
    p.drawPolyline(m(g.extMin));
    p.setPen(QPen(kIntLine, 1.6));
    p.drawPolyline(m(g.intMax));
    p.setPen(QPen(kIntLine, 1.0, Qt::DashDotLine));
    p.drawPolyline(m(g.intMin));
    p.restore();
    p.setPen(QPen(Qt::gray, 0.8));
    p.drawRect(area);

    Labels(p, m, area, g, true, layout.extColumn);
    Labels(p, m, area, g, false, layout.intColumn);

    // Legend: what each line and fill stands for.
    const double y = area.bottom() + line * 0.4;
    const double w = target.width() / 4;
    const struct {
        QColor fill;
        QPen pen;
        const char* text;
    } keys[] = {
        {kExtZone, QPen(kExtLine, 1.6), "External thread tolerance"},
        {kIntZone, QPen(kIntLine, 1.6), "Internal thread tolerance"},
        {Qt::white, QPen(Qt::black, 1.0, Qt::DashLine), "Basic profile"},
    };
    for (int i = 0; i < 3; ++i) {
        const double x = target.left() + 8 + i * w * 1.3;
        p.setPen(keys[i].pen);
        p.setBrush(keys[i].fill);
        p.drawRect(QRectF(x, y + line * 0.2, line * 1.2, line * 0.6));
        p.setPen(Qt::black);
        p.drawText(QRectF(x + line * 1.5, y, w * 1.3 - line * 1.5, line), Qt::AlignVCenter,
                   QString::fromLatin1(keys[i].text));
    }
    p.setBrush(Qt::NoBrush);
    const QString scale =
        QString::fromStdString("Solid: maximum material   Dash-dot: minimum material      " +
                               g.allowance + "      " + g.pitchText);
    p.drawText(QRectF(target.left(), y + line * 1.2, target.width(), line), Qt::AlignCenter, scale);
    p.restore();
}
