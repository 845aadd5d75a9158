// The thread window's pipe pages: the grids of a pipe calculation, the NPT
// tabs and the page they select, the drawings beside the grids, and the way
// back to the ordinary pages. NPT values are those of ASME B1.20.1 Table 2 and
// the published basic gauge dimensions (1/2 - 14 NPT: OD 0.840, E0 0.75843,
// E1 0.77843; plug major at E0 0.80600, ring minor at E0 0.71086).
#include "core/display_unit.h"
#include "pipe/pipe_pages.h"
#include "support/test_support.h"
#include "ui/color_string_grid.h"
#include "ui/message_box.h"
#include "ui/pipe_picture.h"
#include "ui/thread_window.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>

#include <cmath>
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

void CalculatePipe(TfrmThread& w, const QString& kind, const QString& size)
{
    Child<QComboBox>(w, "cboType")->setCurrentText("General Purpose Pipe Threads");
    Child<QComboBox>(w, "cboClass")->setCurrentText(kind);
    Child<QComboBox>(w, "cboNPTSize")->setCurrentText(size);
    Child<QPushButton>(w, "Button2")->click();
}

QStringList Tabs(const TfrmThread& w)
{
    auto* tabs = Child<QTabBar>(w, "TabSet1");
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->tabText(i);
    return texts;
}

QList<PipeDrawing> Pictures(const TfrmThread& w)
{
    QList<PipeDrawing> drawings;
    for (const TPipePicture* p : w.findChildren<TPipePicture*>())
        drawings << p->Drawing();
    return drawings;
}

} // namespace

class TestPipePages : public QObject {
    Q_OBJECT
    std::unique_ptr<ShippedTables> tables_;
    QStringList errors_;

private slots:
    void initTestCase()
    {
        tables_ = std::make_unique<ShippedTables>();
        SetMessageHook([this](MessageKind, const QString& text) { errors_ << text; });
    }
    void init()
    {
        errors_.clear();
        SetMetricDisplay(false);
    }

