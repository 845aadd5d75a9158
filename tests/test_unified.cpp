// Unified inch steps on members set up by hand (no table files).
#include "core/thread_record.h"
#include "families/unified.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace {

void Describe(TTInfo& rec, const char* type, double d, float tpi, const char* cls) {
    rec.SetThreadType(type);
    rec.SetClass(cls);
    rec.SetNomDia(d);
    rec.SetTPI(tpi);
}

void Limit(TDimLimits& l, double max, double min) {
    l.Max = max;
    l.Min = min;
}

constexpr double kShown = 0.00005; // equal when shown to four places

constexpr auto kPD = &TThdInfo::PD;
constexpr auto kMaj = &TThdInfo::Major;
constexpr auto kMin = &TThdInfo::Minor;
constexpr auto kMax = &TDimLimits::Max;
constexpr auto kLow = &TDimLimits::Min;

struct LimitCase {
    const char *name, *type;
    double d;
    float tpi;
    const char *series, *cls;
    bool internal;
    double le; // > 0: standard engagement set by hand; < 0: the user's engagement, -le
    TDimLimits TThdInfo::*dim;
    double TDimLimits::*value;
    double expected, tol;
};

// Published: un_pd_limits_2A_3A_chart.csv, un_limits_efunda_excerpt.csv (efunda),
// FED-STD-H28/2B Tables II.A.3/II.A.4 at LE = D as scanned (FED).
// Hand: 1/4-20, P 0.05, LE 0.25: PDTol2A = 0.0015 * 0.629961 + 0.0015 * 0.5 + 0.015 * 0.135721
// = 0.00373075, E = 0.2175; 1B PD max E + round4(1.95T) = 0.2248. Allowances and
// tolerances are rounded to four places before they are applied.
// 1/4-16 UNS (LE 9P 0.5625): T = 0.00094494 + 0.001125 + 0.015 * 0.157490 = 0.00443229,
// allowance 0.0013, E = 0.2094: 2A PD min 0.2081 - 0.0044, major min 0.25 - 0.0013 - 0.0094.
// 1 3/8-12 UNF (LE = D, not the 9P of 12UN): T = 0.00166799 + 0.00175891 + 0.00286178,
// allowance 0.3T = 0.0018866 -> 0.0019 as printed (PD max 1.3209 - 1.3190); UN reference
// minor D - 1.082532P - 0.0019 = 1.2828890.
// Internal minors: m = round4(D - 1.082532P); the tolerance is rounded to four places and
// added; 1B/2B round the sum to three places from No. 6 up, ties to the even digit; below
// 1/4 in 2B takes the 3B tolerance. 0.6-18: m 0.5399 + 0.25P - 0.4P^2 (0.0127) = 0.553.
// UNR minor D - 0.3 PDTol2A - 1.190785P, 5/16-40 UNS (LE 9P): 0.3125 - 0.00090357 - 0.02976963.
const LimitCase kLimits[] = {
    {"q20_2A_pdMax", "UN", 0.25, 20, "UNC", "2", false, 0.25, kPD, kMax, 0.2164, kShown},
    {"q20_2A_pdMin", "UN", 0.25, 20, "UNC", "2", false, 0.25, kPD, kLow, 0.2127, 0},
    {"q20_2A_majMax", "UN", 0.25, 20, "UNC", "2", false, 0.25, kMaj, kMax, 0.2489, kShown},
    {"q20_3A_pdMax_is_E", "UN", 0.25, 20, "UNC", "3", false, 0.25, kPD, kMax, 0.2175, 0},
    {"q20_3A_pdMin", "UN", 0.25, 20, "UNC", "3", false, 0.25, kPD, kLow, 0.2147, 0},
    {"q20_2B_pdMin", "UN", 0.25, 20, "UNC", "2", true, 0.25, kPD, kLow, 0.2175, 0},
    {"h13_2A_pdMax_LE_D", "UN", 0.5, 13, "UNC", "2", false, 0, kPD, kMax, 0.4485, kShown},
    {"h13_2B_pdMax", "UN", 0.5, 13, "UNC", "2", true, 0, kPD, kMax, 0.4565, kShown},
    {"q32_UNEF_2A_pdMax_9P", "UN", 0.25, 32, "UNEF", "2", false, 0, kPD, kMax, 0.2287, kShown},
    {"hand_q20_1B_pdMax", "UN", 0.25, 20, "UNC", "1", true, 0.25, kPD, kMax, 0.2248, 1e-12},
    // 0.25 - 1.082532 P - 0.0011 and PD min - 0.649519 P
    {"hand_q20_2A_minMax", "UN", 0.25, 20, "UNC", "2", false, 0.25, kMin, kMax, 0.1947734, 1e-8},
    {"hand_q20_2A_minMin", "UN", 0.25, 20, "UNC", "2", false, 0.25, kMin, kLow, 0.18022405, 1e-8},
    {"FED_q20_2B_minMax", "UN", 0.25, 20, "UNC", "2", true, 0, kMin, kMax, 0.207, 0},
    {"FED_q20_3B_minMax", "UN", 0.25, 20, "UNC", "3", true, 0, kMin, kMax, 0.2067, 0},
    {"FED_n0_80_2B_minMin_4places", "UN", 0.06, 80, "UNF", "2", true, 0, kMin, kLow, 0.0465, 0},
    {"FED_n0_80_2B_minMax_4places", "UN", 0.06, 80, "UNF", "2", true, 0, kMin, kMax, 0.0514, 0},
    {"FED_n0_80_3B_minMax_capped", "UN", 0.06, 80, "UNF", "3", true, 0, kMin, kMax, 0.0514, 0},
    {"FED_n10_24_2B_minMax_small", "UN", 0.19, 24, "UNC", "2", true, 0, kMin, kMax, 0.156, 0},
    {"FED_h28_3B_minMax_floor", "UN", 0.5, 28, "UNEF", "3", true, 0, kMin, kMax, 0.4676, 0},
    {"FED_1_1_8_20_3B_tolTie", "UN", 1.125, 20, "UN", "3", true, 0, kMin, kMax, 1.0787, 0},
    {"FED_1_3_4_5_2B_minMin", "UN", 1.75, 5, "UNC", "2", true, 0, kMin, kLow, 1.534, 0},
    {"FED_1_3_4_5_2B_minMax", "UN", 1.75, 5, "UNC", "2", true, 0, kMin, kMax, 1.568, 0},
    {"FED_1_3_4_5_3B_minMax_12P", "UN", 1.75, 5, "UNC", "3", true, 0, kMin, kMax, 1.5575, 0},
    // The user's engagement. 1/4-32 UNEF 2A, T = 0.00322862, PD max 0.22873141: 15P keeps T,
    // over 15P 1.25 T, over 30P 1.5 T. 1/4-20 2B minor: t = 0.0115, m = 0.1959; 2D: 1.25t
    // (0.0144), 1.2D: t, 0.5D: 0.75t (0.0086, 0.2045 to the even 0.204), 0.3D: 0.5t (0.00575
    // to the even 0.0058).
    {"q32_UNEF_2A_15P", "UN", 0.25, 32, "UNEF", "2", false, -15 / 32.0, kPD, kLow, 0.2255, 0},
    {"q32_UNEF_2A_16P", "UN", 0.25, 32, "UNEF", "2", false, -16 / 32.0, kPD, kLow, 0.2247, 0},
    {"q32_UNEF_2A_30P", "UN", 0.25, 32, "UNEF", "2", false, -30 / 32.0, kPD, kLow, 0.2247, 0},
    {"q32_UNEF_2A_31P", "UN", 0.25, 32, "UNEF", "2", false, -31 / 32.0, kPD, kLow, 0.2239, 0},
    {"q20_2B_2D", "UN", 0.25, 20, "UNC", "2", true, -0.5, kMin, kMax, 0.210, 0},
    {"q20_2B_1_2D", "UN", 0.25, 20, "UNC", "2", true, -0.3, kMin, kMax, 0.207, 0},
    {"q20_2B_0_5D", "UN", 0.25, 20, "UNC", "2", true, -0.125, kMin, kMax, 0.204, 0},
    {"q20_2B_0_3D", "UN", 0.25, 20, "UNC", "2", true, -0.075, kMin, kMax, 0.202, 0},
    {"hand_0_6_18_UNS_2B_minMax", "UN", 0.6, 18, "", "2", true, 0, kMin, kMax, 0.553, 0},
    {"hand_q16_UNS_2A_pdMin", "UN", 0.25, 16, "", "2", false, 0, kPD, kLow, 0.2037, 1e-12},
    {"hand_q16_UNS_2A_majMin", "UN", 0.25, 16, "", "2", false, 0, kMaj, kLow, 0.2393, 1e-12},
    {"hand_1_3_8_12_UNF_2A_minMax", "UN", 1.375, 12, "UNF", "2", false, 0, kMin, kMax, 1.282889,
     1e-6},
    // UNR reference minor of the rounded root.
    {"efunda_n0_80_UNR_2A_minMax", "UNR", 0.06, 80, "UNF", "2", false, 0, kMin, kMax, 0.0446, 0},
    {"efunda_n0_80_UNR_3A_minMax", "UNR", 0.06, 80, "UNF", "3", false, 0, kMin, kMax, 0.0451, 0},
    {"hand_5_16_40_UNR_2A_minMax", "UNR", 0.3125, 40, "", "2", false, 0, kMin, kMax, 0.2818, 0},
    // UNJ 1/4-20 3A/3B: external 0.25 - 1.154699P and PD min 0.2147 - 0.5658P; internal
    // t = 0.01078604 lies between 0.135315P and 0.259809P: 0.25 - 0.048714 + t, round4(0.201326).
    {"hand_unj_3A_minMax", "UNJ", 0.25, 20, "UNC", "3", false, 0, kMin, kMax, 0.19226505, 1e-8},
    {"hand_unj_3A_minMin", "UNJ", 0.25, 20, "UNC", "3", false, 0, kMin, kLow, 0.18641, 1e-8},
    {"hand_unj_3B_minMax", "UNJ", 0.25, 20, "UNC", "3", true, 0, kMin, kMax, 0.21207204, 1e-8},
    {"hand_unj_3B_minMin", "UNJ", 0.25, 20, "UNC", "3", true, 0, kMin, kLow, 0.2013, 0},
};

