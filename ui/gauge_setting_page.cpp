// The "Orvalle" page: shows the texts it is given; changes its own widgets only.
#include "ui/gauge_setting_page.h"

#include "pages/gauge_setting_page.h"
#include "ui/typed_number.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

template <typename W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* NamedLabel(const char* name, const char* text = "") {
    return Named(new QLabel(QString::fromLatin1(text)), name);
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Below this the drawing's labels are too small to read.
constexpr double kMinimumScale = 0.9;

} // namespace

TGaugeModelView::TGaugeModelView(QWidget* parent) : QWidget(parent) {
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void TGaugeModelView::SetPicture(GaugeModelPicture picture) {
    picture_ = picture;
    update();
}

int TGaugeModelView::heightForWidth(int width) const {
    const QSizeF natural = GaugeModelDrawingSize();
    return static_cast<int>(std::ceil(width * natural.height() / natural.width()));
}

QSize TGaugeModelView::sizeHint() const {
    // Labels about as large as the window's own text.
    const QSizeF natural = GaugeModelDrawingSize();
    const double fontPx = QFontInfo(font()).pixelSize();
    const double scale = std::max(1.0, fontPx / GaugeModelDrawingTextSize() * 0.85);
    return {static_cast<int>(std::ceil(natural.width() * scale)),
            static_cast<int>(std::ceil(natural.height() * scale))};
}

QSize TGaugeModelView::minimumSizeHint() const {
    const QSizeF natural = GaugeModelDrawingSize();
    const double fontPx = QFontInfo(font()).pixelSize();
    const double scale = std::max(kMinimumScale, fontPx / GaugeModelDrawingTextSize() * 0.7);
    return {static_cast<int>(std::ceil(natural.width() * scale)),
            static_cast<int>(std::ceil(natural.height() * scale))};
}

void TGaugeModelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintGaugeModel(painter, QRectF(rect()), picture_);
}

TGaugeSettingPage::TGaugeSettingPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlGageSetting"));
    auto* v = new QVBoxLayout(this);

    optGage = Named(new QGroupBox(QStringLiteral("Gage Type")), "optGage");
    optPointGage = Named(new QRadioButton(QStringLiteral("Point Gage")), "optPointGage");
    optRollGage = Named(new QRadioButton(QStringLiteral("Functional Roll Gage")), "optRollGage");
    gageButtons_ = new QButtonGroup(this);
    gageButtons_->addButton(optPointGage, 0);
    gageButtons_->addButton(optRollGage, 1);
    optPointGage->setChecked(true);
    auto* gageLayout = new QVBoxLayout(optGage);
    gageLayout->addWidget(optPointGage);
    gageLayout->addWidget(optRollGage);

    optExt = Named(new QGroupBox(QStringLiteral("Product Thread")), "optExt");
    optInternal = Named(new QRadioButton(QStringLiteral("Internal Dims.")), "optInternal");
    optExternal = Named(new QRadioButton(QStringLiteral("External Dims.")), "optExternal");
    extButtons_ = new QButtonGroup(this);
    extButtons_->addButton(optInternal, 0);
    extButtons_->addButton(optExternal, 1);
    optInternal->setChecked(true);
    auto* extLayout = new QVBoxLayout(optExt);
    extLayout->addWidget(optInternal);
    extLayout->addWidget(optExternal);

    auto* choices = new QHBoxLayout;
    choices->addWidget(optGage);
    choices->addWidget(optExt);
    v->addLayout(choices);

    auto* g = new QGridLayout;
    g->setColumnStretch(2, 1);
    lblGageCaption = NamedLabel("lblGageCaption", "Gage Model:");
    lblGage = NamedLabel("lblGage");
    QFont bold = lblGage->font();
    bold.setBold(true);
    lblGage->setFont(bold);
    lblSetFlat = NamedLabel("lblSetFlat", "Setting to Flat Std:");
    lblFlat = NamedLabel("lblFlat");
    lblSetV = NamedLabel("lblSetV", "Setting to V Std:");
    lblV = NamedLabel("lblV");
    lblSetPoint = NamedLabel("lblSetPoint", "Point #:");
    lblPoint = NamedLabel("lblPoint");
    lblPointDia = NamedLabel("lblPointDia", "Point Dia:");
    txtBallDia = Named(new QLineEdit, "txtBallDia");
    const QString entryHelp =
        QStringLiteral("A special point diameter: 0.06 or 0.06\" (inches), 1.5mm");
    txtBallDia->setToolTip(entryHelp);
    txtBallDia->setStatusTip(entryHelp);
    txtBallDia->setMaximumWidth(txtBallDia->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 11 +
                                16);
    btnCalc = Named(new QPushButton(QStringLiteral("Calc")), "btnCalc");
    lblTolCaption = NamedLabel("lblTolCaption", "Tolerance:");
    lblTolerance = NamedLabel("lblTolerance");
    lblDiffTol = NamedLabel("lblDiffTol", "Differential Anal. Tol:");
    lblDiffTolValue = NamedLabel("lblDiffTolValue");
    auto* entry = new QHBoxLayout;
    entry->addWidget(txtBallDia);
    entry->addWidget(btnCalc);
    entry->addStretch(1);
    int row = 0;
    auto add = [&](QLabel* caption, QWidget* value) {
        g->addWidget(caption, row, 0);
        g->addWidget(value, row, 1, 1, 2);
        ++row;
    };
    add(lblGageCaption, lblGage);
    add(lblSetFlat, lblFlat);
    add(lblSetV, lblV);
    add(lblSetPoint, lblPoint);
    g->addWidget(lblPointDia, row, 0);
    g->addLayout(entry, row, 1, 1, 2);
    ++row;
    add(lblTolCaption, lblTolerance);
    add(lblDiffTol, lblDiffTolValue);
    v->addLayout(g);
    // Why the page shows "NONE" or N/A; a click opens the help it names.
    lblSettingNote = NamedLabel("lblSettingNote");
    lblSettingNote->setWordWrap(true);
    lblSettingNote->setCursor(Qt::PointingHandCursor);
    lblSettingNote->setToolTip(QStringLiteral("Click to open the gauge-setting page of the help"));
    lblSettingNote->installEventFilter(this);
    lblSettingNote->hide();
    v->addWidget(lblSettingNote);

    pnlGMNote = Named(new QFrame, "pnlGMNote");
    pnlGMNote->setFrameShape(QFrame::StyledPanel);
    memGMNote = Named(new QPlainTextEdit, "memGMNote");
    memGMNote->setReadOnly(true);
    memGMNote->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QStringList lines;
    for (const std::string& line : GaugeMakerNotice())
        lines << Q(line).trimmed();
    memGMNote->setPlainText(lines.join('\n'));
    // Room for the ten lines and a few wrapped ones; no more.
    memGMNote->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    memGMNote->setFixedHeight(memGMNote->fontMetrics().lineSpacing() * 12 +
                              2 * memGMNote->frameWidth() + 8);
    auto* noteLayout = new QVBoxLayout(pnlGMNote);
    noteLayout->setContentsMargins(2, 2, 2, 2);
    noteLayout->addWidget(memGMNote);
    pnlGMNote->hide();
    v->addWidget(pnlGMNote);

    imgGage = Named(new TGaugeModelView, "imgGage");
    v->addWidget(imgGage);
    v->addStretch(1);

    connect(gageButtons_, &QButtonGroup::idClicked, this, [this] { emit choiceChanged(); });
    connect(extButtons_, &QButtonGroup::idClicked, this, [this] { emit choiceChanged(); });
    connect(btnCalc, &QPushButton::clicked, this, [this] { emit pointDiaEntered(); });
    connect(txtBallDia, &QLineEdit::returnPressed, this, [this] { emit pointDiaEntered(); });
    Clear();
}

