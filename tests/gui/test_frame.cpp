// The frame window: menus and tool bar, commands with and without a thread
// window, the unit caption across windows, the saved window position, the splash.
#include "app/about_box.h"
#include "app/app_hooks.h"
#include "app/main_form.h"
#include "app/splash.h"
#include "core/display_unit.h"
#include "core/ini_file.h"
#include "support/test_support.h"
#include "report/report_hooks.h"
#include "ui/message_box.h"
#include "ui/thread_window.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSysInfo>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

const std::string kExe = "/opt/pitchledger/bin/plwin";
const std::string kPosKey = "/opt/pitchledger/bin/plwin:PITCH LEDGER FOR WINDOWS";

// 1/4-20 UNC-2: standard engagement 9 pitches = 0.45 (20 tpi is one of the 9P pitches).
const char* const kQuarterFile = "[MAIN]\nThd Type=UN\nClass=2\nNom Dia=+0.250000\n"
                                 "TPI=+20.000000\nLOE=+0.450000\n";

} // namespace

class FrameTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void captionNamesAndDesignSize();
    void menuItems_data();
    void menuItems();
    void toolButtons_data();
    void toolButtons();
    void restorePosition_data();
    void restorePosition();
    void savePosition_data();
    void savePosition();
    void commandsWithoutWindowDoNothing_data();
    void commandsWithoutWindowDoNothing();
    void laterCommandsSayWhatTheyWillDo_data();
    void laterCommandsSayWhatTheyWillDo();
    void openCancelledCreatesNothing();
    void openRefusedClosesTheNewWindow();
    void openAndSaveThreadFile();
    void newWireSizeGoesToActiveWindow();
    void printPreviewsAndPrintButtonPrints();
    void unitCaptionFollowsActiveWindow();
    void windowMenuListsOpenWindows();
    void splashHidesOnFrameTimerAndClick();
    void aboutBoxShowsSystemAndBuild();

private:
    TMainForm& MakeFrame(const std::string& plwinText = "");
    void Trigger(const QString& name);
    QString UnitCaption() const;

    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<TMainForm> frame_;
    QStringList messages_;
    QList<FileDialogRequest> requests_;
    QStringList inputs_;
    QString fileAnswer_;
    QString inputAnswer_;
};

void FrameTest::init()
{
    dir_ = std::make_unique<TempDir>();
    messages_.clear();
    requests_.clear();
    inputs_.clear();
    fileAnswer_.clear();
    inputAnswer_.clear();
    SetMessageHook([this](MessageKind, const QString& text) { messages_ << text; });
    Hooks().fileDialog = [this](QWidget*, const FileDialogRequest& r) {
        requests_ << r;
        return fileAnswer_;
    };
    Hooks().inputText = [this](QWidget*, const QString& caption, const QString& prompt,
                               QString& text) {
        inputs_ << caption + "|" + prompt;
        text = inputAnswer_;
        return !inputAnswer_.isEmpty();
    };
    Hooks().runModal = [](QDialog&) { return int(QDialog::Rejected); };
}

void FrameTest::cleanup()
{
    frame_.reset();
    ResetHooks();
    SetMessageHook({});
    dir_.reset();
}

TMainForm& FrameTest::MakeFrame(const std::string& plwinText)
{
    FrameConfig c;
    c.programDir = PL_BIN_DIR "/";
    c.plwinIni = dir_->file("PLWIN.INI");
    c.pluserIni = dir_->file("PLUSER.INI");
    c.exePath = kExe;
    c.helpDir = PL_SOURCE_DIR "/app/help";
    if (!plwinText.empty()) WriteTextFile(c.plwinIni, plwinText);
    frame_ = std::make_unique<TMainForm>(c);
    return *frame_;
}

void FrameTest::Trigger(const QString& name)
{
    if (auto* action = frame_->findChild<QAction*>(name))
        action->trigger();
    else if (auto* button = frame_->findChild<QToolButton*>(name))
        button->click();
    else
        QFAIL(qPrintable("no command " + name));
}

QString FrameTest::UnitCaption() const
{
    return frame_->findChild<QAction*>("Converttoinch1")->text();
}

