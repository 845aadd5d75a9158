// The parameter page's rules without the widgets: the refusal messages of
// Calculate, what each entry puts into the record, the lists and the restored page.
#include "pages/parameter_page.h"
#include "core/thread_record.h"
#include "core/pipe_record.h"

#include <gtest/gtest.h>

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

TEST(ParameterPage, EntriesReachTheRecord)
{
    ParameterEntry e = UnEntry("1/4", "20");
    e.startsIndex = 1;
    e.customLOE = true;
    e.loeText = "0.5";
    e.coated = true;
    e.coatingText = "0.0002";
    TTInfo rec;
    ASSERT_EQ(SetUpRecord(e, rec).message, "");
    EXPECT_EQ(rec.TypeName, "UN");
    EXPECT_EQ(rec.ClassText, "2");
    EXPECT_EQ(rec.ExtThd.ClassCode, 2);
    EXPECT_FLOAT_EQ(rec.TPI, 20.0f);
    EXPECT_EQ(rec.Starts, 2);
    EXPECT_DOUBLE_EQ(rec.ExtThd.LOE, 0.5);
    EXPECT_EQ(rec.ExtThd.StdLOE, 0);
    EXPECT_DOUBLE_EQ(rec.Coating, 0.0002);

    // "No Coating" ignores whatever the coating box holds.
    e.coated = false;
    TTInfo plain;
    SetUpRecord(e, plain);
    EXPECT_EQ(plain.Coating, 0);

    // A custom engagement needs a length.
    for (const char* loe : {"", "0", "-1", "abc"}) {
        e.loeText = loe;
        TTInfo none;
        EXPECT_EQ(SetUpRecord(e, none).message, "Can not calculate. Invalid length of engagement")
            << loe;
    }
}

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
    EXPECT_EQ(rec.ExtThd.TolInfoText(), "4h6h");
    EXPECT_EQ(rec.LOEText, "Long");
    EXPECT_EQ(rec.ExtThd.StdLOE, 0);
    EXPECT_EQ(rec.LeftHand, 1);
    EXPECT_EQ(rec.ClassText, "");

    e.metricLOE = 1;
    TTInfo normal;
    SetUpRecord(e, normal);
    EXPECT_EQ(normal.LOEText, "Standard");
    EXPECT_EQ(normal.ExtThd.StdLOE, 1);
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
    const int counts[] = {24, 13, 10, 16, 18};
    const char* const last[] = {"24 OD", "4", "4", "6", "12"};
    for (int kind = 0; kind < 5; ++kind) {
        const std::vector<std::string> sizes = PipeSizeTexts(kind);
        ASSERT_EQ(static_cast<int>(sizes.size()), counts[kind]);
        EXPECT_EQ(sizes.back(), last[kind]);
    }
}

TEST(ParameterPage, ClassListsAndGaugeClassOptions)
{
    // The window tests cover the unified, UNJ, Acme and pipe lists.
    EXPECT_EQ(ClassEntries(5).size(), 3u);
    EXPECT_TRUE(ClassEntries(7).empty());
    EXPECT_EQ(ClassEntries(9)[1].classText, "3");
    EXPECT_EQ(ClassEntries(3)[0].classText, "2G");

    // Acme shows class X only; pipe threads neither option but keep class W.
    const GaugeClassChoice acme = GaugeClassOptions(kTypeAcme);
    EXPECT_TRUE(!acme.showW && acme.showX && !acme.checkW && acme.classW == 0);
    const GaugeClassChoice pipe = GaugeClassOptions(kTypeNPT);
    EXPECT_TRUE(!pipe.showW && !pipe.showX && pipe.classW == 1);
    EXPECT_EQ(UnavailableTypeMessage(0, "SQUARE"), "Unknown thread type: SQUARE");
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

    rec.NomDiaText = " 1/4 ";
    rec.SetLOE(0.5);
    rec.SetTPI(4.5f);
    p = RestorePage(rec);
    EXPECT_EQ(p.diameterText, "1/4");
    EXPECT_EQ(p.pitchText, "4.5");
    EXPECT_TRUE(p.customLOE);
    EXPECT_EQ(p.loeText, "0.5000");

    TTInfo pipe;
    pipe.SetThreadType("NPT");
    EXPECT_EQ(RestorePage(pipe).typeIndex, 10);
    TTInfo mj;
    mj.SetThreadType("MJ");
    EXPECT_TRUE(RestorePage(mj).metric);
}

} // namespace
