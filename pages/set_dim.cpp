#include "pages/set_dim.h"

#include "core/designation.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "families/gauge_setting.h"
#include "pages/parameter_page.h"

namespace {

// The types the table gives a Set Dim caption, in code order.
const std::vector<SetDimTypeEntry>& Types() {
    static const std::vector<SetDimTypeEntry> entries = [] {
        std::vector<SetDimTypeEntry> list;
        for (const ThreadType& t : ThreadTypes())
            if (t.setDimCaption) list.push_back({t.setDimCaption, t.name, t.code});
        return list;
    }();
    return entries;
}

} // namespace

const std::vector<SetDimTypeEntry>& SetDimTypes() {
    return Types();
}

std::string SetDimPitchCaption(int typeIndex) {
    const bool metric = typeIndex >= 0 && typeIndex < static_cast<int>(Types().size()) &&
                        HoldsMillimetres(Types()[static_cast<std::size_t>(typeIndex)].typeCode);
    return metric ? "Thread Pitch in mm:" : "Threads / Inch:";
}

int SetDimTypeIndexOfName(const std::string& name) {
    const uint16_t code = TypeCodeOfOptionName(Trim(name));
    for (std::size_t i = 0; i < Types().size(); ++i)
        if (Types()[i].typeCode == code) return static_cast<int>(i);
    return -1;
}

SetDimOutcome RunSetDim(const SetDimEntry& e, TTInfo& rec) {
    SetDimOutcome r;
    const uint16_t t = Types()[static_cast<std::size_t>(e.typeIndex)].typeCode;
    // An empty or non-numeric entry reads as 0: not entered.
    const double pitch = TextToFloat(Trim(e.pitchText));
    const double extPD = TextToFloat(Trim(e.extPDText));
    const double intPD = TextToFloat(Trim(e.intPDText));
    // Beyond the ranges a thread takes the arithmetic gives nonsense: a
    // pitch held as infinity, a setting of three hundred digits.
    const bool metric = HoldsMillimetres(t);
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
    if (MembersDesignatedApart(t))
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
