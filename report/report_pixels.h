#pragma once
// Pixel arithmetic shared by the parts of the report engine.

#include "report/report_hooks.h"

#include <QImage>

#include <cmath>

// Rounds half to even, as the layouts were computed on their original platform.
inline int RoundPixels(double v) {
    return static_cast<int>(std::nearbyint(v));
}

inline int DotsPerMeter(double dpi) {
    return RoundPixels(dpi / 0.0254);
}

// A white image that reports the screen resolution the preview assumes.
inline QImage ScreenImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMeter(kScreenPixelsPerInch));
    image.setDotsPerMeterY(DotsPerMeter(kScreenPixelsPerInch));
    image.fill(Qt::white);
    return image;
}
