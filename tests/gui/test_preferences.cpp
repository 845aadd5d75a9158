// The Preferences dialog and its Path dialog: made when first wanted, fields
// filled once from the settings, OK checking the table folder and rewriting
// both INI files, Cancel leaving everything alone.
#include "app/app_hooks.h"
#include "app/main_form.h"
#include "app/preferences.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "report/print_preview.h"
#include "support/gui_support.h"
#include "ui/message_box.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <memory>

namespace {

const char* const kProgramDir = PL_BIN_DIR "/";

} // namespace

class PreferencesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<TMainForm> frame_;
    QStringList questions_;

    TMainForm& MakeFrame() {
        frame_ = MakeTestFrame(*dir_);
        return *frame_;
    }
    QString Field(const char* name) const {
        return frame_->Pref().findChild<QLineEdit*>(name)->text();
    }
    void SetField(const char* name, const QString& text) {
        frame_->Pref().findChild<QLineEdit*>(name)->setText(text);
    }
    void Click(QDialog& dialog, const char* name) {
        auto* button = dialog.findChild<QAbstractButton*>(name);
        QVERIFY2(button, name);
        button->click();
    }
    std::string Plwin() const { return dir_->file("PLWIN.INI"); }
    std::string Pluser() const { return dir_->file("PLUSER.INI"); }

