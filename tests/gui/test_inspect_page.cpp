// The thread window's Inspect page and Edit | Copy Page as CSV: three readings
// over wires of 1/4-20 UNC-2A judged on the page, a measured ISO 1502 plug, a refused entry,
// the tab a pipe thread does not get, and the grids of a page on the clipboard.
#include "support/gui_support.h"
#include "support/window_test.h"
#include "ui/color_string_grid.h"
#include "ui/thread_window.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <memory>

namespace {

QStringList Column(const TColorStringGrid* grid, int col) {
    QStringList cells;
    for (int r = 0; r < grid->rowCount(); ++r)
        cells << grid->Cell(r, col);
    return cells;
}

} // namespace

class TestInspectPage : public WindowTest {
    Q_OBJECT

private slots:
    // Over 0.0289 wires E = M - 0.0867 + 0.04330125: 0.2597, 0.2585, 0.2600 measure
    // 0.2163, 0.2151, 0.2166 against PD 0.2127 to 0.2164.
    void threeReadingsAndTheirVerdict() {
        TfrmThread w;
        CalculateThread(w, "UN Threads", "Class 2", "1/4", "20");
        QVERIFY(ShowTab(w, "Inspect"));
        Child<QLineEdit>(w, "txtInspectValues")->setText("0.2597, 0.2585, 0.2600");
        Child<QLineEdit>(w, "txtInspectWire")->setText("0.0289");
        Child<QPushButton>(w, "btnInspectCheck")->click();
        QCOMPARE(messages_, QStringList{});
        auto* grid = Child<TColorStringGrid>(w, "grdInspect");
        QCOMPARE(Column(grid, 0),
                 (QStringList{"", "PD Max", "PD Min", "Reading 1", "Reading 2", "Reading 3", "Min",
                              "Max", "Mean", "Spread", "Overall"}));
        QCOMPARE(Column(grid, 2).mid(3, 3), (QStringList{"0.2163", "0.2151", "0.2166"}));
        QCOMPARE(Column(grid, 3).mid(3, 3), (QStringList{"Inside", "Inside", "Above max"}));
        QCOMPARE(Child<QLabel>(w, "lblInspectVerdict")->text(),
                 QString("Outside: 0.0002 above PD max (reading 3)"));

        // The page's grid as CSV, then the dimension page with its tap drills.
        QClipboard* clipboard = QGuiApplication::clipboard();
        w.CopyPageAsCsv();
        QVERIFY(clipboard->text().startsWith("1/4-20 UNC-2B  /  1/4-20 UNC-2A,in\r\n"
                                             ",Reading,Pitch Dia,Verdict,To Max,To Min,Position\r\n"
                                             "PD Max,0.25980,0.2164,,,,\r\n"));
        // The verdict under the grid is the last row.
        QVERIFY(clipboard->text()
                    .section("\r\n", -2, -2)
                    .startsWith("Outside: 0.0002 above PD max (reading 3)"));
        QVERIFY(ShowTab(w, "Thread Dim."));
        w.CopyPageAsCsv();
        QVERIFY(clipboard->text().startsWith(
            "1/4-20 UNC-2B  /  1/4-20 UNC-2A,in\r\n,Internal,External\r\nPD "
            "Max,0.2224,0.2164\r\n"));
        QVERIFY(clipboard->text().contains("\r\n\r\nTap Drill,Diameter,% Thread,Recommended\r\n"));
        QVERIFY(clipboard->text().contains("\r\n#7,0.2010,75.4,Yes\r\n"));
        QVERIFY(!Child<QWidget>(w, "grdTapDrills")->isHidden());

        // In millimetres the same readings are checked again.
        QVERIFY(ShowTab(w, "Inspect"));
        w.ToggleDisplayUnit();
        QCOMPARE(Column(grid, 2).mid(3, 3), (QStringList{"5.494", "5.464", "5.502"}));
    }

    // The Part list offers an M thread's ISO 1502 plugs only: 9.0300 lies below the
    // new GO plug of M10x1.5-6H (about 9.032) and above its wear limit (about 9.020).
    void iso1502PlugOfAnMThread() {
        TfrmThread w;
        CalculateThread(w, "UN Threads", "Class 2", "1/4", "20");
        auto* part = Child<QComboBox>(w, "cboInspectGauge");
        QVERIFY(!part->isEnabled());
        CalculateThread(w, "M Series Metric", "", "10", "1.5");
        QVERIFY(ShowTab(w, "Inspect") && part->isEnabled());
        part->setCurrentIndex(1);
        Child<QRadioButton>(w, "optInspectPD")->click();
        Child<QLineEdit>(w, "txtInspectValues")->setText("9.0300");
        Child<QPushButton>(w, "btnInspectCheck")->click();
        QCOMPARE(messages_, QStringList{});
        QCOMPARE(Column(Child<TColorStringGrid>(w, "grdInspect"), 2).last(),
                 QString("worn but usable"));
        QVERIFY(Child<QLabel>(w, "lblInspectVerdict")
                    ->text()
                    .startsWith("ISO 1502 GO plug: worn but usable, pitch diameter"));
    }

    void refusedEntryAndPipeThread() {
        TfrmThread w;
        CalculateThread(w, "UN Threads", "Class 2", "1/4", "20");
        QVERIFY(ShowTab(w, "Inspect"));
        Child<QRadioButton>(w, "optInspectPD")->click();
        Child<QLineEdit>(w, "txtInspectValues")->setText("0.215, x");
        Child<QPushButton>(w, "btnInspectCheck")->click();
        QCOMPARE(messages_, QStringList{"Invalid pitch diameter: x"});

        CalculateThread(w, "General Purpose Pipe Threads", "", "", "");
        QVERIFY(!ShowTab(w, "Inspect"));
        QVERIFY(Child<QWidget>(w, "grdTapDrills")->isHidden());
    }
};

QTEST_MAIN(TestInspectPage)
#include "test_inspect_page.moc"
