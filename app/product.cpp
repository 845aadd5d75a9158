#include "app/product.h"

#include "core/version.h"

#include <QStringList>

QString AppTitle() {
    return QStringLiteral("Pitch Ledger for Windows");
}

QString ProductName() {
    return QStringLiteral("Pitch Ledger");
}

QString FileVersionText() {
    return QString::fromLatin1(ProgramVersion());
}

QString ProductVersionLine() {
    const QStringList parts = FileVersionText().split('.');
    return QStringLiteral("Version ") + parts.mid(0, 2).join('.');
}