private slots:
    void init() {
        dir_ = std::make_unique<TempDir>();
        questions_.clear();
        // Questions are answered Yes by the hook.
        SetMessageHook([this](MessageKind, const QString& text) { questions_ << text; });
    }
    void cleanup() {
        frame_.reset();
        ResetHooks();
        SetMessageHook({});
        dir_.reset();
    }

    void okRewritesBothFiles_data() {
        QTest::addColumn<QString>("path");    // typed; empty keeps the field
        QTest::addColumn<QString>("company"); // typed; empty keeps the field
        QTest::addColumn<QString>("storedPath");
        QTest::addColumn<QString>("storedCompany");
        QTest::addColumn<bool>("questioned"); // the folder holds no ansitbl.bin
        // The second entry of the unit, paper and wire readings lists chosen, and
        // the desktop's locale (its paper is shown until one is chosen).
        QTest::addColumn<bool>("second");
        QTest::addColumn<QString>("locale");
        // Typed; kept trimmed, and no key where none was and none is typed.
        QTest::addColumn<QString>("registerDb");
        QTest::newRow("unchanged") << ""
                                   << ""
                                   << "/srv/tables"
                                   << "" << true << false << "de_DE"
                                   << "";
        QTest::newRow("edited") << PL_TABLES_DIR << "Precision Thread Co." << PL_TABLES_DIR
                                << "Precision Thread Co." << false << true << "en_US"
                                << " postgresql://inspector@qa-server:5432/gauges ";
        QTest::newRow("trailing separator kept") << PL_TABLES_DIR "/"
                                                 << "" << PL_TABLES_DIR "/"
                                                 << "" << false << false << "en_US"
                                                 << "/srv/qa/gauges.sqlite";
    }
    void okRewritesBothFiles() {
        QFETCH(QString, path);
        QFETCH(QString, company);
        QFETCH(QString, storedPath);
        QFETCH(QString, storedCompany);
        QFETCH(bool, questioned);
        QFETCH(bool, second);
        QFETCH(QString, locale);
        QFETCH(QString, registerDb);
        // Neither file holds the company or the main path yet: OK must write them.
        WriteTextFile(Pluser(), "[MAIN]\nThdTableData=/srv/tables\n");
        const QLocale saved;
        QLocale::setDefault(QLocale(locale));
        MakeFrame();
        const bool letterLocale = locale == "en_US";
        QCOMPARE(frame_->Pref().findChild<QComboBox*>("cboPaper")->currentText(),
                 QString(letterLocale ? "Letter" : "A4"));
        QLocale::setDefault(saved);
        Hooks().runModal = [&](QDialog& d) {
            if (!path.isEmpty()) SetField("txtTablePath", path);
            if (!company.isEmpty()) SetField("txtComp", company);
            SetField("txtRegister", registerDb);
            for (const char* list : {"cboInchUnit", "cboPaper", "cboWireReadings"})
                if (second) d.findChild<QComboBox*>(list)->setCurrentIndex(1);
            Click(d, "BitBtn1");
            return d.result();
        };
        frame_->Preferences1Click();
        QCOMPARE(questions_.size(), questioned ? 1 : 0);
        if (questioned)
            QVERIFY(questions_[0].contains("/srv/tables") && questions_[0].contains("ansitbl.bin"));
        QVERIFY(IniFile(Plwin()).HasKey("MAIN", "Company"));
        QCOMPARE(QString::fromStdString(ReadIniString(Plwin(), "MAIN", "Company", "?")),
                 storedCompany);
        QCOMPARE(QString::fromStdString(ReadIniString(Pluser(), "MAIN", "ThdTableData", "")),
                 storedPath);
        QCOMPARE(ReadIniString(Pluser(), "MAIN", "ThdMainPath", ""), std::string(kProgramDir));
        QCOMPARE(IniFile(Pluser()).HasKey("REGISTER", "Register"), !registerDb.isEmpty());
        QCOMPARE(QString::fromStdString(ReadIniString(Pluser(), "REGISTER", "Register", "")),
                 registerDb.trimmed());
        QCOMPARE(QString::fromStdString(Settings().RegisterDatabase), registerDb.trimmed());
        QCOMPARE(QString::fromStdString(Settings().TableDataPath), storedPath);
        QCOMPARE(QString::fromStdString(Settings().CompanyName), storedCompany);
        const std::string paper = second ? "A4" : letterLocale ? "Letter" : "A4";
        QCOMPARE(ReadIniString(Plwin(), "PREFERENCES", "Paper", ""), paper);
        QCOMPARE(ReadIniString(Plwin(), "PREFERENCES", "NewInchUnit", ""),
                 std::string(second ? "mm" : "inch"));
        QCOMPARE(ReadIniString(Plwin(), "PREFERENCES", "WireReadings", ""),
                 std::string(second ? "Exact" : "Standard"));
        // Print, preview and PDF take the paper at once.
        QCOMPARE(SharedPrinter().pageLayout().pageSize().id(),
                 paper == "A4" ? QPageSize::A4 : QPageSize::Letter);
    }

    // The settings hold for the run; the file that cannot take them is named.
    void okNamesASettingsFileItCannotKeep() {
        const std::string old = "[MAIN]\nThdTableData=/srv/tables\n";
        WriteTextFile(Pluser(), old);
        std::filesystem::permissions(Pluser(), std::filesystem::perms(0444));
        MakeFrame();
        Hooks().runModal = [&](QDialog& d) {
            SetField("txtTablePath", PL_TABLES_DIR);
            Click(d, "BitBtn1");
            return d.result();
        };
        frame_->Preferences1Click();
        QCOMPARE(questions_, QStringList{QString::fromStdString("Cannot write " + Pluser() +
                                                                ": Permission denied")});
        QCOMPARE(ReadTextFile(Pluser()), old);
        QCOMPARE(QString::fromStdString(Settings().TableDataPath), QString(PL_TABLES_DIR));
    }

    void cancelChangesNothingAndKeepsTheTypedText() {
        const std::string plwinText = "[MAIN]\nCompany=Acme Gauge Works\n";
        const std::string pluserText = "[MAIN]\nThdMainPath=/srv/\nThdTableData=/srv/tables\n";
        WriteTextFile(Plwin(), plwinText);
        WriteTextFile(Pluser(), pluserText);
        MakeFrame();
        QCOMPARE(Field("txtTablePath"), QString("/srv/tables"));
        QCOMPARE(Field("txtComp"), QString("Acme Gauge Works"));
        Hooks().runModal = [&](QDialog& d) {
            SetField("txtTablePath", "/tmp/elsewhere");
            SetField("txtComp", "Nobody");
            Click(d, "BitBtn2");
            return d.result();
        };
        frame_->Preferences1Click();
        QCOMPARE(frame_->Pref().result(), int(QDialog::Rejected));
        QCOMPARE(ReadTextFile(Plwin()), plwinText);
        QCOMPARE(ReadTextFile(Pluser()), pluserText);
        QCOMPARE(Settings().TableDataPath, std::string("/srv/tables"));
        QVERIFY(questions_.isEmpty());
        // The next showing finds the cancelled text still in the fields.
        QCOMPARE(Field("txtTablePath"), QString("/tmp/elsewhere"));
        QCOMPARE(Field("txtComp"), QString("Nobody"));
    }

    // The register named in PLUSER.INI is the field's; a libpq keyword text
    // (it would open an SQLite file of that name) is refused, the dialog open.
    void registerDatabaseOfTheSettingsFile() {
        const std::string old =
            "[MAIN]\nThdTableData=" PL_TABLES_DIR "\n[REGISTER]\nRegister=postgresql://qa/g\n";
        WriteTextFile(Pluser(), old);
        MakeFrame();
        QCOMPARE(Field("txtRegister"), QString("postgresql://qa/g"));
        Hooks().runModal = [&](QDialog& d) {
            SetField("txtRegister", "host=qa dbname=gauges");
            Click(d, "BitBtn1");
            return d.result();
        };
        frame_->Preferences1Click();
        QCOMPARE(questions_.size(), 1);
        QVERIFY(questions_[0].startsWith("The register database \"host=qa dbname=gauges\""));
        QCOMPARE(frame_->Pref().result(), int(QDialog::Rejected));
        QCOMPARE(ReadTextFile(Pluser()), old);
        QCOMPARE(Settings().RegisterDatabase, std::string("postgresql://qa/g"));
    }

    void browseTakesThePathDialogsDirectory() {
        const QString start = QString::fromStdString(dir_->path().string());
        const QString chosen = QString::fromStdString((dir_->path() / "Tables").string());
        std::filesystem::create_directory(dir_->path() / "Tables");
        WriteTextFile(Pluser(), "[MAIN]\nThdTableData=" + start.toStdString() + "\n");
        MakeFrame();
        for (bool confirm : {false, true}) {
            QString shownAtStart;
            Hooks().runModal = [&](QDialog& d) {
                auto& path = static_cast<TfrmPath&>(d);
                shownAtStart = path.findChild<QLabel*>("Label1")->text();
                path.SetDirectory(chosen);
                Click(d, confirm ? "btnOK" : "btnCancel");
                return d.result();
            };
            frame_->Pref().findChild<QToolButton*>("Win95SpeedButton1")->click();
            QCOMPARE(shownAtStart, start);
            QCOMPARE(Field("txtTablePath"), confirm ? chosen : start);
        }
    }

    void pathDialogDrivesAndDirectoryLabel() {
        MakeFrame();
        // Nothing reads the file system before the dialogs are wanted.
        QVERIFY(!frame_->findChild<TfrmPref*>() && !frame_->findChild<QFileSystemModel*>());
        TfrmPath& path = frame_->PathDialog();
        auto* drives = path.findChild<QComboBox*>("DriveComboBox1");
        QCOMPARE(drives->count(), 2);
        QCOMPARE(drives->itemText(1), QDir::homePath());
        const QString dir = QString::fromStdString(dir_->path().string());
        path.SetDirectory(dir);
        QCOMPARE(path.findChild<QLabel*>("Label1")->text(), dir);
        // A folder that does not exist leaves the choice as it was.
        path.SetDirectory(dir + "/no such folder");
        QCOMPARE(path.Directory(), dir);
        drives->setCurrentIndex(1);
        QCOMPARE(path.Directory(), QDir::homePath());
    }
};

QTEST_MAIN(PreferencesTest)
#include "test_preferences.moc"
