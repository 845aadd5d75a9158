// The thread window: construction, the parameter page's type switching and the
// tab set over the notebook pages. Changes the parameter page's widgets and the
// tab set; the model only through the metric classes' functions.
#include "ui/thread_window.h"

#include "core/display_unit.h"
#include "core/thread_record.h"
#include "core/thread_types.h"
#include "gauges/ball_mic.h"
#include "pages/engagement_hint.h"
#include "pages/parameter_page.h"
#include "pages/result_pages.h"
#include "ui/color_string_grid.h"
#include "ui/gauge_page.h"
#include "ui/inspect_page.h"
#include "ui/iso1502_page.h"
#include "ui/message_box.h"
#include "ui/pipe_grid_page.h"
#include "ui/profile_page.h"
#include "ui/thread_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A page scrolls rather than clips when the window is smaller than its contents.
QWidget* Scrolled(QWidget* page) {
    auto* area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

} // namespace

TfrmThread::TfrmThread(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmThread"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);

    pnlName = new QFrame;
    pnlName->setObjectName(QStringLiteral("pnlName"));
    pnlName->setFrameShape(QFrame::StyledPanel);
    pnlName->setFrameShadow(QFrame::Raised);
    QFont panelFont = pnlName->font();
    panelFont.setBold(true);
    pnlName->setFont(panelFont);
    lblName = new QLabel;
    lblName->setObjectName(QStringLiteral("lblName"));
    lblName->setAlignment(Qt::AlignCenter);
    auto* panelLayout = new QHBoxLayout(pnlName);
    panelLayout->setContentsMargins(4, 2, 4, 2);
    panelLayout->addWidget(lblName);
    pnlName->installEventFilter(this);
    lblName->installEventFilter(this);
    v->addWidget(pnlName);
    lblOutOfDate = new QLabel(QString::fromUtf8(kOutOfDateNote));
    lblOutOfDate->setObjectName(QStringLiteral("lblOutOfDate"));
    lblOutOfDate->setAlignment(Qt::AlignCenter);
    lblOutOfDate->setWordWrap(true);
    lblOutOfDate->setAutoFillBackground(true);
    lblOutOfDate->setBackgroundRole(QPalette::ToolTipBase);
    lblOutOfDate->setForegroundRole(QPalette::ToolTipText);
    // Its room stays when it hides, so the page under the pointer does not
    // jump with every edit.
    QSizePolicy keepRoom = lblOutOfDate->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    lblOutOfDate->setSizePolicy(keepRoom);
    lblOutOfDate->hide();
    v->addWidget(lblOutOfDate);
    lblReevaluated = new QLabel;
    lblReevaluated->setObjectName(QStringLiteral("lblReevaluated"));
    lblReevaluated->setAlignment(Qt::AlignCenter);
    lblReevaluated->setWordWrap(true);
    lblReevaluated->hide();
    v->addWidget(lblReevaluated);

    Notebook1 = new QStackedWidget;
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    Notebook1->addWidget(Scrolled(BuildParameterPage()));
    Notebook1->addWidget(Scrolled(BuildThreadPage()));
    Notebook1->widget(ThreadPage::ThreadDim)->setObjectName(QStringLiteral("ScrollBox1"));
    ringPage_ = new TGaugePage(GaugePage::Ring);
    Notebook1->addWidget(Scrolled(ringPage_));
    setPlugPage_ = new TGaugePage(GaugePage::SetPlug);
    Notebook1->addWidget(Scrolled(setPlugPage_));
    plugPage_ = new TGaugePage(GaugePage::Plug);
    Notebook1->addWidget(Scrolled(plugPage_));
    Notebook1->addWidget(Scrolled(BuildSettingPage()));
    nptGagesPage_ = new TPipeGridPage("nptGageGrid", "lblNPTGageNote", "ScrollBox2");
    Notebook1->addWidget(nptGagesPage_);
    nptTolsPage_ = new TPipeGridPage("nptTolsGrid", "lblNPTTolsNote", "ScrollBox3");
    Notebook1->addWidget(nptTolsPage_);
    inspectPage_ = new TInspectPage([this] { return static_cast<const TTInfo*>(Record()); });
    inspectPage_->setObjectName(QStringLiteral("InspectPage"));
    Notebook1->addWidget(Scrolled(inspectPage_));
    profilePage_ = new TProfilePage;
    Notebook1->addWidget(profilePage_);
    iso1502Page_ = new TIso1502Page;
    Notebook1->addWidget(Scrolled(iso1502Page_));
    connect(iso1502Page_, &TIso1502Page::helpRequested, this, &TfrmThread::helpRequested);
    v->addWidget(Notebook1, 1);
    // Which formula the readings over wires of the page shown follow; under
    // the page, so that its coming and going moves nothing on it.
    lblWireReadings = new QLabel;
    lblWireReadings->setObjectName(QStringLiteral("lblWireReadings"));
    lblWireReadings->setAlignment(Qt::AlignCenter);
    lblWireReadings->hide();
    v->addWidget(lblWireReadings);

    TabSet1 = new QTabBar;
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    TabSet1->setShape(QTabBar::RoundedSouth);
    TabSet1->setExpanding(false);
    TabSet1->setDrawBase(false);
    TabSet1->setUsesScrollButtons(true);
    // Compact tabs, so the five result tabs fit the window's width.
    TabSet1->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 3px 7px; border: 1px solid palette(mid); border-top: none;"
        " background: palette(button); margin-right: -1px; }"
        "QTabBar::tab:selected { background: palette(window); }"
        "QTabBar::tab:!selected { margin-bottom: 2px; }"));
    v->addWidget(TabSet1);

    connect(cboType, &QComboBox::currentIndexChanged, this, [this] { cboTypeClick(); });
    connect(cboClass, &QComboBox::currentIndexChanged, this, [this] { cboClassClick(); });
    connect(optStandardLOE, &QRadioButton::toggled, this, [this](bool on) {
        if (on) txtLOE->setEnabled(false);
    });
    connect(optCustomLOE, &QRadioButton::toggled, this, [this](bool on) {
        if (on) txtLOE->setEnabled(true);
    });
    connect(optCoating, &QRadioButton::toggled, this, [this] { optCoatingClick(); });
    connect(btnMetric, &QPushButton::clicked, this, [this] { btnMetricClick(); });
    connect(metricLOEButtons_, &QButtonGroup::idClicked, this,
            [this](int group) { optMetricLOEClick(group); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(txtDesignation, &QLineEdit::returnPressed, this, [this] { FillDesignation(); });
    connect(btnFill, &QPushButton::clicked, this, [this] { FillDesignation(); });
    for (QLineEdit* box : {txtNomDia, txtPitch, txtLOE, txtCoating})
        connect(box, &QLineEdit::returnPressed, this, [this] { Button2Click(); });
    for (QComboBox* box : {cboClass, cboNPTSize})
        box->installEventFilter(this);
    // Every edit of the page, by the user or by a type switch.
    for (QComboBox* box : {cboType, cboClass, cboNPTSize, cboStarts})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { ParametersEdited(); });
    for (QLineEdit* box : {txtNomDia, txtPitch, txtLOE, txtCoating})
        connect(box, &QLineEdit::textChanged, this, [this] { ParametersEdited(); });
    for (QRadioButton* option : {optStandardLOE, optCustomLOE, optNoCoat, optCoating})
        connect(option, &QRadioButton::toggled, this, [this] { ParametersEdited(); });
    for (QButtonGroup* group : {metricLOEButtons_, metricDirButtons_})
        connect(group, &QButtonGroup::idToggled, this, [this] { ParametersEdited(); });
    connect(TabSet1, &QTabBar::currentChanged, this, [this](int index) { TabSet1Change(index); });
    for (TGaugePage* page : {ringPage_, setPlugPage_, plugPage_}) {
        connect(page, &TGaugePage::helpRequested, this,
                [this] { emit helpRequested(QStringLiteral("tables.html")); });
        connect(page, &TGaugePage::wireSizeEntered, this, [this, page] { UseWireBox(page); });
        // The ring and setting plug gauges check the external thread, the plugs the internal one.
        const int goLimit = page == plugPage_ ? 3 : 1;
        connect(page, &TGaugePage::fitRequested, this,
                [this, goLimit](bool go, const QString& text) {
                    FitToNewPD(go ? goLimit : goLimit + 1, text);
                });
    }
    connect(setPlugPage_, &TGaugePage::calibrateRequested, this,
            [this](bool go) { OpenCalibrate(go ? CalMember::GoSetPlug : CalMember::NoGoSetPlug); });
    connect(plugPage_, &TGaugePage::calibrateRequested, this,
            [this](bool go) { OpenCalibrate(go ? CalMember::GoPlug : CalMember::NoGoPlug); });
    connect(setPlugPage_, &TGaugePage::classChosen, this,
            [this](bool classW) { GaugeClassClick(classW); });
    for (TPipeGridPage* page : {nptGagesPage_, nptTolsPage_})
        connect(page, &TPipeGridPage::helpRequested, this,
                [this] { emit helpRequested(QStringLiteral("tables.html")); });

    // FormCreate.
    RebuildTabs(false);
    {
        const QSignalBlocker block(cboType);
        cboType->setCurrentIndex(0);
    }
    cboTypeClick();
    model_.SetMetric(false);
    SetMetricDisplay(false);
    setWindowTitle(model_.FileName());
    cboStarts->setCurrentIndex(0);
    lblName->clear();
    FitNameLabel();
    UpdateEngagementHint();
    resize(sizeHint());
}

