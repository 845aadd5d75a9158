// Layout of the twist drill table that the tap drill rows choose from.
#include "tools/mktables/layout.h"

#include <map>
#include <string>

namespace mktables {
namespace {

// A drill has its diameter in inches or in millimetres, by its series.
std::string DrillUnreachable(const std::map<std::string, int64_t>& row) {
    const bool inch = row.at("dia_in") > 0;
    const bool metric = row.at("dia_mm") > 0;
    if (inch == metric) return "a drill has either dia_in or dia_mm, not both or neither";
    return "";
}

const LayoutRegistrar kDrills({
    {"drills",
     28,
     {Str("series", 0, 8, kKey), Str("name", 9, 7, kKey), I32("dia_in", 20, 1000000),
      I32("dia_mm", 24, 100)},
     "",
     {{"series"}, {"name"}},
     false,
     DrillUnreachable},
});

} // namespace
} // namespace mktables
