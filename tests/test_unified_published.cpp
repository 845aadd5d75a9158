// The shipped unified tables against limits printed in public sources
// (tests/data/unified_*.csv), read through the program's own readers and
// calculation, and the relations every row of the standard satisfies.

#include "core/table_file.h"
#include "core/thread_record.h"
#include "families/unified_tables.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace {

// Number sizes as 0.060 + 0.013 N, so the lookup meets the last-bit noise of a
// computed size (No. 4, 8, 11 differ from the typed decimal).
double NumberSize(int n) {
    return 0.060 + 0.013 * n;
}

double Dia(const DataRow& row) {
    const std::string d = row.Text("dia");
    return d.starts_with("#") ? NumberSize(std::stoi(d.substr(1))) : row.Num("dia");
}

// Compared in ten-thousandths: the resolution of the standard's tables.
long Tenths(double inches) {
    return std::lround(inches * 10000.0);
}

void Prepare(TTInfo& rec, const std::string& type, double dia, float tpi, const std::string& cls) {
    rec.SetThreadType(type);
    rec.SetClass(cls);
    rec.SetNomDia(dia);
    rec.SetTPI(tpi);
}

class PrintedLimits : public testing::TestWithParam<DataRow> {};

// The whole calculation at the standard engagement shows the table's limits.
TEST_P(PrintedLimits, CalculateShowsThePrintedLimit) {
    ShippedTables tables;
    const DataRow& c = GetParam();
    TTInfo rec;
    Prepare(rec, c.Text("type"), Dia(c), c.Float("tpi"), c.Text("class"));
    rec.Calculate();
    ASSERT_EQ(rec.ExtThd.FromTable, 1) << "no table row";
    EXPECT_EQ(rec.ExtThd.Series, c.Text("series"));
    EXPECT_EQ(Tenths(RecordValue(rec, c.Text("limit"))), Tenths(c.Num("value")));
}

DATA_ROWS(PrintedLimits, "unified_published");

// Which standard row the reader takes (ASME B1.1: #8-32 UNC 2A major max 0.1631,
// #2-56 UNC 2A UNR minor max 0.0642).
TEST(UnifiedPublished, StandardRowKey) {
    ASSERT_NE(NumberSize(8), 0.164); // the case needs differing last bits
    const struct {
        const char *name, *type;
        char cls;
        double dia;
        float tpi;
        double majorMax, minorMax; // 0: no row taken
    } cases[] = {
        {"numberSizeLastBits", "UN", '2', NumberSize(8), 32, 0.1631, 0},
        {"fifthDecimalRoundsAway", "UN", '2', 0.16404, 32, 0.1631, 0},
        {"otherDiameter", "UN", '2', 0.1641, 32, 0, 0},
        {"otherPitch", "UN", '2', 0.164, 34, 0, 0},
        {"noClassOneBelowQuarterInch", "UN", '1', 0.164, 32, 0, 0},
        {"unLeavesMinorToFormula", "UN", '2', NumberSize(2), 56, 0.0854, 0},
        {"unjTakesMinorColumn", "UNJ", '2', NumberSize(2), 56, 0.0854, 0.0642},
    };
    ShippedTables tables;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TTInfo rec;
        Prepare(rec, c.type, c.dia, c.tpi, std::string(1, c.cls));
        ReadAnsiTable(rec);
        EXPECT_EQ(rec.ExtThd.FromTable, c.majorMax != 0);
        EXPECT_EQ(Tenths(rec.ExtThd.Major.Max), Tenths(c.majorMax));
        EXPECT_EQ(Tenths(rec.ExtThd.Minor.Max), Tenths(c.minorMax));
    }
}

class ClassXGaugeTolerances : public testing::TestWithParam<DataRow> {};

TEST_P(ClassXGaugeTolerances, AsTable6Prints) {
    const DataRow& c = GetParam();
    ShippedTables tables;
    TTInfo rec;
    Prepare(rec, "UN", Dia(c), c.Float("tpi"), "2");
    ReadClassXTols(rec);
    EXPECT_EQ(Tenths(rec.XPDTol), Tenths(c.Num("pd")));
    EXPECT_EQ(Tenths(rec.XLeadTol), Tenths(c.Num("lead")));
    EXPECT_EQ(Tenths(rec.XDiaTol), Tenths(c.Num("dia_tol")));
    EXPECT_EQ(rec.XAngleDeg, 0);
    EXPECT_EQ(rec.XAngleMin, c.Int("angle_min"));
}

DATA_ROWS(ClassXGaugeTolerances, "unified_class_x");

// One record of ansitbl.bin, lengths in ten-thousandths.
struct AnsiRow {
    int32_t dia;
    int tpi10;
    std::string series, extClass, intClass;
    int32_t majMax, majMin, pdMax, pdMin, unrMax;
    int32_t minMin, minMax, ipdMin, ipdMax, ipdTol, imajMin;
};

