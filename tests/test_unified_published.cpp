// The shipped unified limits tables against limits printed in public sources,
// read through the program's own readers, and the relations every row of the
// standard satisfies. Expected values are copied from the sources named in
// each row, never computed here.

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

// One limit of the record: the thread, its diameter, the end of the band.
struct Field {
    const char* name;
    TThdInfo TTInfo::*thread;
    TDimLimits TThdInfo::*dia;
    double TDimLimits::*end;
};

namespace F {
constexpr Field ExtMajorMax{"ext major max", &TTInfo::ExtThd, &TThdInfo::Major, &TDimLimits::Max};
constexpr Field ExtMajorMin{"ext major min", &TTInfo::ExtThd, &TThdInfo::Major, &TDimLimits::Min};
constexpr Field ExtPDMax{"ext PD max", &TTInfo::ExtThd, &TThdInfo::PD, &TDimLimits::Max};
constexpr Field ExtPDMin{"ext PD min", &TTInfo::ExtThd, &TThdInfo::PD, &TDimLimits::Min};
constexpr Field UNRMinorMax{"UNR minor max", &TTInfo::ExtThd, &TThdInfo::Minor, &TDimLimits::Max};
constexpr Field IntMinorMin{"int minor min", &TTInfo::IntThd, &TThdInfo::Minor, &TDimLimits::Min};
constexpr Field IntMinorMax{"int minor max", &TTInfo::IntThd, &TThdInfo::Minor, &TDimLimits::Max};
constexpr Field IntPDMin{"int PD min", &TTInfo::IntThd, &TThdInfo::PD, &TDimLimits::Min};
constexpr Field IntPDMax{"int PD max", &TTInfo::IntThd, &TThdInfo::PD, &TDimLimits::Max};
constexpr Field IntMajorMin{"int major min", &TTInfo::IntThd, &TThdInfo::Major, &TDimLimits::Min};
} // namespace F

double FieldOf(const TTInfo& rec, const Field& f) {
    return ((rec.*f.thread).*f.dia).*f.end;
}

struct PublishedCase {
    const char* designation;
    double dia;
    float tpi;
    const char* cls; // "2A", "3B" ...
    Field field;
    double published;
    const char* source;
};

// Number sizes as the thread window computes them, so the table lookup meets
// the last-bit noise of 0.060 + 0.013 N.
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

