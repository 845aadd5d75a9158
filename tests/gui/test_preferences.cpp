// The Preferences dialog and its Path dialog: fields filled once from the
// settings, OK rewriting both INI files, Cancel leaving everything alone.
#include "app/app_hooks.h"
#include "app/main_form.h"
#include "app/preferences.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "support/test_support.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <filesystem>
#include <memory>

namespace {

const char* const kProgramDir = PL_BIN_DIR "/";

} // namespace

class PreferencesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fieldsComeFromTheSettingsFiles();
    void okRewritesBothFiles_data();
    void okRewritesBothFiles();
    void cancelChangesNothingAndKeepsTheTypedText();
    void browseTakesThePathDialogsDirectory_data();
    void browseTakesThePathDialogsDirectory();
    void pathDialogDrivesAndDirectoryLabel();

private:
    TMainForm& MakeFrame();
    QString Field(const char* name) const;
    void SetField(const char* name, const QString& text);
    void Click(QDialog& dialog, const char* name);
    std::string Plwin() const { return dir_->file("PLWIN.INI"); }
    std::string Pluser() const { return dir_->file("PLUSER.INI"); }

    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<TMainForm> frame_;
};

void PreferencesTest::init()
{
    dir_ = std::make_unique<TempDir>();
}

void PreferencesTest::cleanup()
{
    frame_.reset();
    ResetHooks();
    dir_.reset();
}

TMainForm& PreferencesTest::MakeFrame()
{
    FrameConfig c;
    c.programDir = kProgramDir;
    c.plwinIni = Plwin();
    c.pluserIni = Pluser();
    c.exePath = "/opt/pitchledger/bin/plwin";
    c.helpDir = PL_SOURCE_DIR "/app/help";
    frame_ = std::make_unique<TMainForm>(c);
    return *frame_;
}

QString PreferencesTest::Field(const char* name) const
{
    return frame_->Pref().findChild<QLineEdit*>(name)->text();
}

void PreferencesTest::SetField(const char* name, const QString& text)
{
    frame_->Pref().findChild<QLineEdit*>(name)->setText(text);
}

void PreferencesTest::Click(QDialog& dialog, const char* name)
{
    auto* button = dialog.findChild<QAbstractButton*>(name);
    QVERIFY2(button, name);
    button->click();
}

void PreferencesTest::fieldsComeFromTheSettingsFiles()
{
    WriteTextFile(Plwin(), "[MAIN]\nCompany=Acme Gauge Works\n");
    WriteTextFile(Pluser(), "[MAIN]\nThdTableData=/srv/thread tables\n");
    MakeFrame();
    QCOMPARE(frame_->Pref().objectName(), QString("frmPref"));
    QCOMPARE(frame_->Pref().windowTitle(), QString("Preferences"));
    QCOMPARE(Field("txtTablePath"), QString("/srv/thread tables"));
    QCOMPARE(Field("txtComp"), QString("Acme Gauge Works"));
    for (const char* name : {"Win95SpeedButton1", "BitBtn1", "BitBtn2"})
        QVERIFY2(frame_->Pref().findChild<QAbstractButton*>(name), name);
}

void PreferencesTest::okRewritesBothFiles_data()
{
    QTest::addColumn<QString>("path");    // typed; empty keeps the field
    QTest::addColumn<QString>("company"); // typed; empty keeps the field
    QTest::addColumn<QString>("storedPath");
    QTest::addColumn<QString>("storedCompany");
    QTest::newRow("unchanged") << "" << "" << "/srv/tables" << "";
    QTest::newRow("edited") << "/home/qc/tables" << "Precision Thread Co."
                            << "/home/qc/tables" << "Precision Thread Co.";
    QTest::newRow("trailing separator kept") << "/home/qc/tables/" << ""
                                             << "/home/qc/tables/" << "";
}

void PreferencesTest::okRewritesBothFiles()
{
    QFETCH(QString, path);
    QFETCH(QString, company);
    QFETCH(QString, storedPath);
    QFETCH(QString, storedCompany);
    // Neither file holds the company or the main path yet: OK must write them.
    WriteTextFile(Pluser(), "[MAIN]\nThdTableData=/srv/tables\n");
    MakeFrame();
    Hooks().runModal = [&](QDialog& d) {
        if (!path.isEmpty()) SetField("txtTablePath", path);
        if (!company.isEmpty()) SetField("txtComp", company);
        Click(d, "BitBtn1");
        return d.result();
    };
    frame_->Preferences1Click();

    QVERIFY(IniFile(Plwin()).HasKey("MAIN", "Company"));
    QCOMPARE(QString::fromStdString(ReadIniString(Plwin(), "MAIN", "Company", "?")),
             storedCompany);
    QCOMPARE(QString::fromStdString(ReadIniString(Pluser(), "MAIN", "ThdTableData", "")),
             storedPath);
    QCOMPARE(ReadIniString(Pluser(), "MAIN", "ThdMainPath", ""), std::string(kProgramDir));
    QCOMPARE(QString::fromStdString(Settings().TableDataPath), storedPath);
    QCOMPARE(QString::fromStdString(Settings().CompanyName), storedCompany);
}

