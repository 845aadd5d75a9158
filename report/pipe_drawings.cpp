// The pipe thread drawings. Each is drawn in its own natural pixel space (the
// size PipeDrawingSize gives) and scaled to the target, so lines, arrowheads
// and labels keep their proportions at any size. The threads are schematic:
// taper and thread depth are exaggerated so that the planes can be told apart.
#include "report/pipe_drawings.h"

#include "report/drawing_sheet.h"

#include <QPainter>
#include <QRectF>

#include <numbers>

namespace {

using namespace pipe_drawing;

constexpr double kThreadDimsText = 8.0;
constexpr double kTolsText = 8.5;
constexpr double kGagesText = 8.0;

// NPT taper thread of a pipe made up in a fitting: the basic dimensions.
void PaintThreadDims(QPainter& painter) {
    Sheet s(painter, kThreadDimsText);
    const HalfView v{90};
    const double R = 40; // pipe outside
    const double bore = 14;
    const double x3 = 34, x0 = 70, x1 = 118, x5 = 142, x2 = 166, x4 = 208;
    const double xEnd = 268;
    Thread t;
    t.pitch = 12;
    t.depth = 8;
    t.phase = x0 + 3;
    t.limit = R;
    // Crests meet the outside at L5 and roots at the end of the vanish thread.
    const double k = t.depth / (x4 - x5);
    t.pitchRadius = [=](double x) { return R - t.depth / 2 + k * (x - x5); };
    Thread fit = t;
    fit.limit = 1e9;

    // Fitting, in section.
    const double fitOuter = 58, fitStart = 10, fitThread = 24, shoulder = 17;
    QPainterPath fitting;
    fitting.moveTo(v.P(fitStart, fitOuter));
    fitting.lineTo(v.P(x1, fitOuter));
    for (const QPointF& q : [&] {
             auto pts = fit.Points(fitThread, x1);
             std::reverse(pts.begin(), pts.end());
             return pts;
         }())
        fitting.lineTo(v.P(q.x(), q.y()));
    fitting.lineTo(v.P(fitThread, shoulder));
    fitting.lineTo(v.P(fitStart, shoulder));
    fitting.closeSubpath();
    s.Hatch(fitting, 4, false);

    // Pipe, in section.
    QPainterPath pipe;
    pipe.moveTo(v.P(x0, bore));
    for (const QPointF& q : t.Points(x0, xEnd))
        pipe.lineTo(v.P(q.x(), q.y()));
    pipe.lineTo(v.P(xEnd, bore));
    pipe.closeSubpath();
    s.Hatch(pipe, 4, true);
    s.P().fillRect(QRectF(v.P(xEnd - 4, R + 1), v.P(xEnd + 4, bore - 1)).normalized(), Qt::white);
    BreakLine(s, v, xEnd, bore, R);
    s.Line(v.P(xEnd - 4, R), v.P(xEnd + 4, R), kOutline);
    s.Line(v.P(xEnd - 4, bore), v.P(xEnd + 4, bore), kOutline);

    AxisLine(s, 4, 296, v.axisY);
    s.P().setPen(s.ChainPen());
    s.P().drawLine(v.P(fitThread - 6, t.pitchRadius(fitThread - 6)),
                   v.P(x4 + 22, t.pitchRadius(x4 + 22)));
    s.Text(v.P(x4 + 24, t.pitchRadius(x4 + 24)), QStringLiteral("Pitch line"), Qt::AlignLeft);

    // Pitch diameters at their planes.
    struct Plane {
        double x;
        const char* name;
    };
    const Plane planes[] = {{x3, "E3"}, {x0, "E0"}, {x1, "E1"}, {x5, "E5"}, {x2, "E2"}};
    for (const Plane& pl : planes)
        s.HalfDim(v.P(pl.x, 0), v.P(pl.x, t.pitchRadius(pl.x)), QString::fromLatin1(pl.name),
                  v.P(pl.x + 1.5, 6), Qt::AlignLeft);
    // Outside diameter, past the break.
    s.Line(v.P(xEnd + 4, R), v.P(292, R));
    s.HalfDim(v.P(288, 0), v.P(288, R), QStringLiteral("D"), v.P(286, R / 2), Qt::AlignRight);

    // Lengths, below the axis, all from the small end of the pipe.
    const double rows[] = {103, 114, 125, 136};
    auto ext = [&](double x, double row) { s.Line(QPointF(x, v.axisY + 2), QPointF(x, row + 3)); };
    for (double x : {x3, x0})
        ext(x, rows[0]);
    ext(x1, rows[0]);
    ext(x5, rows[1]);
    ext(x2, rows[2]);
    ext(x4, rows[3]);
    ext(x0, rows[3]);
    s.Dim(QPointF(x3, rows[0]), QPointF(x0, rows[0]), QStringLiteral("L3"));
    s.Dim(QPointF(x0, rows[0]), QPointF(x1, rows[0]), QStringLiteral("L1"));
    s.Dim(QPointF(x0, rows[1]), QPointF(x5, rows[1]), QStringLiteral("L5"));
    s.Dim(QPointF(x5, rows[1]), QPointF(x2, rows[1]), QStringLiteral("2p"));
    s.Dim(QPointF(x2, rows[1]), QPointF(x4, rows[1]), QStringLiteral("V"));
    s.Dim(QPointF(x0, rows[2]), QPointF(x2, rows[2]), QStringLiteral("L2"));
    s.Dim(QPointF(x0, rows[3]), QPointF(x4, rows[3]), QStringLiteral("L4"));

    s.Text(QPointF(47, v.axisY - 48), QStringLiteral("Fitting"));
    s.Text(QPointF(236, v.axisY - 27), QStringLiteral("Pipe"));
    s.Text(QPointF(296, 12), QStringLiteral("Taper of thread 1 in 16 measured on diameter"),
           Qt::AlignRight, false);
    s.Leader(QPointF(x1 + 12, 26), QPointF(x1, v.axisY - fitOuter),
             QStringLiteral("Hand-tight plane"), Qt::AlignLeft);
}

// One gauge check in the tolerance drawing: a ring on a pipe thread, or a
// plug in a fitting, with the product `turns` turns off the basic position
// (positive: the product one turn large).
void GaugeCheck(Sheet& s, QPointF centre, bool ring, int turns) {
    const double p = 6;
    const double outer = 20;
    Thread t;
    t.pitch = p;
    t.depth = 3.8;
    const double k = 0.07;
    const double axisY = centre.y();
    const double cx = centre.x();
    const double dimY = axisY - outer - 5;
    // Where the product stands against the gauge face, and the "1 turn" between.
    auto offset = [&](double face, double mark, double markTop) {
        if (turns == 0) return;
        s.Line(QPointF(face, axisY - outer - 1), QPointF(face, dimY - 3));
        s.Line(QPointF(mark, axisY - markTop - 1), QPointF(mark, dimY - 3));
        const double a = std::min(face, mark), b = std::max(face, mark);
        s.Dim(QPointF(a, dimY), QPointF(b, dimY), QString());
        s.Text(QPointF(b + 8, dimY), QStringLiteral("1 turn"), Qt::AlignLeft, false);
    };
    if (ring) {
        // Ring from its small face (left) over L1; the pipe end stops inside the
        // ring when the pipe is large and comes through when it is small.
        const double face = cx - 14, back = cx + 14;
        const double pipeEnd = face + turns * p;
        t.phase = pipeEnd;
        t.pitchRadius = [=](double x) { return 10 + k * (x - face); };
        OutsideThread(s, t, axisY, pipeEnd, cx + 36);
        RingSection(s, t, axisY, face, back, outer, true);
        offset(face, pipeEnd, t.At(pipeEnd));
    } else {
        // Fitting with its face on the right; the plug's notch goes in when the
        // fitting is large and stays out when it is small.
        const double face = cx + 4;
        const double notch = face - turns * p;
        const double plugEnd = notch - 24;
        t.phase = plugEnd;
        t.pitchRadius = [=](double x) { return 10 + k * (x - plugEnd); };
        RingSection(s, t, axisY, cx - 30, face, outer, false);
        OutsideThread(s, t, axisY, plugEnd, notch + 8);
        for (bool below : {false, true}) {
            const HalfView v{axisY, below};
            QPolygonF handle;
            handle << v.P(notch + 8, t.At(notch + 8)) << v.P(notch + 8, 14) << v.P(cx + 36, 14)
                   << v.P(cx + 36, 0);
            s.Polyline(handle);
            // The notch: a step cut in the crests.
            QPolygonF cut;
            cut << v.P(notch - 2, t.At(notch - 2) + 0.5) << v.P(notch - 2, t.pitchRadius(notch))
                << v.P(notch + 2, t.pitchRadius(notch)) << v.P(notch + 2, t.At(notch + 2) + 0.5);
            s.P().setPen(Qt::NoPen);
            s.P().setBrush(Qt::white);
            s.P().drawPolygon(cut);
            s.Polyline(cut, kOutline * 0.8);
        }
        offset(face, notch, t.pitchRadius(notch));
    }
    AxisLine(s, cx - 36, cx + 40, axisY);
}

// The L1 gauges: a ring on the notched plug, and the gauge checks of a product.
void PaintTols(QPainter& painter) {
    Sheet s(painter, kTolsText);
    // Ring gauge on the plug: small end at E0, notch at E1, ring L1 thick.
    const double axisY = 70, xE0 = 140, xE1 = 196;
    Thread t;
    t.pitch = 10;
    t.depth = 6.5;
    t.phase = xE0;
    t.pitchRadius = [=](double x) { return 26 + 0.08 * (x - xE0); };
    OutsideThread(s, t, axisY, xE0, 286);
    RingSection(s, t, axisY, xE0, xE1, 50, true);
    for (bool below : {false, true}) {
        const HalfView v{axisY, below};
        QPolygonF handle;
        handle << v.P(286, t.At(286)) << v.P(286, 24) << v.P(346, 24) << v.P(346, 0);
        s.Polyline(handle);
        QPolygonF cut;
        const double n0 = xE1, n1 = xE1 + 4;
        cut << v.P(n0, t.At(n0) + 0.5) << v.P(n0, t.pitchRadius(n0)) << v.P(n1, t.pitchRadius(n0))
            << v.P(n1, t.At(n1) + 0.5);
        s.P().setPen(Qt::NoPen);
        s.P().setBrush(Qt::white);
        s.P().drawPolygon(cut);
        s.Polyline(cut, kOutline * 0.8);
    }
    AxisLine(s, 100, 356, axisY);
    s.Dim(QPointF(xE0 - 12, axisY - t.pitchRadius(xE0)),
          QPointF(xE0 - 12, axisY + t.pitchRadius(xE0)), QStringLiteral("E0"));
    s.Line(QPointF(xE0 - 15, axisY - t.pitchRadius(xE0)), QPointF(xE0, axisY - t.pitchRadius(xE0)));
    s.Line(QPointF(xE0 - 15, axisY + t.pitchRadius(xE0)), QPointF(xE0, axisY + t.pitchRadius(xE0)));
    s.Dim(QPointF(xE1 + 14, axisY - t.pitchRadius(xE1)),
          QPointF(xE1 + 14, axisY + t.pitchRadius(xE1)), QStringLiteral("E1"));
    s.Line(QPointF(xE1, axisY - t.pitchRadius(xE1)), QPointF(xE1 + 17, axisY - t.pitchRadius(xE1)));
    s.Line(QPointF(xE1, axisY + t.pitchRadius(xE1)), QPointF(xE1 + 17, axisY + t.pitchRadius(xE1)));
    s.Line(QPointF(xE0, axisY - 52), QPointF(xE0, axisY - 66));
    s.Line(QPointF(xE1, axisY - 52), QPointF(xE1, axisY - 66));
    s.Dim(QPointF(xE0, axisY - 62), QPointF(xE1, axisY - 62), QStringLiteral("L1"));
    s.Leader(QPointF(70, axisY - 40), QPointF(xE0 + 8, axisY - 44), QStringLiteral("Ring gage"),
             Qt::AlignRight);
    s.Leader(QPointF(250, axisY - 52), QPointF(xE1 + 2, axisY - t.pitchRadius(xE1) - 2),
             QStringLiteral("Gaging notch"), Qt::AlignLeft);
    s.Leader(QPointF(300, axisY + 48), QPointF(260, axisY + t.At(260) - 1),
             QStringLiteral("Plug gage"), Qt::AlignLeft);

    // The product at basic, maximum and minimum size, as each gauge shows it.
    const double cols[] = {152, 252, 352};
    const char* const heads[][2] = {
        {"Basic", "flush"}, {"Maximum", "one turn large"}, {"Minimum", "one turn small"}};
    const double headY = 148;
    s.Line(QPointF(4, headY - 12), QPointF(407, headY - 12));
    for (int c = 0; c < 3; ++c) {
        s.Text(QPointF(cols[c], headY), QString::fromLatin1(heads[c][0]), Qt::AlignHCenter, false,
               true);
        s.Text(QPointF(cols[c], headY + 12), QString::fromLatin1(heads[c][1]), Qt::AlignHCenter,
               false);
    }
    const double rowsY[] = {204, 258};
    s.Text(QPointF(8, rowsY[0] - 6), QStringLiteral("Ring gage"), Qt::AlignLeft, false, true);
    s.Text(QPointF(8, rowsY[0] + 6), QStringLiteral("on pipe"), Qt::AlignLeft, false);
    s.Text(QPointF(8, rowsY[1] - 6), QStringLiteral("Plug gage"), Qt::AlignLeft, false, true);
    s.Text(QPointF(8, rowsY[1] + 6), QStringLiteral("in fitting"), Qt::AlignLeft, false);
    const int turns[] = {0, 1, -1};
    for (int c = 0; c < 3; ++c) {
        GaugeCheck(s, QPointF(cols[c], rowsY[0]), true, turns[c]);
        GaugeCheck(s, QPointF(cols[c], rowsY[1]), false, turns[c]);
    }
}

// The railing-joint thread and its gauge in a recessed fitting.
void PaintGages(QPainter& painter) {
    Sheet s(painter, kGagesText);

    // Thread form: 30-degree flanks about a bisector square to the axis.
    {
        const double p = 40, x0 = 30, crest = 30, root = 64.6, flat = 3;
        const double flank = (root - crest) * std::tan(std::numbers::pi / 6);
        QPolygonF form;
        form << QPointF(x0, root);
        for (int i = 0; i < 3; ++i) {
            const double c = x0 + p / 2 + i * p;
            form << QPointF(c - flank, root) << QPointF(c - flat, crest) << QPointF(c + flat, crest)
                 << QPointF(c + flank, root);
        }
        form << QPointF(x0 + 3 * p, root);
        s.Polyline(form);
        const double axisLineY = root + 10;
        AxisLine(s, x0 - 6, x0 + 3 * p + 12, axisLineY);
        s.Text(QPointF(x0 + 3 * p + 14, axisLineY), QStringLiteral("Axis"), Qt::AlignLeft, false);
        // Bisector of the middle thread, square to the axis, and the flank angles.
        const double c = x0 + p / 2 + p;
        s.P().setPen(s.ChainPen());
        s.P().drawLine(QPointF(c, crest - 6), QPointF(c, axisLineY + 4));
        QPolygonF square;
        square << QPointF(c, axisLineY - 4) << QPointF(c + 4, axisLineY - 4)
               << QPointF(c + 4, axisLineY);
        s.Polyline(square, kThin);
        s.Text(QPointF(c + 6, axisLineY - 6), QStringLiteral("90\u00B0"), Qt::AlignLeft, false);
        const double apexY = crest - flat / std::tan(std::numbers::pi / 6);
        const double rad = 28;
        const QRectF box(c - rad, apexY - rad, 2 * rad, 2 * rad);
        s.P().setPen(s.Pen(kThin));
        s.P().drawArc(box, (270 - 30) * 16, 30 * 16);
        s.P().drawArc(box, 270 * 16, 30 * 16);
        s.Text(QPointF(c - 9, apexY + rad + 8), QStringLiteral("30\u00B0"), Qt::AlignHCenter,
               false);
        s.Text(QPointF(c + 9, apexY + rad + 8), QStringLiteral("30\u00B0"), Qt::AlignHCenter,
               false);
        // Pitch from crest to crest.
        const double c1 = x0 + p / 2, c2 = c1 + p;
        s.Line(QPointF(c1, crest - 2), QPointF(c1, crest - 14));
        s.Line(QPointF(c2, crest - 8), QPointF(c2, crest - 14));
        s.Dim(QPointF(c1, crest - 10), QPointF(c2, crest - 10), QStringLiteral("p"));
    }
    s.Text(QPointF(290, 30), QStringLiteral("Taper 1 in 16"), Qt::AlignRight, false);
    s.Text(QPointF(290, 40), QStringLiteral("on diameter"), Qt::AlignRight, false);

    // Railing-joint external thread: the NPT thread shortened by L6 at the end.
    {
        const HalfView v{150};
        const double R = 36, bore = 14;
        const double xo = 22, xs = 62, x2 = 158, x4 = 198, xEnd = 268;
        Thread t;
        t.pitch = 12;
        t.depth = 8;
        t.phase = xo;
        t.limit = R;
        const double x5 = x2 - 2 * t.pitch;
        const double k = t.depth / (x4 - x5);
        t.pitchRadius = [=](double x) { return R - t.depth / 2 + k * (x - x5); };
        // The part cut off, in outline.
        s.P().setPen(s.HiddenPen());
        s.P().setBrush(Qt::NoBrush);
        s.P().drawPolyline(v.Poly(t.Points(xo, xs)));
        s.P().drawLine(v.P(xo, bore), v.P(xo, t.At(xo)));
        s.P().drawLine(v.P(xo, bore), v.P(xs, bore));
        QPainterPath pipe;
        pipe.moveTo(v.P(xs, bore));
        for (const QPointF& q : t.Points(xs, xEnd))
            pipe.lineTo(v.P(q.x(), q.y()));
        pipe.lineTo(v.P(xEnd, bore));
        pipe.closeSubpath();
        s.Hatch(pipe, 4, true);
        s.P().fillRect(QRectF(v.P(xEnd - 4, R + 1), v.P(xEnd + 4, bore - 1)).normalized(),
                       Qt::white);
        BreakLine(s, v, xEnd, bore, R);
        s.Line(v.P(xEnd - 4, R), v.P(xEnd + 4, R), kOutline);
        s.Line(v.P(xEnd - 4, bore), v.P(xEnd + 4, bore), kOutline);
        AxisLine(s, 8, 292, v.axisY);
        s.HalfDim(v.P(xs + 0.5, 0), v.P(xs + 0.5, t.pitchRadius(xs)), QStringLiteral("E6"),
                  v.P(xs + 2, 6), Qt::AlignLeft);
        const double rows[] = {162, 173, 184};
        auto ext = [&](double x, double row) {
            s.Line(QPointF(x, v.axisY + 2), QPointF(x, row + 3));
        };
        ext(xo, rows[2]);
        ext(xs, rows[0]);
        ext(x2, rows[1]);
        ext(x4, rows[2]);
        s.Dim(QPointF(xo, rows[0]), QPointF(xs, rows[0]), QStringLiteral("L6"));
        s.Dim(QPointF(xs, rows[0]), QPointF(x2, rows[0]), QStringLiteral("L2-L6"));
        s.Dim(QPointF(x2, rows[0]), QPointF(x4, rows[0]), QStringLiteral("V"));
        s.Dim(QPointF(xo, rows[1]), QPointF(x2, rows[1]), QStringLiteral("L2"));
        s.Dim(QPointF(xo, rows[2]), QPointF(x4, rows[2]), QStringLiteral("L4"));
        s.Text(QPointF(4, v.axisY - 62), QStringLiteral("Railing-joint thread (external)"),
               Qt::AlignLeft, false, true);
        s.Text(QPointF(xo - 2, v.axisY - 44), QStringLiteral("Shortened end"), Qt::AlignLeft,
               false);
        s.Line(QPointF(xo + 20, v.axisY - 40), QPointF(xs, v.axisY - t.At(xs) - 2));
        s.Arrow(QPointF(xs, v.axisY - t.At(xs) - 2), QPointF(xs - xo - 20, 40 - t.At(xs) - 2));
    }

    // Gauge in the recessed fitting: notch S below the face, recess Q by q, length T.
    {
        const HalfView v{298};
        const double face = 200, recessBottom = 176, threadEnd = 40, outer = 70, Q = 46,
                     shoulder = 20;
        const double S = 16;
        const double notch = face - S;
        Thread t;
        t.pitch = 10;
        t.depth = 6.5;
        t.phase = notch;
        t.pitchRadius = [=](double x) { return 36 + 0.08 * (x - face); };
        QPainterPath fitting;
        fitting.moveTo(v.P(20, outer));
        fitting.lineTo(v.P(face, outer));
        fitting.lineTo(v.P(face, Q));
        fitting.lineTo(v.P(recessBottom, Q));
        auto pts = t.Points(threadEnd, recessBottom);
        std::reverse(pts.begin(), pts.end());
        for (const QPointF& q : pts)
            fitting.lineTo(v.P(q.x(), q.y()));
        fitting.lineTo(v.P(threadEnd, shoulder));
        fitting.lineTo(v.P(20, shoulder));
        fitting.closeSubpath();
        s.Hatch(fitting, 4, false);
        // Plug gauge, in view: thread from its small end past the notch, then the handle.
        const double plugEnd = 70, plugThread = face + 6;
        QPolygonF plug;
        plug << v.P(plugEnd, 0) << v.P(plugEnd, t.At(plugEnd));
        for (const QPointF& q : t.Points(plugEnd, recessBottom))
            plug << v.P(q.x(), q.y());
        plug << v.P(recessBottom, t.pitchRadius(recessBottom) + 3.25)
             << v.P(plugThread, t.pitchRadius(recessBottom) + 3.25) << v.P(plugThread, 24)
             << v.P(268, 24) << v.P(268, 0);
        s.P().setPen(Qt::NoPen);
        s.P().setBrush(Qt::white);
        s.P().drawPolygon(plug);
        s.Polyline(plug);
        // The notch: a cut in the plain part of the gauge.
        const double surface = t.pitchRadius(recessBottom) + 3.25;
        QPolygonF cut;
        cut << v.P(notch - 3, surface) << v.P(notch - 3, surface - 5) << v.P(notch + 3, surface - 5)
            << v.P(notch + 3, surface);
        s.P().setPen(Qt::NoPen);
        s.P().drawPolygon(cut);
        s.Polyline(cut, kOutline);
        AxisLine(s, 10, 290, v.axisY);
        s.HalfDim(v.P(190, 0), v.P(190, Q), QStringLiteral("Q"), v.P(188, 10), Qt::AlignRight);
        const double rows[] = {310, 321, 332};
        auto ext = [&](double x, double row) {
            s.Line(QPointF(x, v.axisY + 2), QPointF(x, row + 3));
        };
        ext(face, rows[2]);
        ext(notch, rows[0]);
        ext(recessBottom, rows[1]);
        ext(threadEnd, rows[2]);
        s.Dim(QPointF(notch, rows[0]), QPointF(face, rows[0]), QStringLiteral("S"));
        s.Dim(QPointF(recessBottom, rows[1]), QPointF(face, rows[1]), QStringLiteral("q"));
        s.Dim(QPointF(threadEnd, rows[2]), QPointF(face, rows[2]), QStringLiteral("T"));
        s.Leader(QPointF(240, v.axisY - 56), QPointF(notch, v.axisY - surface + 5),
                 QStringLiteral("Notch"), Qt::AlignLeft);
        s.Text(QPointF(4, v.axisY - 90), QStringLiteral("Gage in recessed fitting"), Qt::AlignLeft,
               false, true);
        s.Text(QPointF(90, v.axisY - 60), QStringLiteral("Fitting"));
        s.Text(QPointF(240, v.axisY - 12), QStringLiteral("Gage"));
        s.Leader(QPointF(240, v.axisY - 80), QPointF(face, v.axisY - outer + 4),
                 QStringLiteral("Face of fitting"), Qt::AlignLeft);
    }
}

} // namespace

