// Measuring wires: sizes of a unified thread, the wire entry, the sizes offered from
// the standard list, readings with and without helix correction, helix angle.
#include "gauges/wires.h"

#include "core/thread_record.h"
#include "families/unified.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

namespace {

void QuarterTwenty(TTInfo& rec, uint16_t starts = 1) {
    rec.SetThreadType("UN");
    rec.SetClass("2");
    rec.SetNomDia(0.25);
    rec.SetTPI(20);
    rec.SetStarts(starts);
    rec.ExtThd.PD.Max = 0.2164;
    rec.ExtThd.PD.Min = 0.2127;
    CalcUNForm(rec.ExtThd);
}

TEST(Wires, UnifiedSizesWireSizeEntryAndOfferedSizes) {
    TTInfo rec;
    QuarterTwenty(rec);
    // 0.505182 and 1.010362 times P = 0.05 (the best wire, 0.57735P, is in the clipboard texts).
    EXPECT_NEAR(rec.ExtThd.MinWire, 0.0252591, 1e-12);
    EXPECT_NEAR(rec.ExtThd.MaxWire, 0.0505181, 1e-12);
    // Above the largest, below the smallest (an unreadable entry is 0), then a size taken.
    EXPECT_EQ(rec.SetWireSize(0.06), 1);
    EXPECT_EQ(rec.SetWireSize(WireEntryToRecordUnits(rec, "abc", false)), 2);
    for (const char* text : {"", "nan", "inf", "1e308", "0x10", "1/0", "#-1", "\xC2\xBD"})
        EXPECT_NE(rec.SetWireSize(WireEntryToRecordUnits(rec, text, false)), 0) << text;
    EXPECT_EQ(rec.SetWireSize(WireEntryToRecordUnits(rec, "0.0289", false)), 0);
    for (const TThdInfo* m : {&rec.ExtThd, &rec.GoSetPlug, &rec.NoGoPlug})
        EXPECT_TRUE(m->CurWire == 0.0289 && m->UseBestWire == 0);

    // Entry, millimetre display, record in inches (else mm), size in the record's unit.
    const std::tuple<const char*, bool, bool, double> entries[] = {
        {"0.7mm", false, false, 0.7 / 25.4}, {"0.7 mm", true, false, 0.7 / 25.4},
        {"0.03in", true, false, 0.03},       {"0.762", true, false, 0.03},
        {"0.05 in", false, true, 1.27},      {"0.9", true, true, 0.9},
    };
    TTInfo metric;
    metric.SetThreadType("M");
    for (auto [text, mmDisplay, metricRecord, size] : entries) {
        const TTInfo& r = metricRecord ? metric : rec;
        EXPECT_NEAR(WireEntryToRecordUnits(r, text, mmDisplay), size, 1e-12) << text;
    }

    // Offered: the listed sizes from min to max wire. 0.0252591 .. 0.0505181: list entries
    // 0.04811 (index 26) to 0.02582 (index 46).
    std::vector<double> sizes = OfferedWireSizes(rec);
    ASSERT_EQ(sizes.size(), 21u);
    EXPECT_EQ(std::pair(sizes.front(), sizes.back()), std::pair(0.04811, 0.02582));
    rec.ExtThd.MinWire = 0.505182; // one thread per inch: duplicates stay
    rec.ExtThd.MaxWire = 1.010362;
    EXPECT_EQ(OfferedWireSizes(rec), (std::vector<double>{0.57735, 0.57735, 0.51645}));
    rec.ExtThd.MinWire = 0.0180422; // 28 tpi: the last entry (index 54) is never offered
    rec.ExtThd.MaxWire = 0.0360844;
    sizes = OfferedWireSizes(rec);
    ASSERT_EQ(sizes.size(), 20u);
    EXPECT_EQ(std::pair(sizes.front(), sizes.back()), std::pair(0.03608, 0.02152));
}

TEST(Wires, ReadingsHelixCompensationAndAngle) {
    // W = 0.0288675: plain reading E - 0.866025P + 3W; corrected + W * 0.75 tan^2(lead
    // angle), tan = L / (pi E). 1/4-20 at E 0.2164: plain 0.25970125; 1 start tan 0.0735466,
    // +0.00011711 (below 0.00015: not applied); 2 starts 0.1470933, +0.00046844 = 0.26017.
    // 1-20 2 starts, the correction below the threshold but applied to both readings: max at
    // 0.9664 tan 0.0329377, 1.00970125 + 0.00002349 = 1.00972; min at 0.9627 tan 0.0330640,
    // 1.00600125 + 0.00002367 = 1.00602 (uncorrected 1.00600). Helix atan(L / (pi PD max)).
    // Two starts each: a multi-start lead is always corrected.
    struct Case {
        const char* name;
        double d;
        double pdMax, pdMin, helixComp, maxReading, minReading, helixDegrees;
    } cases[] = {
        {"quarter_corrected", 0.25, 0.2164, 0.2164, 0.00046875, 0.26017, 0.26017, 8.3678193},
        {"one_inch_below_threshold", 1.0, 0.9664, 0.9627, 0, 1.00972, 1.00602, 1.8865089},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TTInfo rec;
        QuarterTwenty(rec, 2);
        rec.SetNomDia(c.d);
        rec.ExtThd.PD.Max = c.pdMax;
        rec.ExtThd.PD.Min = c.pdMin;
        EXPECT_NEAR(HelixComp(rec.ExtThd), c.helixComp, 1e-9);
        EXPECT_NEAR(GageWireReading(rec.ExtThd), c.maxReading, 1e-9);
        EXPECT_NEAR(WireReadingAt(rec.ExtThd, c.pdMin), c.minReading, 1e-9);
        EXPECT_TRUE(ReadingsCorrected(rec.ExtThd));
        EXPECT_NEAR(HelixAngle(rec.ExtThd), c.helixDegrees, 1e-6);
    }
    TTInfo rec;
    QuarterTwenty(rec);
    EXPECT_NEAR(WireReading(rec.ExtThd, 0.21638), 0.25970125, 1e-12); // PD rounded to 4 places

    // Buttress, 10 tpi, W = 0.054147, PD 0.9: 0.9 - 0.0890643 + 3.156891W = 0.98187188,
    // even with two starts: its reading has no helix correction.
    TTInfo butt;
    butt.SetThreadType("745BUTT");
    butt.SetTPI(10);
    butt.SetStarts(2);
    butt.ExtThd.PD.Max = 0.9;
    butt.ExtThd.CurWire = 0.054147;
    EXPECT_EQ(HelixComp(butt.ExtThd), 0);
    EXPECT_NEAR(GageWireReading(butt.ExtThd), 0.98187188, 1e-8);
}

} // namespace
