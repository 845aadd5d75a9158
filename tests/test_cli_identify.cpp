// plcalc --identify and --profile-svg as a user runs them: what they print,
// write and refuse.
#include "support/cli_run.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// Its refusals are in test_cli's table.
TEST(PlcalcIdentify, ListsClosestFirst) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {"inch reading", {"--major", "0.248", "--tpi", "20"}, "1/4-20 UNC-2A"},
        {"millimetres with the unit", {"--major", "9.97mm", "--pitch", "1.5"}, "M 10 X 1.5 - 6g6g"},
        {"nut", {"--minor", "0.201in", "--tpi", "20"}, "1/4-20 UNC-2B"},
        {"nothing fits", {"--major", "0.23", "--tpi", "20"}, "No standard thread fits"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args{"--identify"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun r = Plcalc(args);
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_NE(r.out.find(c.says), std::string::npos) << r.out;
    }
    // The first row of the list is the closest thread.
    const CliRun r = Plcalc({"--identify", "--major", "0.838", "--tpi", "14", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    const nlohmann::json doc = nlohmann::json::parse(r.out);
    EXPECT_EQ(doc["identify"][0]["Designation"], "1/2 - 14 NPT");
    EXPECT_EQ(doc["identify"][0]["Closeness"], 0);
}

TEST(PlcalcProfileSvg, WritesTheDrawingOrSaysWhyNot) {
    TempDir dir;
    const struct {
        const char* name;
        std::vector<std::string> thread;
        std::string file;
        int code;
        std::string says; // the start of stderr
    } cases[] = {
        {"unified", {"--dia", "1/4", "--tpi", "20"}, dir.file("unc.svg"), 0, ""},
        {"buttress", {"--type", "BUTT", "--dia", "2", "--tpi", "8"}, dir.file("butt.svg"), 0, ""},
        {"pipe", {"--type", "NPT", "--size", "1/2"}, dir.file("npt.svg"), 2, "The profile"},
        {"no such folder",
         {"--dia", "1/4", "--tpi", "20"},
         dir.file("none/x.svg"),
         3,
         "Can not write the profile file " + dir.file("none/x.svg") + ": No such file"},
        // In the words of the report's PDF.
        {"a folder",
         {"--dia", "1/4", "--tpi", "20"},
         dir.file("folder"),
         3,
         "Can not write the profile file " + dir.file("folder") + ": not a regular file\n"},
        {"a device",
         {"--dia", "1/4", "--tpi", "20"},
         "/dev/null",
         3,
         "Can not write the profile file /dev/null: not a regular file\n"},
        {"no name",
         {"--dia", "1/4", "--tpi", "20"},
         "",
         64,
         "plcalc: --profile-svg needs a file name\n"},
    };
    std::filesystem::create_directory(dir.file("folder"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = c.thread;
        args.insert(args.end(), {"--profile-svg", c.file});
        const CliRun r = Plcalc(args);
        EXPECT_EQ(r.code, c.code) << r.err;
        EXPECT_EQ(r.err.substr(0, c.says.size()), c.says);
        std::ifstream in(c.file);
        std::stringstream svg;
        svg << in.rdbuf();
        EXPECT_EQ(svg.str().find("<svg") != std::string::npos, c.code == 0);
        // The drawing carries its limits: 1/4-20 UNC-2A's PD max of ASME B1.1.
        if (std::string(c.name) == "unified") {
            EXPECT_NE(svg.str().find("Ext PD Max 0.2164"), std::string::npos);
        }
    }
}

} // namespace
