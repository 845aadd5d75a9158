// Unified inch steps on members set up by hand (no table files).
#include "core/thread_record.h"
#include "families/unified.h"

#include <gtest/gtest.h>

namespace {

void Describe(TTInfo& rec, const char* type, double d, float tpi, const char* cls)
{
    rec.SetThreadType(type);
    rec.SetClass(cls);
    rec.SetNomDia(d);
    rec.SetTPI(tpi);
}

void Limit(TDimLimits& l, double max, double min)
{
    l.Max = max;
    l.Min = min;
}

constexpr double kShown = 0.00005; // equal when shown to four places

struct LimitCase {
    const char* name;
    const char* type;
    double d;
    float tpi;
    const char* series;
    const char* cls;
    bool internal;
    double stdLE; // > 0: set by hand instead of the engagement step
    TDimLimits TThdInfo::*dim;
    double TDimLimits::*value;
    double expected;
    double tol;
};

using T = TThdInfo;
using L = TDimLimits;
constexpr auto kPD = &T::PD;
constexpr auto kMaj = &T::Major;
constexpr auto kMin = &T::Minor;
constexpr auto kMax = &L::Max;
constexpr auto kLow = &L::Min;
// Published: un_pd_limits_2A_3A_chart.csv, un_limits_efunda_excerpt.csv (efunda),
// FED-STD-H28/2B Tables II.A.3/II.A.4 at LE = D as scanned (FED), Machinery's
// Handbook 27th ed. Table 3 UNS rows (MH27). 1/4-20 gets LE = D by hand: the
// engagement step gives every 20 tpi thread 9P.
// Hand: 1/4-20, P 0.05, LE 0.25: PDTol2A = 0.0015 * 0.629961 + 0.0015 * 0.5 + 0.015 * 0.135721
// = 0.00373075, E = 0.2175; 1B PD max E + 1.95T = 0.22477497.
// Internal minors: m = round4(D - 1.082532P); the tolerance is rounded to four places and
// added; 1B/2B round the sum to three places from No. 6 up, ties to the even digit.
// #10-20: m 0.1359, 3B tolerance 0.05 * 0.135721 + 0.0078947 - 0.002 = 0.0127 (also 2B below
// 1/4 in): 3B 0.1486, 2B 0.149. 0.6-18: m 0.5399 + 0.25P - 0.4P^2 (0.0127) = 0.553.
// UNR minor D - 0.3 PDTol2A - 1.190785P, 5/16-40 UNS (LE 9P): 0.3125 - 0.00090357 - 0.02976963.
const LimitCase kLimits[] = {
    {"q20_2A_pdMax", "UN", 0.25, 20, "UNC", "2", false, 0.25, kPD, kMax, 0.2164, kShown},
    {"q20_2A_pdMin", "UN", 0.25, 20, "UNC", "2", false, 0.25, kPD, kLow, 0.2127, 0},
    {"q20_2A_majMax", "UN", 0.25, 20, "UNC", "2", false, 0.25, kMaj, kMax, 0.2489, kShown},
    {"q20_3A_pdMax_is_E", "UN", 0.25, 20, "UNC", "3", false, 0.25, kPD, kMax, 0.2175, 0},
    {"q20_3A_pdMin", "UN", 0.25, 20, "UNC", "3", false, 0.25, kPD, kLow, 0.2147, 0},
    {"q20_3A_majMax_is_D", "UN", 0.25, 20, "UNC", "3", false, 0.25, kMaj, kMax, 0.25, 0},
    {"q20_3A_majMin", "UN", 0.25, 20, "UNC", "3", false, 0.25, kMaj, kLow, 0.2419, kShown},
    {"q20_2B_pdMin", "UN", 0.25, 20, "UNC", "2", true, 0.25, kPD, kLow, 0.2175, 0},
    {"h13_2A_pdMax", "UN", 0.5, 13, "UNC", "2", false, 0, kPD, kMax, 0.4485, kShown},
    {"h13_2A_pdMin", "UN", 0.5, 13, "UNC", "2", false, 0, kPD, kLow, 0.4435, 0},
    {"h13_2B_pdMax", "UN", 0.5, 13, "UNC", "2", true, 0, kPD, kMax, 0.4565, kShown},
    {"q32_UNEF_2A_pdMax", "UN", 0.25, 32, "UNEF", "2", false, 0, kPD, kMax, 0.2287, kShown},
    {"q32_UNEF_2A_pdMin", "UN", 0.25, 32, "UNEF", "2", false, 0, kPD, kLow, 0.2255, 0},
    {"hand_q20_1B_pdMax", "UN", 0.25, 20, "UNC", "1", true, 0.25, kPD, kMax, 0.22477497, 1e-8},
    // round4(0.25 - 1.08253 P) - 0.3 T and PD min - 0.649519 P
    {"hand_q20_2A_minMax", "UN", 0.25, 20, "UNC", "2", false, 0.25, kMin, kMax, 0.19478077, 1e-8},
    {"hand_q20_2A_minMin", "UN", 0.25, 20, "UNC", "2", false, 0.25, kMin, kLow, 0.18022405, 1e-8},
    // Internal minor diameters by the standard's formulas against the printed rows.
    {"FED_q20_2B_minMax", "UN", 0.25, 20, "UNC", "2", true, 0, kMin, kMax, 0.207, 0},
    {"FED_q20_2B_minMin", "UN", 0.25, 20, "UNC", "2", true, 0, kMin, kLow, 0.196, 0},
    {"FED_q20_3B_minMax", "UN", 0.25, 20, "UNC", "3", true, 0, kMin, kMax, 0.2067, 0},
    {"FED_h13_2B_minMax", "UN", 0.5, 13, "UNC", "2", true, 0, kMin, kMax, 0.434, 0},
    {"FED_n0_80_2B_minMin_4places", "UN", 0.06, 80, "UNF", "2", true, 0, kMin, kLow, 0.0465, 0},
    {"FED_n0_80_2B_minMax_4places", "UN", 0.06, 80, "UNF", "2", true, 0, kMin, kMax, 0.0514, 0},
    {"FED_n0_80_3B_minMax_capped", "UN", 0.06, 80, "UNF", "3", true, 0, kMin, kMax, 0.0514, 0},
    {"FED_n10_24_2B_minMax_small", "UN", 0.19, 24, "UNC", "2", true, 0, kMin, kMax, 0.156, 0},
    {"FED_q36_2B_minMax_tieEven", "UN", 0.25, 36, "UNS", "2", true, 0, kMin, kMax, 0.226, 0},
    {"FED_one14_2B_minMax_tieEven", "UN", 1.0, 14, "UNS", "2", true, 0, kMin, kMax, 0.938, 0},
    {"FED_h28_3B_minMax_floor", "UN", 0.5, 28, "UNEF", "3", true, 0, kMin, kMax, 0.4676, 0},
    {"FED_one8_3B_minMax_12P", "UN", 1.0, 8, "UNC", "3", true, 0, kMin, kMax, 0.8797, 0},
    {"FED_1_1_8_20_3B_tolTie", "UN", 1.125, 20, "UN", "3", true, 0, kMin, kMax, 1.0787, 0},
    {"FED_1_3_4_5_2B_minMin", "UN", 1.75, 5, "UNC", "2", true, 0, kMin, kLow, 1.534, 0},
    {"FED_1_3_4_5_2B_minMax", "UN", 1.75, 5, "UNC", "2", true, 0, kMin, kMax, 1.568, 0},
    {"FED_1_3_4_5_3B_minMin", "UN", 1.75, 5, "UNC", "3", true, 0, kMin, kLow, 1.534, 0},
    {"FED_1_3_4_5_3B_minMax", "UN", 1.75, 5, "UNC", "3", true, 0, kMin, kMax, 1.5575, 0},
    {"MH27_2_7_16_16_UNS_2B_minMax", "UN", 2.4375, 16, "", "2", true, 0, kMin, kMax, 2.384, 0},
    {"MH27_2_7_16_16_UNS_3B_minMax", "UN", 2.4375, 16, "", "3", true, 0, kMin, kMax, 2.3783, 0},
    {"MH27_2_1_2_10_UNS_2B_minMax", "UN", 2.5, 10, "", "2", true, 0, kMin, kMax, 2.413, 0},
    {"hand_n10_20_UNS_2B_minMax", "UN", 0.19, 20, "", "2", true, 0, kMin, kMax, 0.149, 0},
    {"hand_n10_20_UNS_3B_minMax", "UN", 0.19, 20, "", "3", true, 0, kMin, kMax, 0.1486, 0},
    {"hand_0_6_18_UNS_2B_minMax", "UN", 0.6, 18, "", "2", true, 0, kMin, kMax, 0.553, 0},
    // UNR reference minor of the rounded root.
    {"efunda_n0_80_UNR_2A_minMax", "UNR", 0.06, 80, "UNF", "2", false, 0, kMin, kMax, 0.0446, 0},
    {"efunda_n0_80_UNR_3A_minMax", "UNR", 0.06, 80, "UNF", "3", false, 0, kMin, kMax, 0.0451, 0},
    {"efunda_n1_72_UNR_2A_minMax", "UNR", 0.073, 72, "UNF", "2", false, 0, kMin, kMax, 0.0559, 0},
    {"hand_5_16_40_UNR_2A_minMax", "UNR", 0.3125, 40, "", "2", false, 0, kMin, kMax, 0.2818, 0},
    // UNJ 1/4-20 3A/3B: external 0.25 - 1.154699P and PD min 0.2147 - 0.5658P; internal
    // t = 0.01078604 lies between 0.135315P and 0.259809P: 0.25 - 0.048714 + t, round4(0.201326).
    {"hand_unj_3A_minMax", "UNJ", 0.25, 20, "UNC", "3", false, 0, kMin, kMax, 0.19226505, 1e-8},
    {"hand_unj_3A_minMin", "UNJ", 0.25, 20, "UNC", "3", false, 0, kMin, kLow, 0.18641, 1e-8},
    {"hand_unj_3B_minMax", "UNJ", 0.25, 20, "UNC", "3", true, 0, kMin, kMax, 0.21207204, 1e-8},
    {"hand_unj_3B_minMin", "UNJ", 0.25, 20, "UNC", "3", true, 0, kMin, kLow, 0.2013, 0},
};

TEST(UnifiedLimits, PublishedValuesAndHandCalculations)
{
    for (const LimitCase& c : kLimits) {
        TTInfo rec;
        Describe(rec, c.type, c.d, c.tpi, c.cls);
        TThdInfo& m = c.internal ? rec.IntThd : rec.ExtThd;
        m.Series = c.series;
        const uint16_t type = rec.ExtThd.TypeCode;
        if (c.stdLE > 0) {
            m.StdLE = m.LOE = c.stdLE;
            m.LEBasis = 1;
        } else {
            (type == kTypeUNR ? SetUNREngagement
                              : type == kTypeUNJ ? SetUNJEngagement : SetUNEngagement)(m);
        }
        CalcUNPitchDia(m);
        CalcUNMajor(m);
        (type == kTypeUNJ ? CalcUNJMinor : CalcUNMinor)(m);
        EXPECT_NEAR((m.*c.dim).*c.value, c.expected, c.tol + 1e-12) << c.name;
    }
}

TEST(UnifiedLimits, EngagementSeriesAndBasis)
{
    struct Case {
        const char* name;
        void (*step)(TThdInfo&);
        double d;
        float tpi;
        const char* series;
        const char* expectSeries;
        double le;
        uint16_t basis;
    } cases[] = {
        {"UNC_20tpi_9P", SetUNEngagement, 0.25, 20, "UNC", "UNC", 0.45, 1},
        {"UNC_13tpi_D", SetUNEngagement, 0.5, 13, "UNC", "UNC", 0.5, 1},
        {"UNEF_9P", SetUNEngagement, 0.25, 32, "UNEF", "UNEF", 0.28125, 0},
        {"empty_UNS", SetUNEngagement, 0.3, 18, "", "UNS", 0.5, 0},
        {"UNR_UN", SetUNREngagement, 2.0, 8, "UN", "UNR", 2.0, 1},
        {"UNR_UNC", SetUNREngagement, 0.25, 20, "UNC", "UNRC", 0.25, 1},
        {"UNR_UNEF", SetUNREngagement, 0.25, 32, "UNEF", "UNREF", 0.28125, 0},
        {"UNR_empty", SetUNREngagement, 0.3, 18, "", "UNRS", 0.5, 0},
        {"UNJ_UNF", SetUNJEngagement, 0.25, 28, "UNF", "UNJF", 0.25, 1},
        {"UNJ_class_text", SetUNJEngagement, 0.3, 18, "2", "UNJS", 0.5, 0},
    };
    for (const Case& c : cases) {
        TTInfo rec;
        Describe(rec, "UN", c.d, c.tpi, "2");
        TThdInfo& m = rec.ExtThd;
        m.Series = c.series;
        c.step(m);
        EXPECT_EQ(m.Series, c.expectSeries) << c.name;
        EXPECT_NEAR(m.StdLE, c.le, 1e-12) << c.name;
        EXPECT_NEAR(m.LOE, c.le, 1e-12) << c.name;
        EXPECT_EQ(m.LEBasis, c.basis) << c.name;
    }
}

TEST(UnifiedLimits, CustomEngagement)
{
    // 1/4-32 UNEF 2A, T = 0.00322862, PD max 0.22873141: 15P keeps T (0.2255),
    // over 15P 1.25 T (0.2247), over 30P 1.5 T (0.2239).
    const std::pair<double, double> pitches[] = {{15, 0.2255}, {16, 0.2247}, {30, 0.2247},
                                                 {31, 0.2239}};
    for (auto [loe, pdMin] : pitches) {
        TTInfo rec;
        Describe(rec, "UN", 0.25, 32, "2");
        rec.SetLOE(loe / 32);
        rec.ExtThd.Series = "UNEF";
        SetUNEngagement(rec.ExtThd);
        CalcUNPitchDia(rec.ExtThd);
        EXPECT_DOUBLE_EQ(rec.ExtThd.PD.Min, pdMin) << loe;
    }

    // 1/4-20 UNC 2A table row. LE = 9P = 0.45: PDTol2A = 0.00398698; L = 0.5 = 2D gives
    // 1.25 T = 0.00498373: PD min round4(0.2164 - T) = 0.2114, major min
    // (0.25 - 0.00119610) - 0.06 * 0.135721 = 0.24066065; the maxima stay the table's.
    TTInfo rec;
    Describe(rec, "UN", 0.25, 20, "2");
    TThdInfo& m = rec.ExtThd;
    m.FromTable = 1;
    m.Series = "UNC";
    Limit(m.PD, 0.2164, 0.2127);
    Limit(m.Major, 0.2489, 0.2408);
    for (double loe : {0.0, 0.5}) {
        if (loe > 0) rec.SetLOE(loe);
        SetUNEngagement(m);
        CalcUNPitchDia(m);
        CalcUNMajor(m);
        EXPECT_DOUBLE_EQ(m.PD.Max, 0.2164);
        EXPECT_DOUBLE_EQ(m.Major.Max, 0.2489);
    }
    EXPECT_DOUBLE_EQ(m.PD.Min, 0.2114);
    EXPECT_NEAR(m.Major.Min, 0.24066065, 1e-8);

    // 1B/2B minor: t = 0.0115, m = 0.1959; 2D: 1.25t (0.0144), 1.2D: t, 0.5D: 0.75t (0.0086,
    // 0.2045 to the even 0.204), 0.3D: 0.5t (0.00575 to the even 0.0058).
    const std::pair<double, double> minors[] = {{0.5, 0.210}, {0.3, 0.207}, {0.125, 0.204},
                                                {0.075, 0.202}};
    for (auto [loe, minorMax] : minors) {
        TTInfo r;
        Describe(r, "UN", 0.25, 20, "2");
        r.SetLOE(loe);
        CalcUNMinor(r.IntThd);
        EXPECT_DOUBLE_EQ(r.IntThd.Minor.Max, minorMax) << loe;
    }
}

TEST(UnifiedForm, SettingsHeightsRootsAndClassW)
{
    // root = sqrt(q^2 + (P/2)^2), q = PD max + 2(d - 0.433013P) or PD min - 2(...).
    // ext 20 tpi PD 0.2164 d 0.03: q 0.2330987, root 0.23443550, V root - 2d + 0.2;
    // int 20 tpi PD 0.2175 d 0.03: q 0.2008013, root 0.20235158, V root + 2d - 0.2;
    // ext 4 tpi PD 2.3332 d 0.1: q 2.3166935, root 2.32006331, V root - 2d + 0.3.
    // Flat only (root - d): d 0.021 at 20 tpi 0.21654665; 3 tpi PD 2.9 d 0.1 2.81626067;
    // 5.75 tpi PD 1.6 d 0.05 1.5518250.
    struct Case {
        const char* name;
        const char* type;
        bool internal;
        float tpi;
        double pd, point, setToV, setToFlat, height, rootWidth, bestWire, radMax;
    } cases[] = {
        {"UN_ext", "UN", false, 20, 0.2164, 0.03, 0.3744355, 0.2044355, 0.0270635, 0.0125,
         0.0288675, 0},
        {"UN_int", "UN", true, 20, 0.2175, 0.03, 0.06235158, 0.23235158, 0.0270635, 0.00625,
         0, 0},
        {"UN_coarse", "UN", false, 4, 2.3332, 0.1, 2.42006331, 2.22006331, 0.1353175, 0.0625,
         0.1443375, 0},
        {"point_021", "UN", false, 20, 0.2164, 0.021, 0, 0.19554665, 0.0270635, 0.0125,
         0.0288675, 0},
        {"below_3_5tpi", "UN", false, 3, 2.9, 0.1, 0, 2.71626067, 0.1804233, 0.0833333, 0.19245,
         0},
        {"between_5_5_and_6", "UN", false, 5.75f, 1.6, 0.05, 0, 1.501825, 0.0941339, 0.0434783,
         0.1004087, 0},
        {"UNR_ext", "UNR", false, 20, 0.2164, 0, 0, 0, 0.0297695, 0, 0.0288675, 0.007217},
        {"UNJ_ext", "UNJ", false, 20, 0.2164, 0, 0, 0, 0.0288675, 0, 0.0288675, 0.009021},
        {"UNJ_int", "UNJ", true, 20, 0.2175, 0, 0, 0, 0.024357, 0.00625, 0, 0},
    };
    for (const Case& c : cases) {
        TTInfo rec;
        Describe(rec, c.type, 0.25, c.tpi, "2");
        TThdInfo& m = c.internal ? rec.IntThd : rec.ExtThd;
        (c.internal ? m.PD.Min : m.PD.Max) = c.pd;
        m.PointDia = c.point;
        const uint16_t type = rec.TypeCode;
        (type == kTypeUNR ? CalcUNRForm : type == kTypeUNJ ? CalcUNJForm : CalcUNForm)(m);
        EXPECT_NEAR(m.SetToV, c.setToV, 1e-7) << c.name;
        EXPECT_NEAR(m.SetToFlat, c.setToFlat, 1e-7) << c.name;
        EXPECT_NEAR(m.ThdHeight, c.height, 1e-7) << c.name;
        EXPECT_NEAR(m.RootWidth, c.rootWidth, 1e-7) << c.name;
        EXPECT_NEAR(m.BestWire, c.bestWire, 1e-7) << c.name;
        EXPECT_DOUBLE_EQ(m.CurWire, m.BestWire) << c.name;
        EXPECT_NEAR(m.RootRadMax, c.radMax, 1e-12) << c.name;
        EXPECT_EQ(rec.ClassW, c.internal ? 0 : 1) << c.name;
    }
}

void QuarterTwentyProducts(TTInfo& rec, const char* type)
{
    Describe(rec, type, 0.25, 20, "2");
    Limit(rec.ExtThd.PD, 0.2164, 0.2127);
    Limit(rec.ExtThd.Major, 0.2489, 0.2408);
    rec.ExtThd.BestWire = rec.ExtThd.CurWire = 0.0288675;
    Limit(rec.IntThd.PD, 0.2224, 0.2175);
    Limit(rec.IntThd.Major, 0, 0.25);
    rec.XDiaTol = 0.0002; // a test input
}

TEST(UnifiedGauges, SizesSignsClampAndCoating)
{
    TTInfo rec;
    QuarterTwentyProducts(rec, "UN");
    CalcUNGauges(rec);
    struct Case {
        const char* name;
        const TThdInfo& m;
        double pd, gageMajor, gageMinor, trunc;
        const char *pdSign, *majorSign, *minorSign;
        bool internal;
    } cases[] = {
        // minor 0.2164 - 0.4331P
        {"goRing", rec.GoRing, 0.2164, 0, 0.194745, 0, "-", "", "-", true},
        // larger of 0.2127 - 0.216506P and 0.194745 - 0.0002 - 0.03248P
        {"noGoRing", rec.NoGoRing, 0.2127, 0, 0.2018747, 0, "+", "", "+", true},
        {"goPlug", rec.GoPlug, 0.2175, 0.25, 0, 0, "+", "+", "", false},
        // smaller of 0.2224 + 0.433013P and 0.25 - 0.03428P
        {"noGoPlug", rec.NoGoPlug, 0.2224, 0.24405065, 0, 0, "-", "-", "", false},
        // truncation 0.2489 - (0.06 * 0.1357208808 + 0.017P)
        {"goSet", rec.GoSetPlug, 0.2164, 0.2489, 0, 0.2399067472, "-", "+-", "", false},
        // under 0.2127 + 0.866025P - 0.00173; truncation 0.2127 + 0.43301P
        {"noGoSet", rec.NoGoSetPlug, 0.2127, 0.2489, 0, 0.2343505, "+", "+-", "", false},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(c.m.PD.Gage, c.pd, 1e-9) << c.name;
        EXPECT_NEAR(c.m.Major.Gage, c.gageMajor, 1e-9) << c.name;
        EXPECT_NEAR(c.m.Minor.Gage, c.gageMinor, 1e-9) << c.name;
        EXPECT_NEAR(c.m.Major.GageTrunc, c.trunc, 1e-9) << c.name;
        EXPECT_EQ(c.m.PD.Sign + "|" + c.m.Major.Sign + "|" + c.m.Minor.Sign,
                  std::string(c.pdSign) + "|" + c.majorSign + "|" + c.minorSign)
            << c.name;
        EXPECT_EQ(c.m.IsInternal + 2 * c.m.IsExternal, c.internal ? 1 : 2) << c.name;
        EXPECT_EQ(c.m.Derived, 1) << c.name;
    }
    EXPECT_DOUBLE_EQ(rec.GoPlug.CurWire, 0.0288675);
    EXPECT_DOUBLE_EQ(rec.NoGoPlug.BestWire, 0.0288675);

    TTInfo unj; // GO ring minor 0.2164 - 0.32476P
    QuarterTwentyProducts(unj, "UNJ");
    CalcUNGauges(unj);
    EXPECT_NEAR(unj.GoRing.Minor.Gage, 0.200162, 1e-9);

    // 0-80 UNF 2A (published major max 0.0595, PD min 0.0496): the crest limit
    // 0.0496 + 0.866025 * 0.0125 - 0.00173 = 0.0586953125 cuts the NOT GO setting plug.
    TTInfo fine;
    Describe(fine, "UN", 0.06, 80, "2");
    Limit(fine.ExtThd.PD, 0.0514, 0.0496);
    Limit(fine.ExtThd.Major, 0.0595, 0.0563);
    CalcUNGauges(fine);
    EXPECT_NEAR(fine.NoGoSetPlug.Major.Gage, 0.0586953125, 1e-12);
    EXPECT_EQ(fine.NoGoSetPlug.Major.Sign, "--");

    // Coating t = 0.001: product external -t, product internal +t, plug +t, setting plug -t,
    // four times on the pitch diameter and twice on the others.
    rec.SetCoating(0.001);
    for (TThdInfo* m : {&rec.ExtThd, &rec.IntThd, &rec.GoPlug, &rec.GoSetPlug}) m->ApplyCoating();
    const std::pair<double, double> coated[] = {
        {rec.ExtThd.PD.Max, 0.2124},     {rec.ExtThd.Major.Min, 0.2388},
        {rec.ExtThd.Minor.Min, 0},       {rec.ExtThd.PD.UncoatedMax, 0.2164},
        {rec.IntThd.PD.Min, 0.2215},     {rec.IntThd.Major.Min, 0.252},
        {rec.IntThd.Major.Max, 0},       {rec.GoPlug.PD.Gage, 0.2215},
        {rec.GoPlug.PD.UncoatedGage, 0.2175}, {rec.GoSetPlug.Major.Gage, 0.2469},
    };
    for (const auto& [actual, expected] : coated) EXPECT_NEAR(actual, expected, 1e-12);
}

} // namespace
