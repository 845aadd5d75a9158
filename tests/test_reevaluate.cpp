// Re-evaluation with a measured pitch diameter: the nominal diameter found
// for each limit of every family, the walk's bounds and the refusals.
#include "core/number_text.h"
#include "core/thread_record.h"
#include "families/reevaluate.h"
#include "pages/new_pd.h"
#include "pages/parameter_page.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace {

ParameterEntry Entry(uint16_t type, const std::string& dia, const std::string& pitch,
                     const std::string& cls = "") {
    ParameterEntry e;
    e.typeIndex = TypeEntryIndex(type);
    e.diameterText = dia;
    e.pitchText = pitch;
    e.classText = cls.empty() && type == kTypeUN ? "2" : cls;
    if (type == kTypeMJ) {
        e.intTolText = "4H5H";
        e.extTolText = "4h6h";
    }
    return e;
}

// The record the window shows for the page: set up and calculated afresh.
double LimitAt(ParameterEntry e, const std::string& diameter, PDLimit limit) {
    e.diameterText = diameter;
    TTInfo rec;
    EXPECT_EQ(SetUpRecord(e, rec).message, "") << diameter;
    rec.Calculate();
    return PDLimitValue(rec, limit);
}

bool Metric(uint16_t type) {
    return type == kTypeM || type == kTypeMJ;
}

// Every family the window re-evaluates, each limit, a target above and one
// below the limit shown, and targets worked out by hand: the diameter text
// found, calculated as Calculate does it, gives the target within the
// tolerance, and the step before it (towards the diameter shown) no nearer.
struct Family {
    const char* name;
    uint16_t type;
    const char* dia;
    const char* pitch;
    const char* cls;
};

const Family kFamilies[] = {
    {"UNCTableRow", kTypeUN, "1/4", "20", "2"}, {"UNFTableRow3", kTypeUN, "#8", "36", "3"},
    {"UNSSpecial", kTypeUN, "0.3", "28", "2"},  {"UNR", kTypeUNR, "1/2", "13", "3"},
    {"UNJ", kTypeUNJ, "1/2", "20", "3"},        {"M", kTypeM, "10", "1.5", ""},
    {"MJ", kTypeMJ, "10", "1.25", ""},          {"Acme", kTypeAcme, "1", "5", "2G"},
    {"StubAcme", kTypeStub, "1", "5", "2G"},    {"SAM1", kTypeSAM1, "3/4", "6", "2G"},
    {"SAM2", kTypeSAM2, "1.5", "4", "3G"},      {"Buttress", kTypeButt, "2", "8", "2"},
};

struct RoundTrip {
    std::string name;
    Family family;
    PDLimit limit;
    double delta;      // from the limit shown: inches; ten times as many millimetres
    double target;     // or this target
    std::string found; // the diameter text worked out by hand, when given
};

