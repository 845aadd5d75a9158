// The point and roll catalogue, the gauge model and setting selection, special
// points, the 30- and 55-degree readings and the gauge-setting page texts.
// Catalogue values are checked against the rule data/README.md documents
// (best wire of the pitch to 4 decimals, roll constant = twice the depth from
// the pitch line to the basic root), not against the shipped lines.
#include "core/number_text.h"
#include "core/thread_record.h"
#include "families/gauge_setting.h"
#include "gauges/gage_catalogue.h"
#include "pages/gauge_setting_page.h"
#include "pages/thread_file.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <numbers>

namespace {

double Round4(double x) {
    return std::round(x * 1e4) / 1e4;
}

// Lead correction t^2 k with t = 1 / (pi D n).
double LeadCorr(double d, double n, double k) {
    const double t = 1 / (std::numbers::pi * d * n);
    return t * t * k;
}

class GaugeModels : public testing::TestWithParam<DataRow> {};

TEST_P(GaugeModels, FollowTheDiameterRules) {
    const DataRow& c = GetParam();
    const ShippedTables tables;
    const auto rec = Calculated(c.Text("type").c_str(), "", c.Num("dia"), c.Float("tpi"));
    const TGageSetting& in = rec->IntThd.Setting;
    const TGageSetting& ex = rec->ExtThd.Setting;
    EXPECT_EQ(in.SmallGage, c.Int("int_small"));
    EXPECT_EQ(in.VerySmall, c.Int("int_very_small"));
    EXPECT_EQ(in.PointModel, c.Text("int_point"));
    EXPECT_EQ(in.RollModel, c.Text("int_roll"));
    EXPECT_EQ(ex.SmallGage, c.Int("ext_small"));
    EXPECT_EQ(ex.PointModel, c.Text("ext_point"));
    EXPECT_EQ(ex.RollModel, c.Text("ext_roll"));
}

DATA_ROWS(GaugeModels, "gauge_models");

TEST(GageCatalogue, PointsRollsAndSettings) {
    const ShippedTables tables;
    {
        // 3/4-10 UNC: small gauges on both threads, so no V setting on either.
        const auto r = Calculated("UN", "2", 0.75, 10);
        const TThdInfo& in = r->IntThd;
        const TThdInfo& ex = r->ExtThd;
        EXPECT_EQ(ex.PointDia, Round4(0.57735 / 10));
        EXPECT_EQ(in.SetToV, 0);
        EXPECT_EQ(ex.SetToV, 0);
        EXPECT_GT(in.SetToFlat, 0);
        const double corr = LeadCorr(0.75, 10, 0.79);
        EXPECT_NEAR(ex.Setting.RollLeadCorr, corr, 1e-9);
        EXPECT_NEAR(in.Setting.RollSetting, in.PD.Min + 0.06495 - corr, 1e-6);
        EXPECT_NEAR(ex.Setting.RollSetting, ex.PD.Max - 0.0433 + corr, 1e-6);
        EXPECT_NEAR(in.Setting.DiffAnalTol, 0.4 * (in.PD.Max - in.PD.Min), 1e-9);
    }
    {
        // Calculated again for a pitch the catalogue lacks: no point or roll is kept.
        const auto r = Calculated("UN", "2", 3, 4);
        r->SetTPI(15);
        r->Calculate();
        EXPECT_EQ(r->ExtThd.PointName, "");
        EXPECT_EQ(r->ExtThd.PointDia, 0);
        EXPECT_EQ(r->ExtThd.SetToFlat, 0);
        EXPECT_EQ(r->ExtThd.Setting.RollModel, "None Available");
        EXPECT_EQ(r->IntThd.Setting.RollSetting, 0);
    }
    {
        // 0.5-13: the very small internal gauge takes its roll from vsminrol.tbl.
        const auto r = Calculated("UN", "2", 0.5, 13);
        EXPECT_EQ(r->IntThd.Setting.RollNumber, "VRUN-13C");
        EXPECT_EQ(r->IntThd.SetToV, 0);
        // Its rolls stop at 11 tpi: at 8 no roll, so no roll setting (PD min
        // less the lead correction would be no setting of any roll).
        const auto eight = Calculated("UN", "2", 0.5, 8);
        EXPECT_EQ(eight->IntThd.Setting.RollNumber, "");
        EXPECT_EQ(eight->IntThd.Setting.RollSetting, 0);
        EXPECT_NE(eight->ExtThd.Setting.RollSetting, 0);
    }
    {
        // 2-4.5 UNC external: the V setting takes the 0.3 offset of 4.5 tpi.
        const auto r = Calculated("UN", "2", 2, 4.5f);
        const TThdInfo& ex = r->ExtThd;
        const double p = 1 / 4.5, d = Round4(0.57735 * p);
        const double q = ex.PD.Max + 2 * (d - 0.433013 * p);
        const double root = std::sqrt(q * q + p * p / 4);
        EXPECT_EQ(ex.PointDia, d);
        EXPECT_NEAR(ex.SetToFlat, root - d, 1e-9);
        EXPECT_NEAR(ex.SetToV, root - (2 * d - 0.3), 1e-9);
    }
    {
        // M10x1.5: Dq 0.3937 in, points of the equivalent 16 tpi, rolls by the pitch in mm,
        // the roll setting worked in inches and given back in millimetres.
        const auto r = Calculated("M", "", 10, 1.5f);
        const TThdInfo& ex = r->ExtThd;
        EXPECT_EQ(ex.PointDia, Round4(0.57735 / 16));
        EXPECT_EQ(ex.Setting.RollNumber, "YRM-1.5C");
        const double corr = LeadCorr(10 / 25.4, 25.4 / 1.5, 0.79);
        EXPECT_NEAR(
            ex.Setting.RollSetting,
            (ex.PD.Max / 25.4 - std::round(0.433013 * 1.5 / 25.4 * 1e5) / 1e5 + corr) * 25.4, 1e-6);
    }
    {
        // 1/4-20: below 0.312 the internal thread has no gauge setting.
        const auto r = Calculated("UN", "2", 0.25, 20);
        const TThdInfo& in = r->IntThd;
        EXPECT_EQ(in.PointName, "NONE");
        EXPECT_EQ(in.Setting.RollNumber, "NONE");
        EXPECT_EQ(in.PointDia, 0);
        EXPECT_EQ(in.SetToFlat, 0);
        EXPECT_EQ(in.Setting.RollSetting, 0);
        EXPECT_NE(r->ExtThd.PointName, "NONE");
    }
    {
        // 2-4 Acme: the 29-degree lead factor 4.6, one roll for both threads.
        const auto r = Calculated("ACME", "2G", 2, 4);
        EXPECT_NEAR(r->ExtThd.Setting.RollLeadCorr, LeadCorr(2, 4, 4.6), 1e-9);
        EXPECT_EQ(r->IntThd.Setting.RollNumber, "ZRKA-4C");
        EXPECT_NEAR(r->IntThd.Setting.RollSetting, r->IntThd.PD.Min + 0.125 - LeadCorr(2, 4, 4.6),
                    1e-6);
        EXPECT_EQ(r->ExtThd.Setting.PointOffset,
                  Round4(Round4(0.51645 / 4) / 2 * (1 - std::cos(14.5 * std::numbers::pi / 180))));
    }
}

// The gauges are formed from a product thread's point and gauge model after
// the catalogue's clean-up; its V-setting rules hold for them too.
struct VSettingCase {
    const char* type;
    const char* cls;
    double dia;
    float tpi;
    bool flatOnly; // a small gauge model: no member has a V setting
};
const VSettingCase kVSettings[] = {
    {"STUB", "4G", 0.375, 14, true}, // the rings' V reading came out below zero
    {"SAM1", "2G", 0.375, 14, true},
    {"UN", "2", 1, 8, true}, // the plugs and setting plugs kept a V setting
    {"M", "", 10, 1.5f, true},
    {"UN", "2", 2, 4.5f, false}, // the V setting applies: the gauges keep theirs
};

TEST(GageCatalogue, VSettingRulesHoldForTheGauges) {
    const ShippedTables tables;
    for (const VSettingCase& c : kVSettings) {
        SCOPED_TRACE(std::string(c.type) + " " + std::to_string(c.dia) + "-" +
                     std::to_string(c.tpi));
        const auto r = Calculated(c.type, c.cls, c.dia, c.tpi);
        ASSERT_EQ(r->ExtThd.Setting.SmallGage == 1, c.flatOnly);
        for (const TThdInfo* m : r->Members()) {
            EXPECT_GE(m->SetToV, 0);
            if (c.flatOnly) {
                EXPECT_EQ(m->SetToV, 0);
            }
        }
        if (!c.flatOnly) {
            EXPECT_GT(r->GoSetPlug.SetToV, r->GoSetPlug.SetToFlat);
        }
    }
}

TEST(GageCatalogue, SpecialPoints) {
    const ShippedTables tables;
    {
        // 1/4-20: maximum wire 0.0505181, minimum 0.0252591.
        const auto r = Calculated("UN", "2", 0.25, 20);
        std::string list;
        EXPECT_EQ(SetPointDia(*r, 0.06, &list), PointDiaResult::TooLarge);
        EXPECT_EQ(PointDiaMessage(PointDiaResult::TooLarge, ""),
                  "Special Pt. Dia is too large! Enter a smaller diameter");
        EXPECT_EQ(SetPointDia(*r, 0.02, &list), PointDiaResult::TooSmall);
        EXPECT_EQ(PointDiaMessage(PointDiaResult::TooSmall, ""),
                  "Special Pt. Dia is too small! Enter a larger diameter");
        EXPECT_NE(r->ExtThd.PointName, "SPECIAL");
        ASSERT_EQ(SetPointDia(*r, 0.04, &list), PointDiaResult::Accepted);
        const TThdInfo& ex = r->ExtThd;
        EXPECT_EQ(ex.PointName, "SPECIAL");
        EXPECT_EQ(ex.PointDia, 0.04);
        EXPECT_EQ(ex.SetToV, 0);                // still a small gauge
        EXPECT_EQ(r->IntThd.PointName, "NONE"); // still too small a thread to set
        const double p = 0.05, q = ex.PD.Max + 2 * (0.04 - 0.433013 * p);
        EXPECT_NEAR(ex.SetToFlat, std::sqrt(q * q + p * p / 4) - 0.04, 1e-9);
    }
    {
        // No point gauge sets a thread under 1/4 in: the point would go unused.
        const auto r = Calculated("UN", "2", 0.2, 40);
        EXPECT_EQ(SetPointDia(*r, 0.02), PointDiaResult::SmallThread);
        EXPECT_EQ(PointDiaMessage(PointDiaResult::SmallThread, ""),
                  "A contact point is not used on this thread: the point gauges set threads of "
                  "1/4 in (internal threads 0.312 in) and over.");
    }
    {
        // Acme takes catalogue points only: the message lists those within the wire range.
        const auto r = Calculated("ACME", "2G", 1, 5);
        const std::string before = r->ExtThd.PointName;
        std::string list;
        EXPECT_EQ(SetPointDia(*r, 0.1, &list), PointDiaResult::OnlyTabled);
        EXPECT_EQ(list.rfind("Only Tabled pnts are available: ", 0), 0u);
        EXPECT_NE(list.find(FormatFixed(Round4(0.51645 / 5), 1, 4) + ", "), std::string::npos)
            << list;
        EXPECT_EQ(r->ExtThd.PointName, before);
    }
}

TEST(GageCatalogue, ThirtyAndFiftyFiveDegreeReadings) {
    const ShippedTables tables;
    // Expectations: the published reading formulas worked by hand with the
    // catalogue's point of the pitch.
    const struct {
        const char* name;
        uint16_t type;
        double pitch, pd;
        bool internal;
        double reading;
    } cases[] = {
        {"trap3ext", kType30Deg, 3, 18.5, false, 17.456435},
        {"trap3int", kType30Deg, 3, 18.5, true, 19.665043},
        {"w55ext", kType55Deg, 8, 0.92, false, 0.886092},
        {"w55int", kType55Deg, 8, 0.92, true, 0.958155},
    };
    for (const auto& c : cases) {
        TTInfo rec;
        ASSERT_EQ(SetUpSetDim(rec, c.type, c.pitch, c.internal ? 0 : c.pd, c.internal ? c.pd : 0),
                  SetDimResult::Done);
        const TThdInfo& m = c.internal ? rec.IntThd : rec.ExtThd;
        EXPECT_NEAR(m.SetToFlat, c.reading, 2e-6) << c.name;
        EXPECT_GT(m.BestWire, 0) << c.name;
    }
    TTInfo rec;
    rec.SetThreadType("55DEG");
    rec.SetTPI(8);
    rec.ExtThd.PointDia = 0.07;
    Calc55DegWires(rec.ExtThd); // no pitch diameter entered
    EXPECT_EQ(rec.ExtThd.SetToFlat, 0);
    EXPECT_NEAR(rec.ExtThd.MaxWire, 0.82573 / 8, 1e-12);
}

TEST(GageCatalogue, SetDimTool) {
    const ShippedTables tables;
    bool internalOnly = false;
    TTInfo a;
    ASSERT_EQ(SetUpSetDim(a, kTypeUN, 20, 0.2164, 0, &internalOnly), SetDimResult::Done);
    EXPECT_FALSE(internalOnly);
    EXPECT_EQ(a.ExtThd.PointName, "NONE");
    EXPECT_EQ(a.ExtThd.SetToFlat, 0);
    TTInfo b;
    ASSERT_EQ(SetUpSetDim(b, kTypeUN, 8, 0, 0.9188, &internalOnly), SetDimResult::Done);
    EXPECT_TRUE(internalOnly);
    EXPECT_EQ(b.IntThd.Setting.PointModel, "QSP-2000");
    TTInfo c;
    EXPECT_EQ(SetUpSetDim(c, kTypeUN, 0, 0.5, 0), SetDimResult::InvalidPitch);
    EXPECT_EQ(SetDimMessage(SetDimResult::InvalidPitch), "Can not Calculate! Invalid Pitch.");
    TTInfo d;
    EXPECT_EQ(SetUpSetDim(d, kTypeUN, 8, 0, 0), SetDimResult::NoPD);
}

class CatalogueLines : public testing::TestWithParam<DataRow> {};

TEST_P(CatalogueLines, RefusedLinesNameFileLineAndValue) {
    const DataRow& c = GetParam();
    std::vector<std::string> problems;
    const bool roll = c.Flag("roll");
    const std::string text = "\n" + c.Text("line") + "\n" +
                             (roll ? "1,16,'ZR-16',0.02706\n" : "2,16,'P60-16',0.0361,0\n");
    const std::size_t loaded = roll ? ParseRollLines(text, "p.tbl", problems).size()
                                    : ParsePointLines(text, "p.tbl", problems).size();
    EXPECT_EQ(loaded, static_cast<std::size_t>(c.Int("lines_loaded")));
    EXPECT_EQ(problems, c.Empty("message")
                            ? std::vector<std::string>{}
                            : std::vector<std::string>{"p.tbl:2: " + c.Text("message")});
}

DATA_ROWS(CatalogueLines, "catalogue_lines");

TEST(GageCatalogue, RollLineBlanksAndQuotes) {
    std::vector<std::string> problems;
    const auto rows = ParseRollLines(" 1 , 20 , \"ZR 1\" , 0.04\n", "p.tbl", problems);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Number, "ZR1"); // blanks removed, quotes dropped
    EXPECT_EQ(rows[0].Constant, 0.04);
}

