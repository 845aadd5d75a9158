// The New PD Values dialog: its widgets and the limit and value it hands back.
#include "ui/new_pd_dialog.h"

#include "pages/new_pd.h"
#include "ui/dialog_buttons.h"
#include "ui/typed_number.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmNewPD::TfrmNewPD(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmNewPD"));
    setWindowTitle(QStringLiteral("New PD Values"));
    cboPDType = new QComboBox;
    cboPDType->setObjectName(QStringLiteral("cboPDType"));
    for (const NewPDChoice& c : NewPDChoices())
        cboPDType->addItem(QString::fromLatin1(c.caption));
    cboPDType->setCurrentIndex(0);
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setToolTip(QStringLiteral("The measured pitch diameter in the display unit, "
                                     "or with mm or in"));
    auto* form = new QFormLayout;
    form->addRow(new QLabel(QStringLiteral("Recalc values based on:")));
    form->addRow(cboPDType);
    form->addRow(QStringLiteral("New PD:"), Edit1);

    auto* buttons =
        DialogButtons(this, QStringLiteral("OK"), "btnOK", btnOK, "btnCancel", btnCancel);

    auto* v = new QVBoxLayout(this);
    v->addLayout(form);
    v->addLayout(buttons);
}

int TfrmNewPD::Limit() const {
    return cboPDType->currentIndex() + 1;
}

QString TfrmNewPD::Text() const {
    return PointDecimal(Edit1->text());
}
