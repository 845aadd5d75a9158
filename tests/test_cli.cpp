// plcalc end to end, in-process: options, messages, exit codes, the page texts
// of whole calculations against the published limits, and thread files.
#include "cli/run_cli.h"
#include "support/cli_run.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

// The cells of a labelled row in the text output: the label, then the values.
std::vector<std::string> RowCells(const std::string& text, const std::string& section,
                                  const std::string& label)
{
    std::istringstream in(text);
    std::string line;
    bool inSection = section.empty();
    while (std::getline(in, line)) {
        if (line == section) inSection = true;
        if (!inSection || line.rfind(label, 0) != 0) continue;
        std::istringstream cells(line.substr(label.size()));
        std::vector<std::string> v;
        for (std::string c; cells >> c;) v.push_back(c);
        return v;
    }
    return {};
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> v;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) v.push_back(l);
    return v;
}

TEST(Plcalc, QuarterTwentyUncClass2ShowsThePublishedLimits)
{
    const CliRun r = Plcalc({"--type", "UN", "--dia", "1/4", "--tpi", "20", "--class", "2"});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "ANSI Table Data - (Untitled)");
    EXPECT_EQ(lines[1], "1/4-20 UNC-2B  /  1/4-20 UNC-2A");
    // ASME B1.1 1/4-20 UNC: 2B PD 0.2175/0.2224, minor 0.196/0.207;
    // 2A PD 0.2164/0.2127, major 0.2489/0.2408. Cells: internal, external.
    EXPECT_EQ(RowCells(r.out, "Thread Dim.", "PD Max"),
              (std::vector<std::string>{"0.2224", "0.2164"}));
    EXPECT_EQ(RowCells(r.out, "Thread Dim.", "PD Min"),
              (std::vector<std::string>{"0.2175", "0.2127"}));
    EXPECT_EQ(RowCells(r.out, "Thread Dim.", "Maj Dia Max"),
              (std::vector<std::string>{"N/A", "0.2489"}));
    EXPECT_EQ(RowCells(r.out, "Thread Dim.", "Maj Dia Min"),
              (std::vector<std::string>{"0.2500", "0.2408"}));
    EXPECT_EQ(RowCells(r.out, "Thread Dim.", "Min Dia Max (Ref)").at(0), "0.207");
    EXPECT_EQ(RowCells(r.out, "Thread Dim.", "Min Dia Min (Ref)").at(0), "0.196");
    // Pitch 1/20 and one start: lead = pitch.
    EXPECT_EQ(RowCells(r.out, "Thread Dim.", "Thd Pitch"),
              (std::vector<std::string>{"0.0500", "0.0500"}));
    EXPECT_EQ(RowCells(r.out, "Thread Dim.", "Lead"),
              (std::vector<std::string>{"0.0500", "0.0500"}));
    // Best wire 0.57735 x 0.05 = 0.0288675; internal threads have none.
    EXPECT_EQ(RowCells(r.out, "Thread Dim.", "Wire Size"),
              (std::vector<std::string>{"N/A", "0.02887"}));
    // The gauges follow the product limits: GO ring at the external PD max,
    // GO plug at the internal PD min, NOT GO plug at the internal PD max.
    // Cells: GO size, its tolerance (sign and value), NOT GO size, tolerance.
    EXPECT_EQ(RowCells(r.out, "Ring Gage", "Pitch Dia").at(0), "0.2164");
    EXPECT_EQ(RowCells(r.out, "Ring Gage", "Pitch Dia").at(2), "0.2127");
    EXPECT_EQ(RowCells(r.out, "Plug Gage", "Pitch Dia").at(0), "0.2175");
    EXPECT_EQ(RowCells(r.out, "Plug Gage", "Pitch Dia").at(2), "0.2224");
}