TEST(GageCatalogue, BrokenCatalogueStillCalculatesLimits) {
    TempDir dir;
    for (const auto& e : std::filesystem::directory_iterator(PL_TABLES_DIR))
        std::filesystem::copy(e.path(), dir.path() / e.path().filename());
    WriteTextFile(dir.file("points.tbl"), "2,20,'P60-20',0.0289,0\n2,18,'P60-18',0.0321\n");
    std::filesystem::remove(dir.file("rolls.tbl"));
    const ShippedTables use(dir.path().string());
    const std::vector<std::string> messages = LoadGageCatalogue();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], dir.file("points.tbl") + ":2: a point line has 5 fields, this one 4");
    EXPECT_EQ(messages[1].rfind("File not found: ", 0), 0u) << messages[1];
    EXPECT_EQ(GageCatalogue().Points.size(), 1u); // the line that reads
    EXPECT_FALSE(GageCatalogue().SmallPoints.empty());
    const auto r = Calculated("UN", "2", 2, 4.5f);
    EXPECT_NEAR(r->ExtThd.PD.Max, 1.8528, 1e-4); // ASME B1.1 2-4.5 UNC-2A
    EXPECT_EQ(r->ExtThd.PointDia, 0);
    EXPECT_EQ(r->ExtThd.Setting.RollModel, "None Available");
    EXPECT_EQ(r->ExtThd.Setting.RollSetting, 0);
}

