// The frame window: commands with and without a thread window, the display unit
// across windows, the saved window position, the splash and the About box.
#include "app/about_box.h"
#include "app/app_hooks.h"
#include "app/main_form.h"
#include "app/splash.h"
#include "core/display_unit.h"
#include "core/ini_file.h"
#include "core/thread_record.h"
#include "report/print_preview.h"
#include "report/report_hooks.h"
#include "support/gui_support.h"
#include "ui/message_box.h"
#include "ui/thread_window.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSysInfo>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

const std::string kPosKey = "/opt/pitchledger/bin/plwin:PITCH LEDGER FOR WINDOWS";

// 1/4-20 UNC-2: standard engagement 9 pitches = 0.45 (20 tpi is one of the 9P pitches).
const char* const kQuarterFile = "[MAIN]\nThd Type=UN\nClass=2\nNom Dia=+0.250000\n"
                                 "TPI=+20.000000\nLOE=+0.450000\n";

} // namespace

class FrameTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<TMainForm> frame_;
    QStringList messages_;
    QList<FileDialogRequest> requests_;
    QStringList inputs_;
    QString fileAnswer_;
    QString inputAnswer_;

    TMainForm& MakeFrame(const std::string& plwinText = "") {
        if (!plwinText.empty()) WriteTextFile(dir_->file("PLWIN.INI"), plwinText);
        frame_ = MakeTestFrame(*dir_);
        return *frame_;
    }
    void Trigger(const QString& name) {
        if (auto* action = frame_->findChild<QAction*>(name))
            action->trigger();
        else if (auto* button = frame_->findChild<QToolButton*>(name))
            button->click();
        else
            QFAIL(qPrintable("no command " + name));
    }
    QString UnitCaption() const { return frame_->findChild<QAction*>("Converttoinch1")->text(); }
    QString UnitField() const { return frame_->findChild<QLabel*>("StatusUnit")->text(); }
    TfrmThread* OpenQuarter() {
        WriteTextFile(dir_->file("quarter.thd"), kQuarterFile);
        fileAnswer_ = QString::fromStdString(dir_->file("quarter.thd"));
        Trigger("FileOpenItem");
        return frame_->ActiveThread();
    }

