#pragma once
// The window's message boxes (one OK button each). Tests and scripted use
// replace them with a hook, so nothing blocks and every text can be checked.

#include <QString>

#include <functional>

class QWidget;

#include <string>

enum class MessageKind { Error, Information, Question };

using MessageHook = std::function<void(MessageKind kind, const QString& text)>;

// Installs a hook that receives the messages instead of the boxes (an empty
// hook brings the boxes back); returns the previous hook.
MessageHook SetMessageHook(MessageHook hook);

void ShowError(QWidget* parent, const QString& text);
void ShowInformation(QWidget* parent, const QString& text);
// Yes / No; a hook receives it as a Question and the answer is Yes.
bool AskYesNo(QWidget* parent, const QString& text);

// A table file that could not be read, and where the user puts that right.
QString TableErrorText(const std::string& error);
