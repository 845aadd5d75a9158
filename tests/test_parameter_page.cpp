// The parameter page's rules without the widgets: the refusal messages of
// Calculate, what each entry puts into the record, the lists and the restored
// page; thread files: the keys written, save -> open reproducing the
// calculation, and what opening makes of hand-written and earlier files.
#include "pages/parameter_page.h"
#include "pages/thread_file.h"
#include "core/thread_record.h"
#include "core/pipe_record.h"
#include "pipe/pipe_pages.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ParameterEntry UnEntry(const std::string& dia, const std::string& pitch)
{
    ParameterEntry e;
    e.classText = "2";
    e.diameterText = dia;
    e.pitchText = pitch;
    return e;
}

TEST(ParameterPage, EntriesReachTheRecordOrAreRefused)
{
    const std::string invalid = "Can not calculate. Invalid Nominal Diameter";
    const std::string thick = "Can not calculate. The coating is too thick: the ";
    const std::string internal =
        thick + "internal thread's pitch diameter before plating would reach its major diameter";
    const std::string external =
        thick + "external thread's pitch diameter before plating would reach its minor diameter";
    // The window tests cover "#21", "1 1/4", "3/0", an empty pitch and the trimmed
    // box. The designation keeps a typed number size or fraction; a decimal is "%7.4f".
    const struct {
        const char *name, *dia;
        const char* loe;     // null: standard engagement
        const char* coating; // null: "No Coating" (whatever the box holds)
        std::string message;
        const char* nomDiaText;
        double loeValue, coatingValue;
    } cases[] = {
        {"numberSize10", "#10", nullptr, nullptr, "", "#10", 0, 0},
        {"fraction", "3/8", nullptr, nullptr, "", "3/8", 0, 0},
        {"decimalWithBlanks", "  0.25 ", nullptr, nullptr, "", " 0.2500", 0, 0},
        {"zeroFraction", "0/4", nullptr, nullptr, invalid, "", 0, 0},
        {"negativeDecimal", "-0.25", nullptr, nullptr, invalid, "", 0, 0},
        {"customEngagementAndPlating", "1/4", "0.5", "0.0002", "", "1/4", 0.5, 0.0002},
        {"noCoatingIgnoresTheBox", "1/4", nullptr, nullptr, "", "1/4", 0, 0},
        {"zeroEngagement", "1/4", "0", nullptr, kInvalidLOEMessage, "", 0, 0},
        {"negativeEngagement", "1/4", "-1", nullptr, kInvalidLOEMessage, "", 0, 0},
        {"zeroCoating", "1/4", nullptr, "0", "", "1/4", 0, 0},
        {"negativeCoating", "1/4", nullptr, "-0.001", kInvalidCoatingMessage, "", 0, 0},
        {"decimalCommaCoating", "1/4", nullptr, "0,0003", kInvalidCoatingMessage, "", 0, 0},
        // 1/4-20 UNC (ASME B1.1): 2B PD max 0.2224 + 4t reaches the major 0.2500 + 2t
        // at t = 0.0138; 2A PD min 0.2127 - 4t reaches the minor max PD max -
        // 0.433013 P = 0.1947494 - 2t at t = 0.0089753. The internal one is checked first.
        {"justLeavesTheExternalFlank", "1/4", nullptr, "0.0089", "", "1/4", 0, 0.0089},
        {"externalPitchReachesMinor", "1/4", nullptr, "0.0090", external, "", 0, 0},
        {"internalPitchPassesMajor", "1/4", nullptr, "0.02", internal, "", 0, 0},
    };
    ShippedTables tables;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ParameterEntry e = UnEntry(c.dia, "20");
        e.startsIndex = 1;
        e.customLOE = c.loe != nullptr;
        e.loeText = c.loe ? c.loe : "";
        e.coated = c.coating != nullptr;
        e.coatingText = c.coating ? c.coating : "-1";
        TTInfo rec;
        EXPECT_EQ(SetUpRecord(e, rec).message, c.message);
        if (!c.message.empty()) continue;
        EXPECT_EQ(rec.NomDiaText, c.nomDiaText);
        EXPECT_EQ(rec.Starts, 2);
        EXPECT_EQ(rec.ExtThd.StdLOE, c.loe ? 0 : 1);
        if (c.loe) { EXPECT_DOUBLE_EQ(rec.ExtThd.LOE, c.loeValue); }
        EXPECT_DOUBLE_EQ(rec.Coating, c.coatingValue);
    }
}

