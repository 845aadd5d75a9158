// plcalc --new-pd: the diameter found shows in the JSON record, a target that
// can not be reached and a malformed option end with their messages.
#include "core/number_text.h"
#include "support/cli_run.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

// The thread printed is the one the walk judged (the landing itself is
// tested with the walk); the note follows the designation, and JSON has it.
TEST(PlcalcNewPD, PrintsTheThreadFoundAndSaysSo) {
    const std::vector<std::string> args = {"--dia", "1/4",      "--tpi",
                                           "20",    "--new-pd", "int-max=0.2300"};
    const CliRun text = Plcalc(args);
    ASSERT_EQ(text.code, 0) << text.err;
    const std::string note =
        "Re-evaluated for Internal Max PD 0.2300: nominal diameter 0.2573 instead of 1/4";
    EXPECT_NE(text.out.find("0.2573-20 UNS-2A\n" + note + "\n"), std::string::npos) << text.out;
    std::vector<std::string> json = args;
    json.push_back("--json");
    const auto j = nlohmann::json::parse(Plcalc(json).out);
    EXPECT_NEAR(j["members"]["IntThd"]["PD"]["Max"].get<double>(), 0.2300, 0.00005);
    EXPECT_EQ(
        j["reevaluation"],
        nlohmann::json({{"unit", "in"}, {"limit", "int-max"}, {"target", 0.23}, {"note", note}}));
}

// Internal PD min alone: the page shows the internal thread; M is shown in mm.
TEST(PlcalcSetDim, ShowsTheThreadTheToolWorksOn) {
    const CliRun in = Plcalc({"--setdim", "--tpi", "8", "--int-pd-min", "0.9188"});
    ASSERT_EQ(in.code, 0) << in.err;
    EXPECT_NE(in.out.find("Shown: Internal Dims.\n"), std::string::npos) << in.out;
    EXPECT_NE(in.out.find("QSP-2000"), std::string::npos);
    const CliRun m =
        Plcalc({"--setdim", "--type", "M", "--pitch", "1.5", "--ext-pd-max", "9.026", "--json"});
    ASSERT_EQ(m.code, 0) << m.err;
    const auto j = nlohmann::json::parse(m.out);
    EXPECT_EQ(j["pages"]["Orvalle"]["dims"], "External Dims.");
    EXPECT_EQ(j["members"]["ExtThd"]["PD"]["Max"].get<double>(), 9.026);
    EXPECT_EQ(j["record"]["NomDia"].get<double>(), 9.026);
}

// --csv as for a thread; --report setting writes the setting-dimension mode
// of the report (its layout is the report's test).
TEST(PlcalcSetDim, CsvAndItsOwnReport) {
    auto with = [](const std::vector<std::string>& more) {
        std::vector<std::string> args = {"--setdim", "--tpi", "13", "--int-pd-min", "0.4500"};
        args.insert(args.end(), more.begin(), more.end());
        return Plcalc(args);
    };
    const CliRun csv = with({"--csv"});
    ASSERT_EQ(csv.code, 0) << csv.err;
    EXPECT_EQ(csv.out.rfind("Point Gage\r\nPoint Gage,Internal Dims.,External Dims.\r\n", 0), 0u)
        << csv.out;
    if (!HaveTool("pdftotext")) GTEST_SKIP() << "pdftotext is not installed";
    TempDir dir;
    ASSERT_EQ(with({"--report", "setting", "--pdf", dir.file("s.pdf")}).code, 0);
    const std::string text = CommandOutput("pdftotext -layout " + dir.file("s.pdf") + " -");
    const auto title = text.find("Setting Dims Report"), pd = text.find("Internal PD:");
    EXPECT_TRUE(title < pd && pd != std::string::npos) << text;
}

} // namespace
