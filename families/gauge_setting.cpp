#include "families/gauge_setting.h"

#include "core/number_text.h"
#include "core/thread_record.h"
#include "families/acme.h"
#include "families/buttress.h"
#include "families/metric.h"
#include "families/mj.h"
#include "families/stub.h"
#include "families/unified.h"
#include "gauges/gage_catalogue.h"
#include "gauges/wires.h"

#include <cmath>

namespace {

using ld = long double;

void SetWireSizes(TThdInfo& m, ld best, ld max, ld min) {
    m.BestWire = static_cast<double>(best);
    m.MaxWire = static_cast<double>(max);
    m.MinWire = static_cast<double>(min);
    if (m.IsExternal && m.CurWire <= 0) m.CurWire = m.BestWire;
}

} // namespace

void Calc30DegWires(TThdInfo& m) {
    const ld p = m.Pitch();
    const ld t = 25.4L * m.PointDia;
    const ld s = 25.4L * m.Setting.PointOffset;
    const ld a = std::sin(0.261799388L);
    SetWireSizes(m, 0.51764L * p, 0.625L * p, 0.48L * p);
    const ld w = m.BestWire;
    m.SetToFlat = 0;
    m.SetToV = 0;
    if (m.IsExternal) {
        if (t <= 0 || m.PD.Max <= 0) return;
        const ld u = (t / 2 - w / 2) / a;
        const ld v = (a * w / 2 + u) * 2 + m.PD.Max;
        m.SetToFlat = static_cast<double>(std::sqrt((p / 2) * (p / 2) + v * v) - t + 2 * s);
    } else {
        if (t <= 0 || m.PD.Min <= 0) return;
        const ld u = t / 2 / a + a * w / 2;
        const ld v = m.PD.Min - (u - w / 2 / a) * 2;
        m.SetToFlat = static_cast<double>(t - 2 * s + std::sqrt((p / 2) * (p / 2) + v * v));
    }
}

void Calc55DegWires(TThdInfo& m) {
    const ld P = m.TPI > 0 ? 1.0L / m.TPI : 0;
    const ld t = m.PointDia;
    const ld a = std::sin(0.47996554L);
    SetWireSizes(m, 0.56392L * P, 0.82573L * P, 0.50568L * P);
    const ld w = m.BestWire;
    m.SetToFlat = 0;
    m.SetToV = 0;
    if (m.IsExternal) {
        if (t <= 0 || m.PD.Max <= 0) return;
        const ld u = t / 2 / a - w / 2 / a;
        const ld v = (a * w / 2 + u) * 2 + m.PD.Max;
        m.SetToFlat = static_cast<double>(std::sqrt((P / 2) * (P / 2) + v * v) - t);
    } else {
        if (t <= 0 || m.PD.Min <= 0) return;
        const ld u = t / 2 / a + a * w / 2;
        const ld v = m.PD.Min - (u - w / 2 / a) * 2;
        m.SetToFlat = static_cast<double>(std::sqrt((P / 2) * (P / 2) + v * v) + t);
    }
}

void CalcPointSetting(TThdInfo& m) {
    switch (m.TypeCode) {
    case kTypeUN:
        CalcUNForm(m);
        break;
    case kTypeUNR:
        CalcUNRForm(m);
        break;
    case kTypeUNJ:
        CalcUNJForm(m);
        break;
    case kTypeAcme:
        CalcAcmeGaugeForm(m);
        break;
    case kTypeStub:
        CalcStubGaugeForm(m);
        break;
    case kTypeSAM1:
    case kTypeSAM2:
        CalcSamGaugeForm(m);
        break;
    case kTypeM:
        CalcMetricGaugeForm(m);
        break;
    case kTypeMJ:
        CalcMJGaugeForm(m);
        break;
    case kTypeButt:
        CalcButtressGaugeForm(m);
        break;
    case kType30Deg:
        Calc30DegWires(m);
        break;
    case kType55Deg:
        Calc55DegWires(m);
        break;
    default:
        break;
    }
}

