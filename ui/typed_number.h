#pragma once
// Numbers as the desktop's locale lets the user type them ("1,5" in a German
// desktop), handed on in the point form the parsers read. Every box of the
// window reads its text through here; what the program shows and saves keeps
// the point.

#include <QLocale>
#include <QString>

#include <string>

class QLineEdit;

// One value: the locale's decimal separator becomes a point, unless the text
// already holds a point (then it is the separator and the parser judges the
// rest). "1,5,5" stays no number.
QString PointDecimal(const QString& typed, const QLocale& locale = QLocale());
// A list of values apart by ";" or blanks; in a point locale a comma
// separates values too and is kept as typed.
QString PointDecimalList(const QString& typed, const QLocale& locale = QLocale());
// PointDecimal of a box, for the Qt-free parsers.
std::string TypedNumber(const QLineEdit* box);
