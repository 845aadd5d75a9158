#pragma once
// "Set Dim Tool": thread type, pitch and one pitch diameter for the setting
// dimensions of the point and roll gauges.

#include "pages/set_dim.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TfrmSetDim : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSetDim(QWidget* parent = nullptr);
    // Both PD entries empty and the external one chosen, as every use starts.
    void Reset();
    SetDimEntry Entry() const;

private:
    void optExternalClick();
    void cboTypeChange();

    QComboBox* cboType = nullptr;
    QLabel* Label5 = nullptr; // the pitch caption, as on the Parameters page
    QLineEdit* txtPitch = nullptr;
    QRadioButton* optExternal = nullptr;
    QRadioButton* optInternal = nullptr;
    QLineEdit* txtExtPD = nullptr;
    QLineEdit* txtIntPD = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
};