void FrameTest::captionNamesAndDesignSize()
{
    TMainForm& f = MakeFrame();
    QCOMPARE(f.objectName(), QString("MainForm"));
    QCOMPARE(f.windowTitle(), QString("Pitch Ledger for Windows"));
    QCOMPARE(f.size(), QSize(kFrameDesignWidth, kFrameDesignHeight));
    QVERIFY(f.findChild<QWidget*>("StatusLine"));
    QCOMPARE(f.PositionKey(), kPosKey);
    QVERIFY(f.MdiArea()->subWindowList().isEmpty());
}

void FrameTest::menuItems_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("hint");
    QTest::newRow("FileNewItem") << "&New ..." << "Ctrl+N" << "Create a new file";
    QTest::newRow("FileOpenItem") << "&Open Thread" << "Ctrl+O" << "Open an existing file";
    QTest::newRow("OpenBallMic1") << "Open Ball Mic" << "" << "Open a ball micrometer file";
    QTest::newRow("FileSaveItem") << "&Save.." << "Ctrl+S" << "Save current file";
    QTest::newRow("FilePrintItem") << "&Print" << "Ctrl+P" << "Print current file";
    QTest::newRow("FilePrintSetupItem") << "P&rint Setup..." << "" << "Change printer setup";
    QTest::newRow("FileExitItem") << "E&xit" << "" << "Exit this application";
    QTest::newRow("EditCopyItem") << "&Copy Cal Cert Data" << ""
                                  << "Copy selected item to clipboard";
    QTest::newRow("CopyThdDimensions1") << "Copy Thd Dimensions" << ""
                                        << "Copy the limits of the thread to the clipboard";
    QTest::newRow("Internal1") << "Internal" << ""
                               << "Copy the internal thread's limits to the clipboard";
    QTest::newRow("External1") << "External" << ""
                               << "Copy the external thread's limits to the clipboard";
    QTest::newRow("Preferences1") << "P&references" << ""
                                  << "Set the table data path and the company name";
    QTest::newRow("UseNewWireSize1") << "Use New &Wire Size" << ""
                                     << "Re-evaluate the readings with another wire size";
    QTest::newRow("UseNewPDValue1") << "Use New &PD Value" << ""
                                    << "Re-evaluate the thread with a measured pitch diameter";
    QTest::newRow("Converttoinch1") << "Convert to mm" << ""
                                    << "Switch the active window between inch and millimetre "
                                       "display";
    QTest::newRow("SetDIMTool1") << "Set DIM Tool" << ""
                                 << "Setting dimensions for a point diameter";
    QTest::newRow("BallMicHBSetDim1") << "Ball Mic (HB) Set Dim" << ""
                                      << "Setting dimensions of the ball micrometer";
    QTest::newRow("WindowTileItem") << "&Tile" << "" << "Tile all windows";
    QTest::newRow("WindowCascadeItem") << "&Cascade" << "" << "Cascade all windows";
    QTest::newRow("WindowArrangeItem") << "&Arrange All" << "" << "Arrange minimized windows";
    QTest::newRow("HelpContentsItem") << "&Contents" << "" << "Display the help contents screen";
    QTest::newRow("HelpSearchItem") << "&Search for Help On..." << ""
                                    << "Search help file for a topic";
    QTest::newRow("HelpHowToUseItem") << "&How to Use Help" << ""
                                      << "Help on using the help system";
    QTest::newRow("HelpAboutItem") << "&About..." << "" << "Show program information";
}

void FrameTest::menuItems()
{
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(QString, hint);
    MakeFrame();
    const QString name = QTest::currentDataTag();
    auto* item = frame_->findChild<QAction*>(name);
    QVERIFY2(item, qPrintable(name));
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), QKeySequence(shortcut));
    QCOMPARE(item->statusTip(), hint);
    // Each item sits in a menu of the menu bar.
    QVERIFY(!item->associatedObjects().isEmpty());
    QVERIFY(qobject_cast<QMenu*>(item->associatedObjects().constFirst()));
}

void FrameTest::toolButtons_data()
{
    QTest::addColumn<QString>("hint");
    QTest::newRow("btnNew") << "New Thread Calc.";
    QTest::newRow("btnOpen") << "Open Thread";
    QTest::newRow("btnSave") << "Save Thread";
    QTest::newRow("btnPreview") << "Print Preview";
    QTest::newRow("btnPrint") << "Print Report";
}

void FrameTest::toolButtons()
{
    QFETCH(QString, hint);
    MakeFrame();
    auto* button = frame_->findChild<QToolButton*>(QTest::currentDataTag());
    QVERIFY(button);
    QCOMPARE(button->toolTip(), hint);
    QCOMPARE(button->statusTip(), hint);
    QCOMPARE(button->size(), QSize(29, 29));
    QVERIFY(!button->icon().isNull());
}

