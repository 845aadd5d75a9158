// Inspecting an external thread: a reading over wires turned back into its
// pitch diameter, measured pitch diameters judged against the limits, and the
// entries of the Inspect page.
#include "gauges/inspect.h"
#include "pages/inspect_page.h"

#include "core/thread_record.h"
#include "gauges/wires.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<TTInfo> Calc(const char* type, double dia, float tpi, const char* cls,
                             uint16_t starts, WireHelix helix = WireHelix::Standard)
{
    auto rec = std::make_unique<TTInfo>();
    rec->Helix = helix;
    rec->SetThreadType(type);
    rec->SetNomDia(dia);
    rec->SetTPI(tpi);
    if (*cls == '6') {
        rec->ExtThd.SetTolInfo("6g6g");
        rec->IntThd.SetTolInfo("6H6H");
    } else {
        rec->SetClass(cls);
    }
    rec->SetStarts(starts);
    rec->Calculate();
    return rec;
}

struct RoundTripCase {
    const char* name;
    const char* type;
    double dia;
    float tpi; // or the metric pitch
    const char* cls;
    uint16_t starts;
    bool corrected; // whether the readings over the best wire carry the helix correction
    WireHelix helix = WireHelix::Standard;
};

// Corrected or not by hand, over the best wire: the compensation W tan^2(lead) cos(a) /
// (2 tan(a)) is 0.00012 in for 1/4-20 and 0.00011 in for 1-10 stub Acme (under
// 0.00015 in), 0.0018 mm for M10x1.5 (under 0.0038 mm), 0.00097 in for 1-5 Acme;
// buttress readings never are corrected, more than one start always is. The
// exact geometry always corrects, the buttress too.
const RoundTripCase kRoundTrips[] = {
    {"UNC_quarter_20", "UN", 0.25, 20, "2", 1, false},
    {"UNC_quarter_20_two_starts", "UN", 0.25, 20, "2", 2, true},
    {"UNF_one_inch_12_three_starts", "UN", 1.0, 12, "3", 3, true},
    {"M10x1_5", "M", 10, 1.5f, "6", 1, false},
    {"M10x1_5_three_starts", "M", 10, 1.5f, "6", 3, true},
    {"Acme_1_5_2G", "ACME", 1.0, 5, "2G", 1, true},
    {"Acme_2_4_3G_four_starts", "ACME", 2.0, 4, "3G", 4, true},
    {"Stub_Acme_1_10", "STUB ACME", 1.0, 10, "2G", 1, false},
    {"Buttress_2_8", "745BUTT", 2.0, 8, "2", 1, false},
    {"exact_UNC_quarter_20", "UN", 0.25, 20, "2", 1, true, WireHelix::Exact},
    {"exact_M10x1_5_three_starts", "M", 10, 1.5f, "6", 3, true, WireHelix::Exact},
    {"exact_Acme_2_4_3G_four_starts", "ACME", 2.0, 4, "3G", 4, true, WireHelix::Exact},
    {"exact_Buttress_2_8_two_starts", "745BUTT", 2.0, 8, "2", 2, true, WireHelix::Exact},
};

class InverseReading : public testing::TestWithParam<RoundTripCase> {};

