#include "core/rounding.h"

#include <gtest/gtest.h>

namespace {

// A fraction within 0.000001 of one half goes to the even neighbour, as the
// unified tables print ties (1/4-36 2B minor max 0.2265 is 0.226, 1 3/4-5
// 1.5675 is 1.568); anything else is trunc(x 10^n + 0.5).
TEST(Rounding, RoundToDecimals)
{
    const struct {
        const char* name;
        double x;
        int n;
        double expected;
    } cases[] = {
        {"tieToEvenDown", 0.2265, 3, 0.226},
        {"tieToEvenUp", 1.5675, 3, 1.568},
        {"tieBinaryHalfEven", 0.125, 2, 0.12},
        {"insideWindowAboveHalf", 0.21245000009, 4, 0.2124},
        {"outsideWindowAboveHalf", 0.21245002, 4, 0.2125},
        {"plainDown", 0.19549, 3, 0.195},
        // ASME B1.1 basic pitch diameters: 1/4-20 is .2175, 1/2-13 is .4500.
        {"quarterTwentyBasicPD", 0.25 - 0.649519 / 20, 4, 0.2175},
        {"halfThirteenBasicPD", 0.5 - 0.649519 / 13, 4, 0.4500},
        // Negative values take trunc(x s + 0.5), which moves them toward zero.
        {"negativeBeyondHalf", -0.26, 1, -0.2},
        {"zero", 0, 4, 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(RoundTo(c.x, c.n), c.expected) << c.name;

    // 1/4-20: E = .2175 plus and minus four times a .001 tolerance.
    EXPECT_DOUBLE_EQ(RoundedBasicPlus(0.001, 0.649519, 4, 0.25, 0.05), 0.2215);
    EXPECT_DOUBLE_EQ(RoundedBasicMinus(0.001, 0.649519, 4, 0.25, 0.05), 0.2135);
    // 0.05^(2/3) = exp(2/3 ln 0.05) = exp(-1.9971551) = 0.1357209
    EXPECT_NEAR(Power(0.05, 2.0 / 3.0), 0.1357209, 1e-7);
    EXPECT_EQ(Power(0, 0.5), 0);
}

} // namespace
