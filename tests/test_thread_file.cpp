// Thread files: the keys written, save -> open reproducing the calculation, and
// what opening makes of files written by hand or by earlier versions.
#include "pages/parameter_page.h"
#include "pages/result_pages.h"
#include "pages/thread_file.h"
#include "core/thread_record.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace {

using Status = LoadResult::Status;

// Everything the result pages show, in one text.
std::string Pages(TTInfo& rec)
{
    const ResultPagesText p = BuildResultPages(rec, "t.thd", false);
    std::string all = p.caption + "\n" + p.name + "\n" + p.wireSize1 + "\n";
    for (const TextGrid* g : {&p.thread, &p.ring.grid, &p.setPlug.grid, &p.plug.grid})
        for (const auto& row : *g)
            for (const auto& cell : row) all += cell + "|";
    for (const GaugePageText* g : {&p.ring, &p.setPlug, &p.plug})
        all += g->leadTol + g->angleTol;
    return all;
}

TEST(ThreadFile, HalfThirteenWritesTheInputs)
{
    ShippedTables tables;
    TempDir dir;
    ParameterEntry e;
    e.classText = "2";
    e.diameterText = "1/2";
    e.pitchText = "13";
    TTInfo rec;
    ASSERT_EQ(SetUpRecord(e, rec).message, "");
    rec.Calculate();
    rec.ClassW = 1;
    std::string error;
    ASSERT_TRUE(SaveToFile(rec, dir.file("h.thd"), &error)) << error;
    // UNC: standard engagement = D; best wire 0.57735 / 13 = 0.0444115.
    EXPECT_EQ(ReadTextFile(dir.file("h.thd")),
              "[MAIN]\nThd Type=UN\nClass=2\nNom Dia=+0.500000\nNom Dia Text=1/2\n"
              "TPI=+13.000000\nLOE=+0.500000\nStarts=1\nCoating=+0.000000\nGage Class=W\n"
              "[WIRE]\nCurrentSize=+0.044412\n[TIPS]\nCurrentTip=\nCurrentDia=+0.000000\n");
}

struct RoundTrip {
    const char* name;
    const char* type; // "UN" or "UNR"
    const char* dia;
    const char* tpi;
    const char* cls;
    int startsIndex;
    const char* loe;     // empty: standard
    const char* coating; // empty: none
    bool classX;
    double wire;         // 0: best wire
};

// Each reopens to the same pages and the same inputs.
const RoundTrip kRoundTrips[] = {
    // 28 tpi: LE = 9P = 0.3214285..., which the file keeps to six decimals only.
    {"uncStandardEngagementBestWire", "UN", "1/4", "28", "2", 0, "", "", false, 0},
    {"startsCoatingClassXWire", "UN", "1/4", "20", "2", 1, "", "0.0003", true, 0.03},
    {"customEngagement", "UN", "1/4", "20", "3", 0, "1.0", "", false, 0},
    // A second run must not build "UNRRC" from the first run's "UNRC".
    {"unrCustomEngagement", "UNR", "1/4", "20", "2", 0, "1.0", "", false, 0},
    {"specialCustomEngagement", "UN", "0.3", "18", "2", 0, "0.6", "", false, 0},
    {"decimalBeyondFourPlaces", "UN", "0.31255", "20", "2", 0, "", "", false, 0},
    {"numberSize", "UN", "#10", "32", "2", 2, "", "0.0001", false, 0.02},
};

void PrintTo(const RoundTrip& c, std::ostream* os) { *os << c.name; }
class ThreadFileRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(ThreadFileRoundTrip, ReopensToTheSameCalculation)
{
    const RoundTrip& c = GetParam();
    ShippedTables tables;
    TempDir dir;
    ParameterEntry e;
    e.typeIndex = TypeEntryIndex(std::string(c.type) == "UNR" ? kTypeUNR : kTypeUN);
    e.classText = c.cls;
    e.diameterText = c.dia;
    e.pitchText = c.tpi;
    e.startsIndex = c.startsIndex;
    e.customLOE = *c.loe != 0;
    e.loeText = c.loe;
    e.coated = *c.coating != 0;
    e.coatingText = c.coating;
    TTInfo rec;
    ASSERT_EQ(SetUpRecord(e, rec).message, "");
    rec.Calculate();
    rec.ClassW = GaugeClassOptions(rec.ExtThd.TypeCode, c.classX).classW;
    if (c.wire > 0) {
        ASSERT_EQ(rec.SetWireSize(c.wire), 0);
    }
    std::string error;
    ASSERT_TRUE(SaveToFile(rec, dir.file("r.thd"), &error)) << error;

