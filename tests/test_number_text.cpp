// Rounding, number texts and the parsers of typed values.
#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/rounding.h"
#include "core/thread_record.h"
#include "support/test_data.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <map>
#include <tuple>
#include <utility>

namespace {

// A fraction within 0.000001 of one half goes to the even neighbour, as the
// unified tables print ties (1/4-36 2B minor max 0.2265 is 0.226, 1 3/4-5
// 1.5675 is 1.568); anything else is trunc(x 10^n + 0.5), so a negative value
// moves toward zero.
TEST(Rounding, TiesToEvenElseHalfUp) {
    // x, places, rounded
    const std::tuple<double, int, double> cases[] = {
        {0.2265, 3, 0.226},      {1.5675, 3, 1.568},  {0.21245000009, 4, 0.2124},
        {0.21245002, 4, 0.2125}, {0.19549, 3, 0.195}, {-0.26, 1, -0.2},
    };
    for (auto [x, n, rounded] : cases)
        EXPECT_DOUBLE_EQ(RoundTo(x, n), rounded) << x;
}

class NumberTexts : public testing::TestWithParam<DataRow> {};

TEST_P(NumberTexts, AndTheParsersOfTypedValues) {
    const DataRow& c = GetParam();
    const std::map<std::string, std::string (*)(double)> texts = {{"FloatText", FloatText},
                                                                  {"Len3Text", Len3Text},
                                                                  {"TPIText", TPIText},
                                                                  {"AngleText", AngleText},
                                                                  {"DegMinText", DegMinText}};
    const std::map<std::string, double (*)(const std::string&)> parsers = {
        {"TextToFloat", TextToFloat},
        {"FractionToFloat", FractionToFloat},
        {"NumberSizeToDia", NumberSizeToDia}};
    const std::string fn = c.Text("function");
    if (texts.contains(fn)) {
        EXPECT_EQ(texts.at(fn)(c.Num("value")), c.Text("text"));
    } else {
        EXPECT_DOUBLE_EQ(parsers.at(fn)(c.Text("text")), c.Num("value"));
    }
}

DATA_ROWS(NumberTexts, "number_texts");

// Half a minute rounds up.
TEST(NumberText, DegMinTextRoundsHalfAMinuteUp) {
    EXPECT_EQ(DegMinText(3 + 15.5 / 60), "  3 Deg. 16 Min.");
    EXPECT_EQ(DegMinText(3 + 15.4 / 60), "  3 Deg. 15 Min.");
}

class DimensionTexts : public testing::TestWithParam<DataRow> {};

TEST_P(DimensionTexts, FollowTheDisplayUnit) {
    const DataRow& c = GetParam();
    ScopedDisplayUnit unit(c.Text("unit") == "mm");
    TThdInfo m;
    m.TypeCode = static_cast<uint16_t>(c.Int("type"));
    m.ClassCode = static_cast<uint16_t>(c.Int("class"));
    m.NomDia = c.Num("dia");
    m.IsInternal = c.Flag("internal");
    const std::string fn = c.Text("function");
    const double v = c.Num("value");
    EXPECT_EQ(fn == "MinorText" ? MinorText(m, v)
              : fn == "DimText" ? DimText(m, c.Int("decimals"), v)
                                : TolDimText(m, c.Int("decimals"), v),
              c.Text("text"));
}

DATA_ROWS(DimensionTexts, "dimension_texts");

TEST(NumberText, ScopedDisplayUnitRestoresInches) {
    { ScopedDisplayUnit mm(true); }
    EXPECT_FALSE(MetricDisplay());
}

TEST(NumberText, ParseDecimalRefusesAndKeepsTheValue) {
    double v = 7;
    EXPECT_TRUE(ParseDecimal(" -.5 ", v));
    EXPECT_EQ(v, -0.5);
    for (const char* bad : {"", "+", "inf", "nan", "1e999", "++1", "0x10", "1/0"})
        EXPECT_FALSE(ParseDecimal(bad, v)) << bad;
    EXPECT_EQ(v, -0.5) << "a failed parse leaves the value";
}

// A comma-decimal desktop must not change a thread file number or a typed value (the
// report tests cover the dimension texts).
TEST(NumberText, TextsIgnoreTheDesktopLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no comma-decimal locale";
    EXPECT_EQ(FloatText(1234.5), "+1234.500");
    EXPECT_EQ(std::pair(TextToFloat("0.25"), TextToFloat("0,25")), std::pair(0.25, 0.0));
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
