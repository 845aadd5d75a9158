// Thread files: the keys and number texts written, and reopening them.
#include "core/ini_file.h"
#include "pages/thread_file.h"
#include "core/thread_record.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace {

void Calc(TTInfo& rec, double dia, float tpi, const char* cls)
{
    rec.SetNomDia(dia);
    rec.SetThreadType("UN");
    rec.SetTPI(tpi);
    rec.SetClass(cls);
    rec.Calculate();
}

TEST(ThreadFile, HalfThirteenWritesTheInputs)
{
    ShippedTables tables;
    TempDir dir;
    TTInfo rec;
    Calc(rec, 0.5, 13, "2");
    std::string error;
    ASSERT_TRUE(SaveToFile(rec, dir.file("h.thd"), &error)) << error;
    const std::string text = ReadTextFile(dir.file("h.thd"));
    // UNC: standard engagement = D.
    for (const char* line : {"[MAIN]", "Thd Type=UN", "Class=2", "Nom Dia=+0.500000",
                             "TPI=+13.000000", "LOE=+0.500000", "[WIRE]", "[TIPS]"})
        EXPECT_NE(text.find(std::string(line) + "\n"), std::string::npos) << line;
    EXPECT_EQ(text.find("ExtTolInfo"), std::string::npos);
    // Best wire 0.57735 / 13 = 0.0444115.
    EXPECT_NE(text.find("CurrentSize=+0.044412\n"), std::string::npos) << text;
}

TEST(ThreadFile, StandardEngagementAndBestWireSurviveReopening)
{
    ShippedTables tables;
    TempDir dir;
    // 1/4-28 UNF: 28 tpi takes LE = 9P = 0.3214285..., which the file keeps
    // to six decimals only.
    TTInfo rec;
    Calc(rec, 0.25, 28, "2");
    std::string error;
    ASSERT_TRUE(SaveToFile(rec, dir.file("f.thd"), &error)) << error;
    TTInfo back;
    ASSERT_TRUE(LoadFromFile(back, dir.file("f.thd"), &error)) << error;
    EXPECT_EQ(back.ExtThd.StdLOE, 1);
    EXPECT_EQ(back.ExtThd.UseBestWire, 1);
    EXPECT_EQ(back.ExtThd.PD.Min, rec.ExtThd.PD.Min);
    EXPECT_EQ(back.ExtThd.CurWire, rec.ExtThd.CurWire);
}

TEST(ThreadFile, CustomEngagementIsRecalculated)
{
    ShippedTables tables;
    TempDir dir;
    TTInfo rec;
    rec.SetLOE(1.0);
    Calc(rec, 0.25, 20, "2");
    std::string error;
    ASSERT_TRUE(SaveToFile(rec, dir.file("c.thd"), &error)) << error;
    TTInfo back;
    ASSERT_TRUE(LoadFromFile(back, dir.file("c.thd"), &error)) << error;
    EXPECT_EQ(back.ExtThd.StdLOE, 0);
    EXPECT_EQ(back.ExtThd.LOE, 1.0);
    // PD max stays the table's; PD min widens with the engagement factor.
    EXPECT_EQ(back.ExtThd.PD.Max, rec.ExtThd.PD.Max);
    EXPECT_EQ(back.ExtThd.PD.Min, rec.ExtThd.PD.Min);
}

TEST(ThreadFile, SpecialThreadWithCustomEngagementReopensToTheSameLimits)
{
    ShippedTables tables;
    TempDir dir;
    // 0.3-18 class 2 has no table row: series UNS, LE = 9P = 0.5 in pitches.
    // By hand: P = 1/18, E = round4(0.3 - 0.649519 P) = 0.2639,
    // PDTol2A = 0.0015 * 0.3^(1/3) + 0.0015 * sqrt(0.5) + 0.015 * P^(2/3) = 0.00424884;
    // L = 0.6 = 10.8 P is within 15 P, so T = PDTol2A.
    TTInfo rec;
    rec.SetLOE(0.6);
    Calc(rec, 0.3, 18, "2");
    std::string error;
    ASSERT_TRUE(SaveToFile(rec, dir.file("s.thd"), &error)) << error;
    TTInfo back;
    ASSERT_TRUE(LoadFromFile(back, dir.file("s.thd"), &error)) << error;

    struct Case {
        const char* name;
        double typed;
        double reopened;
        double expected;
    };
    const Case cases[] = {
        {"ext PD max = E - 0.3 T", rec.ExtThd.PD.Max, back.ExtThd.PD.Max, 0.2626253},
        {"ext PD min = round4(PD max - T)", rec.ExtThd.PD.Min, back.ExtThd.PD.Min, 0.2584},
        {"ext major min = major max - 0.06 P^(2/3)", rec.ExtThd.Major.Min,
         back.ExtThd.Major.Min, 0.2899892},
        {"int PD max = E + 1.3 T", rec.IntThd.PD.Max, back.IntThd.PD.Max, 0.2694235},
        {"standard LE of the special series", rec.ExtThd.StdLE, back.ExtThd.StdLE, 0.5},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(c.typed, c.expected, 5e-7) << c.name;
        EXPECT_NEAR(c.reopened, c.expected, 5e-7) << c.name;
    }
    EXPECT_EQ(back.ExtThd.LEBasis, 0);
    EXPECT_EQ(back.ExtThd.Series, "UNS");
}