const PublishedCase kPublished[] = {
    {"No.0-80 UNF", NumberSize(0), 80, "2A", F::ExtPDMax, 0.0514, kChart},
    {"No.0-80 UNF", NumberSize(0), 80, "2A", F::ExtPDMin, 0.0496, kChart},
    {"No.0-80 UNF", NumberSize(0), 80, "3A", F::ExtPDMax, 0.0519, kChart},
    {"No.0-80 UNF", NumberSize(0), 80, "3A", F::ExtPDMin, 0.0506, kChart},
    {"No.0-80 UNF", NumberSize(0), 80, "2A", F::ExtMajorMax, 0.0595, kEfunda},
    {"No.0-80 UNF", NumberSize(0), 80, "2A", F::ExtMajorMin, 0.0563, kEfunda},
    {"No.0-80 UNF", NumberSize(0), 80, "2A", F::UNRMinorMax, 0.0446, kEfunda},
    {"No.0-80 UNF", NumberSize(0), 80, "2B", F::IntMinorMin, 0.0465, kEfunda},
    {"No.0-80 UNF", NumberSize(0), 80, "2B", F::IntMinorMax, 0.0514, kEfunda},
    {"No.0-80 UNF", NumberSize(0), 80, "2B", F::IntPDMax, 0.0542, kEfunda},
    {"No.0-80 UNF", NumberSize(0), 80, "2B", F::IntMajorMin, 0.0600, kEfunda},
    {"No.0-80 UNF", NumberSize(0), 80, "3B", F::IntPDMax, 0.0536, kEfunda},
    {"No.1-64 UNC", NumberSize(1), 64, "3A", F::ExtMajorMax, 0.0730, kEfunda},
    {"No.1-64 UNC", NumberSize(1), 64, "3A", F::ExtMajorMin, 0.0692, kEfunda},
    {"No.1-64 UNC", NumberSize(1), 64, "3A", F::UNRMinorMax, 0.0544, kEfunda},
    {"No.1-64 UNC", NumberSize(1), 64, "3B", F::IntPDMax, 0.0648, kEfunda},
    // One unit above the allowance formula; the printed value is kept.
    {"No.2-56 UNC", NumberSize(2), 56, "2A", F::UNRMinorMax, 0.0642, kEfunda},
    {"No.2-64 UNF", NumberSize(2), 64, "2B", F::IntPDMax, 0.0786, kEfunda},
    {"No.6-32 UNC", NumberSize(6), 32, "3B", F::IntMinorMax, 0.1140, kFedStd},
    {"No.10-24 UNC", NumberSize(10), 24, "2A", F::ExtPDMax, 0.1619, kChart},
    {"No.10-24 UNC", NumberSize(10), 24, "2A", F::ExtPDMin, 0.1586, kChart},
    {"No.10-24 UNC", NumberSize(10), 24, "3A", F::ExtPDMin, 0.1604, kChart},
    {"No.12-32 UNEF", NumberSize(12), 32, "2A", F::ExtPDMax, 0.1948, kChart},
    {"No.12-32 UNEF", NumberSize(12), 32, "2A", F::ExtPDMin, 0.1917, kChart},
    {"1/4-20 UNC", 0.25, 20, "2A", F::ExtPDMax, 0.2164, kChart},
    {"1/4-20 UNC", 0.25, 20, "2A", F::ExtPDMin, 0.2127, kChart},
    {"1/4-20 UNC", 0.25, 20, "3A", F::ExtPDMin, 0.2147, kChart},
    {"1/4-20 UNC", 0.25, 20, "2B", F::IntPDMin, 0.2175, kChart},
    {"1/4-20 UNC", 0.25, 20, "2B", F::IntPDMax, 0.2224, kScribd},
    {"5/16-20 UN", 0.3125, 20, "2B", F::IntMinorMin, 0.258, kFedStd},
    {"5/16-20 UN", 0.3125, 20, "2B", F::IntMinorMax, 0.270, kFedStd},
    {"7/16-16 UN", 0.4375, 16, "2B", F::IntMinorMin, 0.370, kFedStd},
    {"7/16-16 UN", 0.4375, 16, "2B", F::IntMinorMax, 0.384, kFedStd},
    {"7/16-28 UNEF", 0.4375, 28, "2A", F::ExtPDMax, 0.4132, kChart},
    {"7/16-28 UNEF", 0.4375, 28, "2A", F::ExtPDMin, 0.4096, kChart},
    {"7/16-28 UNEF", 0.4375, 28, "3A", F::ExtPDMin, 0.4116, kChart},
    {"5/8-11 UNC", 0.625, 11, "2A", F::ExtPDMax, 0.5644, kChart},
    {"5/8-11 UNC", 0.625, 11, "2A", F::ExtPDMin, 0.5589, kChart},
    {"5/8-11 UNC", 0.625, 11, "3A", F::ExtPDMin, 0.5619, kChart},
    {"3/4-16 UNF", 0.75, 16, "2A", F::ExtPDMax, 0.7079, kChart},
    {"3/4-16 UNF", 0.75, 16, "2A", F::ExtPDMin, 0.7029, kChart},
    {"1-8 UNC", 1.0, 8, "2A", F::ExtPDMax, 0.9168, kChart},
    // ASME B1.1-1989 value; the 2003 edition prints 0.9101.
    {"1-8 UNC", 1.0, 8, "2A", F::ExtPDMin, 0.9100, kChart},
    {"1-8 UNC", 1.0, 8, "3A", F::ExtPDMin, 0.9137, kChart},
    {"1-8 UNC", 1.0, 8, "3B", F::IntMinorMax, 0.8797, kFedStd},
    {"1-20 UNEF", 1.0, 20, "2A", F::ExtPDMax, 0.9661, kChart},
    {"1-20 UNEF", 1.0, 20, "2A", F::ExtPDMin, 0.9616, kChart},
    {"1 1/16-12 UN", 1.0625, 12, "2A", F::ExtPDMax, 1.0067, kChart},
    {"1 1/16-12 UN", 1.0625, 12, "3A", F::ExtPDMin, 1.0042, kChart},
    {"1 1/4-8 UN", 1.25, 8, "2B", F::IntMinorMin, 1.115, kFedStd},
    {"1 1/4-8 UN", 1.25, 8, "2B", F::IntMinorMax, 1.140, kFedStd},
    {"1 1/2-8 UN", 1.5, 8, "3B", F::IntMinorMax, 1.3797, kFedStd},
    {"1 1/2-12 UNF", 1.5, 12, "2A", F::ExtPDMax, 1.4440, kChart},
    {"1 1/2-12 UNF", 1.5, 12, "2A", F::ExtPDMin, 1.4376, kChart},
    {"1 1/2-18 UNEF", 1.5, 18, "3A", F::ExtPDMin, 1.4602, kChart},
    // The basic minor diameter 1.5335 printed as 1.534, its maximum as 1.568.
    {"1 3/4-5 UNC", 1.75, 5, "2B", F::IntMinorMin, 1.534, kFedStd},
    {"1 3/4-5 UNC", 1.75, 5, "2B", F::IntMinorMax, 1.568, kFedStd},
    {"1 3/4-5 UNC", 1.75, 5, "3B", F::IntMinorMin, 1.5340, kFedStd},
    {"1 3/4-5 UNC", 1.75, 5, "3B", F::IntMinorMax, 1.5575, kFedStd},
    {"2 3/8-20 UN", 2.375, 20, "2A", F::ExtPDMin, 2.3359, kMH27},
    {"2 1/2-4 UNC", 2.5, 4, "1A", F::ExtMajorMax, 2.4969, kMH27},
    {"2 1/2-4 UNC", 2.5, 4, "1A", F::ExtMajorMin, 2.4612, kMH27},
    {"2 1/2-4 UNC", 2.5, 4, "1A", F::ExtPDMax, 2.3345, kMH27},
    {"2 1/2-4 UNC", 2.5, 4, "1A", F::ExtPDMin, 2.3190, kMH27},
    {"2 1/2-4 UNC", 2.5, 4, "1A", F::UNRMinorMax, 2.1992, kMH27},
    {"2 1/2-4 UNC", 2.5, 4, "1B", F::IntMinorMin, 2.229, kMH27},
    {"2 1/2-4 UNC", 2.5, 4, "1B", F::IntMinorMax, 2.267, kMH27},
    {"2 1/2-4 UNC", 2.5, 4, "1B", F::IntPDMax, 2.3578, kMH27},
    {"2 1/2-4 UNC", 2.5, 4, "2A", F::ExtMajorMin, 2.4731, kMH27},
    {"2 1/2-4 UNC", 2.5, 4, "2A", F::ExtPDMin, 2.3241, kMH27},
    {"2 1/2-4 UNC", 2.5, 4, "2B", F::IntPDMax, 2.3511, kMH27},
    {"2 1/2-4 UNC", 2.5, 4, "3A", F::ExtPDMin, 2.3298, kMH27},
    {"2 1/2-4 UNC", 2.5, 4, "3A", F::UNRMinorMax, 2.2023, kMH27},
    {"2 1/2-4 UNC", 2.5, 4, "3B", F::IntMinorMax, 2.2594, kMH27},
    {"2 1/2-4 UNC", 2.5, 4, "3B", F::IntPDMax, 2.3477, kMH27},
    {"2 1/2-8 UN", 2.5, 8, "2A", F::ExtMajorMax, 2.4976, kMH27},
    {"2 1/2-8 UN", 2.5, 8, "2A", F::ExtPDMax, 2.4164, kMH27},
    {"2 1/2-8 UN", 2.5, 8, "2A", F::ExtPDMin, 2.4082, kMH27},
    {"2 1/2-8 UN", 2.5, 8, "2B", F::IntPDMax, 2.4294, kMH27},
    {"2 1/2-16 UN", 2.5, 16, "3B", F::IntPDMax, 2.4648, kMH27},
};

