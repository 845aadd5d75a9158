#include "app/main_form.h"

#include "app/about_box.h"
#include "app/artwork.h"
#include "app/help_window.h"
#include "app/identify_dialog.h"
#include "app/preferences.h"
#include "app/product.h"
#include "app/window_position.h"
#include "core/settings.h"
#include "pages/result_pages.h"
#include "ui/register_window.h"
#include "ui/thread_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

const QString kNewWireSizeHint = QStringLiteral("Re-evaluate the readings with another wire size");
const QString kNewPDValueHint =
    QStringLiteral("Re-evaluate the thread with a measured pitch diameter");

} // namespace

FrameConfig StandardFrameConfig() {
    FrameConfig c;
    c.programDir = ProgramDir();
    const std::string configDir = UserConfigDir();
    c.plwinIni = PlwinIniPath(c.programDir, configDir);
    c.pluserIni = PluserIniPath(configDir);
    c.exePath = QCoreApplication::applicationFilePath().toStdString();
    c.helpDir = DefaultHelpDir();
    return c;
}

TMainForm::TMainForm(const FrameConfig& config, QWidget* parent)
    : QMainWindow(parent), config_(config) {
    setObjectName("MainForm");
    setWindowTitle(AppTitle());
    setWindowIcon(AppIcon());
    resize(kFrameDesignWidth, kFrameDesignHeight);

    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName("ClientArea");
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &TMainForm::SubWindowActivated);

    // The status line shows the hint of whatever the pointer rests on.
    StatusLine = new QStatusBar(this);
    StatusLine->setObjectName("StatusLine");
    StatusLine->setMinimumHeight(23);
    setStatusBar(StatusLine);
    lblUnit_ = new QLabel(StatusLine);
    lblUnit_->setObjectName("StatusUnit");
    lblUnit_->setAlignment(Qt::AlignCenter);
    lblUnit_->setMinimumWidth(lblUnit_->fontMetrics().horizontalAdvance("mmmm"));
    StatusLine->addPermanentWidget(lblUnit_);

    CreateMenus();
    CreateToolBar();
    ShowUnitCaption(false);
    UpdateToolCommands();

    restored_ = RestoreWindowPos(*this, config_.plwinIni, PositionKey());
    settingsError_ =
        ReadSettings(Settings(), config_.plwinIni, config_.pluserIni, config_.programDir);

    frmAbout_ = new TfrmAbout(this);

    Timer1.setObjectName("Timer1");
    Timer1.setInterval(4000);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    Timer1.start();
}

TMainForm::~TMainForm() {
    // The thread windows go first, while this is still a whole frame: closing them
    // activates the others, and no activation may reach a half-destroyed frame.
    mdiArea_->disconnect(this);
    delete mdiArea_;
}

void TMainForm::SetSplash(QWidget* splash) {
    splash_ = splash;
}

std::string TMainForm::PositionKey() const {
    // The design caption, not the title Qt shows while a child is maximised.
    return WindowPosKey(config_.exePath, AppTitle().toStdString());
}

// Created once, after the settings were read; they keep their state for the run.
TfrmPref& TMainForm::Pref() {
    if (!frmPref_)
        frmPref_ = new TfrmPref(
            config_.plwinIni, config_.pluserIni, [this]() -> TfrmPath& { return PathDialog(); },
            this);
    return *frmPref_;
}

TfrmPath& TMainForm::PathDialog() {
    if (!frmPath_) frmPath_ = new TfrmPath(this);
    return *frmPath_;
}

THelpWindow& TMainForm::Help() {
    if (!help_) help_ = new THelpWindow(config_.helpDir, this);
    return *help_;
}

TfrmThread* TMainForm::ActiveThread() const {
    // The current window stays current while the frame itself is inactive
    // (a dialog or the help window has the focus).
    const QMdiSubWindow* sub = mdiArea_->currentSubWindow();
    return sub ? qobject_cast<TfrmThread*>(sub->widget()) : nullptr;
}

QAction* TMainForm::AddItem(QMenu* menu, const char* name, const QString& caption,
                            const QString& hint, const std::function<void()>& command) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, command);
    menu->addAction(action);
    return action;
}

