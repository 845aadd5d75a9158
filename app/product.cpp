#include "app/product.h"

#include <QStringList>

#ifndef PL_VERSION_TEXT
#define PL_VERSION_TEXT "5.0.0"
#endif

QString AppTitle()
{
    return QStringLiteral("Pitch Ledger for Windows");
}

QString ProductName()
{
    return QStringLiteral("Pitch Ledger");
}

QString FileVersionText()
{
    return QStringLiteral(PL_VERSION_TEXT);
}

QString ProductVersionLine()
{
    const QStringList parts = FileVersionText().split('.');
    return QStringLiteral("Version ") + parts.mid(0, 2).join('.');
}
