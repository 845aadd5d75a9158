// Numbers in thread and ball micrometer files: six decimals when they bring
// the value back, as many as it needs otherwise.
#include "core/stored_number.h"

#include <gtest/gtest.h>

namespace {

TEST(StoredNumber, SixDecimalsUnlessTheValueNeedsMore) {
    // The longer texts are the shortest decimals that name the same double or
    // float (1/3 as a float is 0.3333333432...).
    const struct {
        const char* name;
        std::string text, expected;
    } cases[] = {
        {"ordinary", StoredNumberText(0.5), "+0.500000"},
        {"negative", StoredNumberText(-0.25), "-0.250000"},
        {"thousandsThreeDecimals", StoredNumberText(1000.0), "+1000.000"},
        {"hundredThousandsTwo", StoredNumberText(123456.78), "+123456.78"},
        {"sevenDecimals", StoredNumberText(0.2997495), "+0.2997495"},
        {"thousandsNeedFour", StoredNumberText(1234.5678), "+1234.5678"},
        {"aThird", StoredNumberText(1.0 / 3), "+0.3333333333333333"},
        {"tenthMicroInch", StoredNumberText(1e-7), "+0.0000001"},
        {"belowTheZeroOfFloatText", StoredNumberText(1e-12), "+0.000000000001"},
        {"millimetresToInches", StoredNumberText(0.7 / 25.4), "+0.027559055118110236"},
        {"floatSixSuffice", StoredNumberText(0.35f), "+0.350000"},
        {"floatOfManyDigits", StoredNumberText(13.3333333f), "+13.333333"},
        {"floatThird", StoredNumberText(1.0f / 3), "+0.33333334"},
        {"floatSevenDigits", StoredNumberText(0.7071068f), "+0.7071068"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, c.expected) << c.name;
}

} // namespace
