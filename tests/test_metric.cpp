// Metric M and MJ threads through the driver, on table folders written here:
// empty tables (the formulas alone: tests/data/metric_formulas.csv), rows of
// ISO 965-1, tabulated limits.
#include "core/designation.h"
#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/table_file.h"
#include "core/thread_record.h"
#include "families/metric.h"
#include "gauges/tolerance_text.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A table folder holding every metric table, empty unless rows are added. Rows are
// compiled from text by the table compiler, so the worked examples below also check
// the record layouts it writes.
struct MetricTables : TestTables {
    MetricTables()
        : TestTables({"exm", "inm", "mextall", "mintall", "mextol", "mintol", "metdev", "xmettol",
                      "wmettol", "exmj", "inmj", "mjallow", "mjextol", "mjintol"}) {}
};

std::unique_ptr<TTInfo> Calc(const char* type, double d, float p, const char* ext = "",
                             const char* in = "", double loe = 0) {
    auto rec = std::make_unique<TTInfo>();
    rec->SetThreadType(type);
    rec->SetNomDia(d);
    rec->SetTPI(p);
    if (*ext) rec->ExtThd.SetTolInfo(ext);
    if (*in) rec->IntThd.SetTolInfo(in);
    if (loe > 0) rec->SetLOE(loe);
    rec->Calculate();
    return rec;
}

class Formula : public testing::TestWithParam<DataRow> {};

TEST_P(Formula, HandArithmetic) {
    const DataRow& c = GetParam();
    MetricTables tables;
    auto rec = Calc(c.Text("type").c_str(), c.Num("dia"), c.Float("pitch"), c.Text("ext").c_str(),
                    c.Text("int").c_str(), c.Num("loe"));
    EXPECT_NEAR(RecordValue(*rec, c.Text("limit")), c.Num("value"), 5e-7);
    EXPECT_EQ((c.Text("limit").starts_with("int.") ? rec->IntThd : rec->ExtThd).FromTable, 0);
}

DATA_ROWS(Formula, "metric_formulas");

// ISO 965-1 rows for P = 1.5 (iso965_1_*.csv: Td2 over 5.6 up to 11.2 grades 3..9,
// TD2 grades 4..8, Td grades 4/6/8, TD1 grades 4..8, deviations G/e/f/g) give the
// published ISO 965-2 limits of M10x1.5: 6g d 9.968/9.732, d2 8.994/8.862
// (obliczenia.icad.pl M10-6g), 6H D2 9.026/9.206, D1 8.376/8.676.
TEST(MetricTables, IsoRowsGivePublishedLimits) {
    MetricTables tables;
    tables.Write("mextall", "5.6,11.2,1.5,67,85,106,132,170,212,265\n");
    tables.Write("mintall", "5.6,11.2,1.5,112,140,180,224,280\n");
    tables.Write("mextol", "1.5,150,236,375\n");
    tables.Write("mintol", "1.5,190,236,300,375,475\n");
    tables.Write("metdev", "1.5,32,67,45,32\n");
    auto rec = Calc("M", 10, 1.5f, "6g6g", "6H6H");
    ScopedDisplayUnit mm(true);
    const TThdInfo& e = rec->ExtThd;
    const TThdInfo& i = rec->IntThd;
    const std::vector<std::pair<std::string, std::string>> shown = {
        {DimText(e, 4, e.Major.Max), "9.968"}, {DimText(e, 4, e.Major.Min), "9.732"},
        {DimText(e, 4, e.PD.Max), "8.994"},    {DimText(e, 4, e.PD.Min), "8.862"},
        {DimText(i, 4, i.PD.Min), "9.026"},    {DimText(i, 4, i.PD.Max), "9.206"},
        {DimText(i, 4, i.Minor.Min), "8.376"}, {DimText(i, 4, i.Minor.Max), "8.676"},
    };
    for (const auto& [got, want] : shown)
        EXPECT_EQ(got, want);
    // The crest of the same position takes the tabulated deviation too.
    EXPECT_DOUBLE_EQ(e.Major.Dev, 0.032);
}