// Which point a thread takes from the list: the first of its form whose
// threads per inch is within a millionth of the thread's (2-8 UN, both
// threads from points.tbl).
struct PointPick {
    const char* name;
    const char* lines;
    const char* point; // empty: none
};

const PointPick kPointPicks[] = {
    {"first of two at the same key", "2,8,'A',0.0722,0\n2,8,'B',0.0722,0\n", "A"},
    {"first, within a millionth above", "2,8.0000009,'A',0.0722,0\n2,8,'B',0.0722,0\n", "A"},
    {"first, within a millionth below", "2,7.9999991,'A',0.0722,0\n2,8,'B',0.0722,0\n", "A"},
    {"after, within a millionth below", "2,8,'B',0.0722,0\n2,7.9999991,'A',0.0722,0\n", "B"},
    {"beyond a millionth", "2,8.000002,'A',0.0722,0\n", ""},
    {"another form listed first", "1,8,'A',0.0722,0\n2,8,'B',0.0722,0\n", "B"},
};

TEST(GageCatalogue, PointPicks) {
    TempDir dir;
    for (const auto& e : std::filesystem::directory_iterator(PL_TABLES_DIR))
        std::filesystem::copy(e.path(), dir.path() / e.path().filename());
    const ShippedTables use(dir.path().string());
    for (const PointPick& c : kPointPicks) {
        SCOPED_TRACE(c.name);
        WriteTextFile(dir.file("points.tbl"), c.lines);
        ASSERT_TRUE(LoadGageCatalogue().empty());
        const auto r = Calculated("UN", "2", 2, 8.0f);
        for (const TThdInfo* m : {&r->ExtThd, &r->IntThd}) {
            EXPECT_EQ(m->PointName, c.point);
            EXPECT_EQ(m->PointDia != 0, *c.point != 0);
        }
    }
}