std::string Describe(const PublishedCase& c) {
    return std::string(c.designation) + "-" + c.cls + " " + c.field.name + " (" + c.source +
           ")";
}

TEST(UnifiedPublished, StandardRowsGiveThePrintedLimits) {
    ShippedTables tables;
    for (const PublishedCase& c : kPublished) {
        SCOPED_TRACE(Describe(c));
        TTInfo rec;
        // The UN reader leaves the external minor to the formulas; UNR keeps the
        // table's rounded-root minor.
        Prepare(rec, c.field.dia == &TThdInfo::Minor ? "UNR" : "UN", c.dia, c.tpi, c.cls[0]);
        ReadAnsiTable(rec);
        ASSERT_EQ(rec.ExtThd.FromTable, 1) << "no table row";
        EXPECT_EQ(Tenths(FieldOf(rec, c.field)), Tenths(c.published));
    }
}

// Special (UNS) threads: every limit printed in the handbook; of 1-14 UNS the
// pitch diameters of the chart and the minor diameters of the federal standard.
const PublishedCase kSpecial[] = {
    {"2 1/2-10 UNS", 2.5, 10, "2A", F::ExtMajorMax, 2.4980, kMH27},
    {"2 1/2-10 UNS", 2.5, 10, "2A", F::ExtMajorMin, 2.4851, kMH27},
    {"2 1/2-10 UNS", 2.5, 10, "2A", F::ExtPDMax, 2.4330, kMH27},
    {"2 1/2-10 UNS", 2.5, 10, "2A", F::ExtPDMin, 2.4263, kMH27},
    {"2 1/2-10 UNS", 2.5, 10, "2B", F::IntMinorMin, 2.392, kMH27},
    {"2 1/2-10 UNS", 2.5, 10, "2B", F::IntMinorMax, 2.413, kMH27},
    {"2 1/2-10 UNS", 2.5, 10, "2B", F::IntPDMax, 2.4437, kMH27},
    {"2 1/2-10 UNS", 2.5, 10, "2B", F::IntMajorMin, 2.5000, kMH27},
    {"2 7/16-16 UNS", 2.4375, 16, "3A", F::ExtPDMin, 2.3928, kMH27},
    {"2 7/16-16 UNS", 2.4375, 16, "3B", F::IntPDMax, 2.4023, kMH27},
    {"1-14 UNS", 1.0, 14, "2A", F::ExtPDMax, 0.9519, kChart},
    {"1-14 UNS", 1.0, 14, "2A", F::ExtPDMin, 0.9463, kChart},
    {"1-14 UNS", 1.0, 14, "3A", F::ExtPDMax, 0.9536, kChart},
    {"1-14 UNS", 1.0, 14, "3A", F::ExtPDMin, 0.9494, kChart},
    {"1-14 UNS", 1.0, 14, "2B", F::IntPDMin, 0.9536, kChart},
    {"1-14 UNS", 1.0, 14, "2B", F::IntMinorMin, 0.923, kFedStd},
    {"1-14 UNS", 1.0, 14, "2B", F::IntMinorMax, 0.938, kFedStd},
    {"1-14 UNS", 1.0, 14, "3B", F::IntMinorMax, 0.9315, kFedStd},
};