TEST(Plcalc, ThreadWithoutTableRowIsCalculatedAsUns)
{
    const CliRun r =
        Plcalc({"--type", "UN", "--dia", "0.3125", "--tpi", "40", "--class", "2", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"caption\":\"Calculated Data - (Untitled)\""), std::string::npos);
    EXPECT_NE(r.out.find("\"Series\":\"UNS\""), std::string::npos);
    // The decimal diameter is written as the window writes it: "%7.4f".
    EXPECT_NE(r.out.find("\"name\":\" 0.3125-40 UNS-2B  /   0.3125-40 UNS-2A\""),
              std::string::npos);
}

TEST(Plcalc, InputErrorsGiveTheWindowMessagesAndExitCodes)
{
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int code;
        std::string message; // start of stderr
    } cases[] = {
        {"emptyDiameter", {"--tpi", "20"}, 2, "Can not calculate. Invalid Nominal Diameter\n"},
        {"zeroDiameter", {"--dia", "0", "--tpi", "20"}, 2,
         "Can not calculate. Invalid Nominal Diameter\n"},
        {"numberSizeBeyond20", {"--dia", "#21", "--tpi", "20"}, 2,
         "Can not calculate. Invalid Nominal Diameter\n"},
        {"mixedFraction", {"--dia", "1 1/4", "--tpi", "7"}, 2, "Invalid Nominal Diameter\n"},
        {"zeroDenominator", {"--dia", "3/0", "--tpi", "7"}, 2, "Invalid Nominal Diameter\n"},
        {"noPitch", {"--dia", "1/4"}, 2, "Can not calculate. Invalid pitch value\n"},
        {"negativePitch", {"--dia", "1/4", "--tpi", "-20"}, 2,
         "Can not calculate. Invalid pitch value\n"},
        {"zeroEngagement", {"--dia", "1/4", "--tpi", "20", "--loe", "0"}, 2,
         "Can not calculate. Invalid length of engagement\n"},
        {"wireTooLarge", {"--dia", "1/4", "--tpi", "20", "--wire", "0.06"}, 2,
         "Invalid Wire Size!\n"},
        {"wireTooSmall", {"--dia", "1/4", "--tpi", "20", "--wire", "0.2mm"}, 2,
         "Invalid Wire Size!\n"},
        {"unjClass2", {"--type", "UNJ", "--dia", "1/4", "--tpi", "20", "--class", "2"}, 2,
         "Invalid thread class: 2\n"},
        {"commaCoating", {"--dia", "1/4", "--tpi", "20", "--coating", "0,0003"}, 2,
         "Can not calculate. Invalid coating thickness\n"},
        {"coatingPastTheMajor", {"--dia", "1/4", "--tpi", "20", "--coating", "0.02"}, 2,
         "Can not calculate. The coating is too thick: the internal thread's pitch diameter "
         "before plating would reach its major diameter\n"},
        {"unknownOption", {"--diameter", "1/4"}, 64, "plcalc: unknown option --diameter\n"},
        {"missingValue", {"--dia"}, 64, "plcalc: missing value for --dia\n"},
    };
    for (const auto& c : cases) {
        const CliRun r = Plcalc(c.args);
        EXPECT_EQ(r.code, c.code) << c.name;
        EXPECT_EQ(r.err.substr(0, c.message.size()), c.message) << c.name;
        EXPECT_TRUE(r.code != 2 || r.out.empty()) << c.name;
    }
}

TEST(Plcalc, MissingTablesNameTheFile)
{
    TempDir empty;
    std::ostringstream out, err;
    const int code = runCli({"--dia", "1/4", "--tpi", "20", "--tables", empty.path().string()},
                            out, err);
    EXPECT_EQ(code, 3);
    EXPECT_EQ(err.str(), "File not found: " + empty.file("ansitbl.bin") + "\n");
}

