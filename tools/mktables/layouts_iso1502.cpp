// Layout of the ISO 1502 gauge table: gauge tolerances and positions by the
// band of the workpiece's pitch-diameter tolerance, micrometres x10.
#include "gauges/iso1502_rules.h"
#include "tools/mktables/compiler.h"
#include "tools/mktables/layout.h"

namespace mktables {
namespace {

Iso1502Row RowOf(const std::map<std::string, int64_t>& s) {
    auto um = [&](const char* name) { return static_cast<double>(s.at(name)) / 10; };
    Iso1502Row r;
    r.over = um("td2_over");
    r.upTo = um("td2_upto");
    r.tR = um("t_r");
    r.tPL = um("t_pl");
    r.tCP = um("t_cp");
    r.m = um("m");
    r.zR = um("z_r");
    r.zPL = um("z_pl");
    r.wGoR = um("w_go_r");
    r.wGoPL = um("w_go_pl");
    r.wNgR = um("w_ng_r");
    r.wNgPL = um("w_ng_pl");
    return r;
}

// The reader's own rules, so the check refuses what the program would.
std::string RowUnusable(const std::map<std::string, int64_t>& stored) {
    return Iso1502RowProblem(RowOf(stored));
}

// A tolerance between two bands, or in two, would find no row or the wrong one.
std::vector<std::pair<std::size_t, std::string>>
BandsFollow(const std::vector<std::map<std::string, int64_t>>& rows) {
    std::vector<std::pair<std::size_t, std::string>> problems;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const int64_t over = rows[i].at("td2_over");
        const int64_t before = rows[i - 1].at("td2_upto");
        if (over != before)
            problems.emplace_back(i, "td2_over " + ScaledText(over, 10) +
                                         (over < before ? " overlaps" : " leaves a gap after") +
                                         " the band before it, up to " + ScaledText(before, 10) +
                                         "; bands must follow one another");
    }
    return problems;
}

constexpr unsigned kKeyLength = kKey | kLength;

const LayoutRegistrar kIso1502({
    {"iso1502",
     48,
     {I32("td2_over", 0, 10, kKeyLength), I32("td2_upto", 4, 10, kKeyLength),
      I32("t_r", 8, 10, kKeyLength), I32("t_pl", 12, 10, kKeyLength),
      I32("t_cp", 16, 10, kKeyLength), I32("m", 20, 10, kKeyLength), I32("z_r", 24, 10, kKey),
      I32("z_pl", 28, 10, kKey), I32("w_go_r", 32, 10, kKeyLength),
      I32("w_go_pl", 36, 10, kKeyLength), I32("w_ng_r", 40, 10, kKeyLength),
      I32("w_ng_pl", 44, 10, kKeyLength)},
     "td2_over",
     {},
     false,
     RowUnusable,
     nullptr,
     BandsFollow,
     true},
});

} // namespace
} // namespace mktables
