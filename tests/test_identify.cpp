// Naming the thread of a measured part: the standard thread that the reading
// fits ranks first, with the limits its standard prints for it.
#include "pages/identify.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

constexpr double kMm = 1 / 25.4;

struct Part {
    const char* name;
    double diameter; // inches
    bool internal;
    double pitch; // inches
    const char* first;
    double diaMin, diaMax; // the limits the standard prints, inches
};

// Limits: ASME B1.1 Table 2 (unified), ISO 965-2 (metric 6g, 6H), ASME B1.5
// (Acme 2G), ASME B1.20.1 Table 2 (NPT: E0 + h and the pipe OD; h = 0.8P).
const Part kParts[] = {
    {"1/4-20 UNC worn slightly", 0.2480, false, 1 / 20.0, "1/4-20 UNC-2A", 0.2408, 0.2489},
    {"3/8-24 UNF, fine series", 0.3730, false, 1 / 24.0, "3/8-24 UNF-2A", 0.3667, 0.3739},
    {"#10-32 UNF, a number size", 0.1880, false, 1 / 32.0, "#10-32 UNF-2A", 0.1831, 0.1891},
    {"1-8 UNC", 0.9950, false, 1 / 8.0, "1-8 UNC-2A", 0.9830, 0.9980},
    {"1/4-20 UNC nut, minor measured", 0.2010, true, 1 / 20.0, "1/4-20 UNC-2B", 0.1960, 0.2070},
    {"M10x1.5 just over its max", 9.97 * kMm, false, 1.5 * kMm, "M 10 X 1.5 - 6g6g", 9.732 * kMm,
     9.968 * kMm},
    {"M12x1.25, metric fine", 11.96 * kMm, false, 1.25 * kMm, "M 12 X 1.25 - 6g6g", 11.760 * kMm,
     11.972 * kMm},
    {"M6x1", 5.95 * kMm, false, 1.0 * kMm, "M 6 X 1 - 6g6g", 5.794 * kMm, 5.974 * kMm},
    {"M10x1.5 nut, minor measured", 8.45 * kMm, true, 1.5 * kMm, "M 10 X 1.5 - 6H6H", 8.376 * kMm,
     8.676 * kMm},
    {"1/2-10 Acme", 0.4980, false, 1 / 10.0, "1/2-10 ACME-2G", 0.4950, 0.5000},
    {"1/2 NPT pipe", 0.838, false, 1 / 14.0, "1/2 - 14 NPT", 0.75843 + 0.8 / 14, 0.8400},
    {"1 1/2 NPT pipe", 1.895, false, 1 / 11.5, "1 1/2 - 11.5 NPT", 1.79609 + 0.8 / 11.5, 1.9000},
};

class IdentifyPart : public testing::TestWithParam<Part> {};

TEST_P(IdentifyPart, RanksTheRightThreadFirst) {
    ShippedTables tables;
    const Part& p = GetParam();
    const std::vector<IdentifyMatch> found = IdentifyThread({p.diameter, p.internal, p.pitch});
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found[0].designation, p.first);
    EXPECT_NEAR(found[0].diaMin, p.diaMin, 0.00006);
    EXPECT_NEAR(found[0].diaMax, p.diaMax, 0.00006);
    const double off = p.diameter < p.diaMin   ? p.diaMin - p.diameter
                       : p.diameter > p.diaMax ? p.diameter - p.diaMax
                                               : 0;
    EXPECT_NEAR(found[0].offLimits, off, 0.00006);
    // Closest first throughout.
    for (std::size_t i = 1; i < found.size(); ++i)
        EXPECT_LE(found[i - 1].offLimits, found[i].offLimits);
}

INSTANTIATE_TEST_SUITE_P(Parts, IdentifyPart, testing::ValuesIn(kParts), [](const auto& info) {
    std::string n;
    for (char c : std::string(info.param.name))
        n += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return n;
});

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

TEST(Identify, ReadsLengthsAndPitchesWithTheirUnits) {
    const struct {
        const char* text;
        bool mmDefault;
        bool pitch;
        bool ok;
        double inches;
    } cases[] = {
        {"0.25in", false, false, true, 0.25},
        {"6.35mm", false, false, true, 0.25},
        {"6.35 MM", false, false, true, 0.25},
        {"0.25\"", true, false, true, 0.25},
        {"6.35", true, false, true, 0.25},
        {"0.25", false, false, true, 0.25},
        {"0.25ft", false, false, false, 0},
        {"-0.25", false, false, false, 0},
        {"abc", false, false, false, 0},
        // A reading the page shows as 0.0000, or larger than any thread.
        {"1e308", false, false, false, 0},
        {"1e-300", false, false, false, 0},
        {"1e308", false, true, false, 0},
        {"20", false, true, true, 0.05},
        {"20 tpi", true, true, true, 0.05},
        {"1.27mm", false, true, true, 0.05},
        {"1.27", true, true, true, 0.05},
        {"0", false, true, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double v = 0;
        const bool ok = c.pitch ? ParsePitchEntry(c.text, c.mmDefault, v)
                                : ParseLengthEntry(c.text, c.mmDefault, v);
        EXPECT_EQ(ok, c.ok);
        if (c.ok) {
            EXPECT_NEAR(v, c.inches, 1e-12);
        }
    }
}

} // namespace