private slots:
    void init() {
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
    void cleanup() {
        frame_.reset();
        ResetHooks();
        SetMessageHook({});
        dir_.reset();
    }

    void commandsHaveHintsAndPlaces() {
        TMainForm& f = MakeFrame();
        QCOMPARE(f.windowTitle(), QString("Pitch Ledger for Windows"));
        QVERIFY(f.MdiArea()->subWindowList().isEmpty());
        // Every menu command sits in a menu and says in the status line what it does.
        const auto items = f.findChildren<QAction*>(QRegularExpression("1$|Item$"));
        QVERIFY(items.size() >= 24);
        for (QAction* item : items) {
            QVERIFY2(!item->statusTip().isEmpty(), qPrintable(item->objectName()));
            QVERIFY2(!item->associatedObjects().isEmpty() &&
                         qobject_cast<QMenu*>(item->associatedObjects().constFirst()),
                     qPrintable(item->objectName()));
        }
        QCOMPARE(f.findChild<QAction*>("FileOpenItem")->shortcut(), QKeySequence("Ctrl+O"));
        for (const char* name : {"btnNew", "btnOpen", "btnSave", "btnPreview", "btnPrint"}) {
            auto* button = f.findChild<QToolButton*>(name);
            QVERIFY2(button && !button->icon().isNull(), name);
        }
    }

    void windowPosition_data() {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QRect>("bounds"); // null: the design bounds stay
        const QString key = QString::fromStdString(kPosKey);
        QTest::newRow("no entry") << "" << QRect();
        QTest::newRow("stored") << "[POS]\n" + key + "=76/121/552/466\n"
                                << QRect(121, 76, 552, 466);
        // Kept from a larger screen: fitted to this one.
        QTest::newRow("larger screen") << "[POS]\n" + key + "=900/2000/4000/3000\n"
                                       << QGuiApplication::primaryScreen()->availableGeometry();
        QTest::newRow("two numbers") << "[POS]\n" + key + "=120/80\n" << QRect();
    }
    void windowPosition() {
        QFETCH(QString, ini);
        QFETCH(QRect, bounds);
        const QPoint designPos = MakeFrame().pos();
        TMainForm& f = MakeFrame(ini.toStdString());
        QCOMPARE(f.pos(), bounds.isNull() ? designPos : bounds.topLeft());
        QCOMPARE(f.size(),
                 bounds.isNull() ? QSize(kFrameDesignWidth, kFrameDesignHeight) : bounds.size());
        // Closing stores top/left/width/height; minimised keeps the last entry.
        f.show();
        f.move(50, 60);
        f.resize(700, 500);
        f.close();
        QCOMPARE(ReadIniString(dir_->file("PLWIN.INI"), "POS", kPosKey, ""),
                 std::string("60/50/700/500"));
        TMainForm& g = MakeFrame();
        g.show();
        g.showMinimized();
        g.close();
        QCOMPARE(ReadIniString(dir_->file("PLWIN.INI"), "POS", kPosKey, ""),
                 std::string("60/50/700/500"));
    }

    // Closing a window, or the program, with work not saved asks Save /
    // Discard / Cancel; Cancel keeps everything, Save asks a name only for an
    // untitled window. An opened, unchanged window closes without a word.
    void unsavedWorkAsksBeforeClosing_data() {
        QTest::addColumn<bool>("exit");     // File > Exit, else Ctrl+W on the active window
        QTest::addColumn<bool>("edited");   // the opened window's page changed (out of date)
        QTest::addColumn<int>("answer");    // QMessageBox::Save, Discard or Cancel
        QTest::addColumn<int>("questions"); // how many windows the question names
        QTest::addColumn<int>("left");      // thread windows left open
        QTest::newRow("unchanged window") << false << false << 0 << 0 << 1;
        QTest::newRow("discard") << false << false << int(QMessageBox::Discard) << 1 << 1;
        QTest::newRow("cancel") << false << false << int(QMessageBox::Cancel) << 1 << 2;
        QTest::newRow("save untitled") << false << false << int(QMessageBox::Save) << 1 << 1;
        QTest::newRow("exit cancel") << true << true << int(QMessageBox::Cancel) << 2 << 2;
        QTest::newRow("exit save all") << true << true << int(QMessageBox::Save) << 2 << 2;
    }
    void unsavedWorkAsksBeforeClosing() {
        QFETCH(bool, exit);
        QFETCH(bool, edited);
        QFETCH(int, answer);
        QFETCH(int, questions);
        QFETCH(int, left);
        MakeFrame().show();
        TfrmThread* opened = OpenQuarter();
        if (edited) opened->findChild<QLineEdit*>("txtPitch")->setText("28");
        const QPointer<TfrmThread> calculated = frame_->btnNewClick();
        if (answer != 0)
            CalculateThread(*calculated, "UN Threads", "Class 2", "3/8", "16");
        else
            frame_->MdiArea()->setActiveSubWindow(
                qobject_cast<QMdiSubWindow*>(opened->parentWidget()));
        QStringList asked;
        Hooks().askSave = [&](QWidget*, const QString& text) {
            asked << text;
            return answer;
        };
        requests_.clear();
        fileAnswer_ = QString::fromStdString(dir_->file("new.thd"));
        Trigger(exit ? "FileExitItem" : "FileCloseItem");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(asked.size(), questions ? 1 : 0);
        if (questions > 0) QCOMPARE(asked.front().count("Data - "), questions); // the window titles
        const bool saved = answer == QMessageBox::Save;
        // Save writes the titled window back to its file without a dialog.
        QCOMPARE(requests_.size(), saved ? 1 : 0);
        QCOMPARE(QFileInfo::exists(fileAnswer_), saved);
        if (saved && exit)
            QCOMPARE(ReadIniString(dir_->file("quarter.thd"), "MAIN", "Nom Dia", ""),
                     std::string("+0.250000"));
        QCOMPARE(frame_->MdiArea()->subWindowList().size(), exit && saved ? 2 : left);
        QCOMPARE(frame_->isVisible(), !(exit && saved));
        // What was saved is no longer at risk.
        if (saved && calculated) QVERIFY(!calculated->WorkAtRisk());
    }

    // Recent Files: the files opened or saved, newest first, kept in the
    // settings; one that is gone is said so and dropped.
    void recentFiles() {
        MakeFrame();
        OpenQuarter();
        WriteTextFile(dir_->file("gone.thd"), kQuarterFile);
        fileAnswer_ = QString::fromStdString(dir_->file("gone.thd"));
        Trigger("FileOpenItem");
        frame_->findChild<QMenu*>("File1")->aboutToShow();
        auto* first = frame_->findChild<QAction*>("RecentFile1");
        QVERIFY(first && first->text().endsWith("gone.thd"));
        QVERIFY(frame_->findChild<QAction*>("RecentFile2")->text().endsWith("quarter.thd"));
        QCOMPARE(ReadIniString(dir_->file("PLWIN.INI"), "RECENT", "File2", ""),
                 dir_->file("quarter.thd"));
        QFile::remove(fileAnswer_);
        first->trigger();
        QCOMPARE(messages_, QStringList{fileAnswer_ + " is no longer there; it is taken off the "
                                                      "recent files."});
        QCOMPARE(ReadIniString(dir_->file("PLWIN.INI"), "RECENT", "File1", ""),
                 dir_->file("quarter.thd"));
        frame_->findChild<QMenu*>("File1")->aboutToShow();
        frame_->findChild<QAction*>("RecentFile1")->trigger();
        QCOMPARE(frame_->ActiveThread()->FileName(), QString("quarter.thd"));
        QCOMPARE(frame_->MdiArea()->subWindowList().size(), 3);
    }

    void commandsWithoutWindowDoNothing() {
        MakeFrame();
        // The tools that work on a calculated thread are disabled, not dead.
        for (const char* tool : {"UseNewWireSize1", "UseNewPDValue1"})
            QVERIFY(!frame_->findChild<QAction*>(tool)->isEnabled());
        QVERIFY(frame_->findChild<QAction*>("SetDIMTool1")->isEnabled());
        QGuiApplication::clipboard()->setText("untouched");
        for (const char* name :
             {"FileSaveItem", "btnSave", "FilePrintItem", "btnPreview", "btnPrint", "EditCopyItem",
              "Internal1", "External1", "UseNewWireSize1", "UseNewPDValue1", "Converttoinch1",
              "SetDIMTool1", "BallMicHBSetDim1"})
            Trigger(name);
        QVERIFY(messages_.isEmpty() && requests_.isEmpty() && inputs_.isEmpty());
        QVERIFY(frame_->MdiArea()->subWindowList().isEmpty());
        QCOMPARE(UnitCaption(), QString("Convert to mm"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("untouched"));
    }

    void useNewPDValueFitsTheActiveWindow() {
        MakeFrame();
        TfrmThread* thread = OpenQuarter();
        QVERIFY(thread);
        QString caption;
        Hooks().runModal = [&](QDialog& d) {
            caption = d.windowTitle();
            d.findChild<QComboBox*>("cboPDType")->setCurrentIndex(2);
            d.findChild<QLineEdit*>("Edit1")->setText("0.2200");
            return int(QDialog::Accepted);
        };
        QVERIFY(frame_->findChild<QAction*>("UseNewPDValue1")->isEnabled());
        Trigger("UseNewPDValue1");
        QCOMPARE(caption, QString("New PD Values"));
        // The 2B PD min is the basic PD, D - 0.649519 P: 0.2200 at D = 0.2525.
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('\n')));
        QVERIFY(qAbs(thread->Record()->NomDia - 0.2525) < 1e-9);
        QCOMPARE(thread->windowTitle(), QString("Calculated Data - quarter.thd *"));
    }

    // Set DIM Tool opens its own window beside the calculation, which keeps
    // its record and file (an empty window is taken); the tools that need a
    // calculation follow the active window; Save refuses, Print previews the
    // Setting Dims Report of the side entered.
    void setDimToolOpensAWindowOfItsOwn() {
        MakeFrame();
        TfrmThread* thread = OpenQuarter();
        const TTInfo* calculated = thread->Record();
        auto setDim = [&](const char* pitch) {
            Hooks().runModal = [pitch](QDialog& d) {
                d.findChild<QLineEdit*>("txtPitch")->setText(pitch);
                d.findChild<QRadioButton*>("optInternal")->click();
                d.findChild<QLineEdit*>("txtIntPD")->setText("0.4500");
                return int(QDialog::Accepted);
            };
            Trigger("SetDIMTool1");
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return frame_->ActiveThread();
        };
        QCOMPARE(setDim("0"), thread);
        QCOMPARE(messages_, QStringList{"Can not Calculate! Invalid Pitch."});
        TfrmThread* tool = setDim("13");
        QVERIFY(tool != thread && tool->SetDimFlag());
        QCOMPARE(tool->windowTitle(), QString("Set Dim Tool - Internal PD 0.4500 in, 13 TPI"));
        QVERIFY(thread->Record() == calculated && thread->FileName() == "quarter.thd");
        QVERIFY(!frame_->findChild<QAction*>("UseNewPDValue1")->isEnabled());
        Trigger("FileSaveItem");
        QVERIFY(requests_.size() == 1 && messages_.last().startsWith("The Set Dim tool's setting"));
        TReportJob job;
        ReportHooks().runModal = [&](QDialog& d) {
            job = qobject_cast<TfrmThdPrint*>(&d)->Job();
            return int(QDialog::Rejected);
        };
        Trigger("btnPreview");
        QVERIFY(job.kind == ReportKind::Setting && job.settingDim == 1 && job.internal == 1);
        ResetReportHooks();
        Trigger("FileNewItem");
        TfrmThread* empty = frame_->ActiveThread();
        QCOMPARE(setDim("13"), empty);
        QCOMPARE(frame_->MdiArea()->subWindowList().size(), 3);
    }

    void openRefusedOrCancelledLeavesNoWindow() {
        MakeFrame();
        Trigger("FileOpenItem");
        QCOMPARE(requests_.size(), 1);
        QVERIFY(!requests_.constFirst().save);
        QCOMPARE(requests_.constFirst().filters.constFirst(), QString("Thread Files (*.thd)"));
        QVERIFY(frame_->MdiArea()->subWindowList().isEmpty());
        fileAnswer_ = QString::fromStdString(dir_->file("missing.thd"));
        Trigger("btnOpen");
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_.constFirst().contains("missing.thd"), qPrintable(messages_[0]));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(frame_->MdiArea()->subWindowList().isEmpty());
    }

    void commandsReachTheActiveWindow() {
        MakeFrame();
        TfrmThread* thread = OpenQuarter();
        QVERIFY(thread && thread->Record());
        QCOMPARE(thread->FileName(), QString("quarter.thd"));
        fileAnswer_ = QString::fromStdString(dir_->file("copy.thd"));
        Trigger("FileSaveAsItem");
        const FileDialogRequest& r = requests_.at(1);
        QVERIFY(r.save);
        QCOMPARE(r.defaultSuffix, QString("thd"));
        QCOMPARE(r.fileName, QString("quarter.thd"));
        QCOMPARE(ReadIniString(dir_->file("copy.thd"), "MAIN", "TPI", ""),
                 std::string("+20.000000"));
        QCOMPARE(thread->FileName(), QString("copy.thd"));

        // Wires for 20 tpi run from 0.505182 P = 0.02526 to 1.010362 P = 0.05052.
        inputAnswer_ = "0.06";
        Trigger("UseNewWireSize1");
        QCOMPARE(inputs_, QStringList{"New Wire Size|Enter New Wire Size"});
        QCOMPARE(messages_, QStringList{"Invalid Wire Size!"});
        inputAnswer_ = "0.0289";
        Trigger("UseNewWireSize1");
        QCOMPARE(messages_.size(), 1);

        // The menu item and the preview button preview; only the print button
        // goes straight to the print dialog.
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
        Trigger("FilePrintItem");
        Trigger("btnPreview");
        QCOMPARE(shown, QStringList(2, "Pitch Ledger - Print Preview"));
        QCOMPARE(dialogs, 0);
        Trigger("btnPrint");
        QCOMPARE(dialogs, 1);
        QCOMPARE(shown.size(), 2);
        ResetReportHooks();
    }

    void unitFollowsActiveWindow() {
        TMainForm& f = MakeFrame();
        f.show();
        QCOMPARE(UnitField(), QString("in"));
        TfrmThread* first = f.btnNewClick();
        TfrmThread* second = f.btnNewClick();
        auto activate = [&](TfrmThread* t) {
            f.MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(t->parentWidget()));
        };
        // The menu caption, the status line field and the formatting all follow
        // the window activated last.
        activate(first);
        Trigger("Converttoinch1");
        QCOMPARE(UnitCaption(), QString("Convert to inch"));
        QCOMPARE(UnitField(), QString("mm"));
        QVERIFY(first->MetricFlag() && MetricDisplay());
        activate(second);
        QCOMPARE(UnitCaption(), QString("Convert to mm"));
        QCOMPARE(UnitField(), QString("in"));
        QVERIFY(!MetricDisplay());
        activate(first);
        QCOMPARE(UnitField(), QString("mm"));
        Trigger("Converttoinch1");
        QCOMPARE(UnitField(), QString("in"));
        QVERIFY(!second->MetricFlag());
        // A pipe thread's tables are inches only: no conversion while it is active.
        activate(second);
        second->findChild<QComboBox*>("cboType")->setCurrentText("General Purpose Pipe Threads");
        second->findChild<QPushButton*>("Button2")->click();
        QVERIFY(!frame_->findChild<QAction*>("Converttoinch1")->isEnabled());
        activate(first);
        QVERIFY(frame_->findChild<QAction*>("Converttoinch1")->isEnabled());
    }

    // Each window by designation and file name, whatever its caption says.
    void windowMenuListsOpenWindows() {
        TMainForm& f = MakeFrame();
        f.show();
        f.btnNewClick();
        TfrmThread* quarter = OpenQuarter();
        quarter->setWindowTitle("Second & last");
        f.UpdateWindowMenu();
        QStringList texts;
        QString checked;
        for (QAction* a : f.findChild<QMenu*>("Window1")->actions()) {
            if (a->isSeparator()) continue;
            texts << a->text();
            if (a->isChecked()) checked = a->text();
        }
        const QString name = Child<QLabel>(*quarter, "lblName")->text();
        QVERIFY(name.contains("-20 UNC"));
        QCOMPARE(texts, (QStringList{"&Tile", "&Cascade", "&Arrange All", "&1 (Untitled)",
                                     "&2 " + name + " \u2014 quarter.thd"}));
        QCOMPARE(checked, texts.last());
    }

    void splashAndAboutBox() {
        TMainForm& f = MakeFrame();
        TfrmSplash splash;
        f.SetSplash(&splash);
        splash.show();
        f.Timer1Timer();
        QVERIFY(!splash.isVisible());
        splash.show();
        QTest::mouseClick(&splash, Qt::LeftButton);
        QVERIFY(!splash.isVisible());

        QDialog* shown = nullptr;
        Hooks().runModal = [&](QDialog& d) {
            shown = &d;
            return int(QDialog::Accepted);
        };
        Trigger("HelpAboutItem");
        QVERIFY(shown);
        auto* grid = shown->findChild<QTableWidget*>("VerGrid");
        QVERIFY(grid && grid->rowCount() > 1);
        QVERIFY(grid->item(0, 1)->text().startsWith(QSysInfo::prettyProductName()));
        // "Version 5.0" until the box is shown with the file version.
        auto* version = shown->findChild<QLabel*>("Version");
        QCOMPARE(version->text(), QString("Version 5.0"));
        shown->show();
        QCOMPARE(version->text(), QString("Version: 5.0.0"));
        shown->hide();
    }
};

QTEST_MAIN(FrameTest)
#include "test_frame.moc"