// A limits row wins over the formulas and marks the member; another class of the same
// size finds no row. Rows hold marker values: the shipped rows' columns are checked
// against published limits through plcalc.
TEST(MetricTables, LimitsRowWins) {
    MetricTables tables;
    tables.Write("exm", "10,1.5,6g6g,9.006,9.005,9.004,9.003,9.002,9.001\n");
    tables.Write("inm", "10,1.5,6H6H,8.001,8.002,8.003,8.004,8.005,0\n");
    auto rec = Calc("M", 10, 1.5f, "6g6g", "6H6H");
    EXPECT_EQ(rec->ExtThd.FromTable + rec->IntThd.FromTable, 2);
    EXPECT_DOUBLE_EQ(rec->ExtThd.Minor.Min, 9.001);
    EXPECT_DOUBLE_EQ(rec->IntThd.Major.Max, 0);
    auto other = Calc("M", 10, 1.5f, "6h6h", "6H6H");
    EXPECT_EQ(other->ExtThd.FromTable, 0);
    EXPECT_DOUBLE_EQ(other->ExtThd.PD.Max, 9.0257215);
}

// tests/data/metric_gauge_tol_rows.csv
class MetricGaugeTolRows : public testing::TestWithParam<DataRow> {};

TEST_P(MetricGaugeTolRows, ByPitchAndDiameter) {
    const DataRow& c = GetParam();
    MetricTables tables;
    EXPECT_FALSE(GaugeTolsFound(*Calc("M", 360, 6.0f)));
    tables.Write("xmettol", "1,3,0,12,7,9,2,3,4,5\n4,5,0,10,8,12,4,6,9,15\n"
                            "8,99,9,99,99,99,99,99,99,99\n");
    tables.Write("wmettol", "4,3,4,0,7,2,3,5,1,2,3,4,6\n");
    auto rec = Calc("M", c.Num("d"), c.Float("p"));
    EXPECT_NEAR(rec->XDiaTol, c.Num("x_dia"), 1e-12);
    EXPECT_NEAR(rec->XPDTol, c.Num("x_pd"), 1e-12);
    EXPECT_NEAR(rec->XLeadTol, c.Num("x_lead"), 1e-12);
    EXPECT_EQ(rec->XAngleMin, c.Int("x_min"));
    EXPECT_NEAR(rec->WDiaTol, c.Num("w_dia"), 1e-12);
    EXPECT_NEAR(rec->WPDTol, c.Num("w_pd"), 1e-12);
    EXPECT_NEAR(rec->WLeadTol, c.Num("w_lead"), 1e-12);
    EXPECT_TRUE(GaugeTolsFound(*rec));
    ScopedDisplayUnit mm(true);
    EXPECT_EQ(PDTolText(rec->GoRing), c.Text("go_ring_pd"));
}

DATA_ROWS(MetricGaugeTolRows, "metric_gauge_tol_rows");

// MJ6.5x1 of FED-STD-H28/21B, examples 1 and 2 (fedstd_h28_21b_examples_text.txt):
// Td(6) 0.180 and Td2(4) 0.071 / TD2(4) 0.095 from the tables it names, written as
// one mjextol and one mjallow row. External: d 6.500/6.320, d2 5.85048/5.77948, rounded
// minor 5.85048 - 0.505181 = 5.34530 (shown 5.345) and 5.77948 - 0.565805 = 5.21367 (5.214),
// root radius 0.18042 / 0.15011. Internal: D2 5.85048/5.94548.
TEST(MJ, WorkedExample6_5x1) {
    MetricTables tables;
    tables.Write("mjallow", "5.6,11.2,1,-71,95\n");
    tables.Write("mjextol", "1,0.18\n");
    auto rec = Calc("MJ", 6.5, 1.0f);
    const TThdInfo& e = rec->ExtThd;
    const TThdInfo& i = rec->IntThd;
    const std::vector<std::pair<double, double>> values = {
        {e.Major.Max, 6.5},      {e.Major.Min, 6.32},     {e.PD.Max, 5.85048},
        {e.PD.Min, 5.77948},     {e.Minor.Max, 5.3453},   {e.Minor.Min, 5.21367},
        {e.RootRadMax, 0.18042}, {e.RootRadMin, 0.15011}, {i.PD.Min, 5.85048},
        {i.PD.Max, 5.94548},     {i.Major.Min, 6.5},
    };
    for (const auto& [got, want] : values)
        EXPECT_NEAR(got, want, 1e-5);
    EXPECT_EQ(rec->AllowanceFound, 1);
    EXPECT_EQ(DesignationText(rec->ExtThd), "MJ 6.5 X 1 - 4h6h");
    EXPECT_EQ(DesignationText(rec->IntThd), "MJ 6.5 X 1 - 4H5H");
    // A long engagement set on the calculated record is toleranced by its own rule, not by
    // the row for the standard one. LOE 40 is over 3D and 30P:
    // k = 1.125 (0.013 * 6.5^(1/3) + 0.0076 * sqrt 40 + 0.044) = 0.1308689.
    rec->SetLOE(40);
    rec->Calculate();
    EXPECT_NEAR(rec->ExtThd.PD.Tol, 0.1308689, 5e-8);
    EXPECT_NEAR(rec->ExtThd.PD.Min, 5.85048 - 0.1308689, 5e-6);
    // Sizes 1.6 through 5 are 4H6H internally (FED-STD-H28/21B 5.2.1).
    auto small = Calc("MJ", 5, 0.8f);
    EXPECT_EQ(DesignationText(small->IntThd), "MJ 5 X 0.8 - 4H6H");
}

