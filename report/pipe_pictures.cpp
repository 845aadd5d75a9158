// The picture files of the pipe reports: their names, where a report finds
// them, and the drawings rendered as pictures that know their resolution.
#include "report/pipe_drawings.h"

#include "core/settings.h"

#include <QCoreApplication>
#include <QPainter>

#include <cmath>

QString PipeDrawingFileName(PipeDrawing drawing) {
    switch (drawing) {
    case PipeDrawing::ThreadDims:
        return QStringLiteral("NPTDims.bmp");
    case PipeDrawing::Tols:
        return QStringLiteral("NPTTols.bmp");
    case PipeDrawing::Gages:
        return QStringLiteral("NPTGages.bmp");
    case PipeDrawing::None:
        break;
    }
    return {};
}

QString PipePicturePath(PipeDrawing drawing) {
    const QString name = PipeDrawingFileName(drawing);
    if (name.isEmpty()) return {};
    const std::string programDir = QCoreApplication::applicationDirPath().toStdString() + "/";
    return QString::fromStdString(FindDataPath(programDir, name.toStdString()));
}

QImage PipePictureImage(PipeDrawing drawing, double dpi) {
    const QSizeF natural = PipeDrawingSize(drawing);
    if (natural.isEmpty()) return {};
    const double scale = dpi / 96.0;
    QImage image(static_cast<int>(std::lround(natural.width() * scale)),
                 static_cast<int>(std::lround(natural.height() * scale)), QImage::Format_RGB32);
    const int dpm = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPipeDrawing(painter, QRectF(QPointF(0, 0), image.size()), drawing);
    painter.end();
    // Black on white: a grey palette keeps the files a third of the size.
    QList<QRgb> greys;
    for (int g = 0; g < 256; ++g)
        greys.append(qRgb(g, g, g));
    QImage indexed = image.convertToFormat(QImage::Format_Indexed8, greys);
    indexed.setDotsPerMeterX(dpm);
    indexed.setDotsPerMeterY(dpm);
    return indexed;
}
