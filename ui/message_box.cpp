#include "ui/message_box.h"

#include <QMessageBox>

#include <utility>

namespace {

MessageHook& Hook()
{
    static MessageHook hook;
    return hook;
}

} // namespace

MessageHook SetMessageHook(MessageHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

void ShowError(QWidget* parent, const QString& text)
{
    if (Hook()) {
        Hook()(MessageKind::Error, text);
        return;
    }
    QMessageBox::critical(parent, QStringLiteral("Error"), text, QMessageBox::Ok);
}

void ShowInformation(QWidget* parent, const QString& text)
{
    if (Hook()) {
        Hook()(MessageKind::Information, text);
        return;
    }
    QMessageBox::information(parent, QStringLiteral("Information"), text, QMessageBox::Ok);
}
