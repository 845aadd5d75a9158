#include "report/profile_svg.h"

#include "core/atomic_file.h"
#include "pages/profile_geometry.h"
#include "report/profile_drawing.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include <cerrno>

bool WriteProfileSvg(const ProfileGeometry& g, const std::string& path, std::string* reason) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const QSizeF size = ProfileDrawingSize();
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), size));
    svg.setResolution(72); // one unit a point
    svg.setTitle(QString::fromStdString(g.title));
    svg.setDescription(QStringLiteral("Thread profile and tolerance zones"));
    {
        QPainter painter(&svg);
        PaintProfileDrawing(painter, QRectF(QPointF(0, 0), size), g);
    }
    const QByteArray& bytes = buffer.data();
    if (const int error = WriteFileAtomically(
            path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        // In the words of the report's PDF: a folder or a device is no file to write.
        if (reason)
            *reason = error == EISDIR || error == kNotRegularFileError ? "not a regular file"
                                                                       : FileErrorText(error);
        return false;
    }
    return true;
}