TEST(ParameterPage, ClassListsAndGaugeClassOptions)
{
    // Pipe threads show neither option and keep class W even when class X is
    // asked for (Acme, stub and buttress: test_acme_pages).
    const GaugeClassChoice pipe = GaugeClassOptions(kTypeNPT, true);
    EXPECT_TRUE(!pipe.showW && !pipe.showX && pipe.classW == 1);
    EXPECT_EQ(ChooseClassEntry(TypeEntryIndex(kTypeM), "2").entry, -1) << "metric has no list";
}

TEST(ParameterPage, RestoredPageShowsTheRecordsInputs)
{
    // The window tests cover the class, engagement, starts and coating boxes.
    TTInfo rec;
    rec.SetThreadType("UNR");
    const RestoredPage p = RestorePage(rec);
    EXPECT_EQ(p.typeIndex, 1);
    EXPECT_FALSE(p.customLOE || p.metric || p.coated || p.startsIndex != 0);
    // The typed text comes back only when it names the diameter exactly; else
    // the file's number is shown.
    const struct {
        double dia;
        const char *typed, *shown;
    } cases[] = {{0.25, "", "+0.250000"}, {0.25, " 1/4 ", "1/4"},
                 {0.31255, " 0.3125", "+0.312550"}, {0.3125, " 0.3125", "0.3125"}};
    for (const auto& c : cases) {
        rec.SetNomDia(c.dia);
        rec.NomDiaText = c.typed;
        EXPECT_EQ(RestorePage(rec).diameterText, c.shown) << c.typed;
    }
}

using Status = LoadResult::Status;

