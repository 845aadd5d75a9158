#pragma once
// Tools | Gauge Register: the register's gauges in a table, filtered and
// sorted by the register, overdue rows and those due within 30 days marked;
// add, quarantine, retire and return to use, each gauge's history, CSV in and
// out, and a gauge's thread opened in a thread window.

#include "register/gauge_register.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QStandardItemModel;
class QTableView;
class TTInfo;

// What the frame lends the window: the record of the active thread window
// (null when there is none) and the opening of a thread file in a new window.
struct RegisterWindowLinks {
    std::function<TTInfo*()> activeRecord;
    std::function<void(const QString& threadFile)> openThread;
};

class TfrmRegister : public QDialog {
    Q_OBJECT
public:
    TfrmRegister(std::unique_ptr<GaugeRegister> reg, RegisterWindowLinks links,
                 QWidget* parent = nullptr);
    ~TfrmRegister() override;

    // Lists the gauges again as the filter and sort say; false with the
    // message shown when the register could not be read.
    bool Refresh();
    const std::vector<RegisterEntry>& Entries() const { return entries_; }
    QTableView* Table() const { return grdRegister; }
    // The gauge of the selected row; empty when none is selected.
    std::string SelectedSerial() const;

    // A new gauge: the entries as typed (the interval in days), its thread file
    // the active window's thread when `withThread`. False with the message shown.
    bool AddGauge(GaugeRecord g, bool withThread);
    bool SetSelectedStatus(GaugeStatus status);
    // The selected gauge's calibrations, oldest first, as the CSV file's columns.
    bool ShowHistory();
    bool ImportCsv(const QString& fileName);
    bool ExportCsv(const QString& fileName, bool calibrations);
    // The selected gauge's thread file in a new thread window.
    bool OpenSelectedThread();

private:
    void AddClick();
    bool Failed(const RegisterResult& r);

    std::unique_ptr<GaugeRegister> register_;
    RegisterWindowLinks links_;
    std::vector<RegisterEntry> entries_;
    QLineEdit* txtRegFilter = nullptr;
    QComboBox* cboRegMember = nullptr;
    QComboBox* cboRegStatus = nullptr;
    QComboBox* cboRegDue = nullptr;
    QComboBox* cboRegSort = nullptr;
    QCheckBox* chkRegDescending = nullptr;
    QTableView* grdRegister = nullptr;
    QStandardItemModel* model_ = nullptr;
};

// Tools | Gauge Register: the one window of the register set up (a server's
// connection string in PLUSER.INI, else the default file), raised when it is
// open already; the reason shown when the register cannot be opened.
void ShowRegisterWindow(QWidget* parent, RegisterWindowLinks links);
