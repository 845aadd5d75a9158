// The help pages and the help window: keyword search, the three help commands,
// and links that lead somewhere.
#include "app/app_hooks.h"
#include "app/help_window.h"
#include "app/main_form.h"
#include "support/gui_support.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include <memory>

namespace {

const QString kSourceHelp = PL_SOURCE_DIR "/app/help";

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void searchFindsPageByKeyword();
    void everyPageHasTitleAndWorkingLinks();
    void buildCopiesThePagesBesideThePrograms();
    void helpCommandsOpenTheirPages();
    void missingHelpFolderIsSaid();

private:
    TempDir dir_;
};

// Query and the page found first; none for a query that finds nothing.
void HelpTest::searchFindsPageByKeyword() {
    const HelpIndex index(kSourceHelp);
    const std::pair<const char*, const char*> cases[] = {
        {"wire", "wires.html"},
        {"CLASS w", "gauges.html"},
        {"pluser", "preferences.html"},
        {"convert to mm", "units.html"},
        {"UNJ", "threads.html"},
        {"clipb", "clipboard.html"},
        {"no calculation", "messages.html"},
        {"unknown thread type", "messages.html"},
        {"gage dimensions report", "commands.html"},
        {"no gauge tolerance table", "tables.html"},
        {"licensed standard", "tables.html"},
        {"NPTR", "pipe.html"},
        {"orvalle", "gauge_setting.html"},
        {"ball mic", "ball_mic.html"},
        {"no pd measurement", "messages.html"},
        {"set dim", "set_dim.html"},
        {"new pd value", "new_pd.html"},
        {"identify thread", "identify.html"},
        {"tolerance zone", "profile.html"},
        {"verdict", "inspect.html"},
        {"tap drill", "tap_drills.html"},
        {"csv", "csv.html"},
        {"iso 1502", "iso1502.html"},
        {"xyzzy", ""},
        {"ire", ""},
    };
    for (const auto& [query, page] : cases) {
        const auto hits = index.Search(query);
        QCOMPARE(hits.empty() ? QString() : hits.front()->file, QString(page));
    }
}

void HelpTest::everyPageHasTitleAndWorkingLinks() {
    static const QRegularExpression link("href=\"([^\"#:]+)\"");
    const HelpIndex index(kSourceHelp);
    // An empty search lists every page, the two the help commands open among them.
    const QStringList pages = QDir(kSourceHelp).entryList({"*.html"}, QDir::Files);
    QCOMPARE(index.Search("  ").size(), size_t(pages.size()));
    QVERIFY(pages.contains(kHelpContentsPage) && pages.contains(kHelpHowToPage));
    QStringList linked;
    for (const HelpTopic& t : index.Topics()) {
        QVERIFY2(t.title != t.file, qPrintable(t.file + " has no title"));
        QFile f(kSourceHelp + "/" + t.file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            QVERIFY2(QFile::exists(kSourceHelp + "/" + target),
                     qPrintable(t.file + " links to missing " + target));
            linked << target;
        }
    }
    // The gauge pages send the user to "Tables", which the contents list by that name.
    QFile contents(kSourceHelp + "/index.html");
    QVERIFY(contents.open(QIODevice::ReadOnly));
    QVERIFY(contents.readAll().contains("<a href=\"tables.html\">Tables</a>"));
    // Every page can be reached from some other page.
    for (const HelpTopic& t : index.Topics())
        QVERIFY2(linked.contains(t.file), qPrintable(t.file + " is not linked"));
}

void HelpTest::buildCopiesThePagesBesideThePrograms() {
    QCOMPARE(DefaultHelpDir(), QString(PL_BIN_DIR "/help"));
    const QStringList source = QDir(kSourceHelp).entryList(QDir::Files);
    const QStringList copied = QDir(DefaultHelpDir()).entryList(QDir::Files);
    QCOMPARE(copied, source);
}

// The three help commands, then a search typed in the panel and a page chosen.
void HelpTest::helpCommandsOpenTheirPages() {
    auto frame = MakeTestFrame(dir_, kSourceHelp);
    frame->HelpContents();
    THelpWindow& help = frame->Help();
    QVERIFY(help.isVisible());
    QCOMPARE(help.CurrentTopic(), QString("index.html"));
    frame->HelpHowToUse();
    QCOMPARE(help.CurrentTopic(), QString("howto.html"));
    QVERIFY(!help.findChild<QLineEdit*>("txtHelpSearch")->isVisible());
    frame->HelpSearch();
    QVERIFY(help.findChild<QLineEdit*>("txtHelpSearch")->isVisible());
    QCOMPARE(&frame->Help(), &help);
    auto* words = help.findChild<QLineEdit*>("txtHelpSearch");
    auto* topics = help.findChild<QListWidget*>("lstHelpTopics");
    QTest::keyClicks(words, "helix");
    QVERIFY(topics->count() >= 1);
    QCOMPARE(topics->item(0)->text(), QString("Measuring wires and readings over wires"));
    QTest::keyClick(words, Qt::Key_Return);
    QCOMPARE(help.CurrentTopic(), QString("wires.html"));
    frame->HelpSearch();
    words->setText("preferences");
    topics->setCurrentRow(0);
    help.findChild<QPushButton*>("btnHelpDisplay")->click();
    QCOMPARE(help.CurrentTopic(), QString("preferences.html"));
    // F1: the help of the page shown; Esc closes the help window.
    frame->btnNewClick();
    frame->findChild<QAction*>("HelpOnPageItem")->trigger();
    QCOMPARE(help.CurrentTopic(), QString("parameters.html"));
    help.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&help));
    QTest::keyClick(&help, Qt::Key_Escape);
    QVERIFY(!help.isVisible());
}

void HelpTest::missingHelpFolderIsSaid() {
    auto frame = MakeTestFrame(dir_, QString::fromStdString(dir_.file("no-help")));
    frame->HelpContents();
    const QString text = frame->Help().findChild<QTextBrowser*>("HelpBrowser")->toPlainText();
    QVERIFY2(text.startsWith("Help is not installed"), qPrintable(text));
    QVERIFY(text.contains(QString::fromStdString(dir_.file("no-help"))));
}

QTEST_MAIN(HelpTest)
#include "test_help.moc"