    TTInfo back;
    const LoadResult r = LoadFromFile(back, dir.file("r.thd"));
    ASSERT_EQ(r.status, Status::Loaded) << r.message;
    EXPECT_EQ(r.message, "");
    // The pages show starts, lead, plated limits, the gauge class and the wire.
    EXPECT_EQ(Pages(back), Pages(rec));
    EXPECT_EQ(back.NomDia, rec.NomDia);
    EXPECT_EQ(back.ExtThd.StdLOE, rec.ExtThd.StdLOE);
    EXPECT_EQ(back.ExtThd.UseBestWire, rec.ExtThd.UseBestWire);
    EXPECT_EQ(back.ExtThd.CurWire, rec.ExtThd.CurWire);
}

INSTANTIATE_TEST_SUITE_P(Cases, ThreadFileRoundTrip, testing::ValuesIn(kRoundTrips),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ThreadFile, SpecialThreadKeepsItsCustomEngagementLimits)
{
    ShippedTables tables;
    TempDir dir;
    // 0.3-18 class 2 has no table row: series UNS, LE = 9P = 0.5 in pitches.
    // By hand: P = 1/18, E = round4(0.3 - 0.649519 P) = 0.2639,
    // PDTol2A = 0.0015 * 0.3^(1/3) + 0.0015 * sqrt(0.5) + 0.015 * P^(2/3) = 0.00424884;
    // L = 0.6 = 10.8 P is within 15 P, so T = PDTol2A.
    WriteTextFile(dir.file("s.thd"), "[MAIN]\nThd Type=UN\nClass=2\nNom Dia=+0.300000\n"
                                     "TPI=+18.000000\nLOE=+0.600000\n");
    TTInfo rec;
    ASSERT_EQ(LoadFromFile(rec, dir.file("s.thd")).status, Status::Loaded);
    EXPECT_NEAR(rec.ExtThd.PD.Max, 0.2626253, 5e-7) << "E - 0.3 T";
    EXPECT_NEAR(rec.ExtThd.PD.Min, 0.2584, 5e-7) << "round4(PD max - T)";
    EXPECT_NEAR(rec.IntThd.PD.Max, 0.2694235, 5e-7) << "E + 1.3 T";
    EXPECT_NEAR(rec.ExtThd.StdLE, 0.5, 5e-7);
    EXPECT_EQ(rec.ExtThd.LOE, 0.6);
}

struct OpenCase {
    const char* name;
    const char* keys; // after "[MAIN]\nThd Type=..."
    Status status;
    const char* message;
    const char* classText;
    int stdLOE;
    double extPDMin; // 0: not checked
    const char* nomDiaText;
};

const char* const kQuarter = "Nom Dia=+0.250000\nTPI=+20.000000\n";

