// 7x45 buttress threads through the driver: limits by hand arithmetic on the
// buttress formulas, the six gauge members, wires and contact-point readings,
// and the class X and W gauge tolerance rows compiled from text.
#include "core/thread_record.h"
#include "families/buttress.h"
#include "gauges/tolerance_text.h"
#include "gauges/wires.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

namespace {

// A table folder with both buttress gauge tolerance tables, empty unless rows
// are written; rows go through the table compiler, so the layouts are checked too.
struct ButtressTables : TestTables {
    ButtressTables() : TestTables({"but745x", "but745w"}) {}
};

class ButtressHand : public testing::TestWithParam<DataRow> {};

TEST_P(ButtressHand, LimitsAndGaugeSizes) {
    const DataRow& c = GetParam();
    ButtressTables tables;
    const auto rec = Calculated("745BUTT", c.Text("class").c_str(), c.Num("dia"), c.Float("tpi"));
    EXPECT_NEAR(RecordValue(*rec, c.Text("limit")), c.Num("value"), 5e-7);
}

DATA_ROWS(ButtressHand, "buttress_hand");

TEST(Buttress, GaugeSignsAndWires) {
    ButtressTables tables;
    const auto rec = Calculated("745BUTT", "2", 2, 8);
    // PD, major and minor of the rings, plugs and setting plugs (GO, NOT GO).
    std::string signs;
    for (const TThdInfo* m : {&rec->GoRing, &rec->NoGoRing, &rec->GoPlug, &rec->NoGoPlug,
                              &rec->GoSetPlug, &rec->NoGoSetPlug})
        signs += m->PD.Sign + "/" + m->Major.Sign + "/" + m->Minor.Sign + " ";
    EXPECT_EQ(signs, "-/+/- +/+/+ +/+/- -/-/- -/+-/- +/+-/- ");

    // Wires 0.54147 P, 0.61433 P, 0.50504 P; the plugs are read over the same wire.
    EXPECT_NEAR(rec->ExtThd.BestWire, 0.06768375, 1e-9);
    EXPECT_NEAR(rec->ExtThd.MaxWire, 0.07679125, 1e-9);
    EXPECT_NEAR(rec->ExtThd.MinWire, 0.06313, 1e-9);
    for (const TThdInfo* m : {&rec->ExtThd, &rec->GoPlug, &rec->NoGoPlug})
        EXPECT_NEAR(m->CurWire, 0.06768375, 1e-9);
    EXPECT_EQ(rec->IntThd.BestWire, 0);
    EXPECT_NEAR(rec->ExtThd.RootRadMax, 0.00892625, 1e-9);
    EXPECT_NEAR(rec->ExtThd.RootRadMin, 0.0044625, 1e-9);
    EXPECT_NEAR(rec->IntThd.ThdHeight, 0.075, 1e-12);
    // No helix correction for the buttress form, however many starts.
    EXPECT_EQ(HelixComp(rec->ExtThd), 0);
    EXPECT_FALSE(ReadingsCorrected(rec->ExtThd));
    // The form step selects class W for the setting plugs.
    EXPECT_EQ(rec->ClassW, 1);
}

TEST(Buttress, ContactPointReadings) {
    // t = 0.1, c = 0.05 / sin 26 deg * cos 19 deg; D 2, n 8 class 2.
    // External: sqrt(0.0625^2 + (1.9192425 + 2 (c - 0.0556652))^2) - 0.1 = 1.924566;
    // internal: sqrt(0.0625^2 + (1.925 - 2 (c - 0.0556652))^2) + 0.1 = 1.921714.
    ButtressTables tables;
    const auto rec = Calculated("745BUTT", "2", 2, 8);
    TThdInfo ext, in;
    ext.CopyLimits(rec->ExtThd);
    in.CopyLimits(rec->IntThd);
    ext.TypeCode = in.TypeCode = kTypeButt;
    ext.TPI = in.TPI = 8;
    ext.IsExternal = 1;
    in.IsInternal = 1;
    ext.PointDia = in.PointDia = 0.1;
    CalcButtressGaugeForm(ext);
    CalcButtressGaugeForm(in);
    EXPECT_NEAR(ext.SetToFlat, 1.924566, 5e-7);
    EXPECT_NEAR(in.SetToFlat, 1.921714, 5e-7);
    EXPECT_EQ(ext.SetToV, 0);
    // Without a contact point there is nothing to read.
    ext.PointDia = 0;
    CalcButtressGaugeForm(ext);
    EXPECT_EQ(ext.SetToFlat, 0);
}

TEST(Buttress, GaugeToleranceRows) {
    // Test rows, finest first: a thread takes the coarsest row not coarser than itself.
    ButtressTables tables;
    tables.Write("but745x",
                 "20,0.0001,20,0.0002,0.0003,0.0004,0.0005,0.0006,0.0007,0.0008,0.0009\n"
                 "8,0.0002,15,0.0010,0.0020,0.0011,0.0012,0.0013,0.0014,0.0015,0.0016\n"
                 "4,0.0003,10,0.0030,0.0040,0.0031,0.0032,0.0033,0.0034,0.0035,0.0036\n");
    tables.Write("but745w",
                 "8,0.00007,10,5,0.0005,0.0006,0.00011,0.00012,0.00013,0.00014,0.0015,0.0016\n");
    struct Row {
        const char* name;
        double d;
        float n;
        double xLead, xDia, xPD;
        int xMin;
        double wDia, wPD;
    } rows[] = {
        {"2-8 own row", 2, 8, 0.0002, 0.0010, 0.0012, 15, 0.0005, 0.00012},
        {"2-10 takes the 20 row", 2, 10, 0.0001, 0.0002, 0.0005, 20, 0, 0},
        {"6-6 between rows takes 8", 6, 6, 0.0002, 0.0020, 0.0013, 15, 0.0006, 0.00013},
        {"20-4", 20, 4, 0.0003, 0.0040, 0.0036, 10, 0.0006, 0.0016},
        {"30-4 no second tolerance", 30, 4, 0.0003, 0.0040, 0, 10, 0.0006, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const auto rec = Calculated("745BUTT", "2", r.d, r.n);
        EXPECT_NEAR(rec->XLeadTol, r.xLead, 1e-12);
        EXPECT_NEAR(rec->XDiaTol, r.xDia, 1e-12);
        EXPECT_NEAR(rec->XPDTol, r.xPD, 1e-12);
        EXPECT_EQ(rec->XAngleDeg, 0);
        EXPECT_EQ(rec->XAngleMin, r.xMin);
        EXPECT_NEAR(rec->WDiaTol, r.wDia, 1e-12);
        EXPECT_NEAR(rec->WPDTol, r.wPD, 1e-12);
    }
    const auto rec = Calculated("745BUTT", "2", 2, 8);
    EXPECT_NEAR(rec->WLeadTol, 0.00007, 1e-12);
    EXPECT_EQ(HalfAngleTolText(rec->GoSetPlug), "7 Deg: \xC2\xB1 10 mins.  and 45 Deg: \xC2\xB1"
                                                "5 mins.");
    EXPECT_EQ(HalfAngleTolText(rec->GoRing), "7 and 45 Deg: \xC2\xB1 15 mins.");
}

} // namespace
