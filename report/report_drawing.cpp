// Rules, lines and pictures of the report engine.
#include "report/report_works.h"

#include "report/report_pixels.h"

#include <algorithm>

void TReportWorks::Line(int x1, int y1, int x2, int y2) {
    painter_.drawLine(x1, y1, x2, y2);
}

void TReportWorks::DrawRule() {
    const int y = y_;
    penPos_ = QPoint(marginPx_[kRight], y);
    if (!Drawing()) return;
    const QPen saved = painter_.pen();
    if (lineWidth_ != lwDefault) {
        static const double kPerInch[] = {0, 100, 50, 25, 15, 10};
        QPen pen = saved;
        pen.setWidth(std::max(1, RoundPixels(resY_ / kPerInch[lineWidth_])));
        painter_.setPen(pen);
    }
    Line(marginPx_[kLeft], y, marginPx_[kRight], y);
    painter_.setPen(saved);
}

void TReportWorks::DrawLineTo(double x, double y) {
    const QPoint from = penPos_;
    GotoXY(x, y);
    penPos_ = QPoint(x_, y_);
    if (Drawing()) Line(from.x(), from.y(), x_, y_);
}

void TReportWorks::DrawGraphic(const QImage& picture) {
    if (!Drawing() || picture.isNull()) return;
    const QSizeF inches = PictureInches(picture);
    const double perInchX = destination_ == dPreview ? kScreenPixelsPerInch * zoom_ / 100.0 : resX_;
    const double perInchY = destination_ == dPreview ? kScreenPixelsPerInch * zoom_ / 100.0 : resY_;
    // A fine picture shrunk for the screen keeps its thin lines.
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_.drawImage(QRect(x_, y_, RoundPixels(inches.width() * perInchX),
                             RoundPixels(inches.height() * perInchY)),
                       picture);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

QSizeF PictureInches(const QImage& picture) {
    // A bitmap without a resolution of its own has one pixel per screen pixel.
    auto dpi = [](int dotsPerMeter) {
        return dotsPerMeter > 0 ? dotsPerMeter * 0.0254 : double(kScreenPixelsPerInch);
    };
    return {picture.width() / dpi(picture.dotsPerMeterX()),
            picture.height() / dpi(picture.dotsPerMeterY())};
}