TfrmThread::~TfrmThread() = default;

QSize TfrmThread::sizeHint() const {
    // The design size, or what the pages need under a larger desktop font
    // (the scroll areas would offer only part of it).
    QSize page;
    for (int i = ThreadPage::Parameters; i <= ThreadPage::Plug; ++i)
        page =
            page.expandedTo(static_cast<QScrollArea*>(Notebook1->widget(i))->widget()->sizeHint());
    const int around = pnlName->sizeHint().height() + lblOutOfDate->sizeHint().height() +
                       lblWireReadings->sizeHint().height() + TabSet1->sizeHint().height();
    // A little room over, so that no scroll bar appears for a pixel or two;
    // wide enough for every tab a calculation may bring.
    return QSize(std::max(page.width() + 8, AllTabsWidth()), page.height() + around + 12)
        .expandedTo(QSize(396, 416));
}

int TfrmThread::AllTabsWidth() const {
    const QFontMetrics fm(TabSet1->font());
    const int pad = TabSet1->count() > 0
                        ? TabSet1->tabRect(0).width() - fm.horizontalAdvance(TabSet1->tabText(0))
                        : 0;
    int total = 8;
    for (int page = 0; page < ThreadPage::Count; ++page)
        if (ThreadPage::HasContent(page))
            total += fm.horizontalAdvance(ThreadPage::Caption(page)) + pad;
    return total;
}