TEST(ThreadFile, SavingUpdatesAnExistingFileInPlace)
{
    ShippedTables tables;
    TempDir dir;
    WriteTextFile(dir.file("k.thd"), "; my gauge\n[MAIN]\nThd Type=UNR\nOwner=QA\n");
    TTInfo rec;
    Calc(rec, 0.25, 20, "3");
    std::string error;
    ASSERT_TRUE(SaveToFile(rec, dir.file("k.thd"), &error)) << error;
    const std::string text = ReadTextFile(dir.file("k.thd"));
    EXPECT_EQ(text.rfind("; my gauge\n[MAIN]\nThd Type=UN\nOwner=QA\n", 0), 0u) << text;
}

TEST(ThreadFile, MissingKeysTakeTheDefaults)
{
    ShippedTables tables;
    TempDir dir;
    // Defaults: 1.0 in, 8 tpi; class 2 given.
    WriteTextFile(dir.file("d.thd"), "[MAIN]\nThd Type=UN\nClass=2\n");
    TTInfo rec;
    std::string error;
    ASSERT_TRUE(LoadFromFile(rec, dir.file("d.thd"), &error)) << error;
    EXPECT_EQ(rec.NomDia, 1.0);
    EXPECT_EQ(rec.TPI, 8.0f);
    EXPECT_EQ(rec.ExtThd.Series, "UNC");
    // No LOE key reads as 0, which differs from the standard one: the record
    // takes it as a custom engagement, as the file asks.
    EXPECT_EQ(rec.ExtThd.StdLOE, 0);
}

} // namespace

namespace {

TEST(ThreadFile, TypedDiameterTextComesBackOnlyWhenItStillFits)
{
    ShippedTables tables;
    TempDir dir;
    TTInfo rec;
    rec.NomDiaText = "#10";
    Calc(rec, 0.19, 32, "2");
    std::string error;
    ASSERT_TRUE(SaveToFile(rec, dir.file("n.thd"), &error)) << error;
    EXPECT_NE(ReadTextFile(dir.file("n.thd")).find("Nom Dia Text=#10\n"), std::string::npos);
    TTInfo back;
    ASSERT_TRUE(LoadFromFile(back, dir.file("n.thd"), &error)) << error;
    EXPECT_EQ(back.NomDiaText, "#10");

    // A diameter edited by hand no longer fits the old name: the name is dropped.
    WriteTextFile(dir.file("e.thd"),
                  "[MAIN]\nThd Type=UN\nClass=2\nNom Dia=+0.250000\nTPI=+32.000000\n"
                  "Nom Dia Text=#10\n");
    TTInfo edited;
    ASSERT_TRUE(LoadFromFile(edited, dir.file("e.thd"), &error)) << error;
    EXPECT_EQ(edited.NomDiaText, "");
}

} // namespace

namespace {

TEST(ThreadFile, UnrThreadWithCustomEngagementKeepsItsSeries)
{
    ShippedTables tables;
    TempDir dir;
    TTInfo rec;
    rec.SetLOE(1.0);
    rec.SetNomDia(0.25);
    rec.SetThreadType("UNR");
    rec.SetTPI(20);
    rec.SetClass("2");
    rec.Calculate();
    std::string error;
    ASSERT_TRUE(SaveToFile(rec, dir.file("r.thd"), &error)) << error;
    // Opening calculates twice (standard, then the custom engagement); the
    // second run must not build "UNRRC" from the first run's "UNRC".
    TTInfo back;
    ASSERT_TRUE(LoadFromFile(back, dir.file("r.thd"), &error)) << error;
    EXPECT_EQ(back.ExtThd.Series, "UNRC");
    EXPECT_EQ(back.IntThd.Series, "UNRC");
    EXPECT_EQ(back.ExtThd.PD.Min, rec.ExtThd.PD.Min);
    EXPECT_EQ(back.IntThd.PD.Max, rec.IntThd.PD.Max);
}

} // namespace
