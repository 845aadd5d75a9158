// The buttons row of the dialogs; touches the dialog it is given only.
#include "ui/dialog_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* DialogButtons(QDialog* dialog, const QString& okText, const char* okName,
                           QPushButton*& ok, const char* cancelName, QPushButton*& cancel) {
    ok = new QPushButton(okText);
    ok->setObjectName(QString::fromLatin1(okName));
    ok->setDefault(true);
    cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QString::fromLatin1(cancelName));
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}
