// The shipped unified tables against limits printed in public sources, read
// through the program's own readers and calculation, and the relations every
// row of the standard satisfies. Expected values are copied from the sources
// named in each row, never computed here.

#include "core/table_file.h"
#include "core/thread_record.h"
#include "families/unified_tables.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Where the printed values come from.
constexpr const char* kChart = "ASME B1.1 2A/3A pitch diameter chart (Osborn, Westport)";
constexpr const char* kEfunda = "efunda.com unified standard series table";
constexpr const char* kFedStd = "FED-STD-H28/2B Tables II.A.3/II.A.4, LE = D";
constexpr const char* kMH27 = "Machinery's Handbook 27th ed., Table 3, p. 1755";
constexpr const char* kScribd = "UNC class 2B vendor chart (scribd 395466526)";

enum Limit { EMajMax, EMajMin, EPDMax, EPDMin, EMinMax, IMinMin, IMinMax, IPDMin, IPDMax, IMajMin };
double LimitOf(const TTInfo& rec, Limit l) {
    const TThdInfo& e = rec.ExtThd;
    const TThdInfo& i = rec.IntThd;
    const double v[] = {e.Major.Max, e.Major.Min, e.PD.Max, e.PD.Min, e.Minor.Max,
                        i.Minor.Min, i.Minor.Max, i.PD.Min, i.PD.Max, i.Major.Min};
    return v[l];
}

struct PublishedRow {
    const char* thread; // its last word is the series the row carries
    double dia;
    float tpi;
    char cls;
    const char* source;
    std::vector<std::pair<Limit, double>> limits;
};

// Number sizes as 0.060 + 0.013 N, so the lookup meets the last-bit noise of a
// computed size (No. 4, 8, 11 differ from the typed decimal).
double NumberSize(int n) {
    return 0.060 + 0.013 * n;
}

// Compared in ten-thousandths: the resolution of the standard's tables.
long Tenths(double inches) {
    return std::lround(inches * 10000.0);
}

void Prepare(TTInfo& rec, const char* type, double dia, float tpi, char classDigit) {
    rec.SetThreadType(type);
    rec.SetClass(std::string(1, classDigit));
    rec.SetNomDia(dia);
    rec.SetTPI(tpi);
}

