// The result page texts: which value goes where, the conditional rows, the
// class W / X headings and the display unit.
#include "core/thread_record.h"
#include "gauges/tolerance_text.h"
#include "pages/engagement_hint.h"
#include "pages/parameter_page.h"
#include "pages/result_pages.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace {

void Calc(TTInfo& rec, const char* type, double dia, const char* diaText, float tpi,
          const char* cls, uint16_t starts = 1) {
    rec.SetNomDia(dia);
    rec.NomDiaText = diaText;
    rec.SetThreadType(type);
    rec.SetTPI(tpi);
    rec.SetClass(cls);
    rec.SetStarts(starts);
    rec.SetCoating(0);
    rec.Calculate();
    rec.ClassW = 1;
}

const std::vector<std::string>& Row(const TextGrid& g, const std::string& label) {
    for (const auto& r : g)
        if (!r.empty() && r[0] == label) return r;
    static const std::vector<std::string> none;
    return none;
}

TEST(ResultPages, ThreadGridRowsAndRootRadiusByForm) {
    ShippedTables tables;
    TTInfo un;
    Calc(un, "UN", 0.25, "1/4", 20, "2");
    const ResultPagesText p = BuildResultPages(un, "(Untitled)", false);
    ASSERT_EQ(p.thread.size(), 19u);
    EXPECT_EQ(p.thread[0], (std::vector<std::string>{"", "Internal", "External"}));
    EXPECT_EQ(p.thread[5][0], "Min Dia Max (Ref)");
    EXPECT_EQ(Row(p.thread, "Root Rad Max")[2], "  N/A");
    EXPECT_EQ(Row(p.thread, "Root Rad Min")[2], "  N/A");
    EXPECT_EQ(Row(p.thread, "# Starts"), (std::vector<std::string>{"# Starts", "1", "1"}));
    // An internal thread has no wire and no helix.
    EXPECT_EQ(Row(p.thread, "Max Wire Reading")[1], "  N/A");
    EXPECT_EQ(Row(p.thread, "Helix")[1], "0.00.00");

    TTInfo unr;
    Calc(unr, "UNR", 0.25, "1/4", 20, "2");
    const ResultPagesText r = BuildResultPages(unr, "(Untitled)", false);
    EXPECT_EQ(r.thread[5][0], "Min Dia Max");
    // 0.14434 P and 0.10825 P at P = 0.05: 0.007217 and 0.0054125.
    EXPECT_EQ(Row(r.thread, "Root Rad Max")[2], "0.0072");
    EXPECT_EQ(Row(r.thread, "Root Rad Min")[2], "0.0054");
    EXPECT_EQ(r.name, "1/4-20 UNRC-2B  /  1/4-20 UNRC-2A");
}

TEST(ResultPages, TwoStartsDoubleTheLead) {
    ShippedTables tables;
    TTInfo rec;
    Calc(rec, "UN", 0.25, "1/4", 20, "2", 2);
    const ResultPagesText p = BuildResultPages(rec, "(Untitled)", false);
    EXPECT_EQ(Row(p.thread, "Lead"), (std::vector<std::string>{"Lead", "0.1000", "0.1000"}));
    EXPECT_EQ(Row(p.thread, "# Starts")[2], "2");
    // A multi-start designation gives diameter, pitch and lead.
    EXPECT_EQ(p.name, "0.250-0.050P-0.100L UNC-2B  /  0.250-0.050P-0.100L UNC-2A");
}

TEST(ResultPages, GaugeGridsFollowTheGaugeMembers) {
    ShippedTables tables;
    TTInfo rec;
    Calc(rec, "UN", 0.25, "1/4", 20, "2");
    ResultPagesText p = BuildResultPages(rec, "(Untitled)", false);
    // Rings have a minor gauge but no major gauge: heading, pitch and minor rows.
    ASSERT_EQ(p.ring.grid.size(), 3u);
    EXPECT_EQ(p.ring.grid[0], (std::vector<std::string>{"", "GO", "X TOL", "NOGO", "X TOL"}));
    EXPECT_EQ(p.ring.grid[2][0], "Minor Dia");
    EXPECT_EQ(p.setPlug.grid[0][2], "W TOL");
    EXPECT_EQ(p.setPlug.grid[1][1], "0.2164");
    EXPECT_EQ(p.setPlug.grid[1][3], "0.2127");
    EXPECT_EQ(p.plug.grid[4][0], "Major Dia");
    // GO plug major = internal major min = D.
    EXPECT_EQ(p.plug.grid[4][1], "0.2500");

    // Switching to class X changes headings and tolerances, never the sizes.
    rec.ClassW = 0;
    const ResultPagesText x = BuildResultPages(rec, "(Untitled)", false);
    EXPECT_EQ(x.setPlug.grid[0][2], "X TOL");
    EXPECT_EQ(x.setPlug.grid[0][4], "X TOL");
    for (std::size_t r = 1; r < x.setPlug.grid.size(); ++r) {
        EXPECT_EQ(x.setPlug.grid[r][1], p.setPlug.grid[r][1]);
        EXPECT_EQ(x.setPlug.grid[r][3], p.setPlug.grid[r][3]);
    }
}

