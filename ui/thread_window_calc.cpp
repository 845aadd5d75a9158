// Calculate: the parameter page into a new thread record, the record's
// calculation, and the result pages. Changes the model's record and display
// unit; of the widgets only the diameter and pitch boxes Calculate tidies.
#include "core/settings.h"
#include "core/table_file.h"
#include "core/thread_record.h"
#include "pages/parameter_page.h"
#include "ui/message_box.h"
#include "ui/thread_window.h"
#include "ui/typed_number.h"
#include "ui/wait_cursor.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

std::string Text(const QLineEdit* box) {
    return TypedNumber(box);
}

} // namespace

bool TfrmThread::TypeAvailable(uint16_t typeCode, const std::string& typeName) {
    if (FamilyAvailable(typeCode)) return true;
    ShowError(this, QString::fromStdString(UnavailableTypeMessage(typeCode, typeName)));
    return false;
}

ParameterEntry TfrmThread::EntryFromPage() const {
    ParameterEntry e;
    e.typeIndex = cboType->currentIndex();
    const auto& types = ThreadTypeEntries();
    e.pipe = e.typeIndex >= 0 && e.typeIndex < static_cast<int>(types.size()) &&
             ParameterLayoutOf(types[static_cast<std::size_t>(e.typeIndex)].typeCode) ==
                 ParameterLayout::PipeSizes;
    e.classText = cboClass->currentData().toString().toStdString();
    e.diameterText = Text(txtNomDia);
    e.pipeKind = cboClass->currentIndex();
    e.pipeSize = cboNPTSize->currentIndex();
    e.pipeSizeText = cboNPTSize->currentText().toStdString();
    e.pitchText = Text(txtPitch);
    e.startsIndex = cboStarts->currentIndex();
    e.customLOE = optCustomLOE->isChecked();
    e.loeText = Text(txtLOE);
    e.coated = !optNoCoat->isChecked();
    e.coatingText = Text(txtCoating);
    e.intTolText = model_.IntTol();
    e.extTolText = model_.ExtTol();
    e.metricLOE = metricLOEButtons_->checkedId();
    e.leftHand = metricDirButtons_->checkedId() == 1;
    return e;
}

void TfrmThread::Button2Click() {
    const auto& types = ThreadTypeEntries();
    const int index = cboType->currentIndex();
    if (index < 0 || index >= static_cast<int>(types.size())) return;
    const ThreadTypeEntry& type = types[static_cast<std::size_t>(index)];
    // Refused before anything changes: the last results stay as they are.
    if (!TypeAvailable(type.typeCode, type.typeName)) return;

    WaitCursor wait;
    // The old record stays until the new one is calculated, so a refused entry
    // leaves the window's pages, file and clipboard commands on the old results.
    auto rec = std::make_unique<TTInfo>();
    const ParameterEntry entry = EntryFromPage();
    const SetUpResult setUp = SetUpRecord(entry, *rec);
    txtNomDia->setText(QString::fromStdString(setUp.diameterText));
    if (entry.pipe) txtPitch->setText(QString::fromStdString(setUp.pitchText));
    if (!setUp.message.empty()) {
        wait.Restore();
        ShowError(this, QString::fromStdString(setUp.message));
        return;
    }
    rec->Helix = Settings().WireReadings;
    try {
        rec->Calculate();
    } catch (const TableError& e) {
        wait.Restore();
        ShowError(this, TableErrorText(e.what()));
        return;
    }
    if (!rec->Refusal.empty()) {
        wait.Restore();
        ShowError(this, QString::fromStdString(rec->Refusal));
        return;
    }
    model_.ShowThread(std::move(rec));
    model_.SetMetric(model_.MetricForNewRecord());
    ApplyGaugeClassOptions();
    ShowResults();
}
