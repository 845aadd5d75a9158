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
TEST(PlcalcNewPD, PrintsTheThreadFoundAndSaysSo)
{
    const std::vector<std::string> args = {"--dia", "1/4", "--tpi", "20", "--new-pd", "int-max=0.2300"};
    const CliRun text = Plcalc(args);
    ASSERT_EQ(text.code, 0) << text.err;
    const std::string note =
        "Re-evaluated for Internal Max PD 0.2300: nominal diameter 0.2573 instead of 1/4";
    EXPECT_NE(text.out.find("0.2573-20 UNS-2A\n" + note + "\n"), std::string::npos) << text.out;
    std::vector<std::string> json = args;
    json.push_back("--json");
    const auto j = nlohmann::json::parse(Plcalc(json).out);
    EXPECT_NEAR(j["members"]["IntThd"]["PD"]["Max"].get<double>(), 0.2300, 0.00005);
    EXPECT_EQ(j["reevaluation"], nlohmann::json({{"limit", "int-max"}, {"target", 0.23}, {"note", note}}));
}

TEST(PlcalcNewPD, RefusalsAndTheirExitCodes)
{
    const struct {
        const char* name;
        std::vector<std::string> args;
        int code;
        const char* errStart;
    } cases[] = {
        {"unreachable", {"--dia", "1/4", "--tpi", "20", "--new-pd", "int-max=9"}, 2,
         "Can not re-evaluate: New Internal Max PD 9.0000 is not reached"},
        {"not a number", {"--dia", "1/4", "--tpi", "20", "--new-pd", "ext-min=x"}, 2,
         "Can not re-evaluate. Invalid PD value: x"},
        {"the thread's own refusal", {"--dia", "0", "--tpi", "20", "--new-pd", "ext-max=0.2"}, 2,
         "Can not calculate. Invalid Nominal Diameter"},

        {"unknown limit", {"--dia", "1/4", "--tpi", "20", "--new-pd", "max=0.2"}, 64,
         "plcalc: --new-pd takes ext-max=V, ext-min=V, int-min=V or int-max=V"},
        {"with a thread file", {"--open", "x.thd", "--new-pd", "ext-max=0.2"}, 64,
         "plcalc: --new-pd re-evaluates a thread given by the options, not --open"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = Plcalc(c.args);
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.err.rfind(c.errStart, 0), 0u) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST(PlcalcSetDim, MessagesAndExitCodes)
{
    const struct {
        const char* name;
        std::vector<std::string> args;
        int code;
        const char* errStart;
    } cases[] = {
        {"pitch 0", {"--setdim", "--tpi", "0", "--ext-pd-max", "0.2164"}, 2,
         "Can not Calculate! Invalid Pitch."},
        {"two PDs", {"--setdim", "--tpi", "20", "--ext-pd-max", "0.2", "--int-pd-min", "0.2"}, 64,
         "plcalc: --setdim takes one pitch diameter"},
        {"metric pitch", {"--setdim", "--type", "30DEG", "--tpi", "4", "--ext-pd-max", "18"}, 64,
         "plcalc: --tpi is for inch threads"},
        {"PD without --setdim", {"--dia", "1/4", "--tpi", "20", "--ext-pd-max", "0.2"}, 64,
         "plcalc: --ext-pd-max is for --setdim"},
        {"unknown type", {"--setdim", "--type", "NPT", "--tpi", "14", "--ext-pd-max", "0.7"}, 2,
         "Unknown thread type for --setdim: NPT"},
        {"another report", {"--setdim", "--tpi", "20", "--ext-pd-max", "0.5", "--report", "thread",
                            "--pdf", "x.pdf"}, 64, "plcalc: --setdim writes only --report setting"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = Plcalc(c.args);
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.err.rfind(c.errStart, 0), 0u) << r.err;
    }
}

// Internal PD min alone: the page shows the internal thread; M is shown in mm.
TEST(PlcalcSetDim, ShowsTheThreadTheToolWorksOn)
{
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
TEST(PlcalcSetDim, CsvAndItsOwnReport)
{
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
