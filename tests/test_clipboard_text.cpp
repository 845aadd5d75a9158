// The clipboard texts: cal cert layouts of ring and plug gauges, the thread
// dimension lists, CR LF line ends and the display unit. 1/4-20 UNC class 2
// values are those of ASME B1.1 Table 2 or worked by hand from its formulas.
#include "core/display_unit.h"
#include "core/thread_record.h"
#include "pages/clipboard_text.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// 1/4-20 UNC-2A / 2B as the window calculates it, with gauge tolerances given
// here as inputs (the shipped gauge tolerance tables are empty), so the
// tolerance column has something to show.
class QuarterTwentyText : public testing::Test {
protected:
    void SetUp() override {
        rec.SetNomDia(0.25);
        rec.NomDiaText = "1/4";
        rec.SetThreadType("UN");
        rec.SetTPI(20);
        rec.SetClass("2");
        rec.SetCoating(0);
        rec.Calculate();
        rec.ClassW = 1;
        rec.XPDTol = 0.0003;
        rec.XDiaTol = 0.0004;
        rec.WPDTol = 0.00012;
        rec.WDiaTol = 0.00015;
    }
    ShippedTables tables;
    TTInfo rec;
};
using CalCert = QuarterTwentyText;
using ThreadDims = QuarterTwentyText;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t eol; (eol = text.find("\r\n", start)) != std::string::npos; start = eol + 2)
        lines.push_back(text.substr(start, eol - start));
    EXPECT_EQ(start, text.size()) << "text must end with CR LF";
    return lines;
}

TEST_F(CalCert, RingLayoutStartsEmptyAndRepeatsThePitchDiameter) {
    // NOT GO ring = external PD min 0.2127; its minor gauge is the larger of
    // PD min - 0.216506 P = 0.20187 and the GO minor (PD max - 0.4331 P = 0.194745)
    // less tolerance and 0.03248 P: 0.2019. Ring tolerances are class X.
    const std::string text = CalCertText(rec, GaugePage::Ring, false, false);
    const std::vector<std::string> expected = {"",
                                               "Required\tTolerance",
                                               "0.2127\t+0.0003",
                                               "0.2127\t+0.0003",
                                               "0.2127\t+0.0003",
                                               "0.2019\t+0.0004"};
    EXPECT_EQ(Lines(text), expected);

    // GO ring = external PD max 0.2164, minor 0.194745; both toleranced minus.
    const std::vector<std::string> go = Lines(CalCertText(rec, GaugePage::Ring, true, false));
    ASSERT_EQ(go.size(), 6u);
    EXPECT_EQ(go[2], "0.2164\t-0.0003");
    EXPECT_EQ(go[4], go[2]);
    EXPECT_EQ(go[5], "0.1947\t-0.0004");
}

TEST_F(CalCert, PlugLayouts) {
    // GO setting plug: PD 0.2164, best wire 0.57735 P = 0.0288675, reading
    // 0.2164 - 0.866025 P + 3 W = 0.25970 (helix comp 0.00012 is under the
    // 0.00015 threshold); truncated major 0.2489 - (0.06 P^2/3 + 0.017 P) = 0.2399;
    // class W tolerances with five decimals.
    const std::vector<std::string> setPlug = {"0.2164",
                                              "Required\tTolerance",
                                              "0.25970\t-0.00012",
                                              "0.25970\t-0.00012",
                                              "0.25970\t-0.00012",
                                              "",
                                              "0.2399",
                                              "0.2489",
                                              "0.02887"};
    EXPECT_EQ(Lines(CalCertText(rec, GaugePage::SetPlug, true, false)), setPlug);

    // NOT GO setting plug: PD 0.2127, truncated major PD min + 0.43301 P = 0.2344.
    const std::vector<std::string> nogo = Lines(CalCertText(rec, GaugePage::SetPlug, false, false));
    ASSERT_EQ(nogo.size(), 9u);
    EXPECT_EQ(nogo[0], "0.2127");
    EXPECT_EQ(nogo[2], "0.25600\t+0.00012");
    EXPECT_EQ(nogo[6], "0.2344");

    // A setting plug without a truncated major shows "  N/A" on that line.
    rec.GoSetPlug.Major.GageTrunc = 0;
    EXPECT_EQ(Lines(CalCertText(rec, GaugePage::SetPlug, true, false))[6], "  N/A");

    // GO plug: internal PD min 0.2175, reading 0.26080, major = D; plugs take class X.
    const std::vector<std::string> plug = {"0.2175",
                                           "Required\tTolerance",
                                           "0.26080\t+0.0003",
                                           "0.26080\t+0.0003",
                                           "0.26080\t+0.0003",
                                           "",
                                           "  N/A",
                                           "0.2500",
                                           "0.02887"};
    EXPECT_EQ(Lines(CalCertText(rec, GaugePage::Plug, true, false)), plug);
}

