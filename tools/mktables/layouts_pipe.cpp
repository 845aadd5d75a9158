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

// The nominal pipe sizes in list order (1/16 to 24 OD), keys x 100000.
constexpr int64_t kSizeKeys[] = {6250,    12500,   25000,   37500,   50000,   75000,
                                 100000,  125000,  150000,  200000,  250000,  300000,
                                 350000,  400000,  500000,  600000,  800000,  1000000,
                                 1200000, 1400000, 1600000, 1800000, 2000000, 2400000};

// The readers compare the size key for exact equality with the key of a list
// entry of the kind, so a row of any other size is never found. Each kind
// offers a run of the list, first to last (indexes into kSizeKeys).
std::string SizeNotOffered(const std::map<std::string, int64_t>& row, const char* kind, int first,
                           int last, const char* range) {
    const int64_t size = row.at("size");
    for (int i = first; i <= last; ++i)
        if (kSizeKeys[i] == size) return "";
    for (int64_t k : kSizeKeys)
        if (k == size)
            return "size " + ScaledText(size, kScale) + " is not a size " + kind + " offers (" +
                   range + "), so no thread finds this row";
    return "size " + ScaledText(size, kScale) +
           " is not the key of a nominal pipe size (1/16 = 0.0625 to 24 OD = 24), so no thread "
           "finds this row";
}

std::string NptSize(const std::map<std::string, int64_t>& row) {
    return SizeNotOffered(row, "NPT", 0, 23, "1/16 to 24 OD");
}
std::string NpscSize(const std::map<std::string, int64_t>& row) {
    return SizeNotOffered(row, "NPSC", 1, 13, "1/8 to 4");
}
std::string NptrSize(const std::map<std::string, int64_t>& row) {
    return SizeNotOffered(row, "NPTR", 4, 13, "1/2 to 4");
}
std::string NpsmSize(const std::map<std::string, int64_t>& row) {
    return SizeNotOffered(row, "NPSM", 1, 15, "1/8 to 6");
}
std::string NpslSize(const std::map<std::string, int64_t>& row) {
    return SizeNotOffered(row, "NPSL", 1, 18, "1/8 to 12");
}

// Fields in record order from `first` on, four bytes each; an empty name is a
// field the program skips (written as 0).
std::vector<Field> Fields(std::initializer_list<const char*> names,
                          std::initializer_list<const char*> minusOneNA = {}) {
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
    {"npt", 96, Fields({"od",       "tpi",
                        "",         "e0",
                        "l1",       "l1_thds",
                        "e1",       "l2",
                        "l2_thds",  "e2",
                        "l1_to_l2", "l1_to_l2_thds",
                        "l3",       "l3_thds",
                        "e3",       "v",
                        "v_thds",   "l4",
                        "l5",       "e5",
                        "h",        "dia_inc_per_thd",
                        "k0"}),
     "", kSizeKey, false, NptSize},
    {"nptgage", 56,
     Fields({"od", "tpi", "", "plug_major_e0", "plug_major_e1", "plug_major_e2", "pd_e0", "pd_e1",
             "pd_e2", "ring_minor_e0", "ring_minor_e1", "dia_inc_per_thd", "ring_thickness"}),
     "", kSizeKey, false, NptSize},
    {"npttol", 60,
     Fields({"", "", "pd_tol", "lead_tol_plug", "lead_tol_ring", "angle_min_plug", "angle_min_ring",
             "taper_tol_plug", "taper_tol_ring", "major_tol_plug", "minor_tol_ring",
             "cum_pd_tol_plug", "cum_pd_tol_ring", "standoff"},
            {"lead_tol_plug", "lead_tol_ring"}),
     "", kSizeKey, false, NptSize},
    {"npsc", 24, Fields({"od", "tpi", "minor_min", "pd_min", "pd_max"}), "", kSizeKey, false,
     NpscSize},
    {"nptr", 72,
     Fields({"od", "tpi", "h", "e6", "l6", "l6_thds", "l2_l6", "l2_l6_thds", "total_len",
             "total_thds", "v", "v_thds", "recess_depth_min", "recess_dia_min", "length_t_min",
             "notch_distance", "notch_distance_thds"}),
     "", kSizeKey, false, NptrSize},
    {"npsm", 48,
     Fields({"od", "tpi", "allowance", "ext_major_max", "ext_major_min", "ext_pd_max", "ext_pd_min",
             "int_minor_min", "int_minor_max", "int_pd_min", "int_pd_max"}),
     "", kSizeKey, false, NpsmSize},
    {"npsl", 36,
     Fields({"od", "tpi", "ext_major_max", "ext_pd_max", "ext_pd_min", "int_minor_min",
             "int_pd_min", "int_pd_max"}),
     "", kSizeKey, false, NpslSize},
});

} // namespace
} // namespace mktables
