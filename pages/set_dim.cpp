#include "pages/set_dim.h"

#include "core/designation.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "families/gauge_setting.h"

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
    const uint16_t t = kTypes[static_cast<std::size_t>(e.typeIndex)].typeCode;
    // An empty or non-numeric entry reads as 0: not entered.
    const SetDimResult result =
        SetUpSetDim(rec, t, TextToFloat(Trim(e.pitchText)), TextToFloat(Trim(e.extPDText)),
                    TextToFloat(Trim(e.intPDText)), &r.internalOnly);
    r.message = SetDimMessage(result);
    if (!r.message.empty()) return r;
    if (t == kTypeUN || t == kTypeUNR || t == kTypeUNJ || t == kTypeM || t == kTypeMJ)
        r.name = DesignationText(rec.IntThd) + "  /  " + DesignationText(rec.ExtThd);
    else
        r.name = DesignationText(rec.ExtThd);
    r.metricDisplay = MetricType(t);
    return r;
}
