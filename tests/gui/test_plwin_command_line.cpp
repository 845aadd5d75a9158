// plwin's command line: files to open, the install check, and refused options.
#include "app/command_line.h"

#include <QTest>

class PlwinCommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void parses_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("checkInstall");
        QTest::addColumn<QString>("refused");
        QTest::newRow("nothing") << QStringList{} << QStringList{} << false << QString();
        QTest::newRow("files from the file manager")
            << QStringList{"/w/a.thd", "b.bm"} << QStringList{"/w/a.thd", "b.bm"} << false
            << QString();
        QTest::newRow("install check")
            << QStringList{"--check-install"} << QStringList{} << true << QString();
        QTest::newRow("a file named like an option after --")
            << QStringList{"--", "-odd.thd"} << QStringList{"-odd.thd"} << false << QString();
        QTest::newRow("unknown option") << QStringList{"a.thd", "--tables"} << QStringList{"a.thd"}
                                        << false << QString("--tables");
    }

    void parses() {
        QFETCH(QStringList, args);
        QFETCH(QStringList, files);
        QFETCH(bool, checkInstall);
        QFETCH(QString, refused);
        const PlwinCommandLine c = ParsePlwinArguments(args);
        QCOMPARE(c.files, files);
        QCOMPARE(c.checkInstall, checkInstall);
        if (refused.isEmpty())
            QVERIFY(c.error.isEmpty());
        else
            QVERIFY2(c.error.startsWith("plwin: unknown option " + refused + "\n"),
                     qPrintable(c.error));
    }
};

QTEST_MAIN(PlwinCommandLineTest)
#include "test_plwin_command_line.moc"
