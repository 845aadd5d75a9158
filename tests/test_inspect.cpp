// Inspecting an external thread: a reading over wires turned back into its
// pitch diameter, measured pitch diameters judged against the limits, and the
// entries of the Inspect page.
#include "gauges/inspect.h"
#include "pages/inspect_page.h"

#include "core/thread_record.h"
#include "gauges/wires.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// A thread of class 6: 6g6g/6H6H.
std::unique_ptr<TTInfo> Calc(const std::string& type, double dia, float tpi, const std::string& cls,
                             uint16_t starts, WireHelix helix = WireHelix::Standard) {
    auto rec = Calculated(type.c_str(), cls == "6" ? "6g6g/6H6H" : cls.c_str(), dia, tpi, starts);
    rec->Helix = helix;
    rec->Calculate();
    return rec;
}

class InverseReading : public testing::TestWithParam<DataRow> {};

// The reading at a pitch diameter, over the best, the smallest and the largest wire,
// gives that pitch diameter back (1e-7 in; in millimetres 2.54e-6).
TEST_P(InverseReading, ReturnsThePitchDiameterTheReadingStartedFrom) {
    ShippedTables tables;
    const DataRow& c = GetParam();
    const auto rec = Calc(c.Text("type"), c.Num("dia"), c.Float("tpi"), c.Text("class"),
                          static_cast<uint16_t>(c.Int("starts")),
                          c.Text("helix") == "exact" ? WireHelix::Exact : WireHelix::Standard);
    const TThdInfo& ext = rec->ExtThd;
    const bool metric = ext.TypeCode == kTypeM;
    const double tolerance = metric ? 2.54e-6 : 1e-7;
    ASSERT_GT(ext.PD.Max, ext.PD.Min);
    for (double wire : {ext.BestWire, ext.MinWire, ext.MaxWire}) {
        TThdInfo m = ext;
        m.CurWire = wire;
        // A larger wire may take the compensation over its threshold.
        const bool corrected = ReadingsCorrected(m);
        if (wire == ext.BestWire) {
            EXPECT_EQ(corrected, c.Flag("corrected"));
        }
        // The limits and a value between them that is not on the fourth place.
        for (double pd : {ext.PD.Min, ext.PD.Max, (ext.PD.Min + ext.PD.Max) / 2 + 0.0000137}) {
            const double reading = ReadingOverWires(m, pd, wire, corrected);
            const auto back = PDFromWireReading(ext, reading, wire);
            ASSERT_TRUE(back.has_value()) << pd;
            EXPECT_NEAR(*back, pd, tolerance) << "wire " << wire << " pd " << pd;
        }
    }
    // The "Max Wire Reading" the thread page shows (rounded to five places)
    // measures PD max: on the limit, inside.
    TThdInfo shown = ext;
    const double maxReading = GageWireReading(shown);
    const PDCheck onMax = CheckPD(ext, *PDFromWireReading(ext, maxReading, shown.CurWire));
    EXPECT_EQ(onMax.verdict, PDVerdict::Inside);
    EXPECT_EQ(onMax.marginToMax, 0);
}

DATA_ROWS(InverseReading, "inspect_round_trips");

// A published example: machinecalcs.com, "Thread Pitch Diameter Calculator", worked
// example: 1/2-13 UNC over three 1.128 mm wires, M = 13 mm, gives E = 11.308 mm
// (E = M - 3W + 0.86603 P). A single-start 1/2-13 reading carries no correction.
// A reading below what any pitch diameter gives has no answer.
TEST(InverseReadingExample, PublishedThreeWireExampleAndImpossibleReading) {
    ShippedTables tables;
    const auto rec = Calc("UN", 0.5, 13, "2", 1);
    const auto pd = PDFromWireReading(rec->ExtThd, 13 / 25.4, 1.128 / 25.4);
    ASSERT_TRUE(pd.has_value());
    EXPECT_NEAR(*pd * 25.4, 11.308, 0.0005);
    EXPECT_FALSE(PDFromWireReading(rec->ExtThd, 0.01, rec->ExtThd.BestWire).has_value());
    EXPECT_FALSE(PDFromWireReading(rec->ExtThd, 0.5, 0).has_value());
}

class Verdict : public testing::TestWithParam<DataRow> {};

TEST_P(Verdict, MarginsAndPositionInTheTolerance) {
    TThdInfo ext;
    ext.TypeCode = kTypeUN;
    ext.PD.Max = 0.2164;
    ext.PD.Min = 0.2127;
    const DataRow& c = GetParam();
    const PDCheck r = CheckPD(ext, c.Num("measured"));
    const std::map<std::string, PDVerdict> verdicts = {{"inside", PDVerdict::Inside},
                                                       {"above", PDVerdict::AboveMax},
                                                       {"below", PDVerdict::BelowMin}};
    EXPECT_EQ(r.verdict, verdicts.at(c.Text("verdict")));
    EXPECT_NEAR(r.marginToMax, c.Num("to_max"), 1e-12);
    EXPECT_NEAR(r.marginToMin, c.Num("to_min"), 1e-12);
    EXPECT_NEAR(r.percentOfTolerance, c.Num("percent"), 1e-9);
}

DATA_ROWS(Verdict, "inspect_verdicts");

// Three positions along the thread: the extremes give the margins, one reading
// outside makes the whole part outside.
TEST(Verdict, SeveralReadings) {
    TThdInfo ext;
    ext.TypeCode = kTypeUN;
    ext.PD.Max = 0.2164;
    ext.PD.Min = 0.2127;
    const PDInspection in = InspectPDs(ext, {0.2150, 0.2158, 0.2140});
    EXPECT_EQ(in.overall, PDVerdict::Inside);
    EXPECT_NEAR(in.spread, 0.0018, 1e-12);
    EXPECT_NEAR(in.spreadPercent, 18.0 / 37 * 100, 1e-9);
    EXPECT_NEAR(in.marginToMax, 0.0006, 1e-12);
    EXPECT_NEAR(in.marginToMin, 0.0013, 1e-12);
    EXPECT_NEAR(in.meanPD, 0.6448 / 3, 1e-12); // (0.2150 + 0.2158 + 0.2140) / 3

    const PDInspection out = InspectPDs(ext, {0.2150, 0.2166, 0.2125});
    EXPECT_EQ(out.overall, PDVerdict::AboveMax);
    EXPECT_EQ(out.readings[2].verdict, PDVerdict::BelowMin);
    EXPECT_NEAR(out.marginToMax, -0.0002, 1e-12);
    EXPECT_NEAR(out.marginToMin, -0.0002, 1e-12);
    EXPECT_NEAR(out.minPD, 0.2125, 1e-12);
    EXPECT_NEAR(out.maxPD, 0.2166, 1e-12);
}

class InspectEntries : public testing::TestWithParam<DataRow> {};

TEST_P(InspectEntries, AreCheckedItemByItem) {
    const DataRow& c = GetParam();
    ShippedTables tables;
    const auto rec = Calc("UN", 0.25, 20, "2", 1);
    InspectEntry e;
    e.overWires = c.Flag("over_wires");
    e.valuesText = c.Text("values");
    e.wireText = c.Text("wire");
    const InspectPageText page = BuildInspectPage(*rec, e, false);
    const std::string said = c.Text("said");
    EXPECT_EQ((page.message.empty() ? page.verdict : page.message).substr(0, said.size()), said);
}

DATA_ROWS(InspectEntries, "inspect_entries");

} // namespace
