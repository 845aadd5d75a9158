// The thread window driven through its controls: the road of one calculation,
// the refusal messages, type switching, class W / X, wire entry, the display
// unit, the clipboard commands, the out-of-date mark, the engagement hint and
// the layout under a large font. 1/4-20 UNC values are those of ASME B1.1 Table 2.
#include <cmath>

#include "core/display_unit.h"
#include "core/settings.h"
#include "core/thread_record.h"
#include "gauges/tolerance_text.h"
#include "pages/iso1502_page.h"
#include "pages/result_pages.h"
#include "support/gui_support.h"
#include "support/window_test.h"
#include "ui/color_string_grid.h"
#include "ui/thread_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

TColorStringGrid* Grid(const TfrmThread& w, const char* name) {
    return Child<TColorStringGrid>(w, name);
}

QString Cell(const TfrmThread& w, const char* grid, int row, int col) {
    return Grid(w, grid)->Cell(row, col);
}

void Calculate(TfrmThread& w, const QString& dia = "1/4", const QString& pitch = "20") {
    CalculateThread(w, "UN Threads", "Class 2", dia, pitch);
}

// Every cell and tooltip of a window grid against the page texts.
void ExpectGrid(const TfrmThread& w, const char* grid, const TextGrid& cells,
                const TextGrid& tips) {
    auto* g = Grid(w, grid);
    QCOMPARE(g->rowCount(), static_cast<int>(cells.size()));
    for (int r = 0; r < g->rowCount(); ++r)
        for (std::size_t c = 0; c < cells[r].size(); ++c) {
            QCOMPARE(g->Cell(r, int(c)), QString::fromStdString(cells[r][c]));
            QCOMPARE(g->item(r, int(c))->toolTip(), QString::fromStdString(tips[r][c]));
        }
}

// No text of the grid is wider than its column, and no column is cut off.
void ExpectNothingClipped(const TColorStringGrid* g) {
    const QFontMetrics fm(g->font());
    int total = 0;
    for (int c = 0; c < g->columnCount(); ++c) {
        if (g->isColumnHidden(c)) continue;
        total += g->columnWidth(c);
        for (int r = 0; r < g->rowCount(); ++r)
            QVERIFY2(fm.horizontalAdvance(g->Cell(r, c)) < g->columnWidth(c),
                     qPrintable(g->objectName() + ": " + g->Cell(r, c)));
    }
    QVERIFY2(g->width() >= total,
             qPrintable(g->objectName() + QString(": %1 < %2").arg(g->width()).arg(total)));
    QCOMPARE(g->height(), g->rowCount() * g->rowHeight(0) + 2 * g->frameWidth());
}

} // namespace

class TestThreadWindow : public WindowTest {
    Q_OBJECT

private slots:
    void roadOfOneCalculation() {
        TfrmThread w;
        QCOMPARE(w.windowTitle(), QString("(Untitled)"));
        Calculate(w);
        QVERIFY(errors_.isEmpty());
        QCOMPARE(w.windowTitle(), QString("ANSI Table Data - (Untitled)"));
        QCOMPARE(Child<QLabel>(w, "lblName")->text(), QString("1/4-20 UNC-2B  /  1/4-20 UNC-2A"));
        auto* tabs = Child<QTabBar>(w, "TabSet1");
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QString("Thread Dim."));

