// plcalc with pipe threads: the published NPT basic dimensions as a user reads
// them, the size spellings it takes and the JSON pipe record.
#include "support/cli_run.h"
#include "support/test_data.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <sstream>

namespace {

// The value cells of the line starting with `label`.
std::vector<double> Cells(const std::string& text, const std::string& label) {
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(label, 0) != 0) continue;
        std::istringstream cells(line.substr(label.size()));
        std::vector<double> v;
        for (double c; cells >> c;)
            v.push_back(c);
        return v;
    }
    return {};
}

// ASME B1.20.1 basic dimensions of every size as printed (tools/pipe_data/
// npt_published.csv names the sources), read off the text a user sees, to
// half a unit of the printed value's last place.
TEST(PlcalcPipe, PublishedNPTBasicDimensions) {
    const std::pair<const char*, const char*> columns[] = {
        {"od", "O.D. of Pipe"},
        {"l1", "Handtight Engagement Length (L1)"},
        {"l2", "Effective Thd. Ext. Length (L2)"},
        {"e0", "PD at Beginning of Ext. Thd."},
        {"e1", "Handtight Engagement Dia. (E1)"},
        {"e2", "Effective Thd. Ext. Dia. (E2)"},
        {"l4", "Overall Length Ext."}};
    int sizes = 0, checked = 0;
    for (const DataRow& row : DataFile("tools/pipe_data/npt_published.csv")) {
        SCOPED_TRACE(row.name + " (" + row.Text("source") + ")");
        const CliRun r = Plcalc({"--type", "NPT", "--size", row.name});
        ASSERT_EQ(r.code, 0) << r.err;
        ++sizes;
        for (const auto& [column, label] : columns) {
            const std::string printed = row.Text(column);
            if (printed.empty()) continue;
            const std::vector<double> v = Cells(r.out, label);
            ASSERT_FALSE(v.empty()) << label;
            const auto dot = printed.find('.');
            const int places = dot == std::string::npos ? 0 : int(printed.size() - dot - 1);
            EXPECT_NEAR(v[0], row.Num(column), 0.5 * std::pow(10.0, -places)) << label;
            ++checked;
        }
    }
    EXPECT_EQ(sizes, 24);
    EXPECT_GE(checked, 24 * 6);
    // The designation carries one decimal at 11.5 threads per inch only.
    EXPECT_EQ(
        Plcalc({"--type", "NPT", "--size", "1"}).out.rfind("1 - 11.5 NPT\n\nThread Dim.\n", 0), 0u);
    EXPECT_EQ(
        Plcalc({"--type", "NPT", "--size", "1/2"}).out.rfind("1/2 - 14 NPT\n\nThread Dim.\n", 0),
        0u);
}

// The spellings of a size it takes; its refusals are in test_cli's table.
TEST(PlcalcPipe, SizeSpellings) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string out, err; // starts of standard output and error
    } cases[] = {
        {"hyphenated", {"--type", "NPT", "--size", "1-1/4"}, "1 1/4 - 11.5 NPT\n", ""},
        {"blanks", {"--type", "npt", "--size", " 1   1/4 "}, "1 1/4 - 11.5 NPT\n", ""},
        {"odSize", {"--type", "NPT", "--size", "14od"}, "14 OD - 8 NPT\n", ""},
        // No NPSL row for size 4: no threads per inch to name.
        {"noTableRow", {"--type", "NPT", "--class", "NPSL", "--size", "4"}, "4 NPSL\n", ""},
        {"millimetres",
         {"--type", "NPT", "--size", "1/2", "--mm"},
         "1/2 - 14 NPT\n",
         "Pipe threads are shown in inches.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = Plcalc(c.args);
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.out.substr(0, c.out.size()), c.out);
        EXPECT_EQ(r.err.substr(0, c.err.size()), c.err);
    }
}

TEST(PlcalcPipe, JsonPipeRecord) {
    // 1/2 NPT (ASME B1.20.1), and the gauge maker's ring minor at the notch.
    const CliRun r = Plcalc({"--type", "NPT", "--size", "1/2", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    const nlohmann::json doc = nlohmann::json::parse(r.out);
    EXPECT_EQ(doc["caption"], "1/2 - 14 NPT");
    const nlohmann::json& p = doc["pipe"];
    EXPECT_EQ(p["SizeText"], "1/2");
    EXPECT_EQ(p["PipeKind"], 20);
    const std::pair<const char*, double> values[] = {
        {"PipeOD", 0.84}, {"L1", 0.32},     {"L1Thds", 4.48}, {"E0", 0.75843}, {"E1", 0.77843},
        {"L2", 0.5337},   {"L2Thds", 7.47}, {"E2", 0.79179},  {"L4", 0.7815}};
    for (const auto& [k, v] : values)
        EXPECT_NEAR(p[k].get<double>(), v, 1e-9) << k;
    EXPECT_NEAR(doc["members"]["GoRing"]["Minor"]["Gage"].get<double>(), 0.73086, 1e-9);
    EXPECT_EQ(doc["pages"]["Thread Dim."][6][2], " 4.48");
    // No NPT gauge tolerances ship: the page's note says so, as the text does.
    const std::string none =
        "no NPT gauge tolerance table for this size \u2014 see Help \u203a Tables";
    EXPECT_EQ(doc["notes"],
              (nlohmann::json{{"Thread Dim.", ""}, {"NPT Gages", ""}, {"NPT Tolerances", none}}));
    EXPECT_NE(Plcalc({"--type", "NPT", "--size", "1/2"}).out.find("\n" + none + "\n"),
              std::string::npos);
}

} // namespace
