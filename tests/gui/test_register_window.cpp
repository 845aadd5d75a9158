// Tools | Gauge Register over a temporary SQLite file: the due marks, filter,
// status changes, history, CSV out and in, and a gauge added with the active
// window's thread, whose thread opens again in a thread window; the register
// of the preferences on a throw-away PostgreSQL cluster.
#include "core/settings.h"
#include "core/thread_record.h"
#include "support/gui_support.h"
#include "support/pg_cluster.h"
#include "support/window_test.h"
#include "ui/register_window.h"
#include "ui/thread_window.h"

#include <QApplication>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <memory>

class TestRegisterWindow : public WindowTest {
    Q_OBJECT
    TempDir dir_;

    std::unique_ptr<GaugeRegister> Open(const char* file) {
        RegisterResult r;
        auto reg = GaugeRegister::Open(dir_.file(file), r);
        if (!reg) qFatal("%s", r.message.c_str());
        return reg;
    }
    // Interval `days`, last conforming calibration `ago` days back (none when negative).
    static void Add(GaugeRegister& reg, const char* serial, int days, int ago) {
        GaugeRecord g;
        g.serial = serial;
        g.thread = "1/4-20 UNC-2B";
        g.intervalDays = days;
        QVERIFY(reg.AddGauge(g));
        if (ago < 0) return;
        CalibrationRecord c;
        c.date = Date{Today().days - ago};
        c.operatorName = "K. Lund";
        c.measuredPD = 0.2176;
        c.verdict = CalVerdict::Conforms;
        QVERIFY(reg.RecordCalibration(serial, c));
    }
    static int RowOf(const TfrmRegister& w, const std::string& serial) {
        for (std::size_t i = 0; i < w.Entries().size(); ++i)
            if (w.Entries()[i].gauge.serial == serial) return static_cast<int>(i);
        return -1;
    }
    static QStandardItem* Cell(const TfrmRegister& w, int row, int col) {
        return static_cast<QStandardItemModel*>(w.Table()->model())->item(row, col);
    }

private slots:
    // Interval 30: calibrated 100 days ago is overdue, 10 days ago due within 30
    // days; never calibrated is due today; interval 365 and 10 days ago is not marked.
    void marksFilterStatusHistoryAndCsv() {
        auto reg = Open("gauges.sqlite");
        Add(*reg, "G-OVER", 30, 100);
        Add(*reg, "G-SOON", 30, 10);
        Add(*reg, "G-NEW", 30, -1);
        Add(*reg, "G-OK", 365, 10);
        TfrmRegister w(std::move(reg), {});
        QCOMPARE(w.Entries().size(), std::size_t{4});
        const std::pair<const char*, QString> marks[] = {{"G-OVER", "Overdue"},
                                                         {"G-SOON", "Due within 30 days"},
                                                         {"G-NEW", "Due within 30 days"},
                                                         {"G-OK", ""}};
        for (const auto& [serial, tip] : marks)
            QCOMPARE(Cell(w, RowOf(w, serial), 0)->toolTip(), tip);

        Child<QLineEdit>(w, "txtRegFilter")->setText("g-o");
        QCOMPARE(w.Entries().size(), std::size_t{2});
        Child<QComboBox>(w, "cboRegDue")->setCurrentIndex(2);
        QCOMPARE(w.Entries().size(), std::size_t{1});
        QCOMPARE(w.Entries()[0].gauge.serial, std::string("G-OVER"));

        // A retired gauge is never due.
        w.Table()->selectRow(0);
        QVERIFY(w.SetSelectedStatus(GaugeStatus::Retired));
        QCOMPARE(w.Entries().size(), std::size_t{0});
        Child<QComboBox>(w, "cboRegDue")->setCurrentIndex(0);
        w.Table()->selectRow(RowOf(w, "G-OVER"));
        QCOMPARE(Cell(w, RowOf(w, "G-OVER"), 8)->text(), QString("retired"));
        QVERIFY(w.ShowHistory());
        auto* history = Child<QTableWidget>(w, "grdRegisterHistory");
        QCOMPARE(history->rowCount(), 1);
        QCOMPARE(history->item(0, 0)->text(),
                 QString::fromStdString(IsoDateText(Date{Today().days - 100})));

        // Out and into a fresh register: the same gauges.
        const QString csv = QString::fromStdString(dir_.file("gauges.csv"));
        QVERIFY(w.ExportCsv(csv, false));
        TfrmRegister fresh(Open("fresh.sqlite"), {});
        QVERIFY(fresh.ImportCsv(csv));
        QCOMPARE(fresh.Entries().size(), std::size_t{4});
        messages_.clear();
        QVERIFY(!fresh.ImportCsv(csv));
        QCOMPARE(messages_.size(), 1);
    }

    void gaugeWithTheActiveThread() {
        TfrmThread thread;
        CalculateThread(thread, "UN Threads", "Class 2", "1/4", "20");
        QString opened;
        TfrmRegister w(Open("threads.sqlite"),
                       {[&] { return thread.Record(); }, [&](const QString& f) { opened = f; }});
        GaugeRecord g;
        g.serial = "PG/7";
        g.intervalDays = 90;
        QVERIFY(w.AddGauge(g, true));
        QCOMPARE(Cell(w, 0, 2)->text(), QString("1/4-20 UNC-2B"));
        w.Table()->selectRow(0);
        QVERIFY(w.OpenSelectedThread());
        QVERIFY(opened.endsWith("/gauge-threads/PG_7.thd"));
        TfrmThread again;
        QVERIFY(again.OpenThreadFile(opened));
        QCOMPARE(again.Record()->IntThd.PD.Min, thread.Record()->IntThd.PD.Min);
    }

    // Tools | Gauge Register on the server the preferences name; a database
    // the server does not have is said in the server's words, no window opened.
    void serverOfThePreferences() {
        PgCluster cluster;
        QVERIFY2(cluster.error().empty(), cluster.error().c_str());
        const std::string uri = cluster.NewDatabase();
        {
            RegisterResult r;
            auto reg = GaugeRegister::Open(uri, r);
            QVERIFY2(reg, r.message.c_str());
            Add(*reg, "PG-1", 30, 100);
        }
        const auto registerWindow = [] {
            TfrmRegister* found = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* r = qobject_cast<TfrmRegister*>(w)) found = r;
            return found;
        };
        messages_.clear();
        Settings().RegisterDatabase = uri;
        ShowRegisterWindow(nullptr, {});
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('\n')));
        TfrmRegister* w = registerWindow();
        QVERIFY(w);
        QCOMPARE(w->Entries().size(), std::size_t{1});
        QCOMPARE(w->Entries()[0].gauge.serial, std::string("PG-1"));
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!registerWindow());

        Settings().RegisterDatabase = uri.substr(0, uri.rfind('/') + 1) + "nosuchdb";
        ShowRegisterWindow(nullptr, {});
        Settings().RegisterDatabase.clear();
        QCOMPARE(messages_.size(), 1);
        // One line, as libpq's tab-indented lines would not be in a box.
        QVERIFY2(!messages_[0].contains('\n') && !messages_[0].contains("  ") &&
                     messages_[0].contains("cannot be opened") &&
                     messages_[0].contains("database \"nosuchdb\" does not exist"),
                 qPrintable(messages_[0]));
        QVERIFY(!registerWindow());
    }
};

QTEST_MAIN(TestRegisterWindow)
#include "test_register_window.moc"
