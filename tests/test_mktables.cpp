// The table compiler, run as the build runs it.
#include "core/table_file.h"
#include "core/thread_record.h"
#include "families/unified_tables.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <sys/wait.h>

namespace {

const std::string kMktables = PL_BIN_DIR "/../tools/mktables";

const std::map<std::string, std::string> kHeaders = {
    {"ansitbl", "dia,tpi,series,ext_class,ext_major_max,ext_major_min,ext_pd_max,ext_pd_min,"
                "ext_minor_max,int_class,int_minor_min,int_minor_max,int_pd_min,int_pd_max,"
                "int_pd_tol,int_major_min,source"},
    {"unstbl", "dia,tpi,class,ext_class,ext_major_max,ext_major_min,ext_pd_max,ext_pd_min,"
               "int_class,int_minor_max,int_minor_min,int_pd_min,int_pd_max,int_major_min"},
    {"unxtol", "tpi,lead_tol,angle_deg,angle_min,dia_tol_to4,dia_tol_over4,pd_tol_to1_5,"
               "pd_tol_to4,pd_tol_to8,pd_tol_to12"},
    // Columns in another order than the record, with a column for people.
    {"unwtol", "source,pd_tol_to12,tpi,lead_tol_to0_5,lead_tol_over0_5,angle_deg,angle_min,"
               "dia_tol_to0_5,dia_tol_to4,dia_tol_over4,pd_tol_to0_5,pd_tol_to1_5,pd_tol_to4,"
               "pd_tol_to8"},
    {"gagetbl", "dia,pitch,go_ring_minor,nogo_ring_minor,nogo_plug_major"},
    {"splugtbl", "dia,pitch,class_code,go_trunc_major,nogo_trunc_major"},
};

// #8-32 UNC 2A/2B, ASME B1.1 limits.
const std::string kAnsi832 =
    "0.1640,32,UNC,2A,0.1631,0.1571,0.1428,0.1399,,2B,0.1300,0.1390,0.1437,0.1475,0.0038,"
    "0.1640,\"ASME B1.1, #8-32 UNC\"";

struct Result {
    int status;
    std::string output;
};

Result Mktables(const std::string& args)
{
    Result r{-1, {}};
    std::FILE* p = popen((kMktables + " " + args + " 2>&1").c_str(), "r");
    if (!p) return r;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) r.output.append(buf, n);
    const int status = pclose(p);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

// Writes <table>.csv with a comment line, the header and the rows.
std::string Source(const TempDir& dir, const std::string& table, const std::string& rows)
{
    const std::string path = dir.file(table + ".csv");
    WriteTextFile(path, "# test rows\n" + kHeaders.at(table) + "\n" + rows);
    return path;
}

Result Compile(const TempDir& dir, const std::string& table, const std::string& rows)
{
    return Mktables(table + " " + Source(dir, table, rows) + " " + dir.file(table + ".bin"));
}

} // namespace

TEST(Mktables, ScalesDecimalTextExactly)
{
    TempDir dir;
    // In binary floating point 0.00029 x 100000 and 0.0029 x 10000 fall just below 29.
    const Result r = Compile(dir, "unwtol",
                             "\"B1.2, marker\",0.0029,13.5,0.00029,-1,0,20,0.0029,0.00029,"
                             "0.002900,0.00001,0.0,1,0.00029\n");
    ASSERT_EQ(r.status, 0) << r.output;
    const auto bytes = ReadWholeFile(dir.file("unwtol.bin"));
    ASSERT_EQ(bytes.size(), 40u);
    const TableRecord rec(bytes.data(), bytes.size());
    EXPECT_EQ(rec.U16(0), 135);
    EXPECT_EQ(rec.I32(2), 29);
    EXPECT_EQ(rec.I32(6), -100000); // -1: the standard gives no value
    EXPECT_EQ(rec.U16(12), 20);
    EXPECT_EQ(rec.U16(14), 29);
    EXPECT_EQ(rec.I32(16), 29);
    EXPECT_EQ(rec.U16(20), 29);
    EXPECT_EQ(rec.I32(22), 1);
    EXPECT_EQ(rec.I32(26), 0);
    EXPECT_EQ(rec.I32(30), 100000);
    EXPECT_EQ(rec.I32(34), 29);
    EXPECT_EQ(rec.U16(38), 29);
}