void PreferencesTest::cancelChangesNothingAndKeepsTheTypedText()
{
    const std::string plwinText = "[MAIN]\nCompany=Acme Gauge Works\n";
    const std::string pluserText = "[MAIN]\nThdMainPath=/srv/\nThdTableData=/srv/tables\n";
    WriteTextFile(Plwin(), plwinText);
    WriteTextFile(Pluser(), pluserText);
    MakeFrame();
    int result = -1;
    Hooks().runModal = [&](QDialog& d) {
        SetField("txtTablePath", "/tmp/elsewhere");
        SetField("txtComp", "Nobody");
        Click(d, "BitBtn2");
        result = d.result();
        return result;
    };
    frame_->Preferences1Click();
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(ReadTextFile(Plwin()), plwinText);
    QCOMPARE(ReadTextFile(Pluser()), pluserText);
    QCOMPARE(Settings().TableDataPath, std::string("/srv/tables"));
    QCOMPARE(Settings().CompanyName, std::string("Acme Gauge Works"));

    // The next showing finds the cancelled text still in the fields.
    QString shownPath, shownCompany;
    Hooks().runModal = [&](QDialog&) {
        shownPath = Field("txtTablePath");
        shownCompany = Field("txtComp");
        return int(QDialog::Rejected);
    };
    frame_->Preferences1Click();
    QCOMPARE(shownPath, QString("/tmp/elsewhere"));
    QCOMPARE(shownCompany, QString("Nobody"));
}

void PreferencesTest::browseTakesThePathDialogsDirectory_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("OK takes the directory") << true;
    QTest::newRow("Cancel keeps the field") << false;
}

void PreferencesTest::browseTakesThePathDialogsDirectory()
{
    QFETCH(bool, confirm);
    const QString start = QString::fromStdString(dir_->path().string());
    const QString chosen = QString::fromStdString((dir_->path() / "Tables").string());
    std::filesystem::create_directory(dir_->path() / "Tables");
    WriteTextFile(Pluser(), "[MAIN]\nThdTableData=" + start.toStdString() + "\n");
    MakeFrame();
    QString shownAtStart, dialogName;
    Hooks().runModal = [&](QDialog& d) {
        auto& path = static_cast<TfrmPath&>(d);
        dialogName = path.objectName();
        shownAtStart = path.findChild<QLabel*>("Label1")->text();
        path.SetDirectory(chosen);
        Click(d, confirm ? "btnOK" : "btnCancel");
        return d.result();
    };
    frame_->Pref().findChild<QToolButton*>("Win95SpeedButton1")->click();
    QCOMPARE(dialogName, QString("frmPath"));
    QCOMPARE(shownAtStart, start);
    QCOMPARE(Field("txtTablePath"), confirm ? chosen : start);
}

void PreferencesTest::pathDialogDrivesAndDirectoryLabel()
{
    MakeFrame();
    TfrmPath& path = frame_->PathDialog();
    QCOMPARE(path.windowTitle(), QString("Path Dialog"));
    auto* drives = path.findChild<QComboBox*>("DriveComboBox1");
    QVERIFY(drives);
    QCOMPARE(drives->count(), 2);
    QCOMPARE(drives->itemText(0), QString("/"));
    QCOMPARE(drives->itemText(1), QDir::homePath());
    QVERIFY(path.findChild<QTreeView*>("DirectoryListBox1"));

    const QString dir = QString::fromStdString(dir_->path().string());
    path.SetDirectory(dir);
    QCOMPARE(path.Directory(), dir);
    QCOMPARE(path.findChild<QLabel*>("Label1")->text(), dir);
    // A folder that does not exist leaves the choice as it was.
    path.SetDirectory(dir + "/no such folder");
    QCOMPARE(path.Directory(), dir);
    drives->setCurrentIndex(1);
    QCOMPARE(path.Directory(), QDir::homePath());
    drives->setCurrentIndex(0);
    QCOMPARE(path.Directory(), QString("/"));
}

QTEST_MAIN(PreferencesTest)
#include "test_preferences.moc"
