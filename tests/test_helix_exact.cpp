// The reading over three wires from the exact geometry of the helicoid, and
// the record's choice between it and the standard formula.
#include "gauges/helix_exact.h"

#include "core/thread_record.h"
#include "pages/result_pages.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

class ExactReadings : public testing::TestWithParam<DataRow> {};

// tests/data/exact_readings.csv, to the 1e-9 in the readings need, and back to
// the pitch diameter.
TEST_P(ExactReadings, MatchTheWorkedSeatAndInvertToTheirPitchDiameter) {
    const DataRow& c = GetParam();
    const double deg = std::numbers::pi / 180;
    const HelicoidForm form{c.Num("pitch"), c.Num("lead"), c.Num("flank1") * deg,
                            c.Num("flank2") * deg};
    const auto reading = ExactWireReading(form, c.Num("pd"), c.Num("wire"));
    ASSERT_TRUE(reading.has_value());
    EXPECT_NEAR(*reading, c.Num("reading"), 1e-9);
    const auto pd = ExactPDFromReading(form, c.Num("reading"), c.Num("wire"));
    ASSERT_TRUE(pd.has_value());
    EXPECT_NEAR(*pd, c.Num("pd"), 1e-9);
}

DATA_ROWS(ExactReadings, "exact_readings");

// Without lead the seat is the plane one: the buttress's wire constants
// P / (tan 7 + tan 45) and 1 + (sec 7 + sec 45) / (tan 7 + tan 45) unrounded,
// 0.8906433 and 3.1568913. No wire seats in a form without a groove.
TEST(ExactReading, WithoutLeadTheSectionFormulaAndNoSeatWithoutAGroove) {
    const double deg = std::numbers::pi / 180;
    const auto flat = ExactWireReading({0.125, 0, 7 * deg, 45 * deg}, 0.9192, 0.06768375);
    ASSERT_TRUE(flat.has_value());
    EXPECT_NEAR(*flat, 0.9192 - 0.8906433 * 0.125 + 3.1568913 * 0.06768375, 2e-7);
    EXPECT_FALSE(ExactWireReading({0.125, 0.125, 0, 0}, 0.9192, 0.06).has_value());
    EXPECT_FALSE(ExactPDFromReading({0.125, 0.125, 7 * deg, 45 * deg}, -1, 0.06).has_value());
}

// 7/8-6 Acme 2G: the Max Wire Reading over the 0.09623 wire at PD max 0.7842 is
// 0.94336 by the standard formula and 0.9432663 (above) by the exact geometry;
// the pages say which.
TEST(ExactReading, RecordChoosesTheReadingsAndThePagesSayWhich) {
    ShippedTables tables;
    for (const auto& [helix, reading, line] :
         {std::tuple{WireHelix::Standard, "0.94336", "Wire readings: standard formula"},
          std::tuple{WireHelix::Exact, "0.94327", "Wire readings: exact geometry"}}) {
        TTInfo rec;
        rec.SetThreadType("ACME");
        rec.SetClass("2G");
        rec.SetNomDia(0.875);
        rec.SetTPI(6);
        rec.Helix = helix;
        rec.Calculate();
        const ResultPagesText pages = BuildResultPages(rec, "", false, false);
        EXPECT_EQ(pages.thread[13][0], "Max Wire Reading");
        EXPECT_EQ(pages.thread[13][2], reading);
        EXPECT_EQ(pages.readingsLine, line);
    }
}

} // namespace
