// The Set Dim tool: its type list and pitch captions, the record it builds
// from one pitch diameter, and its refusals. Cases from the tool's worked
// examples.
#include "core/designation.h"
#include "core/thread_record.h"
#include "pages/gauge_setting_page.h"
#include "pages/set_dim.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SetDimTypes, TwelveTypesInCodeOrderWithTheirPitchCaption)
{
    const auto& types = SetDimTypes();
    ASSERT_EQ(types.size(), 12u);
    for (std::size_t i = 0; i < types.size(); ++i) {
        SCOPED_TRACE(types[i].caption);
        EXPECT_EQ(types[i].typeCode, i + 1);
        const bool metric = i == 7 || i == 8 || i == 10;
        EXPECT_EQ(SetDimPitchCaption(static_cast<int>(i)),
                  metric ? "Thread Pitch in mm:" : "Threads / Inch:");
    }
    EXPECT_STREQ(types[10].caption, "30 Degree Trapezoidal Metric");
    EXPECT_STREQ(types[11].caption, "55 Degree Thread");
    EXPECT_EQ(SetDimTypeIndexOfName("30deg"), 10);
    EXPECT_EQ(SetDimTypeIndexOfName("BUTT"), 9);
    EXPECT_EQ(SetDimTypeIndexOfName("NPT"), -1);
}

struct SetDimCase {
    const char* name;
    SetDimEntry entry;
    const char* message;
    bool internalOnly;
    bool metricDisplay;
    double nomDia;
};

// Either PD stands for both threads; the nominal diameter is the PD given.
const SetDimCase kCases[] = {
    {"UN20External", {0, "20", "0.2164", ""}, "", false, false, 0.2164},
    {"UN8InternalOnly", {0, "8", "", "0.9188"}, "", true, false, 0.9188},
    {"MPitch15", {7, "1.5", "9.026", ""}, "", false, true, 9.026},
    {"ThirtyDegreeMillimetres", {10, "4", "18", ""}, "", false, true, 18},
    {"PitchZero", {0, "0", "0.2164", ""}, "Can not Calculate! Invalid Pitch.", false, false, 0},
    {"NoPD", {3, "5", "", ""}, "Can not Calculate! No PD measurement entered", false, false, 0},
    // The ranges a thread takes: a pitch held as infinity, a PD of 309 digits.
    {"TPIHeldAsInfinity", {0, "1e39", "0.2", ""}, "Can not Calculate! Invalid Pitch: at most 200 "
     "threads per inch.", false, false, 0},
    {"MetricPitch51", {7, "51", "20", ""}, "Can not Calculate! Invalid Pitch: a pitch is at most "
     "50 mm.", false, false, 0},
    {"PD1e308", {0, "20", "", "1e308"}, "Can not Calculate! Invalid PD: a pitch diameter is at "
     "most 100 in.", false, false, 0},
};

class SetDimRuns : public testing::TestWithParam<SetDimCase> {};

TEST_P(SetDimRuns, BuildTheRecordOrRefuse)
{
    const SetDimCase& c = GetParam();
    TTInfo rec;
    const SetDimOutcome r = RunSetDim(c.entry, rec);
    EXPECT_EQ(r.message, c.message);
    if (!r.message.empty()) return;
    EXPECT_EQ(r.internalOnly, c.internalOnly);
    EXPECT_EQ(r.metricDisplay, c.metricDisplay);
    EXPECT_DOUBLE_EQ(rec.NomDia, c.nomDia);
    for (const TThdInfo* m : {&rec.ExtThd, &rec.IntThd}) {
        EXPECT_DOUBLE_EQ(m->PD.Max, c.nomDia);
        EXPECT_DOUBLE_EQ(m->PD.Min, c.nomDia);
    }
    EXPECT_EQ(rec.ExtThd.TypeCode, SetDimTypes()[static_cast<std::size_t>(c.entry.typeIndex)].typeCode);
}

INSTANTIATE_TEST_SUITE_P(SetDim, SetDimRuns, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The gauge-setting step on the tool's record, with the shipped catalogue.
TEST(SetDimSetting, SmallThreadsAndTheInternalOnlyCase)
{
    const ShippedTables tables;
    // External PD max 0.2164 stands for the diameter, below 0.25: no external
    // point gauge and no setting values.
    TTInfo small;
    ASSERT_EQ(RunSetDim({0, "20", "0.2164", ""}, small).message, "");
    EXPECT_EQ(small.ExtThd.PointName, "NONE");
    EXPECT_EQ(small.ExtThd.PointDia, 0);
    EXPECT_EQ(small.ExtThd.SetToFlat, 0);
    EXPECT_EQ(small.ExtThd.SetToV, 0);
    EXPECT_EQ(small.ExtThd.Setting.RollSetting, 0);
    // Internal PD min 0.9188 alone: the internal thread, small gauge model
    // (0.625 to 1.5), not very small.
    TTInfo internal;
    const SetDimOutcome r = RunSetDim({0, "8", "", "0.9188"}, internal);
    ASSERT_EQ(r.message, "");
    EXPECT_TRUE(r.internalOnly);
    EXPECT_EQ(internal.IntThd.Setting.SmallGage, 1);
    EXPECT_EQ(internal.IntThd.Setting.VerySmall, 0);
    EXPECT_EQ(internal.IntThd.Setting.PointModel, "QSP-2000");
    EXPECT_GT(internal.IntThd.SetToFlat, 0);
    // One PD given: no class to designate and no pair of limits to take a
    // tolerance from, each said rather than shown as "-B" or a bare N/A.
    EXPECT_EQ(DesignationText(internal.IntThd), "0.9188-8");
    const GaugeSettingText page = BuildGaugeSettingPage(internal, false, true, false);
    EXPECT_EQ(page.tolerance, "  N/A");
    EXPECT_EQ(page.note, "tolerance N/A: one pitch diameter was given, not its two limits"
                         " \u2014 see Help \u203a Gauge setting");
}

} // namespace
