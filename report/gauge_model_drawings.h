#pragma once
// The pictures of the indicating thread gauge models on the gauge-setting
// page: one painter routine per model for the window, the preview, the
// printer and PDF.

#include <QSizeF>
#include <QString>

#include <string>

class QPainter;
class QRectF;

enum class GaugeModelPicture {
    Blank,
    MX3000,  // external point gage
    NX2000,  // internal point gage
    NP2000,  // internal roll gage
    MR3000,  // external roll gage
    NSP2000, // small internal gage
    MSR3000, // small external gage
};

// The picture of a picture name as the page texts give it ("MX3000" ...);
// Blank for any other text.
GaugeModelPicture GaugeModelPictureOf(const std::string& name);
QString GaugeModelPictureName(GaugeModelPicture picture);
// Natural size in pixels at 96 dpi (the aspect ratio), the same for every model.
QSizeF GaugeModelDrawingSize();
// Height of the labels in the drawing's own units.
double GaugeModelDrawingTextSize();
// Paints the picture scaled to fit `target`, centred, aspect kept.
void PaintGaugeModel(QPainter& painter, const QRectF& target, GaugeModelPicture picture);
