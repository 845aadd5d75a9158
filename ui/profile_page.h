#pragma once
// The "Profile" page of the thread window: the profile drawing with zoom
// (mouse wheel, + and - buttons, Fit) and panning by dragging.

#include "pages/profile_geometry.h"
#include "report/profile_drawing.h"

#include <QPoint>
#include <QWidget>

class TProfileCanvas : public QWidget {
    Q_OBJECT
public:
    explicit TProfileCanvas(QWidget* parent = nullptr);
    void SetGeometry(const ProfileGeometry& g);
    const ProfileView& View() const { return view_; }
    // Zoom by a factor about the centre of the view.
    void ZoomBy(double factor);
    void Fit();

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    double PixelsPerInch() const;
    ProfileGeometry geometry_;
    ProfileView view_;
    QPoint dragFrom_;
};

class TProfilePage : public QWidget {
    Q_OBJECT
public:
    explicit TProfilePage(QWidget* parent = nullptr);
    void SetGeometry(const ProfileGeometry& g) { canvas_->SetGeometry(g); }
    TProfileCanvas* Canvas() const { return canvas_; }

private:
    TProfileCanvas* canvas_;
};
