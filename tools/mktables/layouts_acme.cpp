// Layouts of the Acme, Stub Acme and 7x45 buttress tables: tabulated limits,
// allowances by diameter range and the gauge tolerances by pitch.
#include "tools/mktables/compiler.h"
#include "tools/mktables/layout.h"

#include <string>

namespace mktables {
namespace {

constexpr unsigned kKeyLength = kKey | kLength;

std::string SizeUnreachable(const std::map<std::string, int64_t>& row) {
    if (row.at("dia") <= 0) return "dia: no thread has a diameter of 0";
    if (row.at("tpi") <= 0) return "tpi: no thread has 0 threads per inch";
    return "";
}

// stubtbl is matched on threads per inch exactly: the record holds them in
// single precision, so a value that precision cannot hold is never equal.
std::string StubSizeUnreachable(const std::map<std::string, int64_t>& row) {
    const std::string size = SizeUnreachable(row);
    if (!size.empty()) return size;
    const double tpi = static_cast<double>(row.at("tpi")) / 1000000.0;
    if (static_cast<double>(static_cast<float>(tpi)) != tpi)
        return "tpi " + ScaledText(row.at("tpi"), 1000000) +
               " is not exactly a single-precision number, so no thread finds this row";
    return "";
}

std::string RangeUnreachable(const std::map<std::string, int64_t>& row) {
    if (row.at("dia_upto") <= row.at("dia_over"))
        return "dia_upto " + ScaledText(row.at("dia_upto"), 10000) + " is not above dia_over " +
               ScaledText(row.at("dia_over"), 10000) + ", so no diameter finds this row";
    return "";
}

std::string PitchUnreachable(const std::map<std::string, int64_t>& row) {
    return row.at("tpi") <= 0 ? "tpi: no thread has 0 threads per inch" : "";
}

Field Millionths(const std::string& name, int offset) {
    return I32(name, offset, 1000000);
}

std::vector<Field> AcmeLimitFields() {
    std::vector<Field> f = {I32("dia", 0, 1000000, kKeyLength), I32("tpi", 4, 1000000, kKeyLength),
                            Millionths("ext_major_max", 8), Millionths("ext_major_min", 12),
                            Millionths("ext_minor_max", 16)};
    const char* classes[] = {"2g", "3g", "4g", "5g"};
    int at = 20;
    const auto next = [&at] { return (at += 4) - 4; };
    for (const char* c : classes)
        f.push_back(Millionths(std::string("ext_minor_min_") + c, next()));
    for (const char* c : classes) {
        f.push_back(Millionths(std::string("ext_pd_max_") + c, next()));
        f.push_back(Millionths(std::string("ext_pd_min_") + c, next()));
    }
    for (const char* name : {"int_major_min", "int_major_max", "int_minor_min", "int_minor_max"})
        f.push_back(Millionths(name, next()));
    for (const char* c : classes) {
        f.push_back(Millionths(std::string("int_pd_min_") + c, next()));
        f.push_back(Millionths(std::string("int_pd_max_") + c, next()));
    }
    return f;
}

std::vector<Field> StubLimitFields() {
    std::vector<Field> f = {I32("dia", 0, 1000000, kKeyLength), I32("tpi", 4, 1000000, kKeyLength)};
    int at = 8;
    const auto next = [&at] { return (at += 4) - 4; };
    for (const char* name : {"ext_major_max", "ext_major_min", "ext_pd_max", "ext_pd_min",
                             "ext_minor_max", "ext_minor_min", "int_major_min", "int_major_max",
                             "int_pd_min", "int_pd_max", "int_minor_min", "int_minor_max"})
        f.push_back(Millionths(name, next()));
    return f;
}

const std::vector<KeyPart> kSizeKey = {{"dia"}, {"tpi"}};
const std::vector<KeyPart> kRangeKey = {{"dia_over"}, {"dia_upto"}};

const LayoutRegistrar kAcme({
    {"acmetbl", 116, AcmeLimitFields(), "", kSizeKey, true, SizeUnreachable},
    {"acmeall",
     14,
     {I32("dia_over", 0, 10000, kKeyLength), I32("dia_upto", 4, 10000, kKeyLength),
      I16("allow_2g", 8, 10000), I16("allow_3g", 10, 10000), I16("allow_4g", 12, 10000)},
     "",
     kRangeKey,
     true,
     RangeUnreachable},
    // Finest pitch first: a pitch between two rows takes the coarser one.
    {"acmego",
     12,
     {I16("tpi", 0, 1000, kKeyLength), I16("angle_deg", 2, 1), I16("angle_min", 4, 1),
      I16("dia_tol_2g", 6, 10000), I16("dia_tol_other", 8, 10000), I16("pd_tol", 10, 10000)},
     "tpi",
     {},
     false,
     PitchUnreachable},
    {"stubtbl", 56, StubLimitFields(), "", kSizeKey, true, StubSizeUnreachable},
    {"stuball",
     10,
     {I32("dia_over", 0, 10000, kKeyLength), I32("dia_upto", 4, 10000, kKeyLength),
      I16("allow_2g", 8, 10000)},
     "",
     kRangeKey,
     true,
     RangeUnreachable},
    {"stubgo",
     10,
     {I16("tpi", 0, 1000, kKeyLength), I16("angle_deg", 2, 1), I16("angle_min", 4, 1),
      I16("pd_tol", 6, 10000), I16("dia_tol", 8, 10000)},
     "",
     {{"tpi"}},
     true,
     PitchUnreachable},
    // Finest pitch first: every row not coarser than the thread applies, the last winning.
    {"but745x",
     22,
     {I16("tpi", 0, 100, kKeyLength), I16("lead_tol", 2, 10000), I16("angle_min", 4, 1),
      I16("tol1_to4", 6, 10000), I16("tol1_over4", 8, 10000), I16("tol2_to1_5", 10, 10000),
      I16("tol2_to4", 12, 10000), I16("tol2_to8", 14, 10000), I16("tol2_to12", 16, 10000),
      I16("tol2_to18", 18, 10000), I16("tol2_to24", 20, 10000)},
     "tpi",
     {},
     false,
     PitchUnreachable},
    {"but745w",
     24,
     {I16("tpi", 0, 100, kKeyLength), I16("lead_tol", 2, 100000), I16("angle7_min", 4, 1),
      I16("angle45_min", 6, 1), I16("tol1_to4", 8, 10000), I16("tol1_over4", 10, 10000),
      I16("tol2_to1_5", 12, 100000), I16("tol2_to4", 14, 100000), I16("tol2_to8", 16, 100000),
      I16("tol2_to12", 18, 100000), I16("tol2_to18", 20, 10000), I16("tol2_to24", 22, 10000)},
     "tpi",
     {},
     false,
     PitchUnreachable},
});

} // namespace
} // namespace mktables
