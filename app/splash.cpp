#include "app/splash.h"

#include "app/artwork.h"
#include "app/product.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(SplashPicture(ProductName(), ProductVersionLine())) {
    setObjectName("frmSplash");
    setFixedSize(picture_.size());
    timer_.setObjectName("Timer1");
    timer_.setInterval(5000);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &TfrmSplash::Timer1Timer);
}

void TfrmSplash::ShowNow() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    repaint();
    QCoreApplication::processEvents();
    timer_.start();
}

void TfrmSplash::Timer1Timer() {
    timer_.stop();
    hide();
}

void TfrmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
}

void TfrmSplash::mousePressEvent(QMouseEvent*) {
    hide();
}
