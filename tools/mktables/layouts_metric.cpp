// Layouts of the ISO metric (M) and MJ tables: limits, tolerances by
// diameter range and pitch, deviations, and the metric gauge tolerances.
#include "tools/mktables/compiler.h"
#include "tools/mktables/layout.h"

#include <algorithm>
#include <cctype>

namespace mktables {
namespace {

constexpr unsigned kKeyLength = kKey | kLength;

// The reader compares the member's four-character class text, grade and
// position of the pitch diameter, then of the major (external) or minor
// (internal) diameter, upper-cased.
std::string ClassUnreachable(const std::string& cls, bool external) {
    std::string up;
    for (char c : cls)
        up += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::string pdGrades = external ? "3456789" : "45678";
    const std::string diaGrades = external ? "468" : "45678";
    const std::string positions = external ? "EFGH" : "GH";
    const bool ok = up.size() == 4 && pdGrades.find(up[0]) != std::string::npos &&
                    positions.find(up[1]) != std::string::npos &&
                    diaGrades.find(up[2]) != std::string::npos &&
                    positions.find(up[3]) != std::string::npos;
    if (ok) return "";
    return "class '" + cls + "' is not a four-character " +
           (external ? "external class such as 6g6g (grades 3-9, e-h; major grade 4, 6, 8)"
                     : "internal class such as 6H6H (grades 4-8, G or H)") +
           ", so no thread finds this row";
}

std::string ExternalClass(const std::map<std::string, std::string>& t) {
    return ClassUnreachable(t.at("class"), true);
}

std::string InternalClass(const std::map<std::string, std::string>& t) {
    return ClassUnreachable(t.at("class"), false);
}

std::string SizeUnreachable(const std::map<std::string, int64_t>& row) {
    if (row.at("dia") <= 0) return "dia: no thread has a diameter of 0";
    if (row.at("pitch") <= 0) return "pitch: no thread has a pitch of 0";
    return "";
}

std::string PitchUnreachable(const std::map<std::string, int64_t>& row) {
    return row.at("pitch") <= 0 ? "pitch: no thread has a pitch of 0" : "";
}

std::string RangeUnreachable(const std::map<std::string, int64_t>& row) {
    if (row.at("dia_upto") <= row.at("dia_over"))
        return "dia_upto " + ScaledText(row.at("dia_upto"), 10) + " is not above dia_over " +
               ScaledText(row.at("dia_over"), 10) + ", so no diameter finds this row";
    return PitchUnreachable(row);
}

// The diameter ranges of a range table partition the diameters: any two
// rows' ranges are the same or follow one another, and together they leave
// no gap. A range that overlaps another or starts past the end of the one
// before it hides rows, or leaves sizes to the formulas by mistake.
std::vector<std::pair<std::size_t, std::string>>
RangesChain(const std::vector<std::map<std::string, int64_t>>& rows) {
    std::map<std::pair<int64_t, int64_t>, std::size_t> first; // range -> first row
    for (std::size_t i = 0; i < rows.size(); ++i)
        first.emplace(std::make_pair(rows[i].at("dia_over"), rows[i].at("dia_upto")), i);
    std::vector<std::pair<std::size_t, std::string>> problems;
    const std::pair<int64_t, int64_t>* previous = nullptr;
    for (const auto& [range, row] : first) {
        if (range.second <= range.first) continue; // refused row by row
        if (previous && range.first != previous->second) {
            const std::string prev =
                ScaledText(previous->first, 10) + " to " + ScaledText(previous->second, 10);
            problems.emplace_back(row, "range over " + ScaledText(range.first, 10) + " to " +
                                           ScaledText(range.second, 10) +
                                           (range.first < previous->second
                                                ? " overlaps the range over "
                                                : " leaves a gap after the range over ") +
                                           prev + "; ranges must follow one another");
        }
        previous = &range;
    }
    std::sort(problems.begin(), problems.end());
    return problems;
}

const std::vector<KeyPart> kSizeClassKey = {{"dia"}, {"pitch"}, {"class", false, true}};

const LayoutRegistrar kMetric({
    {"metdev",
     10,
     {I16("pitch", 0, 100, kKeyLength), I16("ei_G", 2, 1), I16("es_e", 4, 1), I16("es_f", 6, 1),
      I16("es_g", 8, 1)},
     "",
     {{"pitch"}},
     true,
     PitchUnreachable},
    {"mextall",
     20,
     {I16("dia_over", 0, 10, kKeyLength), I16("dia_upto", 2, 10, kKeyLength),
      I16("pitch", 4, 100, kKeyLength), I16("td2_3", 6, 1), I16("td2_4", 8, 1), I16("td2_5", 10, 1),
      I16("td2_6", 12, 1), I16("td2_7", 14, 1), I16("td2_8", 16, 1), I16("td2_9", 18, 1)},
     "",
     {{"dia_over"}, {"dia_upto"}, {"pitch"}},
     true,
     RangeUnreachable,
     nullptr,
     RangesChain},
    {"mintall",
     32,
     {I32("dia_over", 0, 10, kKeyLength), I32("dia_upto", 4, 10, kKeyLength),
      I32("pitch", 8, 100, kKeyLength), I32("td2_4", 12, 1), I32("td2_5", 16, 1),
      I32("td2_6", 20, 1), I32("td2_7", 24, 1), I32("td2_8", 28, 1)},
     "",
     {{"dia_over"}, {"dia_upto"}, {"pitch"}},
     true,
     RangeUnreachable,
     nullptr,
     RangesChain},
    {"mextol",
     8,
     {I16("pitch", 0, 100, kKeyLength), I16("td_4", 2, 1), I16("td_6", 4, 1), I16("td_8", 6, 1)},
     "",
     {{"pitch"}},
     true,
     PitchUnreachable},
    {"mintol",
     12,
     {I16("pitch", 0, 100, kKeyLength), I16("td1_4", 2, 1), I16("td1_5", 4, 1), I16("td1_6", 6, 1),
      I16("td1_7", 8, 1), I16("td1_8", 10, 1)},
     "",
     {{"pitch"}},
     true,
     PitchUnreachable},
    {"exm",
     37,
     {I16("dia", 0, 10, kKeyLength), I16("pitch", 2, 100, kKeyLength), Str("class", 4, 4, kKey),
      I32("major_max", 11, 1000), I32("major_min", 15, 1000), I32("pd_max", 19, 1000),
      I32("pd_min", 23, 1000), I32("minor_max", 29, 1000), I32("minor_min", 33, 1000)},
     "",
     kSizeClassKey,
     true,
     SizeUnreachable,
     ExternalClass},
    {"inm",
     35,
     {I16("dia", 0, 10, kKeyLength), I16("pitch", 2, 100, kKeyLength), Str("class", 4, 4, kKey),
      I32("minor_min", 9, 1000), I32("minor_max", 13, 1000), I32("pd_min", 17, 1000),
      I32("pd_max", 21, 1000), I32("major_min", 27, 1000), I32("major_max", 31, 1000)},
     "",
     kSizeClassKey,
     true,
     SizeUnreachable,
     InternalClass},
    {"exmj",
     35,
     {I16("dia", 0, 10, kKeyLength), I16("pitch", 2, 100, kKeyLength), Str("class", 4, 4, kKey),
      I32("major_max", 9, 1000), I32("major_min", 13, 1000), I32("pd_max", 17, 1000),
      I32("pd_min", 21, 1000), I32("minor_max", 27, 1000), I32("minor_min", 31, 1000)},
     "",
     kSizeClassKey,
     true,
     SizeUnreachable,
     ExternalClass},
    {"inmj",
     35,
     {I16("dia", 0, 10, kKeyLength), I16("pitch", 2, 1000, kKeyLength), Str("class", 4, 4, kKey),
      I32("minor_min", 9, 1000), I32("minor_max", 13, 1000), I32("pd_min", 17, 1000),
      I32("pd_max", 21, 1000), I32("major_min", 27, 1000), I32("major_max", 31, 1000)},
     "",
     kSizeClassKey,
     true,
     SizeUnreachable,
     InternalClass},
    {"mjallow",
     10,
     {I16("dia_over", 0, 10, kKeyLength), I16("dia_upto", 2, 10, kKeyLength),
      I16("pitch", 4, 100, kKeyLength), I16("ext_pd_tol", 6, 1, 0), I16("int_pd_tol", 8, 1)},
     "",
     {{"dia_over"}, {"dia_upto"}, {"pitch"}},
     true,
     RangeUnreachable,
     nullptr,
     RangesChain},
    {"mjextol",
     16,
     {F64("pitch", 0, 100000, kKeyLength), F64("td", 8, 100000)},
     "",
     {{"pitch"}},
     true,
     PitchUnreachable},
    {"mjintol",
     6,
     {I16("pitch", 0, 100, kKeyLength), I16("td1", 2, 1)},
     "",
     {{"pitch"}},
     true,
     PitchUnreachable},
    {"xmettol",
     20,
     {U16("pitch", 0, 100, kKey), U16("lead_tol", 2, 1), U16("angle_deg", 4, 1),
      U16("angle_min", 6, 1), U16("tol1_to100", 8, 1), U16("tol1_over100", 10, 1),
      U16("tol2_to39", 12, 1), U16("tol2_to100", 14, 1), U16("tol2_to200", 16, 1),
      U16("tol2_to300", 18, 1)},
     "pitch",
     {},
     false,
     PitchUnreachable,
     nullptr,
     nullptr,
     true},
    {"wmettol",
     26,
     {U16("pitch", 0, 100, kKey), U16("lead_tol_to12", 2, 1), U16("lead_tol_over12", 4, 1),
      U16("angle_deg", 6, 1), U16("angle_min", 8, 1), U16("tol1_to12", 10, 1),
      U16("tol1_to100", 12, 1), U16("tol1_over100", 14, 1), U16("tol2_to12", 16, 1),
      U16("tol2_to39", 18, 1), U16("tol2_to100", 20, 1), U16("tol2_to200", 22, 1),
      U16("tol2_to300", 24, 1)},
     "pitch",
     {},
     false,
     PitchUnreachable,
     nullptr,
     nullptr,
     true},
});

} // namespace
} // namespace mktables
