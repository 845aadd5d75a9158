#include "gauges/tolerance_text.h"

#include "core/number_text.h"
#include "core/thread_record.h"

#include <string>

namespace {

// One gauge-maker's tolerance set, with the decimals its values are shown with.
struct TolSet {
    double dia = 0;
    double pd = 0;
    double lead = 0;
    long angleDeg = 0;
    long angleMin = 0;
    int decimals = 4;
};

TolSet ApplicableSet(const TThdInfo& m) {
    TolSet s;
    const TTInfo* o = m.Owner;
    if (!o) return s;
    if (ClassWApplies(m)) {
        // Class W values are listed to five places, class X to four.
        s = {o->WDiaTol, o->WPDTol, o->WLeadTol, o->WAngleDeg, o->WAngleMin, 5};
    } else {
        s = {o->XDiaTol, o->XPDTol, o->XLeadTol, o->XAngleDeg, o->XAngleMin, 4};
    }
    return s;
}

std::string Directed(const TThdInfo& m, char direction, double value, int decimals) {
    return std::string(1, direction == '-' ? '-' : '+') + TolDimText(m, decimals, value);
}

std::string PlusMinusBlank() {
    return std::string(kPlusMinus) + " ";
}

} // namespace

bool ClassWApplies(const TThdInfo& member) {
    return member.Owner && member.Owner->ClassW == 1 && member.UseClassW == 1;
}

std::string PDTolText(const TThdInfo& member) {
    const TolSet s = ApplicableSet(member);
    return Directed(member, member.PD.Sign == "-" ? '-' : '+', s.pd, s.decimals);
}

std::string DiaTolText(const TThdInfo& member, int mode) {
    const std::string& sign = mode == 3 ? member.Minor.Sign : member.Major.Sign;
    char direction = '+';
    if (sign.size() >= 2) {
        direction = mode == 2 ? sign[1] : sign[0];
    } else if (mode == 2) {
        // The truncated major is toleranced against the full major's direction.
        direction = sign == "-" ? '+' : '-';
    } else {
        direction = sign == "-" ? '-' : '+';
    }
    const TolSet s = ApplicableSet(member);
    return Directed(member, direction, s.dia, s.decimals);
}

std::string LeadTolText(const TThdInfo& member) {
    if (!member.Owner || member.Owner->XLeadTol <= 0) return std::string();
    const TolSet s = ApplicableSet(member);
    return PlusMinusBlank() + TolDimText(member, s.decimals, s.lead);
}

std::string HalfAngleTolText(const TThdInfo& member) {
    const TolSet s = ApplicableSet(member);
    const std::string pm = PlusMinusBlank();
    // No row in the gauge tolerance table: "± 0 Deg  0 Min" would read as a
    // tolerance of zero, so say that there is no value, as the sizes do.
    if (s.angleDeg == 0 && s.angleMin == 0) return kNAText;
    if (member.TypeCode == kTypeButt) {
        // Buttress: the 7-degree and 45-degree flanks have their own tolerances
        // under class W, one common tolerance under class X.
        if (ClassWApplies(member))
            return "7 Deg: " + pm + std::to_string(s.angleDeg) + " mins. " +
                   " and 45 Deg: " + kPlusMinus + std::to_string(s.angleMin) + " mins.";
        return "7 and 45 Deg: " + pm + std::to_string(s.angleMin) + " mins.";
    }
    return pm + std::to_string(s.angleDeg) + " Deg  " + std::to_string(s.angleMin) + " Min";
}

std::string TolClassText(const TThdInfo& member) {
    if (!ThreadTypeOf(member.TypeCode).namesGaugeClass) return std::string();
    return ClassWApplies(member) ? "(Class W Tols)" : "(Class X Tols)";
}

bool GaugeTolsFound(const TThdInfo& member) {
    const TolSet s = ApplicableSet(member);
    return s.dia != 0 || s.pd != 0 || s.lead != 0 || s.angleDeg != 0 || s.angleMin != 0;
}

bool GaugeTolsFound(const TTInfo& rec) {
    return GaugeTolsFound(rec.GoRing) && GaugeTolsFound(rec.GoSetPlug) &&
           GaugeTolsFound(rec.GoPlug);
}

bool ClassXTolsFound(const TTInfo& rec) {
    return rec.XDiaTol != 0 || rec.XPDTol != 0 || rec.XLeadTol != 0 || rec.XAngleDeg != 0 ||
           rec.XAngleMin != 0;
}

bool ClassWTolsFound(const TTInfo& rec) {
    return rec.WDiaTol != 0 || rec.WPDTol != 0 || rec.WLeadTol != 0 || rec.WAngleDeg != 0 ||
           rec.WAngleMin != 0;
}

std::vector<std::string> MissingGaugeTols(const TThdInfo& member) {
    const TolSet s = ApplicableSet(member);
    std::vector<std::string> missing;
    if (s.pd == 0) missing.emplace_back("pitch diameter");
    if (s.dia == 0) missing.emplace_back("major/minor diameter");
    // The lead line is left out where class X gives none (LeadTolText).
    if (member.Owner && member.Owner->XLeadTol > 0 && s.lead == 0) missing.emplace_back("lead");
    if (s.angleDeg == 0 && s.angleMin == 0) missing.emplace_back("half-angle");
    return missing;
}
