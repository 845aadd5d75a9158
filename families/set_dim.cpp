#include "families/set_dim.h"

#include "core/thread_record.h"
#include "families/acme.h"
#include "families/buttress.h"
#include "families/metric.h"
#include "families/mj.h"
#include "families/stub.h"
#include "families/unified.h"
#include "gauges/gage_catalogue.h"

void RunGaugeSettingStep(TTInfo& rec)
{
    void (*form)(TThdInfo&) = nullptr;
    switch (rec.ExtThd.TypeCode) {
    case kTypeUN: form = CalcUNForm; break;
    case kTypeUNR: form = CalcUNRForm; break;
    case kTypeUNJ: form = CalcUNJForm; break;
    case kTypeAcme: form = CalcAcmeGaugeForm; break;
    case kTypeStub: form = CalcStubGaugeForm; break;
    case kTypeSAM1: case kTypeSAM2: form = CalcSamGaugeForm; break;
    case kTypeM: form = CalcMetricGaugeForm; break;
    case kTypeMJ: form = CalcMJGaugeForm; break;
    case kTypeButt: form = CalcButtressGaugeForm; break;
    case kType30Deg: case kType55Deg:
        // Their calculation is the gauge-setting step and nothing else.
        rec.Calculate();
        return;
    default:
        return;
    }
    SelectGageCatalogue(rec);
    form(rec.ExtThd);
    form(rec.IntThd);
    CleanUpGageCatalogue(rec);
}
