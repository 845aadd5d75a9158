// 7x45 buttress threads through the driver: limits by hand arithmetic on the
// buttress formulas, the six gauge members, wires and contact-point readings,
// and the class X and W gauge tolerance rows compiled from text.
#include "core/thread_record.h"
#include "families/buttress.h"
#include "gauges/tolerance_text.h"
#include "gauges/wires.h"
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

// D 2, n 8: T = 0.002 * 2^(1/3) + 0.0173 * sqrt(0.125) = 0.0086363, G = 2/3 T = 0.0057575.
// Class 3: T = 0.0057575, G unchanged. D 30, n 4: T = 0.0148645, G = 0.0099096.
// Limits in the order PD, major, minor, each max then min; -1: not checked.
TEST(Buttress, LimitsMatchHandArithmetic) {
    const struct {
        const char* name;
        double d;
        float n;
        const char* cls;
        double ext[6], in[6];
    } cases[] = {
        {"c2",
         2,
         8,
         "2",
         {1.9192425, 1.910606, 1.9942425, 1.985606, 1.828565, 0},
         {1.933636, 1.925, 2.034640, 2.015675, 1.858636, 1.85}},
        {"c3", 2, 8, "3", {1.9192425, 1.913485, -1, -1, -1, -1}, {1.930758, -1, -1, -1, -1, -1}},
        {"d30", 30, 4, "2", {29.840090, -1, -1, -1, -1, -1}, {-1, -1, -1, -1, -1, -1}},
    };
    ButtressTables tables;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rec = Calculated("745BUTT", c.cls, c.d, c.n);
        for (const auto& [m, want] :
             {std::pair(&rec->ExtThd, c.ext), std::pair(&rec->IntThd, c.in)}) {
            const double got[] = {m->PD.Max,    m->PD.Min,    m->Major.Max,
                                  m->Major.Min, m->Minor.Max, m->Minor.Min};
            for (int i = 0; i < 6; ++i)
                if (want[i] >= 0) {
                    EXPECT_NEAR(got[i], want[i], 5e-7) << i;
                }
        }
    }
}

TEST(Buttress, GaugeMembersWiresAndSigns) {
    ButtressTables tables;
    const auto rec = Calculated("745BUTT", "2", 2, 8);
    // Each member: PD, major, minor gauge sizes and the three signs.
    struct Row {
        const char* name;
        const TThdInfo& m;
        double pd, major, minor;
        const char *sPD, *sMaj, *sMin;
    } rows[] = {
        {"GO ring", rec->GoRing, 1.9192425, 2.0042425, 1.85, "-", "+", "-"},
        {"NOT GO ring", rec->NoGoRing, 1.910606, 2.0042425, 1.866856, "+", "+", "+"},
        {"GO plug", rec->GoPlug, 1.925, 1.9942425, 1.84, "+", "+", "-"},
        {"NOT GO plug", rec->NoGoPlug, 1.933636, 1.977386, 1.84, "-", "-", "-"},
        {"GO setting plug", rec->GoSetPlug, 1.9192425, 1.9942425, 1.84, "-", "+-", "-"},
        {"NOT GO setting plug", rec->NoGoSetPlug, 1.910606, 1.9942425, 1.856856, "+", "+-", "-"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_NEAR(r.m.PD.Gage, r.pd, 5e-7);
        EXPECT_NEAR(r.m.Major.Gage, r.major, 5e-7);
        EXPECT_NEAR(r.m.Minor.Gage, r.minor, 5e-7);
        EXPECT_EQ(r.m.PD.Sign + r.m.Major.Sign + r.m.Minor.Sign,
                  std::string(r.sPD) + r.sMaj + r.sMin);
    }
    // Truncated major of both setting plugs: major max - 0.2 P.
    EXPECT_NEAR(rec->GoSetPlug.Major.GageTrunc, 1.9692425, 5e-7);
    EXPECT_NEAR(rec->NoGoSetPlug.Major.GageTrunc, 1.9692425, 5e-7);

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