void FrameTest::restorePosition_data()
{
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QRect>("bounds"); // null: the design bounds stay
    const QString key = QString::fromStdString(kPosKey);
    QTest::newRow("no entry") << "" << QRect();
    QTest::newRow("stored") << "[POS]\n" + key + "=176/321/552/466\n" << QRect(321, 176, 552, 466);
    QTest::newRow("other program")
        << "[POS]\n/usr/bin/plwin:PITCH LEDGER FOR WINDOWS=120/80/640/480\n" << QRect();
    QTest::newRow("two numbers") << "[POS]\n" + key + "=120/80\n" << QRect();
    QTest::newRow("not numbers") << "[POS]\n" + key + "=a/b/c/d\n" << QRect();
    QTest::newRow("five numbers") << "[POS]\n" + key + "=1/2/3/4/5\n" << QRect();
}

void FrameTest::restorePosition()
{
    QFETCH(QString, ini);
    QFETCH(QRect, bounds);
    const QPoint designPos = MakeFrame().pos();
    TMainForm& f = MakeFrame(ini.toStdString());
    if (bounds.isNull()) {
        QCOMPARE(f.pos(), designPos);
        QCOMPARE(f.size(), QSize(kFrameDesignWidth, kFrameDesignHeight));
    } else {
        QCOMPARE(f.pos(), bounds.topLeft());
        QCOMPARE(f.size(), bounds.size());
    }
}

void FrameTest::savePosition_data()
{
    QTest::addColumn<bool>("minimise");
    QTest::addColumn<QString>("stored");
    QTest::newRow("normal") << false << "60/50/700/500";
    QTest::newRow("minimised keeps the last entry") << true << "1/2/300/200";
}

void FrameTest::savePosition()
{
    QFETCH(bool, minimise);
    QFETCH(QString, stored);
    TMainForm& f = MakeFrame("[POS]\n" + kPosKey + "=1/2/300/200\n");
    f.show();
    f.move(50, 60);
    f.resize(700, 500);
    if (minimise) f.showMinimized();
    QCOMPARE(f.isMinimized(), minimise);
    f.close();
    QCOMPARE(QString::fromStdString(ReadIniString(dir_->file("PLWIN.INI"), "POS", kPosKey, "")),
             stored);
}

void FrameTest::commandsWithoutWindowDoNothing_data()
{
    QTest::addColumn<QString>("command");
    for (const char* name :
         {"FileSaveItem", "btnSave", "FilePrintItem", "btnPreview", "btnPrint", "EditCopyItem",
          "Internal1", "External1", "UseNewWireSize1", "UseNewPDValue1", "Converttoinch1",
          "SetDIMTool1", "BallMicHBSetDim1"})
        QTest::newRow(name) << name;
}

void FrameTest::commandsWithoutWindowDoNothing()
{
    QFETCH(QString, command);
    MakeFrame();
    QGuiApplication::clipboard()->setText("untouched");
    Trigger(command);
    QVERIFY(messages_.isEmpty());
    QVERIFY(requests_.isEmpty());
    QVERIFY(inputs_.isEmpty());
    QVERIFY(frame_->MdiArea()->subWindowList().isEmpty());
    QCOMPARE(UnitCaption(), QString("Convert to mm"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("untouched"));
}

void FrameTest::laterCommandsSayWhatTheyWillDo_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    QTest::newRow("OpenBallMic1")
        << "OpenBallMic1" << "Opening ball micrometer files is not available in this version.";
    QTest::newRow("UseNewPDValue1") << "UseNewPDValue1"
                                    << "Use New PD Value is not available in this version.";
    QTest::newRow("SetDIMTool1") << "SetDIMTool1"
                                 << "The Set DIM Tool is not available in this version.";
    QTest::newRow("BallMicHBSetDim1")
        << "BallMicHBSetDim1" << "Ball Mic (HB) Set Dim is not available in this version.";
}

void FrameTest::laterCommandsSayWhatTheyWillDo()
{
    QFETCH(QString, command);
    QFETCH(QString, message);
    MakeFrame().btnNewClick();
    Trigger(command);
    QCOMPARE(messages_, QStringList{message});
}

