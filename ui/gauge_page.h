#pragma once
// One gauge page of the thread window, built alike for Ring Gage, Set Plug and
// Plug Gage: the grid, the note standing in for missing tolerances, the lead and
// angle tolerances, the class W / X options (Set Plug), the wire box (the plug
// pages), the GO / NoGo choice (and Calibrate on the plug pages) and the New PD box. It shows the
// page texts it is given and says what was asked for; the window does the work.

#include "pages/clipboard_text.h"

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;
class TColorStringGrid;
struct GaugeClassChoice;
struct GaugePageText;

class TGaugePage : public QWidget {
    Q_OBJECT
public:
    explicit TGaugePage(GaugePage kind, QWidget* parent = nullptr);

    GaugePage Kind() const { return kind_; }
    void Show(const GaugePageText& page);
    void SetDimmed(bool dimmed);
    // The GO gauge is chosen (otherwise NoGo): for the clipboard and New PD.
    bool GoChosen() const;

    // Set Plug: which gauge classes are offered and checked.
    void ShowClassOptions(const GaugeClassChoice& choice);
    void CheckClassW(bool classW);

    // The plug pages' wire box: the list and the size in use, or a typed text.
    void ShowWireSizes(const std::vector<std::string>& sizes, const std::string& text);
    void SetWireText(const QString& text);
    QString WireText() const;

signals:
    void helpRequested();
    void classChosen(bool classW);
    void wireSizeEntered();
    // The New PD box: the typed pitch diameter, for the GO or the NoGo gauge.
    void fitRequested(bool go, const QString& pitchDiameter);
    // The plug pages: calibrate the GO or the NoGo gauge.
    void calibrateRequested(bool go);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildToleranceLabels(const char* leadName, const char* angleName);
    QLayout* BuildClassOptions();
    QWidget* BuildWireBox(const char* boxName, const char* buttonName);
    QWidget* BuildGoNoGo(const char* goName, const char* nogoName, const char* calibrateName);
    QWidget* BuildNewPDBox(const char* entryName, const char* buttonName);

    GaugePage kind_;
    TColorStringGrid* grid_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* leadTol_ = nullptr;
    QLabel* angleTol_ = nullptr;
    QWidget* tolerances_ = nullptr;
    QRadioButton* classW_ = nullptr;
    QRadioButton* classX_ = nullptr;
    QComboBox* wireBox_ = nullptr;
    QRadioButton* go_ = nullptr;
    QLineEdit* newPD_ = nullptr;
};
