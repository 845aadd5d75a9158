#pragma once
// The About box: product name, version, picture and the grid of build facts.

#include <QDialog>
#include <QString>

#include <utility>
#include <vector>

class QTableWidget;

// Name and value rows of the grid: the operating system first, then the build.
std::vector<std::pair<QString, QString>> VersionRows();

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTableWidget* VerGrid;
};