TEST(ThreadFile, SaveThenOpenReproducesTheCalculation)
{
    const struct {
        const char* name;
        int typeIndex; // 0 UN, 1 UNR
        const char *dia, *tpi, *cls;
        int startsIndex;
        const char *loe, *coating; // empty: standard engagement, no coating
        bool classX;
        double wire;      // 0: best wire
        const char* file; // the text written, where checked
    } cases[] = {
        // UNC: standard engagement = D; best wire 0.57735 / 13 = 0.0444115.
        {"halfThirteenFile", 0, "1/2", "13", "2", 0, "", "", false, 0,
         "; kept\n[MAIN]\nThd Type=UN\nClass=2\nNom Dia=+0.500000\nNom Dia Text=1/2\n"
         "TPI=+13.000000\nLOE=+0.500000\nStarts=1\nCoating=+0.000000\nGage Class=W\n[WIRE]\n"
         "CurrentSize=+0.044412\n[TIPS]\nCurrentTip=SP60-13\nCurrentDia=+0.044400\n"},
        // 28 tpi: LE = 9P = 0.3214285..., which the file keeps to six decimals only.
        {"uncStandardEngagementBestWire", 0, "1/4", "28", "2", 0, "", "", false, 0, nullptr},
        {"startsCoatingClassXWire", 0, "1/4", "20", "2", 1, "", "0.0003", true, 0.03, nullptr},
        // A second run must not build "UNRRC" from the first run's "UNRC".
        {"unrCustomEngagement", 1, "1/4", "20", "3", 0, "1.0", "", false, 0, nullptr},
        {"specialCustomEngagement", 0, "0.3", "18", "2", 0, "0.6", "", false, 0, nullptr},
        {"decimalBeyondFourPlaces", 0, "0.31255", "20", "2", 0, "", "", false, 0, nullptr},
        {"numberSize", 0, "#10", "32", "2", 2, "", "0.0001", false, 0.02, nullptr},
        // Values six decimals would change; a custom engagement equal to the
        // standard one keeps its "SE", and the standard one saved over it drops it.
        {"diameterOfSevenDecimals", 0, "0.2997495", "20", "2", 0, "", "", false, 0, nullptr},
        {"thirdOfAnInch", 0, "0.3333333333333333", "20", "2", 0, "", "", false, 0, nullptr},
        {"customEngagementEqualToStandard", 0, "1/2", "13", "2", 0, "0.5", "", false, 0, nullptr},
        {"standardOverCustom", 0, "1/2", "13", "2", 0, "", "", false, 0, nullptr},
        {"engagementJustOffStandard", 0, "1/2", "13", "2", 0, "0.5000001", "", false, 0, nullptr},
        {"tenthMicroInchCoating", 0, "1/2", "13", "2", 0, "", "0.0000001", false, 0, nullptr},
        {"wireJustOffBest", 0, "1/2", "13", "2", 0, "", "", false, 0.0444115, nullptr},
        {"metricPitchOfSevenDigits", TypeEntryIndex(kTypeMJ), "10", "0.7071068", "", 0, "", "",
         false, 0, nullptr},
    };
    ShippedTables tables;
    TempDir dir;
    const std::string file = dir.file("r.thd");
    // Each save goes over the one before, and keeps the lines it does not write.
    WriteTextFile(file, "; kept\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ParameterEntry e = UnEntry(c.dia, c.tpi);
        e.typeIndex = c.typeIndex;
        e.classText = c.cls;
        e.intTolText = "4H5H"; // MJ's only classes
        e.extTolText = "4h6h";
        e.startsIndex = c.startsIndex;
        e.customLOE = *c.loe != 0;
        e.loeText = c.loe;
        e.coated = *c.coating != 0;
        e.coatingText = c.coating;
        TTInfo rec;
        ASSERT_EQ(SetUpRecord(e, rec).message, "");
        rec.Calculate();
        rec.ClassW = GaugeClassOptions(rec.ExtThd.TypeCode, c.classX).classW;
        if (c.wire > 0) { ASSERT_EQ(rec.SetWireSize(c.wire), 0); }
        std::string error;
        ASSERT_TRUE(SaveToFile(rec, file, &error)) << error;
        if (c.file) { EXPECT_EQ(ReadTextFile(file), c.file); }

        TTInfo back;
        const LoadResult r = LoadFromFile(back, file);
        ASSERT_EQ(r.status, Status::Loaded) << r.message;
        EXPECT_EQ(r.message, "");
        // The pages show starts, lead, plated limits, the gauge class and the wire.
        EXPECT_EQ(AllPageTexts(back), AllPageTexts(rec));
        EXPECT_EQ(back.NomDia, rec.NomDia);
        EXPECT_EQ(back.TPI, rec.TPI);
        EXPECT_EQ(back.ExtThd.LOE, rec.ExtThd.LOE);
        EXPECT_EQ(back.ExtThd.StdLOE, rec.ExtThd.StdLOE);
        EXPECT_EQ(back.Coating, rec.Coating);
        EXPECT_EQ(back.ExtThd.UseBestWire, rec.ExtThd.UseBestWire);
        EXPECT_EQ(back.ExtThd.CurWire, rec.ExtThd.CurWire);
        EXPECT_EQ(back.ExtThd.PD.Min, rec.ExtThd.PD.Min);
    }
}

