#include "app/app_hooks.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>

namespace {

QString RealFileDialog(QWidget* parent, const FileDialogRequest& r) {
    QFileDialog dlg(parent, r.caption);
    dlg.setNameFilters(r.filters);
    if (r.filterIndex >= 0 && r.filterIndex < r.filters.size())
        dlg.selectNameFilter(r.filters.at(r.filterIndex));
    if (r.save) {
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setDefaultSuffix(r.defaultSuffix);
    } else {
        dlg.setFileMode(QFileDialog::ExistingFile);
    }
    if (!r.fileName.isEmpty()) dlg.selectFile(r.fileName);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    return dlg.selectedFiles().constFirst();
}

bool RealInputText(QWidget* parent, const QString& caption, const QString& prompt, QString& text) {
    bool ok = false;
    const QString typed =
        QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, text, &ok);
    if (ok) text = typed;
    return ok;
}

int RealRunModal(QDialog& dialog) {
    return dialog.exec();
}

} // namespace

AppHooks& Hooks() {
    static AppHooks hooks{RealFileDialog, RealInputText, RealRunModal};
    return hooks;
}

void ResetHooks() {
    Hooks() = AppHooks{RealFileDialog, RealInputText, RealRunModal};
}
