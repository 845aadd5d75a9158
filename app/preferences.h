#pragma once
// The Preferences dialog (table data path, company name, the display unit of
// new inch threads, the paper of reports, how wire readings are calculated
// and where the gauge register is, written to both INI files on OK) and the Path dialog that
// browses for the table folder.

#include <QDialog>
#include <QTimer>

#include <functional>
#include <string>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeView;

class TfrmPath : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPath(QWidget* parent = nullptr);

    // Opens the tree at this directory when it exists.
    void SetDirectory(const QString& dir);
    // The directory shown in Label1.
    QString Directory() const;

private:
    void DriveComboBox1Change(int index);
    void DirectoryChanged(const QModelIndex& current);

    QComboBox* DriveComboBox1;
    QFileSystemModel* model_;
    QTreeView* DirectoryListBox1;
    QLabel* Label1;
    QTimer scrollTimer_;
};

// Empty when the folder holds the thread tables; otherwise the question whether
// to keep it anyway.
QString MissingTablesWarning(const QString& path);

class TfrmPref : public QDialog {
    Q_OBJECT
public:
    // The fields are filled once, here, from the settings already read.
    // `pathDialog` gives the Path dialog when the folder button is first used.
    TfrmPref(std::string plwinIni, std::string pluserIni, std::function<TfrmPath&()> pathDialog,
             QWidget* parent = nullptr);

    void Win95SpeedButton1Click();
    void BitBtn1Click();

private:
    std::string plwinIni_;
    std::string pluserIni_;
    std::function<TfrmPath&()> path_;
    QLineEdit* txtTablePath;
    QLineEdit* txtComp;
    QComboBox* cboInchUnit;
    QComboBox* cboPaper;
    QComboBox* cboWireReadings;
    QLineEdit* txtRegister;
    QToolButton* Win95SpeedButton1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};