bool TfrmThread::MetricFlag() const {
    return model_.Metric();
}

void TfrmThread::cboTypeClick() {
    const int index = cboType->currentIndex();
    const auto& types = ThreadTypeEntries();
    if (index < 0 || index >= static_cast<int>(types.size())) return;
    const uint16_t code = types[static_cast<std::size_t>(index)].typeCode;

    const ThreadType& type = ThreadTypeOf(code);
    const ParameterLayout layout = ParameterLayoutOf(code);
    const bool metricType = MetricByDefault(code);
    const QString diameterHelp =
        metricType ? QStringLiteral("Nominal diameter in millimetres: 10, 1.6")
                   : QStringLiteral("Nominal diameter: a decimal (0.375), a fraction (3/8) or a "
                                    "number size (#10)");
    txtNomDia->setToolTip(diameterHelp);
    txtNomDia->setStatusTip(diameterHelp);
    txtNomDia->setPlaceholderText(metricType ? QStringLiteral("10, 1.6")
                                             : QStringLiteral("0.375, 3/8, #10"));
    lblCoatingUnit->setText(metricType ? QStringLiteral("mm") : QStringLiteral("in"));
    const QString coatingHelp = metricType
                                    ? QStringLiteral("Coating thickness in millimetres (0.008)")
                                    : QStringLiteral("Coating thickness in inches (0.0003)");
    txtCoating->setToolTip(coatingHelp);
    txtCoating->setStatusTip(coatingHelp);
    Label5->setText(QStringLiteral("Threads per Inch:"));
    Label5->show();
    txtPitch->show();
    txtNomDia->show();
    cboNPTSize->hide();
    Label2->setText(QStringLiteral("Thread Class:"));
    Label2->show();
    cboClass->show();
    cboClass->setEnabled(true);
    Label12->hide();
    btnMetric->hide();
    optMetricLOE->hide();
    optMetricDir->hide();
    lblMetricLOENote->hide();
    optLOE->show();
    // A type that disabled the group (buttress, pipe) must not leave it disabled.
    optLOE->setEnabled(true);
    cboStarts->setEnabled(true);
    CoatBox->show();

    {
        const QSignalBlocker block(cboClass);
        cboClass->clear();
        for (const ClassEntry& c : ClassEntries(index)) {
            const std::string shown =
                layout == ParameterLayout::PipeSizes ? PipeKindCaption(cboClass->count()) : c.text;
            cboClass->addItem(QString::fromStdString(shown), QString::fromStdString(c.classText));
        }
        if (cboClass->count() > 0) cboClass->setCurrentIndex(DefaultClassEntry(index));
    }

    switch (type.engagement) {
    case Engagement::Custom:
        optCustomLOE->setEnabled(true);
        break;
    case Engagement::Standard:
        optCustomLOE->setEnabled(false);
        optStandardLOE->setChecked(true);
        break;
    case Engagement::Pitch:
        // A custom engagement left checked would show a choice the calculation ignores.
        optStandardLOE->setChecked(true);
        optCustomLOE->setEnabled(false);
        optLOE->setEnabled(false);
        break;
    case Engagement::Group:
        optLOE->hide();
        optMetricLOE->show();
        break;
    case Engagement::None:
        optCustomLOE->setEnabled(false);
        optLOE->setEnabled(false);
        optLOE->hide();
        break;
    }
    if (!type.startsAndCoating) {
        optNoCoat->setChecked(true);
        CoatBox->hide();
        cboStarts->setCurrentIndex(0);
        cboStarts->setEnabled(false);
    }
    if (layout == ParameterLayout::MetricTolerances) {
        Label12->show();
        Label2->hide();
        cboClass->hide();
        btnMetric->show();
        optMetricDir->show();
        Label5->setText(QStringLiteral("Pitch (mm):"));
        btnMetric->setEnabled(type.toleranceChoice);
        // Fixed classes put the chosen ones aside until a type that takes them returns.
        if (type.toleranceChoice)
            RestoreMClasses();
        else
            KeepMClasses();
        ShowMetricTols();
    } else if (layout == ParameterLayout::PipeSizes) {
        Label2->setText(QStringLiteral("NPT Type:"));
        cboNPTSize->show();
        txtNomDia->hide();
        Label5->hide();
        txtPitch->hide();
        cboClassClick();
    }
}