// The walk once judged a table row's engagement while Calculate took a special
// thread, and checked nothing: 1/4-20 int-max 0.2300 printed 0.228693,
// ext-min 0.2200 0.2210, #8-32 int-max 0.1500 0.1490, 1/2-13 ext-min 0.4501
// to 0.4508 0.0002 under.
std::vector<RoundTrip> RoundTrips() {
    const char* const limitNames[] = {"ExtMax", "ExtMin", "IntMin", "IntMax"};
    std::vector<RoundTrip> rows;
    for (const Family& f : kFamilies)
        for (int l = 0; l < 4; ++l)
            for (double delta : {0.0123, -0.0071})
                rows.push_back({std::string(f.name) + limitNames[l] + (delta > 0 ? "Up" : "Down"),
                                f, static_cast<PDLimit>(l + 1), delta, 0, ""});
    const Family quarter = kFamilies[0], no8 = {"", kTypeUN, "#8", "32", "2"},
                 half = {"", kTypeUN, "1/2", "13", "2"};
    rows.push_back({"QuarterIntMax02300", quarter, PDLimit::IntMax, 0, 0.2300, ""});
    rows.push_back({"QuarterExtMin02200", quarter, PDLimit::ExtMin, 0, 0.2200, ""});
    rows.push_back({"No8IntMax01500", no8, PDLimit::IntMax, 0, 0.1500, ""});
    for (int i = 1; i <= 8; ++i)
        rows.push_back(
            {"HalfExtMin045" + std::to_string(i), half, PDLimit::ExtMin, 0, 0.45 + i * 1e-4, ""});
    // 1/4-20 UNC-2A/2B: PD max 0.2164, PD min 0.2127 (2A); PD min 0.2175
    // (2B). Off the table row the thread is a special one: basic PD
    // D - 0.649519 P to four places, less the 2A allowance 0.3 x 0.0040 =
    // 0.0012 (the row has 0.0011). So PD max 0.2180 needs a basic PD of
    // 0.2192, D = 0.2517, and 0.2150 needs D = 0.2487; the 2B PD min is the
    // basic PD: 0.2200 at D = 0.2525. M10x1.5-6g: d2 max = D - 0.974279 -
    // 0.032, so 9.000 needs D = 10.00628: 10.0063 is nearest. Td2 is 140 um
    // past 11.2 (132 below): d2 min drops by 8 um there, and 10.065 is met on
    // the far side, D = 10.065 + 0.974279 + 0.032 + 0.140.
    const Family m10 = kFamilies[5];
    rows.push_back({"ExtMaxUpToASpecial", quarter, PDLimit::ExtMax, 0, 0.2180, "0.2517"});
    rows.push_back({"ExtMaxDown", quarter, PDLimit::ExtMax, 0, 0.2150, "0.2487"});
    rows.push_back({"WithinToleranceNoStep", quarter, PDLimit::ExtMax, 0, 0.21644, "1/4"});
    rows.push_back({"IntMinUp", quarter, PDLimit::IntMin, 0, 0.2200, "0.2525"});
    rows.push_back({"MetricExtMax", m10, PDLimit::ExtMax, 0, 9.000, "10.0063"});
    rows.push_back({"MetricPastATableBand", m10, PDLimit::ExtMin, 0, 10.065, "11.2113"});
    return rows;
}

void PrintTo(const RoundTrip& r, std::ostream* os) {
    *os << r.name;
}

class NewPDRoundTrips : public testing::TestWithParam<RoundTrip> {};

