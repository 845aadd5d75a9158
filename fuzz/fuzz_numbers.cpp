// Every parser of a typed or stored number, fraction, size or class text, the
// first byte choosing which; what a parser returns is then formatted as the
// pages format values.

#include "core/diameter_entry.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "families/metric.h"
#include "fuzz/fuzz_support.h"
#include "gauges/wires.h"
#include "pages/ball_mic_page.h"
#include "pages/gauge_setting_page.h"
#include "pages/metric_tolerance.h"
#include "pages/parameter_page.h"

#include <memory>
#include <string>
#include <tuple>

namespace {

std::unique_ptr<TTInfo> Calculated(uint16_t type, const char* cls, const char* dia,
                                   const char* pitch) {
    ParameterEntry e;
    e.typeIndex = TypeEntryIndex(type);
    e.classText = cls;
    e.diameterText = dia;
    e.pitchText = pitch;
    auto rec = std::make_unique<TTInfo>();
    SetUpRecord(e, *rec);
    rec->Calculate();
    return rec;
}

const TTInfo& InchThread() {
    static const auto rec = Calculated(kTypeUN, "2A", "1/4", "20");
    return *rec;
}

const TTInfo& MetricThread() {
    static const auto rec = Calculated(kTypeM, "", "10", "1.5");
    return *rec;
}

void Show(double v) {
    FormatFixed(v, 10, 4);
    FloatText(v);
    TPIText(v);
    AngleText(v);
    DegMinText(v);
    Len4Text(v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzTablesDir();
    FuzzInput in{data, size};
    const int parser = static_cast<int>(in.pick(17));
    const std::string text = in.rest();
    double v = 0;
    switch (parser) {
    case 0:
        v = TextToFloat(text);
        break;
    case 1:
        v = DMSToFloat(text);
        break;
    case 2:
        v = FractionToFloat(text);
        break;
    case 3:
        v = NumberSizeToDia(text);
        break;
    case 4:
        ParseDecimal(text, v);
        break;
    case 5: {
        const DiameterEntry d = ParseDiameterEntry(text);
        v = d.value;
        break;
    }
    case 6:
        v = WireEntryToRecordUnits(InchThread(), text, size % 2 == 1);
        break;
    case 7:
        v = WireEntryToRecordUnits(MetricThread(), text, size % 2 == 1);
        break;
    case 8:
        v = PointDiaEntryToRecordUnits(InchThread(), text);
        break;
    case 9:
        v = PointDiaEntryToRecordUnits(MetricThread(), text);
        break;
    case 10:
        v = BallDiaEntry(text);
        break;
    case 11:
        CheckTolClass(kTypeM, text, size % 2 == 1);
        CheckTolClass(kTypeMJ, text, size % 2 == 0);
        break;
    case 12: {
        ValidMetricTolClass(text, size % 2 == 1);
        TThdInfo m;
        m.SetTolInfo(text);
        break;
    }
    case 13: {
        TTInfo rec;
        rec.SetThreadType(text);
        rec.SetClass(text);
        v = ClassCodeOfText(text) + TypeCodeOfName(text);
        break;
    }
    case 14:
        v = MetricLOEGroupOf(text);
        break;
    case 15:
        // A typed size that the page lets through is calculated to sane limits or refused.
        for (const auto& [type, dia, pitch] :
             {std::tuple{kTypeUN, text.c_str(), "20"}, std::tuple{kTypeUN, "1/4", text.c_str()},
              std::tuple{kTypeM, text.c_str(), "1.5"}, std::tuple{kTypeM, "10", text.c_str()}}) {
            ParameterEntry e;
            e.typeIndex = TypeEntryIndex(type);
            e.classText = "2";
            e.diameterText = dia;
            e.pitchText = pitch;
            TTInfo rec;
            if (!SetUpRecord(e, rec).message.empty()) continue;
            rec.Calculate();
            RequireSaneLimits(rec);
        }
        break;
    default: {
        const std::string u = UpperCase(Trim(text));
        LowerCase(RightStr(LeftStr(TrimLeftBlanks(u), 7), 3));
        break;
    }
    }
    Show(v);
    return 0;
}