void TfrmThread::cboClassClick() {
    const int type = cboType->currentIndex();
    if (type < 0 ||
        ParameterLayoutOf(ThreadTypeEntries()[static_cast<std::size_t>(type)].typeCode) !=
            ParameterLayout::PipeSizes)
        return;
    // The size stays where the new kind offers it.
    const QString size = cboNPTSize->currentText();
    cboNPTSize->clear();
    for (const std::string& s : PipeSizeTexts(cboClass->currentIndex()))
        cboNPTSize->addItem(QString::fromStdString(s));
    cboNPTSize->setCurrentIndex(std::max(0, cboNPTSize->findText(size)));
}

void TfrmThread::optCoatingClick() {
    txtCoating->setEnabled(optCoating->isChecked());
}

namespace {

// The page a tab selects: the pipe pages by caption, every other by position.
int PageOfTabCaption(const QString& caption, int index) {
    const QString c = caption.trimmed().toLower();
    if (c == QLatin1String("npt gages")) return ThreadPage::NPTGages;
    if (c == QLatin1String("npt tolerances")) return ThreadPage::NPTTolerances;
    if (c == QLatin1String("profile")) return ThreadPage::Profile;
    if (c == QLatin1String("inspect")) return ThreadPage::Inspect;
    if (c == QLatin1String("iso 1502 gauges")) return ThreadPage::Iso1502;
    return index;
}

} // namespace

QString TfrmThread::HelpTopic() const {
    if (BallMicMode()) return QStringLiteral("ball_mic.html");
    return ThreadPage::HelpFile(Notebook1->currentIndex());
}

