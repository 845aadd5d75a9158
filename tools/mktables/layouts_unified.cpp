// Layouts of the unified inch tables: standard rows, special-series rows,
// class X and W gauge tolerances, gauge sizes and setting plug truncations.
#include "families/unified_tables.h"
#include "tools/mktables/compiler.h"
#include "tools/mktables/layout.h"

#include <cmath>

namespace mktables {
namespace {

constexpr unsigned kKeyLength = kKey | kLength;

// Whether a thread of some tpi in tenths (as the record holds it, a float) has
// a pitch the reader matches with this stored pitch.
bool SomeThreadHasPitch(int64_t storedPitch) {
    if (storedPitch <= 0) return false;
    // Tenths of tpi within half a unit of the pitch lie near 100000 / stored.
    const long first = std::lround(100000.0 / (storedPitch + 0.5));
    for (long tenths = first - 1; tenths <= first + 2; ++tenths) {
        if (tenths <= 0) continue;
        const float tpi = static_cast<float>(tenths / 10.0);
        if (GaugeRowPitchMatches(static_cast<int32_t>(storedPitch), 1.0L / tpi)) return true;
    }
    return false;
}

// Four decimals as the sources write them ("0.0770", not "0.077").
std::string FourDecimals(int64_t stored) {
    std::string text = ScaledText(stored, 10000);
    if (text.find('.') == std::string::npos) text += ".";
    return text + std::string(4 - (text.size() - text.find('.') - 1), '0');
}

// The gauge table readers match a diameter within 0.00001 and a pitch by
// GaugeRowPitchMatches; the setting plug rows also a class code of 1, 2 or 3.
std::string GaugeRowUnreachable(const std::map<std::string, int64_t>& row) {
    if (row.at("dia") <= 0) return "dia: no thread has a diameter of 0";
    const int64_t pitch = row.at("pitch");
    if (pitch <= 0) return "pitch: no thread has a pitch of 0";
    if (!SomeThreadHasPitch(pitch)) {
        const long tenths = std::lround(100000.0 / pitch);
        return "pitch " + FourDecimals(pitch) +
               " is not 1/tpi to four decimals for any tpi in tenths (" + ScaledText(tenths, 10) +
               " tpi is " + FourDecimals(std::lround(100000.0 / tenths)) +
               "), so no thread finds this row";
    }
    const auto cls = row.find("class_code");
    if (cls != row.end() && (cls->second < 1 || cls->second > 3))
        return "class_code " + std::to_string(cls->second) +
               " names no class (1, 2 or 3 for 1A, 2A, 3A), so no thread finds this row";
    return "";
}

const LayoutRegistrar kUnified({
    {"ansitbl",
     69,
     {I32("dia", 0, 10000, kKeyLength), U16("tpi", 4, 10, kKey), Str("series", 6, 4),
      Str("ext_class", 11, 2, kKey), I32("ext_major_max", 16, 10000),
      I32("ext_major_min", 20, 10000), I32("ext_pd_max", 28, 10000), I32("ext_pd_min", 32, 10000),
      I32("ext_minor_max", 38, 10000), Str("int_class", 42, 2), I32("int_minor_min", 45, 10000),
      I32("int_minor_max", 49, 10000), I32("int_pd_min", 53, 10000), I32("int_pd_max", 57, 10000),
      I32("int_pd_tol", 61, 10000), I32("int_major_min", 65, 10000)},
     "",
     // The reader takes the first row with this key.
     {{"dia"}, {"tpi"}, {"ext_class", true}}},
    {"unstbl",
     62,
     {I32("dia", 0, 10000, kKeyLength), U16("tpi", 4, 100, kKey), Str("class", 6, 3, kKey),
      Str("ext_class", 10, 2), I32("ext_major_max", 15, 10000), I32("ext_major_min", 19, 10000),
      I32("ext_pd_max", 23, 10000), I32("ext_pd_min", 27, 10000), Str("int_class", 37, 2),
      I32("int_minor_max", 40, 10000), I32("int_minor_min", 44, 10000),
      I32("int_pd_min", 48, 10000), I32("int_pd_max", 52, 10000), I32("int_major_min", 58, 10000)},
     "",
     // Every match is applied, the last one winning.
     {{"dia"}, {"tpi"}, {"class"}},
     true},
    {"unxtol",
     30,
     {U16("tpi", 0, 10, kKey), U16("lead_tol", 2, 10000), U16("angle_deg", 4, 1),
      U16("angle_min", 6, 1), U16("dia_tol_to4", 8, 10000), I32("dia_tol_over4", 10, 10000),
      I32("pd_tol_to1_5", 14, 10000), I32("pd_tol_to4", 18, 10000), I32("pd_tol_to8", 22, 10000),
      I32("pd_tol_to12", 26, 10000)},
     "tpi",
     {}},
    {"unwtol",
     40,
     {U16("tpi", 0, 10, kKey), I32("lead_tol_to0_5", 2, 100000, kLength | kMinusOneNA),
      I32("lead_tol_over0_5", 6, 100000, kLength | kMinusOneNA), U16("angle_deg", 10, 1),
      U16("angle_min", 12, 1), U16("dia_tol_to0_5", 14, 10000), I32("dia_tol_to4", 16, 100000),
      U16("dia_tol_over4", 20, 10000), I32("pd_tol_to0_5", 22, 100000),
      I32("pd_tol_to1_5", 26, 100000), I32("pd_tol_to4", 30, 100000), I32("pd_tol_to8", 34, 100000),
      U16("pd_tol_to12", 38, 10000)},
     "tpi",
     {}},
    {"gagetbl",
     22,
     {I32("dia", 0, 10000, kKeyLength), I32("pitch", 4, 10000, kKeyLength),
      I32("go_ring_minor", 10, 10000), I32("nogo_ring_minor", 14, 10000),
      I32("nogo_plug_major", 18, 10000)},
     "",
     {{"dia"}, {"pitch"}},
     true,
     GaugeRowUnreachable},
    {"splugtbl",
     18,
     {I32("dia", 0, 10000, kKeyLength), I32("pitch", 4, 10000, kKeyLength),
      U16("class_code", 8, 1, kKey), I32("go_trunc_major", 10, 10000),
      I32("nogo_trunc_major", 14, 10000)},
     "",
     {{"dia"}, {"pitch"}, {"class_code"}},
     true,
     GaugeRowUnreachable},
});

} // namespace
} // namespace mktables