TEST(UnifiedLimits, PublishedValuesAndHandCalculations) {
    for (const LimitCase& c : kLimits) {
        TTInfo rec;
        Describe(rec, c.type, c.d, c.tpi, c.cls);
        TThdInfo& m = c.internal ? rec.IntThd : rec.ExtThd;
        m.Series = c.series;
        const uint16_t type = rec.ExtThd.TypeCode;
        if (c.le > 0) {
            m.StdLE = m.LOE = c.le;
            m.LEBasis = 1;
        } else {
            if (c.le < 0) rec.SetLOE(-c.le);
            (type == kTypeUNR   ? SetUNREngagement
             : type == kTypeUNJ ? SetUNJEngagement
                                : SetUNEngagement)(m);
        }
        CalcUNPitchDia(m);
        CalcUNMajor(m);
        (type == kTypeUNJ ? CalcUNJMinor : CalcUNMinor)(m);
        EXPECT_NEAR((m.*c.dim).*c.value, c.expected, c.tol + 1e-12) << c.name;
    }
}

TEST(UnifiedLimits, EngagementSeriesBasisAndATableRowsCustomEngagement) {
    // Name, step, diameter, tpi, series before and after, standard engagement, its basis.
    using Row = std::tuple<const char*, void (*)(TThdInfo&), double, float, const char*,
                           const char*, double, uint16_t>;
    const Row cases[] = {
        {"UNC_20tpi_D", SetUNEngagement, 0.25, 20, "UNC", "UNC", 0.25, 1},
        {"UN_16tpi_9P", SetUNEngagement, 0.75, 16, "UN", "UN", 0.5625, 1},
        {"empty_UNS", SetUNEngagement, 0.3, 18, "", "UNS", 0.5, 0},
        {"UNR_UN", SetUNREngagement, 2.0, 8, "UN", "UNR", 2.0, 1},
        {"UNR_UNEF", SetUNREngagement, 0.25, 32, "UNEF", "UNREF", 0.28125, 0},
        {"UNJ_class_text", SetUNJEngagement, 0.3, 18, "2", "UNJS", 0.5, 0},
    };
    for (const auto& [name, step, d, tpi, series, expectSeries, le, basis] : cases) {
        SCOPED_TRACE(name);
        TTInfo rec;
        Describe(rec, "UN", d, tpi, "2");
        TThdInfo& m = rec.ExtThd;
        m.Series = series;
        step(m);
        EXPECT_EQ(m.Series, expectSeries);
        EXPECT_NEAR(m.StdLE, le, 1e-12);
        EXPECT_NEAR(m.LOE, le, 1e-12);
        EXPECT_EQ(m.LEBasis, basis);
    }

    // 1/4-20 UNC 2A table row. LE = D: PDTol2A = 0.00373075; L = 0.5 = 2D gives 1.25 T =
    // 0.00466344, 0.0047: PD min round4(0.2164 - 0.0047) = 0.2117; major min 0.2489 -
    // 0.06 * 0.135721 (0.0081); the maxima stay the table's.
    TTInfo rec;
    Describe(rec, "UN", 0.25, 20, "2");
    TThdInfo& m = rec.ExtThd;
    m.FromTable = 1;
    m.Series = "UNC";
    Limit(m.PD, 0.2164, 0.2127);
    Limit(m.Major, 0.2489, 0.2408);
    rec.SetLOE(0.5);
    SetUNEngagement(m);
    CalcUNPitchDia(m);
    CalcUNMajor(m);
    EXPECT_EQ(std::pair(m.PD.Max, m.Major.Max), std::pair(0.2164, 0.2489));
    EXPECT_DOUBLE_EQ(m.PD.Min, 0.2117);
    EXPECT_NEAR(m.Major.Min, 0.2408, 1e-12);

    // The UN reference minor of a table row takes the row's allowance: 2 1/2-10 UNS
    // (Machinery's Handbook: PD max 2.4330, basic 2.4350) 2.5 - 0.1082532 - 0.0020.
    TTInfo uns;
    Describe(uns, "UN", 2.5, 10, "2");
    TThdInfo& u = uns.ExtThd;
    u.FromTable = 1;
    u.Series = "UNS";
    Limit(u.PD, 2.4330, 2.4263);
    SetUNEngagement(u);
    CalcUNMinor(u);
    EXPECT_NEAR(u.Minor.Max, 2.3897468, 1e-9);
}