void FrameTest::openCancelledCreatesNothing()
{
    MakeFrame();
    Trigger("FileOpenItem");
    QCOMPARE(requests_.size(), 1);
    const FileDialogRequest& r = requests_.constFirst();
    QVERIFY(!r.save);
    QCOMPARE(r.filters, (QStringList{"Thread Files (*.thd)", "Ball Mic Files (*.bm)",
                                     "All Files (*)"}));
    QCOMPARE(r.filterIndex, 0);
    QVERIFY(frame_->MdiArea()->subWindowList().isEmpty());
}

void FrameTest::openRefusedClosesTheNewWindow()
{
    MakeFrame().btnNewClick();
    fileAnswer_ = QString::fromStdString(dir_->file("missing.thd"));
    Trigger("btnOpen");
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_.constFirst().contains("missing.thd"), qPrintable(messages_.constFirst()));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(frame_->MdiArea()->subWindowList().size(), 1);
}

void FrameTest::openAndSaveThreadFile()
{
    MakeFrame();
    WriteTextFile(dir_->file("quarter.thd"), kQuarterFile);
    fileAnswer_ = QString::fromStdString(dir_->file("quarter.thd"));
    Trigger("FileOpenItem");
    QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('\n')));
    QCOMPARE(frame_->MdiArea()->subWindowList().size(), 1);
    TfrmThread* thread = frame_->ActiveThread();
    QVERIFY(thread && thread->Record());
    QCOMPARE(thread->FileName(), QString("quarter.thd"));

    fileAnswer_ = QString::fromStdString(dir_->file("copy.thd"));
    Trigger("FileSaveItem");
    QCOMPARE(requests_.size(), 2);
    const FileDialogRequest& r = requests_.at(1);
    QVERIFY(r.save);
    QCOMPARE(r.defaultSuffix, QString("thd"));
    QCOMPARE(r.filters, (QStringList{"Thread Files (*.thd)", "All Files (*)"}));
    QCOMPARE(r.fileName, QString("quarter.thd"));
    const std::string saved = dir_->file("copy.thd");
    QCOMPARE(QString::fromStdString(ReadIniString(saved, "MAIN", "Nom Dia", "")),
             QString("+0.250000"));
    QCOMPARE(QString::fromStdString(ReadIniString(saved, "MAIN", "TPI", "")),
             QString("+20.000000"));
    QCOMPARE(QString::fromStdString(ReadIniString(saved, "MAIN", "LOE", "")),
             QString("+0.450000"));
    QCOMPARE(thread->FileName(), QString("copy.thd"));
}

void FrameTest::newWireSizeGoesToActiveWindow()
{
    MakeFrame();
    WriteTextFile(dir_->file("quarter.thd"), kQuarterFile);
    fileAnswer_ = QString::fromStdString(dir_->file("quarter.thd"));
    Trigger("FileOpenItem");
    // Wires for 20 tpi run from 0.505182 P = 0.02526 to 1.010362 P = 0.05052.
    inputAnswer_ = "0.06";
    Trigger("UseNewWireSize1");
    QCOMPARE(inputs_, QStringList{"New Wire Size|Enter New Wire Size"});
    QCOMPARE(messages_, QStringList{"Invalid Wire Size!"});
    inputAnswer_ = "0.0289";
    Trigger("UseNewWireSize1");
    QCOMPARE(messages_.size(), 1);
}

void FrameTest::printPreviewsAndPrintButtonPrints()
{
    MakeFrame();
    WriteTextFile(dir_->file("quarter.thd"), kQuarterFile);
    fileAnswer_ = QString::fromStdString(dir_->file("quarter.thd"));
    Trigger("FileOpenItem");
    QStringList shown;
    int dialogs = 0;
    ReportHooks().runModal = [&](QDialog& d) {
        shown << d.windowTitle();
        return int(QDialog::Rejected);
    };
    ReportHooks().printDialog = [&](QWidget*, QPrinter&, int&) {
        ++dialogs;
        return false; // the user cancels: nothing prints
    };
    // The menu item and the preview button preview; only the print button
    // goes straight to the print dialog.
    Trigger("FilePrintItem");
    Trigger("btnPreview");
    QCOMPARE(shown, (QStringList{"Pitch Ledger - Print Preview", "Pitch Ledger - Print Preview"}));
    QCOMPARE(dialogs, 0);
    Trigger("btnPrint");
    QCOMPARE(dialogs, 1);
    QCOMPARE(shown.size(), 2);
    QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('\n')));
    ResetReportHooks();
}