// A pipe file keeps no size text: the size comes back from the nominal
// diameter within the kind's own list (NPSL starts at 1/8, so 1 1/4 is its
// seventh size), and the hidden starts and coating boxes never count.
TEST(ThreadFile, PipeThreadsRoundTrip)
{
    const struct {
        const char *name, *kind;
        int kindIndex, sizeIndex;
        const char* size;
    } cases[] = {{"halfNPT", "NPT", 0, 4, "1/2"}, {"npsl", "NPSL", 4, 6, "1 1/4"}};
    ShippedTables tables;
    TempDir dir;
    const std::string file = dir.file("p.thd");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ParameterEntry e = UnEntry("", "");
        e.typeIndex = TypeEntryIndex(kTypeNPT);
        e.classText = c.kind;
        e.pipe = true;
        e.pipeKind = c.kindIndex;
        e.pipeSize = c.sizeIndex;
        e.pipeSizeText = c.size;
        e.startsIndex = 2;
        e.coated = true;
        e.coatingText = "0.001";
        TTInfo rec;
        ASSERT_EQ(SetUpRecord(e, rec).message, "");
        EXPECT_TRUE(rec.Starts == 1 && rec.Coating == 0);
        rec.Calculate();
        std::string error;
        ASSERT_TRUE(SaveToFile(rec, file, &error)) << error;

        TTInfo back;
        const LoadResult r = LoadFromFile(back, file);
        ASSERT_EQ(r.status, Status::Loaded) << r.message;
        ASSERT_TRUE(back.Pipe);
        EXPECT_EQ(back.Pipe->SizeText, c.size);
        const PipePagesText was = BuildPipePages(rec), is = BuildPipePages(back);
        EXPECT_EQ(is.caption, was.caption);
        EXPECT_TRUE(is.thread == was.thread && is.gages == was.gages && is.tols == was.tols);
        const RestoredPage page = RestorePage(back);
        EXPECT_TRUE(page.pipe);
        EXPECT_EQ(page.classEntry, c.kind);
        EXPECT_EQ(page.pipeKind, c.kindIndex);
        EXPECT_EQ(page.pipeSize, c.sizeIndex);
    }
}

TEST(ThreadFile, HandWrittenAndEarlierFiles)
{
    const struct {
        const char *name, *keys; // keys before the 1/4-20 size
        Status status;
        const char *message, *classText, *nomDiaText;
    } cases[] = {
        {"noEngagement", "Thd Type=UN\nClass=2\n", Status::Loaded, "", "2", ""},
        {"zeroEngagement", "Thd Type=UN\nClass=2\nLOE=+0.000000\n", Status::Loaded, "", "2", ""},
        {"negativeEngagement", "Thd Type=UN\nClass=2\nLOE=-0.5\n", Status::Loaded, "", "2", ""},
        {"noClass", "Thd Type=UN\n", Status::Loaded, "No class given: Class 2 is used.", "2", ""},
        {"fractionThatStillFits", "Thd Type=UN\nClass=2\nNom Dia Text=1/4\n", Status::Loaded, "",
         "2", "1/4"},
        // A diameter edited by hand no longer fits the old name: the name is dropped.
        {"numberSizeThatNoLongerFits", "Thd Type=UN\nClass=2\nNom Dia Text=#10\n",
         Status::Loaded, "", "2", ""},
        {"unknownType", "Thd Type=SQUARE\nClass=2\n", Status::Refused,
         "Unknown thread type: SQUARE", "", ""},
        {"commaCoating", "Thd Type=UN\nClass=2\nCoating=0,0003\n", Status::Refused,
         kInvalidCoatingMessage, "", ""},
        // 1/4-20 2B: PD max 0.2224 + 4t reaches the major 0.25 + 2t from t = 0.0138.
        {"coatingPastTheMajor", "Thd Type=UN\nClass=2\nCoating=+0.020000\n", Status::Refused,
         "Can not calculate. The coating is too thick: the internal thread's pitch diameter "
         "before plating would reach its major diameter",
         "", ""},
    };
    ShippedTables tables;
    TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteTextFile(dir.file("o.thd"), std::string("[MAIN]\n") + c.keys +
                                             "Nom Dia=+0.250000\nTPI=+20.000000\n");
        TTInfo rec;
        const LoadResult r = LoadFromFile(rec, dir.file("o.thd"));
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.message, c.message);
        if (r.status != Status::Loaded) continue;
        EXPECT_EQ(rec.ClassText, c.classText);
        EXPECT_EQ(rec.NomDiaText, c.nomDiaText);
        // 1/4-20 PD min at the standard engagement (ASME B1.1): 2A 0.2127, 3A 0.2147.
        EXPECT_EQ(rec.ExtThd.StdLOE, 1);
        EXPECT_NEAR(rec.ExtThd.PD.Min, rec.ClassText == "3" ? 0.2147 : 0.2127, 5e-7);
        // Files of earlier versions: one start, no coating, class W.
        EXPECT_EQ(rec.Starts, 1);
        EXPECT_EQ(rec.Coating, 0);
        EXPECT_EQ(rec.ClassW, 1);
    }
    // A diameter edited by hand that is no size of the pipe kind.
    WriteTextFile(dir.file("n.thd"), "[MAIN]\nThd Type=NPT\nClass=NPTR\nNom Dia=+0.250000\n");
    TTInfo npt;
    const LoadResult r = LoadFromFile(npt, dir.file("n.thd"));
    EXPECT_EQ(r.status, Status::Refused);
    EXPECT_EQ(r.message, "Can not calculate. The nominal diameter 0.2500 is no NPTR pipe size");
}

