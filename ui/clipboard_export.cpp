// The system clipboard: the one place the program writes it.
#include "ui/clipboard_export.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

void PutTextOnClipboard(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
}
