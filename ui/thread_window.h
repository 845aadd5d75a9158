#pragma once
// The thread window "Thread Calculations": parameter page, Calculate, the
// result pages, thread files and the clipboard commands of one calculation.
// Its state is the model's (thread_window_model.h); its gauge and pipe pages
// are widgets of their own. Each thread_window_*.cpp file says what it may
// change; the frame (app/) uses the public part only.

#include "gauges/calibration.h"
#include "ui/thread_window_model.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>

class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabBar;
class QToolButton;
class TColorStringGrid;
class TGaugePage;
class TGaugeSettingPage;
class TInspectPage;
class TIso1502Page;
class TPipeGridPage;
class TPipePicture;
class TProfilePage;
class TBallMic;
class TBallMicPage;
class TCalibrateDialog;
class TTInfo;
struct SetDimEntry;

class TfrmThread : public QWidget {
    Q_OBJECT
public:
    explicit TfrmThread(QWidget* parent = nullptr);
    ~TfrmThread() override;

    // Frame commands. Each shows its own messages; false when it failed.
    bool OpenThreadFile(const QString& fileName);
    bool SaveThreadFile(const QString& fileName);
    void CopyCalCertData();
    void CopyThreadDims(bool internal);
    // Edit | Copy Page as CSV: the grids of the page shown (thread_window_csv.cpp).
    void CopyPageAsCsv();
    // Activation: publishes the window's display unit to the application.
    void FormActivate();
    // Millimetre display of this window; toggling redraws without recalculating.
    bool MetricFlag() const;
    void ToggleDisplayUnit();
    // False while the window shows a pipe thread: its tables are inches only.
    bool UnitSwitchable() const;
    // A wire size typed outside the window (the frame's "Use New Wire Size"):
    // taken as if entered in the setting plug page's box. False when refused.
    bool UseNewWireSize(const QString& text);
    // Prints the report of the page shown, or previews it first.
    void PrintThread(bool previewMode);
    // Re-evaluation: the nominal diameter at which the limit (1 external max,
    // 2 external min, 3 internal min, 4 internal max) equals the typed pitch
    // diameter goes into the page, and the page is calculated; a note under
    // the name says so and the window has unsaved changes. A target that can
    // not be reached leaves the window as it was. False when refused.
    bool FitToNewPD(int limit, const QString& text);
    // The Set Dim tool in a window of its own: the record built from the
    // entry and its gauge setting; the window shows nothing else and saves no
    // thread file. A refused entry leaves the window as it was. False when refused.
    bool RunSetDimTool(const SetDimEntry& entry);
    // Calculates a thread given as the parameter page would hold it (a thread
    // the Identify Thread dialog found) and shows it. False when refused.
    bool CalculateEntry(const ParameterEntry& entry);
    // "Calibrate" of a plug or setting plug of the record shown, in a dialog
    // modal over the window (thread_window_calibrate.cpp); null, after saying
    // why, when there is no thread calculation to calibrate against.
    TCalibrateDialog* OpenCalibrate(CalMember member);
    // True while the window shows a record of the Set Dim tool.
    bool SetDimFlag() const { return model_.SetDimShown(); }
    // A record the tools (new PD value, new wire size) can work on: a
    // calculated thread, not a Set Dim or ball micrometer window.
    bool HasThreadCalculation() const { return model_.HasThreadCalculation(); }
    // Changes since the last save or open (a re-evaluation).
    bool UnsavedChanges() const { return model_.Unsaved(); }
    // A result that closing the window would lose: calculated, changed or out
    // of date since the last save or open.
    bool WorkAtRisk() const;
    // False, after saying why, for a window whose result is not saved as a file.
    bool SaveAllowed();

    // Ball micrometer mode (thread_window_ballmic.cpp): the window shows a
    // ball micrometer calculation for the rest of its life.
    bool BallMicMode() const { return model_.BallMicMode(); }
    const TBallMic* BallMic() const { return model_.BallMic(); }
    // Takes the calculation of "Ball Mic (HB) Set Dim", calculates and shows it.
    void UseBallMic(std::unique_ptr<TBallMic> bm);
    // "Open Ball Mic": a file without a "ballmic" section is refused, and so is
    // one missing a value its method needs or holding one the dialog refuses.
    bool OpenBallMicFile(const QString& fileName);

    // The current record; null before the first Calculate.
    TTInfo* Record() const { return model_.Record(); }
    QString FileName() const { return model_.FileName(); }
    // The window's line in the frame's Window menu: designation and file name.
    QString MenuName() const;
    // Where File > Save writes without asking; empty for an untitled window.
    QString FilePath() const { return model_.FilePath(); }

    // The help page of the page shown (F1).
    QString HelpTopic() const;
    // The first entry box of the page shown takes the keyboard.
    void FocusFirstEntry();

    QSize sizeHint() const override;

signals:
    // The display unit of this window changed (the frame updates its menu).
    void metricFlagChanged(bool metric);
    // A page asks for a help page ("tables.html" from a gauge page's note).
    void helpRequested(const QString& page);
    // The record shown was replaced (a calculation, a file, a tool's result).
    void recordChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Construction of the parameter and thread pages (thread_window_pages.cpp).
    QWidget* BuildParameterPage();
    QWidget* BuildThreadPage();

