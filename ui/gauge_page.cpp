// The gauge page of the thread window, one class for the Ring Gage, Set Plug
// and Plug Gage pages. Touches its own widgets only; the texts come from the
// result page builder.
#include "ui/gauge_page.h"

#include "pages/parameter_page.h"
#include "pages/result_pages.h"
#include "ui/color_string_grid.h"
#include "ui/page_parts.h"
#include "ui/typed_number.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The controls' names, which tests and users' scripts find them by.
struct PageNames {
    const char *grid, *note, *leadTol, *angleTol, *go, *nogo;
    const char *wireBox, *wireButton; // the plug pages only
    const char *newPD, *fit;
    const char* calibrate; // the plug pages only
};

const PageNames& NamesOf(GaugePage kind) {
    static const PageNames ring = {"grdRing",   "lblRingNote", "lblRingLeadTol", "lblRingAngleTol",
                                   "optRingGO", "optRingNOGO", nullptr,          nullptr,
                                   "txtRingPD", "btnRingPD",   nullptr};
    static const PageNames setPlug = {
        "grdSetPlug",   "lblSetPlugNote", "lblSetPlugLeadTol",  "lblSetPlugAngleTol",
        "optSetPlugGO", "optSetPlugNOGO", "cbWireSize1",        "spdWireSize1",
        "txtSetPD",     "btnSetPD",       "btnSetPlugCalibrate"};
    static const PageNames plug = {"grdPlug",   "lblPlugNote", "lblPlugLeadTol",  "lblPlugAngleTol",
                                   "optPlugGO", "optPlugNOGO", "cbWireSize2",     "spdWireSize2",
                                   "txtPlugPD", "btnPlugPD",   "btnPlugCalibrate"};
    switch (kind) {
    case GaugePage::Ring:
        return ring;
    case GaugePage::SetPlug:
        return setPlug;
    case GaugePage::Plug:
        break;
    }
    return plug;
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TGaugePage::TGaugePage(GaugePage kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    const PageNames& names = NamesOf(kind);
    auto* v = new QVBoxLayout(this);
    // A label column and GO, tolerance, NOT GO, tolerance.
    grid_ = Named(new TColorStringGrid, names.grid);
    grid_->setColumnCount(5);
    grid_->LoadTextGrid(TextGrid(1));
    v->addLayout(Centred(grid_));
    note_ = HelpNoteLabel(names.note, this);
    v->addWidget(note_);
    v->addWidget(BuildToleranceLabels(names.leadTol, names.angleTol));
    if (kind == GaugePage::SetPlug) v->addLayout(BuildClassOptions());
    if (names.wireBox) v->addWidget(BuildWireBox(names.wireBox, names.wireButton));
    v->addWidget(BuildGoNoGo(names.go, names.nogo, names.calibrate));
    v->addWidget(BuildNewPDBox(names.newPD, names.fit));
    v->addStretch(1);
}

QWidget* TGaugePage::BuildToleranceLabels(const char* leadName, const char* angleName) {
    tolerances_ = new QWidget;
    auto* f = new QFormLayout(tolerances_);
    f->setContentsMargins(0, 0, 0, 0);
    leadTol_ = Named(new QLabel, leadName);
    angleTol_ = Named(new QLabel, angleName);
    f->addRow(QStringLiteral("Lead Tol:"), leadTol_);
    f->addRow(QStringLiteral("Half Angle Tol:"), angleTol_);
    return tolerances_;
}

QLayout* TGaugePage::BuildClassOptions() {
    auto* classes = new QHBoxLayout;
    classW_ = Named(new QRadioButton(QStringLiteral("Class W Tols.")), "optClassW");
    classX_ = Named(new QRadioButton(QStringLiteral("Class X Tols.")), "optClassX");
    classW_->setChecked(true);
    // Their own group: auto-exclusion looks at every radio button on the page, so
    // the checked GO option would let a click on the checked class uncheck it.
    auto* classGroup = new QButtonGroup(this);
    classGroup->addButton(classW_);
    classGroup->addButton(classX_);
    classes->addWidget(classW_);
    classes->addWidget(classX_);
    classes->addStretch(1);
    connect(classW_, &QRadioButton::clicked, this, [this] { emit classChosen(true); });
    connect(classX_, &QRadioButton::clicked, this, [this] { emit classChosen(false); });
    return classes;
}

QWidget* TGaugePage::BuildWireBox(const char* boxName, const char* buttonName) {
    auto* w = new QWidget;
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    wireBox_ = Named(new QComboBox, boxName);
    wireBox_->setEditable(true);
    wireBox_->setInsertPolicy(QComboBox::NoInsert);
    wireBox_->setMinimumWidth(CharWidth(wireBox_, 9));
    auto* use = Named(new QToolButton, buttonName);
    use->setText(QStringLiteral("Use"));
    use->setToolTip(QStringLiteral("Use this wire size for the readings "
                                   "(a number in the display unit, or with mm or in)"));
    h->addWidget(new QLabel(QStringLiteral("Wire Size:")));
    h->addWidget(wireBox_);
    h->addWidget(use);
    h->addStretch(1);
    connect(use, &QToolButton::clicked, this, &TGaugePage::wireSizeEntered);
    connect(wireBox_->lineEdit(), &QLineEdit::returnPressed, this, &TGaugePage::wireSizeEntered);
    return w;
}

QWidget* TGaugePage::BuildGoNoGo(const char* goName, const char* nogoName,
                                 const char* calibrateName) {
    auto* box = new QWidget;
    auto* h = new QHBoxLayout(box);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(new QLabel(QStringLiteral("Gage:")));
    go_ = Named(new QRadioButton(QStringLiteral("GO")), goName);
    auto* nogo = Named(new QRadioButton(QStringLiteral("NoGo")), nogoName);
    go_->setChecked(true);
    h->addWidget(go_);
    h->addWidget(nogo);
    if (calibrateName) {
        auto* calibrate = Named(new QToolButton, calibrateName);
        calibrate->setText(QStringLiteral("Calibrate..."));
        calibrate->setToolTip(QStringLiteral("Calibrate the GO (or NoGo) gauge over three wires: "
                                             "its pitch diameter, uncertainty and verdict"));
        h->addWidget(calibrate);
        connect(calibrate, &QToolButton::clicked, this,
                [this] { emit calibrateRequested(GoChosen()); });
    }
    h->addStretch(1);
    return box;
}

QWidget* TGaugePage::BuildNewPDBox(const char* entryName, const char* buttonName) {
    auto* w = new QWidget;
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    newPD_ = Named(new QLineEdit, entryName);
    newPD_->setMaximumWidth(newPD_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12);
    auto* fit = Named(new QToolButton, buttonName);
    fit->setText(QStringLiteral("Fit"));
    fit->setToolTip(QStringLiteral("Recalculate for the nominal diameter at which the GO "
                                   "(or NoGo) pitch diameter is this value"));
    h->addWidget(new QLabel(QStringLiteral("New PD Value:")));
    h->addWidget(newPD_);
    h->addWidget(fit);
    h->addStretch(1);
    auto ask = [this] { emit fitRequested(GoChosen(), PointDecimal(newPD_->text())); };
    connect(fit, &QToolButton::clicked, this, ask);
    connect(newPD_, &QLineEdit::returnPressed, this, ask);
    return w;
}

void TGaugePage::Show(const GaugePageText& page) {
    grid_->LoadTextGrid(page.grid, page.tips);
    leadTol_->setText(Q(page.leadTol));
    angleTol_->setText(Q(page.angleTol));
    // Without a tolerance set, one line stands in for the tolerance columns and
    // labels; a set that leaves some tolerances out keeps them, and the line says which.
    for (std::size_t c : kGaugeTolColumns)
        grid_->setColumnHidden(static_cast<int>(c), !page.tolerances);
    grid_->FitToTexts();
    note_->setText(Q(page.note));
    note_->setVisible(!page.note.empty());
    tolerances_->setVisible(page.tolerances);
}

void TGaugePage::SetDimmed(bool dimmed) {
    grid_->SetDimmed(dimmed);
}

bool TGaugePage::GoChosen() const {
    return go_->isChecked();
}

void TGaugePage::ShowClassOptions(const GaugeClassChoice& choice) {
    if (!classW_) return;
    classW_->setVisible(choice.showW);
    classX_->setVisible(choice.showX);
    CheckClassW(choice.checkW);
}

void TGaugePage::CheckClassW(bool classW) {
    if (classW_) (classW ? classW_ : classX_)->setChecked(true);
}

void TGaugePage::ShowWireSizes(const std::vector<std::string>& sizes, const std::string& text) {
    if (!wireBox_) return;
    wireBox_->clear();
    for (const std::string& s : sizes)
        wireBox_->addItem(Q(s));
    wireBox_->setEditText(Q(text));
}

void TGaugePage::SetWireText(const QString& text) {
    if (wireBox_) wireBox_->setEditText(text);
}

QString TGaugePage::WireText() const {
    return wireBox_ ? PointDecimal(wireBox_->currentText()) : QString();
}

bool TGaugePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == note_ && event->type() == QEvent::MouseButtonRelease) emit helpRequested();
    return QWidget::eventFilter(watched, event);
}