// The gauge tables as compiled are what the readers find. Pitches are held to
// four decimals: 1/13 = 0.076923 as 0.0769, 1/32 = 0.03125 as either neighbour.
TEST(Mktables, GaugeRowsAreFoundAtTheirFourDecimals)
{
    TempDir dir;
    ShippedTables path(dir.path().string());
    ASSERT_EQ(Compile(dir, "gagetbl", "0.5,0.0769,0.0131,0.0132,0.0133\n0.625,0.0556,0,0,0.0018\n"
                                      "0.19,0.0417,0,0,0.0024\n0.25,0.0357,0,0,0.0028\n"
                                      "0.19,0.0312,0,0,0.0032\n0.3125,0.0313,0,0,0.0033\n")
                  .status,
              0);
    ASSERT_EQ(Compile(dir, "splugtbl", "0.5,0.0769,2,0.0134,0.0135\n").status, 0);
    const struct {
        const char* name;
        double dia;
        float tpi;
        double noGoPlugMajor; // 0: no row found
    } cases[] = {
        {"13tpi", 0.5, 13, 0.0133},        {"18tpi", 0.625, 18, 0.0018},
        {"24tpi", 0.19, 24, 0.0024},       {"28tpi", 0.25, 28, 0.0028},
        {"32tpiRoundedDown", 0.19, 32, 0.0032}, {"32tpiRoundedUp", 0.3125, 32, 0.0033},
        {"12tpiNotThe13Row", 0.5, 12, 0},  {"otherDiameter", 0.5001, 13, 0},
    };
    for (const auto& c : cases) {
        TTInfo rec;
        rec.SetThreadType("UN");
        rec.SetClass("2");
        rec.SetNomDia(c.dia);
        rec.SetTPI(c.tpi);
        ReadGageTable(rec);
        ReadSetPlugTable(rec);
        EXPECT_DOUBLE_EQ(rec.NoGoPlug.Major.Gage, c.noGoPlugMajor) << c.name;
        if (std::string(c.name) != "13tpi") continue; // its row fills every column
        EXPECT_DOUBLE_EQ(rec.GoRing.Minor.Gage, 0.0131);
        EXPECT_DOUBLE_EQ(rec.NoGoRing.Minor.Gage, 0.0132);
        EXPECT_DOUBLE_EQ(rec.GoSetPlug.Major.GageTrunc, 0.0134);
        EXPECT_DOUBLE_EQ(rec.NoGoSetPlug.Major.GageTrunc, 0.0135);
    }
}