TEST(UnifiedPublished, EveryRowKeepsTheStandardsRelations) {
    ShippedTables tables;
    const TableFile file("ansitbl.bin", kAnsiRecord);
    // thread (diameter, tpi) -> class digit -> row
    std::map<std::pair<int32_t, int>, std::map<char, AnsiRow>> threads;
    const std::set<std::string> kSeries = {"UNC", "UNF", "UNEF", "UN"};
    const std::set<int> kConstantPitch = {40, 60, 80, 120, 160, 200, 280, 320}; // tpi x10
    for (std::size_t k = 0; k < file.count(); ++k) {
        const TableRecord x = file.record(k);
        const AnsiRow r{x.I32(0),  x.U16(4),  x.Str(6, 4), x.Str(11, 2), x.Str(42, 2), x.I32(16),
                        x.I32(20), x.I32(28), x.I32(32),   x.I32(38),    x.I32(45),    x.I32(49),
                        x.I32(53), x.I32(57), x.I32(61),   x.I32(65)};
        SCOPED_TRACE(std::to_string(r.dia) + "-" + std::to_string(r.tpi10) + " " + r.extClass);
        ASSERT_TRUE(r.extClass.size() == 2 && r.extClass[1] == 'A') << r.extClass;
        EXPECT_EQ(r.intClass, std::string(1, r.extClass[0]) + "B");
        EXPECT_TRUE(kSeries.count(r.series));
        EXPECT_TRUE(threads[std::make_pair(r.dia, r.tpi10)].emplace(r.extClass[0], r).second)
            << "repeated key";
        EXPECT_GE(r.minMax, r.minMin);
        EXPECT_EQ(r.ipdTol, r.ipdMax - r.ipdMin);
        EXPECT_LT(r.minMin, r.ipdMin);
        EXPECT_LT(r.ipdMin, r.imajMin);
        EXPECT_EQ(r.imajMin, r.dia);
        EXPECT_LT(r.unrMax, r.pdMin);
        EXPECT_LT(r.pdMax, r.majMin);
        // One allowance for major and pitch diameter, never negative, none on
        // 3A; the internal PD minimum is the basic pitch diameter.
        EXPECT_GE(r.dia - r.majMax, 0);
        EXPECT_EQ(r.dia - r.majMax, r.ipdMin - r.pdMax);
        EXPECT_TRUE(r.extClass[0] != '3' || r.majMax == r.dia);
    }
    std::map<std::string, int> perSeries;
    for (const auto& [key, cls] : threads) {
        SCOPED_TRACE(std::to_string(key.first) + "-" + std::to_string(key.second));
        ASSERT_TRUE(cls.count('2') && cls.count('3')) << "classes 2 and 3 on every thread";
        const AnsiRow& a2 = cls.at('2');
        const AnsiRow& a3 = cls.at('3');
        ++perSeries[a2.series];
        const bool classOne = (a2.series == "UNC" || a2.series == "UNF") && key.first >= 2500;
        EXPECT_EQ(cls.count('1') == 1, classOne) << "1A/1B: UNC and UNF from 1/4 in";
        EXPECT_TRUE(a2.series != "UN" || kConstantPitch.count(key.second));
        // 3A: no allowance, so a higher PD band, and a narrower one.
        EXPECT_GT(a3.pdMax, a2.pdMax);
        EXPECT_GT(a3.pdMin, a2.pdMin);
        EXPECT_LT(a3.pdMax - a3.pdMin, a2.pdMax - a2.pdMin);
        EXPECT_GT(a3.majMin, a2.majMin);
        EXPECT_LT(a3.ipdMax, a2.ipdMax);
        EXPECT_EQ(a3.ipdMin, a2.ipdMin);
        EXPECT_EQ(a3.minMin, a2.minMin);
        // 2B minors are printed to three places, so 3B may pass them by half a unit.
        EXPECT_LE(a3.minMax, a2.minMax + 5);
        if (cls.count('1')) {
            const AnsiRow& a1 = cls.at('1');
            EXPECT_EQ(a1.majMax, a2.majMax) << "1A and 2A share the allowance";
            EXPECT_EQ(a1.pdMax, a2.pdMax);
            EXPECT_LT(a1.pdMin, a2.pdMin);
            EXPECT_LT(a1.majMin, a2.majMin);
            EXPECT_GT(a1.ipdMax, a2.ipdMax);
            EXPECT_EQ(a1.minMin, a2.minMin);
            EXPECT_EQ(a1.minMax, a2.minMax);
        }
    }
    // ASME B1.1 Table 1: UNC No.1 to 4 in, UNF No.0 to 1 1/2, UNEF No.12 to 1 11/16.
    EXPECT_EQ(perSeries["UNC"], 33);
    EXPECT_EQ(perSeries["UNF"], 24);
    EXPECT_EQ(perSeries["UNEF"], 25);
    EXPECT_GT(perSeries["UN"], 0);
}

} // namespace
