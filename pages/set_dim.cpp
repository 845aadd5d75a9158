#include "pages/set_dim.h"

#include "core/designation.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "families/set_dim.h"

namespace {

const std::vector<SetDimTypeEntry> kTypes = {
    {"UN Threads", "UN", kTypeUN},
    {"UNR Threads", "UNR", kTypeUNR},
    {"UNJ Threads", "UNJ", kTypeUNJ},
    {"ACME Threads", "ACME", kTypeAcme},
    {"Stub Acme Threads", "STUB", kTypeStub},
    {"SAM #1 (Stub Acme Modified #1)", "SAM1", kTypeSAM1},
    {"SAM #2 (Stub Acme Modified #2)", "SAM2", kTypeSAM2},
    {"M Series Metric", "M", kTypeM},
    {"MJ Series Metric", "MJ", kTypeMJ},
    {"7x45 Buttress Thread", "745BUTT", kTypeButt},
    {"30 Degree Trapezoidal Metric", "30DEG", kType30Deg},
    {"55 Degree Thread", "55DEG", kType55Deg},
};

bool MetricType(uint16_t code)
{
    return code == kTypeM || code == kTypeMJ || code == kType30Deg;
}

} // namespace

const std::vector<SetDimTypeEntry>& SetDimTypes()
{
    return kTypes;
}

std::string SetDimPitchCaption(int typeIndex)
{
    const bool metric = typeIndex >= 0 && typeIndex < static_cast<int>(kTypes.size()) &&
                        MetricType(kTypes[static_cast<std::size_t>(typeIndex)].typeCode);
    return metric ? "Thread Pitch in mm:" : "Threads / Inch:";
}

int SetDimTypeIndexOfName(const std::string& name)
{
    const std::string upper = UpperCase(Trim(name));
    const uint16_t code = upper == "BUTT" ? static_cast<uint16_t>(kTypeButt) : TypeCodeOfName(upper);
    for (std::size_t i = 0; i < kTypes.size(); ++i)
        if (kTypes[i].typeCode == code) return static_cast<int>(i);
    return -1;
}

SetDimOutcome RunSetDim(const SetDimEntry& e, TTInfo& rec)
{
    SetDimOutcome r;
    const SetDimTypeEntry& type = kTypes[static_cast<std::size_t>(e.typeIndex)];
    rec.SetThreadType(type.typeName);
    // Either entry stands for both threads when the other is empty.
    double ext = TextToFloat(Trim(e.extPDText));
    double in = TextToFloat(Trim(e.intPDText));
    r.internalOnly = !(ext > 0) && in > 0;
    if (!(ext > 0)) ext = in;
    if (!(in > 0)) in = ext;
    for (TDimLimits* pd : {&rec.ExtThd.PD, &rec.IntThd.PD})
        pd->Max = pd->Min = pd->Gage = pd == &rec.ExtThd.PD ? ext : in;
    rec.SetTPI(static_cast<float>(TextToFloat(Trim(e.pitchText))));
    if (!(rec.TPI > 0)) {
        r.message = kSetDimInvalidPitch;
        return r;
    }
    if (!(ext > 0) && !(in > 0)) {
        r.message = kSetDimNoPD;
        return r;
    }
    // The pitch diameter stands in for the nominal diameter in the choice of gauge model.
    rec.SetNomDia(ext > 0 ? ext : in);
    RunGaugeSettingStep(rec);
    const uint16_t t = type.typeCode;
    if (t == kTypeUN || t == kTypeUNR || t == kTypeUNJ || t == kTypeM || t == kTypeMJ)
        r.name = DesignationText(rec.IntThd) + "  /  " + DesignationText(rec.ExtThd);
    else
        r.name = DesignationText(rec.ExtThd);
    r.metricDisplay = MetricType(t);
    return r;
}
