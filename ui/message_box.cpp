// The message boxes and the hook that stands in for them (tests, scripted use).
#include "ui/message_box.h"

#include <QMessageBox>

#include <utility>

namespace {

MessageHook& Hook() {
    static MessageHook hook;
    return hook;
}

} // namespace

MessageHook SetMessageHook(MessageHook hook) {
    return std::exchange(Hook(), std::move(hook));
}

void ShowError(QWidget* parent, const QString& text) {
    if (Hook()) {
        Hook()(MessageKind::Error, text);
        return;
    }
    QMessageBox::critical(parent, QStringLiteral("Error"), text, QMessageBox::Ok);
}

void ShowInformation(QWidget* parent, const QString& text) {
    if (Hook()) {
        Hook()(MessageKind::Information, text);
        return;
    }
    QMessageBox::information(parent, QStringLiteral("Information"), text, QMessageBox::Ok);
}

bool AskYesNo(QWidget* parent, const QString& text) {
    if (Hook()) {
        Hook()(MessageKind::Question, text);
        return true;
    }
    return QMessageBox::question(parent, QStringLiteral("Confirm"), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

QString TableErrorText(const std::string& error) {
    return QString::fromStdString(error) +
           QStringLiteral("\n\nThe thread tables are read from the table data path; "
                          "check it in Edit \u203A Preferences.");
}
