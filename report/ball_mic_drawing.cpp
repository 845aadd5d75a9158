#include "report/ball_mic_drawing.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>

#include <algorithm>
#include <cmath>

namespace {

// The drawing's own units: 200 wide, 160 high.
constexpr double kWidth = 200;
constexpr double kHeight = 160;

void Arrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1.0, std::hypot(to.x() - from.x(), to.y() - from.y()));
    const QPointF n(-d.y(), d.x());
    for (const QPointF& tip : {to, from}) {
        const QPointF back = tip == to ? -d : d;
        p.drawPolygon(QPolygonF({tip, tip + back * 5 + n * 2, tip + back * 5 - n * 2}));
    }
}

} // namespace

void PaintBallMicDrawing(QPainter& p, const QRectF& target, bool internal) {
    const double scale = std::min(target.width() / kWidth, target.height() / kHeight);
    p.save();
    p.translate(target.center());
    p.scale(scale, scale);
    p.translate(-kWidth / 2, -kHeight / 2);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::black, 1.2);
    p.setPen(pen);

    // The taper grows away from the face the distances start at, as the
    // distance over the ball (the gauge plane's distance and r - r sin a)
    // has it; about 9 degrees each side. A bore is the hole in a block.
    const QPolygonF taper({{76, 140}, {124, 140}, {140, 40}, {60, 40}});
    p.setBrush(QColor(220, 220, 220));
    if (internal) {
        p.drawRect(QRectF(30, 40, 140, 100));
        p.setBrush(Qt::white);
    }
    p.drawPolygon(taper);
    // The balls touch the flanks, inside a bore and outside a plug.
    const double r = 9;
    const QPointF left = internal ? QPointF(75, 75) : QPointF(56.5, 75);
    const QPointF right = internal ? QPointF(125, 75) : QPointF(143.5, 75);
    p.setBrush(Qt::white);
    p.drawEllipse(left, r, r);
    p.drawEllipse(right, r, r);

    // The setting is what the balls span on a flat standard: their near sides
    // on a plug, their far sides in a bore.
    p.setBrush(Qt::black);
    QFont f = p.font();
    f.setPixelSize(9);
    p.setFont(f);
    const double y = 20;
    const double reach = internal ? -r : r;
    const double x1 = left.x() + reach;
    const double x2 = right.x() - reach;
    p.drawLine(QPointF(x1, left.y()), QPointF(x1, y - 4));
    p.drawLine(QPointF(x2, right.y()), QPointF(x2, y - 4));
    Arrow(p, QPointF(x1, y), QPointF(x2, y));
    p.drawText(QRectF(40, 2, 120, 12), Qt::AlignCenter, QStringLiteral("SET DIM"));
    const double x = 185;
    p.drawLine(QPointF(internal ? 150 : right.x() + 2, left.y() - r), QPointF(x + 4, left.y() - r));
    p.drawLine(QPointF(internal ? 170 : 126, 140), QPointF(x + 4, 140));
    Arrow(p, QPointF(x, left.y() - r), QPointF(x, 140));
    p.save();
    p.translate(x - 4, 110);
    p.rotate(-90);
    p.drawText(QRectF(-40, -12, 80, 12), Qt::AlignCenter, QStringLiteral("OVER BALL"));
    p.restore();
    p.drawText(QRectF(0, 145, kWidth, 12), Qt::AlignCenter, QStringLiteral("HB-5000"));
    p.restore();
}
