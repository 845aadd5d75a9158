// The Set Dim tool: its type list and pitch captions, the record it builds
// from one pitch diameter, and its refusals. Cases from the tool's worked
// examples.
#include "core/designation.h"
#include "core/thread_record.h"
#include "pages/gauge_setting_page.h"
#include "pages/set_dim.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SetDimTypes, TwelveTypesInCodeOrderWithTheirPitchCaption) {
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

class SetDimRuns : public testing::TestWithParam<DataRow> {};

TEST_P(SetDimRuns, BuildTheRecordOrRefuse) {
    const DataRow& c = GetParam();
    const SetDimEntry entry{c.Int("type"), c.Text("pitch"), c.Text("ext_pd"), c.Text("int_pd")};
    TTInfo rec;
    const SetDimOutcome r = RunSetDim(entry, rec);
    EXPECT_EQ(r.message, c.Text("message"));
    if (!r.message.empty()) return;
    EXPECT_EQ(r.internalOnly, c.Flag("internal_only"));
    EXPECT_EQ(r.metricDisplay, c.Flag("metric_display"));
    const double nomDia = c.Num("nom_dia");
    EXPECT_DOUBLE_EQ(rec.NomDia, nomDia);
    for (const TThdInfo* m : {&rec.ExtThd, &rec.IntThd}) {
        EXPECT_DOUBLE_EQ(m->PD.Max, nomDia);
        EXPECT_DOUBLE_EQ(m->PD.Min, nomDia);
    }
    EXPECT_EQ(rec.ExtThd.TypeCode,
              SetDimTypes()[static_cast<std::size_t>(entry.typeIndex)].typeCode);
}

DATA_ROWS(SetDimRuns, "set_dim_runs");

// The gauge-setting step on the tool's record, with the shipped catalogue.
TEST(SetDimSetting, SmallThreadsAndTheInternalOnlyCase) {
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
