// ISO 1502 gauges of M threads. Worked by hand from the ISO 965-2 limits the
// shipped tables hold and the band of GOST 24997 Table 5 (data/iso1502.csv):
//   GO plug PD D2min + Z_PL -/+ T_PL/2, wear D2min + Z_PL - W_GO_PL, major
//   D + EI + Z_PL -/+ T_PL, minor at most D1 + EI - H/6;
//   NOT GO plug PD D2max .. D2max + T_PL, wear D2max + T_PL/2 - W_NG_PL, major
//   D2max + T_PL/2 + 0.2P -/+ T_PL;
//   GO ring PD d2max - Z_R -/+ T_R/2, wear d2max - Z_R + W_GO_R, minor
//   D - 1.082532P - es -/+ T_R/2, major at least d + es + T_PL + H/12;
//   NOT GO ring PD d2min - T_R .. d2min, wear d2min - T_R/2 + W_NG_R, minor
//   d2min - T_R/2 - 0.2P -/+ T_R, major at least d + es + T_PL/2 + H/12;
//   wear check plugs the rings' wear limits -/+ T_CP/2; H = 0.866025P.
// Then the table's edges, a missing or damaged table, and the verdict on a
// measured plug.
#include "core/table_file.h"
#include "core/thread_record.h"
#include "gauges/iso1502.h"
#include "pages/iso1502_page.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<TTInfo> CalcM(double d, float p, const char* in, const char* ext) {
    auto rec = std::make_unique<TTInfo>();
    rec->SetThreadType("M");
    rec->SetNomDia(d);
    rec->SetTPI(p);
    rec->IntThd.SetTolInfo(in);
    rec->ExtThd.SetTolInfo(ext);
    rec->Calculate();
    return rec;
}

using Rows = std::vector<std::vector<std::string>>;

struct Worked {
    const char* name;
    double d;
    float p;
    const char *in, *ext;
    const char* plugLine; // a part of the line that names the plugs' band
    const char* ringLine;
    Rows rows; // label, GO plug, NOT GO plug, GO ring, NOT GO ring, as the page shows them
};

#define UM " \xC2\xB5m"
const char* const kNA = "  N/A";
const char* const kAny = "?"; // a cell not checked

