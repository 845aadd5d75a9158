#include "report/report_hooks.h"

#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <mutex>

namespace {

void ShowMessage(const QString& text) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr)
        QMessageBox::warning(QApplication::activeWindow(),
                             QGuiApplication::applicationDisplayName(), text);
    else
        qWarning("%s", qPrintable(text));
}

bool RunPrintDialog(QWidget* parent, QPrinter& printer, int& copies) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("PrintDialog1");
    if (dialog.exec() != QDialog::Accepted) return false;
    copies = std::max(1, printer.copyCount());
    // Every copy is a print job of its own.
    printer.setCopyCount(1);
    return true;
}

TReportHooks RealHooks() {
    TReportHooks h;
    h.message = ShowMessage;
    h.printDialog = RunPrintDialog;
    h.runModal = [](QDialog& dialog) { return dialog.exec(); };
    return h;
}

} // namespace

TReportHooks& ReportHooks() {
    static TReportHooks hooks = RealHooks();
    return hooks;
}

void ResetReportHooks() {
    ReportHooks() = RealHooks();
}

void InstallReportFonts() {
    static std::once_flag once;
    std::call_once(once, [] {
        // Same advance widths and vertical metrics as the faces the layouts
        // were made with.
        QFont::insertSubstitution("Times New Roman", "Liberation Serif");
        QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
        QFont::insertSubstitution("Small Fonts", "Liberation Sans");
    });
}

QString MathErrorText(TMathError error) {
    switch (error) {
    case TMathError::IntDivideByZero:
        return "Divide by zero error";
    case TMathError::RangeCheck:
        return "Range error";
    case TMathError::IntOverflow:
        return "Integer overflow error";
    case TMathError::InvalidOperation:
        return "Invalide operation error";
    case TMathError::FloatDivideByZero:
        return "Divide by zero error";
    case TMathError::Overflow:
        return "Overflow error";
    case TMathError::Underflow:
        return "Underflow error";
    case TMathError::OutOfMemory:
        return "Out of memory error";
    }
    return QString();
}

void ShowMathError(TMathError error) {
    if (ReportHooks().message) ReportHooks().message(MathErrorText(error));
}
