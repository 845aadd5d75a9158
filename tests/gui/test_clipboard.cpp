// The window's clipboard commands: which gauge the page and its GO / NoGo option
// pick, when nothing is copied, and the display unit of the copied values.
// 1/4-20 UNC values are those of ASME B1.1 Table 2.
#include "core/display_unit.h"
#include "support/test_support.h"
#include "ui/message_box.h"
#include "ui/thread_window.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <memory>

namespace {

template <typename T> T* Child(const TfrmThread& w, const char* name)
{
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    if (!c) qFatal("no control %s", name);
    return c;
}

void Calculate(TfrmThread& w)
{
    Child<QComboBox>(w, "cboType")->setCurrentText("UN Threads");
    Child<QComboBox>(w, "cboClass")->setCurrentText("Class 2");
    Child<QLineEdit>(w, "txtNomDia")->setText("1/4");
    Child<QLineEdit>(w, "txtPitch")->setText("20");
    Child<QPushButton>(w, "Button2")->click();
}

void ShowTab(TfrmThread& w, const QString& caption)
{
    auto* tabs = Child<QTabBar>(w, "TabSet1");
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == caption) tabs->setCurrentIndex(i);
}

QString Clipboard()
{
    return QGuiApplication::clipboard()->text();
}

} // namespace

class TestClipboard : public QObject {
    Q_OBJECT
    std::unique_ptr<ShippedTables> tables_;
    QStringList messages_;

private slots:
    void initTestCase()
    {
        tables_ = std::make_unique<ShippedTables>();
        SetMessageHook([this](MessageKind, const QString& text) { messages_ << text; });
    }
    void init()
    {
        SetMetricDisplay(false);
        QGuiApplication::clipboard()->setText("before");
    }

    void nothingWithoutRecordOrOffTheGaugePages()
    {
        TfrmThread w;
        w.CopyCalCertData();
        w.CopyThreadDims(true);
        QCOMPARE(Clipboard(), QString("before"));
        Calculate(w);
        // The dimensions page is no gauge page.
        w.CopyCalCertData();
        QCOMPARE(Clipboard(), QString("before"));
        QVERIFY(messages_.isEmpty());
    }

    void calCertFollowsPageAndOption()
    {
        // The layouts themselves are checked by the builder's tests; here the
        // page shown and its option pick the gauge (ASME B1.1 1/4-20 UNC-2A/2B).
        TfrmThread w;
        Calculate(w);
        ShowTab(w, "Ring Gage");
        Child<QRadioButton>(w, "optRingNOGO")->setChecked(true);
        w.CopyCalCertData();
        // NOT GO ring = 2A PD min 0.2127, after an empty line.
        QVERIFY(Clipboard().startsWith("\r\nRequired\tTolerance\r\n0.2127\t"));
        ShowTab(w, "Plug Gage");
        w.CopyCalCertData();
        // GO plug = 2B PD min 0.2175.
        QVERIFY(Clipboard().startsWith("0.2175\r\nRequired\tTolerance\r\n"));
        ShowTab(w, "Set Plug");
        Child<QRadioButton>(w, "optSetPlugNOGO")->setChecked(true);
        w.CopyCalCertData();
        QVERIFY(Clipboard().startsWith("0.2127\r\nRequired\tTolerance\r\n"));
    }

    void threadDimensionsInTheDisplayUnit()
    {
        TfrmThread w;
        Calculate(w);
        w.CopyThreadDims(true);
        QVERIFY(Clipboard().startsWith("Internal: 1/4-20 UNC-2B\r\nPD Max:\t0.2224\r\n"));
        w.ToggleDisplayUnit();
        w.CopyThreadDims(false);
        // 0.2164 in = 5.49656 mm.
        QVERIFY(Clipboard().startsWith("External: 1/4-20 UNC-2A\r\nPD Max:\t5.497\r\n"));
    }
};

QTEST_MAIN(TestClipboard)
#include "test_clipboard.moc"
