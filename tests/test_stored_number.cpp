// Numbers in thread and ball micrometer files: six decimals when they bring
// the value back, as many as it needs otherwise, so a reopened file is the
// thread that was saved.
#include "core/designation.h"
#include "core/stored_number.h"
#include "core/thread_record.h"
#include "gauges/ball_mic.h"
#include "pages/ball_mic_page.h"
#include "pages/parameter_page.h"
#include "pages/thread_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(StoredNumber, SixDecimalsUnlessTheValueNeedsMore)
{
    // The longer texts are the shortest decimals that name the same double or
    // float (1/3 as a float is 0.3333333432...).
    const struct {
        const char* name;
        std::string text, expected;
    } cases[] = {
        {"ordinary", StoredNumberText(0.5), "+0.500000"},
        {"negative", StoredNumberText(-0.25), "-0.250000"},
        {"thousandsThreeDecimals", StoredNumberText(1000.0), "+1000.000"},
        {"hundredThousandsTwo", StoredNumberText(123456.78), "+123456.78"},
        {"sevenDecimals", StoredNumberText(0.2997495), "+0.2997495"},
        {"thousandsNeedFour", StoredNumberText(1234.5678), "+1234.5678"},
        {"aThird", StoredNumberText(1.0 / 3), "+0.3333333333333333"},
        {"tenthMicroInch", StoredNumberText(1e-7), "+0.0000001"},
        {"belowTheZeroOfFloatText", StoredNumberText(1e-12), "+0.000000000001"},
        {"millimetresToInches", StoredNumberText(0.7 / 25.4), "+0.027559055118110236"},
        {"floatSixSuffice", StoredNumberText(0.35f), "+0.350000"},
        {"floatOfManyDigits", StoredNumberText(13.3333333f), "+13.333333"},
        {"floatThird", StoredNumberText(1.0f / 3), "+0.33333334"},
        {"floatSevenDigits", StoredNumberText(0.7071068f), "+0.7071068"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text, c.expected) << c.name;
}

// Saved one after the other into one file, so a custom engagement's key must
// not outlive it into the standard case that follows.
TEST(StoredNumber, ThreadFileBringsBackTheSameThread)
{
    const struct {
        const char* name;
        int typeIndex;
        const char *dia, *pitch, *loe, *coating; // empty: standard engagement, no coating
        double wire;                              // 0: best wire
    } cases[] = {
        {"diameterOfSevenDecimals", 0, "0.2997495", "20", "", "", 0},
        {"thirdOfAnInch", 0, "0.3333333333333333", "20", "", "", 0},
        {"customEngagementEqualToStandard", 0, "1/2", "13", "0.5", "", 0},
        {"standardAfterCustom", 0, "1/2", "13", "", "", 0},
        {"engagementJustOffStandard", 0, "1/2", "13", "0.5000001", "", 0},
        {"coatingOfATenthMicroInch", 0, "1/2", "13", "", "0.0000001", 0},
        {"wireJustOffBest", 0, "1/2", "13", "", "", 0.0444115},
        {"metricPitchOfSevenDigits", TypeEntryIndex(kTypeMJ), "10", "0.7071068", "", "", 0},
    };
    ShippedTables tables;
    TempDir dir;
    const std::string file = dir.file("r.thd");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ParameterEntry e;
        e.typeIndex = c.typeIndex;
        e.classText = "2";
        e.diameterText = c.dia;
        e.pitchText = c.pitch;
        e.customLOE = *c.loe != 0;
        e.loeText = c.loe;
        e.coated = *c.coating != 0;
        e.coatingText = c.coating;
        e.intTolText = "4H5H"; // MJ's only classes; UN takes none
        e.extTolText = "4h6h";
        TTInfo rec;
        ASSERT_EQ(SetUpRecord(e, rec).message, "");
        rec.Calculate();
        if (c.wire > 0) { ASSERT_EQ(rec.SetWireSize(c.wire), 0); }
        std::string error;
        ASSERT_TRUE(SaveToFile(rec, file, &error)) << error;
        TTInfo back;
        const LoadResult r = LoadFromFile(back, file);
        ASSERT_EQ(r.status, LoadResult::Status::Loaded) << r.message;
        EXPECT_EQ(back.NomDia, rec.NomDia);
        EXPECT_EQ(back.TPI, rec.TPI);
        EXPECT_EQ(back.ExtThd.LOE, rec.ExtThd.LOE);
        EXPECT_EQ(back.ExtThd.StdLOE, rec.ExtThd.StdLOE);
        EXPECT_EQ(back.Coating, rec.Coating);
        EXPECT_EQ(back.ExtThd.CurWire, rec.ExtThd.CurWire);
        EXPECT_EQ(back.ExtThd.UseBestWire, rec.ExtThd.UseBestWire);
        EXPECT_EQ(back.ExtThd.PD.Max, rec.ExtThd.PD.Max);
        EXPECT_EQ(back.ExtThd.PD.Min, rec.ExtThd.PD.Min);
        EXPECT_EQ(DesignationText(back.ExtThd), DesignationText(rec.ExtThd));
        EXPECT_EQ(AllPageTexts(back), AllPageTexts(rec));
    }
}

TEST(StoredNumber, BallMicFileBringsBackTheSameEntries)
{
    TBallMic saved;
    saved.Angle = 1.0 / 3;
    saved.BallDia = BallDiaEntry("0.7mm");
    saved.PlaneDia = 0.2997495;
    saved.PlaneDis = 1e-7;
    saved.BallDis = 2.54 / 25.4 * 3;
    saved.CalcMethod = kBallMicPlaneDiaGiven;
    saved.Calculate();
    TempDir dir;
    ASSERT_TRUE(saved.Save(dir.file("a.bm")));
    TBallMic back;
    ASSERT_TRUE(back.Load(dir.file("a.bm")));
    EXPECT_EQ(back.Angle, saved.Angle);
    EXPECT_EQ(back.BallDia, saved.BallDia);
    EXPECT_EQ(back.PlaneDia, saved.PlaneDia);
    EXPECT_EQ(back.PlaneDis, saved.PlaneDis);
    EXPECT_EQ(back.BallDis, saved.BallDis);
    EXPECT_EQ(back.SetDim, saved.SetDim);
}

} // namespace