// clang-format off
const PublishedRow kPublished[] = {
    {"No.0-80 UNF", NumberSize(0), 80, '2', kChart, {{EPDMax, 0.0514}, {EPDMin, 0.0496}}},
    {"No.0-80 UNF", NumberSize(0), 80, '3', kChart, {{EPDMax, 0.0519}, {EPDMin, 0.0506}}},
    {"No.0-80 UNF", NumberSize(0), 80, '2', kEfunda, {{EMajMax, 0.0595}, {EMajMin, 0.0563},
        {EMinMax, 0.0446}, {IMinMin, 0.0465}, {IMinMax, 0.0514}, {IPDMax, 0.0542},
        {IMajMin, 0.0600}}},
    {"No.0-80 UNF", NumberSize(0), 80, '3', kEfunda, {{IPDMax, 0.0536}}},
    {"No.1-64 UNC", NumberSize(1), 64, '3', kEfunda, {{EMajMax, 0.0730}, {EMajMin, 0.0692},
        {EMinMax, 0.0544}, {IPDMax, 0.0648}}},
    {"No.1-72 UNF", NumberSize(1), 72, '3', kEfunda, {{EMajMax, 0.0730}, {EMajMin, 0.0695},
        {EPDMax, 0.0640}, {EPDMin, 0.0626}, {IMinMin, 0.0580}, {IMinMax, 0.0635},
        {IPDMin, 0.0640}, {IPDMax, 0.0659}, {IMajMin, 0.0730}}},
    // The UNR minor is one unit above the allowance formula; the printed value is kept.
    {"No.2-56 UNC", NumberSize(2), 56, '2', kEfunda, {{EMajMax, 0.0854}, {EMajMin, 0.0813},
        {EPDMax, 0.0738}, {EPDMin, 0.0717}, {EMinMax, 0.0642}, {IMinMin, 0.0667},
        {IMinMax, 0.0737}, {IPDMin, 0.0744}, {IPDMax, 0.0772}, {IMajMin, 0.0860}}},
    {"No.2-64 UNF", NumberSize(2), 64, '2', kEfunda, {{IPDMax, 0.0786}}},
    {"No.6-32 UNC", NumberSize(6), 32, '3', kFedStd, {{IMinMax, 0.1140}}},
    {"No.10-24 UNC", NumberSize(10), 24, '2', kChart, {{EPDMax, 0.1619}, {EPDMin, 0.1586}}},
    {"No.10-24 UNC", NumberSize(10), 24, '3', kChart, {{EPDMin, 0.1604}}},
    {"No.12-32 UNEF", NumberSize(12), 32, '2', kChart, {{EPDMax, 0.1948}, {EPDMin, 0.1917}}},
    {"1/4-20 UNC", 0.25, 20, '2', kChart, {{EPDMax, 0.2164}, {EPDMin, 0.2127}, {IPDMin, 0.2175}}},
    {"1/4-20 UNC", 0.25, 20, '3', kChart, {{EPDMin, 0.2147}}},
    {"1/4-20 UNC", 0.25, 20, '2', kScribd, {{IPDMax, 0.2224}}},
    {"5/16-20 UN", 0.3125, 20, '2', kFedStd, {{IMinMin, 0.258}, {IMinMax, 0.270}}},
    {"7/16-16 UN", 0.4375, 16, '2', kFedStd, {{IMinMin, 0.370}, {IMinMax, 0.384}}},
    {"7/16-28 UNEF", 0.4375, 28, '2', kChart, {{EPDMax, 0.4132}, {EPDMin, 0.4096}}},
    {"7/16-28 UNEF", 0.4375, 28, '3', kChart, {{EPDMin, 0.4116}}},
    {"5/8-11 UNC", 0.625, 11, '2', kChart, {{EPDMax, 0.5644}, {EPDMin, 0.5589}}},
    {"5/8-11 UNC", 0.625, 11, '3', kChart, {{EPDMin, 0.5619}}},
    {"3/4-16 UNF", 0.75, 16, '2', kChart, {{EPDMax, 0.7079}, {EPDMin, 0.7029}}},
    // PD min as ASME B1.1-1989 prints it; the 2003 edition prints 0.9101.
    {"1-8 UNC", 1.0, 8, '2', kChart, {{EPDMax, 0.9168}, {EPDMin, 0.9100}}},
    {"1-8 UNC", 1.0, 8, '3', kChart, {{EPDMin, 0.9137}}},
    {"1-8 UNC", 1.0, 8, '3', kFedStd, {{IMinMax, 0.8797}}},
    {"1-20 UNEF", 1.0, 20, '2', kChart, {{EPDMax, 0.9661}, {EPDMin, 0.9616}}},
    {"1 1/16-12 UN", 1.0625, 12, '2', kChart, {{EPDMax, 1.0067}}},
    {"1 1/16-12 UN", 1.0625, 12, '3', kChart, {{EPDMin, 1.0042}}},
    {"1 1/4-8 UN", 1.25, 8, '2', kFedStd, {{IMinMin, 1.115}, {IMinMax, 1.140}}},
    {"1 1/2-8 UN", 1.5, 8, '3', kFedStd, {{IMinMax, 1.3797}}},
    {"1 1/2-12 UNF", 1.5, 12, '2', kChart, {{EPDMax, 1.4440}, {EPDMin, 1.4376}}},
    {"1 1/2-18 UNEF", 1.5, 18, '3', kChart, {{EPDMin, 1.4602}}},
    // The basic minor diameter 1.5335 printed as 1.534, its 2B maximum as 1.568.
    {"1 3/4-5 UNC", 1.75, 5, '2', kFedStd, {{IMinMin, 1.534}, {IMinMax, 1.568}}},
    {"1 3/4-5 UNC", 1.75, 5, '3', kFedStd, {{IMinMin, 1.5340}, {IMinMax, 1.5575}}},
    {"2 3/8-20 UN", 2.375, 20, '2', kMH27, {{EPDMin, 2.3359}}},
    {"2 1/2-4 UNC", 2.5, 4, '1', kMH27, {{EMajMax, 2.4969}, {EMajMin, 2.4612},
        {EPDMax, 2.3345}, {EPDMin, 2.3190}, {EMinMax, 2.1992}, {IMinMin, 2.229},
        {IMinMax, 2.267}, {IPDMin, 2.3376}, {IPDMax, 2.3578}, {IMajMin, 2.5000}}},
    {"2 1/2-4 UNC", 2.5, 4, '2', kMH27, {{EMajMin, 2.4731}, {EPDMin, 2.3241}, {IPDMax, 2.3511}}},
    {"2 1/2-4 UNC", 2.5, 4, '3', kMH27, {{EPDMin, 2.3298}, {EMinMax, 2.2023}, {IMinMax, 2.2594},
        {IPDMax, 2.3477}}},
    {"2 1/2-8 UN", 2.5, 8, '2', kMH27, {{EMajMax, 2.4976}, {EPDMax, 2.4164}, {EPDMin, 2.4082},
        {IPDMax, 2.4294}}},
    {"2 1/2-8 UN", 2.5, 8, '3', kMH27, {{EMajMax, 2.5000}, {EMajMin, 2.4850}, {EPDMax, 2.4188},
        {EPDMin, 2.4127}, {IMinMin, 2.3650}, {IMinMax, 2.3797}, {IPDMin, 2.4188},
        {IPDMax, 2.4268}, {IMajMin, 2.5000}}},
    {"2 1/2-16 UN", 2.5, 16, '3', kMH27, {{IPDMax, 2.4648}}},
    // Special rows: every limit the handbook prints; of 1-14 UNS the pitch
    // diameters of the chart and the minor diameters of the federal standard.
    {"2 1/2-10 UNS", 2.5, 10, '2', kMH27, {{EMajMax, 2.4980}, {EMajMin, 2.4851},
        {EPDMax, 2.4330}, {EPDMin, 2.4263}, {IMinMin, 2.392}, {IMinMax, 2.413},
        {IPDMax, 2.4437}, {IMajMin, 2.5000}}},
    {"2 7/16-16 UNS", 2.4375, 16, '3', kMH27, {{EPDMin, 2.3928}, {IPDMax, 2.4023}}},
    {"1-14 UNS", 1.0, 14, '2', kChart, {{EPDMax, 0.9519}, {EPDMin, 0.9463}, {IPDMin, 0.9536}}},
    {"1-14 UNS", 1.0, 14, '3', kChart, {{EPDMax, 0.9536}, {EPDMin, 0.9494}}},
    {"1-14 UNS", 1.0, 14, '2', kFedStd, {{IMinMin, 0.923}, {IMinMax, 0.938}}},
    {"1-14 UNS", 1.0, 14, '3', kFedStd, {{IMinMax, 0.9315}}},
};
// clang-format on