// clang-format off
const Worked kWorked[] = {
    // Every limit of M10x1.5-6H/6g, both sides in the band 125-200. D2
    // 9.026/9.206, D 10, D1 8.376; d2 8.994/8.862, d 9.968, es 0.032; H/6 0.2165063, H/12
    // 0.1082531. Plugs: T_PL 11, Z_PL 12, W 17.5 / 11.5. Rings: T_R 18, Z_R 8, W 21 / 15,
    // T_PL 11, T_CP 9.
    {"M10x1_5_coarse_6H_6g_band125to200", 10, 1.5f, "6H6H", "6g6g",
     "TD2 180" UM ", band over 125 up to 200", "Td2 132" UM ", band over 125 up to 200",
     {{"PD Max", "9.0435", "9.2170", "8.9950", "8.8620"},
      {"PD Min", "9.0325", "9.2060", "8.9770", "8.8440"},
      {"PD Wear Limit", "9.0205", "9.2000", "9.0070", "8.8680"},
      {"Major Max", "10.0230", "9.5225", "", ""},
      {"Major Min", "10.0010", "9.5005", "10.0873", "10.0818"},
      {"Minor Max", "8.1595", "8.1595", "8.3532", "8.5710"},
      {"Minor Min", "", "", "8.3352", "8.5350"},
      {"Wear Check PD Max", "", "", "9.0115", "8.8725"},
      {"Wear Check PD Min", "", "", "9.0025", "8.8635"}}},
    // Fine, smallest pitch, band 24-50 on both sides: D2 0.838/0.883 (TD2 45), d2
    // 0.838/0.804 (Td2 34). T_PL 6, Z_PL 0, W 8 / 6; T_R 8, Z_R -4 (above d2 max), W 10 / 7.
    {"M1x0_25_fine_4H5H_4h6h_band24to50", 1, 0.25f, "4H5H", "4h6h",
     "TD2 45" UM ", band over 24 up to 50", "Td2 34" UM ", band over 24 up to 50" UM
     ": T_R 8, T_PL 6, T_CP 6, Z_R -4, ",
     {{"PD Max", "0.8410", "0.8890", "0.8460", "0.8040"},
      {"PD Min", "0.8350", "0.8830", "0.8380", "0.7960"},
      {"PD Wear Limit", "0.8300", "0.8800", "0.8520", "0.8070"}}},
    // The sides in different bands: D2 2.675/2.775 (TD2 100, band 80-125: T_PL 9, Z_PL 6,
    // W 12.5 / 9.5); d2 2.655/2.580 (Td2 75, band 50-80: T_R 10, Z_R -2, W 12 / 9).
    {"M3x0_5_plugs80to125_rings50to80", 3, 0.5f, "6H6H", "6g6g",
     "TD2 100" UM ", band over 80 up to 125", "Td2 75" UM ", band over 50 up to 80",
     {{"PD Max", "2.6855", "2.7840", "2.6620", "2.5800"},
      {"PD Wear Limit", "2.6685", "2.7700", "2.6690", "2.5840"}}},
    // TD2 exactly 200, a band's upper bound, takes that band: D2 10.863/11.063; d2
    // 10.829/10.679 (Td2 150).
    {"M12x1_75_TD2_200_is_in_band125to200", 12, 1.75f, "6H6H", "6g6g",
     "TD2 200" UM ", band over 125 up to 200", "Td2 150" UM ", band over 125 up to 200",
     {{"PD Max", "10.8805", "11.0740", "10.8300", "10.6790"},
      {"PD Wear Limit", "10.8575", "11.0570", "10.8420", "10.6850"}}},
    // D2 22.051/22.316 (TD2 265, band 200-315: T_PL 14, Z_PL 16, W 21 / 15); d2
    // 22.003/21.803, Td2 exactly 200: band 125-200.
    {"M24x3_plugs200to315_Td2_200_rings125to200", 24, 3.0f, "6H6H", "6g6g",
     "TD2 265" UM ", band over 200 up to 315", "Td2 200" UM ", band over 125 up to 200",
     {{"PD Min", "22.0600", "22.3160", "21.9860", "21.7850"},
      {"PD Wear Limit", "22.0460", "22.3080", "22.0160", "21.8090"}}},
    // Large pitch: D2 60.103/60.478 (TD2 375, band 315-500: T_PL 18, Z_PL 24, W 27 / 19);
    // d2 60.023/59.743 (Td2 280, band 200-315: T_R 23, Z_R 12, W 25.5 / 19.5).
    {"M64x6_plugs315to500_rings200to315", 64, 6.0f, "6H6H", "6g6g",
     "TD2 375" UM ", band over 315 up to 500", "Td2 280" UM ", band over 200 up to 315",
     {{"PD Max", "60.1360", "60.4960", "60.0225", "59.7430"},
      {"PD Wear Limit", "60.1000", "60.4680", "60.0365", "59.7510"}}},
    // A calculated size, 8H having no limits row: D2 min 100 - 0.649519 x 6 = 96.102886,
    // TD2(8) 630 (ISO 965-1 Table 4): band 500-710, T_PL 22, Z_PL 32, W 33 / 23; d2
    // 96.023/95.723 (band 200-315).
    {"M100x6_8H_band500to710", 100, 6.0f, "8H8H", "6g6g",
     "TD2 630" UM ", band over 500 up to 710", "Td2 300" UM ", band over 200 up to 315",
     {{"PD Max", "96.1459", "96.7549", "96.0225", "95.7230"},
      {"PD Wear Limit", "96.1019", "96.7209", "96.0365", "95.7310"}}},
    // Beyond ISO 965-1's tables the TD2 formula gives some 745 um: band 710-900, T_PL 28,
    // Z_PL 42, W_GO 40; D2 min 200 - 0.649519 x 8 = 194.803848.
    {"M200x8_8H_band710to900", 200, 8.0f, "8H8H", "6g6g", "band over 710 up to 900", "Rings: Td2",
     {{"PD Min", "194.8318", kAny, kAny, kAny},
      {"PD Wear Limit", "194.8058", kAny, kAny, kAny}}},
    // Td2(3) of M1x0.2 is 24 um, the first band's lower bound, which no band holds: the
    // rings say why they have no gauges; the plugs (TD2 40, D2 min 1 - 0.649519 x 0.2 =
    // 0.8700962, no limits row) have theirs.
    {"M1x0_2_Td2_24_is_below_the_table", 1, 0.2f, "4H5H", "3h4h", "band over 24 up to 50",
     "Rings: no ISO 1502 row for Td2 24" UM " (the table covers over 24 up to 900" UM ")",
     {{"PD Min", "0.8671", "0.9101", kNA, kNA}, {"Wear Check PD Min", "", "", kNA, kNA}}},
};
// clang-format on

class Iso1502Worked : public testing::TestWithParam<Worked> {};