TEST(UnifiedPublished, SpecialRowsGiveThePrintedLimits) {
    ShippedTables tables;
    for (const PublishedCase& c : kSpecial) {
        SCOPED_TRACE(Describe(c));
        TTInfo rec;
        Prepare(rec, "UN", c.dia, c.tpi, c.cls[0]);
        ReadAnsiTable(rec);
        EXPECT_EQ(rec.ExtThd.FromTable, 0) << "a special thread has no standard row";
        // The whole calculation keeps the row's limits at the standard engagement.
        rec.SetStarts(1);
        rec.SetCoating(0);
        rec.Calculate();
        ASSERT_EQ(rec.ExtThd.FromTable, 1) << "no special row";
        EXPECT_EQ(rec.ExtThd.Series, "UNS");
        EXPECT_EQ(Tenths(FieldOf(rec, c.field)), Tenths(c.published));
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

// Whole printed rows through the full calculation with the standard
// engagement: the limits shown are the table's.
struct CalculateCase {
    const char* designation;
    const char* type;
    double dia;
    float tpi;
    char cls;
    double ext[4];      // major max, major min, PD max, PD min
    double in[5];       // minor min, minor max, PD min, PD max, major min
    double unrMinorMax; // 0: not checked
    const char* source;
};

// clang-format off
const CalculateCase kCalculate[] = {
    {"No.2-56 UNC-2", "UN", NumberSize(2), 56, '2', {0.0854, 0.0813, 0.0738, 0.0717},
     {0.0667, 0.0737, 0.0744, 0.0772, 0.0860}, 0, kEfunda},
    {"No.1-72 UNF-3", "UN", NumberSize(1), 72, '3', {0.0730, 0.0695, 0.0640, 0.0626},
     {0.0580, 0.0635, 0.0640, 0.0659, 0.0730}, 0, kEfunda},
    {"2 1/2-4 UNRC-1", "UNR", 2.5, 4, '1', {2.4969, 2.4612, 2.3345, 2.3190},
     {2.229, 2.267, 2.3376, 2.3578, 2.5000}, 2.1992, kMH27},
    {"2 1/2-8 UN-3", "UN", 2.5, 8, '3', {2.5000, 2.4850, 2.4188, 2.4127},
     {2.3650, 2.3797, 2.4188, 2.4268, 2.5000}, 0, kMH27},
};
// clang-format on

TEST(UnifiedPublished, CalculateShowsThePrintedRow) {
    ShippedTables tables;
    for (const CalculateCase& c : kCalculate) {
        SCOPED_TRACE(std::string(c.designation) + " (" + c.source + ")");
        TTInfo rec;
        Prepare(rec, c.type, c.dia, c.tpi, c.cls);
        rec.SetStarts(1);
        rec.SetCoating(0);
        rec.Calculate();
        const TThdInfo& e = rec.ExtThd;
        const TThdInfo& i = rec.IntThd;
        EXPECT_EQ(Tenths(e.Major.Max), Tenths(c.ext[0]));
        EXPECT_EQ(Tenths(e.Major.Min), Tenths(c.ext[1]));
        EXPECT_EQ(Tenths(e.PD.Max), Tenths(c.ext[2]));
        EXPECT_EQ(Tenths(e.PD.Min), Tenths(c.ext[3]));
        EXPECT_EQ(Tenths(i.Minor.Min), Tenths(c.in[0]));
        EXPECT_EQ(Tenths(i.Minor.Max), Tenths(c.in[1]));
        EXPECT_EQ(Tenths(i.PD.Min), Tenths(c.in[2]));
        EXPECT_EQ(Tenths(i.PD.Max), Tenths(c.in[3]));
        EXPECT_EQ(Tenths(i.Major.Min), Tenths(c.in[4]));
        if (c.unrMinorMax != 0) {
            EXPECT_EQ(Tenths(e.Minor.Max), Tenths(c.unrMinorMax));
        }
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

std::vector<AnsiRow> ShippedAnsiRows() {
    const TableFile file("ansitbl.bin", kAnsiRecord);
    EXPECT_FALSE(file.partialTail());
    std::vector<AnsiRow> rows;
    for (std::size_t k = 0; k < file.count(); ++k) {
        const TableRecord r = file.record(k);
        rows.push_back({r.I32(0), r.U16(4), r.Str(6, 4), r.Str(11, 2), r.Str(42, 2), r.I32(16),
                        r.I32(20), r.I32(28), r.I32(32), r.I32(38), r.I32(45), r.I32(49), r.I32(53),
                        r.I32(57), r.I32(61), r.I32(65)});
    }
    return rows;
}

TEST(UnifiedPublished, EveryRowKeepsTheStandardsRelations) {
    ShippedTables tables;
    const std::vector<AnsiRow> rows = ShippedAnsiRows();
    // thread (diameter, tpi) -> class digit -> row
    std::map<std::pair<int32_t, int>, std::map<char, AnsiRow>> threads;
    for (const AnsiRow& r : rows) {
        SCOPED_TRACE(std::to_string(r.dia) + "-" + std::to_string(r.tpi10) + " " + r.extClass);
        ASSERT_EQ(r.extClass.size(), 2u);
        EXPECT_EQ(r.extClass[1], 'A');
        EXPECT_EQ(r.intClass, std::string(1, r.extClass[0]) + "B");
        EXPECT_TRUE(r.series == "UNC" || r.series == "UNF" || r.series == "UNEF" ||
                    r.series == "UN");
        const bool added = threads[{r.dia, r.tpi10}].emplace(r.extClass[0], r).second;
        EXPECT_TRUE(added) << "repeated key";
        EXPECT_GE(r.majMax, r.majMin);
        EXPECT_GE(r.pdMax, r.pdMin);
        EXPECT_GE(r.minMax, r.minMin);
        EXPECT_GE(r.ipdMax, r.ipdMin);
        EXPECT_EQ(r.ipdTol, r.ipdMax - r.ipdMin);
        EXPECT_LT(r.minMin, r.ipdMin);
        EXPECT_LT(r.ipdMin, r.imajMin);
        EXPECT_EQ(r.imajMin, r.dia);
        EXPECT_LT(r.unrMax, r.pdMin);
        EXPECT_LT(r.pdMax, r.majMin);
        // One allowance for major and pitch diameter, never negative; the
        // internal PD minimum is the basic pitch diameter.
        EXPECT_GE(r.dia - r.majMax, 0);
        EXPECT_EQ(r.dia - r.majMax, r.ipdMin - r.pdMax);
        if (r.extClass[0] == '3') {
            EXPECT_EQ(r.majMax, r.dia) << "3A has no allowance";
        }
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
        if (a2.series == "UN") {
            static const std::set<int> pitches = {40, 60, 80, 120, 160, 200, 280, 320};
            EXPECT_TRUE(pitches.count(key.second)) << "a constant-pitch series";
        }
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
