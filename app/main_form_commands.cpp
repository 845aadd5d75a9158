// The frame's commands. Those that act on a thread window do nothing while
// none is open; the tools that need a calculated thread are disabled then.
#include "app/main_form.h"

#include "app/about_box.h"
#include "app/app_hooks.h"
#include "app/help_window.h"
#include "app/preferences.h"
#include "report/print_preview.h"
#include "ui/ball_mic_dialog.h"
#include "ui/message_box.h"
#include "ui/new_pd_dialog.h"
#include "ui/set_dim_dialog.h"
#include "ui/thread_window.h"
#include "ui/typed_number.h"

#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSetupDialog>

namespace {

const QStringList kOpenFilters = {"Thread Files (*.thd)", "Ball Mic Files (*.bm)", "All Files (*)"};
const QStringList kSaveFilters = {"Thread Files (*.thd)", "All Files (*)"};
const QStringList kBallMicFilters = {"Ball Mic Files (*.bm)", "All Files (*)"};
const QString kUntitled = "(Untitled)";

} // namespace

TfrmThread* TMainForm::btnNewClick() {
    return AddThreadWindow();
}

void TMainForm::btnOpenClick() {
    FileDialogRequest request;
    request.caption = "Open";
    request.filters = kOpenFilters;
    request.filterIndex = 0;
    const QString name = Hooks().fileDialog(this, request);
    if (!name.isEmpty()) OpenInNewWindow(name, false);
}

bool TMainForm::OpenInNewWindow(const QString& fileName, bool ballMic) {
    TfrmThread* thread = AddThreadWindow();
    if (ballMic ? thread->OpenBallMicFile(fileName) : thread->OpenThreadFile(fileName)) {
        RememberFile(fileName);
        return true;
    }
    // The window has already said why; an empty window left behind would only confuse.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(thread->parentWidget())) sub->close();
    return false;
}

void TMainForm::btnSaveClick() {
    SaveThread(ActiveThread(), false);
}

void TMainForm::FileSaveAs() {
    SaveThread(ActiveThread(), true);
}

bool TMainForm::SaveThread(TfrmThread* thread, bool askName) {
    if (!thread || !thread->SaveAllowed()) return false;
    QString name = askName ? QString() : thread->FilePath();
    if (name.isEmpty()) {
        FileDialogRequest request;
        request.save = true;
        request.caption = "Save As";
        request.filters = thread->BallMicMode() ? kBallMicFilters : kSaveFilters;
        request.defaultSuffix = thread->BallMicMode() ? "bm" : "thd";
        if (thread->FileName() != kUntitled) request.fileName = thread->FileName();
        name = Hooks().fileDialog(this, request);
        if (name.isEmpty()) return false;
    }
    if (!thread->SaveThreadFile(name)) return false;
    RememberFile(name);
    return true;
}

void TMainForm::btnPrintClick(bool direct) {
    if (TfrmThread* thread = ActiveThread()) thread->PrintThread(!direct);
}

void TMainForm::FilePrintSetup() {
    QPageSetupDialog dialog(&SharedPrinter(), this);
    Hooks().runModal(dialog);
}

void TMainForm::FileExit() {
    close();
}

void TMainForm::OpenBallMic1Click() {
    FileDialogRequest request;
    request.caption = "Open Ball Mic";
    request.filters = kOpenFilters;
    request.filterIndex = 1;
    const QString name = Hooks().fileDialog(this, request);
    if (!name.isEmpty()) OpenInNewWindow(name, true);
}

void TMainForm::EditCopy() {
    if (TfrmThread* thread = ActiveThread()) thread->CopyCalCertData();
}

void TMainForm::Internal1Click() {
    if (TfrmThread* thread = ActiveThread()) thread->CopyThreadDims(true);
}

void TMainForm::External1Click() {
    if (TfrmThread* thread = ActiveThread()) thread->CopyThreadDims(false);
}

void TMainForm::Preferences1Click() {
    Hooks().runModal(Pref());
}

void TMainForm::UseNewWireSize1Click() {
    TfrmThread* thread = ActiveThread();
    if (!thread || !thread->HasThreadCalculation()) return;
    QString text;
    if (Hooks().inputText(this, "New Wire Size", "Enter New Wire Size", text))
        thread->UseNewWireSize(PointDecimal(text));
}

void TMainForm::UseNewPDValue1Click() {
    TfrmThread* thread = ActiveThread();
    if (!thread || !thread->HasThreadCalculation()) return;
    TfrmNewPD dialog(this);
    if (Hooks().runModal(dialog) == QDialog::Accepted)
        thread->FitToNewPD(dialog.Limit(), dialog.Text());
}

void TMainForm::Converttoinch1Click() {
    TfrmThread* thread = ActiveThread();
    if (!thread) return;
    thread->ToggleDisplayUnit();
    ShowUnitCaption(thread->MetricFlag());
}

void TMainForm::SetDIMTool1Click() {
    TfrmSetDim dialog(this);
    if (Hooks().runModal(dialog) != QDialog::Accepted) return;
    // A window of its own, as the ball micrometer has: only an empty window
    // is taken, never a calculation.
    TfrmThread* thread = ActiveThread();
    const bool empty = thread && !thread->Record() && !thread->BallMicMode();
    if (!empty) thread = AddThreadWindow();
    if (thread->RunSetDimTool(dialog.Entry()) || empty) return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(thread->parentWidget())) sub->close();
}

void TMainForm::BallMicHBSetDim1Click() {
    TfrmBallMic& dialog = BallMicDialog(this);
    if (Hooks().runModal(dialog) != QDialog::Accepted) return;
    // A thread calculation is not given up for a ball micrometer: only an
    // empty window or one in ball micrometer mode takes it.
    TfrmThread* thread = ActiveThread();
    if (!thread || (thread->Record() && !thread->BallMicMode())) thread = AddThreadWindow();
    thread->UseBallMic(dialog.TakeBallMic());
}

void TMainForm::WindowTile() {
    mdiArea_->tileSubWindows();
}

void TMainForm::WindowCascade() {
    mdiArea_->cascadeSubWindows();
}

void TMainForm::WindowArrange() {
    // Minimised windows side by side along the bottom edge, in rows upwards.
    const QSize area = mdiArea_->viewport()->size();
    int x = 0;
    int row = 0;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList()) {
        if (!sub->isMinimized()) continue;
        const QSize size = sub->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            ++row;
        }
        sub->move(x, area.height() - (row + 1) * size.height());
        x += size.width();
    }
}

void TMainForm::HelpContents() {
    Help().ShowContents();
}

void TMainForm::HelpSearch() {
    Help().ShowSearch();
}

void TMainForm::HelpHowToUse() {
    Help().ShowHowToUse();
}

void TMainForm::HelpAbout() {
    Hooks().runModal(*frmAbout_);
}

void TMainForm::Timer1Timer() {
    Timer1.stop();
    if (splash_ && splash_->isVisible()) splash_->hide();
}