void TMainForm::CreateMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("File1");
    AddItem(file, "FileNewItem", "&New ...", "Create a new file", [this] {
        btnNewClick();
    })->setShortcut(QKeySequence("Ctrl+N"));
    AddItem(file, "FileOpenItem", "&Open Thread", "Open an existing file", [this] {
        btnOpenClick();
    })->setShortcut(QKeySequence("Ctrl+O"));
    AddItem(file, "OpenBallMic1", "Open Ball Mic", "Open a ball micrometer file",
            [this] { OpenBallMic1Click(); });
    recentMenu_ = file->addMenu("Recent &Files");
    recentMenu_->setObjectName("RecentFiles1");
    recentMenu_->menuAction()->setObjectName("RecentFiles1");
    recentMenu_->menuAction()->setStatusTip("Open a file opened or saved lately");
    connect(file, &QMenu::aboutToShow, this, &TMainForm::UpdateRecentMenu);
    AddItem(file, "FileSaveItem", "&Save..", "Save current file", [this] {
        btnSaveClick();
    })->setShortcut(QKeySequence("Ctrl+S"));
    AddItem(file, "FileSaveAsItem", "Save &As...", "Save current file under another name", [this] {
        FileSaveAs();
    })->setShortcut(QKeySequence("Ctrl+Shift+S"));
    AddItem(file, "FileCloseItem", "&Close", "Close the active window", [this] {
        FileClose();
    })->setShortcut(QKeySequence("Ctrl+W"));
    file->addSeparator();
    AddItem(file, "FilePrintItem", "&Print", "Print current file", [this] {
        btnPrintClick(false);
    })->setShortcut(QKeySequence("Ctrl+P"));
    AddItem(file, "FilePrintSetupItem", "P&rint Setup...", "Change printer setup",
            [this] { FilePrintSetup(); });
    file->addSeparator();
    AddItem(file, "FileExitItem", "E&xit", "Exit this application", [this] {
        FileExit();
    })->setShortcut(QKeySequence("Ctrl+Q"));

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("Edit1");
    AddItem(edit, "EditCopyItem", "&Copy Cal Cert Data", "Copy selected item to clipboard",
            [this] { EditCopy(); });
    QMenu* dims = edit->addMenu("Copy Thd Dimensions");
    dims->setObjectName("CopyThdDimensions1");
    dims->menuAction()->setObjectName("CopyThdDimensions1");
    dims->menuAction()->setStatusTip("Copy the limits of the thread to the clipboard");
    AddItem(dims, "Internal1", "Internal", "Copy the internal thread's limits to the clipboard",
            [this] { Internal1Click(); });
    AddItem(dims, "External1", "External", "Copy the external thread's limits to the clipboard",
            [this] { External1Click(); });
    AddItem(edit, "CopyPageAsCSV1", "Copy Page as C&SV",
            "Copy the grid of the page shown to the clipboard as comma-separated values", [this] {
                if (TfrmThread* thread = ActiveThread()) thread->CopyPageAsCsv();
            });
    edit->addSeparator();
    AddItem(edit, "Preferences1", "P&references", "Set the table data path and the company name",
            [this] { Preferences1Click(); });

    QMenu* tools = menuBar()->addMenu("&Tools");
    tools->setObjectName("Tools1");
    UseNewWireSize1 = AddItem(tools, "UseNewWireSize1", "Use New &Wire Size", kNewWireSizeHint,
                              [this] { UseNewWireSize1Click(); });
    UseNewPDValue1 = AddItem(tools, "UseNewPDValue1", "Use New &PD Value", kNewPDValueHint,
                             [this] { UseNewPDValue1Click(); });
    Converttoinch1 = AddItem(tools, "Converttoinch1", "Convert to mm",
                             "Switch the active window between inch and millimetre display",
                             [this] { Converttoinch1Click(); });
    AddItem(tools, "SetDIMTool1", "Set DIM Tool",
            "Setting dimensions for one pitch diameter, in a window of its own",
            [this] { SetDIMTool1Click(); });
    AddItem(tools, "BallMicHBSetDim1", "Ball Mic (HB) Set Dim",
            "Setting dimensions of the ball micrometer", [this] { BallMicHBSetDim1Click(); });
    AddItem(tools, "IdentifyThread1", "&Identify Thread\u2026",
            "Find the standard thread of a measured part", [this] {
                ShowIdentifyDialog(this, [this](const ParameterEntry& entry) {
                    if (TfrmThread* window = btnNewClick()) window->CalculateEntry(entry);
                });
            });
    AddItem(tools, "GaugeRegister1", "Gauge &Register\u2026",
            "The gauges, their calibrations and when each is due", [this] {
                ShowRegisterWindow(this, {[this] {
                                              TfrmThread* t = ActiveThread();
                                              return t && t->HasThreadCalculation() ? t->Record()
                                                                                    : nullptr;
                                          },
                                          [this](const QString& file) {
                                              if (TfrmThread* window = btnNewClick())
                                                  window->OpenThreadFile(file);
                                          }});
            });

    windowMenu_ = menuBar()->addMenu("&Window");
    windowMenu_->setObjectName("Window1");
    windowCommands_ << AddItem(windowMenu_, "WindowTileItem", "&Tile", "Tile all windows",
                               [this] { WindowTile(); })
                    << AddItem(windowMenu_, "WindowCascadeItem", "&Cascade", "Cascade all windows",
                               [this] { WindowCascade(); })
                    << AddItem(windowMenu_, "WindowArrangeItem", "&Arrange All",
                               "Arrange minimized windows", [this] { WindowArrange(); });
    connect(windowMenu_, &QMenu::aboutToShow, this, &TMainForm::UpdateWindowMenu);

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("Help1");
    AddItem(help, "HelpContentsItem", "&Contents", "Display the help contents screen",
            [this] { HelpContents(); });
    AddItem(help, "HelpOnPageItem", "Help on This &Page", "Help on the page shown", [this] {
        HelpOnPage();
    })->setShortcut(QKeySequence(Qt::Key_F1));
    AddItem(help, "HelpSearchItem", "&Search for Help On...", "Search help file for a topic",
            [this] { HelpSearch(); });
    AddItem(help, "HelpHowToUseItem", "&How to Use Help", "Help on using the help system",
            [this] { HelpHowToUse(); });
    help->addSeparator();
    AddItem(help, "HelpAboutItem", "&About...", "Show program information",
            [this] { HelpAbout(); });
}

