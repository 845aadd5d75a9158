#include "families/unified_tables.h"

#include "core/table_file.h"
#include "core/thread_record.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// One record, fields placed at their offsets, little-endian.
class Rec {
public:
    explicit Rec(std::size_t size) : bytes_(size, '\0') {}
    Rec& u16(std::size_t at, uint16_t v) { return put(at, v, 2); }
    Rec& i32(std::size_t at, int32_t v) { return put(at, static_cast<uint32_t>(v), 4); }
    Rec& str(std::size_t at, const std::string& s)
    {
        bytes_[at] = static_cast<char>(s.size());
        bytes_.replace(at + 1, s.size(), s);
        return *this;
    }
    const std::string& bytes() const { return bytes_; }

private:
    Rec& put(std::size_t at, uint32_t v, int n)
    {
        for (int i = 0; i < n; ++i) bytes_[at + i] = static_cast<char>(v >> (8 * i));
        return *this;
    }
    std::string bytes_;
};

void WriteTable(const TempDir& dir, const std::string& name, const std::vector<Rec>& rows,
                std::size_t partialBytes = 0)
{
    std::string all;
    for (const Rec& r : rows) all += r.bytes();
    WriteTextFile(dir.file(name), all + std::string(partialBytes, '\x01'));
}

// #8-32 UNC 2A/2B (ASME B1.1): external major 0.1631/0.1571, PD 0.1428/0.1399;
// internal minor 0.1300/0.1390, PD 0.1437/0.1475, PD tolerance 0.0038, major min 0.1640.
Rec Ansi832(const std::string& extClass = "2A", int32_t extMajorMax = 1631)
{
    return Rec(kAnsiRecord).i32(0, 1640).u16(4, 320).str(6, "UNC").str(11, extClass)
        .i32(16, extMajorMax).i32(20, 1571).i32(28, 1428).i32(32, 1399).i32(38, 0)
        .str(42, "2B").i32(45, 1300).i32(49, 1390).i32(53, 1437).i32(57, 1475).i32(61, 38)
        .i32(65, 1640);
}

// The same thread as an unstbl row: diameter x 10000, threads per inch x 100.
Rec Uns832(const std::string& cls = "2")
{
    return Rec(kUNSRecord).i32(0, 1640).u16(4, 3200).str(6, cls).str(10, "2A")
        .i32(15, 1631).i32(19, 1571).i32(23, 1428).i32(27, 1399).str(37, "2B")
        .i32(40, 1390).i32(44, 1300).i32(48, 1437).i32(52, 1475).i32(58, 1640);
}

// The gauge tolerance tables are not public: these rows carry marker values
// that tell which row and which column a reader took (tpi 20 -> 0.0020 ...).
Rec XRow(uint16_t tpi)
{
    return Rec(kXTolRecord).u16(0, tpi * 10).u16(2, tpi).u16(4, 0).u16(6, tpi)
        .u16(8, 100).i32(10, 200).i32(14, 15).i32(18, 40).i32(22, 80).i32(26, 120);
}

Rec WRow(uint16_t tpi)
{
    return Rec(kWTolRecord).u16(0, tpi * 10).i32(2, tpi).i32(6, tpi * 10).u16(10, 0)
        .u16(12, tpi).u16(14, 5).i32(16, 40).u16(20, 9).i32(22, 5).i32(26, 15).i32(30, 40)
        .i32(34, 80).u16(38, 12);
}

void Describe(TTInfo& rec, const char* type, const char* cls, double dia, float tpi)
{
    rec.SetThreadType(type);
    rec.SetClass(cls);
    rec.SetNomDia(dia);
    rec.SetTPI(tpi);
}

std::string ErrorOf(const std::function<void()>& read)
{
    try {
        read();
    } catch (const TableError& e) {
        return e.what();
    }
    return "no error";
}

const double kNumber8 = 0.073 + 7 * 0.013; // as the number-size parser computes it

} // namespace

