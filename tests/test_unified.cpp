// Unified inch steps on members set up by hand (no table files); the limits
// against published values and hand calculations: tests/data/unified_limits.csv.
#include "core/thread_record.h"
#include "families/unified.h"
#include "support/test_data.h"

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

class UnifiedLimits : public testing::TestWithParam<DataRow> {};

TEST_P(UnifiedLimits, PublishedValuesAndHandCalculations) {
    const DataRow& c = GetParam();
    TTInfo rec;
    Describe(rec, c.Text("type").c_str(), c.Num("dia"), c.Float("tpi"), c.Text("class").c_str());
    TThdInfo& m = c.Text("limit").starts_with("int.") ? rec.IntThd : rec.ExtThd;
    m.Series = c.Text("series");
    const uint16_t type = rec.ExtThd.TypeCode;
    if (c.Text("engagement") == "set") {
        m.StdLE = m.LOE = c.Num("le");
        m.LEBasis = 1;
    } else {
        if (c.Text("engagement") == "user") rec.SetLOE(c.Num("le"));
        (type == kTypeUNR   ? SetUNREngagement
         : type == kTypeUNJ ? SetUNJEngagement
                            : SetUNEngagement)(m);
    }
    CalcUNPitchDia(m);
    CalcUNMajor(m);
    (type == kTypeUNJ ? CalcUNJMinor : CalcUNMinor)(m);
    EXPECT_NEAR(RecordValue(rec, c.Text("limit")), c.Num("value"), c.Num("tol") + 1e-12);
}

DATA_ROWS(UnifiedLimits, "unified_limits");

TEST(UnifiedEngagement, SeriesBasisAndATableRowsCustomEngagement) {
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

class UnifiedForm : public testing::TestWithParam<DataRow> {};

TEST_P(UnifiedForm, SettingsHeightsRootsAndClassW) {
    const DataRow& c = GetParam();
    TTInfo rec;
    Describe(rec, c.Text("type").c_str(), 0.25, c.Float("tpi"), "2");
    const bool internal = c.Flag("internal");
    TThdInfo& m = internal ? rec.IntThd : rec.ExtThd;
    (internal ? m.PD.Min : m.PD.Max) = c.Num("pd");
    m.PointDia = c.Num("point");
    const uint16_t type = rec.TypeCode;
    (type == kTypeUNR ? CalcUNRForm : type == kTypeUNJ ? CalcUNJForm : CalcUNForm)(m);
    EXPECT_NEAR(m.SetToV, c.Num("set_to_v"), 1e-7);
    EXPECT_NEAR(m.SetToFlat, c.Num("set_to_flat"), 1e-7);
    EXPECT_NEAR(m.ThdHeight, c.Num("height"), 1e-7);
    EXPECT_NEAR(m.RootRadMax, c.Num("rad_max"), 1e-12);
    EXPECT_EQ(m.RootWidth == 0, type != kTypeUN && !internal) << "no flat at a round root";
    EXPECT_EQ(rec.ClassW, internal ? 0 : 1);
}

DATA_ROWS(UnifiedForm, "unified_form");

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
