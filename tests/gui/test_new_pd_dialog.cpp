// Re-evaluation in the window: the "New PD Values" dialog, and the "New PD
// Value:" boxes of the gauge pages with their GO / NoGo choice of limit.
// 1/4-20 UNC-2A/2B of ASME B1.1: PD max 0.2164 (2A), PD min 0.2175 (2B).
#include "core/thread_record.h"
#include "support/gui_support.h"
#include "support/window_test.h"
#include "ui/new_pd_dialog.h"
#include "ui/thread_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

void Calculate(TfrmThread& w) {
    CalculateThread(w, "UN Threads", "", "1/4", "20");
}

} // namespace

class NewPDTest : public WindowTest {
    Q_OBJECT

private slots:
    void dialogOffersTheFourLimits() {
        TfrmNewPD d;
        QCOMPARE(d.windowTitle(), QString("New PD Values"));
        auto* list = Child<QComboBox>(d, "cboPDType");
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        QCOMPARE(items, (QStringList{"New External Max PD", "New External Min PD",
                                     "New Internal Min PD", "New Internal Max PD"}));
        QCOMPARE(d.Limit(), 1);
        list->setCurrentIndex(3);
        Child<QLineEdit>(d, "Edit1")->setText("0.2230");
        QCOMPARE(d.Limit(), 4);
        QCOMPARE(d.Text(), QString("0.2230"));
        Child<QPushButton>(d, "btnCancel")->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
        Child<QPushButton>(d, "btnOK")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    // Each page's box takes the GO or NoGo limit of the thread its gauges check.
    void pageBoxesFitTheirLimit_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("nogo");
        QTest::addColumn<bool>("useNoGo");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("diameter");
        // Limits move one for one with the diameter; by formula the 2A
        // allowance is 0.0012 (the table row's 0.0011), so 0.2180 needs 0.2517.
        QTest::newRow("ring GO: external max") << "txtRingPD"
                                               << "btnRingPD"
                                               << "optRingNOGO" << false << "0.2180"
                                               << "0.2517";
        QTest::newRow("set plug GO: external max") << "txtSetPD"
                                                   << "btnSetPD"
                                                   << "optSetPlugNOGO" << false << "0.2180"
                                                   << "0.2517";
        QTest::newRow("plug GO: internal min") << "txtPlugPD"
                                               << "btnPlugPD"
                                               << "optPlugNOGO" << false << "0.2200"
                                               << "0.2525";
        // The limit shown already: the diameter stays as typed.
        QTest::newRow("ring NoGo: external min") << "txtRingPD"
                                                 << "btnRingPD"
                                                 << "optRingNOGO" << true << "0.2127"
                                                 << "1/4";
    }
    void pageBoxesFitTheirLimit() {
        QFETCH(QString, entry);
        QFETCH(QString, button);
        QFETCH(QString, nogo);
        QFETCH(bool, useNoGo);
        QFETCH(QString, target);
        QFETCH(QString, diameter);
        TfrmThread w;
        Calculate(w);
        if (useNoGo) Child<QRadioButton>(w, qPrintable(nogo))->setChecked(true);
        Child<QLineEdit>(w, qPrintable(entry))->setText(target);
        Child<QToolButton>(w, qPrintable(button))->click();
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('\n')));
        QCOMPARE(Child<QLineEdit>(w, "txtNomDia")->text(), diameter);
        // The name, a line under it and the caption's mark say what happened.
        const bool moved = diameter != "1/4";
        const QString name = Child<QLabel>(w, "lblName")->text().trimmed();
        QVERIFY2(name.startsWith(moved ? diameter + "-20 UNS-2B" : "1/4-20 UNC-2B"),
                 qPrintable(name));
        auto* note = Child<QLabel>(w, "lblReevaluated");
        QVERIFY2(!note->isHidden() &&
                     note->text().endsWith(moved ? " instead of 1/4" : "1/4 unchanged"),
                 qPrintable(note->text()));
        QCOMPARE(w.windowTitle().endsWith(" *"), moved);
        // Saved, the mark goes; a new Calculate takes the note away.
        TempDir dir;
        QVERIFY(w.SaveThreadFile(QString::fromStdString(dir.file("fit.thd"))));
        QVERIFY(!w.windowTitle().endsWith(" *"));
        Child<QPushButton>(w, "Button2")->click();
        QVERIFY(note->isHidden());
    }

    // What can not be reached, or does not describe the thread shown, changes nothing.
    void refusalsLeaveTheCalculation() {
        TfrmThread w;
        QVERIFY(!w.FitToNewPD(1, "0.2180"));
        QCOMPARE(messages_.takeFirst(),
                 QString("Can not re-evaluate: calculate the thread first."));
        Calculate(w);
        const TTInfo* shown = w.Record();
        QVERIFY(!w.FitToNewPD(4, "9"));
        QVERIFY(messages_.takeFirst().startsWith(
            "Can not re-evaluate: New Internal Max PD 9.0000 is not reached"));
        Child<QLineEdit>(w, "txtPitch")->setText("28");
        QVERIFY(!w.FitToNewPD(1, "0.2180"));
        QVERIFY(messages_.takeFirst().contains("Press Calculate first."));
        QCOMPARE(w.Record(), shown);
        QCOMPARE(w.Record()->NomDia, 0.25);
        QCOMPARE(Child<QLineEdit>(w, "txtNomDia")->text(), QString("1/4"));
        QVERIFY(Child<QLabel>(w, "lblReevaluated")->isHidden() && !w.UnsavedChanges());
    }
};

QTEST_MAIN(NewPDTest)
#include "test_new_pd_dialog.moc"
