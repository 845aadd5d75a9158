// The ball micrometer in the program: the dialog's pages and checks, a thread
// window in ball micrometer mode, its .bm files and its report preview.
#include "app/app_hooks.h"
#include "app/main_form.h"
#include "gauges/ball_mic.h"
#include "report/print_preview.h"
#include "report/report_hooks.h"
#include "support/gui_support.h"
#include "ui/ball_mic_dialog.h"
#include "ui/message_box.h"
#include "ui/thread_window.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <functional>
#include <memory>

class BallMicTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<TMainForm> frame_;
    QStringList messages_;
    QString fileAnswer_;
    FileDialogRequest lastRequest_;
    // What the user does in a modal dialog; returns its result.
    std::function<int(QDialog&)> user_;

    void MakeFrame() { frame_ = MakeTestFrame(*dir_); }
    void Trigger(const char* name) { frame_->findChild<QAction*>(name)->trigger(); }
    // A control of the window's ball micrometer page.
    template <class T> static T* Page(QWidget* w, const char* name) {
        return Child<T>(*Child<QWidget>(*w, "OrvalleBallMic"), name);
    }
    static QString Text(QWidget* w, const char* name) { return Page<QLabel>(w, name)->text(); }
    // Fills the dialog: the options, OK, the entries of the data page, OK.
    static int Fill(QDialog& d, const char* side, const char* plane, const char* dia,
                    const QList<QPair<const char*, const char*>>& entries) {
        d.show();
        for (const char* option : {side, plane, dia})
            if (option) Child<QRadioButton>(d, option)->click();
        Child<QPushButton>(d, "BitBtn3")->click();
        for (const auto& [name, text] : entries)
            Child<QLineEdit>(d, name)->setText(text);
        Child<QPushButton>(d, "BitBtn1")->click();
        d.hide();
        return d.result();
    }

