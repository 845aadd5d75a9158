// The metric grade dialog and the metric controls of the parameter page: the
// lists preset from the button's classes, OK and Cancel, the engagement group,
// MJ's fixed class and the pitch label.
#include "core/thread_record.h"
#include "support/gui_support.h"
#include "support/window_test.h"
#include "ui/metric_dialog.h"
#include "ui/thread_window.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QString Caption(const TfrmThread& w) {
    return Child<QPushButton>(w, "btnMetric")->text();
}

// Clicks btnMetric and, in the dialog it opens, sets the named lists and
// presses the button named.
void UseDialog(TfrmThread& w, const QList<QPair<const char*, QString>>& choices,
               const char* button) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<TfrmMetric*>(QApplication::activeModalWidget());
        if (!d) return;
        seen = true;
        for (const auto& [list, text] : choices)
            Child<QComboBox>(*d, list)->setCurrentText(text);
        Child<QPushButton>(*d, button)->click();
    });
    Child<QPushButton>(w, "btnMetric")->click();
    QVERIFY(seen);
}

QString Note(const TfrmThread& w) {
    return Child<QLabel>(w, "lblMetricLOENote")->text();
}

QAbstractButton* LOEButton(const TfrmThread& w, const char* caption) {
    for (auto* b : Child<QGroupBox>(w, "optMetricLOE")->findChildren<QRadioButton*>())
        if (b->text() == QLatin1String(caption)) return b;
    qFatal("no radio button %s", caption);
}

} // namespace

class TestMetricDialog : public WindowTest {
    Q_OBJECT

private slots:
    void listsPresetFromTheClasses() {
        TfrmMetric d({"7G5H", "4e8f"});
        QCOMPARE(d.windowTitle(), QString("Metric Grades & Pos. Toleranes"));
        const struct {
            const char* list;
            int count;
            const char* shown;
        } lists[] = {
            {"cboIntPDGrade", 5, "7"},    {"cboIntPDPos", 2, "G"},    {"cboIntMinorGrade", 5, "5"},
            {"cboIntMinorPos", 2, "H"},   {"cboExtPDGrade", 7, "4"},  {"cboExtPDPos", 4, "e"},
            {"cboExtMajorGrade", 3, "8"}, {"cboExtMajorPos", 4, "f"},
        };
        for (const auto& l : lists) {
            auto* box = Child<QComboBox>(d, l.list);
            QCOMPARE(box->count(), l.count);
            QCOMPARE(box->currentText(), QString(l.shown));
        }
        for (const char* label : {"Internal Tol:", "External Tol:", "Pitch Dia.", "Major Dia.",
                                  "Minor Dia.", "Grade:", "Pos:"}) {
            bool found = false;
            for (auto* l : d.findChildren<QLabel*>())
                found = found || l->text() == label;
            QVERIFY2(found, label);
        }
        QCOMPARE(d.Texts().internal, std::string("7G5H"));
        QCOMPARE(d.Texts().external, std::string("4e8f"));
    }

    void okTakesTheListsCancelChangesNothing() {
        TfrmThread w;
        Child<QComboBox>(w, "cboType")->setCurrentText("M Series Metric");
        QCOMPARE(Caption(w), QString("6H6H  /  6g6g"));
        QCOMPARE(Child<QLabel>(w, "Label5")->text(), QString("Pitch (mm):"));
        QVERIFY(Child<QLineEdit>(w, "txtNomDia")->toolTip().contains("millimetres"));

        UseDialog(w, {{"cboIntPDPos", "G"}, {"cboExtPDGrade", "4"}, {"cboExtMajorGrade", "8"}},
                  "btnOK");
        QCOMPARE(Caption(w), QString("6G6H  /  4g8g"));
        UseDialog(w, {{"cboIntPDGrade", "8"}, {"cboExtPDPos", "e"}}, "btnCancel");
        QCOMPARE(Caption(w), QString("6G6H  /  4g8g"));
    }

    // The group shifts the class chosen in the dialog (the rules and the line's
    // texts are the page's); Normal gives the chosen class back, and a Long that
    // position e cannot take puts the option back on Normal.
    void engagementGroupShiftsTheExternalClass() {
        TfrmThread w;
        Child<QComboBox>(w, "cboType")->setCurrentText("M Series Metric");
        QVERIFY(Child<QLabel>(w, "lblMetricLOENote")->isHidden());
        UseDialog(w, {{"cboExtPDGrade", "4"}}, "btnOK");
        LOEButton(w, "Short LOE")->click();
        QCOMPARE(Caption(w), QString("6H6H  /  3g6g"));
        QVERIFY(Note(w).startsWith("Short LOE: the external class 4g6g is calculated as 3g6g"));
        LOEButton(w, "Normal LOE")->click();
        QCOMPARE(Caption(w), QString("6H6H  /  4g6g"));
        QVERIFY(Child<QLabel>(w, "lblMetricLOENote")->isHidden());
        UseDialog(w, {{"cboExtPDPos", "e"}}, "btnOK");
        LOEButton(w, "Long LOE")->click();
        QCOMPARE(Caption(w), QString("6H6H  /  4e6g"));
        QVERIFY(LOEButton(w, "Normal LOE")->isChecked());
        QVERIFY(Note(w).startsWith("Long LOE is not available"));
    }

    void mjHasItsOneClass() {
        TfrmThread w;
        auto* type = Child<QComboBox>(w, "cboType");
        type->setCurrentText("M Series Metric");
        UseDialog(w, {{"cboIntPDPos", "G"}}, "btnOK");
        LOEButton(w, "Short LOE")->click();
        type->setCurrentText("MJ Series Metric");
        QCOMPARE(Caption(w), QString("4H5H / 4h6h"));
        QVERIFY(!Child<QPushButton>(w, "btnMetric")->isEnabled());
        QVERIFY(Child<QGroupBox>(w, "optMetricLOE")->isHidden());
        QVERIFY(!Child<QGroupBox>(w, "optLOE")->isHidden());
        QVERIFY(Child<QLabel>(w, "lblMetricLOENote")->isHidden());
        // Back on M (through another type too) the classes chosen for M return.
        type->setCurrentText("UN Threads");
        type->setCurrentText("M Series Metric");
        QCOMPARE(Caption(w), QString("6G6H  /  5g6g"));
        QVERIFY(LOEButton(w, "Short LOE")->isChecked());
        QVERIFY(!Child<QLabel>(w, "lblMetricLOENote")->isHidden());
        type->setCurrentText("UN Threads");
        QCOMPARE(Child<QLabel>(w, "Label5")->text(), QString("Threads per Inch:"));
    }

    void metricFileRestoresThePage() {
        const ShippedTables tables;
        TempDir dir;
        const std::string file = dir.file("m10.thd");
        WriteTextFile(file, "[MAIN]\nThd Type=M\nExtTolInfo=5g6g\nIntTolInfo=6G6H\n"
                            "LOE Group=Short\nLeft Hand=1\nNom Dia=10\nTPI=1.5\n");
        TfrmThread w;
        QVERIFY(w.OpenThreadFile(QString::fromStdString(file)));
        QCOMPARE(Caption(w), QString("6G6H  /  5g6g"));
        QVERIFY(LOEButton(w, "Short LOE")->isChecked());
        QCOMPARE(Note(w), QString("Short LOE: the external class 6g6g is calculated as 5g6g (one "
                                  "pitch diameter grade finer)."));
        QCOMPARE(Child<QLineEdit>(w, "txtPitch")->text(), QString("1.5"));
    }
};

QTEST_MAIN(TestMetricDialog)
#include "test_metric_dialog.moc"