void CalculateGageSetting(TTInfo& rec) {
    SelectGageCatalogue(rec);
    CalcPointSetting(rec.ExtThd);
    CalcPointSetting(rec.IntThd);
    CleanUpGageCatalogue(rec);
}

PointDiaResult SetPointDia(TTInfo& rec, double d, std::string* tabled) {
    TThdInfo& ext = rec.ExtThd;
    TThdInfo& in = rec.IntThd;
    const bool mm = HoldsMillimetres(rec.TypeCode);
    const double inch = mm ? d / 25.4 : d;
    // The clean-up would take the point off both threads again.
    if ((mm ? rec.NomDia / 25.4 : rec.NomDia) < kSmallestExtSetting)
        return PointDiaResult::SmallThread;
    const int32_t form = PointFormOf(rec.TypeCode);
    const TGageCatalogue& c = GageCatalogue();
    const TPointRecord* found = nullptr;
    for (const TPointRecord& p : ext.Setting.SmallGage == 1 ? c.SmallPoints : c.Points) {
        if (p.Form == form && std::fabs(p.Dia - inch) < 0.0001) {
            found = &p;
            break;
        }
    }
    if (form == kPointForm29Deg && !found) {
        const std::string list = TabledPointList(rec);
        if (tabled)
            *tabled = "Only Tabled pnts are available: " +
                      (list.empty() ? "none within the wire sizes of this pitch" : list);
        return PointDiaResult::OnlyTabled;
    }
    // A catalogue point made for another pitch is refused like a special one.
    if (d > ext.MaxWire) return PointDiaResult::TooLarge;
    if (d < ext.MinWire) return PointDiaResult::TooSmall;
    for (TThdInfo* m : {&ext, &in}) {
        m->PointName = found ? found->Number : "SPECIAL";
        m->PointDia = found ? found->Dia : inch;
        if (found) m->Setting.PointOffset = found->Offset;
    }
    CalcPointSetting(ext);
    CalcPointSetting(in);
    // The rules of small gauges and small threads hold for a special point too.
    CleanUpGageCatalogue(rec);
    return PointDiaResult::Accepted;
}

std::string PointDiaMessage(PointDiaResult r, const std::string& tabled) {
    switch (r) {
    case PointDiaResult::TooLarge:
        return "Special Pt. Dia is too large! Enter a smaller diameter";
    case PointDiaResult::TooSmall:
        return "Special Pt. Dia is too small! Enter a larger diameter";
    case PointDiaResult::OnlyTabled:
        return tabled;
    case PointDiaResult::SmallThread:
        return "A contact point is not used on this thread: the point gauges set threads of "
               "1/4 in (internal threads 0.312 in) and over.";
    default:
        return "";
    }
}

SetDimResult SetUpSetDim(TTInfo& rec, uint16_t type, double pitch, double extPDMax, double intPDMin,
                         bool* internalOnly) {
    rec.SetThreadType(TypeNameOf(type));
    const bool intOnly = extPDMax <= 0 && intPDMin > 0;
    if (internalOnly) *internalOnly = intOnly;
    if (extPDMax <= 0) extPDMax = intPDMin;
    if (intPDMin <= 0) intPDMin = extPDMax;
    TThdInfo& ext = rec.ExtThd;
    TThdInfo& in = rec.IntThd;
    ext.PD.Max = ext.PD.Min = ext.PD.Gage = extPDMax;
    in.PD.Min = in.PD.Max = in.PD.Gage = intPDMin;
    rec.SetTPI(static_cast<float>(pitch));
    if (!(rec.TPI > 0)) return SetDimResult::InvalidPitch;
    if (extPDMax <= 0) return SetDimResult::NoPD;
    rec.SetNomDia(extPDMax);
    CalculateGageSetting(rec);
    return SetDimResult::Done;
}

std::string SetDimMessage(SetDimResult r) {
    switch (r) {
    case SetDimResult::InvalidPitch:
        return "Can not Calculate! Invalid Pitch.";
    case SetDimResult::NoPD:
        return "Can not Calculate! No PD measurement entered";
    default:
        return "";
    }
}