TEST(AnsiTable, KeyMatching)
{
    ASSERT_NE(kNumber8, 0.164); // the number-size cases need differing last bits
    const struct {
        const char *name, *type, *cls;
        double dia;
        float tpi;
        double majorMax, minorMax; // 0: no row taken
    } cases[] = {
        {"classTwoMatchesRow2A", "UN", "2", 0.164, 32, 0.1631, 0},
        {"firstOfTwoRowsWins", "UN", "3", 0.164, 32, 0.1640, 0},
        {"otherClass", "UN", "1", 0.164, 32, 0, 0},
        {"otherPitch", "UN", "2", 0.164, 36, 0, 0},
        // Number sizes are computed, so both sides are rounded to four decimals.
        {"numberSizeLastBits", "UN", "2", kNumber8, 32, 0.1631, 0},
        {"fifthDecimalRoundsAway", "UN", "2", 0.16404, 32, 0.1631, 0},
        {"otherDiameter", "UN", "2", 0.1641, 32, 0, 0},
        // 2-56 UNC 2A: UNR minor max 0.0642 (published limits).
        {"unIgnoresMinorColumn", "UN", "2", 0.060 + 2 * 0.013, 56, 0.0854, 0},
        {"unrTakesMinorColumn", "UNR", "2", 0.086, 56, 0.0854, 0.0642},
        {"unjTakesMinorColumn", "UNJ", "2", 0.086, 56, 0.0854, 0.0642},
    };
    TempDir dir;
    ShippedTables path(dir.path().string());
    WriteTable(dir, "ansitbl.bin",
               {Ansi832("2A"), Ansi832("3A", 1640), Ansi832("3A", 9999),
                Rec(kAnsiRecord).i32(0, 860).u16(4, 560).str(11, "2A").i32(16, 854).i32(38, 642)});
    for (const auto& c : cases) {
        TTInfo rec;
        Describe(rec, c.type, c.cls, c.dia, c.tpi);
        ReadAnsiTable(rec);
        EXPECT_DOUBLE_EQ(rec.ExtThd.Major.Max, c.majorMax) << c.name;
        EXPECT_DOUBLE_EQ(rec.ExtThd.Minor.Max, c.minorMax) << c.name;
        EXPECT_EQ(rec.ExtThd.FromTable, c.majorMax != 0) << c.name;
    }
}

TEST(UNSTable, NeedsExactDiameterAndAppliesEveryMatchingRow)
{
    TempDir dir;
    ShippedTables path(dir.path().string());
    Rec later = Uns832(" 2 "); // trimmed before comparing
    later.i32(15, 1632);
    WriteTable(dir, "unstbl.bin", {Uns832("2"), later, Uns832("3")});

    TTInfo computed;
    Describe(computed, "UN", "2", kNumber8, 32);
    ReadUNSTable(computed);
    EXPECT_EQ(computed.ExtThd.FromTable, 0);
    EXPECT_EQ(computed.ExtThd.Major.Max, 0);

    TTInfo typed;
    Describe(typed, "UN", "2", 0.164, 32);
    ReadUNSTable(typed);
    EXPECT_DOUBLE_EQ(typed.ExtThd.Major.Max, 0.1632); // the later row overwrote
    EXPECT_EQ(typed.ExtThd.Series + "/" + typed.IntThd.Series, "UNS/UNS");
    EXPECT_EQ(typed.ExtThd.FromTable + typed.IntThd.FromTable, 2);
}

TEST(GaugeTolerances, RowChoiceByThreadsPerInch)
{
    const struct {
        const char* name;
        float tpi;
        int xRow, wRow; // tpi of the row taken; 0: none
    } cases[] = {
        {"betweenRows", 18, 16, 20},        {"exactRow", 16, 16, 16},
        {"firstRowExact", 20, 20, 20},      {"betweenLowerRows", 14, 12, 16},
        {"finerThanAllRows", 24, 0, 0},     {"coarserThanAllRows", 10, 12, 12},
    };
    TempDir dir;
    ShippedTables path(dir.path().string());
    WriteTable(dir, "unxtol.bin", {XRow(20), XRow(16), XRow(12)});
    WriteTable(dir, "unwtol.bin", {WRow(20), WRow(16), WRow(12)});
    for (const auto& c : cases) {
        TTInfo rec;
        Describe(rec, "UN", "2", 1.0, c.tpi);
        ReadClassXTols(rec);
        ReadClassWTols(rec);
        EXPECT_DOUBLE_EQ(rec.XLeadTol, c.xRow / 10000.0) << c.name;
        EXPECT_EQ(rec.XAngleMin, c.xRow) << c.name;
        EXPECT_DOUBLE_EQ(rec.WLeadTol, c.wRow * 10 / 100000.0) << c.name;
        EXPECT_EQ(rec.WAngleMin, c.wRow) << c.name;
    }
}

