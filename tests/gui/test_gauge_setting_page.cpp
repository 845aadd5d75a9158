// The thread window's gauge-setting page "Orvalle": the maker's gauge models
// of a 3/4-10 UNC thread and their pictures, what the point and the roll gauge
// show, a refused special point (1/4-20: maximum wire 0.0505), and the page's
// tab, which a multi-start thread does not get.
#include "core/thread_record.h"
#include "pages/gauge_setting_page.h"
#include "support/gui_support.h"
#include "support/window_test.h"
#include "ui/gauge_setting_page.h"
#include "ui/thread_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include <memory>

namespace {

QString Text(const TfrmThread& w, const char* label) {
    return Child<QLabel>(w, label)->text();
}

void Calculate(TfrmThread& w, const QString& dia, const QString& tpi, int starts = 1,
               const QString& type = "UN Threads") {
    Child<QComboBox>(w, "cboType")->setCurrentText(type);
    Child<QComboBox>(w, "cboStarts")->setCurrentIndex(starts - 1);
    CalculateThread(w, type, type == "UN Threads" ? "Class 2" : "", dia, tpi);
}

void Choose(TfrmThread& w, bool roll, bool external) {
    Child<QRadioButton>(w, roll ? "optRollGage" : "optPointGage")->click();
    Child<QRadioButton>(w, external ? "optExternal" : "optInternal")->click();
}

} // namespace

class TestGaugeSettingPage : public WindowTest {
    Q_OBJECT

private slots:
    // The small models: QSP-2000 in a bore of 0.625 to 1.5 in, QSR-3000 on a
    // thread up to 1 in, whichever gauge is chosen.
    void modelsOf34UNC_data() {
        QTest::addColumn<bool>("roll");
        QTest::addColumn<bool>("external");
        QTest::addColumn<QString>("model");
        QTest::addColumn<GaugeModelPicture>("picture");
        QTest::newRow("internal point")
            << false << false << "QSP-2000" << GaugeModelPicture::NSP2000;
        QTest::newRow("internal roll") << true << false << "QSP-2000" << GaugeModelPicture::NSP2000;
        QTest::newRow("external point")
            << false << true << "QSR-3000" << GaugeModelPicture::MSR3000;
        QTest::newRow("external roll") << true << true << "QSR-3000" << GaugeModelPicture::MSR3000;
    }
    void modelsOf34UNC() {
        QFETCH(bool, roll);
        QFETCH(bool, external);
        QFETCH(QString, model);
        QFETCH(GaugeModelPicture, picture);
        TfrmThread w;
        Calculate(w, "3/4", "10");
        Choose(w, roll, external);
        QCOMPARE(Text(w, "lblGage"), model);
        QCOMPARE(Child<TGaugeModelView>(w, "imgGage")->Picture(), picture);
        // Every value is the page text of the thread and gauge chosen.
        const GaugeSettingText t = BuildGaugeSettingPage(*w.Record(), external, roll, false);
        QCOMPARE(Text(w, "lblFlat"), QString::fromStdString(t.setFlat));
        QCOMPARE(Text(w, "lblPoint"), QString::fromStdString(t.pointNumber));
        QCOMPARE(Text(w, "lblTolerance"), QString::fromStdString(t.tolerance));
        // The small external model has no V setting.
        if (!roll) QCOMPARE(Text(w, "lblV"), QString("  N/A"));
    }

    // The point gauge has a V setting and the point entry; the roll gauge
    // the differential analysis tolerance instead.
    void rollAndPointControls() {
        TfrmThread w;
        Calculate(w, "3/4", "10");
        for (bool roll : {false, true}) {
            Choose(w, roll, true);
            for (const char* name : {"lblSetV", "lblV", "txtBallDia", "btnCalc"})
                QVERIFY2(Shown(w, name) == !roll, name);
            for (const char* name : {"lblDiffTol", "lblDiffTolValue"})
                QVERIFY2(Shown(w, name) == roll, name);
            QCOMPARE(Text(w, "lblSetPoint"), QString(roll ? "Roll #:" : "Point #:"));
            QVERIFY(!Shown(w, "pnlGMNote"));
        }
    }

    // A recalled roll (2-4 Acme external: ZRKA-4C) brings the notice up.
    void noticeOfRecalledRoll() {
        TfrmThread w;
        Calculate(w, "2", "4", 1, "ACME Threads");
        Choose(w, true, true);
        QCOMPARE(Text(w, "lblPoint"), QString("ZRKA-4C"));
        QVERIFY(Shown(w, "pnlGMNote"));
        QCOMPARE(Text(w, "lblPointDia"), QString("SEE NOTICE BELOW"));
        Choose(w, false, true);
        QVERIFY(!Shown(w, "pnlGMNote"));
    }

    // The rules of a special point are the catalogue's: here a refusal reaches
    // the user and the page keeps its point.
    void specialPointRefused() {
        TfrmThread w;
        Calculate(w, "1/4", "20");
        Choose(w, false, true);
        const double before = w.Record()->ExtThd.PointDia;
        Child<QLineEdit>(w, "txtBallDia")->setText("1.6mm");
        Child<QPushButton>(w, "btnCalc")->click();
        QCOMPARE(messages_, QStringList{"Special Pt. Dia is too large! Enter a smaller diameter"});
        QCOMPARE(w.Record()->ExtThd.PointDia, before);
        QCOMPARE(Child<QLineEdit>(w, "txtBallDia")->text(),
                 QString::fromStdString(
                     BuildGaugeSettingPage(*w.Record(), true, false, false).pointDia));
    }

    // 1/4-20 internal has no gauge: the page says why, and the line opens the help.
    void noteOfAThreadTooSmall() {
        TfrmThread w;
        Calculate(w, "1/4", "20");
        Choose(w, false, false);
        QCOMPARE(Text(w, "lblPoint"), QString("NONE"));
        QCOMPARE(
            Text(w, "lblSettingNote"),
            QString::fromStdString(BuildGaugeSettingPage(*w.Record(), false, false, false).note));
        QVERIFY(Shown(w, "lblSettingNote"));
        QSignalSpy help(&w, &TfrmThread::helpRequested);
        QTest::mouseClick(Child<QLabel>(w, "lblSettingNote"), Qt::LeftButton);
        QCOMPARE(help.takeFirst().at(0).toString(), QString("gauge_setting.html"));
        // The external roll gauge of 1/4-20 has its setting: no line.
        Choose(w, true, true);
        QVERIFY(!Shown(w, "lblSettingNote"));
    }

    void tabOnlyForOneStart() {
        TfrmThread w;
        Calculate(w, "3/4", "10");
        QVERIFY(Tabs(w).contains("Orvalle"));
        Calculate(w, "3/4", "10", 2);
        QCOMPARE(Tabs(w), QStringList({"Parameters", "Thread Dim.", "Ring Gage", "Set Plug",
                                       "Plug Gage", "Inspect", "Profile"}));
    }
};

QTEST_MAIN(TestGaugeSettingPage)
#include "test_gauge_setting_page.moc"
