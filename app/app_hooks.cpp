#include "app/app_hooks.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

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

int RealAskSave(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Pitch Ledger"), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("SaveChangesBox"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec();
}

} // namespace

AppHooks& Hooks() {
    static AppHooks hooks{RealFileDialog, RealInputText, RealRunModal, RealAskSave};
    return hooks;
}

void ResetHooks() {
    Hooks() = AppHooks{RealFileDialog, RealInputText, RealRunModal, RealAskSave};
}
