// Re-evaluation with a measured pitch diameter: the nominal diameter found
// for each limit, the walk's bounds and the refusals.
#include "core/table_file.h"
#include "core/thread_record.h"
#include "families/reevaluate.h"
#include "pages/new_pd.h"
#include "pages/parameter_page.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

ParameterEntry Entry(uint16_t type, const std::string& dia, const std::string& pitch)
{
    ParameterEntry e;
    e.typeIndex = TypeEntryIndex(type);
    e.diameterText = dia;
    e.pitchText = pitch;
    if (type == kTypeUN) e.classText = "2";
    return e;
}

struct FitCase {
    const char* name;
    uint16_t type;
    const char* dia;
    const char* pitch;
    PDLimit limit;
    const char* target; // in the thread's own display unit
    const char* found;  // diameter text
    int steps;
};

// 1/4-20 UNC-2A/2B: PD max 0.2164, PD min 0.2127 (2A); PD min 0.2175 (2B);
// M10x1.5-6g: d2 max 8.994 (formula 8.99372). The walk computes by formula:
// basic PD D - 0.649519 P to four places, less the 2A allowance 0.3 x 0.0040
// = 0.0012 (the table row has 0.0011). So PD max 0.2180 needs a basic PD of
// 0.2192, D = 0.2517 (the Part's "about 0.2516"), 0.2150 needs D = 0.2487;
// the 2B PD min is the basic PD: 0.2200 at D = 0.2525. M: d2 max = D - 0.974279
// - 0.032, so 9.000 needs D = 10.00628, reached within 0.00005 at 10.0063.
const FitCase kFits[] = {
    {"ExtMaxUpPartExample", kTypeUN, "1/4", "20", PDLimit::ExtMax, "0.2180", "0.2517", 17},
    {"ExtMaxDown", kTypeUN, "1/4", "20", PDLimit::ExtMax, "0.2150", "0.2487", 13},
    {"WithinToleranceNoStep", kTypeUN, "1/4", "20", PDLimit::ExtMax, "0.21644", "0.2500", 0},
    {"IntMinUp", kTypeUN, "1/4", "20", PDLimit::IntMin, "0.2200", "0.2525", 25},
    {"MetricExtMaxMillimetres", kTypeM, "10", "1.5", PDLimit::ExtMax, "9.000", "10.0063", 63},
    {"MetricTargetInInches", kTypeM, "10", "1.5", PDLimit::ExtMax, "0.35433in", "10.0063", 63},
};

class NewPDFits : public testing::TestWithParam<FitCase> {};

TEST_P(NewPDFits, FindsTheDiameterAndTheRecalculatedLimitMeetsTheTarget)
{
    const ShippedTables tables;
    const FitCase& c = GetParam();
    ParameterEntry e = Entry(c.type, c.dia, c.pitch);
    const bool metric = c.type == kTypeM;
    const NewPDFit fit = FitToNewPD(e, c.limit, c.target, metric);
    ASSERT_EQ(fit.message, "");
    EXPECT_EQ(fit.diameterText, c.found);
    EXPECT_EQ(fit.steps, c.steps);

    // The window puts the diameter into its page and calculates afresh.
    e.diameterText = fit.diameterText;
    TTInfo rec;
    ASSERT_EQ(SetUpRecord(e, rec).message, "");
    rec.Calculate();
    const double target = metric ? 9.000 : std::stod(c.target);
    EXPECT_NEAR(PDLimitValue(rec, c.limit), target, kPDWalkTolerance + 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Reevaluate, NewPDFits, testing::ValuesIn(kFits),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    ParameterEntry entry;
    const char* target;
    const char* message;
};

ParameterEntry PipeEntry()
{
    ParameterEntry e;
    e.typeIndex = TypeEntryIndex(kTypeNPT);
    e.pipe = true;
    e.classText = "NPT";
    e.pipeSizeText = "1/2";
    e.pipeSize = 4;
    return e;
}

TEST(NewPDRefusals, SayWhyAndFindNothing)
{
    const ShippedTables tables;
    const RefusalCase cases[] = {
        {"beyond the walk", Entry(kTypeUN, "1/4", "20"), "10",
         "Can not re-evaluate: New External Max PD 10.0000 is not reached by changing the nominal "
         "diameter (no diameter within 5.0000 of the nominal gives it). The calculation is "
         "unchanged."},
        {"not a number", Entry(kTypeUN, "1/4", "20"), "abc",
         "Can not re-evaluate. Invalid PD value: abc"},
        {"the page's own refusal", Entry(kTypeUN, "", "20"), "0.2180",
         "Can not calculate. Invalid Nominal Diameter"},
        {"pipe thread", PipeEntry(), "0.75",
         "Can not re-evaluate a pipe thread: its sizes come from the pipe tables."},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        const NewPDFit fit = FitToNewPD(c.entry, PDLimit::ExtMax, c.target, false);
        EXPECT_EQ(fit.message, c.message);
        EXPECT_EQ(fit.diameterText, "");
    }
}

// A limit the diameter does not move (a type without a pitch-diameter routine)
// ends after the stall bound, not at the step bound.
TEST(PDWalkBounds, StandingLimitStopsAfterTheStallSteps)
{
    TTInfo rec;
    rec.SetThreadType("30DEG");
    rec.SetNomDia(1.0);
    rec.ExtThd.PD.Max = 0.9;
    const PDWalk w = WalkToPD(rec, PDLimit::ExtMax, 0.95);
    EXPECT_EQ(w.end, PDWalk::End::NotNearer);
    // The first step is not judged: it leaves a table row's rounded limits.
    EXPECT_EQ(w.steps, kPDWalkStallSteps + 1);
    EXPECT_NEAR(rec.NomDia, 1.0 + (kPDWalkStallSteps + 1) * kPDWalkStep, 1e-9);
}

// The internal PD max grows with the diameter and, now and then, by one more
// unit of the fourth place when its tolerance 1.3 T, rounded to four places,
// steps up: that one step moves it by more than the +-0.00005 window is wide,
// so a target midway is stepped over and the walk stops there instead of
// running on.
TEST(PDWalkBounds, TargetBetweenTwoStepsIsSteppedOver)
{
    const ShippedTables tables;
    auto calculated = [] {
        auto rec = std::make_unique<TTInfo>();
        EXPECT_EQ(SetUpRecord(Entry(kTypeUN, "1/4", "20"), *rec).message, "");
        rec->Calculate();
        return rec;
    };
    auto probe = calculated();
    probe->ForceCalc = 1;
    auto step = [&probe] {
        probe->SetNomDia(probe->NomDia + kPDWalkStep);
        RecalcPitchDia(*probe);
        return PDLimitValue(*probe, PDLimit::IntMax);
    };
    double a = 0, b = step();
    int steps = 1;
    do {
        a = std::exchange(b, step());
        ++steps;
    } while (steps < 2000 && b - a <= 2 * kPDWalkTolerance + 1e-8);
    ASSERT_GT(b - a, 2 * kPDWalkTolerance + 1e-8);
    auto rec = calculated();
    const PDWalk w = WalkToPD(*rec, PDLimit::IntMax, (a + b) / 2);
    EXPECT_EQ(w.end, PDWalk::End::SteppedOver);
    EXPECT_EQ(w.steps, steps);
    EXPECT_DOUBLE_EQ(w.previousPD, a);
    EXPECT_DOUBLE_EQ(w.lastPD, b);
}

} // namespace
