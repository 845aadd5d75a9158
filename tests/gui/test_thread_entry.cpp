// What the thread window takes as typed: a designation filling the
// Parameters page, and numbers in the desktop's own decimal separator.

#include "core/thread_record.h"
#include "support/gui_support.h"
#include "support/window_test.h"
#include "ui/color_string_grid.h"
#include "ui/thread_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include <memory>

class TestThreadEntry : public WindowTest {
    Q_OBJECT

private slots:
    // "Designation:" fills the page; a text not understood, or one whose
    // numbers are another series (1/4-28 is UNF in ASME B1.1 Table 2), leaves
    // it as it was and says why.
    void designationFillsThePage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("cls"); // class list, metric button or pipe kind
        QTest::addColumn<QString>("dia");
        QTest::addColumn<QString>("pitch");
        QTest::addColumn<QString>("message");
        QTest::newRow("unified") << "1/4-20 UNC-2A"
                                 << "UN Threads"
                                 << "Class 2"
                                 << "1/4"
                                 << "20"
                                 << "";
        QTest::newRow("metricLeftHand") << "M10x1.25-5g6g LH"
                                        << "M Series Metric"
                                        << "6H6H  /  5g6g"
                                        << "10"
                                        << "1.25"
                                        << "";
        QTest::newRow("germanDecimalComma") << "M10x1,25-5g6g LH"
                                            << "M Series Metric"
                                            << "6H6H  /  5g6g"
                                            << "10"
                                            << "1.25"
                                            << "";
        QTest::newRow("acmeTwoStarts") << "1.000-0.200P-0.400L ACME-3G"
                                       << "ACME Threads"
                                       << "Class 3G"
                                       << "1.000"
                                       << "5"
                                       << "";
        QTest::newRow("pipe") << "1/2-14 NPT"
                              << "General Purpose Pipe Threads"
                              << "NPT"
                              << "1/2"
                              << ""
                              << "";
        QTest::newRow("unknownSeries")
            << "1/4-20 UNQ-2A"
            << "UN Threads"
            << "Class 2"
            << ""
            << ""
            << "Can not read the thread designation \"1/4-20 UNQ-2A\": UNQ is no thread series";
        QTest::newRow("engagementNotTyped")
            << "1-5 ACME-SE2G"
            << "UN Threads"
            << "Class 2"
            << ""
            << ""
            << "ACME Threads take their standard length of engagement: SE is not for them";
        QTest::newRow("otherSeries") << "1/4-28 UNC-2A"
                                     << "UN Threads"
                                     << "Class 2"
                                     << ""
                                     << ""
                                     << "1/4-28 is UNF, not UNC";
    }
    void designationFillsThePage() {
        QFETCH(QString, text);
        QFETCH(QString, type);
        QFETCH(QString, cls);
        QFETCH(QString, dia);
        QFETCH(QString, pitch);
        QFETCH(QString, message);
        const QLocale desktop;
        if (text.contains(',')) QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(desktop); });
        TfrmThread w;
        auto* box = Child<QLineEdit>(w, "txtDesignation");
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(errors_, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(Child<QComboBox>(w, "cboType")->currentText(), type);
        const bool metric = type.startsWith("M ");
        const bool pipe = type.contains("Pipe");
        QVERIFY(Child<QComboBox>(w, "cboClass")->currentText().startsWith(cls) ||
                (metric && Child<QPushButton>(w, "btnMetric")->text() == cls));
        QCOMPARE(pipe ? Child<QComboBox>(w, "cboNPTSize")->currentText()
                      : Child<QLineEdit>(w, "txtNomDia")->text(),
                 dia);
        if (!pipe) QCOMPARE(Child<QLineEdit>(w, "txtPitch")->text(), pitch);
        if (!message.isEmpty()) return;
        QCOMPARE(Child<QComboBox>(w, "cboStarts")->currentIndex(), text.contains("0.400L") ? 1 : 0);
        Child<QPushButton>(w, "Button2")->click();
        QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join('\n')));
        QVERIFY(w.Record() != nullptr);
        QCOMPARE(w.Record()->LeftHand != 0, text.endsWith("LH"));
    }

    // The desktop's decimal separator is read as well as the point; what is
    // no number is refused, never read as 0. 1/4-20 UNC-2A PD max 0.2164.
    void decimalSeparatorOfTheDesktop() {
        const struct {
            const char *locale, *dia, *pitch, *message;
        } cases[] = {{"de_DE", "0,25", "20", ""},
                     {"de_DE", "1/4", "20,0", ""},
                     {"de_DE", "0,25,5", "20", "Can not calculate. Invalid Nominal Diameter"},
                     {"en_US", "1/4", "20,5",
                      "Can not calculate. Invalid pitch value (use a decimal point)"}};
        for (const auto& c : cases) {
            errors_.clear();
            QLocale::setDefault(QLocale(c.locale));
            TfrmThread w;
            CalculateThread(w, "UN Threads", "Class 2", c.dia, c.pitch);
            QLocale::setDefault(QLocale::c());
            QCOMPARE(errors_.join(""), QString(c.message));
            if (!*c.message)
                QCOMPARE(Child<TColorStringGrid>(w, "gridThd")->Cell(1, 2), QString("0.2164"));
        }
    }
};

QTEST_MAIN(TestThreadEntry)
#include "test_thread_entry.moc"
