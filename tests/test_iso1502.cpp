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
//   wear check plugs the rings' wear limits -/+ T_CP/2; H = 0.866025P
// (tests/data/iso1502_worked.csv).
// Then the table's edges, a missing or damaged table, and the verdict on a
// measured plug.
#include "core/table_file.h"
#include "core/thread_record.h"
#include "gauges/iso1502.h"
#include "pages/iso1502_page.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

class Iso1502Worked : public testing::TestWithParam<DataRow> {};

TEST_P(Iso1502Worked, LimitsAsWorkedByHand) {
    const DataRow& c = GetParam();
    ShippedTables tables;
    const Iso1502PageText page = BuildIso1502Page(*Calculated(
        "M", (c.Text("ext") + "/" + c.Text("int")).c_str(), c.Num("dia"), c.Float("pitch")));
    ASSERT_EQ(page.note, "");
    EXPECT_NE(page.lines.at(0).find(c.Text("plug_line")), std::string::npos) << page.lines[0];
    EXPECT_NE(page.lines.at(1).find(c.Text("ring_line")), std::string::npos) << page.lines[1];
    const std::string label = c.Text("label");
    const auto got = std::ranges::find(page.grid, label, [](const auto& r) { return r[0]; });
    ASSERT_NE(got, page.grid.end()) << label;
    const char* const columns[] = {"go_plug", "nogo_plug", "go_ring", "nogo_ring"};
    for (std::size_t col = 1; col <= 4; ++col) {
        if (c.Text(columns[col - 1]) == "?") continue;
        EXPECT_EQ((*got)[col], c.Text(columns[col - 1])) << page.grid[0][col];
    }
}

DATA_ROWS(Iso1502Worked, "iso1502_worked");

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
    const auto rec = Calculated("M", "6g6g/6H6H", 10, 1.5f);
    const Iso1502PageText page = BuildIso1502Page(*rec);
    EXPECT_EQ(page.note.substr(0, std::string(c.note).size()), c.note) << page.note;
    EXPECT_NE(page.note.find(c.detail), std::string::npos) << page.note;
    EXPECT_EQ(page.grid.empty(), *c.note != 0);
}

INSTANTIATE_TEST_SUITE_P(Iso1502, Iso1502Table, testing::ValuesIn(kTableCases),
                         [](const auto& info) { return std::string(info.param.name); });

// tests/data/iso1502_plug_verdicts.csv
class Iso1502PlugVerdicts : public testing::TestWithParam<DataRow> {};

TEST_P(Iso1502PlugVerdicts, OnEachSideOfEachEdge) {
    const DataRow& c = GetParam();
    ShippedTables tables;
    const Iso1502Gauges g = CalcIso1502Gauges(*Calculated("M", "6g6g/6H6H", 10, 1.5f));
    EXPECT_EQ(
        Iso1502WearWord(JudgeIso1502Plug(c.Flag("go") ? g.plugs.go : g.plugs.noGo, c.Num("pd"))),
        c.Text("word"));
}

DATA_ROWS(Iso1502PlugVerdicts, "iso1502_plug_verdicts");

} // namespace