    // Parameter page and tab set (thread_window.cpp).
    void cboTypeClick();
    void cboClassClick();
    void optCoatingClick();
    // Metric grades and engagement (thread_window_metric.cpp).
    void btnMetricClick();
    void optMetricLOEClick(int group);
    // The external class for the group asked, the group the radio group then
    // shows, and the notice.
    void ApplyMetricLOE(int asked);
    // Type switches between M and MJ keep the M classes and give them back.
    void KeepMClasses();
    void RestoreMClasses();
    void ShowMetricTols();
    // The type code of the type list's selection (M when none).
    uint16_t ShownTypeCode() const;
    void TabSet1Change(int index);
    // Every tab of a thread calculation side by side.
    int AllTabsWidth() const;
    void pnlNameDblClick();
    void RebuildTabs(bool pipePages);
    // "Parameters" and "Thread Dim.", and for NPT its two pages.
    void ShowPipeTabs(bool nptPages);
    // Any edit of the parameters: the engagement hint and the out-of-date mark.
    void ParametersEdited();
    void UpdateEngagementHint();
    // True while the page no longer describes the record shown.
    bool OutOfDate() const;
    void ShowOutOfDate();
    void ShowPage(int page);

    // The "Designation:" box (thread_window_designation.cpp): its text read
    // into the page's lists and boxes, or refused with the reader's message.
    void FillDesignation();
    void ShowEntry(const ParameterEntry& entry);

    // Calculate (thread_window_calc.cpp).
    void Button2Click();
    ParameterEntry EntryFromPage() const;
    bool TypeAvailable(uint16_t typeCode, const std::string& typeName);

    // Result pages (thread_window_results.cpp).
    void ShowResults();
    void RedrawResults();
    void FitNameLabel();
    // The gauge class options of the record's type; the file's class X when asked.
    void ApplyGaugeClassOptions();
    void CheckGaugeClass(bool classX);
    void GaugeClassClick(bool classW);
    bool UseWireBox(const TGaugePage* page);

    // Re-evaluation and Set Dim (thread_window_reeval.cpp).
    void ShowSetDimResult(bool external);
    // The re-evaluation note while the record it describes is shown.
    void ShowReevaluationNote();
    // "Wire readings: standard formula" under the pages that show readings over wires.
    void ShowWireReadings();

    // Pipe pages (thread_window_pipe.cpp).
    void FillPipePages();
    void RemovePipePictures();

    // The gauge-setting page (thread_window_setting.cpp).
    QWidget* BuildSettingPage();
    void ShowGageSetting();
    void btnCalcClick();

    // Thread files (thread_window_file.cpp).
    void RestoreParameterPage();

    // Ball micrometer mode (thread_window_ballmic.cpp).
    bool SaveBallMicFile(const QString& fileName);
    void ShowBallMicSetting();
    void BallMicExtClick();
    void BallMicCalcClick();
    // Calculates and shows a changed ball micrometer, or refuses it with the
    // dialog's message and keeps the one shown.
    bool ChangeBallMic(const TBallMic& changed);

    TThreadWindowModel model_;
    bool updatingTabs_ = false;
    // The designation a pipe thread shows as caption; empty for other threads.
    QString pipeCaption_;

    QFrame* pnlName = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblOutOfDate = nullptr;
    QLabel* lblReevaluated = nullptr;
    QLabel* lblWireReadings = nullptr;
    QStackedWidget* Notebook1 = nullptr;
    QTabBar* TabSet1 = nullptr;

    // The Parameters captions keep their numbered names: Label1 type, Label2
    // class, Label4 diameter, Label5 pitch, Label23 starts, Label12 metric grades.
    QLabel* lblDesignation = nullptr;
    QLineEdit* txtDesignation = nullptr;
    QPushButton* btnFill = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cboType = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cboClass = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtNomDia = nullptr;
    QComboBox* cboNPTSize = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* txtPitch = nullptr;
    QLabel* Label23 = nullptr;
    QComboBox* cboStarts = nullptr;
    QGroupBox* optLOE = nullptr;
    QRadioButton* optStandardLOE = nullptr;
    QRadioButton* optCustomLOE = nullptr;
    QLineEdit* txtLOE = nullptr;
    QLabel* lblStdLOE = nullptr;
    QLabel* Label12 = nullptr;
    QPushButton* btnMetric = nullptr;
    QGroupBox* optMetricLOE = nullptr;
    QLabel* lblMetricLOENote = nullptr;
    QButtonGroup* metricLOEButtons_ = nullptr;
    QGroupBox* optMetricDir = nullptr;
    QButtonGroup* metricDirButtons_ = nullptr;
    QGroupBox* CoatBox = nullptr;
    QRadioButton* optNoCoat = nullptr;
    QRadioButton* optCoating = nullptr;
    QLineEdit* txtCoating = nullptr;
    QLabel* lblCoatingUnit = nullptr; // "in", or "mm" for M and MJ
    QPushButton* Button2 = nullptr;   // Calculate

    TColorStringGrid* gridThd = nullptr;
    // A pipe thread's drawing goes beside the grid, in this row; emptied before every fill.
    QHBoxLayout* threadRow_ = nullptr;
    TPipePicture* threadPicture_ = nullptr;
    // Why a pipe thread's dimensions show N/A.
    QLabel* lblThdNote = nullptr;
    TColorStringGrid* grdTapDrills = nullptr;
    TGaugePage* ringPage_ = nullptr;
    TGaugePage* setPlugPage_ = nullptr;
    TGaugePage* plugPage_ = nullptr;
    TPipeGridPage* nptGagesPage_ = nullptr;
    TPipeGridPage* nptTolsPage_ = nullptr;
    TGaugeSettingPage* gaugePage_ = nullptr;
    TBallMicPage* ballMicPage_ = nullptr;
    // The profile drawing; its tab is shown for the families it knows.
    TProfilePage* profilePage_ = nullptr;
    bool profileShown_ = false;
    TInspectPage* inspectPage_ = nullptr;
    // ISO 1502 gauges; its tab is shown for M and MJ threads.
    TIso1502Page* iso1502Page_ = nullptr;
    bool iso1502Shown_ = false;
};