bool TGaugeSettingPage::RollGauge() const {
    return optRollGage->isChecked();
}

bool TGaugeSettingPage::External() const {
    return optExternal->isChecked();
}

void TGaugeSettingPage::SetRollGauge(bool roll) {
    (roll ? optRollGage : optPointGage)->setChecked(true);
}

void TGaugeSettingPage::SetExternal(bool external) {
    (external ? optExternal : optInternal)->setChecked(true);
}

QString TGaugeSettingPage::PointDiaEntry() const {
    return PointDecimal(txtBallDia->text());
}

void TGaugeSettingPage::Show(const GaugeSettingText& t) {
    lblGage->setText(Q(t.gaugeModel));
    lblSetFlat->setText(Q(t.setFlatCaption));
    lblFlat->setText(Q(t.setFlat));
    lblSetV->setText(Q(t.setVCaption));
    lblV->setText(Q(t.setV));
    lblSetPoint->setText(Q(t.pointCaption));
    lblPoint->setText(Q(t.pointNumber));
    lblPointDia->setText(Q(t.pointDiaCaption));
    txtBallDia->setText(Q(t.pointDia));
    lblTolCaption->setText(Q(t.toleranceCaption));
    lblTolerance->setText(Q(t.tolerance));
    lblDiffTol->setText(Q(t.diffTolCaption));
    lblDiffTolValue->setText(Q(t.diffTol));
    for (QWidget* w : {static_cast<QWidget*>(lblSetV), static_cast<QWidget*>(lblV)})
        w->setVisible(t.showSetV);
    txtBallDia->setVisible(t.showPointDiaEntry);
    btnCalc->setVisible(t.showPointDiaEntry);
    // The caption stays to point at the notice when the entry is gone.
    lblPointDia->setVisible(t.showPointDiaEntry || t.showNotice);
    lblDiffTol->setVisible(t.showDiffTol);
    lblDiffTolValue->setVisible(t.showDiffTol);
    pnlGMNote->setVisible(t.showNotice);
    lblSettingNote->setText(Q(t.note));
    lblSettingNote->setVisible(!t.note.empty());
    imgGage->SetPicture(GaugeModelPictureOf(t.picture));
}

bool TGaugeSettingPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblSettingNote && event->type() == QEvent::MouseButtonRelease)
        emit helpRequested();
    return QWidget::eventFilter(watched, event);
}

void TGaugeSettingPage::Clear() {
    for (QLabel* value : {lblGage, lblFlat, lblV, lblPoint, lblTolerance, lblDiffTolValue})
        value->clear();
    txtBallDia->clear();
    lblDiffTol->hide();
    lblDiffTolValue->hide();
    pnlGMNote->hide();
    lblSettingNote->clear();
    lblSettingNote->hide();
    imgGage->SetPicture(GaugeModelPicture::Blank);
}
