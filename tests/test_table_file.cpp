// The table compiler run as the build runs it, and the unified readers on the
// files it writes. Marker values tell which row and column a reader took.
#include "core/pipe_record.h"
#include "core/settings.h"
#include "core/table_file.h"
#include "core/thread_record.h"
#include "families/metric_tables.h"
#include "families/unified_tables.h"
#include "gauges/gage_catalogue.h"
#include "pipe/pipe_tables.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iterator>
#include <sstream>
#include <tuple>

namespace {

const std::string kMktables = PL_BIN_DIR "/../tools/mktables";

// The header of the shipped source, without the columns kept for people (ansitbl's
// source column is stored). unwtol's columns come in another order than the record's,
// with a column for people, to show that columns are taken by name.
std::string Header(const std::string& table) {
    if (table == "unwtol")
        return "source,pd_tol_to12,tpi,lead_tol_to0_5,lead_tol_over0_5,angle_deg,angle_min,"
               "dia_tol_to0_5,dia_tol_to4,dia_tol_over4,pd_tol_to0_5,pd_tol_to1_5,pd_tol_to4,"
               "pd_tol_to8";
    std::istringstream in(ReadTextFile(PL_SOURCE_DIR "/data/" + table + ".csv"));
    std::string line;
    while (std::getline(in, line) && (line.empty() || line[0] == '#')) {
    }
    for (const char* extra : {",published_cols", ",source"})
        if (line.ends_with(extra) && (table != "ansitbl" || extra[1] == 'p'))
            line.erase(line.size() - std::strlen(extra));
    return line;
}

const char* const kTables[] = {"ansitbl", "unstbl",  "unxtol",  "unwtol",  "gagetbl", "splugtbl",
                               "exm",     "inm",     "inmj",    "mextall", "mintall", "metdev",
                               "mextol",  "mintol",  "mjallow", "mjextol", "mjintol", "xmettol",
                               "npt",     "nptgage", "npttol"};

// #8-32 UNC 2A/2B, ASME B1.1 limits, as a standard and as a special row.
const std::string kAnsi832 =
    "0.1640,32,UNC,2A,0.1631,0.1571,0.1428,0.1399,,2B,0.1300,0.1390,0.1437,0.1475,0.0038,"
    "0.1640,\"ASME B1.1, #8-32 UNC\"\n";
const std::string kUns832 =
    "0.164,32,2,2A,0.1631,0.1571,0.1428,0.1399,2B,0.1390,0.1300,0.1437,0.1475,0.1640\n";

// Class X and W marker rows: lead and half-angle minutes follow the tpi
// (20 tpi: X lead 0.0020, W lead 0.00020 / 0.00200); every diameter band
// has its own value.
std::string XRow(int tpi) {
    const std::string t = std::to_string(tpi);
    return t + ",0.00" + t + ",0," + t + ",0.0100,0.0200,0.0015,0.0040,0.0080,0.0120\n";
}

std::string WRow(int tpi) {
    const std::string t = std::to_string(tpi);
    return "marker,0.0012," + t + ",0.000" + t + ",0.00" + t + "0,0," + t +
           ",0.0005,0.00040,0.0009,0.00005,0.00015,0.00040,0.00080\n";
}

struct Result {
    int status;
    std::string output;
};

Result Mktables(const std::string& args) {
    const std::string out = CommandOutput(kMktables + " " + args + " 2>&1; echo $?");
    const std::size_t end = out.rfind('\n', out.size() - 2) + 1; // the status line follows
    return {std::atoi(out.c_str() + end), out.substr(0, end)};
}

// Writes <table>.csv with a comment line, the header and the rows, and compiles it.
Result Compile(const TempDir& dir, const std::string& table, const std::string& rows) {
    const std::string source = dir.file(table + ".csv");
    WriteTextFile(source, "# test rows\n" + Header(table) + "\n" + rows);
    return Mktables(table + " " + source + " " + dir.file(table + ".bin"));
}

// Compiles the rows into the table data path, then appends a partial record of `extra` bytes.
void Install(const TempDir& dir, const std::string& table, const std::string& rows,
             std::size_t extra = 0) {
    ASSERT_EQ(Compile(dir, table, rows).status, 0) << table;
    const std::string bin = dir.file(table + ".bin");
    WriteTextFile(bin, ReadTextFile(bin) + std::string(extra, '\x01'));
}

void Describe(TTInfo& rec, const char* type, const char* cls, double dia, float tpi) {
    rec.SetThreadType(type);
    rec.SetClass(cls);
    rec.SetNomDia(dia);
    rec.SetTPI(tpi);
}

} // namespace