TEST(UnifiedForm, SettingsHeightsRootsAndClassW) {
    // root = sqrt(q^2 + (P/2)^2), q = PD max + 2(d - 0.433013P) or PD min - 2(...).
    // ext 20 tpi PD 0.2164 d 0.03: q 0.2330987, root 0.23443550, V root - 2d + 0.2;
    // int 20 tpi PD 0.2175 d 0.03: q 0.2008013, root 0.20235158, V root + 2d - 0.2;
    // ext 4 tpi PD 2.3332 d 0.1: q 2.3166935, root 2.32006331, V root - 2d + 0.3.
    // Flat only (root - d): d 0.021 at 20 tpi 0.21654665; 3 tpi PD 2.9 d 0.1 2.81626067;
    // 5.75 tpi PD 1.6 d 0.05 1.5518250. 20 tpi heights: UN 0.54127P, UNR 0.59539P,
    // UNJ 0.57735P outside, 0.48714P inside; root radius max UNR 0.14434P, UNJ 0.18042P.
    struct Case {
        const char *name, *type;
        bool internal;
        float tpi;
        double pd, point, setToV, setToFlat, height, radMax;
    } cases[] = {
        {"UN_ext", "UN", false, 20, 0.2164, 0.03, 0.3744355, 0.2044355, 0.0270635, 0},
        {"UN_int", "UN", true, 20, 0.2175, 0.03, 0.06235158, 0.23235158, 0.0270635, 0},
        {"UN_coarse", "UN", false, 4, 2.3332, 0.1, 2.42006331, 2.22006331, 0.1353175, 0},
        {"point_021", "UN", false, 20, 0.2164, 0.021, 0, 0.19554665, 0.0270635, 0},
        {"below_3_5tpi", "UN", false, 3, 2.9, 0.1, 0, 2.71626067, 0.1804233, 0},
        {"between_5_5_and_6", "UN", false, 5.75f, 1.6, 0.05, 0, 1.501825, 0.0941339, 0},
        {"UNR_ext", "UNR", false, 20, 0.2164, 0, 0, 0, 0.0297695, 0.007217},
        {"UNJ_ext", "UNJ", false, 20, 0.2164, 0, 0, 0, 0.0288675, 0.009021},
        {"UNJ_int", "UNJ", true, 20, 0.2175, 0, 0, 0, 0.024357, 0},
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
        EXPECT_NEAR(m.RootRadMax, c.radMax, 1e-12) << c.name;
        EXPECT_EQ(m.RootWidth == 0, type != kTypeUN && !c.internal) << "no flat at a round root";
        EXPECT_EQ(rec.ClassW, c.internal ? 0 : 1) << c.name;
    }
}

