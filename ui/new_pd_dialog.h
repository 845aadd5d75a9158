#pragma once
// "New PD Values": which pitch-diameter limit a measured value stands for,
// and the value.

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

class TfrmNewPD : public QDialog {
    Q_OBJECT
public:
    explicit TfrmNewPD(QWidget* parent = nullptr);
    // 1 external max, 2 external min, 3 internal min, 4 internal max.
    int Limit() const;
    QString Text() const;

private:
    QComboBox* cboPDType = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
};
