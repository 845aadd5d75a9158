#pragma once
// Messages, the print dialog and modal windows of the reports go through these
// hooks, so tests can answer them without a user at the screen.

#include <QString>

#include <functional>

class QDialog;
class QPrinter;
class QWidget;

// Resolution the preview assumes for the screen (and for breaking cell text).
constexpr int kScreenPixelsPerInch = 96;

struct TReportHooks {
    // A message of the report engine ("Tab does not exist!").
    std::function<void(const QString& text)> message;
    // The print dialog on the given printer; false when cancelled. copies is
    // the count chosen; the printer itself is left printing one copy per job.
    std::function<bool(QWidget* parent, QPrinter& printer, int& copies)> printDialog;
    // Shows a window modally; returns QDialog::Accepted or QDialog::Rejected.
    std::function<int(QDialog& dialog)> runModal;
};

// The hooks in use; they start with the real dialogs.
TReportHooks& ReportHooks();
// Puts the real dialogs back.
void ResetReportHooks();

// The reports name the faces of the original platform; maps them once to the
// metric-compatible Liberation faces so line and page breaks come out the same.
void InstallReportFonts();

enum class TMathError {
    IntDivideByZero,
    RangeCheck,
    IntOverflow,
    InvalidOperation,
    FloatDivideByZero,
    Overflow,
    Underflow,
    OutOfMemory,
};
// The message of a calculation error, shown through the report message hook.
QString MathErrorText(TMathError error);
void ShowMathError(TMathError error);
