// plcalc --new-pd: the diameter found shows in the JSON record, a target that
// can not be reached and a malformed option end with their messages.
#include "core/number_text.h"
#include "support/cli_run.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

// The thread printed is the one whose limit meets the target: before, the
// walk judged a table row's engagement while Calculate took a special thread
// (1/4-20 int-max 0.2300 gave 0.228693, ext-min 0.2200 gave 0.2210, #8-32
// int-max 0.1500 gave 0.1490, 1/2-13 ext-min 0.4501 to 0.4508 0.0002 under).
TEST(PlcalcNewPD, LimitPrintedMeetsTheTarget)
{
    const struct {
        const char* dia;
        const char* tpi;
        const char* limit;
        const char* member;
        const char* field;
        double target;
    } cases[] = {
        {"1/4", "20", "int-max", "IntThd", "Max", 0.2300},
        {"1/4", "20", "ext-min", "ExtThd", "Min", 0.2200},
        {"1/4", "20", "ext-max", "ExtThd", "Max", 0.2180},
        {"#8", "32", "int-max", "IntThd", "Max", 0.1500},
        {"1/2", "13", "ext-min", "ExtThd", "Min", 0.4501},
        {"1/2", "13", "ext-min", "ExtThd", "Min", 0.4504},
        {"1/2", "13", "ext-min", "ExtThd", "Min", 0.4508},
    };
    for (const auto& c : cases) {
        const std::string option = std::string(c.limit) + "=" + FormatFixed(c.target, 1, 4);
        SCOPED_TRACE(std::string(c.dia) + " " + option);
        const CliRun r = Plcalc({"--dia", c.dia, "--tpi", c.tpi, "--new-pd", option, "--json"});
        ASSERT_EQ(r.code, 0) << r.err;
        const auto j = nlohmann::json::parse(r.out);
        EXPECT_NEAR(j["members"][c.member]["PD"][c.field].get<double>(), c.target, 0.00005);
        EXPECT_EQ(j["reevaluation"]["limit"], c.limit);
        EXPECT_EQ(j["reevaluation"]["target"].get<double>(), c.target);
    }
    // The text says so under the designation.
    const CliRun text = Plcalc({"--dia", "1/4", "--tpi", "20", "--new-pd", "ext-max=0.2180"});
    EXPECT_NE(text.out.find(" 0.2517-20 UNS-2B  /   0.2517-20 UNS-2A\nRe-evaluated for External "
                            "Max PD 0.2180: nominal diameter 0.2517 instead of 1/4\n"),
              std::string::npos)
        << text.out;
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
        // Not "Invalid Nominal Diameter": the diameter it would take has no thread.
        {"no thread that small", {"--dia", "1/4", "--tpi", "20", "--new-pd", "ext-max=0.0001"}, 2,
         "Can not re-evaluate: New External Max PD 0.0001 is not reached by changing the nominal "
         "diameter (at a nominal diameter of 0.0697 a limit"},
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
        // The ranges a thread takes.
        {"pitch held as infinity", {"--setdim", "--tpi", "1e39", "--ext-pd-max", "0.2"}, 2,
         "Can not Calculate! Invalid Pitch: at most 200 threads per inch."},
        {"metric pitch 51", {"--setdim", "--type", "M", "--pitch", "51", "--ext-pd-max", "20"}, 2,
         "Can not Calculate! Invalid Pitch: a pitch is at most 50 mm."},
        {"PD 1e308", {"--setdim", "--tpi", "20", "--ext-pd-max", "1e308"}, 2,
         "Can not Calculate! Invalid PD: a pitch diameter is at most 100 in."},
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

} // namespace

namespace {

// --csv as for a thread; --report setting writes the setting-dimension mode
// of the report: the side entered, its PD, no limits.
TEST(PlcalcSetDim, CsvAndItsOwnReport)
{
    const std::vector<std::string> half = {"--setdim", "--tpi", "13", "--int-pd-min", "0.4500"};
    auto with = [&](std::vector<std::string> more) {
        more.insert(more.begin(), half.begin(), half.end());
        return Plcalc(more);
    };
    const CliRun csv = with({"--csv"});
    ASSERT_EQ(csv.code, 0) << csv.err;
    EXPECT_EQ(csv.out.rfind("Point Gage\r\nPoint Gage,Internal Dims.,External Dims.\r\n", 0), 0u)
        << csv.out;
    EXPECT_NE(csv.out.find("\r\n\r\nFunctional Roll Gage\r\n"), std::string::npos);
    if (!HaveTool("pdftotext")) GTEST_SKIP() << "pdftotext is not installed";
    TempDir dir;
    const CliRun pdf = with({"--report", "setting", "--pdf", dir.file("s.pdf")});
    ASSERT_EQ(pdf.code, 0) << pdf.err;
    const std::string text = CommandOutput("pdftotext -layout " + dir.file("s.pdf") + " -");
    for (const char* shown : {"Setting Dims Report", "Internal PD:", "0.4500", "Internal Gage No.:"})
        EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;
    for (const char* absent : {"External Gage No.:", "Nominal Diameter:", "INTERNAL"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent << "\n" << text;
}

// A ball micrometer file given to --open is run as the ball micrometer.
TEST(PlcalcOpen, BallMicrometerFile)
{
    TempDir dir;
    const std::string file = dir.file("taper.bm");
    ASSERT_EQ(Plcalc({"--ballmic", "--angle", "30", "--ball-dia", "0.5", "--plane-dia", "2",
                      "--plane-dis", "1", "--save", file})
                  .code,
              0);
    const CliRun r = Plcalc({"--open", file});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, Plcalc({"--ballmic", "--open", file}).out);
}

} // namespace
