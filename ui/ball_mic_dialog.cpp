// The ball micrometer dialog: its widgets and the calculation it hands over.
#include "ui/ball_mic_dialog.h"

#include "core/number_text.h"
#include "core/typed_value.h"
#include "gauges/ball_mic.h"
#include "ui/message_box.h"
#include "ui/typed_number.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QRadioButton* Radio(const char* name, const char* text, QVBoxLayout* box) {
    auto* r = new QRadioButton(QString::fromLatin1(text));
    r->setObjectName(QString::fromLatin1(name));
    box->addWidget(r);
    return r;
}

QGroupBox* Group(const char* name, const char* title, QVBoxLayout*& box) {
    auto* g = new QGroupBox(QString::fromLatin1(title));
    g->setObjectName(QString::fromLatin1(name));
    box = new QVBoxLayout(g);
    return g;
}

QHBoxLayout* Buttons(QPushButton*& ok, const char* okName, QDialog* dialog) {
    ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QString::fromLatin1(okName));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

} // namespace

TfrmBallMic::TfrmBallMic(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmBallMic"));
    setWindowTitle(QStringLiteral("Ball Mic Calculator (HB)"));
    Notebook1 = new QStackedWidget;
    Notebook1->setObjectName(QStringLiteral("Notebook1"));

    auto* options = new QWidget;
    options->setObjectName(QStringLiteral("Options"));
    auto* ov = new QVBoxLayout(options);
    QVBoxLayout* box = nullptr;
    optIntExt = Group("optIntExt", "", box);
    optInternal = Radio("optInternal", "Internal", box);
    optExternal = Radio("optExternal", "External", box);
    ov->addWidget(optIntExt);
    optPlane = Group("optPlane", "", box);
    optAtPlane = Radio("optAtPlane", "Inspect at Gage Plane", box);
    optOtherPlane = Radio("optOtherPlane", "Inspect at Other Plane", box);
    ov->addWidget(optPlane);
    optDia = Group("optDia", "", box);
    optPlaneDiaGiven = Radio("optPlaneDiaGiven", "Specify Gage Plane Diameter", box);
    optApexDiaGiven = Radio("optApexDiaGiven", "Specify Apex Diameter", box);
    ov->addWidget(optDia);
    ov->addStretch();
    ov->addLayout(Buttons(BitBtn3, "BitBtn3", this));
    optExternal->setChecked(true);
    optAtPlane->setChecked(true);
    optPlaneDiaGiven->setChecked(true);

    auto* data = new QWidget;
    data->setObjectName(QStringLiteral("Data"));
    auto* dv = new QVBoxLayout(data);
    auto* grid = new QGridLayout;
    const struct {
        QLineEdit** box;
        const char* name;
        const char* caption;
    } entries[] = {
        {&txtAngle, "txtAngle", "Half Angle:"},
        {&txtBallDia, "txtBallDia", "Gage Ball Diameter:"},
        {&txtPlaneDia, "txtPlaneDia", "Diameter at Gage Plane:"},
        {&txtDisToPlane, "txtDisToPlane", "Distance to Gage Plane:"},
        {&txtApexDia, "txtApexDia", "Apex Diameter:"},
        {&txtDisOverBall, "txtDisOverBall", "Distance over Gage Ball:"},
    };
    int row = 0;
    for (const auto& e : entries) {
        *e.box = new QLineEdit;
        (*e.box)->setObjectName(QString::fromLatin1(e.name));
        labels_[row] = new QLabel(QString::fromLatin1(e.caption));
        labels_[row]->setBuddy(*e.box);
        grid->addWidget(labels_[row], row, 0);
        grid->addWidget(*e.box, row, 1);
        if (row == 0)
            grid->addWidget(new QLabel(QStringLiteral("(Angle from Centerline)")), row, 2);
        ++row;
    }
    dv->addLayout(grid);
    dv->addStretch();
    dv->addLayout(Buttons(BitBtn1, "BitBtn1", this));

    Notebook1->addWidget(options);
    Notebook1->addWidget(data);
    auto* v = new QVBoxLayout(this);
    v->addWidget(Notebook1);

    connect(BitBtn3, &QPushButton::clicked, this, &TfrmBallMic::BitBtn3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TfrmBallMic::BitBtn1Click);
    connect(optOtherPlane, &QRadioButton::toggled, this, &TfrmBallMic::optPlaneClick);
    optPlaneClick();
}