TEST(ResultPages, MillimetreDisplayAndCaption) {
    ShippedTables tables;
    TTInfo rec;
    Calc(rec, "UN", 0.25, "1/4", 20, "2");
    const ResultPagesText mm = BuildResultPages(rec, "a.thd", true);
    EXPECT_EQ(mm.caption, "ANSI Table Data - a.thd");
    // 0.2224 in = 5.64896 mm, three decimals in millimetres.
    EXPECT_EQ(Row(mm.thread, "PD Max")[1], "5.649");
    EXPECT_EQ(mm.wireSize1, "0.7332");
    // The display unit is restored after building.
    const ResultPagesText in = BuildResultPages(rec, "a.thd", false);
    EXPECT_EQ(Row(in.thread, "PD Max")[1], "0.2224");
}

TEST(ResultPages, CoatedThreadNameIsMarkedPrePlate) {
    ShippedTables tables;
    TTInfo rec;
    rec.SetNomDia(0.25);
    rec.NomDiaText = "1/4";
    rec.SetThreadType("UN");
    rec.SetTPI(20);
    rec.SetClass("2");
    rec.SetCoating(0.0002);
    rec.Calculate();
    const ResultPagesText p = BuildResultPages(rec, "(Untitled)", false);
    EXPECT_EQ(p.name, "1/4-20 UNC-2B  /  1/4-20 UNC-2A (pp)");
    // External PD max 0.2164 - 4 x 0.0002 = 0.2156 before plating.
    EXPECT_EQ(Row(p.thread, "PD Max")[2], "0.2156");
    // Internal PD max 0.2224 + 4 x 0.0002 = 0.2232.
    EXPECT_EQ(Row(p.thread, "PD Max")[1], "0.2232");
}

TEST(ResultPages, MissingGaugeTolerancesSayWhyOnce) {
    // Class X of 20 tpi, D up to 1.5 (ASME B1.2 Table 6): PD 0.0003, diameters
    // 0.0003, lead 0.0003, half angle 0 deg 10 min. Class W left empty, as shipped.
    const std::string partX = "no class X pitch diameter tolerance for this thread \u2014 see Help "
                              "\u203a Tables";
    struct Case {
        const char* name;
        double classXPD, classXDia; // the X set's row; 0: left empty
        uint8_t classW;             // the set plug page's choice
        std::string ringNote, setPlugNote;
    };
    const Case cases[] = {
        {"no set at all", 0, 0, 1, kNoGaugeTolNote, kNoGaugeTolNote},
        {"class X, set plug on W", 0.0003, 0.0003, 1, "", kNoClassWTolNote},
        {"class X, set plug on X", 0.0003, 0.0003, 0, "", ""},
        // Table 6 as shipped gives no PD tolerance over 8 in: the row stays, less that.
        {"class X without its PD tolerance", 0, 0.0003, 0, partX, partX},
    };
    ShippedTables tables;
    for (const Case& c : cases) {
        TTInfo rec;
        Calc(rec, "UN", 0.25, "1/4", 20, "2");
        rec.WDiaTol = rec.WPDTol = rec.WLeadTol = 0;
        rec.WAngleDeg = rec.WAngleMin = 0;
        rec.XPDTol = c.classXPD;
        rec.XDiaTol = rec.XLeadTol = c.classXDia;
        rec.XAngleDeg = 0;
        rec.XAngleMin = c.classXDia != 0 ? 10 : 0;
        rec.ClassW = c.classW;
        const ResultPagesText p = BuildResultPages(rec, "(Untitled)", false);
        for (const auto& [page, note] :
             {std::pair{&p.ring, c.ringNote}, std::pair{&p.plug, c.ringNote},
              std::pair{&p.setPlug, c.setPlugNote}}) {
            const std::string what = std::string(c.name) + ", " + page->caption;
            EXPECT_EQ(page->note, note) << what;
            // Only a set without any value hides its columns.
            const bool none = note == kNoGaugeTolNote || note == kNoClassWTolNote;
            EXPECT_EQ(page->tolerances, !none) << what;
            for (std::size_t r = 1; r < page->grid.size(); ++r) {
                const std::string& label = page->grid[r][0];
                if (label == "Helix Comp") continue;
                const bool pd = label == "Pitch Dia" || label == "MOW";
                const std::string want = none || (pd && c.classXPD == 0) ? "  N/A" : "0.0003";
                for (std::size_t col : kGaugeTolColumns)
                    EXPECT_EQ(page->grid[r][col].substr(1), want) << what << ", " << label;
            }
            // The sizes stay whatever the tolerances: GO ring PD = 2A PD max.
            if (page == &p.ring) {
                EXPECT_EQ(page->grid[1][1], "0.2164") << what;
            }
        }
        // GO ring is made minus from the 2A maximum, GO plug plus from the 2B minimum.
        if (c.classXPD != 0) {
            EXPECT_EQ(p.ring.grid[1][2], "-0.0003") << c.name;
            EXPECT_EQ(p.plug.grid[1][2], "+0.0003") << c.name;
        }
    }
}