TEST(UnifiedGauges, SizesSignsClampAndCoating) {
    TTInfo rec; // 1/4-20 UNC-2A/2B
    Describe(rec, "UN", 0.25, 20, "2");
    Limit(rec.ExtThd.PD, 0.2164, 0.2127);
    Limit(rec.ExtThd.Major, 0.2489, 0.2408);
    Limit(rec.IntThd.PD, 0.2224, 0.2175);
    Limit(rec.IntThd.Major, 0, 0.25);
    CalcUNGauges(rec);
    // NOT GO plug major: the smaller of 0.2224 + 0.433013P and 0.25 - 0.03428P.
    EXPECT_NEAR(rec.NoGoPlug.Major.Gage, 0.24405065, 1e-9);
    // Rings, plugs and setting plugs (GO, NOT GO): direction of PD/major/minor, form.
    std::string signs;
    for (const TThdInfo* m :
         {&rec.GoRing, &rec.NoGoRing, &rec.GoPlug, &rec.NoGoPlug, &rec.GoSetPlug, &rec.NoGoSetPlug})
        signs +=
            m->PD.Sign + "/" + m->Major.Sign + "/" + m->Minor.Sign + (m->IsInternal ? "i " : "e ");
    EXPECT_EQ(signs, "-//-i +//+i +/+/e -/-/e -/+-/e +/+-/e ");

    TTInfo unj; // GO ring minor 0.2164 - 0.32476P
    Describe(unj, "UNJ", 0.25, 20, "2");
    unj.ExtThd.PD.Max = 0.2164;
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
    // four times on the pitch diameter and twice on the others; a limit of 0 stays 0.
    rec.SetCoating(0.001);
    for (TThdInfo* m : {&rec.ExtThd, &rec.IntThd, &rec.GoPlug, &rec.GoSetPlug})
        m->ApplyCoating();
    const std::pair<double, double> coated[] = {
        {rec.ExtThd.PD.Max, 0.2124},        {rec.ExtThd.Minor.Min, 0},
        {rec.IntThd.Major.Min, 0.252},      {rec.IntThd.Major.Max, 0},
        {rec.GoPlug.PD.Gage, 0.2215},       {rec.GoPlug.PD.UncoatedGage, 0.2175},
        {rec.GoSetPlug.Major.Gage, 0.2469},
    };
    for (const auto& [actual, expected] : coated)
        EXPECT_NEAR(actual, expected, 1e-12);
}

} // namespace