// 1/4-20 UNC-2A PD min 0.2127 at the standard engagement (ASME B1.1 Table 2).
const OpenCase kOpenCases[] = {
    {"noEngagement", "Thd Type=UN\nClass=2\n", Status::Loaded, "", "2", 1, 0.2127, ""},
    {"zeroEngagement", "Thd Type=UN\nClass=2\nLOE=+0.000000\n", Status::Loaded, "", "2", 1,
     0.2127, ""},
    {"negativeEngagement", "Thd Type=UN\nClass=2\nLOE=-0.5\n", Status::Loaded, "", "2", 1,
     0.2127, ""},
    {"unjClass2", "Thd Type=UNJ\nClass=2\n", Status::Loaded,
     "UNJ Threads have no class 2: Class 3 is used.", "3", 1, 0, ""},
    {"noClass", "Thd Type=UN\n", Status::Loaded, "No class given: Class 2 is used.", "2", 1,
     0.2127, ""},
    {"fractionThatStillFits", "Thd Type=UN\nClass=2\nNom Dia Text=1/4\n", Status::Loaded, "",
     "2", 1, 0.2127, "1/4"},
    // A diameter edited by hand no longer fits the old name: the name is dropped.
    {"numberSizeThatNoLongerFits", "Thd Type=UN\nClass=2\nNom Dia Text=#10\n", Status::Loaded,
     "", "2", 1, 0.2127, ""},
    {"unknownType", "Thd Type=SQUARE\nClass=2\n", Status::Refused, "Unknown thread type: SQUARE",
     "", 1, 0, ""},
    {"commaCoating", "Thd Type=UN\nClass=2\nCoating=0,0003\n", Status::Refused,
     kInvalidCoatingMessage, "2", 1, 0, ""},
    // 1/4-20 2B: PD max 0.2224 + 4t reaches the major 0.25 + 2t from t = 0.0138.
    {"coatingBeyondTheFlank", "Thd Type=UN\nClass=2\nCoating=+0.020000\n", Status::Refused,
     "Can not calculate. The coating is too thick: the internal thread's pitch diameter "
     "before plating would reach its major diameter",
     "2", 1, 0, ""},
};

void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }
class ThreadFileOpen : public testing::TestWithParam<OpenCase> {};

TEST_P(ThreadFileOpen, HandWrittenFiles)
{
    const OpenCase& c = GetParam();
    ShippedTables tables;
    TempDir dir;
    WriteTextFile(dir.file("o.thd"), std::string("[MAIN]\n") + c.keys + kQuarter);
    TTInfo rec;
    const LoadResult r = LoadFromFile(rec, dir.file("o.thd"));
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.message, c.message);
    if (r.status != Status::Loaded) return;
    EXPECT_EQ(rec.ClassText, c.classText);
    EXPECT_EQ(rec.ExtThd.StdLOE, c.stdLOE);
    if (c.extPDMin > 0) {
        EXPECT_NEAR(rec.ExtThd.PD.Min, c.extPDMin, 5e-7);
    }
    EXPECT_EQ(rec.NomDiaText, c.nomDiaText);
    // Files of earlier versions: one start, no coating, class W.
    EXPECT_EQ(rec.Starts, 1);
    EXPECT_EQ(rec.Coating, 0);
    EXPECT_EQ(rec.ClassW, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, ThreadFileOpen, testing::ValuesIn(kOpenCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ThreadFile, MissingFileAndKeys)
{
    ShippedTables tables;
    TempDir dir;
    // Defaults: 1.0 in, 8 tpi.
    WriteTextFile(dir.file("d.thd"), "[MAIN]\nThd Type=UN\nClass=2\n");
    TTInfo rec;
    ASSERT_EQ(LoadFromFile(rec, dir.file("d.thd")).status, Status::Loaded);
    EXPECT_EQ(rec.NomDia, 1.0);
    EXPECT_EQ(rec.TPI, 8.0f);
    EXPECT_EQ(rec.ExtThd.Series, "UNC");

    TTInfo none;
    const LoadResult missing = LoadFromFile(none, dir.file("none.thd"));
    EXPECT_EQ(missing.status, Status::FileError);
    EXPECT_EQ(missing.message, "File: " + dir.file("none.thd") + " Does not exist!");

    // Saving updates a file in place.
    WriteTextFile(dir.file("k.thd"), "; my gauge\n[MAIN]\nThd Type=UNR\nOwner=QA\n");
    std::string error;
    ASSERT_TRUE(SaveToFile(rec, dir.file("k.thd"), &error)) << error;
    const std::string kept = "; my gauge\n[MAIN]\nThd Type=UN\nOwner=QA\n";
    EXPECT_EQ(ReadTextFile(dir.file("k.thd")).rfind(kept, 0), 0u);
}

} // namespace