class MetricGauges : public testing::TestWithParam<DataRow> {};

TEST_P(MetricGauges, SizesWiresReadings) {
    const DataRow& c = GetParam();
    MetricTables tables;
    auto rec = Calc("M", 10, 1.5f, "6g6g", "6H6H");
    // The readings of this point, not of the catalogue's.
    for (TThdInfo* m : {&rec->ExtThd, &rec->IntThd}) {
        m->PointDia = 0.05;
        CalcMetricGaugeForm(*m);
    }
    EXPECT_NEAR(RecordValue(*rec, c.Text("limit")), c.Num("value"), 5e-6);
}

DATA_ROWS(MetricGauges, "metric_gauges");

TEST(MetricGaugeSigns, OfTheMembers) {
    MetricTables tables;
    auto rec = Calc("M", 10, 1.5f, "6g6g", "6H6H");
    EXPECT_EQ(rec->GoRing.PD.Sign + rec->GoRing.Minor.Sign, "--");
    EXPECT_EQ(rec->NoGoSetPlug.PD.Sign + rec->NoGoSetPlug.Major.Sign + rec->NoGoSetPlug.Minor.Sign,
              "++-");
}

// A class outside the grade and position lists has no formula limits (all N/A) rather
// than a zero tolerance; a missing table file ends the calculation.
TEST(MetricClasses, OutsideTheListsAndMissingFiles) {
    struct Case {
        const char* text;
        bool internal, valid;
    };
    const Case cases[] = {
        {"3e8f", false, true}, {"6G6G", false, false}, {"8G4G", true, true},
        {"6h6H", true, false}, {"6H", true, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValidMetricTolClass(c.text, c.internal), c.valid) << c.text;

    MetricTables tables;
    auto rec = Calc("M", 10, 1.5f, "6g5g", "6H6H");
    EXPECT_EQ(rec->ExtThd.PD.Max, 0);
    EXPECT_EQ(rec->GoRing.Minor.Gage, 0);
    EXPECT_NEAR(rec->IntThd.PD.Min, 9.0257215, 1e-9);

    tables.Remove("metdev.bin");
    EXPECT_THROW(Calc("M", 10, 1.5f), TableError);
}

// Sizes and pitches are written as ISO writes them, with no padding zeros; the
// single-precision pitch field reads back to its typed value.
TEST(MetricDesignation, SizesAndPitchesAsWritten) {
    const struct {
        const char* cls;
        double d;
        float p;
        const char* text;
    } cases[] = {{"6g6g", 4, 0.7f, "M 4 X 0.7 - 6g6g"},
                 {"5H6H", 1.6, 0.35f, "M 1.6 X 0.35 - 5H6H"},
                 {"6H6H", 10, 1.25f, "M 10 X 1.25 - 6H6H"}};
    for (const auto& c : cases) {
        TTInfo rec;
        rec.SetThreadType("M");
        rec.SetNomDia(c.d);
        rec.SetTPI(c.p);
        TThdInfo& m = std::isupper(static_cast<unsigned char>(c.cls[1])) ? rec.IntThd : rec.ExtThd;
        m.SetTolInfo(c.cls);
        EXPECT_EQ(DesignationText(m), c.text);
    }
}

} // namespace
