// The "Profile" page: zoom and pan of the drawing it is given; changes itself only.
#include "ui/profile_page.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kStep = 1.25;
constexpr double kMinZoom = 0.25;
constexpr double kMaxZoom = 64;

} // namespace

TProfileCanvas::TProfileCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("profileCanvas"));
    setMinimumSize(360, 260);
    setCursor(Qt::OpenHandCursor);
}

void TProfileCanvas::SetGeometry(const ProfileGeometry& g) {
    // A new thread keeps the zoom but starts centred.
    geometry_ = g;
    view_.panX = view_.panY = 0;
    update();
}

void TProfileCanvas::ZoomBy(double factor) {
    view_.zoom = std::clamp(view_.zoom * factor, kMinZoom, kMaxZoom);
    update();
}

void TProfileCanvas::Fit() {
    view_ = {};
    update();
}

void TProfileCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintProfileDrawing(p, QRectF(rect()), geometry_, view_);
}

void TProfileCanvas::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0) ZoomBy(std::pow(kStep, steps));
    event->accept();
}

void TProfileCanvas::mousePressEvent(QMouseEvent* event) {
    dragFrom_ = event->position().toPoint();
}

double TProfileCanvas::PixelsPerInch() const {
    return ProfileScale(QRectF(rect()), font(), geometry_, view_);
}

void TProfileCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const QPoint at = event->position().toPoint();
    const QPoint moved = at - dragFrom_;
    dragFrom_ = at;
    const double scale = PixelsPerInch();
    view_.panX -= moved.x() / scale;
    view_.panY += moved.y() / scale;
    update();
}

TProfilePage::TProfilePage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("profilePage"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(4, 4, 4, 4);
    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const QString& text, const QString& tip) {
        auto* b = new QPushButton(text);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(tip);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* in = button("btnProfileZoomIn", QStringLiteral("+"), tr("Zoom in"));
    QPushButton* out = button("btnProfileZoomOut", QStringLiteral("-"), tr("Zoom out"));
    QPushButton* fit = button("btnProfileFit", tr("Fit"), tr("Show the whole profile"));
    buttons->addStretch(1);
    v->addLayout(buttons);
    canvas_ = new TProfileCanvas;
    v->addWidget(canvas_, 1);
    connect(in, &QPushButton::clicked, this, [this] { canvas_->ZoomBy(kStep); });
    connect(out, &QPushButton::clicked, this, [this] { canvas_->ZoomBy(1 / kStep); });
    connect(fit, &QPushButton::clicked, this, [this] { canvas_->Fit(); });
}