// A file edited by hand, or no thread file at all, meets the refusals of typed
// input; a UTF-8 byte-order mark is no part of the text.
TEST(ThreadFile, ContentsAreCheckedAsTypedInput)
{
    const std::string main = "[MAIN]\nThd Type=UN\nClass=2\n";
    const std::string quarter = "Nom Dia=+0.250000\nTPI=+20.000000\n";
    static const char elf[] = "\x7f" "ELF\x02\x01\x01\x00\x00";
    static const char utf16[] = "\xFF\xFE[\0M\0A\0I\0N\0]\0\n\0T\0h\0d\0 \0T\0y\0p\0e\0=\0U\0N\0";
    const struct {
        const char* name;
        std::string bytes;
        Status status;
        std::string message; // "" for a loaded 1/4-20 UN-2
    } cases[] = {
        {"byteOrderMark", "\xEF\xBB\xBF" + main + quarter, Status::Loaded, ""},
        {"zeroTPI", main + "Nom Dia=+0.500000\nTPI=+0.000000\n", Status::Refused,
         kInvalidPitchMessage},
        {"tpiPastTheFloat", main + "Nom Dia=+0.250000\nTPI=1e39\n", Status::Refused,
         kInvalidPitchMessage},
        {"negativeDiameter", main + "Nom Dia=-0.500000\nTPI=+20.000000\n", Status::Refused,
         kInvalidDiameterMessage},
        {"diameterPast100Inches", main + "Nom Dia=+101.0000\nTPI=+4.000000\n", Status::Refused,
         kInvalidDiameterMessage},
        // Metric pitch in millimetres: 51 mm is beyond the 50 mm a file may hold.
        {"metricPitchPast50mm", "[MAIN]\nThd Type=M\nNom Dia=+100.0000\nTPI=+51.000000\n",
         Status::Refused, kInvalidPitchMessage},
        // 100 diameters of 0.25 in are 25 in.
        {"engagementPast100Diameters", main + quarter + "LOE=+25.100000\n", Status::Refused,
         kInvalidLOEMessage},
        {"unjClass2", "[MAIN]\nThd Type=UNJ\nClass=2\n" + quarter, Status::Refused,
         "UNJ Threads have no class 2 (classes: 3)"},
        {"empty", "", Status::Refused, " is not a thread file"},
        {"binary", std::string(elf, sizeof elf - 1), Status::Refused,
         " is not a thread file"},
        {"utf16", std::string(utf16, sizeof utf16 - 1), Status::Refused, " is not a thread file"},
    };
    ShippedTables tables;
    TempDir dir;
    const std::string path = dir.file("h.thd");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteTextFile(path, c.bytes);
        TTInfo rec;
        const LoadResult r = LoadFromFile(rec, path);
        EXPECT_EQ(r.status, c.status);
        // The not-a-thread-file message names the file first.
        EXPECT_EQ(r.message, c.message[0] == ' ' ? path + c.message : c.message);
        if (r.status != Status::Loaded) continue;
        // ASME B1.1 1/4-20 UNC-2A: PD min 0.2127.
        EXPECT_NEAR(rec.ExtThd.PD.Min, 0.2127, 5e-7);
    }
}

} // namespace
