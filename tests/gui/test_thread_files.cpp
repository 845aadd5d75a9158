// Thread files through the thread window: what Save keeps and Open shows on
// the parameter page, the notes and refusals of either and of the coating box.
#include "core/thread_record.h"
#include "pages/parameter_page.h"
#include "support/gui_support.h"
#include "support/window_test.h"
#include "ui/thread_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>
#include <memory>

namespace {

// 1/4-20 UN class 2 with what the caller adds, then Calculate.
void Calculate(TfrmThread& w, const QString& dia = "1/4", int startsIndex = 0,
               const QString& coating = {}) {
    Child<QComboBox>(w, "cboStarts")->setCurrentIndex(startsIndex);
    Child<QRadioButton>(w, coating.isEmpty() ? "optNoCoat" : "optCoating")->setChecked(true);
    if (!coating.isEmpty()) Child<QLineEdit>(w, "txtCoating")->setText(coating);
    CalculateThread(w, "UN Threads", "Class 2", dia, "20");
}

} // namespace

class TestThreadFiles : public WindowTest {
    Q_OBJECT

private slots:
    void savedPageComesBackAndCalculatesTheSame() {
        TempDir dir;
        const QString file = QString::fromStdString(dir.file("plated.thd"));
        TfrmThread w;
        Calculate(w, "1/4", 1, "0.0003");
        Child<QRadioButton>(w, "optClassX")->click();
        QVERIFY(w.UseNewWireSize("0.03"));
        QVERIFY(w.SaveThreadFile(file));

        TfrmThread r;
        QVERIFY(r.OpenThreadFile(file));
        QCOMPARE(errors_ + infos_, QStringList());
        QCOMPARE(Child<QComboBox>(r, "cboStarts")->currentIndex(), 1);
        QVERIFY(Child<QRadioButton>(r, "optCoating")->isChecked());
        QVERIFY(Child<QLineEdit>(r, "txtCoating")->isEnabled());
        QCOMPARE(Child<QLineEdit>(r, "txtCoating")->text(), QString("0.0003"));
        QVERIFY(Child<QRadioButton>(r, "optClassX")->isChecked());
        QCOMPARE(AllPageTexts(*r.Record()), AllPageTexts(*w.Record()));
        // Calculate on both pages: the same thread again, at the best wire.
        Child<QPushButton>(r, "Button2")->click();
        Child<QPushButton>(w, "Button2")->click();
        QCOMPARE(AllPageTexts(*r.Record()), AllPageTexts(*w.Record()));

        // The stored diameter wins over its rounded name " 0.3125".
        Calculate(w, "0.31255");
        QVERIFY(w.SaveThreadFile(file));
        QVERIFY(r.OpenThreadFile(file));
        QCOMPARE(Child<QLineEdit>(r, "txtNomDia")->text(), QString("+0.312550"));
        Child<QPushButton>(r, "Button2")->click();
        QCOMPARE(r.Record()->NomDia, 0.31255);
        QCOMPARE(AllPageTexts(*r.Record()), AllPageTexts(*w.Record()));
    }

    // Acme and buttress files restore type, class and starts; the window that
    // had a custom engagement shows the standard one they are calculated for.
    void powerThreadFilesRestoreTheirPage() {
        TempDir dir;
        const struct {
            const char *type, *cls, *dia, *tpi;
            bool classW;
        } cases[] = {{"SAM #1 (Stub Acme Modified #1)", "Class 4G", "1.5", "6", false},
                     {"7x45 Buttress Threads", "Class 3", "2", "8", true}};
        for (const auto& c : cases) {
            const QString file = QString::fromStdString(dir.file("p.thd"));
            TfrmThread w;
            Child<QComboBox>(w, "cboType")->setCurrentText(c.type);
            Child<QComboBox>(w, "cboStarts")->setCurrentIndex(2);
            CalculateThread(w, c.type, c.cls, c.dia, c.tpi);
            QVERIFY(w.SaveThreadFile(file));

            TfrmThread r;
            Child<QRadioButton>(r, "optCustomLOE")->setChecked(true);
            QVERIFY(r.OpenThreadFile(file));
            QCOMPARE(errors_ + infos_, QStringList());
            QCOMPARE(Child<QComboBox>(r, "cboType")->currentText(), QString(c.type));
            QCOMPARE(Child<QComboBox>(r, "cboClass")->currentText(), QString(c.cls));
            QCOMPARE(Child<QComboBox>(r, "cboStarts")->currentIndex(), 2);
            QVERIFY(Child<QRadioButton>(r, "optStandardLOE")->isChecked());
            QVERIFY(!Child<QRadioButton>(r, "optCustomLOE")->isEnabled());
            QCOMPARE(Child<QRadioButton>(r, "optClassW")->isChecked(), c.classW);
            QCOMPARE(AllPageTexts(*r.Record()), AllPageTexts(*w.Record()));
        }
    }

    void notesAndRefusalsKeepTheWindowsThread() {
        TempDir dir;
        const std::string quarter = "Nom Dia=+0.250000\nTPI=+20.000000\n";
        WriteTextFile(dir.file("unj.thd"), "[MAIN]\nThd Type=UNJ\n" + quarter);
        TfrmThread r;
        QVERIFY(r.OpenThreadFile(QString::fromStdString(dir.file("unj.thd"))));
        QCOMPARE(infos_, QStringList{"No class given: Class 3 is used."});
        QCOMPARE(Child<QComboBox>(r, "cboClass")->currentText(), QString("Class 3"));
        const TTInfo* before = r.Record();

        // A class the type lacks is refused as the command line refuses it.
        WriteTextFile(dir.file("unj2.thd"), "[MAIN]\nThd Type=UNJ\nClass=2\n" + quarter);
        QVERIFY(!r.OpenThreadFile(QString::fromStdString(dir.file("unj2.thd"))));
        QCOMPARE(errors_, QStringList{"UNJ Threads have no class 2 (classes: 3)"});
        errors_.clear();

        // A coating no thread can take is refused.
        WriteTextFile(dir.file("thick.thd"),
                      "[MAIN]\nThd Type=UN\nClass=2\nCoating=+0.020000\n" + quarter);
        QVERIFY(!r.OpenThreadFile(QString::fromStdString(dir.file("thick.thd"))));
        QCOMPARE(errors_.size(), 1);
        QVERIFY(errors_.constFirst().startsWith("Can not calculate. The coating is too thick"));
        // A coating box that holds no thickness is refused, not taken as none
        // (in a desktop whose decimal separator is the point).
        QLocale::setDefault(QLocale::c());
        for (auto [coating, hint] :
             {std::pair{"-0.0003", ""}, {"0,0003", " (use a decimal point)"}}) {
            errors_.clear();
            Calculate(r, "1/4", 0, coating);
            QCOMPARE(errors_, QStringList{kInvalidCoatingMessage + QString(hint)});
        }
        QCOMPARE(r.Record(), before);

        // Save into a folder that does not exist: the file error, and no folder.
        errors_.clear();
        const std::string lost = dir.file("no/such/x.thd");
        QVERIFY(!r.SaveThreadFile(QString::fromStdString(lost)));
        QCOMPARE(errors_.size(), 1);
        // The reason after the name is the system's, in the desktop's language.
        QVERIFY(errors_.constFirst().startsWith(QString::fromStdString("Cannot write " + lost)));
        QVERIFY(!std::filesystem::exists(dir.file("no")));
        QCOMPARE(r.FileName(), QString("unj.thd"));
    }
};

QTEST_MAIN(TestThreadFiles)
#include "test_thread_files.moc"