TEST(ResultPages, TooltipsExplainLabelsAndNameTheUnit) {
    ShippedTables tables;
    TTInfo rec;
    Calc(rec, "UNR", 0.25, "1/4", 20, "2");
    for (bool mm : {false, true}) {
        const ResultPagesText p = BuildResultPages(rec, "(Untitled)", mm);
        EXPECT_EQ(p.unit, mm ? "mm" : "in");
        const std::string unit = mm ? "Dimensions in millimetres" : "Dimensions in inches";
        for (const auto& [grid, tips] :
             {std::pair{&p.thread, &p.threadTips}, std::pair{&p.ring.grid, &p.ring.tips},
              std::pair{&p.setPlug.grid, &p.setPlug.tips}, std::pair{&p.plug.grid, &p.plug.tips}}) {
            ASSERT_EQ(tips->size(), grid->size());
            for (std::size_t c = 0; c < (*tips)[0].size(); ++c)
                EXPECT_NE((*tips)[0][c].find(unit), std::string::npos) << (*grid)[0][c];
            // Every row label is spelled out, so a new row cannot come without one.
            for (std::size_t r = 1; r < grid->size(); ++r)
                EXPECT_NE((*tips)[r][0], "") << (*grid)[r][0];
        }
    }
    for (const char* label : {"MOW", "X TOL", "W TOL", "Major Trunc", "Standard L.O.E."})
        EXPECT_NE(LabelTip(label), "") << label;
    EXPECT_NE(LabelTip("Helix").find("deg.min.sec"), std::string::npos);
}

class EngagementHint : public testing::TestWithParam<DataRow> {};

TEST_P(EngagementHint, StandardEngagementOfTheThreadTypedSoFar) {
    const DataRow& c = GetParam();
    ShippedTables tables;
    ParameterEntry e;
    e.typeIndex = c.Int("type");
    const auto classes = ClassEntries(e.typeIndex);
    e.classText = e.typeIndex == 0 ? "2" : classes.empty() ? "" : classes[0].classText;
    e.diameterText = c.Text("dia");
    e.pitchText = c.Text("pitch");
    e.customLOE = c.Flag("custom");
    e.loeText = "0"; // refused as a custom engagement; the hint does not care
    EXPECT_EQ(StandardEngagementText(e, c.Text("unit") == "mm"), c.Text("shown"));
}

DATA_ROWS(EngagementHint, "engagement_hints");

TEST(EngagementHintTables, NoneWithoutTables) {
    TempDir empty;
    const ShippedTables none(empty.path().string());
    ParameterEntry e;
    e.classText = "2";
    e.diameterText = "1/4";
    e.pitchText = "20";
    EXPECT_EQ(StandardEngagementText(e, false), "") << "tables missing";
}

} // namespace
