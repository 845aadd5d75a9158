// Gauge tolerance texts: direction signs, class W / X choice and decimals, the
// lead, half-angle and class label texts.
#include "gauges/tolerance_text.h"

#include "core/display_unit.h"
#include "core/thread_record.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Tolerance sets are test inputs chosen so every text shows which set it used.
void Tolerances(TTInfo& rec, const char* type)
{
    rec.SetThreadType(type);
    rec.XDiaTol = 0.0003;
    rec.XPDTol = 0.0002;
    rec.XLeadTol = 0.0001;
    rec.XAngleDeg = 0;
    rec.XAngleMin = 15;
    rec.WDiaTol = 0.00004;
    rec.WPDTol = 0.00006;
    rec.WLeadTol = 0.00007;
    rec.WAngleDeg = 10;
    rec.WAngleMin = 5;
    rec.ClassW = 1;
}

TEST(ToleranceText, DiameterDirectionBySignAndMode)
{
    ScopedDisplayUnit inch(false);
    TTInfo rec;
    Tolerances(rec, "UN");
    struct Case {
        const char* name;
        TThdInfo TTInfo::*member;
        const char* sign;
        int mode;
        const char* text;
    } cases[] = {
        {"goSetPlug_full", &TTInfo::GoSetPlug, "+-", 1, "+0.00004"},
        {"goSetPlug_truncated", &TTInfo::GoSetPlug, "+-", 2, "-0.00004"},
        {"clampedNoGoSet_full", &TTInfo::NoGoSetPlug, "--", 1, "-0.00004"},
        {"clampedNoGoSet_truncated", &TTInfo::NoGoSetPlug, "--", 2, "-0.00004"},
        {"empty_full", &TTInfo::GoRing, "", 1, "+0.0003"},
        {"empty_truncated", &TTInfo::GoRing, "", 2, "-0.0003"},
        {"minus_truncated", &TTInfo::NoGoPlug, "-", 2, "+0.0003"},
        {"minor_minus", &TTInfo::GoRing, "-", 3, "-0.0003"},
        {"minor_plus", &TTInfo::NoGoRing, "+", 3, "+0.0003"},
    };
    for (const Case& c : cases) {
        TThdInfo& m = rec.*c.member;
        (c.mode == 3 ? m.Minor : m.Major).Sign = c.sign;
        EXPECT_EQ(DiaTolText(m, c.mode), c.text) << c.name;
    }
}

TEST(ToleranceText, ClassWOnlyOnSettingPlugs)
{
    ScopedDisplayUnit inch(false);
    TTInfo rec;
    Tolerances(rec, "UN");
    rec.GoSetPlug.PD.Sign = "-";
    rec.GoRing.PD.Sign = "-";
    rec.GoPlug.PD.Sign = "+";
    EXPECT_EQ(PDTolText(rec.GoSetPlug), "-0.00006");
    EXPECT_EQ(TolClassText(rec.GoSetPlug), "(Class W Tols)");
    EXPECT_EQ(PDTolText(rec.GoRing), "-0.0002");
    EXPECT_EQ(PDTolText(rec.GoPlug), "+0.0002");
    EXPECT_EQ(PDTolText(rec.NoGoPlug), "+0.0002"); // empty sign
    EXPECT_EQ(TolClassText(rec.GoRing), "(Class X Tols)");
    EXPECT_EQ(LeadTolText(rec.GoSetPlug), "\xC2\xB1 0.00007");
    EXPECT_EQ(LeadTolText(rec.GoPlug), "\xC2\xB1 0.0001");
    EXPECT_EQ(HalfAngleTolText(rec.GoSetPlug), "\xC2\xB1 10 Deg  5 Min");
    EXPECT_EQ(HalfAngleTolText(rec.GoPlug), "\xC2\xB1 0 Deg  15 Min");

    // A set without an angle row shows no value rather than a zero tolerance.
    rec.XAngleDeg = 0;
    rec.XAngleMin = 0;
    EXPECT_EQ(HalfAngleTolText(rec.GoPlug), "  N/A");

    rec.ClassW = 0;
    EXPECT_EQ(PDTolText(rec.GoSetPlug), "-0.0002");
    EXPECT_EQ(TolClassText(rec.GoSetPlug), "(Class X Tols)");

    // Millimetre display keeps the inch precision: 0.0002 in = 0.00508 mm, class W
    // 0.00006 in = 0.001524 mm, lead 0.0001 in = 0.00254 mm.
    ScopedDisplayUnit mm(true);
    EXPECT_EQ(PDTolText(rec.GoSetPlug), "-0.00508");
    EXPECT_EQ(DiaTolText(rec.GoRing, 1), "+0.00762");
    EXPECT_EQ(LeadTolText(rec.GoPlug), "\xC2\xB1 0.00254");
    rec.ClassW = 1;
    EXPECT_EQ(PDTolText(rec.GoSetPlug), "-0.001524");
    // No lead tolerance of class X: no lead text, whichever class applies.
    rec.XLeadTol = 0;
    EXPECT_EQ(LeadTolText(rec.GoSetPlug), "");
    rec.XPDTol = 0;
    EXPECT_EQ(PDTolText(rec.GoRing), "-  N/A");
}

TEST(ToleranceText, ButtressAngleAndLabels)
{
    TTInfo butt;
    Tolerances(butt, "745BUTT");
    EXPECT_EQ(HalfAngleTolText(butt.GoSetPlug), "7 Deg: \xC2\xB1 10 mins.  and 45 Deg: \xC2\xB1"
                                                "5 mins.");
    EXPECT_EQ(HalfAngleTolText(butt.GoRing), "7 and 45 Deg: \xC2\xB1 15 mins.");
    EXPECT_EQ(TolClassText(butt.GoSetPlug), "(Class W Tols)");

    TTInfo acme;
    Tolerances(acme, "ACME");
    EXPECT_EQ(TolClassText(acme.GoSetPlug), "");
    acme.XLeadTol = 0; // the Acme tables hold -1, turned to 0 by the driver
    EXPECT_EQ(LeadTolText(acme.GoPlug), "");
}

} // namespace
