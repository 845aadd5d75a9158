#pragma once
// The thread window "Thread Calculations": parameter page, Calculate, the
// result pages, thread files and the clipboard commands of one calculation.

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
class TGaugeSettingPage;
class TInspectPage;
class TIso1502Page;
class TPipePicture;
class TProfilePage;
enum class PipeDrawing;
class TBallMic;
class TBallMicPage;
class TTInfo;
struct ParameterEntry;
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
    // True while the window shows a record of the Set Dim tool.
    bool SetDimFlag() const { return setDim_; }
    // A record the tools (new PD value, new wire size) can work on: a
    // calculated thread, not a Set Dim or ball micrometer window.
    bool HasThreadCalculation() const;
    // Changes since the last save or open (a re-evaluation).
    bool UnsavedChanges() const { return unsaved_; }
    // False, after saying why, for a window whose result is not saved as a file.
    bool SaveAllowed();

    // Ball micrometer mode (thread_window_ballmic.cpp): the window shows a
    // ball micrometer calculation for the rest of its life.
    bool BallMicMode() const { return ballMicMode_; }
    const TBallMic* BallMic() const { return ballMic_.get(); }
    // Takes the calculation of "Ball Mic (HB) Set Dim", calculates and shows it.
    void UseBallMic(std::unique_ptr<TBallMic> bm);
    // "Open Ball Mic": a file without a "ballmic" section is refused, and so is
    // one missing a value its method needs or holding one the dialog refuses.
    bool OpenBallMicFile(const QString& fileName);

    // The current record; null before the first Calculate.
    TTInfo* Record() const;
    QString FileName() const;

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
    // Construction of the pages (thread_window_pages.cpp).
    QWidget* BuildParameterPage();
    QWidget* BuildThreadPage();
    QWidget* BuildRingPage();
    QWidget* BuildSetPlugPage();
    QWidget* BuildPlugPage();
    QLabel* NoteLabel(QLabel** label, const char* name);
    QWidget* BuildToleranceLabels(QLabel*& lead, QLabel*& angle, const char* leadName,
                                  const char* angleName);
    QWidget* BuildGoNoGo(QRadioButton*& go, QRadioButton*& nogo, const char* goName,
                         const char* nogoName);
    QWidget* BuildWireBox(QComboBox*& box, QToolButton*& button, const char* boxName,
                          const char* buttonName);

    // Parameter page and tab set (thread_window.cpp).
    void cboTypeClick();
    void cboClassClick();
    void optCoatingClick();
    // Metric grades and engagement (thread_window_metric.cpp).
    void btnMetricClick();
    void optMetricLOEClick(int group);
    // The external class for the group asked (the chosen one shifted), the
    // group the radio group then shows, and the notice.
    void ApplyMetricLOE(int asked);
    // Type switches between M and MJ keep the M classes and give them back.
    void KeepMClasses();
    void RestoreMClasses();
    void ShowMetricTols();
    // The type code of the type list's selection (M when none).
    uint16_t ShownTypeCode() const;
    void TabSet1Change(int index);
    void pnlNameDblClick();
    void RebuildTabs(bool pipePages);
    // Any edit of the parameters: the engagement hint and the out-of-date mark.
    void ParametersEdited();
    void UpdateEngagementHint();
    // True while the page no longer describes the record shown.
    bool OutOfDate() const;
    void ShowOutOfDate();
    void ShowPage(int page);

    // Calculate (thread_window_calc.cpp).
    void Button2Click();
    ParameterEntry EntryFromPage() const;
    bool TypeAvailable(uint16_t typeCode, const std::string& typeName);

    // Result pages (thread_window_results.cpp).
    void ShowResults();
    void RedrawResults();
    void FitNameLabel();
    void ApplyGaugeClassOptions();
    void optClassWClick();
    void optClassXClick();
    bool spdWireSize1Click(bool setPlugBox);

    // Re-evaluation and Set Dim (thread_window_reeval.cpp).
    QWidget* BuildNewPDBox(QLineEdit*& entry, QToolButton*& button, const char* entryName,
                           const char* buttonName);
    void btnSetPDClick(QToolButton* sender);
    void ShowSetDimResult(bool external);
    // The re-evaluation note while the record it describes is shown.
    void ShowReevaluationNote();

    // Pipe pages (thread_window_pipe.cpp).
    QWidget* BuildPipePage(TColorStringGrid*& grid, QHBoxLayout*& row, QLabel*& note,
                           const char* gridName, const char* noteName, const char* boxName);
    bool PipeShown() const;
    void FillPipePages();
    void RemovePipePictures();
    void AddPipePicture(TPipePicture*& slot, QHBoxLayout* row, TColorStringGrid* grid,
                        PipeDrawing drawing);

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

    std::unique_ptr<TTInfo> rec_;
    bool ballMicMode_ = false;
    std::unique_ptr<TBallMic> ballMic_;
    TBallMicPage* ballMicPage_ = nullptr;
    QString fileName_;
    bool metric_ = false;
    QString intTolText_;
    QString extTolText_; // as calculated: the engagement group's shift included
    // The engagement group the external class is shifted for.
    int metricLOEGroup_ = 1;
    // The external class chosen for normal engagement, and what the page says
    // while the group changes it.
    QString chosenExtTol_;
    QString metricLOENotice_;
    // The M classes and group, kept while the page shows MJ's one class.
    struct KeptMetricClasses {
        bool kept = false;
        QString internal, chosenExternal;
        int group = 1;
    } keptM_;
    bool updatingTabs_ = false;
    // The page as it stood when the record shown was calculated or opened.
    std::unique_ptr<ParameterEntry> shownEntry_;
    const TTInfo* shownRecord_ = nullptr;

    QFrame* pnlName = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblOutOfDate = nullptr;
    QStackedWidget* Notebook1 = nullptr;
    QTabBar* TabSet1 = nullptr;

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
    QPushButton* Button2 = nullptr;

    TColorStringGrid* gridThd = nullptr;
    TColorStringGrid* nptGageGrid = nullptr;
    TColorStringGrid* nptTolsGrid = nullptr;
    // Rows of the grids with a drawing: the picture goes beside its grid.
    QHBoxLayout* threadRow_ = nullptr;
    QHBoxLayout* gageRow_ = nullptr;
    QHBoxLayout* tolsRow_ = nullptr;
    // The pictures of the last pipe fill; emptied before every fill.
    TPipePicture* dimPicture_ = nullptr;
    TPipePicture* gagePicture_ = nullptr;
    TPipePicture* tolPicture_ = nullptr;
    // The designation a pipe thread shows as caption; empty for other threads.
    QString pipeCaption_;
    TColorStringGrid* grdRing = nullptr;
    TColorStringGrid* grdSetPlug = nullptr;
    TColorStringGrid* grdPlug = nullptr;
    QLabel* lblRingLeadTol = nullptr;
    QLabel* lblRingAngleTol = nullptr;
    QLabel* lblSetPlugLeadTol = nullptr;
    QLabel* lblSetPlugAngleTol = nullptr;
    QLabel* lblPlugLeadTol = nullptr;
    QLabel* lblPlugAngleTol = nullptr;
    QLabel* lblRingNote = nullptr;
    QLabel* lblSetPlugNote = nullptr;
    QLabel* lblPlugNote = nullptr;
    // Why a pipe grid shows N/A (Thread Dim., NPT Gages, NPT Tolerances).
    QLabel* lblThdNote = nullptr;
    QLabel* lblNPTGageNote = nullptr;
    QLabel* lblNPTTolsNote = nullptr;
    QRadioButton* optClassW = nullptr;
    QRadioButton* optClassX = nullptr;
    QComboBox* cbWireSize1 = nullptr;
    QToolButton* spdWireSize1 = nullptr;
    QComboBox* cbWireSize2 = nullptr;
    QToolButton* spdWireSize2 = nullptr;
    QRadioButton* optRingGO = nullptr;
    QRadioButton* optRingNOGO = nullptr;
    QRadioButton* optSetPlugGO = nullptr;
    QRadioButton* optSetPlugNOGO = nullptr;
    QRadioButton* optPlugGO = nullptr;
    QRadioButton* optPlugNOGO = nullptr;
    QLineEdit* txtRingPD = nullptr;
    QToolButton* btnRingPD = nullptr;
    QLineEdit* txtSetPD = nullptr;
    QToolButton* btnSetPD = nullptr;
    QLineEdit* txtPlugPD = nullptr;
    QToolButton* btnPlugPD = nullptr;
    bool setDim_ = false;
    bool setDimInternal_ = false; // the tool worked on the internal thread
    // The note of the last re-evaluation and the record it made.
    QString reevaluationNote_;
    const TTInfo* reevaluatedRecord_ = nullptr;
    bool unsaved_ = false;
    QLabel* lblReevaluated = nullptr;
    TGaugeSettingPage* gaugePage_ = nullptr;
    // The profile drawing; its tab is shown for the families it knows.
    TProfilePage* profilePage_ = nullptr;
    bool profileShown_ = false;
    TInspectPage* inspectPage_ = nullptr;
    // ISO 1502 gauges; its tab is shown for M and MJ threads.
    TIso1502Page* iso1502Page_ = nullptr;
    bool iso1502Shown_ = false;
    TColorStringGrid* grdTapDrills = nullptr;
};
