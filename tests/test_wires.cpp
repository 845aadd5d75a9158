// Measuring wires: sizes of a unified thread, the wire entry, readings with and
// without helix correction, helix angle and the standard wire list.
#include "gauges/wires.h"

#include "core/thread_record.h"
#include "families/unified.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void QuarterTwenty(TTInfo& rec, uint16_t starts = 1)
{
    rec.SetThreadType("UN");
    rec.SetClass("2");
    rec.SetNomDia(0.25);
    rec.SetTPI(20);
    rec.SetStarts(starts);
    rec.ExtThd.PD.Max = 0.2164;
    rec.ExtThd.PD.Min = 0.2127;
    CalcUNForm(rec.ExtThd);
}

TEST(Wires, UnifiedSizesAndWireSizeEntry)
{
    TTInfo rec;
    QuarterTwenty(rec);
    // 0.57735, 0.505182 and 1.010362 times P = 0.05.
    EXPECT_NEAR(rec.ExtThd.BestWire, 0.0288675, 1e-12);
    EXPECT_NEAR(rec.ExtThd.MinWire, 0.0252591, 1e-12);
    EXPECT_NEAR(rec.ExtThd.MaxWire, 0.0505181, 1e-12);
    EXPECT_EQ(rec.SetWireSize(0.06), 1);
    EXPECT_EQ(rec.SetWireSize(WireEntryToRecordUnits(rec, "abc", false)), 2);
    EXPECT_EQ(rec.SetWireSize(WireEntryToRecordUnits(rec, "0.0289", false)), 0);
    for (const TThdInfo* m : {&rec.ExtThd, &rec.GoSetPlug, &rec.NoGoPlug}) {
        EXPECT_DOUBLE_EQ(m->CurWire, 0.0289);
        EXPECT_EQ(m->UseBestWire, 0);
    }

    TTInfo metric;
    metric.SetThreadType("M");
    struct Case {
        const char* name;
        const TTInfo& rec;
        const char* text;
        bool mmDisplay;
        double expected;
    } cases[] = {
        {"mm_on_inch_display", rec, "0.7mm", false, 0.7 / 25.4},
        {"mm_blank_on_mm_display", rec, "0.7 mm", true, 0.7 / 25.4},
        {"in_on_mm_display", rec, "0.03in", true, 0.03},
        {"plain_mm_display", rec, "0.762", true, 0.03},
        {"metric_record_inch_display", metric, "0.05", false, 1.27},
        {"metric_record_in_suffix", metric, "0.05 in", false, 1.27},
        {"metric_record_mm_display", metric, "0.9", true, 0.9},
        {"unreadable", rec, "wire", false, 0},
    };
    for (const Case& c : cases) {
        const double size = WireEntryToRecordUnits(c.rec, c.text, c.mmDisplay);
        EXPECT_NEAR(size, c.expected, 1e-12) << c.name;
    }
}

TEST(Wires, OfferedSizesWithinMinMax)
{
    TTInfo rec;
    QuarterTwenty(rec);
    // 0.0252591 .. 0.0505181: list entries 0.04811 (index 26) to 0.02582 (index 46).
    std::vector<double> sizes = OfferedWireSizes(rec);
    ASSERT_EQ(sizes.size(), 21u);
    EXPECT_DOUBLE_EQ(sizes.front(), 0.04811);
    EXPECT_DOUBLE_EQ(sizes.back(), 0.02582);

    rec.ExtThd.MinWire = 0.505182; // one thread per inch: duplicates stay
    rec.ExtThd.MaxWire = 1.010362;
    EXPECT_EQ(OfferedWireSizes(rec), (std::vector<double>{0.57735, 0.57735, 0.51645}));

    rec.ExtThd.MinWire = 0.0180422; // 28 tpi: the last entry (index 54) is never offered
    rec.ExtThd.MaxWire = 0.0360844;
    sizes = OfferedWireSizes(rec);
    ASSERT_EQ(sizes.size(), 20u);
    EXPECT_DOUBLE_EQ(sizes.front(), 0.03608);
    EXPECT_DOUBLE_EQ(sizes.back(), 0.02152);
}