TEST(GaugeTolerances, ColumnChoiceByDiameter)
{
    // Marker columns, hand-scaled: X dia 0.0100 / 0.0200; X PD 0.0015, 0.0040,
    // 0.0080, 0.0120; W dia 0.0005, 0.00040, 0.0009; W PD 0.00005, 0.00015,
    // 0.00040, 0.00080, 0.0012; over 12 inches 0.0012 x 13 / 12 = 0.0013.
    const struct {
        const char* name;
        double dia, xDia, xPD, wDia, wPD;
    } cases[] = {
        {"half", 0.5, 0.0100, 0.0015, 0.0005, 0.00005},
        {"overHalf", 0.75, 0.0100, 0.0015, 0.00040, 0.00015},
        {"oneAndHalf", 1.5, 0.0100, 0.0015, 0.00040, 0.00015},
        {"four", 4.0, 0.0100, 0.0040, 0.00040, 0.00040},
        {"overFour", 4.5, 0.0200, 0.0080, 0.0009, 0.00080},
        {"twelve", 12.0, 0.0200, 0.0120, 0.0009, 0.0012},
        {"thirteen", 13.0, 0.0200, 0.0130, 0.0009, 0.0013},
    };
    TempDir dir;
    ShippedTables path(dir.path().string());
    WriteTable(dir, "unxtol.bin", {XRow(16)});
    WriteTable(dir, "unwtol.bin", {WRow(16)});
    for (const auto& c : cases) {
        TTInfo rec;
        Describe(rec, "UN", "2", c.dia, 16);
        ReadClassXTols(rec);
        ReadClassWTols(rec);
        EXPECT_DOUBLE_EQ(rec.XDiaTol, c.xDia) << c.name;
        EXPECT_DOUBLE_EQ(rec.XPDTol, c.xPD) << c.name;
        EXPECT_DOUBLE_EQ(rec.WDiaTol, c.wDia) << c.name;
        EXPECT_DOUBLE_EQ(rec.WPDTol, c.wPD) << c.name;
        EXPECT_DOUBLE_EQ(rec.WLeadTol, c.dia <= 0.5 ? 0.00016 : 0.0016) << c.name;
    }
}

