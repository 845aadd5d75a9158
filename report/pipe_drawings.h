#pragma once
// The three pipe thread drawings, each one painter routine for the window,
// the preview, the printer, PDF and the picture files the pipe reports read.

#include "pipe/pipe_pages.h"

#include <QImage>
#include <QSizeF>
#include <QString>

class QPainter;
class QRectF;

// Natural size of a drawing in pixels at 96 dpi (its aspect ratio).
QSizeF PipeDrawingSize(PipeDrawing drawing);
// Height of the drawing's labels in its own units: a view scales the drawing
// so that they come out at least as large as its own text.
double PipeDrawingTextSize(PipeDrawing drawing);
// Paints the drawing scaled to fit `target`, centred, aspect kept.
void PaintPipeDrawing(QPainter& painter, const QRectF& target, PipeDrawing drawing);
// The picture file a pipe report prints: "NPTDims.bmp", "NPTTols.bmp",
// "NPTGages.bmp"; empty for None.
QString PipeDrawingFileName(PipeDrawing drawing);
// Where a report finds a picture file: beside the program, else in the
// installed data folder; empty when neither has it.
QString PipePicturePath(PipeDrawing drawing);
// The drawing as a picture at `dpi` that knows its resolution, so that it
// prints at its natural size (natural pixels / 96 inches).
QImage PipePictureImage(PipeDrawing drawing, double dpi);