void FrameTest::unitCaptionFollowsActiveWindow()
{
    TMainForm& f = MakeFrame();
    f.show();
    TfrmThread* first = f.btnNewClick();
    TfrmThread* second = f.btnNewClick();
    QMdiArea* mdi = f.MdiArea();
    auto subOf = [](TfrmThread* t) { return qobject_cast<QMdiSubWindow*>(t->parentWidget()); };

    mdi->setActiveSubWindow(subOf(first));
    Trigger("Converttoinch1");
    QCOMPARE(UnitCaption(), QString("Convert to inch"));
    QVERIFY(first->MetricFlag());
    QVERIFY(MetricDisplay());

    mdi->setActiveSubWindow(subOf(second));
    QCOMPARE(UnitCaption(), QString("Convert to mm"));
    QVERIFY(!MetricDisplay());

    mdi->setActiveSubWindow(subOf(first));
    QCOMPARE(UnitCaption(), QString("Convert to inch"));
    QVERIFY(MetricDisplay());
    Trigger("Converttoinch1");
    QCOMPARE(UnitCaption(), QString("Convert to mm"));
    QVERIFY(!second->MetricFlag());
}

void FrameTest::windowMenuListsOpenWindows()
{
    TMainForm& f = MakeFrame();
    f.show();
    f.btnNewClick();
    TfrmThread* second = f.btnNewClick();
    second->setWindowTitle("Second & last");
    f.UpdateWindowMenu();
    QStringList texts;
    QString checked;
    for (QAction* a : f.findChild<QMenu*>("Window1")->actions()) {
        if (a->isSeparator()) continue;
        texts << a->text();
        if (a->isChecked()) checked = a->text();
    }
    QCOMPARE(texts, (QStringList{"&Tile", "&Cascade", "&Arrange All", "&1 (Untitled)",
                                 "&2 Second && last"}));
    QCOMPARE(checked, QString("&2 Second && last"));
}

void FrameTest::splashHidesOnFrameTimerAndClick()
{
    TMainForm& f = MakeFrame();
    TfrmSplash splash;
    QCOMPARE(splash.objectName(), QString("frmSplash"));
    f.SetSplash(&splash);
    splash.show();
    f.Timer1Timer();
    QVERIFY(!splash.isVisible());

    splash.show();
    QTest::mouseClick(&splash, Qt::LeftButton);
    QVERIFY(!splash.isVisible());

    splash.show();
    splash.Timer1Timer();
    QVERIFY(!splash.isVisible());
}

void FrameTest::aboutBoxShowsSystemAndBuild()
{
    MakeFrame();
    QDialog* shown = nullptr;
    Hooks().runModal = [&](QDialog& d) {
        shown = &d;
        return int(QDialog::Accepted);
    };
    Trigger("HelpAboutItem");
    QVERIFY(shown);
    QCOMPARE(shown->objectName(), QString("frmAbout"));
    QCOMPARE(shown->windowTitle(), QString("About..."));
    auto* grid = shown->findChild<QTableWidget*>("VerGrid");
    QVERIFY(grid);
    QCOMPARE(grid->horizontalHeaderItem(0)->text(), QString("Resource"));
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QString("Value"));
    QStringList names;
    for (int r = 0; r < grid->rowCount(); ++r) names << grid->item(r, 0)->text();
    QCOMPARE(names, (QStringList{"Operating System", "Version", "Build Date", "Compiler",
                                 "Qt Version", "File Description", "Product Name"}));
    QVERIFY(grid->item(0, 1)->text().startsWith(QSysInfo::prettyProductName()));
    QVERIFY(grid->item(0, 1)->text().contains(QSysInfo::kernelVersion()));
    QCOMPARE(grid->item(1, 1)->text(), QString("5.0.0"));
    QCOMPARE(grid->item(4, 1)->text(), QString(qVersion()));
    QCOMPARE(grid->item(6, 1)->text(), QString("Pitch Ledger"));
    // The version label reads "Version 5.0" until the box is shown with the file version.
    auto* version = shown->findChild<QLabel*>("Version");
    QVERIFY(version);
    QCOMPARE(version->text(), QString("Version 5.0"));
    shown->show();
    QCOMPARE(version->text(), QString("Version: 5.0.0"));
    shown->hide();
}

QTEST_MAIN(FrameTest)
#include "test_frame.moc"
