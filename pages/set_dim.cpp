#include "pages/set_dim.h"

#include "core/designation.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "families/gauge_setting.h"
#include "pages/parameter_page.h"

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

bool MetricType(uint16_t code) {
    return code == kTypeM || code == kTypeMJ || code == kType30Deg;
}

} // namespace

const std::vector<SetDimTypeEntry>& SetDimTypes() {
    return kTypes;
}

std::string SetDimPitchCaption(int typeIndex) {
    const bool metric = typeIndex >= 0 && typeIndex < static_cast<int>(kTypes.size()) &&
                        MetricType(kTypes[static_cast<std::size_t>(typeIndex)].typeCode);
    return metric ? "Thread Pitch in mm:" : "Threads / Inch:";
}

int SetDimTypeIndexOfName(const std::string& name) {
    const std::string upper = UpperCase(Trim(name));
    const uint16_t code =
        upper == "BUTT" ? static_cast<uint16_t>(kTypeButt) : TypeCodeOfName(upper);
    for (std::size_t i = 0; i < kTypes.size(); ++i)
        if (kTypes[i].typeCode == code) return static_cast<int>(i);
    return -1;
}

SetDimOutcome RunSetDim(const SetDimEntry& e, TTInfo& rec) {
    SetDimOutcome r;
    const uint16_t t = kTypes[static_cast<std::size_t>(e.typeIndex)].typeCode;
    // An empty or non-numeric entry reads as 0: not entered.
    const double pitch = TextToFloat(Trim(e.pitchText));
    const double extPD = TextToFloat(Trim(e.extPDText));
    const double intPD = TextToFloat(Trim(e.intPDText));
    // Beyond the ranges a thread takes the arithmetic gives nonsense: a
    // pitch held as infinity, a setting of three hundred digits.
    const bool metric = MetricType(t);
    const std::string unit = metric ? " mm" : " in";
    if (pitch > 0 && !PitchInRange(pitch, metric)) {
        r.message = metric ? "Can not Calculate! Invalid Pitch: a pitch is at most " +
                                 FormatFixed(kMaxPitchMM, 1, 0) + " mm."
                           : "Can not Calculate! Invalid Pitch: at most " +
                                 FormatFixed(kMaxTPI, 1, 0) + " threads per inch.";
        return r;
    }
    for (double pd : {extPD, intPD})
        if (pd > 0 && !DiameterInRange(pd, metric)) {
            r.message = "Can not Calculate! Invalid PD: a pitch diameter is at most " +
                        FormatFixed(metric ? kMaxDiameterMM : kMaxDiameterInch, 1, 0) + unit + ".";
            return r;
        }
    const SetDimResult result = SetUpSetDim(rec, t, pitch, extPD, intPD, &r.internalOnly);
    r.message = SetDimMessage(result);
    if (!r.message.empty()) return r;
    if (t == kTypeUN || t == kTypeUNR || t == kTypeUNJ || t == kTypeM || t == kTypeMJ)
        r.name = DesignationText(rec.IntThd) + "  /  " + DesignationText(rec.ExtThd);
    else
        r.name = DesignationText(rec.ExtThd);
    r.metricDisplay = metric;
    r.caption = std::string("Set Dim Tool - ") +
                (r.internalOnly ? "Internal PD " : "External PD ") +
                Len4Text(r.internalOnly ? intPD : extPD) + unit + ", " + TPIText(rec.TPI) +
                (metric ? " mm pitch" : " TPI");
    return r;
}
