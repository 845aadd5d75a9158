// "Calibrate" from the Set Plug and Plug Gage pages: the gauge each offers,
// entries judged or refused, the .cal file giving the same certificate again,
// and the calibration stored in a register (a temporary SQLite file).
#include "support/gui_support.h"
#include "support/window_test.h"
#include "ui/calibrate_dialog.h"
#include "ui/color_string_grid.h"
#include "ui/thread_window.h"

#include "register/gauge_register.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <memory>

class TestCalibrate : public WindowTest {
    Q_OBJECT

    // The dialog a page's Calibrate button opens over 1/4-20 UNC-2.
    TCalibrateDialog* Open(TfrmThread& w, const char* tab, bool go, const char* button) {
        CalculateThread(w, "UN Threads", "Class 2", "1/4", "20");
        if (!ShowTab(w, tab)) return nullptr;
        Child<QRadioButton>(w, go ? (*tab == 'S' ? "optSetPlugGO" : "optPlugGO")
                                  : (*tab == 'S' ? "optSetPlugNOGO" : "optPlugNOGO"))
            ->setChecked(true);
        Child<QToolButton>(w, button)->click();
        return w.findChild<TCalibrateDialog*>("frmCalibrate");
    }

    static void Fill(TCalibrateDialog& d, const QStringList& nameValues) {
        for (qsizetype i = 0; i + 1 < nameValues.size(); i += 2)
            Child<QLineEdit>(d, nameValues[i].toLatin1().constData())->setText(nameValues[i + 1]);
    }

private slots:
    void gaugeOfEachPage_data() {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<bool>("go");
        QTest::addColumn<QString>("gauge");
        QTest::newRow("set_plug_nogo") << "Set Plug" << false << "NOT GO setting plug";
        QTest::newRow("set_plug_go") << "Set Plug" << true << "GO setting plug";
        QTest::newRow("plug_go") << "Plug Gage" << true << "GO plug";
    }
    void gaugeOfEachPage() {
        QFETCH(QString, tab);
        QFETCH(bool, go);
        QFETCH(QString, gauge);
        TfrmThread w;
        const bool setPlug = tab.startsWith('S');
        TCalibrateDialog* d = Open(w, tab.toLatin1().constData(), go,
                                   setPlug ? "btnSetPlugCalibrate" : "btnPlugCalibrate");
        QVERIFY(d && d->isModal());
        QCOMPARE(Child<QComboBox>(*d, "cboCalMember")->currentText(), gauge);
        // The ring gauge is calibrated through its setting plugs.
        QVERIFY(!w.findChild<QToolButton*>("btnRingCalibrate"));
    }

    // 1/4-20 UNC-2B's GO plug, class X PD 0.21750 to 0.21780, over 0.0288675 wires:
    // 0.26109 - 0.04330125 = 0.21779, U 0.00008 (k 2.01), within U of the maximum.
    void entriesJudgedOrRefused_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("verdict"); // its start, or the message
        QTest::newRow("near_maximum_not_proven")
            << QStringList{"txtCalReadings", "0.26108, 0.26110", "txtCalUWire",
                           "0.00001",        "txtCalUReading",   "0.00002"}
            << "Pitch diameter: not proven \xE2\x80\x94 0.21779 \xC2\xB1 0.00008 in lies 0.00001 "
               "in inside the maximum 0.21780 in, within U of it";
        QTest::newRow("refused_reading")
            << QStringList{"txtCalReadings", "0.26108, x",     "txtCalUWire",
                           "0.00001",        "txtCalUReading", "0.00002"}
            << "Invalid reading over wires: x";
    }
    void entriesJudgedOrRefused() {
        QFETCH(QStringList, entries);
        QFETCH(QString, verdict);
        TfrmThread w;
        TCalibrateDialog* d = Open(w, "Plug Gage", true, "btnPlugCalibrate");
        QVERIFY(d);
        Fill(*d, entries);
        Child<QPushButton>(*d, "btnCalCalculate")->click();
        const bool refused = verdict.startsWith("Invalid");
        QCOMPARE(messages_, refused ? QStringList{verdict} : QStringList{});
        QCOMPARE(Child<QLabel>(*d, "lblCalVerdict")->text(), refused ? QString() : verdict);
        QCOMPARE(Shown(*d, "grdCalBudget"), !refused);
        if (!refused)
            QCOMPARE(Child<TColorStringGrid>(*d, "grdCalBudget")->Cell(1, 0),
                     QString("Readings over wires, mean of 2 (Type A)"));
    }

    void calFileAndRegister() {
        TempDir dir;
        TfrmThread w;
        TCalibrateDialog* d = Open(w, "Plug Gage", true, "btnPlugCalibrate");
        QVERIFY(d);
        Fill(*d, {"txtCalReadings", "0.26108, 0.26110", "txtCalUWire", "0.00001", "txtCalUReading",
                  "0.00002", "txtCalSerial", "PG-0417", "txtCalDate", "2025-03-01",
                  "txtCalOperator", "J. Doe"});
        const QString cal = QString::fromStdString(dir.file("pg.cal"));
        QVERIFY(d->SaveCalFile(cal));
        const TextGrid certificate = d->Page().certificate;

        // Reopened over another thread, the file brings its own.
        TfrmThread other;
        CalculateThread(other, "UN Threads", "Class 3", "1/2", "13");
        TCalibrateDialog again(*other.Record(), CalMember::NoGoPlug, false);
        QVERIFY(again.OpenCalFile(cal));
        QCOMPARE(again.Page().certificate, certificate);
        QVERIFY(!again.OpenCalFile(QString::fromStdString(dir.file("none.cal"))));
        QCOMPARE(messages_.size(), 1);

        // No register: the button stays off and says why.
        auto* store = Child<QPushButton>(*d, "btnCalRegister");
        d->UseRegister(nullptr, "The gauge register could not be opened.");
        QVERIFY(!store->isEnabled());
        RegisterResult opened;
        auto reg = GaugeRegister::Open(dir.file("gauges.sqlite"), opened);
        QVERIFY(reg);
        GaugeRecord g;
        g.serial = "PG-0417";
        g.thread = "1/4-20 UNC-2B";
        g.intervalDays = 365;
        QVERIFY(reg->AddGauge(g));
        d->UseRegister(std::move(reg), {});
        QVERIFY(store->isEnabled());
        messages_.clear();
        QVERIFY(d->StoreInRegister());
        RegisterResult reopened;
        auto check = GaugeRegister::Open(dir.file("gauges.sqlite"), reopened);
        std::vector<CalibrationRecord> history;
        QVERIFY(check && check->History("PG-0417", history));
        QCOMPARE(history.size(), std::size_t{1});
        const CalibrationRecord& c = history[0];
        QCOMPARE(IsoDateText(c.date), std::string("2025-03-01"));
        QCOMPARE(c.operatorName, std::string("J. Doe"));
        QVERIFY(c.measuredPD == 0.21779 && c.expandedU == 0.00008 && c.k == 2.01);
        QVERIFY(c.verdict == CalVerdict::NotProven && c.certificateStored);
        QVERIFY(c.calInputs.find("0.26108") != std::string::npos);

        // A serial the register does not hold is refused with its message.
        Child<QLineEdit>(*d, "txtCalSerial")->setText("PG-9999");
        QVERIFY(!d->StoreInRegister());
        QCOMPARE(messages_.size(), 2);
        QVERIFY(messages_[1].contains("PG-9999"));
    }
};

QTEST_MAIN(TestCalibrate)
#include "test_calibrate.moc"
