#pragma once
// File dialogs, input boxes and modal dialogs of the frame go through these
// hooks, so the window tests can answer them without a user at the screen.
// Message boxes have their own hook (ui/message_box.h).

#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QWidget;

struct FileDialogRequest {
    bool save = false;
    QString caption;
    QString fileName;      // suggested file, may be empty
    QStringList filters;   // "Thread Files (*.thd)", ...
    int filterIndex = 0;   // zero-based index of the filter selected at first
    QString defaultSuffix; // appended by a save dialog when the name has none
};

struct AppHooks {
    // The chosen file, or empty when the user cancelled.
    std::function<QString(QWidget* parent, const FileDialogRequest& request)> fileDialog;
    // A one-line input box; false when cancelled.
    std::function<bool(QWidget* parent, const QString& caption, const QString& prompt,
                       QString& text)>
        inputText;
    // Shows a dialog modally; returns QDialog::Accepted or QDialog::Rejected.
    std::function<int(QDialog& dialog)> runModal;
    // Save, Discard or Cancel for work that closing would lose; returns
    // QMessageBox::Save, QMessageBox::Discard or QMessageBox::Cancel.
    std::function<int(QWidget* parent, const QString& text)> askSave;
};

// The hooks in use; they start with the real dialogs.
AppHooks& Hooks();
// Puts the real dialogs back.
void ResetHooks();
