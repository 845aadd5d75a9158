// The Set Dim Tool dialog: its widgets and the entry it hands back.
#include "ui/set_dim_dialog.h"

#include "ui/dialog_buttons.h"
#include "ui/typed_number.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <typename W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TfrmSetDim::TfrmSetDim(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSetDim"));
    setWindowTitle(QStringLiteral("Set Dim Tool"));
    cboType = Named(new QComboBox, "cboType");
    for (const SetDimTypeEntry& t : SetDimTypes())
        cboType->addItem(QString::fromLatin1(t.caption));
    Label5 = Named(new QLabel, "Label5");
    txtPitch = Named(new QLineEdit, "txtPitch");
    optExternal = Named(new QRadioButton(QStringLiteral("External PD Max:")), "optExternal");
    optInternal = Named(new QRadioButton(QStringLiteral("Internal PD Min:")), "optInternal");
    txtExtPD = Named(new QLineEdit, "txtExtPD");
    txtIntPD = Named(new QLineEdit, "txtIntPD");
    // One PD entry at a time, both in the same place.
    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("Thread Type:")), 0, 0);
    g->addWidget(cboType, 0, 1);
    g->addWidget(Label5, 1, 0);
    g->addWidget(txtPitch, 1, 1);
    g->addWidget(optExternal, 2, 0);
    g->addWidget(optInternal, 3, 0);
    g->addWidget(txtExtPD, 2, 1, 2, 1, Qt::AlignVCenter);
    g->addWidget(txtIntPD, 2, 1, 2, 1, Qt::AlignVCenter);

    auto* buttons =
        DialogButtons(this, QStringLiteral("Calculate"), "BitBtn1", BitBtn1, "BitBtn2", BitBtn2);
    auto* v = new QVBoxLayout(this);
    v->addLayout(g);
    v->addLayout(buttons);

    connect(cboType, &QComboBox::currentIndexChanged, this, [this] { cboTypeChange(); });
    for (QRadioButton* option : {optExternal, optInternal})
        connect(option, &QRadioButton::clicked, this, [this] { optExternalClick(); });
    cboTypeChange();
    Reset();
}

void TfrmSetDim::Reset() {
    txtExtPD->clear();
    txtIntPD->clear();
    optExternal->setChecked(true);
    optExternalClick();
}

void TfrmSetDim::optExternalClick() {
    const bool external = optExternal->isChecked();
    QLineEdit* other = external ? txtIntPD : txtExtPD;
    other->clear();
    other->hide();
    (external ? txtExtPD : txtIntPD)->show();
}

void TfrmSetDim::cboTypeChange() {
    Label5->setText(QString::fromStdString(SetDimPitchCaption(cboType->currentIndex())));
}

SetDimEntry TfrmSetDim::Entry() const {
    SetDimEntry e;
    e.typeIndex = cboType->currentIndex();
    e.pitchText = TypedNumber(txtPitch);
    e.extPDText = TypedNumber(txtExtPD);
    e.intPDText = TypedNumber(txtIntPD);
    return e;
}
