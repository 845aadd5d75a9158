// The ball micrometer page: shows a calculation; changes its own widgets only.
#include "ui/ball_mic_page.h"

#include "gauges/ball_mic.h"
#include "pages/ball_mic_page.h"
#include "report/ball_mic_drawing.h"
#include "ui/typed_number.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

class TBallMicPicture : public QWidget {
public:
    TBallMicPicture() {
        setObjectName(QStringLiteral("HB5000"));
        setMinimumSize(200, 160);
    }
    bool internal = false;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        PaintBallMicDrawing(p, QRectF(rect()).adjusted(4, 4, -4, -4), internal);
    }
};

QLabel* Label(const char* name, QGridLayout* grid, int row, int column) {
    auto* l = new QLabel;
    l->setObjectName(QString::fromLatin1(name));
    grid->addWidget(l, row, column);
    return l;
}

} // namespace

TBallMicPage::TBallMicPage(QWidget* parent) : QWidget(parent) {
    // The thread's own gauge-setting page may sit in the same notebook.
    setObjectName(QStringLiteral("OrvalleBallMic"));
    auto* optExt = new QGroupBox;
    optExt->setObjectName(QStringLiteral("optExt"));
    auto* sides = new QVBoxLayout(optExt);
    optInternal = new QRadioButton(QStringLiteral("Internal Dims."));
    optExternal = new QRadioButton(QStringLiteral("External Dims."));
    optInternal->setObjectName(QStringLiteral("optInternal"));
    optExternal->setObjectName(QStringLiteral("optExternal"));
    sides->addWidget(optInternal);
    sides->addWidget(optExternal);
    optExternal->setChecked(true);

    auto* grid = new QGridLayout;
    lblGage = Label("lblGage", grid, 0, 1);
    QFont bold = lblGage->font();
    bold.setBold(true);
    lblGage->setFont(bold);
    grid->addWidget(new QLabel(QStringLiteral("Gage:")), 0, 0);
    lblSetFlat = Label("lblSetFlat", grid, 1, 0);
    lblFlat = Label("lblFlat", grid, 1, 1);
    lblSetV = Label("lblSetV", grid, 2, 0);
    lblV = Label("lblV", grid, 2, 1);
    lblPointDia = Label("lblPointDia", grid, 3, 0);
    txtBallDia = new QLineEdit;
    txtBallDia->setObjectName(QStringLiteral("txtBallDia"));
    txtBallDia->setToolTip(QStringLiteral("Gauge ball diameter: 0.5, 0.5in or 12.7mm"));
    // Room for a diameter of four decimals and a unit.
    txtBallDia->setMinimumWidth(
        txtBallDia->fontMetrics().horizontalAdvance(QStringLiteral("00.0000 mm")) + 12);
    btnCalc = new QPushButton(QStringLiteral("Calc"));
    btnCalc->setObjectName(QStringLiteral("btnCalc"));
    auto* entry = new QHBoxLayout;
    entry->addWidget(txtBallDia);
    entry->addWidget(btnCalc);
    grid->addLayout(entry, 3, 1);
    for (QLabel* value : {lblFlat, lblV})
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblFlatUnit = Label("lblFlatUnit", grid, 1, 2);
    lblVUnit = Label("lblVUnit", grid, 2, 2);
    // What the dimensions were calculated from, to check against the job.
    auto* inputs = new QGroupBox(QStringLiteral("Inputs"));
    inputs->setObjectName(QStringLiteral("grpBallMicInputs"));
    inputGrid_ = new QGridLayout(inputs);

    auto* picture = new TBallMicPicture;
    picture_ = picture;
    auto* row = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(optExt);
    left->addLayout(grid);
    left->addWidget(inputs);
    left->addStretch();
    row->addLayout(left);
    row->addWidget(picture, 1);
    auto* v = new QVBoxLayout(this);
    v->addLayout(row);
    v->addStretch();

    connect(optInternal, &QRadioButton::clicked, this, &TBallMicPage::optExtClick);
    connect(optExternal, &QRadioButton::clicked, this, &TBallMicPage::optExtClick);
    connect(btnCalc, &QPushButton::clicked, this, &TBallMicPage::btnCalcClick);
    connect(txtBallDia, &QLineEdit::returnPressed, this, &TBallMicPage::btnCalcClick);
}

void TBallMicPage::Show(const TBallMic& bm) {
    const BallMicPageText t = BuildBallMicPage(bm);
    (bm.Internal != 0 ? optInternal : optExternal)->setChecked(true);
    lblSetFlat->setText(QString::fromStdString(t.setFlatCaption));
    lblFlat->setText(QString::fromStdString(t.setFlat));
    lblSetV->setText(QString::fromStdString(t.setVCaption));
    lblV->setText(QString::fromStdString(t.setV));
    lblPointDia->setText(QString::fromStdString(t.ballDiaCaption));
    txtBallDia->setText(QString::fromStdString(t.ballDia));
    lblGage->setText(QString::fromStdString(t.gaugeModel));
    lblFlatUnit->setText(QString::fromStdString(t.unit));
    lblVUnit->setText(QString::fromStdString(t.unit));
    while (QLayoutItem* item = inputGrid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    int r = 0;
    for (const BallMicRow& row : BallMicInputRows(bm)) {
        auto* label = new QLabel(QString::fromStdString(row.label));
        auto* value = new QLabel(QString::fromStdString(row.shown));
        label->setObjectName(QStringLiteral("lblInputLabel%1").arg(r));
        value->setObjectName(QStringLiteral("lblInputValue%1").arg(r));
        inputGrid_->addWidget(label, r, 0);
        inputGrid_->addWidget(value, r++, 1);
    }
    static_cast<TBallMicPicture*>(picture_)->internal = bm.Internal != 0;
    picture_->update();
}

bool TBallMicPage::InternalChosen() const {
    return optInternal->isChecked();
}

QString TBallMicPage::BallDiaText() const {
    return PointDecimal(txtBallDia->text());
}