TEST(Mktables, ScalesDecimalTextExactly) {
    TempDir dir;
    // In binary floating point 0.00029 x 100000 and 0.0029 x 10000 fall just below 29.
    Install(dir, "unwtol",
            "\"B1.2, marker\",0.0029,13.5,0.00029,-1,0,20,0.0029,0.00029,0.002900,0.00001,0.0,1,"
            "0.00029\n");
    const auto bytes = ReadWholeFile(dir.file("unwtol.bin"));
    ASSERT_EQ(bytes.size(), 40u);
    const TableRecord rec(bytes.data(), bytes.size());
    // -1: the standard gives no value.
    const struct {
        std::size_t at;
        bool u16;
        int32_t stored;
    } fields[] = {{0, true, 135}, {2, false, 29},      {6, false, -100000}, {12, true, 20},
                  {14, true, 29}, {16, false, 29},     {20, true, 29},      {22, false, 1},
                  {26, false, 0}, {30, false, 100000}, {34, false, 29},     {38, true, 29}};
    for (const auto& f : fields)
        EXPECT_EQ(f.u16 ? rec.U16(f.at) : rec.I32(f.at), f.stored) << "offset " << f.at;
}

class MktablesRefuses : public testing::TestWithParam<DataRow> {};

TEST_P(MktablesRefuses, BadSourcesWithFileAndLine) {
    const DataRow& c = GetParam();
    TempDir dir;
    const std::string table = c.Text("table");
    const Result r = Compile(dir, table, c.Text("rows"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.output, dir.file(table + ".csv") + ":" + c.Text("problem") + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file(table + ".bin")));
}

DATA_ROWS(MktablesRefuses, "mktables_refusals");