QToolButton* TMainForm::AddButton(const char* name, ToolGlyph glyph, const QString& hint,
                                  const std::function<void()>& command) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setIcon(ToolIcon(glyph));
    button->setIconSize(QSize(22, 22));
    button->setFixedSize(29, 29);
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    connect(button, &QToolButton::clicked, this, command);
    return button;
}

void TMainForm::CreateToolBar() {
    QToolBar* bar = addToolBar("Tool Bar");
    bar->setObjectName("SpeedPanel");
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setFixedHeight(37);
    bar->addWidget(
        AddButton("btnNew", ToolGlyph::New, "New Thread Calc.", [this] { btnNewClick(); }));
    bar->addWidget(
        AddButton("btnOpen", ToolGlyph::Open, "Open Thread", [this] { btnOpenClick(); }));
    bar->addWidget(
        AddButton("btnSave", ToolGlyph::Save, "Save Thread", [this] { btnSaveClick(); }));
    bar->addSeparator();
    bar->addWidget(AddButton("btnPreview", ToolGlyph::Preview, "Print Preview",
                             [this] { btnPrintClick(false); }));
    bar->addWidget(
        AddButton("btnPrint", ToolGlyph::Print, "Print Report", [this] { btnPrintClick(true); }));
}

TfrmThread* TMainForm::AddThreadWindow() {
    auto* thread = new TfrmThread;
    QMdiSubWindow* sub = mdiArea_->addSubWindow(thread);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    connect(thread, &TfrmThread::metricFlagChanged, this, [this, thread](bool metric) {
        if (ActiveThread() != thread) return;
        ShowUnitCaption(metric);
        Converttoinch1->setEnabled(thread->UnitSwitchable());
    });
    connect(thread, &TfrmThread::helpRequested, this, [this](const QString& page) {
        Help().ShowContents();
        Help().OpenTopic(page);
    });
    connect(thread, &TfrmThread::recordChanged, this, [this] { UpdateToolCommands(); });
    sub->installEventFilter(this);
    sub->show();
    MakeRoomFor(sub);
    mdiArea_->setActiveSubWindow(sub);
    thread->FocusFirstEntry();
    return thread;
}

