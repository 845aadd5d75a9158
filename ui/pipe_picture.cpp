// A pipe drawing widget: paints through the report's drawing routine.
#include "ui/pipe_picture.h"

#include <QEvent>
#include <QFontInfo>
#include <QPainter>

#include <algorithm>
#include <cmath>

TPipePicture::TPipePicture(PipeDrawing drawing, QWidget* parent)
    : QWidget(parent), drawing_(drawing) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

QSize TPipePicture::sizeHint() const {
    // Never below the natural size; larger as the window's font is larger.
    const QSizeF natural = PipeDrawingSize(drawing_);
    const double text = PipeDrawingTextSize(drawing_);
    const double fontPx = QFontInfo(font()).pixelSize();
    const double scale = text > 0 ? std::max(1.0, fontPx / text) : 1.0;
    return {static_cast<int>(std::ceil(natural.width() * scale)),
            static_cast<int>(std::ceil(natural.height() * scale))};
}

void TPipePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintPipeDrawing(painter, QRectF(rect()), drawing_);
}

void TPipePicture::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) updateGeometry();
}