TEST(GaugeSettingPage, PointAndRollTexts) {
    const ShippedTables tables;
    const auto unc = Calculated("UN", "2", 0.75, 10);
    const GaugeSettingText in = BuildGaugeSettingPage(*unc, false, false, false);
    EXPECT_EQ(in.setFlatCaption, "Setting to Flat Std:");
    EXPECT_EQ(in.setFlat, FormatFixed(unc->IntThd.SetToFlat, 1, 4));
    EXPECT_EQ(in.setV, "  N/A");
    EXPECT_EQ(in.pointDia, "0.0577\"");
    EXPECT_EQ(in.tolerance, "+ " + FormatFixed(unc->IntThd.PD.Max - unc->IntThd.PD.Min, 1, 4));
    EXPECT_EQ(in.picture, "NSP2000");
    const GaugeSettingText ex = BuildGaugeSettingPage(*unc, true, false, false);
    EXPECT_EQ(ex.tolerance.rfind("- ", 0), 0u);
    EXPECT_EQ(ex.picture, "MSR3000");
    const GaugeSettingText none =
        BuildGaugeSettingPage(*Calculated("UN", "2", 0.25, 20), false, false, false);
    EXPECT_EQ(none.pointNumber, "NONE");
    EXPECT_EQ(none.pointDia, "  N/A");
    EXPECT_EQ(none.tolerance, "  N/A");

    const auto acme = Calculated("ACME", "2G", 2, 4);
    const GaugeSettingText roll = BuildGaugeSettingPage(*acme, true, true, false);
    EXPECT_EQ(roll.pointCaption, "Roll #:");
    EXPECT_EQ(roll.pointNumber, "ZRKA-4C");
    EXPECT_TRUE(roll.showNotice);
    EXPECT_EQ(roll.pointDiaCaption, "SEE NOTICE BELOW");
    EXPECT_FALSE(roll.showSetV);
    EXPECT_TRUE(roll.showDiffTol);
    EXPECT_EQ(roll.picture, "MR3000");
    EXPECT_EQ(BuildGaugeSettingPage(*acme, false, false, false).picture, "NX2000");
    EXPECT_EQ(BuildGaugeSettingPage(*acme, false, true, false).picture, "NP2000");
    EXPECT_EQ(BuildGaugeSettingPage(*Calculated("UN", "2", 2, 4.5f), true, false, false).picture,
              "MX3000");

    const auto& notice = GaugeMakerNotice();
    ASSERT_EQ(notice.size(), 10u);
    EXPECT_EQ(notice[3], "");
    EXPECT_EQ(notice[9], "Contact Orvalle with questions regarding the use of these thread rolls.");
}

