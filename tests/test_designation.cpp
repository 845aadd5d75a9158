// Thread designations of the product members and their note lines.
#include "core/designation.h"

#include "core/thread_record.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

TEST(Designation, SizeSeriesClassAndForm) {
    // Each row: type, class, diameter and its text, tpi, starts, the series the unified
    // steps set, internal, a custom engagement (0: standard), then the designation.
    using Row = std::tuple<const char*, const char*, double, const char*, float, uint16_t,
                           const char*, bool, double, const char*>;
    const Row cases[] = {
        {"UN", "2", 0.25, "1/4", 20, 1, "UNC", false, 0, "1/4-20 UNC-2A"},
        {"UN", "2", 0.25, "1/4", 20, 1, "UNC", true, 0, "1/4-20 UNC-2B"},
        {"UN", "2", 0.25, "1/4", 20, 1, "UNC", false, 0.5, "1/4-20 UNC-SE2A"},
        {"UNR", "3", 0.5, "1/2", 13, 1, "UNRC", false, 0, "1/2-13 UNRC-3A"},
        {"ACME", "2G", 1.0, "1.0", 5, 2, "", false, 0, "1.000-0.200P-0.400L ACME-2G"},
        {"STUB", "5G", 0.75, "3/4", 6, 1, "", true, 0, "3/4-6 STUB ACME-5G"},
        {"SAM1", "3G", 1.25, "", 5, 1, "", false, 0, "1.2500-5 STUB M1-3G"},
        {"745BUTT", "0", 1.0, "1", 8, 1, "", false, 0, "1-8 7 x 45 BUTTRESS"},
    };
    for (const auto& [type, cls, d, diaText, tpi, starts, series, internal, loe, text] : cases) {
        SCOPED_TRACE(text);
        TTInfo rec;
        rec.SetThreadType(type);
        rec.SetClass(cls);
        rec.SetNomDia(d);
        rec.SetTPI(tpi);
        rec.SetStarts(starts);
        rec.NomDiaText = diaText;
        if (loe > 0) rec.SetLOE(loe);
        TThdInfo& m = internal ? rec.IntThd : rec.ExtThd;
        m.Series = series;
        EXPECT_EQ(DesignationText(m), text);
        EXPECT_EQ(m.Notes, (std::vector<std::string>{internal ? "Internal" : "External", text}));
    }

    // Metric: the tolerance classes and the hand.
    TTInfo rec;
    rec.SetThreadType("M");
    rec.SetNomDia(10);
    rec.SetTPI(1.5f);
    rec.ExtThd.SetTolInfo("6g6g");
    rec.LeftHand = 1;
    EXPECT_EQ(DesignationText(rec.ExtThd), "M 10 X 1.5 - 6g6g LH");
    EXPECT_EQ(rec.ExtThd.Series, "M");
}

TEST(Designation, PlatingNotes) {
    TTInfo rec;
    rec.SetThreadType("UN");
    rec.SetClass("2");
    rec.SetNomDia(0.25);
    rec.SetTPI(20);
    rec.NomDiaText = "1/4";
    rec.SetCoating(0.001);
    for (TThdInfo* m : {&rec.ExtThd, &rec.IntThd}) {
        m->Series = "UNC";
        m->PD.Max = m->IsExternal ? 0.2164 : 0.2224;
        m->PD.Min = m->IsExternal ? 0.2127 : 0.2175;
        m->Major.Max = m->IsExternal ? 0.2489 : 0;
        m->Major.Min = m->IsExternal ? 0.2408 : 0.25;
        m->Minor.Max = m->IsExternal ? 0 : 0.207;
        m->Minor.Min = m->IsExternal ? 0 : 0.196;
        m->ApplyCoating();
    }
    // External: 4t = 0.004 off the pitch diameters, 2t = 0.002 off the major.
    DesignationText(rec.ExtThd);
    EXPECT_EQ(rec.ExtThd.Notes,
              (std::vector<std::string>{"EXTERNAL - After Plate", "1/4-20 UNC-2A",
                                        "Major Dia 0.2489 Max.", "PD 0.2164 Max.", "",
                                        "EXTERNAL - Before Plate", "1/4-20 UNC-2A",
                                        "Major Dia 0.2469-0.2388", "PD 0.2124-0.2087"}));
    // Internal: plating shrinks it, so the plater checks the minimums of the
    // published 2B minor and PD; machined 2t = 0.002 and 4t = 0.004 larger.
    DesignationText(rec.IntThd);
    EXPECT_EQ(
        rec.IntThd.Notes,
        (std::vector<std::string>{"INTERNAL - After Plate", "1/4-20 UNC-2B", "Minor Dia 0.196 Min.",
                                  "PD 0.2175 Min.", "", "INTERNAL - Before Plate", "1/4-20 UNC-2B",
                                  "Minor Dia 0.2090-0.1980", "PD 0.2264-0.2215"}));
}

} // namespace