TEST_P(Iso1502Worked, LimitsAsWorkedByHand) {
    const Worked& c = GetParam();
    ShippedTables tables;
    const Iso1502PageText page = BuildIso1502Page(*CalcM(c.d, c.p, c.in, c.ext));
    ASSERT_EQ(page.note, "");
    EXPECT_NE(page.lines.at(0).find(c.plugLine), std::string::npos) << page.lines[0];
    EXPECT_NE(page.lines.at(1).find(c.ringLine), std::string::npos) << page.lines[1];
    for (const auto& want : c.rows) {
        const auto got = std::ranges::find(page.grid, want[0], [](const auto& r) { return r[0]; });
        ASSERT_NE(got, page.grid.end()) << want[0];
        for (std::size_t col = 1; col < want.size(); ++col) {
            if (want[col] == kAny) continue;
            EXPECT_EQ((*got)[col], want[col]) << want[0] << ", " << page.grid[0][col];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Iso1502, Iso1502Worked, testing::ValuesIn(kWorked),
                         [](const auto& info) { return std::string(info.param.name); });

// The table folder as the program might find it: without iso1502.bin, or with a file
// that is no table of whole rows, or rows the reader refuses; the page then holds one
// line. Rows are written as bytes, as a damaged file would hold them.
struct TableCase {
    const char* name;
    bool present;
    std::vector<std::vector<int32_t>> rows; // the twelve fields, micrometres x10
    std::size_t cut;                        // bytes dropped from the end
    const char* note;                       // the start of the page's line
    const char* detail;                     // a part of it
};

std::string Bytes(const std::vector<std::vector<int32_t>>& rows, std::size_t cut) {
    std::string b;
    for (const auto& row : rows)
        for (int32_t v : row)
            for (int k = 0; k < 4; ++k)
                b += static_cast<char>((static_cast<uint32_t>(v) >> (8 * k)) & 0xFF);
    return b.substr(0, b.size() - cut);
}

const std::vector<int32_t> kBand125 = {1250, 2000, 180, 110, 90, 180, 80, 120, 210, 175, 150, 115};

#define SEE_TABLES " \xE2\x80\x94 see Help \xE2\x80\xBA Tables ("
const char* const kDamaged = "the ISO 1502 gauge table is damaged" SEE_TABLES;

// clang-format off
const TableCase kTableCases[] = {
    {"missing", false, {}, 0, "no ISO 1502 gauge table" SEE_TABLES "File not found: ",
     "iso1502.bin"},
    {"cutInsideARow", true, {kBand125}, 1, kDamaged, "Table file is damaged: "},
    {"bandsLeaveAGap", true, {{240, 500, 80, 60, 60, 100, -40, 0, 100, 80, 70, 60}, kBand125}, 0,
     kDamaged, "row 2: its band does not follow the one before it"},
    {"wearInsideTheNewPlug", true, {{1250, 2000, 180, 110, 90, 180, 80, 120, 210, 50, 150, 115}},
     0, kDamaged, "row 1: a plug's wear allowance (w_go_pl, w_ng_pl) must be above half t_pl"},
    {"toleranceZero", true, {{1250, 2000, 0, 110, 90, 180, 80, 120, 210, 175, 150, 115}}, 0,
     kDamaged, "row 1: the gauge tolerances t_r, t_pl, t_cp and m must be above 0"},
    // A sound one-band table: M10x1.5 (formula limits, TD2 176 um) finds it.
    {"soundBand", true, {kBand125}, 0, "", ""},
};
// clang-format on

class Iso1502Table : public testing::TestWithParam<TableCase> {};

TEST_P(Iso1502Table, MissingOrDamagedTableIsOneLine) {
    const TableCase& c = GetParam();
    TestTables tables(
        {"exm", "inm", "mextall", "mintall", "mextol", "mintol", "metdev", "xmettol", "wmettol"});
    if (c.present) WriteTextFile(TablePath(kIso1502Table), Bytes(c.rows, c.cut));
    const auto rec = CalcM(10, 1.5f, "6H6H", "6g6g");
    const Iso1502PageText page = BuildIso1502Page(*rec);
    EXPECT_EQ(page.note.substr(0, std::string(c.note).size()), c.note) << page.note;
    EXPECT_NE(page.note.find(c.detail), std::string::npos) << page.note;
    EXPECT_EQ(page.grid.empty(), *c.note != 0);
}

INSTANTIATE_TEST_SUITE_P(Iso1502, Iso1502Table, testing::ValuesIn(kTableCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A measured screw plug against its limits at 0.0001 mm, each edge and each side of it:
// the M10x1.5 6H GO plug, PD 9.0325 to 9.0435, wear limit 9.0205; the NOT GO plug
// 9.2060 to 9.2170, wear limit 9.2000.
TEST(Iso1502, MeasuredPlugVerdicts) {
    ShippedTables tables;
    const Iso1502Gauges g = CalcIso1502Gauges(*CalcM(10, 1.5f, "6H6H", "6g6g"));
    const struct {
        const char* name;
        bool go;
        double pd;
        const char* word;
    } cases[] = {
        {"aboveMax", true, 9.0436, "oversize"},
        {"atMax", true, 9.0435, "new"},
        {"atMin", true, 9.0325, "new"},
        {"justBelowMin", true, 9.0324, "worn but usable"},
        {"atWearLimit", true, 9.0205, "worn but usable"},
        {"pastWearLimit", true, 9.0204, "beyond wear limit"},
        {"noGoNew", false, 9.2100, "new"},
        {"noGoWorn", false, 9.2030, "worn but usable"},
        {"noGoPastWearLimit", false, 9.1999, "beyond wear limit"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Iso1502WearWord(JudgeIso1502Plug(c.go ? g.plugs.go : g.plugs.noGo, c.pd)), c.word)
            << c.name;
}

} // namespace
