#pragma once
// The frame window "Pitch Ledger for Windows": menus, tool bar and status line
// around the thread windows, the dialogs it owns, and the commands that act on
// the active thread window.

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <string>

class QAction;
class QEvent;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QStatusBar;
class QToolButton;
enum class ToolGlyph;
class TfrmAbout;
class TfrmPath;
class TfrmPref;
class TfrmThread;
class THelpWindow;

// Where the frame keeps its settings and finds its help. Tests point these at
// temporary folders.
struct FrameConfig {
    std::string programDir; // with a trailing separator
    std::string plwinIni;   // company name and window positions
    std::string pluserIni;  // main path and table data path
    std::string exePath;    // first part of the window position key
    QString helpDir;
};

// The locations of the running program.
FrameConfig StandardFrameConfig();

// First-run size of the frame. The original 552 x 466 held a thread window of
// 396 x 416 with that platform's slim title bars; here the thread window and
// its title bar need about 470 pixels of window area, so the frame is taller.
inline constexpr int kFrameDesignWidth = 552;
inline constexpr int kFrameDesignHeight = 600;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Restores the frame's bounds and reads the user settings.
    explicit TMainForm(const FrameConfig& config, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The window the frame's timer hides four seconds after start-up.
    void SetSplash(QWidget* splash);
    // Why a settings file could not be read at start-up (its settings keep
    // their defaults for this run); empty when both were read or are missing.
    const std::string& SettingsError() const { return settingsError_; }

    QMdiArea* MdiArea() const { return mdiArea_; }
    // The thread window the commands act on; null when none is open.
    TfrmThread* ActiveThread() const;
    // The window position key of this frame in PLWIN.INI.
    std::string PositionKey() const;

    // Created when first wanted: the Path dialog reads the file system.
    TfrmPref& Pref();
    TfrmPath& PathDialog();
    TfrmAbout& About() const { return *frmAbout_; }
    // Created at the first help command.
    THelpWindow& Help();

    // Commands.
    TfrmThread* btnNewClick();
    void btnOpenClick();
    // Save writes a titled window to its file; an untitled one asks for a name.
    void btnSaveClick();
    void FileSaveAs();
    // Closes the active thread window (asking first when work would be lost).
    void FileClose();
    // Opens a thread or ball micrometer file from the recent files; one that
    // is gone is said so and dropped from the list.
    void OpenRecentFile(const QString& path);
    // Save / Discard / Cancel for those of the windows whose work closing
    // would lose (one question for them all); false for Cancel, or when a
    // save did not happen.
    bool ConfirmClose(const QList<TfrmThread*>& threads);
    // F1: the help page of the page shown.
    void HelpOnPage();
    // The print button prints at once; the preview button and the menu preview first.
    void btnPrintClick(bool direct);
    void FilePrintSetup();
    void FileExit();
    void OpenBallMic1Click();
    void EditCopy();
    void Internal1Click();
    void External1Click();
    void Preferences1Click();
    void UseNewWireSize1Click();
    void UseNewPDValue1Click();
    void Converttoinch1Click();
    void SetDIMTool1Click();
    void BallMicHBSetDim1Click();
    void WindowTile();
    void WindowCascade();
    void WindowArrange();
    void HelpContents();
    void HelpSearch();
    void HelpHowToUse();
    void HelpAbout();
    void Timer1Timer();
    // Rebuilds the Window menu's list of open windows (done before it opens).
    void UpdateWindowMenu();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Closing a thread window asks first when its work would be lost.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                     const std::function<void()>& command);
    QToolButton* AddButton(const char* name, ToolGlyph glyph, const QString& hint,
                           const std::function<void()>& command);
    TfrmThread* AddThreadWindow();
    // A frame at its design size grows, within the screen, to hold the first window.
    void MakeRoomFor(QMdiSubWindow* sub);
    void SubWindowActivated(QMdiSubWindow* window);
    // The tools that work on a calculated thread, enabled while the active window holds one.
    void UpdateToolCommands();
    void ShowUnitCaption(bool metric);
    // Opens a file into a new thread window; false (the window gone) when refused.
    bool OpenInNewWindow(const QString& fileName, bool ballMic);
    // Saves the thread window to its file, or to one asked for.
    bool SaveThread(TfrmThread* thread, bool askName);
    // The file goes to the top of the recent files, kept in the settings.
    void RememberFile(const QString& path);
    void UpdateRecentMenu();

    FrameConfig config_;
    QMdiArea* mdiArea_;
    QStatusBar* StatusLine;
    QLabel* lblUnit_; // the active window's display unit, always in view
    QMenu* windowMenu_;
    QMenu* recentMenu_;
    QList<QAction*> windowCommands_; // tile, cascade, arrange: kept above the window list
    QAction* Converttoinch1;
    QAction* UseNewWireSize1;
    QAction* UseNewPDValue1;
    QTimer Timer1;
    QPointer<QWidget> splash_;
    TfrmPath* frmPath_ = nullptr;
    TfrmPref* frmPref_ = nullptr;
    TfrmAbout* frmAbout_;
    QPointer<THelpWindow> help_;
    std::string settingsError_;
    bool restored_ = false; // the bounds came from the settings
    bool fitted_ = false;   // the first thread window has had room made for it
};
