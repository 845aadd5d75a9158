#pragma once
// The three pipe thread drawings, each one painter routine for the window,
// the preview, the printer, PDF and the picture files the pipe reports read.

#include "pipe/pipe_pages.h"

#include <QSizeF>
#include <QString>

class QPainter;
class QRectF;

// Natural size of a drawing in pixels at 96 dpi (its aspect ratio).
QSizeF PipeDrawingSize(PipeDrawing drawing);
// Paints the drawing scaled to fit `target`, centred, aspect kept.
void PaintPipeDrawing(QPainter& painter, const QRectF& target, PipeDrawing drawing);
// The picture file a pipe report prints: "NPTDims.bmp", "NPTTols.bmp",
// "NPTGages.bmp"; empty for None.
QString PipeDrawingFileName(PipeDrawing drawing);
