// The thread window driven through its controls: the road of one calculation,
// the refusal messages, type switching, class W / X, wire entry, thread files
// and the display unit. 1/4-20 UNC values are those of ASME B1.1 Table 2.
#include "core/display_unit.h"
#include "pages/result_pages.h"
#include "core/thread_record.h"
#include "support/test_support.h"
#include "ui/color_string_grid.h"
#include "ui/message_box.h"
#include "ui/thread_window.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
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

template <typename T> T* Child(const TfrmThread& w, const char* name)
{
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    if (!c) qFatal("no control %s", name);
    return c;
}

QString Cell(const TfrmThread& w, const char* grid, int row, int col)
{
    return Child<TColorStringGrid>(w, grid)->Cell(row, col);
}

bool Shown(const TfrmThread& w, const char* name)
{
    return !Child<QWidget>(w, name)->isHidden();
}

void Enter(TfrmThread& w, const QString& type, const QString& cls, const QString& dia,
           const QString& pitch)
{
    Child<QComboBox>(w, "cboType")->setCurrentText(type);
    if (!cls.isEmpty()) Child<QComboBox>(w, "cboClass")->setCurrentText(cls);
    Child<QLineEdit>(w, "txtNomDia")->setText(dia);
    Child<QLineEdit>(w, "txtPitch")->setText(pitch);
}

void Calculate(TfrmThread& w, const QString& dia = "1/4", const QString& pitch = "20",
               const QString& cls = "Class 2")
{
    Enter(w, "UN Threads", cls, dia, pitch);
    Child<QPushButton>(w, "Button2")->click();
}

void ExpectGrid(const TfrmThread& w, const char* grid, const TextGrid& expected)
{
    auto* g = Child<TColorStringGrid>(w, grid);
    QCOMPARE(g->rowCount(), static_cast<int>(expected.size()));
    for (int r = 0; r < g->rowCount(); ++r)
        for (std::size_t c = 0; c < expected[r].size(); ++c)
            QCOMPARE(g->Cell(r, static_cast<int>(c)), QString::fromStdString(expected[r][c]));
}

} // namespace

class TestThreadWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<ShippedTables> tables_;
    QStringList errors_;
    QStringList infos_;

