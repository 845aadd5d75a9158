// The gauge-model pictures. Every model is drawn in the same natural pixel
// space and scaled to the target. The product thread is drawn to scale with
// its contacts: a contact point is a ball of the best-wire size seated on the
// pitch line, a thread roll carries the product's own form.
#include "report/gauge_model_drawings.h"

#include "report/drawing_sheet.h"

#include <QPainter>
#include <QRectF>

#include <cmath>
#include <numbers>

namespace {

using namespace pipe_drawing;

constexpr double kWidth = 320;
constexpr double kHeight = 230;
constexpr double kTextSize = 8.0;
constexpr double kAxisY = 118;

const QColor kBodyFill(236, 236, 236);
const QColor kRollFill(212, 212, 212);

Thread StraightThread(double pitchRadius, double pitch, double depth, double phase) {
    Thread t;
    t.pitch = pitch;
    t.depth = depth;
    t.phase = phase;
    t.pitchRadius = [pitchRadius](double) { return pitchRadius; };
    return t;
}

// Radius of the best-wire ball of a 60-degree thread of this pitch.
double BallRadius(const Thread& t) {
    return t.pitch / std::sqrt(3.0) / 2;
}

void Solid(Sheet& s, const QPainterPath& path, const QColor& fill, double width = kOutline) {
    s.P().setPen(s.Pen(width));
    s.P().setBrush(fill);
    s.P().drawPath(path);
    s.P().setBrush(Qt::NoBrush);
}

void Solid(Sheet& s, const QPolygonF& shape, const QColor& fill, double width = kOutline) {
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    Solid(s, path, fill, width);
}

void Block(Sheet& s, const QRectF& r, double round = 0, const QColor& fill = kBodyFill) {
    QPainterPath path;
    if (round > 0)
        path.addRoundedRect(r, round, round);
    else
        path.addRect(r);
    Solid(s, path, fill);
}

// An external thread seen from the side between x0 and x1, broken off at x1.
void ExternalProduct(Sheet& s, const Thread& t, double x0, double x1) {
    const HalfView top{kAxisY};
    const HalfView bottom{kAxisY, true};
    QPainterPath body;
    body.moveTo(top.P(x0, t.At(x0)));
    for (const QPointF& q : t.Points(x0, x1))
        body.lineTo(top.P(q.x(), q.y()));
    body.lineTo(bottom.P(x1, t.At(x1)));
    const auto lower = t.Points(x0, x1);
    for (auto it = lower.rbegin(); it != lower.rend(); ++it)
        body.lineTo(bottom.P(it->x(), it->y()));
    body.closeSubpath();
    s.P().fillPath(body, Qt::white);
    // The minor diameter as a thin line, as a thread is drawn in a view.
    const double minor = t.pitchRadius(x0) - t.depth / 2;
    s.Line(top.P(x0 + 2, minor), top.P(x1, minor));
    s.Line(bottom.P(x0 + 2, minor), bottom.P(x1, minor));
    s.Polyline(top.Poly(t.Points(x0, x1)));
    s.Polyline(bottom.Poly(t.Points(x0, x1)));
    s.Line(top.P(x0, t.At(x0)), bottom.P(x0, t.At(x0)), kOutline);
    // A wavy break across the far end.
    QPainterPath wave;
    const double r = t.At(x1);
    wave.moveTo(top.P(x1, r));
    wave.cubicTo(QPointF(x1 + 6, kAxisY - r / 2), QPointF(x1 - 6, kAxisY + r / 2), bottom.P(x1, r));
    s.P().setPen(s.Pen(kThin));
    s.P().drawPath(wave);
    AxisLine(s, x0 - 8, x1 + 10, kAxisY);
}

// An internal thread in section between x0 and x1.
void InternalProduct(Sheet& s, const Thread& t, double x0, double x1, double outer) {
    RingSection(s, t, kAxisY, x0, x1, outer, true);
    AxisLine(s, x0 - 8, x1 + 8, kAxisY);
}

// A contact point: a stylus from its holder at holderY to a ball seated at c.
void PointContact(Sheet& s, QPointF c, double r, double holderY) {
    QPolygonF pin;
    pin << QPointF(c.x() - r * 0.9, c.y()) << QPointF(c.x() - r * 1.6, holderY)
        << QPointF(c.x() + r * 1.6, holderY) << QPointF(c.x() + r * 0.9, c.y());
    Solid(s, pin, Qt::white);
    s.P().setPen(s.Pen(kOutline));
    s.P().setBrush(Qt::white);
    s.P().drawEllipse(c, r, r);
    s.P().setBrush(Qt::NoBrush);
}

// The ball of a contact point on an external thread: in a root, its centre
// half a radius outside the pitch line (the flanks are at 30 degrees).
QPointF ExternalBall(const Thread& t, double x, bool below) {
    const double r = t.pitchRadius(x) + BallRadius(t) / 2;
    return HalfView{kAxisY, below}.P(x, r);
}

// The same in the space between the teeth of an internal thread.
QPointF InternalBall(const Thread& t, double x, bool below) {
    const double r = t.pitchRadius(x) - BallRadius(t) / 2;
    return HalfView{kAxisY, below}.P(x, r);
}

// A thread roll in mesh with the product over x0..x1: its edge carries the
// product's form, its back is at radius `back` from the product's axis. It
// turns on an axle held in a fork from `holderR`.
void ThreadRoll(Sheet& s, const Thread& t, bool below, double x0, double x1, double back,
                double holderR) {
    const HalfView v{kAxisY, below};
    const double axle = (back + t.pitchRadius(x0)) / 2;
    // The fork: a yoke under the holder and a leg at each end, behind the roll.
    const double away = holderR > back ? -5 : 5;
    Solid(s, QPolygonF(QRectF(v.P(x0 - 7, holderR), v.P(x1 + 7, holderR + away)).normalized()),
          kBodyFill);
    for (double x : {x0 - 7, x1 + 1})
        Solid(s, QPolygonF(QRectF(v.P(x, holderR), v.P(x + 6, axle)).normalized()), kBodyFill);
    QPainterPath roll;
    roll.moveTo(v.P(x0, back));
    for (const QPointF& q : t.Points(x0, x1))
        roll.lineTo(v.P(q.x(), q.y()));
    roll.lineTo(v.P(x1, back));
    roll.closeSubpath();
    Solid(s, roll, kRollFill);
    // The ribs of the roll, one in each thread space of the product.
    const bool outside = back > t.pitchRadius(x0);
    for (double x = t.phase + (outside ? 0 : t.pitch / 2); x < x1; x += t.pitch) {
        if (x <= x0 + 1) continue;
        s.Line(v.P(x, t.At(x)), v.P(x, back));
    }
    s.P().setPen(s.ChainPen());
    s.P().drawLine(v.P(x0 - 10, axle), v.P(x1 + 10, axle));
    for (double x : {x0 - 4, x1 + 4}) {
        s.P().setPen(s.Pen(kThin));
        s.P().setBrush(Qt::white);
        s.P().drawEllipse(v.P(x, axle), 1.8, 1.8);
    }
    s.P().setBrush(Qt::NoBrush);
}

// A dial indicator facing the viewer, its spindle pointing down to `spindleEnd`.
void DialIndicator(Sheet& s, QPointF c, double R, double spindleEnd) {
    Block(s, QRectF(c.x() - 2.5, c.y() + R - 1, 5, spindleEnd - c.y() - R + 1));
    Block(s, QRectF(c.x() - 3.5, c.y() - R - 5, 7, 5.5), 1);
    s.P().setPen(s.Pen(kOutline));
    s.P().setBrush(Qt::white);
    s.P().drawEllipse(c, R, R);
    s.P().setPen(s.Pen(kThin));
    s.P().drawEllipse(c, R * 0.86, R * 0.86);
    for (int i = 0; i < 50; ++i) {
        const double a = 2 * std::numbers::pi * i / 50;
        const QPointF u(std::sin(a), -std::cos(a));
        const double len = i % 5 == 0 ? R * 0.16 : R * 0.08;
        s.Line(c + u * (R * 0.86), c + u * (R * 0.86 - len), kThin * 0.8);
    }
    const double a = -1.0;
    s.Line(c, c + QPointF(std::sin(a), -std::cos(a)) * (R * 0.72), 0.9);
    s.P().setPen(Qt::NoPen);
    s.P().setBrush(kInk);
    s.P().drawEllipse(c, 1.6, 1.6);
    s.P().setBrush(Qt::NoBrush);
}

void Title(Sheet& s, const char* what, const char* model) {
    s.Line(QPointF(4, kHeight - 18), QPointF(kWidth - 4, kHeight - 18));
    s.Text(QPointF(6, kHeight - 9), QString::fromLatin1(what), Qt::AlignLeft, false);
    s.Text(QPointF(kWidth - 6, kHeight - 9), QString::fromLatin1(model), Qt::AlignRight, false,
           true);
}

// The bench stand of the large external gages: a column on a base, the fixed
// lower arm and the upper arm that slides and moves the indicator.
void ExternalStand(Sheet& s) {
    Block(s, QRectF(40, 196, 260, 10), 2);
    Block(s, QRectF(250, 16, 16, 180));
    Block(s, QRectF(100, 46, 162, 10));
    Block(s, QRectF(100, 180, 162, 10));
    Block(s, QRectF(243, 42, 30, 18), 2);
    Block(s, QRectF(226, 20, 24, 8));
    DialIndicator(s, QPointF(208, 24), 17, 46);
    s.Leader(QPointF(150, 12), QPointF(208 - 14, 24 - 9), QStringLiteral("Dial indicator"),
             Qt::AlignRight);
}

void PaintMX3000(Sheet& s) {
    ExternalStand(s);
    const Thread t = StraightThread(28, 16, 10, 12);
    ExternalProduct(s, t, 30, 214);
    const double r = BallRadius(t);
    PointContact(s, ExternalBall(t, 140, false), r, 56);
    PointContact(s, ExternalBall(t, 140, true), r, 180);
    const QPointF ball = ExternalBall(t, 140, false);
    s.Leader(QPointF(70, 40), ball - QPointF(r * 0.8, r * 0.6), QStringLiteral("Contact points"),
             Qt::AlignRight);
    s.Leader(QPointF(40, 176), QPointF(72, kAxisY + t.At(72)), QStringLiteral("Product thread"),
             Qt::AlignLeft);
    Title(s, "Point gage, external thread", "MX3000");
}

void PaintMR3000(Sheet& s) {
    ExternalStand(s);
    const Thread t = StraightThread(28, 16, 10, 12);
    ExternalProduct(s, t, 30, 214);
    ThreadRoll(s, t, false, 116, 164, 54, 62);
    ThreadRoll(s, t, true, 116, 164, 54, 62);
    s.Leader(QPointF(70, 40), QPointF(112, kAxisY - 46), QStringLiteral("Thread rolls"),
             Qt::AlignRight);
    s.Leader(QPointF(40, 176), QPointF(72, kAxisY + t.At(72)), QStringLiteral("Product thread"),
             Qt::AlignLeft);
    Title(s, "Functional roll gage, external thread", "MR3000");
}

// The large internal gages: a body with a handle and the indicator, and two
// fingers that go into the bore; the upper finger swings.
void InternalBody(Sheet& s, double fingerR, double fingerEnd) {
    Block(s, QRectF(44, 134, 22, 66), 7);
    Block(s, QRectF(30, 98, 104, 40), 4);
    for (bool below : {false, true}) {
        const HalfView v{kAxisY, below};
        Block(s, QRectF(v.P(120, fingerR), v.P(fingerEnd, fingerR - 8)).normalized(), 1);
    }
    s.P().setPen(s.Pen(kThin));
    s.P().setBrush(Qt::white);
    s.P().drawEllipse(QPointF(126, kAxisY - fingerR + 4), 2, 2);
    s.P().setBrush(Qt::NoBrush);
    DialIndicator(s, QPointF(78, 62), 20, 98);
    s.Leader(QPointF(140, 16), QPointF(78 + 14, 62 - 15), QStringLiteral("Dial indicator"),
             Qt::AlignLeft);
}

void PaintNX2000(Sheet& s) {
    const Thread t = StraightThread(40, 16, 10, 4);
    InternalProduct(s, t, 164, 280, 72);
    InternalBody(s, 26, 232);
    const double r = BallRadius(t);
    PointContact(s, InternalBall(t, 220, false), r, kAxisY - 26);
    PointContact(s, InternalBall(t, 220, true), r, kAxisY + 26);
    s.Leader(QPointF(300, 214 - 12), InternalBall(t, 220, true) + QPointF(r * 0.7, r * 0.7),
             QStringLiteral("Contact points"), Qt::AlignRight);
    s.Text(QPointF(222, 37), QStringLiteral("Product thread (section)"));
    Title(s, "Point gage, internal thread", "NX2000");
}

void PaintNP2000(Sheet& s) {
    const Thread t = StraightThread(40, 16, 10, 4);
    InternalProduct(s, t, 164, 280, 72);
    InternalBody(s, 14, 190);
    ThreadRoll(s, t, false, 196, 244, 20, 14);
    ThreadRoll(s, t, true, 196, 244, 20, 14);
    s.Leader(QPointF(300, 214 - 12), QPointF(244, kAxisY + 24), QStringLiteral("Thread rolls"),
             Qt::AlignRight);
    s.Text(QPointF(222, 37), QStringLiteral("Product thread (section)"));
    Title(s, "Functional roll gage, internal thread", "NP2000");
}

// The small internal gage: held in one hand, the trigger draws the contacts in.
void PaintNSP2000(Sheet& s) {
    const Thread t = StraightThread(22, 12, 7.5, 2);
    InternalProduct(s, t, 176, 268, 46);
    QPolygonF grip;
    grip << QPointF(70, 130) << QPointF(50, 196) << QPointF(76, 202) << QPointF(98, 130);
    Solid(s, grip, kBodyFill);
    QPolygonF trigger;
    trigger << QPointF(104, 132) << QPointF(108, 162) << QPointF(116, 164) << QPointF(114, 132);
    Solid(s, trigger, kBodyFill);
    Block(s, QRectF(58, 104, 96, 28), 5);
    for (bool below : {false, true}) {
        const HalfView v{kAxisY, below};
        Block(s, QRectF(v.P(148, 11), v.P(232, 5)).normalized(), 1);
    }
    const double r = BallRadius(t);
    PointContact(s, InternalBall(t, 218, false), r, kAxisY - 11);
    PointContact(s, InternalBall(t, 218, true), r, kAxisY + 11);
    DialIndicator(s, QPointF(90, 70), 18, 104);
    s.Leader(QPointF(150, 26), QPointF(90 + 13, 70 - 13), QStringLiteral("Dial indicator"),
             Qt::AlignLeft);
    s.Leader(QPointF(150, 186), QPointF(114, 158), QStringLiteral("Trigger"), Qt::AlignLeft);
    s.Leader(QPointF(300, 202), InternalBall(t, 218, true) + QPointF(r * 0.7, r * 0.7),
             QStringLiteral("Contacts: points or rolls"), Qt::AlignRight);
    s.Text(QPointF(222, 52), QStringLiteral("Product thread"));
    Title(s, "Small gage, internal thread", "NSP2000");
}

// The small external gage: a C-frame with a handle, rolls above and below.
void PaintMSR3000(Sheet& s) {
    const Thread t = StraightThread(18, 12, 7.5, 10);
    Block(s, QRectF(54, 176, 26, 32), 6);
    QPolygonF frame;
    frame << QPointF(56, 56) << QPointF(214, 56) << QPointF(214, 66) << QPointF(78, 66)
          << QPointF(78, 170) << QPointF(214, 170) << QPointF(214, 180) << QPointF(56, 180);
    Solid(s, frame, kBodyFill);
    ExternalProduct(s, t, 124, 292);
    ThreadRoll(s, t, false, 172, 208, 38, 52);
    ThreadRoll(s, t, true, 172, 208, 38, 52);
    DialIndicator(s, QPointF(120, 30), 17, 56);
    s.Leader(QPointF(200, 18), QPointF(120 + 13, 30 - 11), QStringLiteral("Dial indicator"),
             Qt::AlignLeft);
    s.Leader(QPointF(240, 60), QPointF(210, kAxisY - 34), QStringLiteral("Rolls or points"),
             Qt::AlignLeft);
    s.Leader(QPointF(290, 176), QPointF(250, kAxisY + t.At(250)), QStringLiteral("Product thread"),
             Qt::AlignRight);
    Title(s, "Small gage, external thread", "MSR3000");
}

void PaintBlank(Sheet& s) {
    s.Text(QPointF(kWidth / 2, kHeight / 2), QStringLiteral("No gage model for this thread"),
           Qt::AlignHCenter, false);
}

struct PictureName {
    GaugeModelPicture picture;
    const char* name;
};

constexpr PictureName kNames[] = {
    {GaugeModelPicture::MX3000, "MX3000"},   {GaugeModelPicture::NX2000, "NX2000"},
    {GaugeModelPicture::NP2000, "NP2000"},   {GaugeModelPicture::MR3000, "MR3000"},
    {GaugeModelPicture::NSP2000, "NSP2000"}, {GaugeModelPicture::MSR3000, "MSR3000"},
    {GaugeModelPicture::Blank, "Blank"},
};

} // namespace

