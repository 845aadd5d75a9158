#pragma once
// Drawing helpers of the pipe drawings: a sheet with thin-line technical
// drawing conventions (dimensions, hatching, chain lines, labels), and
// schematic taper threads in half views. All sizes are drawing units.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace pipe_drawing {

inline const QColor kInk(0, 0, 0);
constexpr double kOutline = 1.0;
constexpr double kThin = 0.5;
constexpr double kArrowLength = 4.5;
constexpr double kArrowHalfWidth = 1.4;

// Labels are drawn at a fractional size in drawing units: a large font scaled
// down keeps the letter shapes exact when the drawing is scaled up again.
constexpr double kFontBase = 100.0;

inline QFont LabelFont(bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(kFontBase));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The painter's state for one drawing: font size and the helpers every drawing uses.
class Sheet {
public:
    Sheet(QPainter& p, double textSize) : p_(p), size_(textSize) {}

    QPainter& P() { return p_; }

    QPen Pen(double width, Qt::PenStyle style = Qt::SolidLine) const {
        QPen pen(kInk, width, style, Qt::FlatCap, Qt::MiterJoin);
        return pen;
    }

    // Long dash, short dash: centre lines and pitch lines.
    QPen ChainPen() const {
        QPen pen(kInk, kThin, Qt::CustomDashLine, Qt::FlatCap);
        pen.setDashPattern({24, 6, 4, 6});
        return pen;
    }

    QPen HiddenPen() const {
        QPen pen(kInk, kThin, Qt::CustomDashLine, Qt::FlatCap);
        pen.setDashPattern({6, 4});
        return pen;
    }

    void Line(QPointF a, QPointF b, double width = kThin) {
        p_.setPen(Pen(width));
        p_.drawLine(a, b);
    }

    void Polyline(const QPolygonF& points, double width = kOutline) {
        p_.setPen(Pen(width));
        p_.setBrush(Qt::NoBrush);
        p_.drawPolyline(points);
    }

    QSizeF TextExtent(const QString& text, bool bold = false) const {
        const QFontMetricsF fm(LabelFont(bold));
        const double f = size_ / kFontBase;
        return {fm.horizontalAdvance(text) * f, fm.capHeight() * f};
    }

    // Text with its cap height centred on `at`; `align` picks the horizontal
    // anchor. A white box behind it keeps it readable over lines and hatching.
    void Text(QPointF at, const QString& text, Qt::Alignment align = Qt::AlignHCenter,
              bool knockout = true, bool bold = false) {
        const QSizeF ext = TextExtent(text, bold);
        double left = at.x() - ext.width() / 2;
        if (align & Qt::AlignLeft) left = at.x();
        if (align & Qt::AlignRight) left = at.x() - ext.width();
        const double baseline = at.y() + ext.height() / 2;
        if (knockout) {
            const double pad = size_ * 0.18;
            p_.fillRect(QRectF(left - pad, at.y() - ext.height() / 2 - pad, ext.width() + 2 * pad,
                               ext.height() + 2 * pad),
                        Qt::white);
        }
        p_.save();
        p_.translate(left, baseline);
        p_.scale(size_ / kFontBase, size_ / kFontBase);
        p_.setFont(LabelFont(bold));
        p_.setPen(kInk);
        p_.drawText(QPointF(0, 0), text);
        p_.restore();
    }

    // A filled arrowhead with its tip at `tip`, pointing along `dir`.
    void Arrow(QPointF tip, QPointF dir) {
        const double len = std::hypot(dir.x(), dir.y());
        if (len <= 0) return;
        const QPointF u(dir.x() / len, dir.y() / len);
        const QPointF n(-u.y(), u.x());
        const QPointF base = tip - u * kArrowLength;
        QPolygonF head;
        head << tip << base + n * kArrowHalfWidth << base - n * kArrowHalfWidth;
        p_.setPen(Qt::NoPen);
        p_.setBrush(kInk);
        p_.drawPolygon(head);
        p_.setBrush(Qt::NoBrush);
    }

    // A dimension between a and b with arrowheads at both ends and its label in
    // a gap in the middle; arrows go outside when the span is too short.
    void Dim(QPointF a, QPointF b, const QString& label) {
        const QPointF d = b - a;
        const double len = std::hypot(d.x(), d.y());
        const QSizeF ext = TextExtent(label);
        p_.setPen(Pen(kThin));
        if (len < 2 * kArrowLength + ext.width() * 0.6) {
            const QPointF u = d / len;
            p_.drawLine(a - u * (kArrowLength + 3), b + u * (kArrowLength + 3));
            Arrow(a, u);
            Arrow(b, -u);
        } else {
            p_.drawLine(a, b);
            Arrow(a, -d);
            Arrow(b, d);
        }
        Text((a + b) / 2, label);
    }