TEST(Wires, ReadingsHelixCompensationAndAngle)
{
    // W = 0.0288675: plain reading E - 0.866025P + 3W; corrected + W * 0.75 tan^2(lead
    // angle), tan = L / (pi E). 1/4-20 at E 0.2164: plain 0.25970125; 1 start tan 0.0735466,
    // +0.00011711 (below 0.00015: not applied); 2 starts 0.1470933, +0.00046844 = 0.26017.
    // 1-20 2 starts, the correction below the threshold but applied to both readings: max at
    // 0.9664 tan 0.0329377, 1.00970125 + 0.00002349 = 1.00972; min at 0.9627 tan 0.0330640,
    // 1.00600125 + 0.00002367 = 1.00602 (uncorrected 1.00600).
    struct Case {
        const char* name;
        double d;
        uint16_t starts;
        double pdMax, pdMin;
        double helixComp, maxReading, minReading;
        double helixAngle; // atan(L / (pi PD max)) in degrees
    } cases[] = {
        {"single_uncorrected", 0.25, 1, 0.2164, 0.2127, 0, 0.25970125, 0.25600125, 4.2063392},
        {"two_starts_corrected", 0.25, 2, 0.2164, 0.2164, 0.00046875, 0.26017, 0.26017, 8.3678193},
        {"two_starts_below_threshold", 1.0, 2, 0.9664, 0.9627, 0, 1.00972, 1.00602, 1.8865089},
    };
    for (const Case& c : cases) {
        TTInfo rec;
        QuarterTwenty(rec, c.starts);
        rec.SetNomDia(c.d);
        rec.ExtThd.PD.Max = c.pdMax;
        rec.ExtThd.PD.Min = c.pdMin;
        EXPECT_NEAR(HelixComp(rec.ExtThd), c.helixComp, 1e-9) << c.name;
        EXPECT_NEAR(GageWireReading(rec.ExtThd), c.maxReading, 1e-9) << c.name;
        EXPECT_NEAR(WireReadingAt(rec.ExtThd, c.pdMin), c.minReading, 1e-9) << c.name;
        EXPECT_EQ(ReadingsCorrected(rec.ExtThd), c.starts > 1) << c.name;
        EXPECT_DOUBLE_EQ(rec.ExtThd.PD.Gage, c.pdMax) << c.name;
        EXPECT_NEAR(HelixAngle(rec.ExtThd), c.helixAngle, 1e-6) << c.name;
    }
    TTInfo rec;
    QuarterTwenty(rec);
    EXPECT_NEAR(WireReading(rec.ExtThd, 0.21638), 0.25970125, 1e-12); // PD rounded to 4 places
    EXPECT_NEAR(HelixWireReading(rec.ExtThd, 0.2164), 0.25982, 1e-12);
    rec.IntThd.PD.Min = 0.2175;
    EXPECT_EQ(HelixAngle(rec.IntThd), 0);
    EXPECT_EQ(GageWireReading(rec.IntThd), 0);

    // Buttress, 10 tpi, W = 0.054147, PD 0.9: 0.9 - 0.0890643 + 3.156891W = 0.98187188,
    // with one start or two: its reading has no helix correction.
    for (uint16_t starts : {1, 2}) {
        TTInfo butt;
        butt.SetThreadType("745BUTT");
        butt.SetTPI(10);
        butt.SetStarts(starts);
        butt.ExtThd.PD.Max = 0.9;
        butt.ExtThd.CurWire = 0.054147;
        EXPECT_EQ(HelixComp(butt.ExtThd), 0);
        EXPECT_NEAR(GageWireReading(butt.ExtThd), 0.98187188, 1e-8) << starts;
    }
}

TEST(Wires, StandardListLookups)
{
    ASSERT_EQ(StandardWires().size(), 55u);
    EXPECT_DOUBLE_EQ(StandardWires().front(), 0.57735);
    EXPECT_DOUBLE_EQ(StandardWires().back(), 0.02066);
    struct Case {
        const char* name;
        double (*lookup)(double);
        double x;
        double expected;
    } cases[] = {
        {"larger_of_listed", NextLargerWire, 0.05774, 0.06415},
        {"larger_just_above_listed", NextLargerWire, 0.0578, 0.06415},
        {"larger_beyond_list", NextLargerWire, 0.6, -1},
        {"smaller_of_listed", NextSmallerWire, 0.05774, 0.05738},
        {"smaller_between", NextSmallerWire, 0.06, 0.05774},
        {"smaller_below_list", NextSmallerWire, 0.02, -1},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(c.lookup(c.x), c.expected) << c.name;
}

} // namespace
