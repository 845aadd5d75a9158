#include "ui/typed_number.h"

#include <QLineEdit>

QString PointDecimal(const QString& typed, const QLocale& locale) {
    const QString separator = locale.decimalPoint();
    if (separator == QStringLiteral(".") || typed.contains(QLatin1Char('.'))) return typed;
    QString text = typed;
    return text.replace(separator, QStringLiteral("."));
}

QString PointDecimalList(const QString& typed, const QLocale& locale) {
    if (locale.decimalPoint() == QStringLiteral(".")) return typed;
    QString out;
    QString item;
    for (const QChar c : typed + QLatin1Char(' ')) {
        if (c != QLatin1Char(';') && !c.isSpace()) {
            item += c;
            continue;
        }
        out += PointDecimal(item, locale) + c;
        item.clear();
    }
    out.chop(1);
    return out;
}

std::string TypedNumber(const QLineEdit* box) {
    return PointDecimal(box->text()).toStdString();
}