// Layouts no worked example reaches (the other metric ones are compiled by the metric
// tests, the Acme and buttress ones by theirs): inmj's pitch x1000, blank deviations
// as 0, mjintol's unused third field, the pipe records.
TEST(Mktables, RecordLayouts) {
    const struct {
        const char* table;
        std::string row;
        std::size_t size;
        std::vector<std::tuple<std::size_t, bool, int32_t>> fields; // offset, 32-bit, value
    } cases[] = {
        {"inmj",
         "6.5,1,4H5H,5.526,5.716,5.85,5.945,6.5,6.739",
         35,
         {{0, false, 65}, {2, false, 1000}, {17, true, 5850}, {21, true, 5945}, {31, true, 6739}}},
        {"metdev",
         "0.2,17,,,17",
         10,
         {{0, false, 20}, {2, false, 17}, {4, false, 0}, {6, false, 0}, {8, false, 17}}},
        {"mjintol", "1,190", 6, {{0, false, 100}, {2, false, 190}, {4, false, 0}}},
        // 1/2 NPT and the 1/16 gauges (ASME B1.20.1): field n of 4-byte values x 100000
        // at byte 4(n-1); the fourth field is skipped.
        {"npt",
         "0.5,0.840,14,0.75843,0.3200,4.48,0.77843,0.5337,7.47,0.79179,0.2137,2.99,0.2143,3,"
         "0.74504,0.2478,3.47,0.7815,0.3909,0.78286,0.05714,0.00446,0.70129",
         96,
         {{0, true, 50000},
          {4, true, 84000},
          {8, true, 1400000},
          {12, true, 0},
          {16, true, 75843},
          {20, true, 32000},
          {72, true, 78150},
          {88, true, 446},
          {92, true, 70129}}},
        {"nptgage",
         "0.0625,0.3125,27,0.29289,0.30289,0.30921,0.27118,0.28118,0.28750,0.24947,0.25947,"
         "0.00231,0.160",
         56,
         {{0, true, 6250},
          {4, true, 31250},
          {8, true, 2700000},
          {12, true, 0},
          {16, true, 29289},
          {32, true, 28118},
          {48, true, 231},
          {52, true, 16000}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table);
        TempDir dir;
        ASSERT_EQ(Compile(dir, c.table, c.row + "\n").status, 0);
        const auto bytes = ReadWholeFile(dir.file(std::string(c.table) + ".bin"));
        ASSERT_EQ(bytes.size(), c.size);
        const TableRecord rec(bytes.data(), bytes.size());
        for (const auto& [at, wide, value] : c.fields)
            EXPECT_EQ(wide ? rec.I32(at) : static_cast<int16_t>(rec.U16(at)), value) << at;
    }
}

TEST(Mktables, HeaderRules) {
    TempDir dir;
    const std::string noComment = dir.file("unxtol.csv");
    const std::string noPitch = dir.file("gagetbl.csv");
    const std::string unknown = dir.file("nosuch.csv");
    WriteTextFile(noComment, Header("unxtol") + "\n");
    WriteTextFile(noPitch, "# ASME B1.2\n\ndia,go_ring_minor,nogo_ring_minor,nogo_plug_major\n");
    WriteTextFile(unknown, "# x\ndia\n");
    const Result r = Mktables("--check " + noComment + " " + noPitch + " " + unknown);
    EXPECT_EQ(r.status, 1);
    const std::string expected = noComment +
                                 ":1: no comment lines before the header naming the "
                                 "standard table or formula\n" +
                                 noPitch + ":3: missing column 'pitch'\n" + unknown +
                                 ": no table named 'nosuch' (known: ";
    EXPECT_EQ(r.output.substr(0, expected.size()), expected); // the known list grows
    EXPECT_EQ(Mktables("unxtol onlyone").status, 2);
}

// A source without rows is valid; the readers then find nothing and change nothing.
TEST(Mktables, EmptySourcesChangeNothing) {
    TempDir dir;
    ShippedTables path(dir.path().string());
    for (const std::string table : kTables) {
        const Result r = Compile(dir, table, "# no rows yet\n\n");
        EXPECT_EQ(std::to_string(r.status) + r.output, "0") << table; // silent
        EXPECT_EQ(std::filesystem::file_size(dir.file(table + ".bin")), 0u);
    }
    const Result check = Mktables("--check " + dir.file("splugtbl.csv"));
    EXPECT_EQ(std::to_string(check.status) + check.output,
              "0" + dir.file("splugtbl.csv") + ": 0 rows\n");

    TTInfo rec;
    Describe(rec, "UN", "2", 0.25, 20);
    rec.XPDTol = 0.5;
    rec.ExtThd.PD.Max = 0.2164;
    rec.GoRing.Minor.Gage = 0.1;
    for (auto read : {ReadAnsiTable, ReadUNSTable, ReadClassXTols, ReadClassWTols, ReadGageTable,
                      ReadSetPlugTable})
        read(rec);
    EXPECT_EQ(rec.XPDTol, 0.5);
    EXPECT_EQ(rec.XLeadTol + rec.WDiaTol + rec.GoSetPlug.Major.GageTrunc, 0);
    EXPECT_EQ(rec.ExtThd.PD.Max, 0.2164);
    EXPECT_EQ(rec.ExtThd.FromTable, 0);
    EXPECT_EQ(rec.GoRing.Minor.Gage, 0.1);
}

// A write that fails (a file size limit stands in for a full disk) keeps the
// old table whole and leaves no temporary beside it.
TEST(Mktables, FailedWriteKeepsTheOldTable) {
    TempDir dir;
    const std::string source = dir.file("unwtol.csv");
    WriteTextFile(source, "# test rows\n" + Header("unwtol") + "\n" + WRow(20));
    WriteTextFile(dir.file("unwtol.bin"), "the old table");
    const std::string out = CommandOutput("trap '' XFSZ; ulimit -f 0; " + kMktables + " unwtol " +
                                          source + " " + dir.file("unwtol.bin") + " 2>&1; echo $?");
    EXPECT_EQ(out, dir.file("unwtol.bin") + ": cannot be written: File too large\n1\n");
    EXPECT_EQ(ReadTextFile(dir.file("unwtol.bin")), "the old table");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              2);
}

class GaugeToleranceRows : public testing::TestWithParam<DataRow> {};

