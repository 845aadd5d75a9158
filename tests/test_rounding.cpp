#include "core/rounding.h"

#include <gtest/gtest.h>

namespace {

struct RoundCase {
    const char* name;
    double x;
    int n;
    double expected;
};

// Expected values worked by hand: s = 10^n, k = trunc(x s); a fraction within
// 0.000001 of one half goes to the even neighbour, anything else is trunc(x s + 0.5).
TEST(Rounding, RoundToDecimals)
{
    const RoundCase cases[] = {
        {"tieToEvenBelow", 0.21245, 4, 0.2124},
        {"tieToEvenAbove", 0.21255, 4, 0.2126},
        {"exactBinaryHalfEven", 0.125, 2, 0.12},
        {"exactBinaryHalfOdd", 0.375, 2, 0.38},
        {"wholeHalfEven", 2.5, 0, 2},
        {"wholeHalfOdd", 3.5, 0, 4},
        {"insideWindowAboveHalf", 0.21245000009, 4, 0.2124},
        {"outsideWindowAboveHalf", 0.21245002, 4, 0.2125},
        {"outsideWindowBelowHalf", 0.2124499, 4, 0.2124},
        {"plainUp", 0.1959, 3, 0.196},
        {"plainDown", 0.19549, 3, 0.195},
        // ASME B1.1 basic pitch diameters: 1/4-20 is .2175, 1/2-13 is .4500.
        {"quarterTwentyBasicPD", 0.25 - 0.649519 / 20, 4, 0.2175},
        {"halfThirteenBasicPD", 0.5 - 0.649519 / 13, 4, 0.4500},
        // Negative values take trunc(x s + 0.5), which moves them toward zero.
        {"negativeHalf", -0.25, 1, -0.2},
        {"negativeBeyondHalf", -0.26, 1, -0.2},
        {"negativeBelowHalf", -0.24, 1, -0.1},
        {"zero", 0, 4, 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(RoundTo(c.x, c.n), c.expected) << c.name;
}

TEST(Rounding, RoundedBasicAndPower)
{
    // 1/4-20: E = .2175; plus and minus four times a .001 tolerance.
    EXPECT_DOUBLE_EQ(RoundedBasicPlus(0.001, 0.649519, 4, 0.25, 0.05), 0.2215);
    EXPECT_DOUBLE_EQ(RoundedBasicMinus(0.001, 0.649519, 4, 0.25, 0.05), 0.2135);
    EXPECT_NEAR(Power(8, 1.0 / 3.0), 2.0, 1e-15);
    // 0.05^(2/3) = exp(2/3 ln 0.05) = exp(-1.9971551) = 0.1357209
    EXPECT_NEAR(Power(0.05, 2.0 / 3.0), 0.1357209, 1e-7);
    EXPECT_EQ(Power(0, 0.5), 0);
}

} // namespace