TEST(Mktables, RefusesBadSourcesWithFileAndLine)
{
    struct Case {
        const char* name;
        const char* table;
        std::string rows;
        std::string problem; // after "<file>:"
    };
    const std::string x = "0,0,0,0,0,0,0,0,0"; // the unxtol columns after tpi
    const Case cases[] = {
        {"tooManyDecimals", "unxtol", "20,0.00021,0,0,0,0,0,0,0,0\n",
         "3: lead_tol: 0.00021 has more than 4 decimals"},
        {"u16OutOfRange", "unxtol", "6553.6," + x + "\n",
         "3: tpi: 6553.6 is out of range (0 to 6553.5)"},
        {"i32OutOfRange", "gagetbl", "214748.3648,0.05,0,0,0\n",
         "3: dia: 214748.3648 is out of range (-214748.3648 to 214748.3647)"},
        {"notANumber", "unxtol", "2O," + x + "\n", "3: tpi: 2O is not a decimal number"},
        {"negativeLength", "gagetbl", "0.25,0.05,-0.0001,0,0\n",
         "3: go_ring_minor: -0.0001 is negative"},
        {"stringTooLong", "ansitbl", "0.25,20,UNREF,2A,,,,,,,,,,,,,\n",
         "3: series: 'UNREF' is longer than 4 characters"},
        {"keyMissing", "splugtbl", "0.25,0.05,,0,0\n", "3: class_code: a value is required"},
        {"fieldCount", "unxtol", "20,0\n", "3: 2 fields, the header has 10"},
        {"maxBelowMin", "unstbl", "0.25,28,2,2A,0.2490,0.2491,0,0,2B,0,0,0,0,0\n",
         "3: ext_major_max 0.2490 is below ext_major_min 0.2491"},
        {"tpiRising", "unxtol", "16," + x + "\n\n20," + x + "\n",
         "5: tpi 20 does not fall below 16 of line 3; rows must be ordered by falling tpi"},
        {"tpiRepeated", "unxtol", "16," + x + "\n16.0," + x + "\n",
         "4: tpi 16.0 does not fall below 16 of line 3; rows must be ordered by falling tpi"},
        {"keyHidden", "ansitbl", kAnsi832 + "\n0.164,32.0,UNC,2,,,,,,,,,,,,,\n",
         "4: dia 0.164, tpi 32.0, ext_class 2 repeats line 3, whose row the reader takes first"},
        {"openQuote", "gagetbl", "0.25,0.05,0,0,\"0\n", "3: a quoted field is not closed"},
        // Rows no thread reaches: 1/13 is 0.0769, not 0.0770; class codes are 1 to 3;
        // of two rows with one key the gauge readers apply only the later.
        {"pitchOfNoThread", "gagetbl", "0.5,0.0770,0,0,0\n",
         "3: pitch 0.0770 is not 1/tpi to four decimals for any tpi in tenths (13 tpi is "
         "0.0769), so no thread finds this row"},
        {"classOfNoThread", "splugtbl", "0.25,0.05,4,0,0\n",
         "3: class_code 4 names no class (1, 2 or 3 for 1A, 2A, 3A), so no thread finds this "
         "row"},
        {"gaugeKeyRepeated", "gagetbl", "0.25,0.05,0,0,0\n0.2500,0.050,0,0,0\n",
         "4: dia 0.2500, pitch 0.050 repeats line 3, whose row the reader then never applies"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const Result r = Compile(dir, c.table, c.rows);
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_EQ(r.output, dir.file(std::string(c.table) + ".csv") + ":" + c.problem + "\n")
            << c.name;
        EXPECT_FALSE(std::filesystem::exists(dir.file(std::string(c.table) + ".bin"))) << c.name;
    }
}

TEST(Mktables, HeaderRules)
{
    TempDir dir;
    const std::string noComment = dir.file("unxtol.csv");
    const std::string noPitch = dir.file("gagetbl.csv");
    const std::string unknown = dir.file("nosuch.csv");
    WriteTextFile(noComment, kHeaders.at("unxtol") + "\n");
    WriteTextFile(noPitch, "# ASME B1.2\n\ndia,go_ring_minor,nogo_ring_minor,nogo_plug_major\n");
    WriteTextFile(unknown, "# x\ndia\n");
    const Result r = Mktables("--check " + noComment + " " + noPitch + " " + unknown);
    EXPECT_EQ(r.status, 1);
    const std::string expected =
        noComment + ":1: no comment lines before the header naming the standard table or "
                    "formula\n" +
        noPitch + ":3: missing column 'pitch'\n" + unknown + ": no table named 'nosuch' (known: ";
    EXPECT_EQ(r.output.substr(0, expected.size()), expected); // the known list grows
    EXPECT_EQ(Mktables("unxtol onlyone").status, 2);
}

TEST(Mktables, EmptySourceCompilesToAnEmptyFile)
{
    TempDir dir;
    const Result r = Compile(dir, "splugtbl", "# no rows yet\n\n");
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.output, "");
    ASSERT_TRUE(std::filesystem::exists(dir.file("splugtbl.bin")));
    EXPECT_EQ(std::filesystem::file_size(dir.file("splugtbl.bin")), 0u);

    const Result check = Mktables("--check " + dir.file("splugtbl.csv"));
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.output, dir.file("splugtbl.csv") + ": 0 rows\n");
}
