#pragma once
// The gauge-setting page of a thread window in ball micrometer mode: the
// setting dimension and distance over the ball of model HB-5000, the side,
// and the ball diameter entry.

#include <QWidget>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TBallMic;

class TBallMicPage : public QWidget {
    Q_OBJECT
public:
    explicit TBallMicPage(QWidget* parent = nullptr);
    void Show(const TBallMic& bm);
    bool InternalChosen() const;
    QString BallDiaText() const;

signals:
    void optExtClick();
    void btnCalcClick();

private:
    QRadioButton* optInternal = nullptr;
    QRadioButton* optExternal = nullptr;
    QLabel* lblSetFlat = nullptr;
    QLabel* lblFlat = nullptr;
    QLabel* lblSetV = nullptr;
    QLabel* lblV = nullptr;
    QLabel* lblPointDia = nullptr;
    QLineEdit* txtBallDia = nullptr;
    QPushButton* btnCalc = nullptr;
    QLabel* lblGage = nullptr;
    QLabel* lblFlatUnit = nullptr;
    QLabel* lblVUnit = nullptr;
    QGridLayout* inputGrid_ = nullptr;
    QWidget* picture_ = nullptr;
};
