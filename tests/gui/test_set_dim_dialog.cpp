// The Set Dim tool in the window: its dialog (types, pitch caption, one PD
// entry at a time) and the record it puts into the thread window.
#include "core/thread_record.h"
#include "support/gui_support.h"
#include "support/window_test.h"
#include "ui/gauge_setting_page.h"
#include "ui/set_dim_dialog.h"
#include "ui/thread_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>

#include <filesystem>

class SetDimTest : public WindowTest {
    Q_OBJECT

private slots:
    void dialogControls() {
        TfrmSetDim d;
        QCOMPARE(d.windowTitle(), QString("Set Dim Tool"));
        auto* types = Child<QComboBox>(d, "cboType");
        QCOMPARE(types->count(), 12);
        QCOMPARE(types->itemText(10), QString("30 Degree Trapezoidal Metric"));
        auto* pitch = Child<QLabel>(d, "Label5");
        QCOMPARE(pitch->text(), QString("Threads / Inch:"));
        types->setCurrentIndex(7);
        QCOMPARE(pitch->text(), QString("Thread Pitch in mm:"));
        // One PD entry shows; choosing the other empties and hides it.
        auto* ext = Child<QLineEdit>(d, "txtExtPD");
        auto* in = Child<QLineEdit>(d, "txtIntPD");
        QVERIFY(Child<QRadioButton>(d, "optExternal")->isChecked());
        QVERIFY(!ext->isHidden() && in->isHidden());
        ext->setText("9.026");
        Child<QRadioButton>(d, "optInternal")->click();
        QVERIFY(ext->isHidden() && !in->isHidden() && ext->text().isEmpty());
        in->setText("9.026");
        Child<QLineEdit>(d, "txtPitch")->setText("1.5");
        const SetDimEntry e = d.Entry();
        QCOMPARE(e.typeIndex, 7);
        QCOMPARE(QString::fromStdString(e.intPDText + "|" + e.extPDText + "|" + e.pitchText),
                 QString("9.026||1.5"));
        Child<QPushButton>(d, "BitBtn2")->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
        // Every use starts empty on the external entry.
        d.Reset();
        QVERIFY(Child<QRadioButton>(d, "optExternal")->isChecked() && in->text().isEmpty());
        Child<QPushButton>(d, "BitBtn1")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    // The window of the tool shows its result alone: the gauge-setting page,
    // a caption naming the PD, nothing to re-evaluate and no thread file.
    void windowShowsTheToolsResultAlone() {
        TempDir dir;
        TfrmThread w;
        QVERIFY(!w.RunSetDimTool({0, "0", "0.2164", ""}));
        QCOMPARE(messages_, QStringList{"Can not Calculate! Invalid Pitch."});
        QVERIFY(!w.Record() && !w.SetDimFlag());
        // M, pitch 1.5, external PD max 9.026: shown in millimetres.
        QVERIFY(w.RunSetDimTool({7, "1.5", "9.026", ""}));
        QVERIFY(w.SetDimFlag() && w.MetricFlag());
        QCOMPARE(w.Record()->ExtThd.TypeCode, uint16_t(kTypeM));
        QCOMPARE(w.Record()->ExtThd.PD.Max, 9.026);
        QCOMPARE(w.windowTitle(), QString("Set Dim Tool - External PD 9.0260 mm, 1.5 mm pitch"));
        // Internal PD min alone: the gauge-setting page shows the internal
        // thread's point gauge, on the one tab there is.
        QVERIFY(w.RunSetDimTool({0, "8", "", "0.9188"}));
        QCOMPARE(Child<QStackedWidget>(w, "Notebook1")->currentIndex(), 5);
        auto* tabs = Child<QTabBar>(w, "TabSet1");
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(tabs->tabText(0), QString("Orvalle"));
        auto* page = Child<TGaugeSettingPage>(w, "pnlGageSetting");
        QVERIFY(!page->External() && !page->RollGauge());
        QVERIFY(!w.MetricFlag());
        // Every type of the list gives a record the window can show.
        for (int type = 0; type < 12; ++type) {
            const bool metric = type == 7 || type == 8 || type == 10;
            QVERIFY(w.RunSetDimTool({type, metric ? "2" : "8", metric ? "25" : "1.0", ""}));
            QCOMPARE(w.MetricFlag(), metric);
        }
        QVERIFY(!w.HasThreadCalculation());
        messages_.clear();
        QVERIFY(!w.FitToNewPD(1, "9.0"));
        QVERIFY(!w.SaveThreadFile(QString::fromStdString(dir.file("setdim.thd"))));
        QCOMPARE(messages_, (QStringList{"Can not re-evaluate: calculate the thread first.",
                                         "The Set Dim tool's setting dimensions are not saved as "
                                         "a thread file: print the Setting Dims Report to keep "
                                         "them."}));
        QVERIFY(!std::filesystem::exists(dir.file("setdim.thd")));
    }
};

QTEST_MAIN(SetDimTest)
#include "test_set_dim_dialog.moc"