// The reading at a pitch diameter, over the best, the smallest and the largest wire,
// gives that pitch diameter back (1e-7 in; in millimetres 2.54e-6).
TEST_P(InverseReading, ReturnsThePitchDiameterTheReadingStartedFrom)
{
    ShippedTables tables;
    const RoundTripCase& c = GetParam();
    const auto rec = Calc(c.type, c.dia, c.tpi, c.cls, c.starts, c.helix);
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
            EXPECT_EQ(corrected, c.corrected);
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

INSTANTIATE_TEST_SUITE_P(Families, InverseReading, testing::ValuesIn(kRoundTrips),
                         [](const auto& info) { return std::string(info.param.name); });

// A published example: machinecalcs.com, "Thread Pitch Diameter Calculator", worked
// example: 1/2-13 UNC over three 1.128 mm wires, M = 13 mm, gives E = 11.308 mm
// (E = M - 3W + 0.86603 P). A single-start 1/2-13 reading carries no correction.
// A reading below what any pitch diameter gives has no answer.
TEST(InverseReadingExample, PublishedThreeWireExampleAndImpossibleReading)
{
    ShippedTables tables;
    const auto rec = Calc("UN", 0.5, 13, "2", 1);
    const auto pd = PDFromWireReading(rec->ExtThd, 13 / 25.4, 1.128 / 25.4);
    ASSERT_TRUE(pd.has_value());
    EXPECT_NEAR(*pd * 25.4, 11.308, 0.0005);
    EXPECT_FALSE(PDFromWireReading(rec->ExtThd, 0.01, rec->ExtThd.BestWire).has_value());
    EXPECT_FALSE(PDFromWireReading(rec->ExtThd, 0.5, 0).has_value());
}

struct VerdictCase {
    const char* name;
    double measured;
    PDVerdict verdict;
    double toMax, toMin, percent;
};

// 1/4-20 UNC-2A: PD 0.2127 to 0.2164, tolerance 0.0037 (ASME B1.1). Judged to four
// places: 0.21644 is 0.2164, 0.21646 is 0.2165.
const VerdictCase kVerdicts[] = {
    {"inside", 0.2150, PDVerdict::Inside, 0.0014, 0.0023, 23.0 / 37 * 100},
    {"on_max", 0.2164, PDVerdict::Inside, 0, 0.0037, 100},
    {"on_min", 0.2127, PDVerdict::Inside, 0.0037, 0, 0},
    {"rounds_to_max", 0.21644, PDVerdict::Inside, 0, 0.0037, 100},
    {"rounds_above_max", 0.21646, PDVerdict::AboveMax, -0.0001, 0.0038, 38.0 / 37 * 100},
    {"above", 0.2170, PDVerdict::AboveMax, -0.0006, 0.0043, 43.0 / 37 * 100},
    {"below", 0.2120, PDVerdict::BelowMin, 0.0044, -0.0007, -7.0 / 37 * 100},
};

class Verdict : public testing::TestWithParam<VerdictCase> {};

TEST_P(Verdict, MarginsAndPositionInTheTolerance)
{
    TThdInfo ext;
    ext.TypeCode = kTypeUN;
    ext.PD.Max = 0.2164;
    ext.PD.Min = 0.2127;
    const VerdictCase& c = GetParam();
    const PDCheck r = CheckPD(ext, c.measured);
    EXPECT_EQ(r.verdict, c.verdict);
    EXPECT_NEAR(r.marginToMax, c.toMax, 1e-12);
    EXPECT_NEAR(r.marginToMin, c.toMin, 1e-12);
    EXPECT_NEAR(r.percentOfTolerance, c.percent, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(QuarterTwenty, Verdict, testing::ValuesIn(kVerdicts),
                         [](const auto& info) { return std::string(info.param.name); });

// Three positions along the thread: the extremes give the margins, one reading
// outside makes the whole part outside.
TEST(Verdict, SeveralReadings)
{
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

// Each item of the page's list is checked as a typed value is, in the display
// unit or its own; the first that is no measurement is named. 1/4-20 UNC-2A:
// 5.6 mm = 0.22047 in is 0.0041 above the PD max 0.2164.
TEST(InspectPage, EntriesAreCheckedItemByItem)
{
    ShippedTables tables;
    const auto rec = Calc("UN", 0.25, 20, "2", 1);
    const struct {
        const char* name;
        bool overWires;
        const char *values, *wire;
        std::string said; // the refusal, else the start of the verdict
    } cases[] = {
        {"notANumber", true, "0.2597,abc", "", "Invalid reading over wires: abc"},
        {"emptyItem", false, "0.215,,0.216", "", "Invalid pitch diameter: (empty)"},
        // A pitch diameter the page shows as 0.0000, or larger than any thread.
        {"shownAsZero", false, "1e-300", "", "Invalid pitch diameter: 1e-300"},
        {"pdOf1e308", false, "0.215;1e308", "", "Invalid pitch diameter: 1e308"},
        {"readingOf1e308", true, "1e308", "", "Invalid reading over wires: 1e308"},
        {"wireBeyondTheLargest", true, "0.26", "0.06", "Invalid Wire Size!"},
        {"millimetresOnAnInchThread", false, " 5.6mm ", "", "Outside: 0.0041 above PD max"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        InspectEntry e;
        e.overWires = c.overWires;
        e.valuesText = c.values;
        e.wireText = c.wire;
        const InspectPageText page = BuildInspectPage(*rec, e, false);
        EXPECT_EQ((page.message.empty() ? page.verdict : page.message).substr(0, c.said.size()),
                  c.said);
    }
}

} // namespace
