// The gauge-setting page ("Orvalle") of the thread window: which product
// thread and gauge it shows, and the special point diameter entry, which
// changes the record's point diameter.
#include "core/display_unit.h"
#include "core/thread_record.h"
#include "families/gauge_setting.h"
#include "pages/gauge_setting_page.h"
#include "ui/gauge_setting_page.h"
#include "ui/message_box.h"
#include "ui/thread_window.h"

#include <cmath>

QWidget* TfrmThread::BuildSettingPage() {
    gaugePage_ = new TGaugeSettingPage;
    connect(gaugePage_, &TGaugeSettingPage::choiceChanged, this, [this] { ShowGageSetting(); });
    connect(gaugePage_, &TGaugeSettingPage::pointDiaEntered, this, [this] { btnCalcClick(); });
    connect(gaugePage_, &TGaugeSettingPage::helpRequested, this,
            [this] { emit helpRequested(QStringLiteral("gauge_setting.html")); });
    return gaugePage_;
}

void TfrmThread::ShowGageSetting() {
    if (!Record() || model_.PipeShown()) {
        gaugePage_->Clear();
        return;
    }
    gaugePage_->Show(BuildGaugeSettingPage(*Record(), gaugePage_->External(),
                                           gaugePage_->RollGauge(), model_.Metric()));
}

void TfrmThread::btnCalcClick() {
    TTInfo* rec = Record();
    if (!rec || model_.PipeShown()) return;
    const double d = PointDiaEntryToRecordUnits(*rec, gaugePage_->PointDiaEntry().toStdString());
    // Points are inch parts; a millimetre record takes them in millimetres.
    const uint16_t type = rec->ExtThd.TypeCode;
    const double inches = HoldsMillimetres(type) ? d / kMmPerInch : d;
    const TThdInfo& shown = gaugePage_->External() ? rec->ExtThd : rec->IntThd;
    // The entry shows the point to four places: its own text is no new point.
    if (std::fabs(inches - shown.PointDia) >= 0.00005) {
        std::string tabled;
        const std::string message = PointDiaMessage(SetPointDia(*rec, d, &tabled), tabled);
        if (!message.empty()) ShowError(this, QString::fromStdString(message));
    }
    ShowGageSetting();
}