private slots:
    void init() {
        dir_ = std::make_unique<TempDir>();
        messages_.clear();
        fileAnswer_.clear();
        SetMessageHook([this](MessageKind, const QString& text) { messages_ << text; });
        Hooks().fileDialog = [this](QWidget*, const FileDialogRequest& r) {
            lastRequest_ = r;
            return fileAnswer_;
        };
        Hooks().runModal = [this](QDialog& d) { return user_ ? user_(d) : int(QDialog::Rejected); };
    }
    void cleanup() {
        frame_.reset();
        ResetHooks();
        ResetReportHooks();
        SetMessageHook({});
        user_ = nullptr;
        dir_.reset();
    }

    void dialogPagesAndChecks() {
        TfrmBallMic d;
        QCOMPARE(d.windowTitle(), QString("Ball Mic Calculator (HB)"));
        d.show();
        auto* optDia = Child<QGroupBox>(d, "optDia");
        QVERIFY(optDia->isHidden());
        Child<QRadioButton>(d, "optOtherPlane")->click();
        QVERIFY(!optDia->isHidden());
        Child<QRadioButton>(d, "optApexDiaGiven")->click();
        Child<QPushButton>(d, "BitBtn3")->click();
        // Method 3: the apex diameter and the distance over the ball, no plane.
        for (const char* shown : {"txtAngle", "txtBallDia", "txtApexDia", "txtDisOverBall"})
            QVERIFY2(Child<QLineEdit>(d, shown)->isVisibleTo(&d), shown);
        for (const char* hidden : {"txtPlaneDia", "txtDisToPlane"})
            QVERIFY2(!Child<QLineEdit>(d, hidden)->isVisibleTo(&d), hidden);
        Child<QLineEdit>(d, "txtAngle")->setText("5");
        Child<QLineEdit>(d, "txtBallDia")->setText("0.25");
        Child<QLineEdit>(d, "txtApexDia")->setText("abc");
        Child<QPushButton>(d, "BitBtn1")->click();
        QCOMPARE(messages_, QStringList{"Apex Diameter: \"abc\" is not a number"});
        Child<QLineEdit>(d, "txtApexDia")->clear();
        Child<QPushButton>(d, "BitBtn1")->click();
        QCOMPARE(messages_.last(), QString("Must complete the dialog box before continueing"));
        QVERIFY(d.isVisible());
        Child<QLineEdit>(d, "txtApexDia")->setText("1.5");
        Child<QLineEdit>(d, "txtDisOverBall")->setText("0.5");
        Child<QPushButton>(d, "BitBtn1")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const std::unique_ptr<TBallMic> bm = d.TakeBallMic();
        QCOMPARE(bm->CalcMethod, kBallMicApexDiaGiven);
        QCOMPARE(bm->ApexDia, 1.5);
        QCOMPARE(bm->BallDis, 0.5);
    }

    // The desktop's decimal separator is read as well as the point; a text
    // that is no number is said to be none.
    void decimalSeparatorOfTheDesktop() {
        const struct {
            const char *locale, *ball, *message;
        } cases[] = {
            {"de_DE", "0,5", ""},
            {"de_DE", "0,5,5", "Gage Ball Diameter: \"0,5,5\" is not a number"},
            {"en_US", "0,5", "Gage Ball Diameter: \"0,5\" is not a number (use a decimal point)"}};
        for (const auto& c : cases) {
            messages_.clear();
            QLocale::setDefault(QLocale(c.locale));
            TfrmBallMic d;
            const int result = Fill(d, nullptr, nullptr, nullptr,
                                    {{"txtAngle", "29-30"},
                                     {"txtBallDia", c.ball},
                                     {"txtPlaneDia", "2"},
                                     {"txtDisToPlane", "1"}});
            const std::unique_ptr<TBallMic> bm = d.TakeBallMic();
            QLocale::setDefault(QLocale::c());
            QCOMPARE(messages_.join(""), QString(c.message));
            QCOMPARE(result, int(*c.message ? QDialog::Rejected : QDialog::Accepted));
            if (!*c.message) QCOMPARE(std::pair(bm->BallDia, bm->Angle), std::pair(0.5, 29.5));
        }
    }

    // "Ball Mic (HB) Set Dim" on the empty window, the page's entries, then
    // saving and opening the .bm file.
    void windowModeAndFiles() {
        MakeFrame();
        TfrmThread* empty = frame_->btnNewClick();
        empty->ToggleDisplayUnit();
        user_ = [](QDialog& d) {
            return Fill(d, nullptr, nullptr, nullptr,
                        {{"txtAngle", "30"},
                         {"txtBallDia", "0.5"},
                         {"txtPlaneDia", "2.0"},
                         {"txtDisToPlane", "1.0"}});
        };
        Trigger("BallMicHBSetDim1");
        TfrmThread* w = frame_->ActiveThread();
        QCOMPARE(w, empty);
        QVERIFY(w->BallMicMode());
        QCOMPARE(w->windowTitle(), QString("Ball Mic SetDim - (Untitled)"));
        QCOMPARE(Child<QLabel>(*w, "lblName")->text(), QString("Ball Mic Setting Dims."));
        QCOMPARE(Child<QTabBar>(*w, "TabSet1")->tabText(0), QString("Orvalle"));
        QCOMPARE(Text(w, "lblFlat"), QString("1.9330"));
        QCOMPARE(Text(w, "lblV"), QString("1.1250"));
        QCOMPARE(Text(w, "lblSetV"), QString("Dist. Over Ball:"));
        QCOMPARE(Text(w, "lblPointDia"), QString("Ball Dia:"));
        QCOMPARE(Text(w, "lblGage"), QString("HB-5000"));
        QCOMPARE(Text(w, "lblFlatUnit") + Text(w, "lblVUnit"), QString("inin"));
        // The inputs beside the result, as typed, each with its unit.
        QStringList inputs;
        for (int r = 0; r < 5; ++r)
            inputs << Text(w, qPrintable(QString("lblInputLabel%1").arg(r))) + " " +
                          Text(w, qPrintable(QString("lblInputValue%1").arg(r)));
        QCOMPARE(inputs, (QStringList{"Half Angle: 30.000\u00B0 (angle from centerline)",
                                      "Distance to Gage Plane: 1.0000 in",
                                      "Diameter at Gage Plane: 2.0000 in",
                                      "Ball Diameter: 0.5000 in", "Int / Ext: EXTERNAL"}));
        // Its lengths are as typed: the window leaves millimetre display.
        QVERIFY(!w->UnitSwitchable() && !w->MetricFlag());

        Page<QRadioButton>(w, "optInternal")->click();
        QCOMPARE(Text(w, "lblFlat"), QString("2.0670"));
        // 25.4 mm is a 1 inch ball: 2.0 + 2 (0.5 - 0.5 cos 30).
        Page<QLineEdit>(w, "txtBallDia")->setText("25.4mm");
        Page<QPushButton>(w, "btnCalc")->click();
        QCOMPARE(Text(w, "lblFlat"), QString("2.1340"));
        QCOMPARE(Page<QLineEdit>(w, "txtBallDia")->text(), QString("1.0000"));

        fileAnswer_ = QString::fromStdString(dir_->file("taper.bm"));
        Trigger("FileSaveItem");
        QCOMPARE(w->windowTitle(), QString("Ball Mic SetDim - taper.bm"));
        QCOMPARE(lastRequest_.defaultSuffix, QString("bm"));
        fileAnswer_ = QString::fromStdString(dir_->file("taper.bm"));
        Trigger("OpenBallMic1");
        TfrmThread* opened = frame_->ActiveThread();
        QCOMPARE(lastRequest_.filters.at(lastRequest_.filterIndex),
                 QString("Ball Mic Files (*.bm)"));
        QVERIFY(opened != w && opened->BallMicMode());
        QCOMPARE(Text(opened, "lblFlat"), QString("2.1340"));
        QVERIFY(Page<QRadioButton>(opened, "optInternal")->isChecked());

        // A thread calculation is kept: Set Dim on it opens a window of its own.
        WriteTextFile(dir_->file("q.thd"), "[MAIN]\nThd Type=UN\nClass=2\nNom Dia=+0.250000\n"
                                           "TPI=+20.000000\n");
        fileAnswer_ = QString::fromStdString(dir_->file("q.thd"));
        Trigger("FileOpenItem");
        TfrmThread* thread = frame_->ActiveThread();
        QVERIFY(thread->Record() && !thread->BallMicMode());
        Trigger("BallMicHBSetDim1");
        QVERIFY(frame_->ActiveThread() != thread && frame_->ActiveThread()->BallMicMode());
        QVERIFY(!thread->BallMicMode());
        QCOMPARE(messages_, QStringList{});

        // A thread file is no ball micrometer file.
        fileAnswer_ = QString::fromStdString(dir_->file("q.thd"));
        const int windows = frame_->MdiArea()->subWindowList().size();
        Trigger("OpenBallMic1");
        QCOMPARE(messages_, QStringList{"q.thd is not a ball micrometer file: it has no [BALLMIC] "
                                        "section."});
        QCOMPARE(frame_->MdiArea()->subWindowList().size(), windows);

        // A file's values meet the dialog's checks, and so does a ball typed on
        // the page: on the plug, a 15 in ball on the 2 in plane would set to
        // 2.0 - 2 x 7.5 (1 - cos 30) = -0.0096.
        WriteTextFile(dir_->file("steep.bm"), "[BALLMIC]\nAngle=95\nBallDia=0.5\nPlaneDia=2\n"
                                              "PlaneDis=1\n");
        fileAnswer_ = QString::fromStdString(dir_->file("steep.bm"));
        Trigger("OpenBallMic1");
        QCOMPARE(frame_->MdiArea()->subWindowList().size(), windows);
        Page<QRadioButton>(opened, "optExternal")->click();
        QCOMPARE(Text(opened, "lblFlat"), QString("1.8660"));
        Page<QLineEdit>(opened, "txtBallDia")->setText("15");
        Page<QPushButton>(opened, "btnCalc")->click();
        QCOMPARE(messages_.mid(1), (QStringList{kBallMicAngleLimit, kBallMicNoSetting}));
        QCOMPARE(Text(opened, "lblFlat"), QString("1.8660"));
    }

    void reportPreview() {
        MakeFrame();
        TfrmThread* w = frame_->btnNewClick();
        WriteTextFile(dir_->file("a.bm"),
                      "[BALLMIC]\nAngle=15\nBallDia=0.25\nPlaneDia=1.0\nPlaneDis=1.0\n");
        QVERIFY(w->OpenThreadFile(QString::fromStdString(dir_->file("a.bm"))));
        ReportKind kind = ReportKind::Thread;
        bool painted = false;
        ReportHooks().runModal = [&](QDialog& d) {
            auto& preview = static_cast<TfrmThdPrint&>(d);
            kind = preview.Job().kind;
            painted = !preview.Print1().PreviewImage().isNull();
            return int(QDialog::Rejected);
        };
        w->PrintThread(true);
        QVERIFY(kind == ReportKind::BallMic);
        QVERIFY(painted);
    }
};

QTEST_MAIN(BallMicTest)
#include "test_ball_mic.moc"
