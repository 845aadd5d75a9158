#pragma once
// The start-up window: the product picture, shown before the frame. It hides
// itself when clicked or after its own five seconds; the frame hides it after four.

#include <QTimer>
#include <QWidget>

class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);

    // Shows and paints at once, before the event loop runs.
    void ShowNow();
    void Timer1Timer();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    QTimer timer_;
};
