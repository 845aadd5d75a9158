#pragma once
// The "Orvalle" page of the thread window: the setting values of the maker's
// point or roll gauge for the internal or the external thread, the point
// diameter entry, the recalled-roll notice and the picture of the gauge model.
// It shows the page texts it is given and formats nothing itself.

#include "report/gauge_model_drawings.h"

#include <QWidget>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
struct GaugeSettingText;

// The gauge-model picture, scaled to the width it is given.
class TGaugeModelView : public QWidget {
    Q_OBJECT
public:
    explicit TGaugeModelView(QWidget* parent = nullptr);
    void SetPicture(GaugeModelPicture picture);
    GaugeModelPicture Picture() const { return picture_; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GaugeModelPicture picture_ = GaugeModelPicture::Blank;
};

class TGaugeSettingPage : public QWidget {
    Q_OBJECT
public:
    explicit TGaugeSettingPage(QWidget* parent = nullptr);

    // optGage on "Functional Roll Gage"; optExt on "External Dims.".
    bool RollGauge() const;
    bool External() const;
    void SetRollGauge(bool roll);
    void SetExternal(bool external);
    QString PointDiaEntry() const;
    void Show(const GaugeSettingText& text);
    // Before the first calculation: no values, no picture.
    void Clear();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // optExtClick: either choice changed.
    void choiceChanged();
    // btnCalcClick: a point diameter was entered.
    void pointDiaEntered();
    // The note was clicked: it names the gauge-setting help page.
    void helpRequested();

private:
    QGroupBox* optGage = nullptr;
    QButtonGroup* gageButtons_ = nullptr;
    QRadioButton* optPointGage = nullptr;
    QRadioButton* optRollGage = nullptr;
    QGroupBox* optExt = nullptr;
    QButtonGroup* extButtons_ = nullptr;
    QRadioButton* optInternal = nullptr;
    QRadioButton* optExternal = nullptr;
    QLabel* lblGageCaption = nullptr;
    QLabel* lblGage = nullptr;
    QLabel* lblSetFlat = nullptr;
    QLabel* lblFlat = nullptr;
    QLabel* lblSetV = nullptr;
    QLabel* lblV = nullptr;
    QLabel* lblSetPoint = nullptr;
    QLabel* lblPoint = nullptr;
    QLabel* lblPointDia = nullptr;
    QLineEdit* txtBallDia = nullptr;
    QPushButton* btnCalc = nullptr;
    QLabel* lblTolCaption = nullptr;
    QLabel* lblTolerance = nullptr;
    QLabel* lblDiffTol = nullptr;
    QLabel* lblDiffTolValue = nullptr;
    QLabel* lblSettingNote = nullptr;
    QFrame* pnlGMNote = nullptr;
    QPlainTextEdit* memGMNote = nullptr;
    TGaugeModelView* imgGage = nullptr;
};
