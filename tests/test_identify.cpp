// Naming the thread of a measured part: the standard thread that the reading
// fits ranks first, with the limits its standard prints for it.
#include "pages/identify.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace {

constexpr double kMm = 1 / 25.4;

class IdentifyPart : public testing::TestWithParam<DataRow> {};

TEST_P(IdentifyPart, RanksTheRightThreadFirst) {
    ShippedTables tables;
    const DataRow& p = GetParam();
    const double unit = p.Text("unit") == "mm" ? kMm : 1;
    const double diameter = p.Num("diameter") * unit;
    const double diaMin = p.Num("dia_min") * unit, diaMax = p.Num("dia_max") * unit;
    const double pitch = unit == 1 ? 1 / p.Num("pitch") : p.Num("pitch") * kMm;
    const std::vector<IdentifyMatch> found = IdentifyThread({diameter, p.Flag("internal"), pitch});
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found[0].designation, p.Text("first"));
    EXPECT_NEAR(found[0].diaMin, diaMin, 0.00006);
    EXPECT_NEAR(found[0].diaMax, diaMax, 0.00006);
    const double off = diameter < diaMin   ? diaMin - diameter
                       : diameter > diaMax ? diameter - diaMax
                                           : 0;
    EXPECT_NEAR(found[0].offLimits, off, 0.00006);
    // Closest first throughout.
    for (std::size_t i = 1; i < found.size(); ++i)
        EXPECT_LE(found[i - 1].offLimits, found[i].offLimits);
}

DATA_ROWS(IdentifyPart, "identify_parts");

TEST(Identify, SaysWhenNothingFits) {
    ShippedTables tables;
    const struct {
        const char* name;
        IdentifyQuery query;
    } cases[] = {
        // 1/4-20's major is 0.2408 at least: 0.0108 below is no wear.
        {"too small for 1/4-20", {0.2300, false, 1 / 20.0}},
        {"no standard has 19 tpi", {0.2500, false, 1 / 19.0}},
        // 1.6 % off 20 tpi: an M8 pitch, never an inch one.
        {"1/4 at 1.25 mm", {0.2480, false, 1.25 * kMm}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(IdentifyThread(c.query).empty());
    }
    // The grid is still headed by the diameter that was measured.
    EXPECT_EQ(IdentifyGrid({0.2, true, 0.05}, {}, false),
              (TextGrid{{"Designation", "Family", "Off Limits", "Minor Min", "Minor Max", "PD Min",
                         "PD Max"}}));
}

class IdentifyEntries : public testing::TestWithParam<DataRow> {};

TEST_P(IdentifyEntries, ReadLengthsAndPitchesWithTheirUnits) {
    const DataRow& c = GetParam();
    const bool mm = c.Text("default") == "mm";
    double v = 0;
    const bool ok = c.Text("entry") == "pitch" ? ParsePitchEntry(c.Text("text"), mm, v)
                                               : ParseLengthEntry(c.Text("text"), mm, v);
    EXPECT_EQ(ok, c.Flag("ok"));
    if (ok) {
        EXPECT_NEAR(v, c.Num("inches"), 1e-12);
    }
}

DATA_ROWS(IdentifyEntries, "identify_entries");

} // namespace