TEST(GaugeTables, GaugeSizesAndSettingPlugTruncations)
{
    TempDir dir;
    ShippedTables path(dir.path().string());
    // 1/4-20: pitch 0.0500; 1/2-13: 0.0769, 1/13 to four decimals.
    WriteTable(dir, "gagetbl.bin",
               {Rec(kGageRecord).i32(0, 2500).i32(4, 500).i32(10, 11).i32(14, 22).i32(18, 33),
                Rec(kGageRecord).i32(0, 5000).i32(4, 769).i32(10, 44).i32(14, 55).i32(18, 66)});
    WriteTable(dir, "splugtbl.bin",
               {Rec(kSetPlugRecord).i32(0, 2500).i32(4, 500).u16(8, 2).i32(10, 1).i32(14, 2),
                Rec(kSetPlugRecord).i32(0, 2500).i32(4, 500).u16(8, 3).i32(10, 3).i32(14, 4),
                Rec(kSetPlugRecord).i32(0, 2500).i32(4, 500).u16(8, 3).i32(10, 5).i32(14, 6)});
    const struct {
        const char *name, *type, *cls;
        double dia;
        float tpi;
        double goRing, noGoRing, noGoPlug, goTrunc, noGoTrunc;
    } cases[] = {
        {"unClass2", "UN", "2", 0.25, 20, 0.0011, 0.0022, 0.0033, 0.0001, 0.0002},
        {"unrLaterRowWins", "UNR", "3", 0.25, 20, 0.0011, 0.0022, 0.0033, 0.0005, 0.0006},
        {"unjKeepsGoRing", "UNJ", "2", 0.25, 20, 0, 0.0022, 0.0033, 0.0001, 0.0002},
        {"class1NoPlugRow", "UN", "1", 0.25, 20, 0.0011, 0.0022, 0.0033, 0, 0},
        {"pitchToFourDecimals", "UN", "2", 0.5, 13, 0.0044, 0.0055, 0.0066, 0, 0},
        {"otherPitch", "UN", "2", 0.5, 12, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        TTInfo rec;
        Describe(rec, c.type, c.cls, c.dia, c.tpi);
        ReadGageTable(rec);
        ReadSetPlugTable(rec);
        EXPECT_DOUBLE_EQ(rec.GoRing.Minor.Gage, c.goRing) << c.name;
        EXPECT_DOUBLE_EQ(rec.NoGoRing.Minor.Gage, c.noGoRing) << c.name;
        EXPECT_DOUBLE_EQ(rec.NoGoPlug.Major.Gage, c.noGoPlug) << c.name;
        EXPECT_DOUBLE_EQ(rec.GoSetPlug.Major.GageTrunc, c.goTrunc) << c.name;
        EXPECT_DOUBLE_EQ(rec.NoGoSetPlug.Major.GageTrunc, c.noGoTrunc) << c.name;
    }
}

TEST(TableReaders, EmptyFilesChangeNothing)
{
    TempDir dir;
    ShippedTables path(dir.path().string());
    for (const char* name :
         {"ansitbl.bin", "unstbl.bin", "unxtol.bin", "unwtol.bin", "gagetbl.bin", "splugtbl.bin"})
        WriteTextFile(dir.file(name), "");
    TTInfo rec;
    Describe(rec, "UN", "2", 0.25, 20);
    rec.XPDTol = 0.5;
    rec.ExtThd.PD.Max = 0.2164;
    rec.GoRing.Minor.Gage = 0.1;
    for (auto read : {ReadAnsiTable, ReadUNSTable, ReadClassXTols, ReadClassWTols,
                      ReadGageTable, ReadSetPlugTable})
        read(rec);
    EXPECT_EQ(rec.XPDTol, 0.5);
    EXPECT_EQ(rec.XLeadTol + rec.WDiaTol + rec.GoSetPlug.Major.GageTrunc, 0);
    EXPECT_EQ(rec.ExtThd.PD.Max, 0.2164);
    EXPECT_EQ(rec.ExtThd.FromTable, 0);
    EXPECT_EQ(rec.GoRing.Minor.Gage, 0.1);
}

TEST(TableReaders, PartialLastRecord)
{
    TempDir dir;
    ShippedTables path(dir.path().string());
    const std::string beyond = "Read beyond end of file: ";
    WriteTable(dir, "unstbl.bin", {Uns832()}, 10);
    WriteTable(dir, "unxtol.bin", {XRow(40)}, 29);
    WriteTable(dir, "unwtol.bin", {WRow(40)}, 2);
    WriteTable(dir, "gagetbl.bin", {Rec(kGageRecord).i32(0, 2500).i32(4, 500).i32(14, 22)}, 21);
    WriteTable(dir, "splugtbl.bin", {}, 17);

    TTInfo rec;
    Describe(rec, "UN", "2", 0.164, 32);
    // Tolerable: the broken record counts as not read.
    EXPECT_EQ(ErrorOf([&] { ReadUNSTable(rec); }), "no error");
    EXPECT_EQ(ErrorOf([&] { ReadClassXTols(rec); }), "no error");
    EXPECT_EQ(ErrorOf([&] { ReadClassWTols(rec); }), "no error");
    EXPECT_DOUBLE_EQ(rec.ExtThd.Major.Max, 0.1631);
    EXPECT_EQ(rec.XAngleMin, 40);
    EXPECT_EQ(rec.WAngleMin, 40);

    // Fatal, but only once the scan reaches the tail: earlier rows are applied.
    TTInfo quarter;
    Describe(quarter, "UN", "2", 0.25, 20);
    EXPECT_EQ(ErrorOf([&] { ReadGageTable(quarter); }), beyond + dir.file("gagetbl.bin"));
    EXPECT_DOUBLE_EQ(quarter.NoGoRing.Minor.Gage, 0.0022);
    EXPECT_EQ(ErrorOf([&] { ReadSetPlugTable(quarter); }), beyond + dir.file("splugtbl.bin"));

    // The standard rows stop at the first match and never reach the tail.
    WriteTable(dir, "ansitbl.bin", {Ansi832()}, 68);
    EXPECT_EQ(ErrorOf([&] { ReadAnsiTable(rec); }), "no error");
    rec.SetClass("3");
    EXPECT_EQ(ErrorOf([&] { ReadAnsiTable(rec); }), beyond + dir.file("ansitbl.bin"));
}
