// plcalc --identify and --profile-svg as a user runs them: what they print,
// write and refuse.
#include "support/cli_run.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// tests/data/plcalc_identify.csv
class PlcalcIdentify : public testing::TestWithParam<DataRow> {};

TEST_P(PlcalcIdentify, SaysWhatFits) {
    std::vector<std::string> args = {"--identify"};
    for (const std::string& word : GetParam().List("args"))
        args.push_back(word);
    const CliRun r = Plcalc(args);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find(GetParam().Text("says")), std::string::npos) << r.out;
}

DATA_ROWS(PlcalcIdentify, "plcalc_identify");

TEST(PlcalcIdentifyJson, ListsClosestFirst) {
    // The first row of the list is the closest thread.
    const CliRun r = Plcalc({"--identify", "--major", "0.838", "--tpi", "14", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    const nlohmann::json doc = nlohmann::json::parse(r.out);
    EXPECT_EQ(doc["identify"][0]["Designation"], "1/2 - 14 NPT");
    EXPECT_EQ(doc["identify"][0]["Closeness"], 0);
}

// tests/data/plcalc_profile_svg.csv
class PlcalcProfileSvg : public testing::TestWithParam<DataRow> {};

TEST_P(PlcalcProfileSvg, WritesTheDrawingOrSaysWhyNot) {
    const DataRow& c = GetParam();
    TempDir dir;
    std::filesystem::create_directory(dir.file("folder"));
    const auto inDir = [&](std::string s) {
        if (s.find('@') != std::string::npos) s.replace(s.find('@'), 1, dir.path().string());
        return s;
    };
    std::vector<std::string> args = c.List("thread");
    const std::string file = inDir(c.Text("file")), says = inDir(c.Text("says"));
    args.insert(args.end(), {"--profile-svg", file});
    const CliRun r = Plcalc(args);
    EXPECT_EQ(r.code, c.Int("code")) << r.err;
    EXPECT_EQ(r.err.substr(0, says.size()), says);
    std::ifstream in(file);
    std::stringstream svg;
    svg << in.rdbuf();
    EXPECT_EQ(svg.str().find("<svg") != std::string::npos, r.code == 0);
    // The drawing carries its limits: 1/4-20 UNC-2A's PD max of ASME B1.1.
    if (c.name == "unified") {
        EXPECT_NE(svg.str().find("Ext PD Max 0.2164"), std::string::npos);
    }
}

DATA_ROWS(PlcalcProfileSvg, "plcalc_profile_svg");

} // namespace