    // Published cells of the three NPT grids, by size.
    void nptGrids_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("text");
        QTest::newRow("1/2 OD") << "1/2"
                                << "gridThd" << 2 << 1 << "0.8400";
        QTest::newRow("1/2 threads") << "1/2"
                                     << "gridThd" << 3 << 1 << "14";
        QTest::newRow("1/2 E0") << "1/2"
                                << "gridThd" << 5 << 1 << "0.75843";
        QTest::newRow("1 threads 11.5") << "1"
                                        << "gridThd" << 3 << 1 << "11.5";
        QTest::newRow("1 pitch 1/11.5") << "1"
                                        << "gridThd" << 4 << 1 << "0.08696";
        QTest::newRow("1/2 gauge OD") << "1/2"
                                      << "nptGageGrid" << 2 << 1 << "0.8400";
        QTest::newRow("1/2 plug major E0") << "1/2"
                                           << "nptGageGrid" << 5 << 1 << "0.80600";
        QTest::newRow("1/2 gauge PD E0") << "1/2"
                                         << "nptGageGrid" << 5 << 2 << "0.75843";
        QTest::newRow("1/2 ring minor E0") << "1/2"
                                           << "nptGageGrid" << 5 << 3 << "0.71086";
        QTest::newRow("1/2 tolerance OD") << "1/2"
                                          << "nptTolsGrid" << 2 << 1 << "0.8400";
    }
    void nptGrids()
    {
        QFETCH(QString, size);
        QFETCH(QString, grid);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, text);
        TfrmThread w;
        CalculatePipe(w, "NPT", size);
        QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join('\n')));
        // Fixed-decimal cells keep their leading blank; the grid aligns them right.
        QCOMPARE(Cell(w, grid.toLatin1().constData(), row, col).trimmed(), text);
    }

    void nptTabsPagesAndDrawings()
    {
        TfrmThread w;
        CalculatePipe(w, "NPT", "1/2");
        QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join('\n')));
        QCOMPARE(w.windowTitle(), QString("1/2 - 14 NPT"));
        QCOMPARE(Child<QLabel>(w, "lblName")->text(), QString("1/2 - 14 NPT"));
        QCOMPARE(Tabs(w),
                 QStringList({"Parameters", "Thread Dim.", "NPT Gages", "NPT Tolerances"}));
        auto* tabs = Child<QTabBar>(w, "TabSet1");
        auto* book = Child<QStackedWidget>(w, "Notebook1");
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(book->currentIndex(), 1);
        tabs->setCurrentIndex(3);
        QCOMPARE(book->currentIndex(), 7);
        tabs->setCurrentIndex(2);
        QCOMPARE(book->currentIndex(), 6);
        QVERIFY(book->currentWidget()->findChild<TColorStringGrid*>("nptGageGrid"));
        QCOMPARE(Pictures(w), QList<PipeDrawing>(
                                  {PipeDrawing::ThreadDims, PipeDrawing::Tols, PipeDrawing::Tols}));
        // No NPT gauge tolerances ship: that page, and only that one, says so.
        const PipePagesText pages = BuildPipePages(*w.Record());
        QCOMPARE(Child<QLabel>(w, "lblNPTTolsNote")->text(), QString::fromStdString(pages.tolsNote));
        QVERIFY(!Child<QLabel>(w, "lblNPTTolsNote")->isHidden());
        QVERIFY(Child<QLabel>(w, "lblThdNote")->isHidden() &&
                Child<QLabel>(w, "lblNPTGageNote")->isHidden());
        // Inch tables only: the window offers no millimetre display.
        QVERIFY(!w.UnitSwitchable());
        w.ToggleDisplayUnit();
        QVERIFY(!w.MetricFlag());
        QVERIFY(!w.UseNewWireSize("0.05"));
        QCOMPARE(errors_, QStringList{"Pipe threads have no wire readings."});
        errors_.clear();
        QCOMPARE(Cell(w, "gridThd", 2, 1), QString("0.8400"));

        // A railing-joint thread next: two tabs and its own drawing only.
        CalculatePipe(w, "NPTR", "1/2");
        QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join('\n')));
        QCOMPARE(Tabs(w), QStringList({"Parameters", "Thread Dim."}));
        QCOMPARE(Pictures(w), QList<PipeDrawing>({PipeDrawing::Gages}));
        QVERIFY(!Child<QLabel>(w, "lblThdNote")->isHidden());
        QCOMPARE(Child<QComboBox>(w, "cboNPTSize")->itemText(0), QString("1/2"));
        // A straight kind: one value column, no drawing.
        CalculatePipe(w, "NPSC", "1/8");
        QCOMPARE(Child<TColorStringGrid>(w, "gridThd")->columnCount(), 2);
        QVERIFY(Pictures(w).isEmpty());

        // And an ordinary thread: the ordinary tabs, no drawing.
        Child<QComboBox>(w, "cboType")->setCurrentText("UN Threads");
        Child<QComboBox>(w, "cboClass")->setCurrentText("Class 2");
        Child<QLineEdit>(w, "txtNomDia")->setText("1/4");
        Child<QLineEdit>(w, "txtPitch")->setText("20");
        Child<QPushButton>(w, "Button2")->click();
        QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join('\n')));
        QCOMPARE(Tabs(w), QStringList({"Parameters", "Thread Dim.", "Ring Gage", "Set Plug",
                                        "Plug Gage", "Orvalle", "Inspect", "Profile"}));
        QVERIFY(Pictures(w).isEmpty());
        QVERIFY(Child<QLabel>(w, "lblThdNote")->isHidden());
        QVERIFY(w.UnitSwitchable());
        QCOMPARE(w.windowTitle(), QString("ANSI Table Data - (Untitled)"));
    }

    // The build writes the report pictures beside the programs; each prints at
    // the drawing's natural size (natural pixels at 96 per inch).
    void pictureFilesBesideThePrograms()
    {
        for (PipeDrawing d : {PipeDrawing::ThreadDims, PipeDrawing::Tols, PipeDrawing::Gages}) {
            const QString path = PipePicturePath(d);
            QCOMPARE(QFileInfo(path).dir(), QDir(PL_BIN_DIR));
            const QImage picture(path);
            QVERIFY2(!picture.isNull(), qPrintable(path));
            const double inches = picture.width() / (picture.dotsPerMeterX() * 0.0254);
            QVERIFY2(std::abs(inches * 96 - PipeDrawingSize(d).width()) < 1, qPrintable(path));
            QVERIFY(picture.dotsPerMeterX() * 0.0254 >= 299);
        }
    }

    void threadFileReopensThePipePages()
    {
        TempDir dir;
        const QString file = QString::fromStdString(dir.file("pipe.thd"));
        TfrmThread w;
        CalculatePipe(w, "NPT", "1 1/4");
        QVERIFY(w.SaveThreadFile(file));
        TfrmThread opened;
        QVERIFY(opened.OpenThreadFile(file));
        QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join('\n')));
        QCOMPARE(Child<QComboBox>(opened, "cboClass")->currentText(), QString("NPT"));
        QCOMPARE(Child<QComboBox>(opened, "cboNPTSize")->currentText(), QString("1 1/4"));
        // 1 1/4 - 11.5 NPT: OD 1.660.
        QCOMPARE(Cell(opened, "gridThd", 2, 1), QString("1.6600"));
        QCOMPARE(Tabs(opened).size(), 4);
        QCOMPARE(Pictures(opened).size(), 3);
        QVERIFY(Child<QWidget>(opened, "lblOutOfDate")->isHidden());
    }
};

QTEST_MAIN(TestPipePages)
#include "test_pipe_pages.moc"
