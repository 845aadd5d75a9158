// The parameter page's rules without the widgets: the refusal messages of
// Calculate, what each entry puts into the record, the lists and the restored page.
#include "pages/parameter_page.h"
#include "core/thread_record.h"
#include "core/pipe_record.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

namespace {

ParameterEntry UnEntry(const std::string& dia, const std::string& pitch)
{
    ParameterEntry e;
    e.typeIndex = 0;
    e.classText = "2";
    e.diameterText = dia;
    e.pitchText = pitch;
    return e;
}

struct DiameterCase {
    const char* name;
    const char* typed;
    const char* pitch;
    const char* message; // empty: accepted
    double dia;          // accepted diameter
};

// The window tests cover "#21", "1 1/4", "3/0" and an empty pitch.
const DiameterCase kDiameterCases[] = {
    {"numberSize10", "#10", "24", "", 0.190},
    {"fraction", "3/8", "16", "", 0.375},
    {"zeroFraction", "0/4", "16", "Can not calculate. Invalid Nominal Diameter", 0},
    {"negativeDecimal", "-0.25", "20", "Can not calculate. Invalid Nominal Diameter", 0},
    {"notANumber", "abc", "20", "Can not calculate. Invalid Nominal Diameter", 0},
    {"decimalWithBlanks", "  0.25 ", "20", "", 0.25},
    {"textPitch", "1/4", "twenty", "Can not calculate. Invalid pitch value", 0.25},
};

TEST(ParameterPage, DiameterAndPitchEntries)
{
    for (const DiameterCase& c : kDiameterCases) {
        SCOPED_TRACE(c.name);
        TTInfo rec;
        const SetUpResult r = SetUpRecord(UnEntry(c.typed, c.pitch), rec);
        EXPECT_EQ(r.message, c.message);
        if (c.dia > 0) {
            EXPECT_DOUBLE_EQ(rec.NomDia, c.dia);
        }
    }
    // The designation keeps a typed number size or fraction; a decimal is "%7.4f".
    TTInfo number;
    SetUpRecord(UnEntry("#10", "24"), number);
    EXPECT_EQ(number.NomDiaText, "#10");
    TTInfo decimal;
    const SetUpResult r = SetUpRecord(UnEntry("  0.25 ", "20"), decimal);
    EXPECT_EQ(decimal.NomDiaText, " 0.2500");
    EXPECT_EQ(r.diameterText, "0.25");
}

struct EntryCase {
    const char* name;
    const char* loe;     // null: standard engagement
    const char* coating; // null: "No Coating" (whatever the box holds)
    const char* message;
};

const char* const kInternalTooThick =
    "Can not calculate. The coating is too thick: the internal thread's pitch diameter before "
    "plating would reach its major diameter";
const char* const kExternalTooThick =
    "Can not calculate. The coating is too thick: the external thread's pitch diameter before "
    "plating would reach its minor diameter";

// 1/4-20 UNC (ASME B1.1): 2B PD max 0.2224 + 4t reaches the major 0.2500 + 2t at
// t = 0.0138; 2A PD min 0.2127 - 4t reaches the minor max PD max - 0.433013 P =
// 0.1947494 - 2t at t = 0.0089753. The internal thread is checked first.
const EntryCase kEntryCases[] = {
    {"customEngagementAndPlating", "0.5", "0.0002", ""},
    {"noCoatingIgnoresTheBox", nullptr, nullptr, ""},
    {"emptyEngagement", "", nullptr, kInvalidLOEMessage},
    {"zeroEngagement", "0", nullptr, kInvalidLOEMessage},
    {"negativeEngagement", "-1", nullptr, kInvalidLOEMessage},
    {"textEngagement", "abc", nullptr, kInvalidLOEMessage},
    {"zeroCoating", nullptr, "0", ""},
    {"negativeCoating", nullptr, "-0.001", kInvalidCoatingMessage},
    {"decimalCommaCoating", nullptr, "0,0003", kInvalidCoatingMessage},
    {"emptyCoating", nullptr, "", kInvalidCoatingMessage},
    {"justLeavesTheExternalFlank", nullptr, "0.0089", ""},
    {"externalPitchReachesMinor", nullptr, "0.0090", kExternalTooThick},
    {"internalPitchPassesMajor", nullptr, "0.02", kInternalTooThick},
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }
class ParameterPageEntry : public testing::TestWithParam<EntryCase> {};

double Number(const std::string& text)
{
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

TEST_P(ParameterPageEntry, ReachesTheRecordOrIsRefused)
{
    const EntryCase& c = GetParam();
    ShippedTables tables;
    ParameterEntry e = UnEntry("1/4", "20");
    e.startsIndex = 1;
    e.customLOE = c.loe != nullptr;
    e.loeText = c.loe ? c.loe : "";
    e.coated = c.coating != nullptr;
    e.coatingText = c.coating ? c.coating : "-1";
    TTInfo rec;
    EXPECT_EQ(SetUpRecord(e, rec).message, c.message);
    if (*c.message != 0) return;
    EXPECT_EQ(rec.Starts, 2);
    EXPECT_EQ(rec.ExtThd.StdLOE, c.loe ? 0 : 1);
    if (c.loe) {
        EXPECT_DOUBLE_EQ(rec.ExtThd.LOE, Number(c.loe));
    }
    EXPECT_DOUBLE_EQ(rec.Coating, c.coating ? Number(c.coating) : 0);
    rec.Calculate();
    EXPECT_EQ(CoatingRefusal(rec), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, ParameterPageEntry, testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ParameterPage, MetricEntryTakesToleranceClassesAndEngagement)
{
    ParameterEntry e;
    e.typeIndex = 7; // "M Series Metric"
    e.diameterText = "10";
    e.pitchText = "1.5";
    e.intTolText = "6H6H";
    e.extTolText = "4h6h";
    e.metricLOE = 2;
    e.leftHand = true;
    TTInfo rec;
    ASSERT_EQ(SetUpRecord(e, rec).message, "");
    // Grade digit 3 .. 9 gives class codes 8 .. 14.
    EXPECT_EQ(rec.IntThd.ClassCode, 11);
    EXPECT_EQ(rec.ExtThd.ClassCode, 9);
    EXPECT_EQ(rec.LOEText, "Long");
    EXPECT_EQ(rec.ExtThd.StdLOE, 0);
}

TEST(ParameterPage, PipeSizesComeFromTheSizeList)
{
    struct Case {
        const char* name;
        int kind, size;
        double key;
        const char* text;
    };
    // ASME B1.20.1 nominal pipe sizes: NPSC starts at 1/8, NPTR at 1/2.
    const Case cases[] = {
        {"nptFirst", 0, 0, 0.0625, "1/16"},
        {"npscFirst", 1, 0, 0.125, "1/8"},
        {"nptrFirst", 2, 0, 0.5, "1/2"},
        {"nptLast", 0, 23, 24, "24 OD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParameterEntry e;
        e.typeIndex = 10;
        e.pipe = true;
        e.pipeKind = c.kind;
        e.pipeSize = c.size;
        e.pipeSizeText = c.text;
        e.classText = "NPT";
        e.diameterText = "whatever the hidden box holds";
        TTInfo rec;
        const SetUpResult r = SetUpRecord(e, rec);
        EXPECT_EQ(r.message, "");
        EXPECT_EQ(r.pitchText, "1.0");
        EXPECT_DOUBLE_EQ(rec.NomDia, c.key);
        ASSERT_TRUE(rec.Pipe);
        EXPECT_EQ(rec.Pipe->SizeText, c.text);
        EXPECT_EQ(rec.Starts, 1);
    }
}

TEST(ParameterPage, ClassListsAndGaugeClassOptions)
{
    // Acme shows class X only; pipe threads neither option but keep class W.
    const GaugeClassChoice acme = GaugeClassOptions(kTypeAcme);
    EXPECT_TRUE(!acme.showW && acme.showX && !acme.checkW && acme.classW == 0);
    const GaugeClassChoice pipe = GaugeClassOptions(kTypeNPT);
    EXPECT_TRUE(!pipe.showW && !pipe.showX && pipe.classW == 1);
    // Class X asked for: taken where the option is shown.
    const GaugeClassChoice unX = GaugeClassOptions(kTypeUN, true);
    EXPECT_TRUE(unX.showW && !unX.checkW && unX.classW == 0);
    EXPECT_EQ(GaugeClassOptions(kTypeNPT, true).classW, 1);

    struct Case {
        const char* name;
        int typeIndex;
        const char* classText;
        int entry;
        const char* note;
    } cases[] = {
        // The thread file tests cover UN and UNJ.
        {"lowerCaseAcme", 3, "3g", 1, ""},
        {"acmeClass2", 3, "2", 0, "ACME Threads have no class 2: Class 2G is used."},
        {"metricHasNoList", 7, "2", -1, ""},
    };
    for (const Case& c : cases) {
        const ClassChoice choice = ChooseClassEntry(c.typeIndex, c.classText);
        EXPECT_EQ(choice.entry, c.entry) << c.name;
        EXPECT_EQ(choice.note, c.note) << c.name;
    }
}

TEST(ParameterPage, RestoredPageShowsTheRecordsInputs)
{
    TTInfo rec;
    rec.SetThreadType("UNR");
    rec.SetClass("3");
    rec.SetNomDia(0.25);
    rec.SetTPI(20);
    RestoredPage p = RestorePage(rec);
    EXPECT_EQ(p.typeIndex, 1);
    EXPECT_EQ(p.classEntry, "Class 3");
    // Without the typed text the file's number is shown.
    EXPECT_EQ(p.diameterText, "+0.250000");
    EXPECT_EQ(p.pitchText, "20");
    EXPECT_FALSE(p.customLOE);
    EXPECT_FALSE(p.metric);
    EXPECT_EQ(p.startsIndex, 0);
    EXPECT_FALSE(p.coated);

    rec.NomDiaText = " 1/4 ";
    rec.SetLOE(0.5);
    rec.SetTPI(4.5f);
    rec.SetStarts(3);
    rec.SetCoating(0.0003);
    p = RestorePage(rec);
    EXPECT_EQ(p.diameterText, "1/4");
    EXPECT_EQ(p.pitchText, "4.5");
    EXPECT_TRUE(p.customLOE);
    EXPECT_EQ(p.loeText, "0.5000");
    EXPECT_EQ(p.startsIndex, 2);
    EXPECT_TRUE(p.coated);
    EXPECT_EQ(p.coatingText, "0.0003");

    // The typed text comes back only when it names the diameter exactly.
    rec.SetNomDia(0.31255);
    rec.NomDiaText = " 0.3125";
    EXPECT_EQ(RestorePage(rec).diameterText, "+0.312550");
    rec.SetNomDia(0.3125);
    EXPECT_EQ(RestorePage(rec).diameterText, "0.3125");
}

} // namespace