QSizeF PipeDrawingSize(PipeDrawing drawing) {
    switch (drawing) {
    case PipeDrawing::ThreadDims:
        return {300, 156};
    case PipeDrawing::Tols:
        return {411, 286};
    case PipeDrawing::Gages:
        return {300, 344};
    case PipeDrawing::None:
        break;
    }
    return {};
}

double PipeDrawingTextSize(PipeDrawing drawing) {
    switch (drawing) {
    case PipeDrawing::ThreadDims:
        return kThreadDimsText;
    case PipeDrawing::Tols:
        return kTolsText;
    case PipeDrawing::Gages:
        return kGagesText;
    case PipeDrawing::None:
        break;
    }
    return 0;
}

void PaintPipeDrawing(QPainter& painter, const QRectF& target, PipeDrawing drawing) {
    const QSizeF natural = PipeDrawingSize(drawing);
    if (natural.isEmpty() || target.isEmpty()) return;
    const double scale =
        std::min(target.width() / natural.width(), target.height() / natural.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate(target.center());
    painter.scale(scale, scale);
    painter.translate(-natural.width() / 2, -natural.height() / 2);
    painter.setClipRect(QRectF(QPointF(0, 0), natural), Qt::IntersectClip);
    switch (drawing) {
    case PipeDrawing::ThreadDims:
        PaintThreadDims(painter);
        break;
    case PipeDrawing::Tols:
        PaintTols(painter);
        break;
    case PipeDrawing::Gages:
        PaintGages(painter);
        break;
    case PipeDrawing::None:
        break;
    }
    painter.restore();
}
