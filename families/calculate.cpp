// The calculation driver: dispatches on the thread type to the family steps,
// then the steps common to every type.
#include "core/pipe_record.h"
#include "core/thread_record.h"
#include "families/acme.h"
#include "families/buttress.h"
#include "families/gauge_setting.h"
#include "families/metric.h"
#include "families/mj.h"
#include "families/stub.h"
#include "families/unified.h"
#include "pipe/pipe_tables.h"

void TTInfo::Calculate()
{
    switch (ExtThd.TypeCode) {
    case kTypeUN:
    case kTypeUNR:
    case kTypeUNJ:
        CalculateUnified(*this);
        break;
    case kTypeAcme:
        CalculateAcme(*this);
        break;
    case kTypeStub:
    case kTypeSAM1:
    case kTypeSAM2:
        CalculateStub(*this);
        break;
    case kTypeM:
        CalculateMetric(*this);
        break;
    case kTypeMJ:
        CalculateMJ(*this);
        break;
    case kTypeButt:
        CalculateButtress(*this);
        break;
    case kType30Deg:
    case kType55Deg:
        // No limits: the pitch diameters are entered (Set Dim tool).
        CalculateGageSetting(*this);
        break;
    case kTypeNPT:
        // Pipe threads are looked up by nominal size, not calculated.
        if (Pipe) ReadPipeTables(*Pipe);
        break;
    default:
        break;
    }
    // Some tables hold -1 where a lead tolerance does not apply.
    if (XLeadTol == -1) XLeadTol = 0;
    if (WLeadTol == -1) WLeadTol = 0;
    for (TThdInfo* m : {&IntThd, &ExtThd, &GoPlug, &NoGoPlug, &GoRing, &NoGoRing, &GoSetPlug,
                        &NoGoSetPlug})
        m->ApplyCoating();
}
