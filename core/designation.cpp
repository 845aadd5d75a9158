#include "core/designation.h"

#include "core/number_text.h"
#include "core/thread_record.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

const char* ClassSuffix(uint16_t cls) {
    switch (cls) {
    case 1:
        return "1";
    case 2:
        return "2";
    case 3:
        return "3";
    case 4:
        return "2G";
    case 5:
        return "3G";
    case 6:
        return "4G";
    case 7:
        return "5G";
    default:
        return "";
    }
}

std::string SizePart(const TThdInfo& m) {
    if (m.Starts > 1)
        return Len3Text(m.NomDia) + "-" + Len3Text(m.Pitch()) + "P-" + Len3Text(m.Lead()) + "L";
    const std::string nominal = m.Owner ? m.Owner->NomDiaText : Len4Text(m.NomDia);
    return nominal + "-" + TPIText(m.TPI);
}

// A metric size or pitch as it is written: "10", "1.5", "0.7", "1.25", "0.35";
// the pitch field is single precision, so it is read back to three places.
std::string MetricNumber(double value) {
    // A pitch finer than three places show keeps six.
    std::string text = Trim(FormatFixed(value, 0, std::fabs(value) < 0.0005 ? 6 : 3));
    while (text.find('.') != std::string::npos && (text.back() == '0' || text.back() == '.'))
        text.pop_back();
    return text;
}

std::string Range(const TThdInfo& m, const TDimLimits& d) {
    return DimText(m, 4, d.Max) + "-" + DimText(m, 4, d.Min);
}

// After a coating step Max/Min are the limits to machine to and the uncoated
// copies the limits the plated thread must meet. Plating shrinks an internal
// thread, so its check after plating is the minimum of the crest (minor)
// diameter and of the pitch diameter; an external thread's is the maximum of
// its major and pitch diameters.
void AddPlatingNotes(TThdInfo& m, const std::string& designation) {
    const bool external = m.IsExternal == 1;
    const std::string kind = external ? "EXTERNAL" : "INTERNAL";
    std::vector<std::string>& n = m.Notes;
    n.push_back(kind + " - After Plate");
    n.push_back(designation);
    if (external) {
        n.push_back("Major Dia " + DimText(m, 4, m.Major.UncoatedMax) + " Max.");
        n.push_back("PD " + DimText(m, 4, m.PD.UncoatedMax) + " Max.");
    } else {
        n.push_back("Minor Dia " + MinorText(m, m.Minor.UncoatedMin) + " Min.");
        n.push_back("PD " + DimText(m, 4, m.PD.UncoatedMin) + " Min.");
    }
    n.push_back("");
    n.push_back(kind + " - Before Plate");
    n.push_back(designation);
    n.push_back((external ? "Major Dia " : "Minor Dia ") + Range(m, external ? m.Major : m.Minor));
    n.push_back("PD " + Range(m, m.PD));
}

} // namespace

std::string DesignationText(TThdInfo& member) {
    const ThreadType& type = ThreadTypeOf(member.TypeCode);
    // The unified and pipe families keep the series their own steps set.
    if (type.series) member.Series = type.series;

    std::string designation;
    if (type.designation == DesignationForm::Iso) {
        designation = member.Series + " " + MetricNumber(member.NomDia) + " X " +
                      MetricNumber(member.Pitch()) + " - " + member.TolInfoText();
        if (member.Owner && member.Owner->LeftHand == 1) designation += " LH";
    } else {
        if (member.Owner && member.Owner->NomDiaText.empty())
            member.Owner->NomDiaText = Len4Text(member.NomDia);
        designation = SizePart(member) + " " + member.Series + "-";
        if (member.StdLOE == 0) designation += "SE";
        const std::string classSuffix = ClassSuffix(member.ClassCode);
        designation += classSuffix;
        // A Set Dim record has no class, so no A or B to follow.
        if (!classSuffix.empty() && type.designation == DesignationForm::InchLetter) {
            if (member.IsInternal == 1) designation += "B";
            if (member.IsExternal == 1) designation += "A";
        }
    }
    while (!designation.empty() && (designation.back() == '-' || designation.back() == ' '))
        designation.pop_back();

    member.Notes.clear();
    if (member.Coating > 0) {
        AddPlatingNotes(member, designation);
    } else {
        member.Notes.push_back(member.IsInternal == 1 ? "Internal" : "External");
        member.Notes.push_back(designation);
    }
    return designation;
}
