#pragma once
// The window's message boxes (one OK button each). Tests and scripted use
// replace them with a hook, so nothing blocks and every text can be checked.

#include <QString>

#include <functional>

class QWidget;

enum class MessageKind { Error, Information };

using MessageHook = std::function<void(MessageKind kind, const QString& text)>;

// Installs a hook that receives the messages instead of the boxes (an empty
// hook brings the boxes back); returns the previous hook.
MessageHook SetMessageHook(MessageHook hook);

void ShowError(QWidget* parent, const QString& text);
void ShowInformation(QWidget* parent, const QString& text);
