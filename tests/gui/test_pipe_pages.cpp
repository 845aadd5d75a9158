// The thread window's pipe pages: the grids of a pipe calculation, the NPT
// tabs and the page they select, the drawings beside the grids, and the way
// back to the ordinary pages. 1 1/4 - 11.5 NPT: OD 1.660 (ASME B1.20.1).
#include "pipe/pipe_pages.h"
#include "support/gui_support.h"
#include "support/window_test.h"
#include "ui/color_string_grid.h"
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

QString Cell(const TfrmThread& w, const char* grid, int row, int col) {
    return Child<TColorStringGrid>(w, grid)->Cell(row, col);
}

void CalculatePipe(TfrmThread& w, const QString& kind, const QString& size) {
    Child<QComboBox>(w, "cboType")->setCurrentText("General Purpose Pipe Threads");
    auto* kinds = Child<QComboBox>(w, "cboClass");
    kinds->setCurrentIndex(kinds->findData(kind));
    Child<QComboBox>(w, "cboNPTSize")->setCurrentText(size);
    Child<QPushButton>(w, "Button2")->click();
}

QList<PipeDrawing> Pictures(const TfrmThread& w) {
    QList<PipeDrawing> drawings;
    for (const TPipePicture* p : w.findChildren<TPipePicture*>())
        drawings << p->Drawing();
    return drawings;
}

} // namespace

class TestPipePages : public WindowTest {
    Q_OBJECT

private slots:
    // Every cell of the three NPT grids is the page text (its values are the
    // pipe pages' tests); fixed-decimal cells keep their leading blank.
    void nptGridsShowThePageTexts() {
        TfrmThread w;
        CalculatePipe(w, "NPT", "1");
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('\n')));
        const PipePagesText pages = BuildPipePages(*w.Record());
        for (const auto& [name, grid] : {std::pair{"gridThd", &pages.thread},
                                         {"nptGageGrid", &pages.gages},
                                         {"nptTolsGrid", &pages.tols}}) {
            QCOMPARE(Child<TColorStringGrid>(w, name)->rowCount(), int(grid->size()));
            for (std::size_t r = 0; r < grid->size(); ++r)
                for (std::size_t c = 0; c < (*grid)[r].size(); ++c)
                    QCOMPARE(Cell(w, name, int(r), int(c)), QString::fromStdString((*grid)[r][c]));
        }
    }

    void nptTabsPagesAndDrawings() {
        TfrmThread w;
        CalculatePipe(w, "NPT", "1/2");
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('\n')));
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
        QCOMPARE(Child<QLabel>(w, "lblNPTTolsNote")->text(),
                 QString::fromStdString(pages.tolsNote));
        QVERIFY(!Child<QLabel>(w, "lblNPTTolsNote")->isHidden());
        QVERIFY(Child<QLabel>(w, "lblThdNote")->isHidden() &&
                Child<QLabel>(w, "lblNPTGageNote")->isHidden());
        // Inch tables only: the window offers no millimetre display.
        QVERIFY(!w.UnitSwitchable());
        w.ToggleDisplayUnit();
        QVERIFY(!w.MetricFlag());
        QVERIFY(!w.UseNewWireSize("0.05"));
        QCOMPARE(messages_, QStringList{"Pipe threads have no wire readings."});
        messages_.clear();
        QCOMPARE(Cell(w, "gridThd", 2, 1), QString("0.8400"));

        // A railing-joint thread next: two tabs and its own drawing only.
        CalculatePipe(w, "NPTR", "1/2");
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('\n')));
        QCOMPARE(Tabs(w), QStringList({"Parameters", "Thread Dim."}));
        QCOMPARE(Pictures(w), QList<PipeDrawing>({PipeDrawing::Gages}));
        QVERIFY(!Child<QLabel>(w, "lblThdNote")->isHidden());
        QCOMPARE(Child<QComboBox>(w, "cboNPTSize")->itemText(0), QString("1/2"));
        // A straight kind: one value column, no drawing.
        CalculatePipe(w, "NPSC", "1/8");
        QCOMPARE(Child<TColorStringGrid>(w, "gridThd")->columnCount(), 2);
        QVERIFY(Pictures(w).isEmpty());

        // And an ordinary thread: the ordinary tabs, no drawing.
        CalculateThread(w, "UN Threads", "Class 2", "1/4", "20");
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('\n')));
        QCOMPARE(Tabs(w), QStringList({"Parameters", "Thread Dim.", "Ring Gage", "Set Plug",
                                       "Plug Gage", "Orvalle", "Inspect", "Profile"}));
        QVERIFY(Pictures(w).isEmpty());
        QVERIFY(Child<QLabel>(w, "lblThdNote")->isHidden());
        QVERIFY(w.UnitSwitchable());
        QCOMPARE(w.windowTitle(), QString("ANSI Table Data - (Untitled)"));
    }

    // The build writes the report pictures beside the programs; each prints at
    // the drawing's natural size (natural pixels at 96 per inch).
    void pictureFilesBesideThePrograms() {
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

    // Another kind keeps the size where it offers it (NPSC starts at 1/8, NPTR
    // at 1/2); Enter in the size list calculates as the Calculate button does.
    void kindChangeKeepsSizeAndEnterCalculates() {
        TfrmThread w;
        auto* kinds = Child<QComboBox>(w, "cboClass");
        auto* sizes = Child<QComboBox>(w, "cboNPTSize");
        Child<QComboBox>(w, "cboType")->setCurrentText("General Purpose Pipe Threads");
        const struct {
            const char *from, *size, *to, *caption, *kept;
        } cases[] = {
            {"NPT", "1 1/4", "NPTR", "NPTR \u2014 railing", "1 1/4"},
            {"NPSC", "4", "NPSL", "NPSL \u2014 loose-fitting with lock nuts", "4"},
            {"NPT", "1/16", "NPSC", "NPSC \u2014 straight coupling", "1/8"},
            {"NPT", "24 OD", "NPSM", "NPSM \u2014 free-fitting mechanical", "1/8"},
            {"NPSM", "1/2", "NPT", "NPT \u2014 taper pipe thread", "1/2"},
        };
        for (const auto& c : cases) {
            kinds->setCurrentIndex(kinds->findData(c.from));
            sizes->setCurrentText(c.size);
            QCOMPARE(sizes->currentText(), QString(c.size));
            kinds->setCurrentIndex(kinds->findData(c.to));
            QCOMPARE(kinds->currentText(), QString::fromUtf8(c.caption));
            QCOMPARE(sizes->currentText(), QString(c.kept));
        }
        QTest::keyClick(sizes, Qt::Key_Return);
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('\n')));
        QCOMPARE(Child<QLabel>(w, "lblName")->text(), QString("1/2 - 14 NPT"));
        QCOMPARE(Tabs(w).size(), 4);
    }

    void threadFileReopensThePipePages() {
        TempDir dir;
        const QString file = QString::fromStdString(dir.file("pipe.thd"));
        TfrmThread w;
        CalculatePipe(w, "NPT", "1 1/4");
        QVERIFY(w.SaveThreadFile(file));
        TfrmThread opened;
        QVERIFY(opened.OpenThreadFile(file));
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('\n')));
        QCOMPARE(Child<QComboBox>(opened, "cboClass")->currentText(),
                 QString("NPT \u2014 taper pipe thread"));
        QCOMPARE(Child<QComboBox>(opened, "cboClass")->currentData().toString(), QString("NPT"));
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