TEST_P(GaugeToleranceRows, ByTpiAndDiameter) {
    const DataRow& c = GetParam();
    TempDir dir;
    ShippedTables path(dir.path().string());
    Install(dir, "unxtol", XRow(20) + XRow(16) + XRow(12));
    Install(dir, "unwtol", WRow(20) + WRow(16) + WRow(12));
    TTInfo rec;
    Describe(rec, "UN", "2", c.Num("dia"), c.Float("tpi"));
    ReadClassXTols(rec);
    ReadClassWTols(rec);
    const int xRow = c.Int("x_row"), wRow = c.Int("w_row");
    EXPECT_DOUBLE_EQ(rec.XLeadTol, xRow / 10000.0);
    EXPECT_EQ(rec.XAngleMin, xRow);
    EXPECT_DOUBLE_EQ(rec.XDiaTol, c.Num("x_dia"));
    EXPECT_DOUBLE_EQ(rec.XPDTol, c.Num("x_pd"));
    EXPECT_DOUBLE_EQ(rec.WLeadTol, wRow * (c.Num("dia") <= 0.5 ? 1 : 10) / 100000.0);
    EXPECT_EQ(rec.WAngleMin, wRow);
    EXPECT_DOUBLE_EQ(rec.WDiaTol, c.Num("w_dia"));
    EXPECT_DOUBLE_EQ(rec.WPDTol, c.Num("w_pd"));
}

DATA_ROWS(GaugeToleranceRows, "unified_gauge_tolerance_rows");

class GaugeSizeRows : public testing::TestWithParam<DataRow> {};

TEST_P(GaugeSizeRows, AndSettingPlugTruncations) {
    const DataRow& c = GetParam();
    TempDir dir;
    ShippedTables path(dir.path().string());
    Install(dir, "gagetbl",
            "0.25,0.0500,0.0011,0.0022,0.0033\n0.5,0.0769,0.0131,0.0132,0.0133\n"
            "0.625,0.0556,0,0,0.0018\n"
            "0.19,0.0312,0,0,0.0032\n0.3125,0.0313,0,0,0.0033\n");
    Install(dir, "splugtbl",
            "0.25,0.0500,2,0.0001,0.0002\n0.25,0.0500,3,0.0003,0.0004\n"
            "0.5,0.0769,2,0.0134,0.0135\n0.19,0.0312,2,0.0005,0.0006\n"
            "0.19,0.0313,2,0.0007,0.0008\n");
    TTInfo rec;
    Describe(rec, c.Text("type").c_str(), c.Text("class").c_str(), c.Num("dia"), c.Float("tpi"));
    ReadGageTable(rec);
    ReadSetPlugTable(rec);
    EXPECT_DOUBLE_EQ(rec.GoRing.Minor.Gage, c.Num("go_ring"));
    EXPECT_DOUBLE_EQ(rec.NoGoRing.Minor.Gage, c.Num("nogo_ring"));
    EXPECT_DOUBLE_EQ(rec.NoGoPlug.Major.Gage, c.Num("nogo_plug"));
    EXPECT_DOUBLE_EQ(rec.GoSetPlug.Major.GageTrunc, c.Num("go_trunc"));
    EXPECT_DOUBLE_EQ(rec.NoGoSetPlug.Major.GageTrunc, c.Num("nogo_trunc"));
}

DATA_ROWS(GaugeSizeRows, "unified_gauge_size_rows");

// Special rows match the diameter exactly and the class trimmed, and every
// matching row applies, the last one winning.
TEST(UnifiedReaders, WhichRecordsAreRead) {
    TempDir dir;
    ShippedTables path(dir.path().string());
    Install(dir, "unstbl", kUns832 + "0.164,32,3,3A,0.1632,0,0,0,2B,0,0,0,0,0\n");
    // A file from elsewhere may repeat a key: the second row's class becomes " 2 ".
    const std::string uns = dir.file("unstbl.bin");
    WriteTextFile(uns, ReadTextFile(uns).replace(kUNSRecord + 6, 4, "\x03 2 "));

    TTInfo computed;
    Describe(computed, "UN", "2", 0.073 + 7 * 0.013, 32); // #8 off by its last bits
    ReadUNSTable(computed);
    EXPECT_EQ(computed.ExtThd.FromTable, 0);

    TTInfo rec;
    Describe(rec, "UN", "2", 0.164, 32);
    ReadUNSTable(rec);
    EXPECT_DOUBLE_EQ(rec.ExtThd.Major.Max, 0.1632);
    EXPECT_EQ(rec.ExtThd.Series + "/" + rec.IntThd.Series, "UNS/UNS");
    EXPECT_EQ(rec.ExtThd.FromTable + rec.IntThd.FromTable, 2);
}

