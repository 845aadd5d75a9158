// The reading over three wires from the exact geometry of the helicoid, and
// the record's choice between it and the standard formula.
#include "gauges/helix_exact.h"

#include "core/thread_record.h"
#include "pages/result_pages.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

struct ExactCase {
    const char* name;
    double pd, pitch, lead, flank1, flank2, wire; // inches, degrees
    double reading;                               // worked outside the program
};

// Worked outside the program in 25-digit arithmetic (mpmath) by another route
// than the program's: each point of the wire's surface (t along its axis, phi
// around it) carried along the helix into one axial section, where each flank
// is a straight line; the extreme of each flank's function over the wire by a
// root finder on numerically differentiated gradients, R where the two
// touching points lie half a pitch apart at the pitch diameter, and the lean
// of the wire by golden-section search for the least R. The symmetric forms
// were checked again by the shortest distance from the wire's axis to the flank
// surface (1e-15), the buttress by sampling the wire's surface. NBS Handbook
// H28's formula (1), E = M + cot A / 2n - w(1 + cosec A'), tan A' = tan A cos B,
// with B the lean found, agrees to 2e-5 in for one start and to 3e-4 in for
// the steep leads, where the contact points it assumes no longer hold.
const ExactCase kExact[] = {
    {"sixty_1_4_20_one_start", 0.2164, 0.05, 0.05, 30, 30, 0.0288675, 0.25981079417949},
    {"sixty_1_4_20_three_starts", 0.2164, 0.05, 0.15, 30, 30, 0.0288675, 0.26067171084953},
    {"acme_7_8_6_one_start", 0.7842, 1 / 6.0, 1 / 6.0, 14.5, 14.5, 0.09623, 0.943266258283269},
    {"acme_7_8_6_four_starts", 0.7842, 1 / 6.0, 4 / 6.0, 14.5, 14.5, 0.09623, 0.953720594818031},
    {"buttress_8_tpi_one_start", 0.9192, 0.125, 0.125, 7, 45, 0.06768375, 1.0216313404135},
    {"buttress_8_tpi_four_starts", 0.9192, 0.125, 0.5, 7, 45, 0.06768375, 1.0229919365777},
};

class ExactReading : public testing::TestWithParam<ExactCase> {};

// To the 1e-9 in the readings need, and back to the pitch diameter.
TEST_P(ExactReading, MatchesTheWorkedSeatAndInvertsToItsPitchDiameter) {
    const ExactCase& c = GetParam();
    const double deg = std::numbers::pi / 180;
    const HelicoidForm form{c.pitch, c.lead, c.flank1 * deg, c.flank2 * deg};
    const auto reading = ExactWireReading(form, c.pd, c.wire);
    ASSERT_TRUE(reading.has_value());
    EXPECT_NEAR(*reading, c.reading, 1e-9);
    const auto pd = ExactPDFromReading(form, c.reading, c.wire);
    ASSERT_TRUE(pd.has_value());
    EXPECT_NEAR(*pd, c.pd, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Forms, ExactReading, testing::ValuesIn(kExact),
                         [](const auto& info) { return std::string(info.param.name); });

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
