// Tap drills of internal unified and metric threads: the drills within the minor
// diameter limits, their percentage of thread and the recommended one.
#include "pages/tap_drills.h"

#include "core/thread_record.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct DrillRow {
    const char* name;
    double diameter; // the thread's units
    double percent;  // (D - drill) / (2 x 0.649519 P) x 100 by hand
    bool recommended;
};

struct TapDrillCase {
    const char* name;
    const char* type;
    double dia;
    float pitch;
    const char* cls;
    std::vector<DrillRow> rows;
};

// 1/4-20 UNC-2B: minor 0.1960 to 0.2070 (ASME B1.1); 2 x 0.649519 x 0.05 = 0.0649519.
// M10x1.5-6H: D1 8.376 to 8.676 (ISO 965-1); 2 x 0.649519 x 1.5 = 1.948557 mm;
// Q = 0.332 in = 8.4328 mm, R = 0.339 in = 8.6106 mm.
const TapDrillCase kCases[] = {
    {"UNC_quarter_20_2B",
     "UN",
     0.25,
     20,
     "2",
     {{"#9", 0.1960, 0.054 / 0.0649519 * 100, false},
      {"5 mm", 5 / 25.4, (0.25 - 5 / 25.4) / 0.0649519 * 100, false},
      {"#8", 0.1990, 0.051 / 0.0649519 * 100, false},
      {"5.1 mm", 5.1 / 25.4, (0.25 - 5.1 / 25.4) / 0.0649519 * 100, false},
      {"#7", 0.2010, 75.4404, true},
      {"13/64", 0.203125, 0.046875 / 0.0649519 * 100, false},
      {"#6", 0.2040, 0.046 / 0.0649519 * 100, false},
      {"5.2 mm", 5.2 / 25.4, (0.25 - 5.2 / 25.4) / 0.0649519 * 100, false},
      {"#5", 0.2055, 0.0445 / 0.0649519 * 100, false}}},
    {"M10x1_5_6H",
     "M",
     10,
     1.5f,
     "6g6g/6H6H",
     {{"8.4 mm", 8.4, 1.6 / 1.948557 * 100, false},
      {"Q", 8.4328, 1.5672 / 1.948557 * 100, false},
      {"8.5 mm", 8.5, 76.9800, true},
      {"8.6 mm", 8.6, 1.4 / 1.948557 * 100, false},
      {"R", 8.6106, 1.3894 / 1.948557 * 100, false}}},
};

class TapDrillRows : public testing::TestWithParam<TapDrillCase> {};

TEST_P(TapDrillRows, DrillsWithinTheMinorLimitsAndTheRecommendedOne) {
    ShippedTables tables;
    const TapDrillCase& c = GetParam();
    const auto rec = Calculated(c.type, c.cls, c.dia, c.pitch);
    const std::vector<TapDrill> drills = TapDrills(*rec);
    ASSERT_EQ(drills.size(), c.rows.size());
    for (std::size_t i = 0; i < drills.size(); ++i) {
        SCOPED_TRACE(c.rows[i].name);
        EXPECT_EQ(drills[i].name, c.rows[i].name);
        EXPECT_NEAR(drills[i].diameter, c.rows[i].diameter, 1e-9);
        EXPECT_NEAR(drills[i].percentThread, c.rows[i].percent, 1e-3);
        EXPECT_EQ(drills[i].recommended, c.rows[i].recommended);
    }
}

INSTANTIATE_TEST_SUITE_P(Threads, TapDrillRows, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Drills looked up in a table of a few rows, written out of diameter order:
// the smallest and the largest found on the limits, none where the limits fall
// between two rows. 1/4-20 UNC-2B: minor 0.1960 to 0.2070 in; 5.1 mm = 0.20079 in.
// M10x1.5-6H: D1 8.376 to 8.676 mm; Q = 0.3320 in = 8.4328 mm, 0.3415 in = 8.6741 mm.
struct DrillTableCase {
    const char* name;
    const char* type;
    double dia;
    float pitch;
    const char* cls;
    const char* rows; // series,name,dia_in,dia_mm
    std::vector<std::string> found;
};

const DrillTableCase kTableCases[] = {
    {"FirstAndLastRowOnTheLimits",
     "UN",
     0.25,
     20,
     "2",
     "Letter,Big,0.2070,\nNumber,Mid,0.2010,\nMetric,5.1,,5.1\nNumber,Small,0.1960,\n",
     {"Small", "5.1 mm", "Mid", "Big"}},
    {"LimitsBetweenTwoRows",
     "UN",
     0.25,
     20,
     "2",
     "Number,Below,0.1959,\nNumber,Above,0.2071,\n",
     {}},
    {"MetricThreadInchAndMetricDrills",
     "M",
     10,
     1.5f,
     "6g6g/6H6H",
     "Metric,8.68,,8.68\nNumber,Last,0.3415,\nLetter,Q,0.3320,\nMetric,8.38,,8.38\n"
     "Metric,8.37,,8.37\n",
     {"8.38 mm", "Q", "Last"}},
};

class TapDrillTable : public testing::TestWithParam<DrillTableCase> {};

TEST_P(TapDrillTable, DrillsWithinTheLimitsInOrderOfDiameter) {
    const DrillTableCase& c = GetParam();
    std::unique_ptr<TTInfo> rec;
    {
        ShippedTables shipped;
        rec = Calculated(c.type, c.cls, c.dia, c.pitch);
    }
    TestTables tables({});
    tables.Write("drills", c.rows);
    std::vector<std::string> names;
    for (const TapDrill& d : TapDrills(*rec))
        names.push_back(d.name);
    EXPECT_EQ(names, c.found);
}

INSTANTIATE_TEST_SUITE_P(Tables, TapDrillTable, testing::ValuesIn(kTableCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The page block: the recommended row marked, millimetres in millimetre display; no
// block for an Acme thread; a missing drill table is a note, not a failure.
TEST(TapDrillGrid, BlockTextsAndThreadsWithout) {
    ShippedTables tables;
    const auto un = Calculated("UN", "2", 0.25, 20);
    const TextGrid inch = TapDrillGrid(*un, false);
    ASSERT_EQ(inch.size(), 10u);
    EXPECT_EQ(inch[5], (std::vector<std::string>{"#7", "0.2010", "75.4", "Yes"}));
    EXPECT_EQ(TapDrillGrid(*un, true)[5][1], "5.105"); // 0.2010 x 25.4 = 5.1054

    EXPECT_TRUE(TapDrillGrid(*Calculated("ACME", "2G", 1.0, 5), false).empty());

    TestTables noDrills({"unxtol"});
    const TextGrid missing = TapDrillGrid(*un, false);
    ASSERT_EQ(missing.size(), 2u);
    EXPECT_NE(missing[1][0].find("drills.bin"), std::string::npos);
}

} // namespace
