// A thread found by the Identify Thread dialog, calculated in this window.
#include "ui/thread_window.h"

#include "core/table_file.h"
#include "core/thread_record.h"
#include "pages/parameter_page.h"
#include "ui/message_box.h"

#include <QRadioButton>

bool TfrmThread::CalculateEntry(const ParameterEntry& entry)
{
    if (ballMicMode_) return false;
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
    rec_ = std::move(rec);
    setDim_ = false;
    RestoreParameterPage();
    ApplyGaugeClassOptions();
    const GaugeClassChoice gauge = GaugeClassOptions(rec_->ExtThd.TypeCode);
    (gauge.checkW ? optClassW : optClassX)->setChecked(true);
    rec_->ClassW = gauge.classW;
    // A metric thread is read in its own unit.
    const bool metric = rec_->ExtThd.TypeCode == kTypeM || rec_->ExtThd.TypeCode == kTypeMJ;
    if (metric != metric_ && UnitSwitchable()) ToggleDisplayUnit();
    ShowResults();
    return true;
}
