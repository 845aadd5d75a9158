// Rounding, number texts and the parsers of typed values.
#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/rounding.h"
#include "core/thread_record.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <tuple>
#include <utility>

namespace {

// A fraction within 0.000001 of one half goes to the even neighbour, as the
// unified tables print ties (1/4-36 2B minor max 0.2265 is 0.226, 1 3/4-5
// 1.5675 is 1.568); anything else is trunc(x 10^n + 0.5), so a negative value
// moves toward zero.
TEST(Rounding, TiesToEvenElseHalfUp)
{
    // x, places, rounded
    const std::tuple<double, int, double> cases[] = {
        {0.2265, 3, 0.226},       {1.5675, 3, 1.568},      {0.21245000009, 4, 0.2124},
        {0.21245002, 4, 0.2125},  {0.19549, 3, 0.195},     {-0.26, 1, -0.2},
    };
    for (auto [x, n, rounded] : cases) EXPECT_DOUBLE_EQ(RoundTo(x, n), rounded) << x;
}

struct TextCase {
    const char* name;
    double value;
    const char* text;
};

void ExpectTexts(std::string (*fn)(double), std::initializer_list<TextCase> cases)
{
    for (const auto& c : cases) EXPECT_EQ(fn(c.value), c.text) << c.name;
}

TEST(NumberText, FileLengthPitchAndAngleTexts)
{
    // Thread file numbers: fewer decimals from 1000 up, never for a negative value.
    ExpectTexts(FloatText, {{"belowThousand", 999.5, "+999.500000"},
                            {"thousands", 1234.5, "+1234.500"},
                            {"aboveHundredThousand", 123456, "+123456.00"},
                            {"negative", -1234.5, "-1234.500000"},
                            {"tinyNegativeIsZero", -1e-12, "+0.000000"},
                            {"negativePrintingZero", -1e-7, "+0.000000"},
                            {"notANumber", std::nan(""), "0.0"}});
    ExpectTexts(Len3Text, {{"quarter", 0.25, "0.250"}, {"roundsToZero", 0.0004, "  N/A"},
                           {"tenThousand", 10000, "10000.000"}, {"above", 12345.678, "12345.68"}});
    // A pitch finer than two places is never shown as 0.00.
    ExpectTexts(TPIText, {{"whole", 13, "13"}, {"half", 4.5, "4.5"}, {"twoPlaces", 0.7, "0.70"},
                          {"belowTwoPlaces", 0.004, "0.004"}});
    // Both angle texts round to the unit they show and carry into the next one.
    ExpectTexts(AngleText, {{"zero", 0, "0.00.00"}, {"binary", 3.2, "  3.12.00"},
                            {"seconds", 30.2525, " 30.15.09"}, {"wraps", 360.5, "  0.30.00"},
                            {"nearTwo", 1.999999999, "  2.00.00"}});
    ExpectTexts(DegMinText, {{"zero", 0, "  N/A"}, {"binary", 3.2, "  3 Deg. 12 Min."},
                             {"nearTwo", 1.999999999, "  2 Deg.  0 Min."},
                             {"halfMinuteUp", 3 + 15.5 / 60, "  3 Deg. 16 Min."},
                             {"belowHalfMinute", 3 + 15.4 / 60, "  3 Deg. 15 Min."},
                             {"threeDigits", 123.5, "123 Deg. 30 Min."}});
}

TEST(NumberText, DimensionTextsFollowTheDisplayUnit)
{
    auto minor = [](const TThdInfo& m, int, double v) { return MinorText(m, v); };
    // Name, member type, class, diameter, internal, mm display, decimals (not for
    // MinorText), value and the text shown.
    using Row = std::tuple<const char*, std::string (*)(const TThdInfo&, int, double), int, int,
                           double, bool, bool, int, double, const char*>;
    const Row cases[] = {
        {"metricInInch", DimText, 8, 8, 10, false, false, 4, 9.026, "0.3554"},
        {"trapezoidalInInch", DimText, 11, 0, 10, false, false, 4, 12.7, "0.5000"},
        {"metricInMm", DimText, 8, 8, 10, false, true, 4, 9.026, "9.026"},
        // Class 1B/2B minors are printed to three places from No. 6 up, four below
        // (#0-80 2B: 0.0465 / 0.0514); every other minor to four. The usual 1/4-20
        // texts in inches and millimetres are those of the clipboard texts.
        {"class1BUnrMinor", minor, 2, 1, 0.25, true, false, 0, 0.19593, "0.196"},
        {"class2BMinorNo6", minor, 1, 2, 0.138, true, false, 0, 0.1140, "0.114"},
        {"class2BMinorBelowNo6", minor, 1, 2, 0.06, true, false, 0, 0.0465, "0.0465"},
        {"class3BMinor", minor, 1, 3, 0.25, true, false, 0, 0.19593, "0.1959"},
        {"unjMinor", minor, 3, 2, 0.25, true, false, 0, 0.19593, "0.1959"},
        {"metricMinorInInch", minor, 8, 8, 10, true, false, 0, 8.376, "0.32976"},
        // A metric minor steps down once more in mm; an inch minor only once.
        {"metricMinorInMm", minor, 8, 8, 10, true, true, 0, 8.376, "8.376"},
        {"class2AMinorInMm", minor, 1, 2, 0.25, false, true, 0, 0.1887, "4.793"},
        // The tabulated 0.196 in, shown as 4.9784 mm to three decimals.
        {"class2BMinorInMm", minor, 1, 2, 0.25, true, true, 0, 0.19593, "4.978"},
        // Gauge tolerances keep their inch precision in millimetres: 0.00004 in is
        // 0.001016 mm (25.4 mm to the inch, exactly).
        {"tolClassWInMm", TolDimText, 1, 2, 0.25, false, true, 5, 0.00004, "0.001016"},
        {"tolZeroInMm", TolDimText, 1, 2, 0.25, false, true, 4, 0, "  N/A"},
        {"tolMetricInMm", TolDimText, 8, 8, 10, false, true, 4, 0.004, "0.004"},
    };
    for (const auto& [name, fn, type, cls, d, internal, mm, decimals, value, text] : cases) {
        ScopedDisplayUnit unit(mm);
        TThdInfo m;
        m.TypeCode = static_cast<uint16_t>(type);
        m.ClassCode = static_cast<uint16_t>(cls);
        m.NomDia = d;
        m.IsInternal = internal;
        EXPECT_EQ(fn(m, decimals, value), text) << name;
    }
    EXPECT_FALSE(MetricDisplay()) << "the scope restores inch display";
}

TEST(NumberText, ParsersOfTypedValues)
{
    struct ParseCase {
        const char *name, *text;
        double value;
    };
    const ParseCase decimals[] = {
        {"leadingMinus", "-0.5", -0.5}, {"degMin", "2-30", 2.5},          {"plus", "+1.5", 1.5},
        {"letters", "abc", 0},          {"blanks", "  0.25 ", 0.25},      {"comma", "1,5", 0},
        {"trailingJunk", "1.5abc", 0},  {"degMinSec", "10-30-36", 10.51}, {"missingPart", "2-", 2},
    };
    for (const auto& c : decimals) EXPECT_DOUBLE_EQ(TextToFloat(c.text), c.value) << c.name;

    // Parts are bare digits: a sign or a blank inside makes the text no fraction.
    const ParseCase fractions[] = {
        {"threeEighths", "3/8", 0.375}, {"trimmed", " 3/8 ", 0.375}, {"mixed", "1 1/4", -1},
        {"zeroBelow", "3/0", -1},       {"signed", "-3/8", -1},      {"decimalPart", "3.5/8", -1},
        {"partPastLongLong", "99999999999999999999/3", -1},
    };
    for (const auto& c : fractions) EXPECT_EQ(FractionToFloat(c.text), c.value) << c.name;

    // ASME B1.1 basic major diameters of the number sizes.
    const ParseCase sizes[] = {
        {"000", "#000", 0.034}, {"00", "#00", 0.047},  {"0", "#0", 0.060},     {"10", "#10", 0.190},
        {"20", "#20", 0.320},   {"21", "#21", -1},     {"blanks", " #10 ", 0.190},
        {"leadZero", "#05", -1}, {"noHash", "10", -1}, {"fourZeros", "#0000", -1},
        {"signed", "#-1", -1},
    };
    for (const auto& c : sizes) EXPECT_EQ(NumberSizeToDia(c.text), c.value) << c.name;

    double v = 7;
    EXPECT_TRUE(ParseDecimal(" -.5 ", v));
    EXPECT_EQ(v, -0.5);
    for (const char* bad : {"", "+", "inf", "nan", "1e999", "++1", "0x10", "1/0"})
        EXPECT_FALSE(ParseDecimal(bad, v)) << bad;
    EXPECT_EQ(v, -0.5) << "a failed parse leaves the value";
}

// A comma-decimal desktop must not change a thread file number or a typed value (the
// report tests cover the dimension texts).
TEST(NumberText, TextsIgnoreTheDesktopLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no comma-decimal locale";
    EXPECT_EQ(FloatText(1234.5), "+1234.500");
    EXPECT_EQ(std::pair(TextToFloat("0.25"), TextToFloat("0,25")), std::pair(0.25, 0.0));
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