TEST_P(NewPDRoundTrips, LandWithinToleranceWhereCalculateShowsIt) {
    const ShippedTables tables;
    const RoundTrip& c = GetParam();
    const Family& f = c.family;
    const bool metric = Metric(f.type);
    const ParameterEntry e = Entry(f.type, f.dia, f.pitch, f.cls);
    const double start = LimitAt(e, f.dia, c.limit);
    const double target = c.target > 0 ? c.target : start + c.delta * (metric ? 10 : 1);
    const double toward = target > start ? 1 : -1;
    const NewPDFit fit = FitToNewPD(e, c.limit, FormatFixed(target, 1, 5), metric);
    ASSERT_EQ(fit.message, "");
    if (!c.found.empty()) {
        EXPECT_EQ(fit.diameterText, c.found);
    }
    const double tol = metric ? 0.0005 : 0.00005;
    const double found = LimitAt(e, fit.diameterText, c.limit);
    EXPECT_NEAR(found, target, tol + 1e-9) << fit.diameterText;
    EXPECT_NEAR(fit.limitValue, found, 1e-12);
    if (fit.steps == 0) return;
    double d = 0;
    ASSERT_TRUE(ParseDecimal(fit.diameterText, d));
    const double before = LimitAt(e, Len4Text(d - toward * 0.0001), c.limit);
    EXPECT_GE(std::fabs(before - target), std::fabs(found - target) - 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Reevaluate, NewPDRoundTrips, testing::ValuesIn(RoundTrips()),
                         [](const auto& info) { return info.param.name; });

ParameterEntry PipeEntry() {
    ParameterEntry e;
    e.typeIndex = TypeEntryIndex(kTypeNPT);
    e.pipe = true;
    e.classText = "NPT";
    e.pipeSizeText = "1/2";
    e.pipeSize = 4;
    return e;
}

struct RefusalCase {
    const char* name;
    ParameterEntry entry;
    PDLimit limit;
    std::string target;
    std::string message;
};

// Past 11.2 mm the ISO 965-1 tables give M x 1.5 a wider TD2 (190 um for
// 180): the 6H PD max goes up by 10 um in one step, and a target in between
// is stepped over.
TEST(NewPDRefusals, SayWhyAndFindNothing) {
    const ShippedTables tables;
    const ParameterEntry quarter = Entry(kTypeUN, "1/4", "20");
    const ParameterEntry m10 = Entry(kTypeM, "10", "1.5");
    const double a = LimitAt(m10, "11.2000", PDLimit::IntMax);
    const double b = LimitAt(m10, "11.2001", PDLimit::IntMax);
    ASSERT_NEAR(b - a, 0.0101, 1e-9);
    const std::string between = FormatFixed((a + b) / 2, 1, 4);
    const RefusalCase cases[] = {
        {"beyond the walk", quarter, PDLimit::ExtMax, "10",
         "Can not re-evaluate: New External Max PD 10.0000 is not reached by changing the nominal "
         "diameter (no diameter within 5.0000 of the nominal gives it). The calculation is "
         "unchanged."},
        {"stepped over", m10, PDLimit::IntMax, between,
         "Can not re-evaluate: New Internal Max PD " + FormatFixed((a + b) / 2, 1, 3) +
             " is not reached by changing the nominal diameter (the limit goes from " +
             FormatFixed(a, 1, 3) + " to " + FormatFixed(b, 1, 3) +
             " between diameters 11.2000 and 11.2001). The calculation is unchanged."},
        {"no thread that small", quarter, PDLimit::ExtMax, "0.0001",
         "Can not re-evaluate: New External Max PD 0.0001 is not reached by changing the nominal "
         "diameter (at a nominal diameter of 0.0697 a limit of the thread would be below 0). "
         "The calculation is unchanged."},
        {"not a number", quarter, PDLimit::ExtMax, "abc",
         "Can not re-evaluate. Invalid PD value: abc"},
        {"no diameter that large", quarter, PDLimit::ExtMax, "1e308",
         "Can not re-evaluate. Invalid PD value: 1e308 (a pitch diameter is at most 100 in)"},
        {"the page's own refusal", Entry(kTypeUN, "", "20"), PDLimit::ExtMax, "0.2180",
         "Can not calculate. Invalid Nominal Diameter"},
        {"pipe thread", PipeEntry(), PDLimit::ExtMax, "0.75",
         "Can not re-evaluate a pipe thread: its sizes come from the pipe tables."},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        const NewPDFit fit =
            FitToNewPD(c.entry, c.limit, c.target, c.entry.typeIndex == m10.typeIndex);
        EXPECT_EQ(fit.message, c.message);
        EXPECT_EQ(fit.diameterText, "");
    }
}

// The walk over made-up limits, worked out by hand: a limit D - 0.25 to four
// places whose calculation refuses diameters under 0.1, and one that stands
// still. nomDia NaN: wherever the walk gave up.
struct WalkCase {
    const char* name;
    double start, target;
    PDTrialFunction trial;
    PDWalk::End end;
    double nomDia;
    int maxTrials;
};

PDTrial Linear(double d) {
    if (d < 0.09995) return {false, 0, "too small"};
    return {true, std::round((d - 0.25) * 1e4) / 1e4, ""};
}

TEST(PDWalkBounds, EndsAsWorkedOutByHandWithFewCalculations) {
    const WalkCase cases[] = {
        // 1.2345 is 9,845 steps up: a few dozen calculations find it.
        {"far target", 0.5, 1.2345, Linear, PDWalk::End::Reached, 1.4845, 60},
        {"refused below 0.1", 0.5, -0.2, Linear, PDWalk::End::Refused, 0.0999, 60},
        // Stands still: given up after kPDWalkStallDistance, not at five inches.
        {"standing limit", 1.0, 0.95,
         [](double) {
             return PDTrial{true, 0.9, ""};
         },
         PDWalk::End::NotNearer, std::nan(""), 10},
    };
    for (const WalkCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PDWalk w = WalkToPD(c.start, c.trial(c.start).limit, c.target, 0.00005, c.trial);
        EXPECT_EQ(w.end, c.end);
        if (!std::isnan(c.nomDia)) {
            EXPECT_NEAR(w.nomDia, c.nomDia, 1e-9);
        }
        EXPECT_LE(w.trials, c.maxTrials);
    }
}

} // namespace
