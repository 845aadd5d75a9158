#pragma once
// The thread window's "Inspect" page: measured readings over wires (or measured
// pitch diameters) of the external thread, a Check button and the verdict grid
// built by pages/inspect_page.

#include "pages/result_pages.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TColorStringGrid;
class TTInfo;

class TInspectPage : public QWidget {
    Q_OBJECT
public:
    // record gives the window's current record (null before a calculation).
    explicit TInspectPage(std::function<const TTInfo*()> record, QWidget* parent = nullptr);

    // The window shows its record anew in this display unit: a new record
    // clears the result, the same one in another unit is checked again.
    void Refresh(bool metric);
    // Checks the entries; false when they were refused (with the message shown).
    bool btnCheckClick();
    // The grid shown; empty before a check.
    const TextGrid& Grid() const { return grid_; }
    // The lines under the grid: the verdict and the readings' correction.
    const std::vector<std::string>& Notes() const { return notes_; }

private:
    void ShowWireEntry();
    void Clear();

    std::function<const TTInfo*()> record_;
    const void* shown_ = nullptr; // the record of the last refresh, only compared
    bool metric_ = false;
    TextGrid grid_;
    std::vector<std::string> notes_;

    QRadioButton* optInspectMOW = nullptr;
    QRadioButton* optInspectPD = nullptr;
    // The thread, or an ISO 1502 screw plug of an M thread.
    QComboBox* cboInspectGauge = nullptr;
    QLineEdit* txtInspectValues = nullptr;
    QLabel* lblInspectWire = nullptr;
    QLineEdit* txtInspectWire = nullptr;
    QPushButton* btnInspectCheck = nullptr;
    TColorStringGrid* grdInspect = nullptr;
    QLabel* lblInspectVerdict = nullptr;
};