// The shipped tables cut, emptied, flipped or put in one another's place: the
// reader refuses the file by its line in the sums file, or by its size where
// no line lists it, before any row becomes a limit. A table without a line is
// read by its layout alone.
TEST(TableReaders, DamagedOrSwappedShippedTablesAreRefused) {
    using Damage = std::function<void(const TempDir&)>;
    namespace fs = std::filesystem;
    // Cuts bytes off the end; all of them when bytes is 0.
    const auto cut = [](const char* file, std::uintmax_t bytes) {
        return [=](const TempDir& d) {
            const std::uintmax_t size = fs::file_size(d.file(file));
            fs::resize_file(d.file(file), bytes ? size - bytes : 0);
        };
    };
    const auto copy = [](const char* from, const char* to) {
        return [=](const TempDir& d) {
            fs::copy_file(d.file(from), d.file(to), fs::copy_options::overwrite_existing);
        };
    };
    const auto editSums = [](const char* file, const std::string& line) {
        return [=](const TempDir& d) {
            std::string sums = ReadTextFile(d.file(kTableSumsName));
            const std::size_t at = sums.find(std::string(file) + " ");
            sums.replace(at, sums.find('\n', at) + 1 - at, line);
            WriteTextFile(d.file(kTableSumsName), sums);
        };
    };
    const auto unified = [](TTInfo& r) {
        Describe(r, "UN", "2", 0.25, 20);
        ReadAnsiTable(r);
        ReadUNSTable(r);
        ReadSetPlugTable(r);
    };
    const auto metric = [](TTInfo& r) { ReadMetricLimits(r, false); };
    const auto sumsLines = [](const std::string& end) {
        return [=](const TempDir& d) {
            std::string sums = ReadTextFile(d.file(kTableSumsName)), out;
            for (char c : sums)
                c == '\n' ? out += end : out += c;
            WriteTextFile(d.file(kTableSumsName), out);
        };
    };
    const auto flip = [](const TempDir& d) {
        std::string b = ReadTextFile(d.file("unstbl.bin"));
        b[kUNSRecord + 20] ^= 0x04;
        WriteTextFile(d.file("unstbl.bin"), b);
    };
    const auto listed = [](TTInfo& r) {
        // The message as a reader's error, so the table compares it alike.
        if (const std::string bad = CheckListedTables(Settings().TableDataPath); !bad.empty())
            throw TableError(bad.substr(0, bad.find(": ")), bad.substr(bad.find(": ") + 2));
        Describe(r, "UN", "2", 0.25, 20);
        ReadAnsiTable(r);
    };
    const std::string bySum = std::string("its bytes differ from its line in ") + kTableSumsName;
    const std::uintmax_t ansiSize = fs::file_size(PL_TABLES_DIR "/ansitbl.bin");
    const std::string shippedSums = ReadTextFile(PL_TABLES_DIR "/tables.sum");
    const long unsLine =
        1 + std::count(shippedSums.begin(),
                       shippedSums.begin() + static_cast<long>(shippedSums.find("unstbl.bin ")),
                       '\n');
    const struct {
        const char *name, *file; // file: the one refused
        Damage damage;
        bool sums;
        std::function<void(TTInfo&)> read;
        std::string detail; // empty: read as limits
    } cases[] = {
        {"untouched", "ansitbl.bin", [](const TempDir&) {}, true, unified, ""},
        {"cutToWholeRows", "ansitbl.bin", cut("ansitbl.bin", kAnsiRecord), true, unified, bySum},
        {"cutInRecord", "ansitbl.bin", cut("ansitbl.bin", 5), true, unified, bySum},
        {"emptied", "exm.bin", cut("exm.bin", 0), true, metric, bySum},
        {"byteFlipped", "unstbl.bin", flip, true, unified, bySum},
        // 672 rows of 69 bytes are 2576 of 18: only the sum tells them apart.
        {"ansiOverSplugtbl", "splugtbl.bin", copy("ansitbl.bin", "splugtbl.bin"), true, unified,
         bySum},
        {"ansiOverExm", "exm.bin", copy("ansitbl.bin", "exm.bin"), true, metric, bySum},
        {"sumLineGarbled", kTableSumsName, editSums("unstbl.bin", "unstbl.bin size crc\n"), true,
         unified, "line " + std::to_string(unsLine) + ", the line of unstbl.bin, cannot be read"},
        {"cutInRecordUnlisted", "ansitbl.bin", cut("ansitbl.bin", 5), false, unified,
         "size " + std::to_string(ansiSize - 5) + " is not a whole number of 69-byte records"},
        {"ansiOverExmUnlisted", "exm.bin", copy("ansitbl.bin", "exm.bin"), false, metric,
         "size " + std::to_string(ansiSize) + " is not a whole number of 37-byte records"},
        {"lineRemoved", "ansitbl.bin", editSums("ansitbl.bin", ""), true, unified, ""},
        // Sums carried over by an editor or a transfer: blanks and CR line ends.
        {"sumsWithBlanksAndCRLF", "ansitbl.bin", sumsLines(" \t\r\n"), true, listed, ""},
        // The installation check reads every listed table as the readers do.
        {"listedTableChecked", "unstbl.bin", flip, true, listed, bySum},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        for (const auto& f : fs::directory_iterator(PL_TABLES_DIR))
            fs::copy_file(f.path(), dir.path() / f.path().filename());
        ShippedTables path(dir.path().string());
        if (!c.sums) fs::remove(dir.file(kTableSumsName));
        c.damage(dir);
        TTInfo rec;
        const std::string error = TableErrorOf([&] { c.read(rec); });
        if (c.detail.empty()) {
            EXPECT_EQ(error, "no error");
            EXPECT_DOUBLE_EQ(rec.ExtThd.PD.Max, 0.2164); // 1/4-20 UNC 2A, ASME B1.1
        } else {
            EXPECT_EQ(error, "Table file is damaged: " + dir.file(c.file) + " (" + c.detail + ")");
        }
    }
}