TEST(Plcalc, SavedThreadReopensWithTheSameOutput)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--dia", "1/2", "--tpi", "13", "--class", "3", "--loe", "0.75", "--wire", "0.04441"},
        {"--dia", "1/4", "--tpi", "20", "--starts", "2", "--coating", "0.0003", "--classx",
         "--wire", "0.03in"},
        {"--dia", "0.31255", "--tpi", "20"},
    };
    for (const auto& args : cases) {
        TempDir dir;
        const std::string file = dir.file("half.thd");
        auto saveArgs = args;
        saveArgs.insert(saveArgs.end(), {"--save", file});
        const CliRun saved = Plcalc(saveArgs);
        ASSERT_EQ(saved.code, 0) << saved.err;
        const CliRun opened = Plcalc({"--open", file});
        ASSERT_EQ(opened.code, 0) << opened.err;
        EXPECT_EQ(opened.out, saved.out) << args[1];
        EXPECT_EQ(opened.err, "");
        EXPECT_TRUE(Lines(opened.out).at(0).ends_with(" - half.thd")) << opened.out;
    }
}

TEST(Plcalc, OpeningFilesThatCannotBeUsedAsTheySay)
{
    TempDir dir;
    const char* const quarter = "Nom Dia=+0.250000\nTPI=+20.000000\n";
    struct Case {
        const char* name;
        const char* keys;
        int code;
        std::string err;
        const char* designation; // second output line
    } cases[] = {
        {"unknownType", "Thd Type=SQUARE\nClass=2\n", 2, "Unknown thread type: SQUARE\n", ""},
        {"unjClass2", "Thd Type=UNJ\nClass=2\n", 0, "UNJ Threads have no class 2: Class 3 is used.\n",
         "0.2500-20 UNJC-3B  /  0.2500-20 UNJC-3A"},
    };
    for (const auto& c : cases) {
        const std::string file = dir.file(std::string(c.name) + ".thd");
        WriteTextFile(file, std::string("[MAIN]\n") + c.keys + quarter);
        const CliRun r = Plcalc({"--open", file});
        EXPECT_EQ(r.code, c.code) << c.name;
        EXPECT_EQ(r.err, c.err) << c.name;
        if (r.code == 0) {
            EXPECT_EQ(Lines(r.out).at(1), c.designation) << c.name;
        }
    }
    const CliRun missing = Plcalc({"--open", dir.file("none.thd")});
    EXPECT_EQ(missing.code, 3);
    EXPECT_EQ(missing.err, "File: " + dir.file("none.thd") + " Does not exist!\n");
}

TEST(Plcalc, SaveThatCannotBeWrittenFailsAndCreatesNothing)
{
    TempDir dir;
    // A plain file where a folder should be fails even for root.
    WriteTextFile(dir.file("plain"), "x");
    for (const char* name : {"plain/x.thd", "new/folder/x.thd"}) {
        const std::string file = dir.file(name);
        const CliRun r = Plcalc({"--dia", "1/4", "--tpi", "20", "--save", file});
        EXPECT_EQ(r.code, 3) << name;
        EXPECT_EQ(r.err.rfind("Cannot write " + file + ": ", 0), 0u) << r.err;
        EXPECT_TRUE(r.out.empty()) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("new")));
}

TEST(Plcalc, MillimetreDisplayDropsOneDecimal)
{
    const CliRun r = Plcalc({"--dia", "1/4", "--tpi", "20", "--mm"});
    ASSERT_EQ(r.code, 0) << r.err;
    // 0.2164 in x 25.4 = 5.49656 mm; 0.0288675 in x 25.4 = 0.73323 mm.
    EXPECT_EQ(RowCells(r.out, "Thread Dim.", "PD Max").at(1), "5.497");
    EXPECT_EQ(RowCells(r.out, "Thread Dim.", "Wire Size").at(1), "0.7332");
}

TEST(Plcalc, HelpAndVersion)
{
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("Usage: plcalc"), std::string::npos);
    std::ostringstream vout;
    EXPECT_EQ(runCli({"--version"}, vout, err), 0);
    EXPECT_EQ(vout.str().rfind("plcalc (Pitch Ledger) 5.", 0), 0u);
}

} // namespace