GaugeModelPicture GaugeModelPictureOf(const std::string& name) {
    for (const PictureName& n : kNames)
        if (name == n.name) return n.picture;
    return GaugeModelPicture::Blank;
}

QString GaugeModelPictureName(GaugeModelPicture picture) {
    for (const PictureName& n : kNames)
        if (picture == n.picture) return QString::fromLatin1(n.name);
    return QStringLiteral("Blank");
}

QSizeF GaugeModelDrawingSize() {
    return {kWidth, kHeight};
}

double GaugeModelDrawingTextSize() {
    return kTextSize;
}

void PaintGaugeModel(QPainter& painter, const QRectF& target, GaugeModelPicture picture) {
    if (target.isEmpty()) return;
    const double scale = std::min(target.width() / kWidth, target.height() / kHeight);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate(target.center());
    painter.scale(scale, scale);
    painter.translate(-kWidth / 2, -kHeight / 2);
    painter.setClipRect(QRectF(0, 0, kWidth, kHeight), Qt::IntersectClip);
    Sheet s(painter, kTextSize);
    switch (picture) {
    case GaugeModelPicture::MX3000:
        PaintMX3000(s);
        break;
    case GaugeModelPicture::NX2000:
        PaintNX2000(s);
        break;
    case GaugeModelPicture::NP2000:
        PaintNP2000(s);
        break;
    case GaugeModelPicture::MR3000:
        PaintMR3000(s);
        break;
    case GaugeModelPicture::NSP2000:
        PaintNSP2000(s);
        break;
    case GaugeModelPicture::MSR3000:
        PaintMSR3000(s);
        break;
    case GaugeModelPicture::Blank:
        PaintBlank(s);
        break;
    }
    painter.restore();
}