TfrmBallMic::~TfrmBallMic() = default;

void TfrmBallMic::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TfrmBallMic::FormShow() {
    Notebook1->setCurrentIndex(0);
    BitBtn3->setDefault(true);
}

void TfrmBallMic::optPlaneClick() {
    optDia->setVisible(optOtherPlane->isChecked());
}

void TfrmBallMic::BitBtn3Click() {
    ballMic_ = std::make_unique<TBallMic>();
    ballMic_->Internal = optInternal->isChecked() ? -1 : 0;
    ballMic_->CalcMethod = optAtPlane->isChecked()        ? kBallMicAtGagePlane
                           : optApexDiaGiven->isChecked() ? kBallMicApexDiaGiven
                                                          : kBallMicPlaneDiaGiven;
    const int method = ballMic_->CalcMethod;
    const bool shown[6] = {
        true,
        true,
        method != kBallMicApexDiaGiven,
        method != kBallMicApexDiaGiven,
        method == kBallMicApexDiaGiven,
        method != kBallMicAtGagePlane,
    };
    QLineEdit* boxes[6] = {txtAngle,      txtBallDia, txtPlaneDia,
                           txtDisToPlane, txtApexDia, txtDisOverBall};
    for (int i = 0; i < 6; ++i) {
        boxes[i]->setVisible(shown[i]);
        labels_[i]->setVisible(shown[i]);
    }
    Notebook1->setCurrentIndex(1);
    BitBtn1->setDefault(true);
    txtAngle->setFocus();
}

void TfrmBallMic::BitBtn1Click() {
    // The entries as they will be calculated: each one the method uses, and
    // what they give together (a plane below the apex gives no setting).
    // A text that is no number is said as such, not taken for a missing value.
    QLineEdit* boxes[6] = {txtAngle,      txtBallDia, txtPlaneDia,
                           txtDisToPlane, txtApexDia, txtDisOverBall};
    for (int i = 0; i < 6; ++i) {
        const std::string typed = TypedNumber(boxes[i]);
        double v = 0;
        if (boxes[i]->isHidden() || Trim(typed).empty() || ParseNumberOrAngle(typed, v)) continue;
        ShowError(this, QStringLiteral("%1 \"%2\" is not a number%3")
                            .arg(labels_[i]->text(), boxes[i]->text(),
                                 QString::fromStdString(DecimalPointHint(typed))));
        boxes[i]->setFocus();
        return;
    }
    TBallMic trial = ballMic_ ? *ballMic_ : TBallMic();
    FillFromEntries(trial);
    const std::string problem = BallMicEntryProblem(trial);
    if (!problem.empty()) {
        ShowError(this, QString::fromStdString(problem));
        return;
    }
    accept();
}

void TfrmBallMic::FillFromEntries(TBallMic& bm) const {
    auto value = [](const QLineEdit* box) { return TextToFloat(TypedNumber(box)); };
    bm.Angle = value(txtAngle);
    bm.BallDia = value(txtBallDia);
    bm.PlaneDia = value(txtPlaneDia);
    bm.PlaneDis = value(txtDisToPlane);
    bm.ApexDia = value(txtApexDia);
    bm.BallDis = value(txtDisOverBall);
}

std::unique_ptr<TBallMic> TfrmBallMic::TakeBallMic() {
    if (!ballMic_) return nullptr;
    FillFromEntries(*ballMic_);
    return std::move(ballMic_);
}

TfrmBallMic& BallMicDialog(QWidget* frame) {
    static QPointer<TfrmBallMic> dialog;
    if (dialog.isNull() || dialog->parent() != frame) dialog = new TfrmBallMic(frame);
    return *dialog;
}