    // A dimension to a diameter seen in a half view: from just across the axis
    // to the surface, one arrowhead.
    void HalfDim(QPointF axisPoint, QPointF surface, const QString& label, QPointF labelAt,
                 Qt::Alignment align) {
        const QPointF d = surface - axisPoint;
        const double len = std::hypot(d.x(), d.y());
        const QPointF u = d / len;
        Line(axisPoint - u * 3, surface);
        Arrow(surface, u);
        Text(labelAt, label, align);
    }

    // Parallel hatching of a region at 45 degrees (or -45), as a section is drawn.
    void Hatch(const QPainterPath& region, double spacing, bool rising) {
        p_.save();
        p_.setClipPath(region, Qt::IntersectClip);
        p_.setPen(Pen(kThin * 0.8));
        const QRectF r = region.boundingRect();
        const double span = r.width() + r.height();
        for (double t = -span; t <= span; t += spacing) {
            if (rising)
                p_.drawLine(QPointF(r.left() + t, r.bottom()),
                            QPointF(r.left() + t + r.height(), r.top()));
            else
                p_.drawLine(QPointF(r.left() + t, r.top()),
                            QPointF(r.left() + t + r.height(), r.bottom()));
        }
        p_.restore();
        p_.setPen(Pen(kOutline));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(region);
    }

    // A leader from a label to the thing it names.
    void Leader(QPointF labelAt, QPointF target, const QString& label, Qt::Alignment align) {
        Line(labelAt, target);
        Arrow(target, target - labelAt);
        Text(labelAt, label, align);
    }

private:
    QPainter& p_;
    double size_;
};

// A 60-degree thread along a pitch line r(x), sharp V depth H truncated to h
// at crest and root, and cut off at `limit` (the outside of the pipe).
struct Thread {
    std::function<double(double)> pitchRadius;
    double pitch = 12;
    double phase = 0;
    double depth = 8;   // truncated height h
    double limit = 1e9; // no radius above this (pipe OD)

    double SharpDepth() const { return pitch * 0.866; }

    double At(double x) const {
        double t = (x - phase) / pitch;
        t -= std::floor(t);
        const double wave = 1.0 - 4.0 * std::fabs(t - 0.5); // -1 root ... 1 crest
        const double offset = std::clamp(wave * SharpDepth() / 2, -depth / 2, depth / 2);
        return std::min(pitchRadius(x) + offset, limit);
    }

    // The profile from x0 to x1 as points (x, radius).
    std::vector<QPointF> Points(double x0, double x1) const {
        std::vector<QPointF> pts;
        const double step = pitch / 48;
        for (double x = x0; x < x1; x += step)
            pts.emplace_back(x, At(x));
        pts.emplace_back(x1, At(x1));
        return pts;
    }
};

// Half views: radius above an axis line at axisY.
struct HalfView {
    double axisY;
    bool below = false; // the mirror half
    QPointF P(double x, double r) const { return {x, below ? axisY + r : axisY - r}; }
    QPolygonF Poly(const std::vector<QPointF>& xr) const {
        QPolygonF poly;
        for (const QPointF& q : xr)
            poly << P(q.x(), q.y());
        return poly;
    }
};

inline void AxisLine(Sheet& s, double x0, double x1, double y) {
    s.P().setPen(s.ChainPen());
    s.P().drawLine(QPointF(x0, y), QPointF(x1, y));
}

// A break in a long part: a short zigzag across it.
inline void BreakLine(Sheet& s, const HalfView& v, double x, double r0, double r1) {
    QPolygonF z;
    const double mid = (r0 + r1) / 2;
    z << v.P(x, r0) << v.P(x, mid - 3) << v.P(x + 3, mid - 1) << v.P(x - 3, mid + 1)
      << v.P(x, mid + 3) << v.P(x, r1);
    s.Polyline(z, kThin);
}

// A few threads of a plug or pipe seen from outside, both halves, small end at
// `x0`, large end at `x1`.
inline void OutsideThread(Sheet& s, const Thread& t, double axisY, double x0, double x1) {
    for (bool below : {false, true}) {
        const HalfView v{axisY, below};
        s.Polyline(v.Poly(t.Points(x0, x1)));
    }
    s.Line(QPointF(x0, axisY - t.At(x0)), QPointF(x0, axisY + t.At(x0)), kOutline);
}

// A section through a ring (or a fitting wall) around a thread, both halves.
inline void RingSection(Sheet& s, const Thread& t, double axisY, double x0, double x1, double outer,
                        bool rising) {
    for (bool below : {false, true}) {
        const HalfView v{axisY, below};
        QPainterPath ring;
        ring.moveTo(v.P(x0, outer));
        ring.lineTo(v.P(x1, outer));
        auto pts = t.Points(x0, x1);
        std::reverse(pts.begin(), pts.end());
        for (const QPointF& q : pts)
            ring.lineTo(v.P(q.x(), q.y()));
        ring.closeSubpath();
        s.Hatch(ring, 3.5, below ? !rising : rising);
    }
}

} // namespace pipe_drawing
