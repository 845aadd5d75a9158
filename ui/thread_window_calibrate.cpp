// "Calibrate" from the Set Plug and Plug Gage pages: may read the record, opens the dialog.
#include "core/thread_record.h"
#include "ui/calibrate_dialog.h"
#include "ui/message_box.h"
#include "ui/register_access.h"
#include "ui/thread_window.h"

TCalibrateDialog* TfrmThread::OpenCalibrate(CalMember member) {
    if (!model_.HasThreadCalculation()) {
        ShowInformation(this, QStringLiteral("Calculate the thread first."));
        return nullptr;
    }
    if (Record()->Pipe) {
        ShowInformation(this, QStringLiteral("Pipe threads are calibrated with their plug and "
                                             "ring gauges, not over wires."));
        return nullptr;
    }
    auto* dialog = new TCalibrateDialog(*Record(), member, model_.Metric(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    RegisterResult opened;
    std::unique_ptr<GaugeRegister> reg = OpenWindowRegister(opened);
    dialog->UseRegister(std::move(reg), QString::fromStdString(opened.message));
    // Modal over the window, so the record it calibrates stays as it is.
    dialog->open();
    return dialog;
}
