#pragma once
// The ball micrometer HB-5000 on a taper: one painter routine for the
// thread window's picture and any other surface.

class QPainter;
class QRectF;

// Paints the drawing scaled to fit `target`, centred, aspect kept; `internal`
// draws a tapered bore instead of a taper plug.
void PaintBallMicDrawing(QPainter& painter, const QRectF& target, bool internal);