void TMainForm::MakeRoomFor(QMdiSubWindow* sub) {
    if (fitted_ || restored_ || !isVisible()) return;
    fitted_ = true;
    // The area may have cut the window down to itself.
    const QSize window = sub->widget()->sizeHint() + (sub->size() - sub->widget()->size());
    const QSize around = size() - mdiArea_->viewport()->size();
    const QSize before = size();
    QSize wanted = (window + around).expandedTo(before);
    if (const QScreen* s = screen()) {
        const QRect free = s->availableGeometry();
        // The title bar and borders the window manager adds.
        const QSize frame = frameGeometry().size() - size();
        wanted = wanted.boundedTo(free.size() - frame);
        resize(wanted);
        move(std::clamp(x(), free.left(),
                        std::max(free.left(), free.right() - width() - frame.width())),
             std::clamp(y(), free.top(),
                        std::max(free.top(), free.bottom() - height() - frame.height())));
    } else {
        resize(wanted);
    }
    // The area grows with the frame once its layout has run.
    sub->resize(window.boundedTo(mdiArea_->viewport()->size() + (size() - before)));
}

void TMainForm::UpdateToolCommands() {
    const TfrmThread* thread = ActiveThread();
    const bool calculated = thread && thread->HasThreadCalculation();
    const QString why = QStringLiteral(" (needs a calculated thread in the active window)");
    for (auto [action, hint] : {std::pair{UseNewWireSize1, kNewWireSizeHint},
                                std::pair{UseNewPDValue1, kNewPDValueHint}}) {
        action->setEnabled(calculated);
        action->setStatusTip(calculated ? hint : hint + why);
    }
}

void TMainForm::SubWindowActivated(QMdiSubWindow* window) {
    UpdateToolCommands();
    // Null when the frame loses the focus: the last window stays the active one.
    if (!window) return;
    if (auto* thread = qobject_cast<TfrmThread*>(window->widget())) {
        thread->FormActivate();
        ShowUnitCaption(thread->MetricFlag());
        // Pipe tables are inches only.
        Converttoinch1->setEnabled(thread->UnitSwitchable());
    }
}

void TMainForm::ShowUnitCaption(bool metric) {
    Converttoinch1->setText(metric ? "Convert to inch" : "Convert to mm");
    lblUnit_->setText(QString::fromStdString(UnitText(metric)));
    lblUnit_->setToolTip(QString::fromStdString(UnitTip(metric)) +
                         " (Tools \u203A Convert to mm / inch switches)");
}

void TMainForm::UpdateWindowMenu() {
    windowMenu_->clear();
    windowMenu_->addActions(windowCommands_);
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList();
    if (!windows.isEmpty()) windowMenu_->addSeparator();
    const QMdiSubWindow* current = mdiArea_->currentSubWindow();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* sub = windows.at(i);
        const auto* thread = qobject_cast<TfrmThread*>(sub->widget());
        const QString title = (thread ? thread->MenuName() : sub->windowTitle()).replace('&', "&&");
        const QString text = i < 9 ? QString("&%1 %2").arg(i + 1).arg(title)
                                   : QString("%1 %2").arg(i + 1).arg(title);
        QAction* item = windowMenu_->addAction(text);
        item->setCheckable(true);
        item->setChecked(sub == current);
        connect(item, &QAction::triggered, this, [this, target = QPointer<QMdiSubWindow>(sub)] {
            if (target) mdiArea_->setActiveSubWindow(target);
        });
    }
}
