#pragma once
// "Calibrate": a thread plug or setting plug measured over three wires, its
// uncertainty budget, U and k and the verdict, built by pages/calibration_page;
// its .cal file, its certificate and its place in the gauge register.

#include "gauges/calibration.h"
#include "pages/calibration_page.h"

#include <QDialog>

#include <memory>
#include <vector>

class GaugeRegister;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TColorStringGrid;
class TTInfo;

class TCalibrateDialog : public QDialog {
    Q_OBJECT
public:
    // `rec` is the window's calculated record; it must outlive the dialog
    // (the dialog is modal over its window).
    TCalibrateDialog(TTInfo& rec, CalMember member, bool metric, QWidget* parent = nullptr);
    ~TCalibrateDialog() override;

    // The entries as typed.
    CalibrationEntry Entry() const;
    // Calculates; false when the entries were refused (with the message shown).
    bool btnCalculateClick();
    const CalibrationPageText& Page() const { return page_; }

    // The .cal file: the thread it holds replaces the window's in this
    // dialog. Each false with its message shown.
    bool OpenCalFile(const QString& fileName);
    bool SaveCalFile(const QString& fileName);
    // The certificate in the preview, or on the printer.
    void PrintCertificate(bool preview);
    // The calibration stored under the identity's serial number; the gauge
    // must be in the register. False with the message shown.
    bool StoreInRegister();
    // The register the calibration is stored in; none leaves the button disabled
    // with the reason as its tip.
    void UseRegister(std::unique_ptr<GaugeRegister> reg, const QString& why);

private:
    TTInfo& Rec() const;
    void SetEntry(const CalibrationEntry& e);
    void ShowDefaults();
    void ClearResults();

    TTInfo* windowRec_;
    std::unique_ptr<TTInfo> fileRec_; // the thread of an opened .cal file
    bool metric_;
    CalibrationPageText page_;
    CalibrationEntry printed_; // the entries the certificate is printed from
    std::unique_ptr<GaugeRegister> register_;

    QComboBox* cboCalMember = nullptr;
    std::vector<QLineEdit*> inputs_;   // in the order of the entry's fields
    std::vector<QLineEdit*> identity_; // serial ... environment
    TColorStringGrid* grdCalBudget = nullptr;
    TColorStringGrid* grdCalSummary = nullptr;
    QLabel* lblCalKRule = nullptr;
    QLabel* lblCalReadings = nullptr;
    QLabel* lblCalVerdict = nullptr;
    QPushButton* btnCalRegister = nullptr;
};
