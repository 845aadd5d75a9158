// Layouts of the pipe thread tables (NPT basic dimensions, basic gauge
// dimensions and gauge tolerances; NPSC, NPTR, NPSM, NPSL dimensions), one
// record of 32-bit values x 100000 per nominal pipe size.
#include "tools/mktables/compiler.h"
#include "tools/mktables/layout.h"

#include <string>

namespace mktables {
namespace {

constexpr int64_t kScale = 100000;
constexpr unsigned kKeyLength = kKey | kLength;

// The readers compare the size key for exact equality with the key of a list
// entry, so any other value is never found.
std::string SizeUnreachable(const std::map<std::string, int64_t>& row)
{
    static const int64_t keys[] = {6250,   12500,  25000,  37500,  50000,  75000,
                                   100000, 125000, 150000, 200000, 250000, 300000,
                                   350000, 400000, 500000, 600000, 800000, 1000000,
                                   1200000, 1400000, 1600000, 1800000, 2000000, 2400000};
    const int64_t size = row.at("size");
    for (int64_t k : keys)
        if (k == size) return "";
    return "size " + ScaledText(size, kScale) +
           " is not the key of a nominal pipe size (1/16 = 0.0625 to 24 OD = 24), so no thread "
           "finds this row";
}

// Fields in record order from `first` on, four bytes each; an empty name is a
// field the program skips (written as 0).
std::vector<Field> Fields(std::initializer_list<const char*> names,
                          std::initializer_list<const char*> minusOneNA = {})
{
    std::vector<Field> f = {I32("size", 0, kScale, kKeyLength)};
    int at = 4;
    for (const char* name : names) {
        unsigned flags = kLength;
        for (const char* na : minusOneNA)
            if (std::string(na) == name) flags |= kMinusOneNA;
        if (*name) f.push_back(I32(name, at, kScale, flags));
        at += 4;
    }
    return f;
}

const std::vector<KeyPart> kSizeKey = {{"size"}};

const LayoutRegistrar kPipe({
    {"npt",
     96,
     Fields({"od", "tpi", "", "e0", "l1", "l1_thds", "e1", "l2", "l2_thds", "e2", "l1_to_l2",
             "l1_to_l2_thds", "l3", "l3_thds", "e3", "v", "v_thds", "l4", "l5", "e5", "h",
             "dia_inc_per_thd", "k0"}),
     "",
     kSizeKey,
     false,
     SizeUnreachable},
    {"nptgage",
     56,
     Fields({"od", "tpi", "", "plug_major_e0", "plug_major_e1", "plug_major_e2", "pd_e0", "pd_e1",
             "pd_e2", "ring_minor_e0", "ring_minor_e1", "dia_inc_per_thd", "ring_thickness"}),
     "",
     kSizeKey,
     false,
     SizeUnreachable},
    {"npttol",
     60,
     Fields({"", "", "pd_tol", "lead_tol_plug", "lead_tol_ring", "angle_min_plug",
             "angle_min_ring", "taper_tol_plug", "taper_tol_ring", "major_tol_plug",
             "minor_tol_ring", "cum_pd_tol_plug", "cum_pd_tol_ring", "standoff"},
            {"lead_tol_plug", "lead_tol_ring"}),
     "",
     kSizeKey,
     false,
     SizeUnreachable},
    {"npsc", 24, Fields({"od", "tpi", "minor_min", "pd_min", "pd_max"}), "", kSizeKey, false,
     SizeUnreachable},
    {"nptr",
     72,
     Fields({"od", "tpi", "h", "e6", "l6", "l6_thds", "l2_l6", "l2_l6_thds", "total_len",
             "total_thds", "v", "v_thds", "recess_depth_min", "recess_dia_min", "length_t_min",
             "notch_distance", "notch_distance_thds"}),
     "",
     kSizeKey,
     false,
     SizeUnreachable},
    {"npsm",
     48,
     Fields({"od", "tpi", "allowance", "ext_major_max", "ext_major_min", "ext_pd_max",
             "ext_pd_min", "int_minor_min", "int_minor_max", "int_pd_min", "int_pd_max"}),
     "",
     kSizeKey,
     false,
     SizeUnreachable},
    {"npsl",
     36,
     Fields({"od", "tpi", "ext_major_max", "ext_pd_max", "ext_pd_min", "int_minor_min",
             "int_pd_min", "int_pd_max"}),
     "",
     kSizeKey,
     false,
     SizeUnreachable},
});

} // namespace
} // namespace mktables