private slots:
    void initTestCase()
    {
        tables_ = std::make_unique<ShippedTables>();
        SetMessageHook([this](MessageKind kind, const QString& text) {
            (kind == MessageKind::Error ? errors_ : infos_) << text;
        });
    }
    void init()
    {
        errors_.clear();
        infos_.clear();
        SetMetricDisplay(false);
    }

    void createdWindow()
    {
        TfrmThread w;
        QCOMPARE(w.windowTitle(), QString("(Untitled)"));
        QCOMPARE(Child<QComboBox>(w, "cboType")->currentText(), QString("UN Threads"));
        QCOMPARE(Child<QComboBox>(w, "cboType")->count(), 11);
        QCOMPARE(Child<QComboBox>(w, "cboClass")->currentText(), QString("Class 2"));
        QCOMPARE(Child<QComboBox>(w, "cboStarts")->itemText(2), QString("3 Starts "));
        QCOMPARE(Child<QLineEdit>(w, "txtCoating")->text(), QString("0.001"));
        QVERIFY(!Child<QLineEdit>(w, "txtCoating")->isEnabled());
        QVERIFY(!Child<QLineEdit>(w, "txtLOE")->isEnabled());
        QVERIFY(Child<QRadioButton>(w, "optStandardLOE")->isChecked());
        QCOMPARE(Child<QLabel>(w, "Label12")->text(), QString("Metric Grades & Tols:"));
        QVERIFY(!Shown(w, "btnMetric") && !Shown(w, "cboNPTSize"));
        // Tabs only for pages that have something on them.
        auto* tabs = Child<QTabBar>(w, "TabSet1");
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
        QCOMPARE(captions, QStringList({"Parameters", "Thread Dim.", "Ring Gage", "Set Plug",
                                        "Plug Gage"}));
        QCOMPARE(w.Record(), nullptr);
    }

    void roadOfOneCalculation()
    {
        TfrmThread w;
        Calculate(w);
        QVERIFY(errors_.isEmpty());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(w.Record());
        QCOMPARE(w.windowTitle(), QString("ANSI Table Data - (Untitled)"));
        QCOMPARE(Child<QLabel>(w, "lblName")->text(),
                 QString("1/4-20 UNC-2B  /  1/4-20 UNC-2A"));
        QCOMPARE(Child<QStackedWidget>(w, "Notebook1")->currentIndex(), 1);
        auto* tabs = Child<QTabBar>(w, "TabSet1");
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QString("Thread Dim."));

        auto* grid = Child<TColorStringGrid>(w, "gridThd");
        QCOMPARE(grid->columnCount(), 3);
        QCOMPARE(grid->columnWidth(0), 95);
        QCOMPARE(grid->columnWidth(2), 75);
        QCOMPARE(grid->size(), QSize(250, 386));
        const ResultPagesText pages = BuildResultPages(*w.Record(), "(Untitled)", false);
        ExpectGrid(w, "gridThd", pages.thread);
        ExpectGrid(w, "grdRing", pages.ring.grid);
        ExpectGrid(w, "grdSetPlug", pages.setPlug.grid);
        ExpectGrid(w, "grdPlug", pages.plug.grid);
        // Published limits: 2B PD 0.2175-0.2224, 2A PD 0.2127-0.2164.
        QCOMPARE(Cell(w, "gridThd", 1, 1), QString("0.2224"));
        QCOMPARE(Cell(w, "gridThd", 2, 1), QString("0.2175"));
        QCOMPARE(Cell(w, "gridThd", 1, 2), QString("0.2164"));
        QCOMPARE(Cell(w, "gridThd", 2, 2), QString("0.2127"));
        QCOMPARE(Cell(w, "gridThd", 7, 2), QString("  N/A"));
        QCOMPARE(Child<QComboBox>(w, "cbWireSize1")->currentText(), QString("0.02887"));
    }

    void refusedEntries_data()
    {
        QTest::addColumn<QString>("dia");
        QTest::addColumn<QString>("pitch");
        QTest::addColumn<QString>("message");
        const QString invalid = "Can not calculate. Invalid Nominal Diameter";
        QTest::newRow("numberSizeBeyond20") << "#21" << "20" << invalid;
        QTest::newRow("mixedNumber") << "1 1/4" << "7" << "Invalid Nominal Diameter";
        QTest::newRow("zeroDenominator") << "3/0" << "16" << "Invalid Nominal Diameter";
        QTest::newRow("emptyDiameter") << "" << "20" << invalid;
        QTest::newRow("emptyPitch") << "1/4" << "" << "Can not calculate. Invalid pitch value";
    }
    void refusedEntries()
    {
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
        // The earlier results stay, with their record.
        QCOMPARE(w.Record(), before);
        QCOMPARE(Cell(w, "gridThd", 1, 2), QString("0.2164"));
    }

    void typeSwitching()
    {
        TfrmThread w;
        auto* type = Child<QComboBox>(w, "cboType");
        auto* cls = Child<QComboBox>(w, "cboClass");
        type->setCurrentText("UNJ Threads");
        QCOMPARE(cls->count(), 1);
        QCOMPARE(cls->currentText(), QString("Class 3"));

        Child<QRadioButton>(w, "optCustomLOE")->setChecked(true);
        QVERIFY(Child<QLineEdit>(w, "txtLOE")->isEnabled());
        type->setCurrentText("ACME Threads");
        QVERIFY(Child<QRadioButton>(w, "optStandardLOE")->isChecked());
        QVERIFY(!Child<QRadioButton>(w, "optCustomLOE")->isEnabled());
        QVERIFY(!Child<QLineEdit>(w, "txtLOE")->isEnabled());
        QCOMPARE(cls->itemText(3), QString("Class 5G"));

        type->setCurrentText("General Purpose Pipe Threads");
        QVERIFY(!Shown(w, "txtNomDia") && Shown(w, "cboNPTSize"));
        QVERIFY(!Shown(w, "CoatBox") && !Shown(w, "txtPitch") && !Shown(w, "Label5"));
        QCOMPARE(Child<QLabel>(w, "Label2")->text(), QString("NPT Type:"));
        QVERIFY(!Child<QComboBox>(w, "cboStarts")->isEnabled());
        QCOMPARE(Child<QComboBox>(w, "cboNPTSize")->count(), 24);
        cls->setCurrentText("NPTR");
        QCOMPARE(Child<QComboBox>(w, "cboNPTSize")->count(), 10);
        QCOMPARE(Child<QComboBox>(w, "cboNPTSize")->currentText(), QString("1/2"));

        type->setCurrentText("M Series Metric");
        QVERIFY(Shown(w, "btnMetric") && Shown(w, "Label12") && !Shown(w, "cboClass"));
        QVERIFY(!Shown(w, "optLOE") && Shown(w, "optMetricLOE") && Shown(w, "optMetricDir"));
        QCOMPARE(Child<QLabel>(w, "Label5")->text(), QString("Thread Pitch:"));
        type->setCurrentText("MJ Series Metric");
        QCOMPARE(Child<QPushButton>(w, "btnMetric")->text(), QString("4H5H / 4h6h"));
        QVERIFY(Shown(w, "optLOE") && !Shown(w, "optMetricLOE"));

        type->setCurrentText("7x45 Buttress Threads");
        QVERIFY(!Child<QGroupBox>(w, "optLOE")->isEnabled());
        type->setCurrentText("UN Threads");
        QVERIFY(Shown(w, "txtNomDia") && Shown(w, "CoatBox") && Shown(w, "cboClass"));
        QVERIFY(Child<QGroupBox>(w, "optLOE")->isEnabled());
        QCOMPARE(Child<QLabel>(w, "Label5")->text(), QString("Threads per Inch:"));
    }

    void unavailableFamilyKeepsResults()
    {
        TfrmThread w;
        Calculate(w);
        TTInfo* before = w.Record();
        Enter(w, "ACME Threads", "Class 2G", "1", "5");
        Child<QPushButton>(w, "Button2")->click();
        Enter(w, "General Purpose Pipe Threads", "NPT", "", "");
        Child<QPushButton>(w, "Button2")->click();
        QCOMPARE(errors_, QStringList({"ACME Threads can not be calculated in this version.",
                                       "General Purpose Pipe Threads can not be calculated in "
                                       "this version."}));
        QCOMPARE(w.Record(), before);
        QCOMPARE(Cell(w, "gridThd", 1, 2), QString("0.2164"));
        QCOMPARE(Child<QLabel>(w, "lblName")->text(),
                 QString("1/4-20 UNC-2B  /  1/4-20 UNC-2A"));
    }

    void missingTableIsReported()
    {
        TempDir empty;
        const ShippedTables none(empty.path().string());
        TfrmThread w;
        Calculate(w);
        QCOMPARE(errors_.size(), 1);
        QVERIFY2(errors_[0].startsWith("File not found") && errors_[0].contains("ansitbl.bin"),
                 qPrintable(errors_[0]));
        QCOMPARE(w.Record(), nullptr);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void classWAndXSwitchHeadingsNotSizes()
    {
        TfrmThread w;
        Calculate(w);
        QVERIFY(Shown(w, "optClassW") && Shown(w, "optClassX"));
        QCOMPARE(Cell(w, "grdSetPlug", 0, 2), QString("W TOL"));
        const QString go = Cell(w, "grdSetPlug", 1, 1);
        const QString nogo = Cell(w, "grdSetPlug", 1, 3);
        Child<QRadioButton>(w, "optClassX")->click();
        QCOMPARE(w.Record()->ClassW, 0);
        QCOMPARE(Cell(w, "grdSetPlug", 0, 2), QString("X TOL"));
        QCOMPARE(Cell(w, "grdSetPlug", 0, 4), QString("X TOL"));
        QCOMPARE(Cell(w, "grdSetPlug", 1, 1), go);
        QCOMPARE(Cell(w, "grdSetPlug", 1, 3), nogo);
        Child<QRadioButton>(w, "optClassW")->click();
        QCOMPARE(Cell(w, "grdSetPlug", 0, 2), QString("W TOL"));
        // Clicking the option already chosen keeps it chosen (one of the two is always on).
        Child<QRadioButton>(w, "optClassW")->click();
        QVERIFY(Child<QRadioButton>(w, "optClassW")->isChecked());
        QVERIFY(!Child<QRadioButton>(w, "optClassX")->isChecked());
        QCOMPARE(w.Record()->ClassW, 1);
    }

    void wireSizeEntry()
    {
        TfrmThread w;
        Calculate(w);
        auto* box1 = Child<QComboBox>(w, "cbWireSize1");
        auto* box2 = Child<QComboBox>(w, "cbWireSize2");
        // Listed sizes between 0.505182 P and 1.010362 P (0.02526 .. 0.05052).
        QCOMPARE(box1->count(), 21);
        QCOMPARE(box1->itemText(0), QString("0.04811"));
        QCOMPARE(box1->itemText(20), QString("0.02582"));

        box1->setEditText("0.0289");
        Child<QToolButton>(w, "spdWireSize1")->click();
        QVERIFY(errors_.isEmpty());
        QCOMPARE(w.Record()->ExtThd.CurWire, 0.0289);
        QCOMPARE(box2->currentText(), QString("0.02890"));
        QCOMPARE(Cell(w, "gridThd", 12, 2), QString("0.02890"));
        // 0.2164 - 0.866025 x 0.05 + 3 x 0.0289 = 0.25980.
        QCOMPARE(Cell(w, "gridThd", 13, 2), QString("0.25980"));

        box2->setEditText("0.06");
        Child<QToolButton>(w, "spdWireSize2")->click();
        QCOMPARE(errors_, QStringList{"Invalid Wire Size!"});
        QCOMPARE(box1->currentText(), QString("0.02890"));
        QCOMPARE(box2->currentText(), QString("0.02890"));
        QCOMPARE(w.Record()->ExtThd.CurWire, 0.0289);

        // 0.7 mm = 0.027559 in.
        QVERIFY(w.UseNewWireSize("0.7mm"));
        QCOMPARE(Cell(w, "gridThd", 12, 2), QString("0.02756"));
    }

    void saveThenOpenRestoresThePage()
    {
        TempDir dir;
        const QString file = QString::fromStdString(dir.file("quarter.thd"));
        TfrmThread w;
        Enter(w, "UN Threads", "Class 3", "1/4", "20");
        Child<QRadioButton>(w, "optCustomLOE")->setChecked(true);
        Child<QLineEdit>(w, "txtLOE")->setText("0.5");
        Child<QPushButton>(w, "Button2")->click();
        QVERIFY(w.SaveThreadFile(file));
        QCOMPARE(w.FileName(), QString("quarter.thd"));
        QVERIFY(w.windowTitle().endsWith(" - quarter.thd"));

        TfrmThread r;
        QVERIFY(r.OpenThreadFile(file));
        QVERIFY(errors_.isEmpty());
        QCOMPARE(r.windowTitle(), w.windowTitle());
        QCOMPARE(Child<QComboBox>(r, "cboType")->currentText(), QString("UN Threads"));
        QCOMPARE(Child<QComboBox>(r, "cboClass")->currentText(), QString("Class 3"));
        QCOMPARE(Child<QLineEdit>(r, "txtNomDia")->text(), QString("1/4"));
        QCOMPARE(Child<QLineEdit>(r, "txtPitch")->text(), QString("20"));
        QVERIFY(Child<QRadioButton>(r, "optCustomLOE")->isChecked());
        QCOMPARE(Child<QLineEdit>(r, "txtLOE")->text(), QString("0.5000"));
        // A custom engagement puts "SE" before the class.
        QCOMPARE(Child<QLabel>(r, "lblName")->text(),
                 QString("1/4-20 UNC-SE3B  /  1/4-20 UNC-SE3A"));
        const ResultPagesText pages = BuildResultPages(*w.Record(), "quarter.thd", false);
        ExpectGrid(r, "gridThd", pages.thread);
        ExpectGrid(r, "grdSetPlug", pages.setPlug.grid);
        QCOMPARE(Child<QStackedWidget>(r, "Notebook1")->currentIndex(), 1);

        // A missing file or a ball micrometer file leaves the window as it is.
        const QString missing = QString::fromStdString(dir.file("none.thd"));
        QVERIFY(!r.OpenThreadFile(missing));
        QVERIFY(!r.OpenThreadFile(QString::fromStdString(dir.file("taper.bm"))));
        QCOMPARE(errors_,
                 QStringList({"File: " + missing + " Does not exist!",
                              "Ball micrometer files (taper.bm) can not be opened in this "
                              "version."}));
        QCOMPARE(r.FileName(), QString("quarter.thd"));
        QCOMPARE(Child<QLineEdit>(r, "txtNomDia")->text(), QString("1/4"));

        // A file of a type the program does not know is refused by the name it gives.
        errors_.clear();
        WriteTextFile(dir.file("square.thd"),
                      "[MAIN]\nThd Type=SQUARE\nClass=2\nNom Dia=+0.250000\nTPI=+20.000000\n");
        QVERIFY(!r.OpenThreadFile(QString::fromStdString(dir.file("square.thd"))));
        QCOMPARE(errors_, QStringList{"Unknown thread type: SQUARE"});
        QCOMPARE(r.FileName(), QString("quarter.thd"));
    }

    void printBeforeCalculateSaysSo()
    {
        TfrmThread w;
        w.PrintThread(true);
        w.PrintThread(false);
        QCOMPARE(infos_, QStringList({"There is no calculation to print yet.",
                                      "There is no calculation to print yet."}));
        QVERIFY(errors_.isEmpty());
    }

    void saveFailureKeepsTheName()
    {
        TempDir dir;
        WriteTextFile(dir.file("plain"), "not a folder");
        const QString bad = QString::fromStdString(dir.file("plain")) + "/a.thd";
        TfrmThread w;
        QVERIFY(!w.SaveThreadFile(bad));
        QCOMPARE(errors_, QStringList{"There is no calculation to save yet."});
        errors_.clear();
        Calculate(w);
        QVERIFY(!w.SaveThreadFile(bad));
        QCOMPARE(errors_.size(), 1);
        QVERIFY2(errors_[0].contains(bad), qPrintable(errors_[0]));
        QCOMPARE(w.FileName(), QString("(Untitled)"));
        QCOMPARE(w.windowTitle(), QString("ANSI Table Data - (Untitled)"));
    }

    void inchAndMillimetreDisplay()
    {
        TfrmThread w;
        Calculate(w);
        QSignalSpy spy(&w, &TfrmThread::metricFlagChanged);
        w.ToggleDisplayUnit();
        QVERIFY(w.MetricFlag() && MetricDisplay());
        // 0.2164 in = 5.49656 mm, one decimal fewer.
        QCOMPARE(Cell(w, "gridThd", 1, 2), QString("5.497"));
        w.ToggleDisplayUnit();
        QCOMPARE(Cell(w, "gridThd", 1, 2), QString("0.2164"));
        w.FormActivate();
        QCOMPARE(spy.size(), 3);
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QCOMPARE(spy.at(2).at(0).toBool(), false);
    }

    void nameLabel()
    {
        TfrmThread w;
        w.show();
        Calculate(w);
        QTest::mouseDClick(Child<QLabel>(w, "lblName"), Qt::LeftButton);
        QCOMPARE(infos_, QStringList{"Internal\n1/4-20 UNC-2B\nExternal\n1/4-20 UNC-2A\n"});
        QCOMPARE(Child<QLabel>(w, "lblName")->font().pointSize(), 12);
        // A two-start designation is long: the font steps down to fit the panel.
        Child<QComboBox>(w, "cboStarts")->setCurrentIndex(1);
        Calculate(w);
        auto* label = Child<QLabel>(w, "lblName");
        QVERIFY(label->font().pointSize() < 12);
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <=
                Child<QWidget>(w, "pnlName")->width());
    }
};

QTEST_MAIN(TestThreadWindow)
#include "test_thread_window.moc"
