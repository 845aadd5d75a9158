// Gauge tolerance texts: direction signs, class W / X choice and decimals, the
// lead, half-angle and class label texts.
#include "gauges/tolerance_text.h"

#include "core/display_unit.h"
#include "core/thread_record.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Tolerance sets are test inputs chosen so every text shows which set it used.
void Tolerances(TTInfo& rec, const char* type) {
    rec.SetThreadType(type);
    rec.XDiaTol = 0.0003;
    rec.XPDTol = 0.0002;
    rec.XLeadTol = 0.0001;
    rec.XAngleMin = 15;
    rec.WDiaTol = 0.00004;
    rec.WPDTol = 0.00006;
    rec.WLeadTol = 0.00007;
    rec.WAngleDeg = 10;
    rec.WAngleMin = 5;
    rec.ClassW = 1;
}

// PD, lead, half-angle and class label texts of one member.
std::string Texts(const TThdInfo& m) {
    return PDTolText(m) + "|" + LeadTolText(m) + "|" + HalfAngleTolText(m) + "|" + TolClassText(m);
}

TEST(ToleranceText, DirectionsClassesDecimalsAndLabels) {
    ScopedDisplayUnit inch(false);
    TTInfo rec;
    Tolerances(rec, "UN");
    TThdInfo& m = rec.GoSetPlug;
    // Full | truncated major: a two-letter sign gives both directions ("--": the NOT GO
    // setting plug cut at the crest); with one letter or none the truncated major
    // takes the direction opposite to the full one.
    const std::pair<const char*, const char*> cases[] = {{"+-", "+0.00004|-0.00004"},
                                                         {"--", "-0.00004|-0.00004"},
                                                         {"", "+0.00004|-0.00004"},
                                                         {"-", "-0.00004|+0.00004"}};
    for (auto [sign, text] : cases) {
        m.Major.Sign = sign;
        EXPECT_EQ(DiaTolText(m, 1) + "|" + DiaTolText(m, 2), text) << sign;
    }
    m.Minor.Sign = "-";
    EXPECT_EQ(DiaTolText(m, 3), "-0.00004");

    // Class W on the setting plugs only, with its five places.
    rec.GoSetPlug.PD.Sign = "-";
    rec.GoRing.PD.Sign = "-";
    EXPECT_EQ(Texts(rec.GoSetPlug), "-0.00006|± 0.00007|± 10 Deg  5 Min|(Class W Tols)");
    EXPECT_EQ(Texts(rec.GoRing), "-0.0002|± 0.0001|± 0 Deg  15 Min|(Class X Tols)");

    // The buttress flanks: one value each under class W; Acme has no class label.
    TTInfo butt;
    Tolerances(butt, "745BUTT");
    EXPECT_EQ(Texts(butt.GoSetPlug),
              "+0.00006|± 0.00007|7 Deg: ± 10 mins.  and 45 Deg: ±5 mins.|(Class W Tols)");
    EXPECT_EQ(HalfAngleTolText(butt.GoRing), "7 and 45 Deg: ± 15 mins.");
    TTInfo acme;
    Tolerances(acme, "ACME");
    EXPECT_EQ(TolClassText(acme.GoSetPlug), "");

    // A set without an angle row shows no value rather than a zero tolerance.
    rec.XAngleMin = 0;
    rec.ClassW = 0;
    EXPECT_EQ(Texts(rec.GoSetPlug), "-0.0002|± 0.0001|  N/A|(Class X Tols)");

    // Millimetre display keeps the inch precision: 0.0002 in = 0.00508 mm, lead
    // 0.0001 in = 0.00254 mm, class W 0.00006 in = 0.001524 mm.
    ScopedDisplayUnit mm(true);
    EXPECT_EQ(Texts(rec.GoSetPlug), "-0.00508|± 0.00254|  N/A|(Class X Tols)");
    rec.ClassW = 1;
    EXPECT_EQ(PDTolText(rec.GoSetPlug), "-0.001524");
    // No lead tolerance of class X: no lead text, whichever class applies.
    rec.XLeadTol = 0;
    rec.XPDTol = 0;
    EXPECT_EQ(LeadTolText(rec.GoSetPlug) + "|" + PDTolText(rec.GoRing), "|-  N/A");
}

} // namespace
