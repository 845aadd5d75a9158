#include "report/profile_report.h"

#include "pages/profile_geometry.h"
#include "report/profile_drawing.h"
#include "report/report_page.h"
#include "report/report_works.h"

#include <QImage>
#include <QPainter>

#include <cmath>

void PrintProfilePage(TReportWorks& rpt, TTInfo& rec, bool metricDisplay) {
    const ProfileGeometry g = BuildProfileGeometry(rec, metricDisplay);
    if (!g.available) return;
    rpt.NewPage();
    rpt.SetFont(kReportSerif, 14);
    rpt.BoldOn();
    rpt.PrintCenter(QStringLiteral("Thread Profile and Tolerance Zones"));
    rpt.NewLine();
    rpt.PlainFont();
    rpt.NewLine();
    // Six and a half inches wide at 300 dots per inch: fine lines on paper.
    constexpr double kDpi = 300;
    const QSizeF size = ProfileDrawingSize();
    const double wide = 6.5, high = wide * size.height() / size.width();
    QImage image(static_cast<int>(std::lround(wide * kDpi)),
                 static_cast<int>(std::lround(high * kDpi)), QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(kDpi / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(kDpi / 0.0254)));
    {
        QPainter painter(&image);
        PaintProfileDrawing(painter, QRectF(QPointF(0, 0), QSizeF(image.size())), g);
    }
    rpt.GotoXY(0, rpt.GetY());
    rpt.DrawGraphic(image);
    rpt.GotoXY(0, rpt.GetY() + high + 0.2);
    PrintReportFooter(rpt);
}