class GaugeSettingNotes : public testing::TestWithParam<DataRow> {};

TEST_P(GaugeSettingNotes, SayWhyThereIsNoSetting) {
    const DataRow& c = GetParam();
    const ShippedTables tables;
    const std::string type = c.Text("type");
    const auto rec = Calculated(type.c_str(), type == "UN" ? "2" : "2G", c.Num("dia"),
                                c.Float("tpi"), static_cast<uint16_t>(c.Int("starts")));
    const GaugeSettingText t =
        BuildGaugeSettingPage(*rec, c.Flag("external"), c.Flag("roll"), false);
    const std::string note = c.Text("note");
    EXPECT_EQ(t.note, note);
    if (!note.empty() && c.Int("starts") == 1 && !note.starts_with("setting to V")) {
        EXPECT_EQ(t.setFlat, "  N/A");
    }
}

DATA_ROWS(GaugeSettingNotes, "gauge_setting_notes");

TEST(GaugeSettingPage, PointEntryAndThreadFile) {
    const ShippedTables tables;
    const auto unc = Calculated("UN", "2", 0.25, 20);
    const auto m10 = Calculated("M", "", 10, 1.5f);
    const struct {
        const char* text;
        const TTInfo* rec;
        double want;
    } cases[] = {{"0.04", unc.get(), 0.04},    {"0.04\"", unc.get(), 0.04},
                 {"0.04 in", unc.get(), 0.04}, {"1.016mm", unc.get(), 0.04},
                 {"0.04", m10.get(), 1.016},   {"0.9 MM", m10.get(), 0.9},
                 {"abc", unc.get(), -1}};
    for (const auto& c : cases)
        EXPECT_NEAR(PointDiaEntryToRecordUnits(*c.rec, c.text), c.want, 1e-12) << c.text;

    // A special point is saved with the thread and comes back when it is opened.
    TempDir dir;
    ASSERT_EQ(SetPointDia(*unc, 0.04), PointDiaResult::Accepted);
    std::string error;
    ASSERT_TRUE(SaveToFile(*unc, dir.file("t.thd"), &error)) << error;
    TTInfo back;
    ASSERT_EQ(LoadFromFile(back, dir.file("t.thd")).status, LoadResult::Status::Loaded);
    EXPECT_EQ(back.ExtThd.PointName, "SPECIAL");
    EXPECT_EQ(back.ExtThd.PointDia, 0.04);
    EXPECT_EQ(back.ExtThd.SetToFlat, unc->ExtThd.SetToFlat);
}

} // namespace
