// Writes the picture files of the pipe reports from the drawing routines:
//   write_pipe_pictures <folder> [--png <scale>]
// With --png it writes PNG files at <scale> times the natural size instead,
// for looking at the drawings.
#include "report/pipe_drawings.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: write_pipe_pictures <folder> [--png <scale>]\n");
        return 2;
    }
    const QDir dir(args[1]);
    const int png = args.indexOf(QStringLiteral("--png"));
    const double scale = png > 0 && png + 1 < args.size() ? args[png + 1].toDouble() : 0;
    for (PipeDrawing d : {PipeDrawing::ThreadDims, PipeDrawing::Tols, PipeDrawing::Gages}) {
        QString name = PipeDrawingFileName(d);
        // The reports print the pictures at 300 dpi: sharp on paper, natural size.
        QImage image = PipePictureImage(d, scale > 0 ? 96 * scale : 300);
        if (scale > 0) name.replace(QLatin1String(".bmp"), QLatin1String(".png"));
        if (!image.save(dir.filePath(name))) {
            std::fprintf(stderr, "write_pipe_pictures: can not write %s\n",
                         qPrintable(dir.filePath(name)));
            return 1;
        }
    }
    return 0;
}