// Bytes that cannot be the table's data: limits reversed by a two-byte edit, a
// threads per inch of 0. The reader names the file and the row instead of
// showing them as limits.
TEST(TableReaders, DamagedTablesNameFileAndRow) {
    const auto swap4 = [](std::string& b, std::size_t a, std::size_t c) {
        for (std::size_t k = 0; k < 4; ++k)
            std::swap(b[a + k], b[c + k]);
    };
    const struct {
        const char *name, *table;
        std::string rows; // compiled; empty: the raw bytes are the file
        std::function<void(std::string&)> damage;
        std::function<void(TTInfo&)> read;
        std::string detail;
    } cases[] = {
        {"ansiPDSwapped", "ansitbl", kAnsi832, [&](std::string& b) { swap4(b, 28, 32); },
         [](TTInfo& r) {
             Describe(r, "UN", "2", 0.164, 32);
             ReadAnsiTable(r);
         },
         "row 1: external PD max below min"},
        {"unsMinorSwapped", "unstbl", kUns832, [&](std::string& b) { swap4(b, 40, 44); },
         [](TTInfo& r) {
             Describe(r, "UN", "2", 0.164, 32);
             ReadUNSTable(r);
         },
         "row 1: internal minor max below min"},
        {"xTolTpiZeroed", "unxtol", XRow(20) + XRow(12),
         [](std::string& b) { b[kXTolRecord] = b[kXTolRecord + 1] = 0; },
         [](TTInfo& r) {
             Describe(r, "UN", "2", 1.0, 16);
             ReadClassXTols(r);
         },
         "row 2: threads per inch out of range"},
        // Size key 0.5 (50000), threads per inch 0.
        {"pipeTpiZero", "npt", "",
         [](std::string& b) { b = std::string("\x50\xc3", 2) + std::string(94, '\0'); },
         [](TTInfo& r) {
             r.SetThreadType("NPT");
             r.SetNomDia(0.5);
             ReadNPTTable(*r.Pipe);
         },
         "row 1: threads per inch out of range"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        ShippedTables path(dir.path().string());
        const std::string bin = dir.file(std::string(c.table) + ".bin");
        if (!c.rows.empty()) Install(dir, c.table, c.rows);
        std::string bytes = c.rows.empty() ? "" : ReadTextFile(bin);
        c.damage(bytes);
        WriteTextFile(bin, bytes);
        TTInfo rec;
        EXPECT_EQ(TableErrorOf([&] { c.read(rec); }),
                  "Table file is damaged: " + bin + " (" + c.detail + ")");
    }
}
