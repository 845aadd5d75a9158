#pragma once
// The default and cancel buttons of a dialog, right-aligned in one row.

class QDialog;
class QHBoxLayout;
class QPushButton;
class QString;

// Makes the two buttons (objectNames `okName`, `cancelName`; the first is the
// default and accepts, the second rejects) and returns their row.
QHBoxLayout* DialogButtons(QDialog* dialog, const QString& okText, const char* okName,
                           QPushButton*& ok, const char* cancelName, QPushButton*& cancel);