        const ResultPagesText p = BuildResultPages(*w.Record(), "(Untitled)", false);
        ExpectGrid(w, "gridThd", p.thread, p.threadTips);
        ExpectGrid(w, "grdRing", p.ring.grid, p.ring.tips);
        ExpectGrid(w, "grdSetPlug", p.setPlug.grid, p.setPlug.tips);
        ExpectGrid(w, "grdPlug", p.plug.grid, p.plug.tips);
        QCOMPARE(Child<QComboBox>(w, "cbWireSize1")->currentText(), QString("0.02887"));
    }

    void refusedEntries_data() {
        QTest::addColumn<QString>("dia");
        QTest::addColumn<QString>("pitch");
        QTest::addColumn<QString>("message");
        // The rules of the entries are the parameter page's.
        QTest::newRow("improperMixedNumber") << "1 5/4"
                                             << "7"
                                             << "Invalid Nominal Diameter";
    }
    void refusedEntries() {
        QFETCH(QString, dia);
        QFETCH(QString, pitch);
        QFETCH(QString, message);
        TfrmThread w;
        Calculate(w);
        TTInfo* before = w.Record();
        Calculate(w, " " + dia + " ", pitch);
        QCOMPARE(errors_, QStringList{message});
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(Child<QLineEdit>(w, "txtNomDia")->text(), dia);
        // The earlier results stay, with their record, marked out of date.
        QCOMPARE(w.Record(), before);
        QCOMPARE(Cell(w, "gridThd", 1, 2), QString("0.2164"));
        QVERIFY(Grid(w, "gridThd")->Dimmed());
    }

    void outOfDateUntilCalculate() {
        TfrmThread w;
        w.show();
        Calculate(w);
        const QString caption = w.windowTitle();
        // The pages keep their place whether the line shows or not.
        const auto pageTop = [&] {
            w.layout()->activate();
            return Child<QWidget>(w, "Notebook1")->geometry();
        };
        const QRect top = pageTop();
        auto* pitch = Child<QLineEdit>(w, "txtPitch");
        auto* coating = Child<QRadioButton>(w, "optCoating");
        struct Edit {
            const char* name;
            std::function<void()> change, undo;
        };
        const Edit edits[] = {
            {"pitch", [&] { pitch->setText("28"); }, [&] { pitch->setText("20"); }},
            {"class", [&] { Child<QComboBox>(w, "cboClass")->setCurrentText("Class 3"); },
             [&] { Child<QComboBox>(w, "cboClass")->setCurrentText("Class 2"); }},
            {"starts", [&] { Child<QComboBox>(w, "cboStarts")->setCurrentIndex(1); },
             [&] { Child<QComboBox>(w, "cboStarts")->setCurrentIndex(0); }},
            {"coating", [&] { coating->setChecked(true); },
             [&] { Child<QRadioButton>(w, "optNoCoat")->setChecked(true); }},
        };
        for (const Edit& e : edits) {
            e.change();
            QVERIFY2(Grid(w, "grdRing")->Dimmed() && Shown(w, "lblOutOfDate"), e.name);
            QCOMPARE(w.windowTitle(), "(Out of date) " + caption);
            QCOMPARE(pageTop(), top);
            // Putting the value back makes the results match again.
            e.undo();
            QVERIFY2(!Grid(w, "gridThd")->Dimmed() && !Shown(w, "lblOutOfDate"), e.name);
            QCOMPARE(w.windowTitle(), caption);
        }
        // A text of an option not chosen does not change the calculation.
        Child<QLineEdit>(w, "txtCoating")->setText("0.002");
        QVERIFY(!Grid(w, "gridThd")->Dimmed());
        // Switching the gauge class redisplays the same record: still out of date.
        pitch->setText("28");
        Child<QRadioButton>(w, "optClassX")->click();
        QVERIFY(Grid(w, "grdSetPlug")->Dimmed());
        Child<QPushButton>(w, "Button2")->click();
        QVERIFY(!Grid(w, "grdSetPlug")->Dimmed());
        QCOMPARE(Child<QLabel>(w, "lblName")->text(), QString("1/4-28 UNF-2B  /  1/4-28 UNF-2A"));
    }

    void engagementHintFollowsTheEntry() {
        TfrmThread w;
        auto* hint = Child<QLabel>(w, "lblStdLOE");
        QCOMPARE(hint->text(), QString());
        // The hint's rules are the page's: here each keystroke reaches it.
        Child<QLineEdit>(w, "txtNomDia")->setText("1/4");
        Child<QLineEdit>(w, "txtPitch")->setText("20");
        QCOMPARE(hint->text(), QString("0.2500 in"));
        Child<QLineEdit>(w, "txtNomDia")->setText("0.3");
        QCOMPARE(hint->text(), QString("0.4500 in"));
    }

    void typeSwitching() {
        TfrmThread w;
        auto* type = Child<QComboBox>(w, "cboType");
        auto* cls = Child<QComboBox>(w, "cboClass");
        type->setCurrentText("UNJ Threads");
        QCOMPARE(cls->currentText(), QString("Class 3"));
        Child<QRadioButton>(w, "optCustomLOE")->setChecked(true);
        type->setCurrentText("ACME Threads");
        QVERIFY(Child<QRadioButton>(w, "optStandardLOE")->isChecked());
        QVERIFY(!Child<QRadioButton>(w, "optCustomLOE")->isEnabled());
        QVERIFY(!Child<QLineEdit>(w, "txtLOE")->isEnabled());
        // MJ takes a custom engagement, whatever the type before it refused.
        type->setCurrentText("MJ Series Metric");
        QVERIFY(Child<QRadioButton>(w, "optCustomLOE")->isEnabled());
        type->setCurrentText("General Purpose Pipe Threads");
        QVERIFY(!Shown(w, "txtNomDia") && Shown(w, "cboNPTSize"));
        QVERIFY(!Shown(w, "CoatBox") && !Shown(w, "txtPitch"));
        QCOMPARE(Child<QLabel>(w, "Label2")->text(), QString("NPT Type:"));

        type->setCurrentText("M Series Metric");
        QVERIFY(Shown(w, "btnMetric") && !Shown(w, "cboClass") && Shown(w, "optMetricLOE"));
        QCOMPARE(Child<QLabel>(w, "Label5")->text(), QString("Pitch (mm):"));
        type->setCurrentText("UNJ Threads");
        Child<QRadioButton>(w, "optCustomLOE")->setChecked(true);
        type->setCurrentText("7x45 Buttress Threads");
        QVERIFY(!Child<QGroupBox>(w, "optLOE")->isEnabled());
        QVERIFY(Child<QRadioButton>(w, "optStandardLOE")->isChecked());
        type->setCurrentText("UN Threads");
        QVERIFY(Shown(w, "txtNomDia") && Shown(w, "CoatBox") && Shown(w, "cboClass"));
        QVERIFY(Child<QGroupBox>(w, "optLOE")->isEnabled());
    }

    // A missing table says where to fix the path.
    void missingTableKeepsTheResults() {
        TfrmThread w;
        Calculate(w);
        TTInfo* before = w.Record();
        TempDir empty;
        const ShippedTables none(empty.path().string());
        Calculate(w);
        QCOMPARE(errors_.size(), 1);
        QVERIFY2(errors_[0].startsWith("File not found") && errors_[0].contains("ansitbl.bin") &&
                     errors_[0].contains("Edit \u203A Preferences"),
                 qPrintable(errors_[0]));
        QCOMPARE(w.Record(), before);
        TfrmThread fresh;
        fresh.PrintThread(false);
        QCOMPARE(infos_, QStringList{"There is no calculation to print yet."});
    }

    void gaugeClassesAndMissingTolerances() {
        TfrmThread w;
        Calculate(w);
        // Class W ships without rows: one line instead of its tolerance columns,
        // saying that class X has one.
        auto* setPlug = Grid(w, "grdSetPlug");
        auto* note = Child<QLabel>(w, "lblSetPlugNote");
        QCOMPARE(Cell(w, "grdSetPlug", 0, 2), QString("W TOL"));
        QCOMPARE(note->text(), QString::fromUtf8(kNoClassWTolNote));
        QVERIFY(!note->isHidden() && setPlug->isColumnHidden(2) && setPlug->isColumnHidden(4));
        QVERIFY(Child<QLabel>(w, "lblSetPlugLeadTol")->parentWidget()->isHidden());
        QSignalSpy help(&w, &TfrmThread::helpRequested);
        QTest::mouseClick(note, Qt::LeftButton);
        QCOMPARE(help.takeFirst().at(0).toString(), QString("tables.html"));
        const QString go = Cell(w, "grdSetPlug", 1, 1);

        // With a class X row the class X choice shows its columns again.
        w.Record()->XPDTol = w.Record()->XDiaTol = w.Record()->XLeadTol = 0.0003;
        Child<QRadioButton>(w, "optClassX")->click();
        QCOMPARE(w.Record()->ClassW, 0);
        QCOMPARE(Cell(w, "grdSetPlug", 0, 4), QString("X TOL"));
        QCOMPARE(Cell(w, "grdSetPlug", 1, 1), go);
        QVERIFY(note->isHidden() && !setPlug->isColumnHidden(2));
        QVERIFY(Child<QLabel>(w, "lblRingNote")->isHidden());
        Child<QRadioButton>(w, "optClassX")->click(); // the chosen option stays chosen
        QVERIFY(Child<QRadioButton>(w, "optClassX")->isChecked());
    }

    // The gauge class options are the page's (its power-thread tests): here they
    // reach the window, class X alone for Acme, class W first for buttress.
    void gaugeClassOptionsOfThePowerThreads() {
        for (const auto& [type, classW] :
             {std::pair{"ACME Threads", false}, {"7x45 Buttress Threads", true}}) {
            TfrmThread w;
            CalculateThread(w, type, "", "1", "5");
            QCOMPARE(errors_, QStringList{});
            QCOMPARE(Shown(w, "optClassW"), classW);
            QCOMPARE(Child<QRadioButton>(w, "optClassX")->isChecked(), !classW);
            QCOMPARE(Cell(w, "grdSetPlug", 0, 2), QString(classW ? "W TOL" : "X TOL"));
        }
    }

    void wireSizeEntry() {
        TfrmThread w;
        Calculate(w);
        auto* box1 = Child<QComboBox>(w, "cbWireSize1");
        auto* box2 = Child<QComboBox>(w, "cbWireSize2");
        // Listed sizes between 0.505182 P and 1.010362 P (0.02526 .. 0.05052).
        QCOMPARE(box1->itemText(0), QString("0.04811"));
        QCOMPARE(box1->itemText(box1->count() - 1), QString("0.02582"));
        box1->setEditText("0.0289");
        Child<QToolButton>(w, "spdWireSize1")->click();
        QVERIFY(errors_.isEmpty());
        QCOMPARE(box2->currentText(), QString("0.02890"));
        // 0.2164 - 0.866025 x 0.05 + 3 x 0.0289 = 0.25980.
        QCOMPARE(Cell(w, "gridThd", 13, 2), QString("0.25980"));
        box2->setEditText("0.06");
        Child<QToolButton>(w, "spdWireSize2")->click();
        QCOMPARE(errors_, QStringList{"Invalid Wire Size!"});
        QCOMPARE(box1->currentText(), QString("0.02890"));
        // 0.7 mm = 0.027559 in.
        QVERIFY(w.UseNewWireSize("0.7mm"));
        QCOMPARE(Cell(w, "gridThd", 12, 2), QString("0.02756"));
    }

    // Scripts find a gauge page's controls by these names, each on its own page.
    void gaugePageControlNames_data() {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("ring") << "Ring Gage"
                              << QStringList{"grdRing",         "lblRingNote", "lblRingLeadTol",
                                             "lblRingAngleTol", "optRingGO",   "optRingNOGO",
                                             "txtRingPD",       "btnRingPD"};
        QTest::newRow("setPlug") << "Set Plug"
                                 << QStringList{
                                        "grdSetPlug",         "lblSetPlugNote", "lblSetPlugLeadTol",
                                        "lblSetPlugAngleTol", "optClassW",      "optClassX",
                                        "cbWireSize1",        "spdWireSize1",   "optSetPlugGO",
                                        "optSetPlugNOGO",     "txtSetPD",       "btnSetPD"};
        QTest::newRow("plug") << "Plug Gage"
                              << QStringList{"grdPlug",         "lblPlugNote", "lblPlugLeadTol",
                                             "lblPlugAngleTol", "cbWireSize2", "spdWireSize2",
                                             "optPlugGO",       "optPlugNOGO", "txtPlugPD",
                                             "btnPlugPD"};
    }
    void gaugePageControlNames() {
        QFETCH(QString, tab);
        QFETCH(QStringList, names);
        TfrmThread w;
        Calculate(w);
        auto* tabs = Child<QTabBar>(w, "TabSet1");
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == tab) tabs->setCurrentIndex(i);
        const QWidget* page = Child<QStackedWidget>(w, "Notebook1")->currentWidget();
        for (const QString& name : names)
            QVERIFY2(page->isAncestorOf(Child<QWidget>(w, qPrintable(name))), qPrintable(name));
    }

    void inchAndMillimetreDisplay() {
        TfrmThread w;
        Calculate(w);
        QSignalSpy spy(&w, &TfrmThread::metricFlagChanged);
        w.ToggleDisplayUnit();
        QVERIFY(w.MetricFlag() && MetricDisplay());
        // 0.2164 in = 5.49656 mm, one decimal fewer; the headings say millimetres.
        QCOMPARE(Cell(w, "gridThd", 1, 2), QString("5.497"));
        QVERIFY(Grid(w, "grdPlug")->item(0, 1)->toolTip().endsWith("Dimensions in millimetres"));
        QCOMPARE(Child<QLabel>(w, "lblStdLOE")->text(), QString("6.350 mm"));
        w.ToggleDisplayUnit();
        QCOMPARE(Cell(w, "gridThd", 1, 2), QString("0.2164"));
        QVERIFY(Grid(w, "grdPlug")->item(0, 1)->toolTip().endsWith("Dimensions in inches"));
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        // The preferred unit of new inch threads: a calculation opens in it.
        Settings().NewInchThreadsInMm = true;
        Calculate(w);
        Settings().NewInchThreadsInMm = false;
        QVERIFY(w.MetricFlag());
        QCOMPARE(Cell(w, "gridThd", 1, 2), QString("5.497"));
    }

    // 7/8-6 Acme 2G: the standard formula's Max Wire Reading 0.94336, the exact
    // seat of the wires 0.94326 +- 0.00001; only the exact one is named.
    void wireReadingsPreference() {
        TfrmThread w;
        const auto maxReading = [&] {
            auto* g = Grid(w, "gridThd");
            for (int r = 0; r < g->rowCount(); ++r)
                if (g->Cell(r, 0) == "Max Wire Reading") return g->Cell(r, 2).toDouble();
            return 0.0;
        };
        auto* line = Child<QLabel>(w, "lblWireReadings");
        CalculateThread(w, "ACME Threads", "Class 2G", "7/8", "6");
        QCOMPARE(maxReading(), 0.94336);
        QCOMPARE(line->text(), QString("Wire readings: standard formula"));
        Settings().WireReadings = WireHelix::Exact;
        CalculateThread(w, "ACME Threads", "Class 2G", "7/8", "6");
        Settings().WireReadings = WireHelix::Standard;
        QVERIFY(std::abs(maxReading() - 0.94326) <= 0.0000101);
        QCOMPARE(line->text(), QString("Wire readings: exact geometry"));
        // Under the pages with readings only; the re-evaluation note keeps its own line.
        QVERIFY(Shown(w, "lblWireReadings") && Child<QLabel>(w, "lblReevaluated")->isHidden());
        for (auto [tab, shown] : {std::pair{"Ring Gage", false},
                                  {"Plug Gage", true},
                                  {"Parameters", false},
                                  {"Set Plug", true}}) {
            ShowTab(w, tab);
            QCOMPARE(Shown(w, "lblWireReadings"), shown);
        }
        QVERIFY(w.FitToNewPD(1, "0.8"));
        // Calculated again with the preference of now.
        QVERIFY(Shown(w, "lblReevaluated") && Shown(w, "lblWireReadings"));
        QCOMPARE(line->text(), QString("Wire readings: standard formula"));
    }

    void clipboardFollowsPageOptionAndUnit() {
        // The layouts are checked by the builder's tests; here the page shown and
        // its GO / NoGo option pick the gauge.
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText("before");
        TfrmThread w;
        w.CopyCalCertData();
        w.CopyThreadDims(true);
        QCOMPARE(clipboard->text(), QString("before"));
        Calculate(w);
        w.CopyCalCertData(); // the dimensions page is no gauge page
        QCOMPARE(clipboard->text(), QString("before"));
        ShowTab(w, "Ring Gage");
        Child<QRadioButton>(w, "optRingNOGO")->setChecked(true);
        w.CopyCalCertData();
        // NOT GO ring = 2A PD min 0.2127, after an empty line; GO plug = 2B PD min.
        QVERIFY(clipboard->text().startsWith("\r\nRequired\tTolerance\r\n0.2127\t"));
        ShowTab(w, "Plug Gage");
        w.CopyCalCertData();
        QVERIFY(clipboard->text().startsWith("0.2175\r\nRequired\tTolerance\r\n"));
        w.CopyThreadDims(true);
        QVERIFY(clipboard->text().startsWith("Internal: 1/4-20 UNC-2B\r\nPD Max:\t0.2224\r\n"));
        w.ToggleDisplayUnit();
        w.CopyThreadDims(false);
        QVERIFY(clipboard->text().startsWith("External: 1/4-20 UNC-2A\r\nPD Max:\t5.497\r\n"));
        QVERIFY(errors_.isEmpty() && infos_.isEmpty());
    }

    // An M thread's ISO 1502 page shows the page texts; an MJ thread's its one line,
    // which opens Help > Tables; an inch thread has no such tab.
    void iso1502Page() {
        TfrmThread w;
        Calculate(w);
        QVERIFY(!Tabs(w).contains("ISO 1502 Gauges"));
        CalculateThread(w, "M Series Metric", "", "10", "1.5");
        QVERIFY(Tabs(w).contains("ISO 1502 Gauges"));
        const Iso1502PageText page = BuildIso1502Page(*w.Record());
        ExpectGrid(w, "grdISO1502", page.grid, page.tips);
        QVERIFY(Child<QLabel>(w, "lblISO1502Lines")
                    ->text()
                    .startsWith(QString::fromStdString(page.lines[0] + "\n" + page.lines[1])));
        QVERIFY(Shown(w, "grdISO1502") && !Shown(w, "lblISO1502Note"));
        CalculateThread(w, "MJ Series Metric", "", "10", "1.5");
        auto* note = Child<QLabel>(w, "lblISO1502Note");
        QCOMPARE(note->text(),
                 QString("ISO 1502 covers M threads only: it gives no gauges for MJ threads"));
        QVERIFY(Shown(w, "lblISO1502Note") && !Shown(w, "grdISO1502"));
        QSignalSpy help(&w, &TfrmThread::helpRequested);
        QTest::mouseClick(note, Qt::LeftButton);
        QCOMPARE(help.takeFirst().at(0).toString(), QString("tables.html"));
    }

    void layoutFollowsTheFont() {
        // At one and a half times the font nothing is cut off: the columns
        // widen, and a wider window spreads them further.
        for (qreal scale : {1.0, 1.5}) {
            QFont font = QApplication::font();
            font.setPointSizeF(font.pointSizeF() * scale);
            TfrmThread w;
            w.setFont(font);
            w.show();
            Child<QComboBox>(w, "cboStarts")->setCurrentIndex(1);
            Calculate(w);
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            for (auto [tab, name] : {std::pair{"Ring Gage", "grdRing"},
                                     {"Set Plug", "grdSetPlug"},
                                     {"Plug Gage", "grdPlug"},
                                     {"Thread Dim.", "gridThd"}}) {
                ShowTab(w, tab);
                QApplication::processEvents();
                ExpectNothingClipped(Grid(w, name));
            }
            // No block runs under the next one.
            auto* tap = Grid(w, "grdTapDrills");
            QVERIFY(!tap->isHidden());
            QVERIFY(tap->geometry().top() > Grid(w, "gridThd")->geometry().bottom());
            auto* label = Child<QLabel>(w, "lblName");
            QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <=
                    Child<QWidget>(w, "pnlName")->width());
            w.resize(400, w.height());
            QApplication::processEvents();
            const int narrow = Grid(w, "gridThd")->columnWidth(2);
            w.resize(1200, w.height());
            QApplication::processEvents();
            QVERIFY(Grid(w, "gridThd")->columnWidth(2) > narrow);
            ExpectNothingClipped(Grid(w, "gridThd"));
        }
        TfrmThread w;
        w.show();
        Calculate(w);
        QTest::mouseDClick(Child<QLabel>(w, "lblName"), Qt::LeftButton);
        QCOMPARE(infos_.last(), QString("Internal\n1/4-20 UNC-2B\nExternal\n1/4-20 UNC-2A\n"));
    }
};

QTEST_MAIN(TestThreadWindow)
#include "test_thread_window.moc"
