// A thread found by the Identify Thread dialog, calculated in this window:
// changes the model's record and the parameter page.
#include "ui/thread_window.h"

#include "core/table_file.h"
#include "core/thread_record.h"
#include "pages/parameter_page.h"
#include "ui/message_box.h"

bool TfrmThread::CalculateEntry(const ParameterEntry& entry) {
    if (BallMicMode()) return false;
    auto rec = std::make_unique<TTInfo>();
    try {
        const SetUpResult set = SetUpRecord(entry, *rec);
        if (!set.message.empty()) {
            ShowError(this, QString::fromStdString(set.message));
            return false;
        }
        rec->Calculate();
    } catch (const TableError& e) {
        ShowError(this, QString::fromStdString(e.what()));
        return false;
    }
    if (!rec->Refusal.empty()) {
        ShowError(this, QString::fromStdString(rec->Refusal));
        return false;
    }
    model_.ShowThread(std::move(rec));
    RestoreParameterPage();
    CheckGaugeClass(false);
    // A metric thread is read in its own unit, an inch one in the preferred one.
    if (model_.MetricForNewRecord() != model_.Metric() && UnitSwitchable()) ToggleDisplayUnit();
    ShowResults();
    return true;
}
