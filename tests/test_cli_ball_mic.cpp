// plcalc --ballmic: the worked example as a new user types it, text, JSON,
// the .bm file it saves and opens, and the exit codes of its refusals.
#include "support/cli_run.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <regex>

namespace {

const std::vector<std::string> kExample = {"--ballmic", "--angle",     "30",  "--ball-dia",
                                           "0.5",       "--plane-dia", "2.0", "--plane-dis",
                                           "1.0",       "--method",    "1"};

std::vector<std::string> With(std::vector<std::string> args, std::vector<std::string> more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(PlcalcBallMic, WorkedExampleAsTextAndJson) {
    const CliRun text = Plcalc(kExample);
    ASSERT_EQ(text.code, 0) << text.err;
    EXPECT_NE(text.out.find("Ball Mic SetDim - (Untitled)\nBall Mic Setting Dims.\nExternal Dims."),
              std::string::npos)
        << text.out;
    for (const char* row :
         {"Setting to Flat Std: +1\\.9330", "Dist\\. Over Ball: +1\\.1250", "Gage: +HB-5000"})
        EXPECT_TRUE(std::regex_search(text.out, std::regex(std::string("\n") + row + "\n")))
            << row << '\n'
            << text.out;

    const CliRun json = Plcalc(With(kExample, {"--internal", "--json"}));
    ASSERT_EQ(json.code, 0) << json.err;
    const auto doc = nlohmann::json::parse(json.out);
    EXPECT_NEAR(doc["ballmic"]["SetDim"].get<double>(), 2.0669873, 5e-8);
    EXPECT_EQ(doc["ballmic"]["BallDis"].get<double>(), 1.125);
    EXPECT_EQ(doc["ballmic"]["Internal"], true);
    EXPECT_EQ(doc["page"]["optExt"], "Internal Dims.");
}

TEST(PlcalcBallMic, SavesAndOpensBallMicFiles) {
    TempDir dir;
    const std::string file = dir.file("taper.bm");
    const CliRun saved = Plcalc(With(kExample, {"--save", file}));
    ASSERT_EQ(saved.code, 0) << saved.err;
    EXPECT_EQ(saved.out.rfind("Ball Mic SetDim - taper.bm\n", 0), 0u) << saved.out;
    // The file's calculation, with an option given over it.
    const CliRun opened = Plcalc({"--ballmic", "--open", file, "--internal", "--json"});
    ASSERT_EQ(opened.code, 0) << opened.err;
    const auto doc = nlohmann::json::parse(opened.out);
    EXPECT_NEAR(doc["ballmic"]["SetDim"].get<double>(), 2.0669873, 5e-8);
    EXPECT_EQ(doc["caption"], "Ball Mic SetDim - taper.bm");
    // --open knows a ball micrometer file without being told, as the window does.
    EXPECT_EQ(Plcalc({"--open", file, "--internal", "--json"}).out, opened.out);
}

TEST(PlcalcBallMic, ReportPdf) {
    if (!HaveTool("pdftotext")) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    TempDir dir;
    const std::string pdf = dir.file("ballmic.pdf");
    const CliRun r = Plcalc(With(kExample, {"--report", "ballmic", "--pdf", pdf}));
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string text = CommandOutput("pdftotext -layout '" + pdf + "' -");
    // What the report holds is the report test's.
    EXPECT_NE(text.find("Ball Mic Calculation Report"), std::string::npos) << text;
}

} // namespace