// The whole calculation at the standard engagement shows the table's limits.
TEST(UnifiedPublished, CalculateShowsThePrintedLimits) {
    ShippedTables tables;
    for (const PublishedRow& c : kPublished) {
        const std::string thread = c.thread;
        SCOPED_TRACE(thread + "-" + c.cls + " (" + c.source + ")");
        bool unrMinor = false;
        for (const auto& [limit, value] : c.limits)
            unrMinor |= limit == EMinMax;
        TTInfo rec;
        // The UN external minor is calculated; UNR keeps the table's rounded-root minor.
        Prepare(rec, unrMinor ? "UNR" : "UN", c.dia, c.tpi, c.cls);
        rec.Calculate();
        ASSERT_EQ(rec.ExtThd.FromTable, 1) << "no table row";
        const std::string series = thread.substr(thread.rfind(' ') + 1);
        EXPECT_EQ(rec.ExtThd.Series, unrMinor ? "UNR" + series.substr(2) : series);
        for (const auto& [limit, value] : c.limits)
            EXPECT_EQ(Tenths(LimitOf(rec, limit)), Tenths(value)) << "limit " << limit;
    }
}

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
        Prepare(rec, c.type, c.dia, c.tpi, c.cls);
        ReadAnsiTable(rec);
        EXPECT_EQ(rec.ExtThd.FromTable, c.majorMax != 0);
        EXPECT_EQ(Tenths(rec.ExtThd.Major.Max), Tenths(c.majorMax));
        EXPECT_EQ(Tenths(rec.ExtThd.Minor.Max), Tenths(c.minorMax));
    }
}

// Class X gauge tolerances of ASME B1.2-1983 Table 6 (transcription named in
// data/unxtol.csv): PD, lead, major/minor diameter, half angle in minutes.
TEST(UnifiedPublished, ClassXGaugeTolerances) {
    const struct {
        const char* thread;
        double dia;
        float tpi;
        double pd, lead, diaTol;
        int angleMin;
    } cases[] = {
        {"1/4-20", 0.25, 20, 0.0003, 0.0003, 0.0005, 15},
        {"No.0-80", NumberSize(0), 80, 0.0002, 0.0002, 0.0003, 30},
        {"No.10-32", NumberSize(10), 32, 0.0003, 0.0003, 0.0005, 15},
        {"1/2-13", 0.5, 13, 0.0003, 0.0003, 0.0006, 10},
        {"1 1/2-12 (to 1 1/2)", 1.5, 12, 0.0003, 0.0003, 0.0006, 10},
        {"2-4.5 (to 4)", 2.0, 4.5, 0.0005, 0.0004, 0.0008, 5},
        {"4 1/4-12 (over 4)", 4.25, 12, 0.0006, 0.0003, 0.0009, 10},
        {"6-4 (to 8)", 6.0, 4, 0.0006, 0.0004, 0.0015, 5},
        // Between rows the coarser row: 27 takes 24, 11.5 takes 11.
        {"3/8-27", 0.375, 27, 0.0003, 0.0003, 0.0005, 15},
        {"3/4-11.5", 0.75, 11.5, 0.0003, 0.0003, 0.0006, 10},
        // Not given: PD above 8 in, and pitches finer than 80 tpi.
        {"9-8", 9.0, 8, 0, 0.0004, 0.0011, 5},
        {"0.05-100", 0.05, 100, 0, 0, 0, 0},
    };
    ShippedTables tables;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.thread);
        TTInfo rec;
        Prepare(rec, "UN", c.dia, c.tpi, '2');
        ReadClassXTols(rec);
        EXPECT_EQ(Tenths(rec.XPDTol), Tenths(c.pd));
        EXPECT_EQ(Tenths(rec.XLeadTol), Tenths(c.lead));
        EXPECT_EQ(Tenths(rec.XDiaTol), Tenths(c.diaTol));
        EXPECT_EQ(rec.XAngleDeg, 0);
        EXPECT_EQ(rec.XAngleMin, c.angleMin);
    }
}

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
