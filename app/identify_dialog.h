#pragma once
// Tools | Identify Thread: from a measured diameter and pitch, the standard
// threads the part may carry, closest first; one of them opens in a new
// thread window.

#include "pages/identify.h"

#include <QDialog>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

class TfrmIdentify : public QDialog {
    Q_OBJECT
public:
    // `open` calculates a listed thread in a new thread window.
    explicit TfrmIdentify(std::function<void(const ParameterEntry&)> open,
                          QWidget* parent = nullptr);

    // Identify pressed: the list, or the reason there is none in the note line.
    void btnIdentifyClick();
    // The selected row's thread opened; false when no row is selected.
    bool btnOpenThreadClick();

private:
    std::function<void(const ParameterEntry&)> open_;
    std::vector<IdentifyMatch> matches_;
    QRadioButton* optExternal;
    QRadioButton* optInternal;
    QLineEdit* txtMeasuredDia;
    QComboBox* cboDiaUnit;
    QLineEdit* txtMeasuredPitch;
    QComboBox* cboPitchUnit;
    QPushButton* btnIdentify;
    QLabel* lblIdentifyNote;
    QTableWidget* grdMatches;
    QPushButton* btnOpenThread;
};

// Shows the frame's one Identify Thread dialog, creating it the first time.
void ShowIdentifyDialog(QWidget* frame, std::function<void(const ParameterEntry&)> open);
