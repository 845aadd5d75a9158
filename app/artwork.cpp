#include "app/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

const QColor kInk(40, 44, 52);
const QColor kPaper(250, 250, 246);
const QColor kSteel(120, 140, 165);
const QColor kSteelDark(70, 86, 110);

// Glyphs are drawn on a 24 x 24 grid and scaled to the requested size.
void Page(QPainter& p, const QRectF& r) {
    const qreal fold = 5;
    QPolygonF sheet;
    sheet << r.topLeft() << QPointF(r.right() - fold, r.top()) << QPointF(r.right(), r.top() + fold)
          << r.bottomRight() << r.bottomLeft();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawPolygon(sheet);
    QPolygonF corner;
    corner << QPointF(r.right() - fold, r.top()) << QPointF(r.right() - fold, r.top() + fold)
           << QPointF(r.right(), r.top() + fold);
    p.setBrush(QColor(215, 215, 205));
    p.drawPolygon(corner);
}

// A short 60-degree thread profile between x0 and x1 with its crests at y.
void Profile(QPainter& p, qreal x0, qreal x1, qreal y, qreal pitch, const QPen& pen) {
    const qreal depth = pitch * 0.866;
    QPainterPath path(QPointF(x0, y));
    for (qreal x = x0; x + pitch <= x1 + 0.01; x += pitch) {
        path.lineTo(x + pitch / 2, y + depth);
        path.lineTo(x + pitch, y);
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void DrawNew(QPainter& p) {
    Page(p, QRectF(4.5, 2.5, 15, 19));
    Profile(p, 6.5, 17.5, 12, 2.75, QPen(QColor(0, 110, 60), 1.4));
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(7, 17), QPointF(16, 17));
}

void DrawOpen(QPainter& p) {
    p.setPen(QPen(QColor(120, 90, 20), 1.2));
    p.setBrush(QColor(225, 185, 80));
    QPolygonF back;
    back << QPointF(2.5, 6.5) << QPointF(8.5, 6.5) << QPointF(10.5, 8.5) << QPointF(19.5, 8.5)
         << QPointF(19.5, 19.5) << QPointF(2.5, 19.5);
    p.drawPolygon(back);
    p.setBrush(QColor(250, 215, 110));
    QPolygonF front;
    front << QPointF(5.5, 11.5) << QPointF(22.5, 11.5) << QPointF(19.5, 19.5) << QPointF(2.5, 19.5);
    p.drawPolygon(front);
}

void DrawSave(QPainter& p) {
    p.setPen(QPen(QColor(20, 40, 90), 1.2));
    p.setBrush(QColor(60, 100, 180));
    QPolygonF disk;
    disk << QPointF(3.5, 3.5) << QPointF(18.5, 3.5) << QPointF(20.5, 5.5) << QPointF(20.5, 20.5)
         << QPointF(3.5, 20.5);
    p.drawPolygon(disk);
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 3.5, 11, 7));
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(7.5, 14.5, 9, 6));
    p.setBrush(QColor(20, 40, 90));
    p.drawRect(QRectF(14, 4.5, 2, 4));
}

void DrawPrinter(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 2.5, 11, 8));
    p.setBrush(QColor(170, 175, 185));
    p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 14.5, 11, 7));
    p.setPen(QPen(kInk, 0.8));
    p.drawLine(QPointF(8, 17), QPointF(16, 17));
    p.drawLine(QPointF(8, 19), QPointF(14, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 160, 70));
    p.drawEllipse(QPointF(18.5, 12), 1, 1);
}

void DrawPreview(QPainter& p) {
    Page(p, QRectF(2.5, 2.5, 14, 18));
    p.setPen(QPen(kInk, 0.8));
    for (qreal y = 8; y < 18; y += 2.5)
        p.drawLine(QPointF(5, y), QPointF(13, y));
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(QColor(200, 225, 250, 200));
    p.drawEllipse(QPointF(14.5, 13.5), 4.5, 4.5);
    p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17.8, 16.8), QPointF(21.5, 20.5));
}

QPixmap Glyph(ToolGlyph glyph, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    switch (glyph) {
    case ToolGlyph::New:
        DrawNew(p);
        break;
    case ToolGlyph::Open:
        DrawOpen(p);
        break;
    case ToolGlyph::Save:
        DrawSave(p);
        break;
    case ToolGlyph::Preview:
        DrawPreview(p);
        break;
    case ToolGlyph::Print:
        DrawPrinter(p);
        break;
    }
    return pm;
}

// A bolt seen from the side on a 64 x 64 grid: head at the left, threads to the right.
void DrawBolt(QPainter& p) {
    QLinearGradient steel(0, 18, 0, 46);
    steel.setColorAt(0, QColor(225, 230, 238));
    steel.setColorAt(0.5, kSteel);
    steel.setColorAt(1, kSteelDark);
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(steel);
    p.drawRoundedRect(QRectF(4, 12, 14, 40), 2, 2);
    QPainterPath shank;
    const qreal pitch = 6;
    const qreal top = 20, bottom = 44, depth = 4;
    shank.moveTo(18, top);
    for (qreal x = 18; x + pitch <= 60.01; x += pitch) {
        shank.lineTo(x + pitch / 2, top + depth);
        shank.lineTo(x + pitch, top);
    }
    shank.lineTo(60, bottom);
    for (qreal x = 60; x - pitch >= 17.99; x -= pitch) {
        shank.lineTo(x - pitch / 2, bottom - depth);
        shank.lineTo(x - pitch, bottom);
    }
    shank.closeSubpath();
    p.drawPath(shank);
}

} // namespace

QIcon ToolIcon(ToolGlyph glyph) {
    QIcon icon;
    icon.addPixmap(Glyph(glyph, 24));
    icon.addPixmap(Glyph(glyph, 48));
    return icon;
}

QPixmap ThreadEmblem(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    DrawBolt(p);
    return pm;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addPixmap(ThreadEmblem(size));
    return icon;
}

QPixmap SplashPicture(const QString& product, const QString& version) {
    const int w = 420, h = 250;
    QPixmap pm(w, h);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(28, 52, 92));
    sky.setColorAt(1, QColor(10, 22, 44));
    p.fillRect(pm.rect(), sky);

    // A long thread profile along the bottom, as on a drawing of the form.
    Profile(p, -10, w + 10, h - 58, 22, QPen(QColor(150, 175, 210), 2));
    p.setPen(QPen(QColor(150, 175, 210, 120), 1, Qt::DashDotLine));
    p.drawLine(QPointF(0, h - 58 + 22 * 0.866 / 2), QPointF(w, h - 58 + 22 * 0.866 / 2));

    p.drawPixmap(24, 26, ThreadEmblem(96));
    QFont title = p.font();
    title.setPointSize(26);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(136, 30, w - 146, 50), Qt::AlignLeft | Qt::AlignVCenter, product);
    QFont sub = p.font();
    sub.setPointSize(12);
    sub.setBold(false);
    p.setFont(sub);
    p.setPen(QColor(200, 215, 235));
    p.drawText(QRect(138, 80, w - 146, 24), Qt::AlignLeft | Qt::AlignVCenter, version);
    p.drawText(QRect(138, 104, w - 146, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Screw threads and their gauges"));
    p.setPen(QPen(QColor(200, 215, 235), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    return pm;
}
