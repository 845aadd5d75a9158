#pragma once
// The thread profile with its tolerance zones: one painter routine for the
// window's Profile page, the thread report and the SVG file.

#include <QRectF>
#include <QSizeF>

class QFont;
class QPainter;
struct ProfileGeometry;

// What part of the profile a view shows: zoom 1 fits the whole band; the
// centre moves by (panX, panY) inches of the drawing.
struct ProfileView {
    double zoom = 1;
    double panX = 0;
    double panY = 0;
};

// The size (points) the report and the SVG file give the drawing.
QSizeF ProfileDrawingSize();

// Paints the profile into `target` at one scale along and across the axis,
// with the limits labelled beside it: external on the left, internal on the right.
void PaintProfileDrawing(QPainter& painter, const QRectF& target, const ProfileGeometry& g,
                         const ProfileView& view = {});
// Pixels per inch of the profile in `target` as PaintProfileDrawing draws it
// with a painter of `font` (for dragging the view by the mouse).
double ProfileScale(const QRectF& target, const QFont& font, const ProfileGeometry& g,
                    const ProfileView& view);
