#pragma once
// "Ball Mic Calculator (HB)": the side and method on its "Options" page, the
// method's entries on its "Data" page.

#include "gauges/ball_mic.h"

#include <QDialog>

#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

class TfrmBallMic : public QDialog {
    Q_OBJECT
public:
    explicit TfrmBallMic(QWidget* parent = nullptr);
    ~TfrmBallMic() override;

    // After OK: the calculation of the "Options" page with all six entries
    // (a hidden one keeps its last text), not yet calculated.
    std::unique_ptr<TBallMic> TakeBallMic();

    void BitBtn3Click();
    void optPlaneClick();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The six entries, visible or not, into the ball micrometer's inputs.
    void FillFromEntries(TBallMic& bm) const;

    void FormShow();

    std::unique_ptr<TBallMic> ballMic_;
    QStackedWidget* Notebook1 = nullptr;
    QGroupBox* optIntExt = nullptr;
    QRadioButton* optInternal = nullptr;
    QRadioButton* optExternal = nullptr;
    QGroupBox* optPlane = nullptr;
    QRadioButton* optAtPlane = nullptr;
    QRadioButton* optOtherPlane = nullptr;
    QGroupBox* optDia = nullptr;
    QRadioButton* optPlaneDiaGiven = nullptr;
    QRadioButton* optApexDiaGiven = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QLineEdit* txtAngle = nullptr;
    QLineEdit* txtBallDia = nullptr;
    QLineEdit* txtPlaneDia = nullptr;
    QLineEdit* txtDisToPlane = nullptr;
    QLineEdit* txtDisOverBall = nullptr;
    QLineEdit* txtApexDia = nullptr;
    QLabel* labels_[6] = {};
    QPushButton* BitBtn1 = nullptr;
};

// The dialog of the frame: created on first use and reused.
TfrmBallMic& BallMicDialog(QWidget* frame);
