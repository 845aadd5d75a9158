// Every calculation ends in limits a gauge can be made to, or in a refusal
// that says why: over a grid of diameters and pitches from the smallest to the
// largest a user may type, for every formula family and class.
#include "core/thread_record.h"
#include "pages/parameter_page.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Family {
    const char* name;
    uint16_t type;
    std::vector<std::string> classes; // metric: "external/internal"
};

// What a page may show: finite, no limit below zero, a pitch diameter above
// zero, no maximum below its minimum, the diameters in their order (minor
// below pitch below major), and readings over a wire that bears on the flanks.
// Written apart from the program's own check.
std::string Insane(const TTInfo& rec) {
    const TThdInfo* members[] = {&rec.IntThd, &rec.ExtThd,   &rec.GoPlug,    &rec.NoGoPlug,
                                 &rec.GoRing, &rec.NoGoRing, &rec.GoSetPlug, &rec.NoGoSetPlug};
    // A value of 0 before plating is none: plating moves it all the same.
    for (const TThdInfo* m : members)
        for (const TDimLimits* d : {&m->PD, &m->Major, &m->Minor})
            for (const auto& [v, bare] :
                 {std::pair{d->Max, d->UncoatedMax}, std::pair{d->Min, d->UncoatedMin},
                  std::pair{d->Gage, d->UncoatedGage}})
                if (!std::isfinite(v) || bare < 0 || (bare != 0 && !(v > 0)))
                    return "a value below 0 or not finite";
    for (const TThdInfo* m : {&rec.IntThd, &rec.ExtThd}) {
        if (!(m->PD.Min > 0)) return "a pitch diameter of 0";
        for (const TDimLimits* d : {&m->PD, &m->Major, &m->Minor})
            if (d->Max != 0 && d->Min != 0 && d->Max < d->Min) return "a max below its min";
        if (m->Minor.Max != 0 && m->Minor.Max >= m->PD.Min) return "the minor above the PD";
        if (m->Major.Min != 0 && m->PD.Max >= m->Major.Min) return "the PD above the major";
    }
    const TThdInfo& ext = rec.ExtThd;
    if (ext.CurWire > ext.MaxWire * (1 + 1e-9)) return "a wire above the largest wire";
    return {};
}

TEST(LimitsSanity, EveryFamilyOverItsWholeRange) {
    const Family families[] = {
        {"UN", kTypeUN, {"1", "2", "3"}},  {"UNR", kTypeUNR, {"2"}},
        {"UNJ", kTypeUNJ, {"3"}},          {"ACME", kTypeAcme, {"2G", "5G"}},
        {"STUB", kTypeStub, {"2G", "4G"}}, {"SAM1", kTypeSAM1, {"2G"}},
        {"SAM2", kTypeSAM2, {"3G"}},       {"M", kTypeM, {"6g6g/6H6H", "3h4h/4H4H", "9e8e/8G8G"}},
        {"MJ", kTypeMJ, {"4h6h/4H5H"}},    {"BUTT", kTypeButt, {"2", "3"}},
    };
    // From below the smallest standard thread to the largest value typed.
    const std::vector<const char*> inch[2] = {
        {"1e-300", "0.01", "0.06", "1/4", "1", "4", "24", "100"},
        {"0.01", "1", "1.5", "2", "5", "20", "80", "200"}};
    const std::vector<const char*> mm[2] = {{"0.5", "1", "1.6", "10", "100", "355", "2500"},
                                            {"0.02", "0.2", "0.5", "1.5", "6", "8", "50"}};
    ShippedTables tables;
    for (const Family& f : families) {
        const bool metric = f.type == kTypeM || f.type == kTypeMJ;
        const auto& grid = metric ? mm : inch;
        int calculated = 0;
        for (const std::string& cls : f.classes)
            for (const char* dia : grid[0])
                for (const char* pitch : grid[1]) {
                    SCOPED_TRACE(std::string(f.name) + " " + cls + " " + dia + " x " + pitch);
                    ParameterEntry e;
                    e.typeIndex = TypeEntryIndex(f.type);
                    e.diameterText = dia;
                    e.pitchText = pitch;
                    e.classText = cls;
                    if (metric) {
                        e.extTolText = cls.substr(0, 4);
                        e.intTolText = cls.substr(5);
                    }
                    TTInfo rec;
                    if (!SetUpRecord(e, rec).message.empty()) continue; // refused before
                    rec.Calculate();
                    if (!rec.Refusal.empty()) {
                        EXPECT_EQ(rec.Refusal.rfind("Can not calculate", 0), 0u) << rec.Refusal;
                        continue;
                    }
                    EXPECT_EQ(Insane(rec), "");
                    ++calculated;
                }
        // Not a grid of refusals: every family keeps its ordinary sizes.
        EXPECT_GE(calculated, 8) << f.name;
    }
}

} // namespace
