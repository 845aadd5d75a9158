// The thread type table: names a file or plcalc may give, the unit each type
// is held in, and the rules every row must keep.
#include "core/thread_record.h"
#include "core/thread_types.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace {

struct NameCase {
    const char* label;
    const char* name;     // as a thread file or --type gives it
    uint16_t fileCode;    // SetThreadType / thread files
    uint16_t optionCode;  // plcalc's --type
    const char* typeName; // the record's TypeName afterwards
    bool millimetres;     // ISO 68-1 and DIN 103 sizes are millimetres
    bool metricByDefault;
    bool available;
    bool customLOE;
};

const NameCase kNames[] = {
    {"unified", "UN", kTypeUN, kTypeUN, "UN", false, false, true, true},
    {"lowerCaseKeptAsTyped", "unr", kTypeUNR, kTypeUNR, "unr", false, false, true, true},
    {"stubShortName", "stub", kTypeStub, kTypeStub, "STUB ACME", false, false, true, false},
    {"stubLongNameAsGiven", "Stub Acme", kTypeStub, kTypeStub, "Stub Acme", false, false, true,
     false},
    {"metricGroupsOnly", "M", kTypeM, kTypeM, "M", true, true, true, false},
    {"mjCustomEngagement", "MJ", kTypeMJ, kTypeMJ, "MJ", true, true, true, true},
    {"buttressFileName", "745BUTT", kTypeButt, kTypeButt, "7x45 Buttress", false, false, true,
     false},
    {"buttressOptionOnly", "BUTT", 0, kTypeButt, "", false, false, true, false},
    {"trapezoidalSetDimOnly", "30deg", kType30Deg, kType30Deg, "30 Degree Trapezoidal Metric", true,
     false, false, false},
    {"whitworthSetDimOnly", "55DEG", kType55Deg, kType55Deg, "55 Degree", false, false, false,
     false},
    {"pipe", "NPT", kTypeNPT, kTypeNPT, "NPT", false, false, true, false},
    {"unknown", "UNC", 0, 0, "", false, false, false, false},
};

class ThreadTypeNames : public testing::TestWithParam<NameCase> {};

TEST_P(ThreadTypeNames, CodeUnitAndChoices) {
    const NameCase& c = GetParam();
    EXPECT_EQ(TypeCodeOfName(c.name), c.fileCode);
    EXPECT_EQ(TypeCodeOfOptionName(c.name), c.optionCode);
    TTInfo rec;
    rec.SetThreadType(c.name);
    EXPECT_EQ(rec.TypeName, c.typeName);
    EXPECT_EQ(rec.ExtThd.TypeCode, c.fileCode);
    EXPECT_EQ(HoldsMillimetres(c.optionCode), c.millimetres);
    EXPECT_EQ(MetricByDefault(c.optionCode), c.metricByDefault);
    EXPECT_EQ(FamilyAvailable(c.optionCode), c.available);
    EXPECT_EQ(CustomLOEAllowed(c.optionCode), c.customLOE);
}

INSTANTIATE_TEST_SUITE_P(Table, ThreadTypeNames, testing::ValuesIn(kNames),
                         [](const auto& info) { return std::string(info.param.label); });

double Rad(double degrees) {
    return degrees * std::numbers::pi / 180;
}

TEST(ThreadTypeRows, EveryRowKeepsTheRules) {
    for (const ThreadType& t : ThreadTypes()) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(TypeNameOf(t.code), t.name);
        EXPECT_EQ(TypeCodeOfName(t.name), t.code);
        EXPECT_EQ(TypeCodeOfName(t.alias ? t.alias : t.name), t.code);
        EXPECT_TRUE(!t.listCaption || FamilyAvailable(t.code))
            << "the list offers only what calculates";
        EXPECT_TRUE(t.classes.empty() ||
                    static_cast<std::size_t>(t.defaultClass) < t.classes.size());
        EXPECT_EQ(t.pointForm != 0, t.rollCode != 0) << "points and rolls come together";
        const ParameterLayout layout = ParameterLayoutOf(t.code);
        EXPECT_TRUE(!t.toleranceChoice || layout == ParameterLayout::MetricTolerances);
        EXPECT_EQ(t.engagement == Engagement::None, layout == ParameterLayout::PipeSizes);
        EXPECT_TRUE(!t.helixCorrection || t.wireForm == WireForm::Sixty ||
                    t.wireForm == WireForm::TwentyNine);
        // Plating t moves the pitch diameter by 2t (sec a + sec b) / (tan a + tan b).
        const ProfileForm& f = t.profile;
        if (f.pdDepth > 0) {
            const double a = Rad(f.leftFlank), b = Rad(f.rightFlank);
            const double k = 2 * (1 / std::cos(a) + 1 / std::cos(b)) / (std::tan(a) + std::tan(b));
            EXPECT_NEAR(t.platingPDFactor, k, 1e-4);
        }
    }
    EXPECT_EQ(TypeNameOf(0), "");
    EXPECT_EQ(TypeNameOf(kTypeNPT + 1), "");
    EXPECT_EQ(TypeNameOf(65536 + kTypeUN), "") << "no wrap to a 16-bit code";
}

} // namespace