void TfrmThread::FocusFirstEntry() {
    // A machinist types the designation as written on the drawing.
    if (Notebook1->currentIndex() == ThreadPage::Parameters) txtDesignation->setFocus();
}

void TfrmThread::TabSet1Change(int index) {
    if (updatingTabs_ || index < 0) return;
    Notebook1->setCurrentIndex(PageOfTabCaption(TabSet1->tabText(index), index));
    ShowWireReadings();
}

void TfrmThread::RebuildTabs(bool pipePages) {
    const int shown = Notebook1->currentIndex();
    const bool severalStarts = Record() && Record()->Starts > 1;
    updatingTabs_ = true;
    while (TabSet1->count() > 0)
        TabSet1->removeTab(0);
    int current = 0;
    for (int page = 0; page < ThreadPage::Count; ++page) {
        if (!ThreadPage::HasContent(page)) continue;
        const bool pipePage = page == ThreadPage::NPTGages || page == ThreadPage::NPTTolerances;
        if (pipePage && !pipePages) continue;
        if (page == ThreadPage::Profile && (pipePages || !profileShown_)) continue;
        if (page == ThreadPage::Iso1502 && (pipePages || !iso1502Shown_)) continue;
        // Gauge setting is worked out for single-start threads only.
        if (page == ThreadPage::Setting && severalStarts) continue;
        const int tab = TabSet1->addTab(ThreadPage::Caption(page));
        if (page == shown) current = tab;
    }
    TabSet1->setCurrentIndex(current);
    updatingTabs_ = false;
    TabSet1Change(current);
}

void TfrmThread::ShowPipeTabs(bool nptPages) {
    RebuildTabs(false);
    updatingTabs_ = true;
    while (TabSet1->count() > ThreadPage::ThreadDim + 1)
        TabSet1->removeTab(TabSet1->count() - 1);
    if (nptPages) {
        TabSet1->addTab(ThreadPage::Caption(ThreadPage::NPTGages));
        TabSet1->addTab(ThreadPage::Caption(ThreadPage::NPTTolerances));
    }
    TabSet1->setCurrentIndex(ThreadPage::ThreadDim);
    updatingTabs_ = false;
    TabSet1Change(ThreadPage::ThreadDim);
}

void TfrmThread::ShowPage(int page) {
    for (int tab = 0; tab < TabSet1->count(); ++tab) {
        if (PageOfTabCaption(TabSet1->tabText(tab), tab) != page) continue;
        if (TabSet1->currentIndex() == tab)
            TabSet1Change(tab);
        else
            TabSet1->setCurrentIndex(tab);
        return;
    }
}

void TfrmThread::pnlNameDblClick() {
    const TTInfo* rec = Record();
    if (!rec) return;
    QString text;
    for (const TThdInfo* m : {&rec->IntThd, &rec->ExtThd})
        for (const std::string& line : m->Notes)
            text += QString::fromStdString(line) + '\n';
    if (!text.isEmpty()) ShowInformation(this, text);
}

void TfrmThread::ParametersEdited() {
    UpdateEngagementHint();
    ShowOutOfDate();
}

void TfrmThread::UpdateEngagementHint() {
    if (!lblStdLOE) return;
    lblStdLOE->setText(
        QString::fromStdString(StandardEngagementText(EntryFromPage(), model_.Metric())));
}

bool TfrmThread::eventFilter(QObject* watched, QEvent* event) {
    // The accepted diameter forms in the status line while the box has the focus.
    if (watched == txtNomDia && event->type() == QEvent::FocusIn) {
        QStatusTipEvent tip(txtNomDia->statusTip());
        QCoreApplication::sendEvent(txtNomDia, &tip);
    }
    if (watched == lblThdNote && event->type() == QEvent::MouseButtonRelease)
        emit helpRequested(QStringLiteral("tables.html"));
    // The size and kind lists calculate on Enter as the boxes do.
    if ((watched == cboNPTSize || watched == cboClass) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Button2Click();
            return true;
        }
    }
    if ((watched == pnlName || watched == lblName) &&
        event->type() == QEvent::MouseButtonDblClick) {
        pnlNameDblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmThread::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitNameLabel();
}