TEST_F(CalCert, MillimetreDisplayDropsOneDecimal) {
    // 0.2127 in = 5.40258 mm; 0.0003 in = 0.00762 mm.
    const std::vector<std::string> mm = Lines(CalCertText(rec, GaugePage::Ring, false, true));
    ASSERT_EQ(mm.size(), 6u);
    EXPECT_EQ(mm[2], "5.403\t+0.00762");
    // The display unit of the rest of the program is left alone.
    EXPECT_FALSE(MetricDisplay());
}

TEST_F(ThreadDims, InternalThreadHasNoRootRadiusAndNoWire) {
    // ASME B1.1 1/4-20 UNC-2B: PD 0.2175-0.2224, minor 0.196-0.207 (three places
    // for classes 1B and 2B), major min D; height 0.54127 P, root width 0.125 P.
    const std::vector<std::string> expected = {
        "Internal: 1/4-20 UNC-2B", "PD Max:\t0.2224",
        "PD Min:\t0.2175",         "Maj Dia Max:\t  N/A",
        "Maj Dia Min:\t0.2500",    "Min Dia Max:\t0.207",
        "Min Dia Min:\t0.196",     "Root Rad Max:\t  N/A",
        "Root Rad Min:\t  N/A",    "Thd Height (Ref.):\t0.0271",
        "Root Width:\t0.0063",     "Thd Pitch:\t0.0500",
        "Wire Size:\t  N/A",       "Max Wire Size:\t  N/A",
        "Min Wire Size:\t  N/A",   "Helix:\t0.00.00",
        "Helix Comp:\t  N/A",
    };
    EXPECT_EQ(Lines(ThreadDimsText(rec, true, false)), expected);
}

TEST_F(ThreadDims, ExternalThreadInInchAndMillimetres) {
    // ASME B1.1 1/4-20 UNC-2A: major 0.2408-0.2489, PD 0.2127-0.2164; UN minor
    // max D - 1.082532 P - the allowance 0.2175 - 0.2164 = 0.1947734, min PD min
    // - 0.649519 P = 0.1802; readings
    // over the best wire at PD max and min 0.25970 and 0.25600; helix
    // atan(P / (pi x 0.2164)) = 4 deg 12 min; the readings' formula last.
    const std::vector<std::string> in = Lines(ThreadDimsText(rec, false, false));
    ASSERT_EQ(in.size(), 18u);
    const std::vector<std::string> head = {
        "External: 1/4-20 UNC-2A",    "PD Max:\t0.2164",         "PD Min:\t0.2127",
        "Maj Dia Max:\t0.2489",       "Maj Dia Min:\t0.2408",    "Min Dia Max:\t0.1948",
        "Min Dia Min:\t0.1802",       "Root Rad Max:\t  N/A",    "Root Rad Min:\t  N/A",
        "Thd Height (Ref.):\t0.0271", "Root Width:\t0.0125",     "Thd Pitch:\t0.0500",
        "Wire Size:\t0.02887",        "Max Wire Size:\t0.25970", "Min Wire Size:\t0.25600"};
    EXPECT_EQ(std::vector<std::string>(in.begin(), in.begin() + 15), head);
    EXPECT_EQ(in[15].rfind("Helix:\t  4.12.", 0), 0u) << in[15];
    EXPECT_EQ(in[16], "Helix Comp:\t  N/A");
    EXPECT_EQ(in[17], "Wire readings:\tstandard formula");

    // 0.2164 in = 5.49656 mm and 0.0288675 in = 0.73323 mm, one decimal fewer.
    rec.Helix = WireHelix::Exact;
    const std::vector<std::string> mm = Lines(ThreadDimsText(rec, false, true));
    ASSERT_EQ(mm.size(), 18u);
    EXPECT_EQ(mm[17], "Wire readings:\texact geometry");
    EXPECT_EQ(mm[1], "PD Max:\t5.497");
    EXPECT_EQ(mm[12], "Wire Size:\t0.7332");
    EXPECT_EQ(mm[0], "External: 1/4-20 UNC-2A");
}

} // namespace
