// Tools | Identify Thread as a user works it: entries with their units, the
// list closest first, the note when nothing fits, and the thread opened in a
// window with its Profile page.
#include "app/identify_dialog.h"
#include "core/thread_record.h"
#include "support/gui_support.h"
#include "support/window_test.h"
#include "ui/profile_page.h"
#include "ui/thread_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

class IdentifyDialogTest : public WindowTest {
    Q_OBJECT

private slots:
    void listsTheMatches_data() {
        QTest::addColumn<bool>("internal");
        QTest::addColumn<QString>("dia");
        QTest::addColumn<int>("diaUnit");
        QTest::addColumn<QString>("pitch");
        QTest::addColumn<int>("pitchUnit");
        QTest::addColumn<QString>("first");  // designation of row 0; empty: none fits
        QTest::addColumn<QString>("diaMax"); // its measured diameter's max, as shown
        QTest::addColumn<QString>("note");   // start of the note line
        // Limits: ASME B1.1 (1/4-20 UNC-2A major 0.2489), ISO 965-2 (M10x1.5-6g major
        // 9.968), ASME B1.1 (1/4-20 UNC-2B minor 0.207 = 0.2070).
        QTest::newRow("inch bolt") << false << "0.2480" << 0 << "20" << 0 << "1/4-20 UNC-2A"
                                   << "0.2489"
                                   << "Measured major diameter 0.2480 in";
        QTest::newRow("metric bolt in mm")
            << false << "9.97" << 1 << "1.5" << 1 << "M 10 X 1.5 - 6g6g"
            << "9.968"
            << "Measured major diameter 9.970 mm";
        QTest::newRow("typed units win over the lists")
            << false << "9.97mm" << 0 << "1.5mm" << 0 << "M 10 X 1.5 - 6g6g"
            << "9.968"
            << "Measured major diameter 9.970 mm";
        QTest::newRow("nut") << true << "0.201" << 0 << "20" << 0 << "1/4-20 UNC-2B"
                             << "0.2070"
                             << "Measured minor";
        QTest::newRow("nothing fits") << false << "0.23" << 0 << "20" << 0 << ""
                                      << ""
                                      << "Measured major";
        QTest::newRow("bad diameter") << false << "abc" << 0 << "20" << 0 << ""
                                      << ""
                                      << "Invalid measured diameter";
        QTest::newRow("bad pitch") << false << "0.25" << 0 << "x" << 0 << ""
                                   << ""
                                   << "Invalid pitch";
    }

    void listsTheMatches() {
        QFETCH(bool, internal);
        QFETCH(QString, dia);
        QFETCH(int, diaUnit);
        QFETCH(QString, pitch);
        QFETCH(int, pitchUnit);
        QFETCH(QString, first);
        QFETCH(QString, diaMax);
        QFETCH(QString, note);
        std::vector<ParameterEntry> opened;
        TfrmIdentify d([&](const ParameterEntry& e) { opened.push_back(e); });
        Child<QRadioButton>(d, internal ? "optInternal" : "optExternal")->setChecked(true);
        Child<QLineEdit>(d, "txtMeasuredDia")->setText(dia);
        Child<QComboBox>(d, "cboDiaUnit")->setCurrentIndex(diaUnit);
        Child<QLineEdit>(d, "txtMeasuredPitch")->setText(pitch);
        Child<QComboBox>(d, "cboPitchUnit")->setCurrentIndex(pitchUnit);
        Child<QPushButton>(d, "btnIdentify")->click();
        const QString text = Child<QLabel>(d, "lblIdentifyNote")->text();
        QVERIFY2(text.startsWith(note), qPrintable(text));
        auto* grid = Child<QTableWidget>(d, "grdMatches");
        auto* open = Child<QPushButton>(d, "btnOpenThread");
        if (first.isEmpty()) {
            QCOMPARE(grid->rowCount(), 0);
            QVERIFY(!open->isEnabled());
            QVERIFY(!d.btnOpenThreadClick());
            if (note == "Measured major") QVERIFY(text.contains(QString(kNothingFits)));
            return;
        }
        QCOMPARE(grid->item(0, 0)->text(), first);
        QCOMPARE(grid->item(0, 4)->text(), diaMax);
        QVERIFY(open->isEnabled());
        open->click();
        QCOMPARE(opened.size(), size_t(1));
    }

    // The thread opened from the list: calculated, with the Profile tab when
    // its family has a profile, without it for a pipe thread.
    void opensTheThreadInAWindow() {
        std::vector<ParameterEntry> found;
        for (auto [dia, tpi] : {std::pair{"0.2480", "20"}, {"0.838", "14"}}) {
            TfrmIdentify d([&](const ParameterEntry& e) { found.push_back(e); });
            Child<QLineEdit>(d, "txtMeasuredDia")->setText(dia);
            Child<QLineEdit>(d, "txtMeasuredPitch")->setText(tpi);
            d.btnIdentifyClick();
            auto* grid = Child<QTableWidget>(d, "grdMatches");
            QVERIFY(grid->rowCount() > 0);
            // A double-click opens the row as the button does.
            emit grid->cellDoubleClicked(0, 0);
        }
        QCOMPARE(found.size(), size_t(2));
        TfrmThread unc, pipe;
        QVERIFY(unc.CalculateEntry(found[0]));
        QCOMPARE(Child<QLabel>(unc, "lblName")->text(), QString("1/4-20 UNC-2B  /  1/4-20 UNC-2A"));
        QVERIFY(Tabs(unc).contains("Profile"));
        ShowTab(unc, "Profile");
        QVERIFY(Child<TProfilePage>(unc, "profilePage")->isVisibleTo(&unc));
        QVERIFY(pipe.CalculateEntry(found[1]));
        QVERIFY(!Tabs(pipe).contains("Profile"));
    }

    void profileZooms() {
        TProfilePage page;
        auto* canvas = page.Canvas();
        Child<QPushButton>(page, "btnProfileZoomIn")->click();
        Child<QPushButton>(page, "btnProfileZoomIn")->click();
        QCOMPARE(canvas->View().zoom, 1.25 * 1.25);
        Child<QPushButton>(page, "btnProfileZoomOut")->click();
        QCOMPARE(canvas->View().zoom, 1.25);
        Child<QPushButton>(page, "btnProfileFit")->click();
        QCOMPARE(canvas->View().zoom, 1.0);
    }
};

QTEST_MAIN(IdentifyDialogTest)
#include "test_identify_dialog.moc"
