// plcalc --batch: lines split as a shell splits them, one JSON object a line
// in the schema of --json, failing lines answered as plcalc answers them.
#include "cli/batch.h"
#include "core/whole_file.h"
#include "support/cli_run.h"
#include "support/json_schema.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

using nlohmann::json;

namespace {

// tests/data/batch_lines.csv
class BatchLines : public testing::TestWithParam<DataRow> {};

TEST_P(BatchLines, SplitAsTheShellSplitsThem) {
    const DataRow& c = GetParam();
    std::vector<std::string> expected;
    const std::string joined = c.Text("words");
    for (std::size_t at = 0; !joined.empty() && at <= joined.size();) {
        const std::size_t end = std::min(joined.find('|', at), joined.size());
        expected.push_back(joined.substr(at, end - at));
        at = end + 1;
    }
    std::vector<std::string> words = {"left over"};
    std::string problem;
    EXPECT_EQ(SplitBatchLine(c.Text("line"), words, problem), c.Empty("problem"));
    EXPECT_EQ(words, expected);
    EXPECT_EQ(problem, c.Text("problem"));
}

DATA_ROWS(BatchLines, "batch_lines");

TEST(PlcalcBatch, AnswersEveryLineInTheSchema) {
    const json schema = schema_check::PlcalcSchema();
    TempDir dir;
    // Tables whose drill table no longer matches its sum.
    std::filesystem::copy(PL_TABLES_DIR, dir.file("T"), std::filesystem::copy_options::recursive);
    WriteTextFile(dir.file("T/drills.bin"), ReadTextFile(dir.file("T/drills.bin")) + "x");
    WriteTextFile(dir.file("batch"), "# a quarter-twenty and a wrong class\n"
                                     "--type UN --dia 1/4 --tpi 20 --class 2\r\n"
                                     "\n"
                                     "--dia 1/4 --tpi 20 --class 7\n"
                                     "   # indented\n"
                                     "--dia \"#10\" --tpi 32 --class 3 --mm\n"
                                     "--type '\xff'\n"
                                     "--dia 1/4 --tpi 20 --report thread\n"
                                     "--dia \"1/4\n"
                                     "--type M --dia 10 --pitch 1.5 --ext-tol 6e --loe-group L\n"
                                     "--dia 1/4 --tpi 20 --tables " +
                                         dir.file("T") + "\n--dia 1/4 --tpi 20 -h");
    const CliRun r = Plcalc({"--batch", dir.file("batch")});
    EXPECT_EQ(r.code, kExitUsage) << "the highest exit code of a line";

    // Each line answers as plcalc answers its options alone, or with the
    // batch's own message.
    const struct {
        int line;
        std::vector<std::string> alone;
        std::string error;
        int exit;
    } expected[] = {
        {2, {"--type", "UN", "--dia", "1/4", "--tpi", "20", "--class", "2"}, "", 0},
        {4, {"--dia", "1/4", "--tpi", "20", "--class", "7"}, "", kExitInvalidInput},
        {6, {"--dia", "#10", "--tpi", "32", "--class", "3", "--mm"}, "", 0},
        {7, {}, "Unknown thread type: \xef\xbf\xbd", kExitInvalidInput},
        {8, {}, "plcalc: --report is not for --batch", kExitUsage},
        {9, {}, "plcalc: unterminated double quote", kExitUsage},
        {10,
         {"--type", "M", "--dia", "10", "--pitch", "1.5", "--ext-tol", "6e", "--loe-group", "L"},
         "",
         0},
        {11, {"--dia", "1/4", "--tpi", "20", "--tables", dir.file("T")}, "", 0},
        {12, {}, "plcalc: -h is not for --batch", kExitUsage},
    };
    std::istringstream lines(r.out);
    std::string text, notes;
    for (const auto& e : expected) {
        ASSERT_TRUE(std::getline(lines, text)) << "line " << e.line;
        json doc = json::parse(text);
        EXPECT_EQ(Problems(schema, doc), std::vector<std::string>{}) << text;
        EXPECT_EQ(doc["line"], e.line) << text;
        doc.erase("line");
        std::vector<std::string> args = e.alone;
        args.push_back("--json");
        const CliRun alone = e.alone.empty() ? CliRun{e.exit, "", ""} : Plcalc(args);
        EXPECT_EQ(alone.code, e.exit) << e.line;
        if (e.exit == 0) {
            EXPECT_EQ(doc, json::parse(alone.out)) << e.line;
            // No tap drills, and why, where a reader of the JSON looks.
            if (e.line == 11) {
                EXPECT_EQ(doc["tapDrills"], json::array());
                EXPECT_EQ(doc["tapDrillsError"],
                          "Table file is damaged: " + dir.file("T/drills.bin") +
                              " (its bytes differ from its line in tables.sum)");
            }
            std::string note = alone.err;
            if (note.starts_with("plcalc: ")) note.erase(0, 8);
            if (!note.empty()) notes += "plcalc: line " + std::to_string(e.line) + ": " + note;
        } else {
            EXPECT_EQ(doc["error"],
                      e.error.empty() ? alone.err.substr(0, alone.err.size() - 1) : e.error)
                << text;
            EXPECT_EQ(doc["exit"], e.exit) << text;
        }
    }
    EXPECT_FALSE(std::getline(lines, text)) << text;
    EXPECT_EQ(r.err, notes) << "the notes of calculated lines, with their line";
    EXPECT_NE(notes, "");

    const CliRun missing = Plcalc({"--batch", dir.file("none")});
    EXPECT_EQ(missing.code, kExitFileError);
    EXPECT_EQ(missing.err,
              "plcalc: cannot read the batch file: File not found: " + dir.file("none") + "\n");
}

// A file is shared out to a process per processor and read line by line;
// its answers and notes are those of the same lines answered one by one from
// standard input, in the same order.
TEST(PlcalcBatch, LargeFilesAnswerAsStandardInputDoes) {
    TempDir dir;
    const std::string lines = "--dia 1/4 --tpi 20\n"
                              "# a comment\n"
                              "--type M --dia 10 --pitch 1.5 --loe-group L\n"
                              "\n"
                              "--dia 1/4 --tpi 20 --class 7\n"
                              "--thread '1/2-13 UNC-2A' --fields limits\n"
                              "--dia=3/8 --tpi=24 --report thread\n";
    std::string text;
    while (text.size() < 64 * 1024)
        text += lines;
    text += std::string(kTextFileLimit + 1, 'x') + "\n--dia 1/4 --tpi 20"; // no end
    WriteTextFile(dir.file("big"), text);
    const std::string plcalc = "'" PL_BIN_DIR "/plcalc' --tables '" PL_TABLES_DIR "' --batch ";
    const auto run = [&](const std::string& how) {
        const std::string out =
            CommandOutput(plcalc + how + " 2>'" + dir.file("err") + "'; echo \"exit $?\"");
        return out + ReadTextFile(dir.file("err"));
    };
    const std::string fromFile = run("'" + dir.file("big") + "'");
    EXPECT_TRUE(fromFile == run("- < '" + dir.file("big") + "'")) << "the same bytes";
    EXPECT_NE(fromFile.find("\nexit 64\nplcalc: line 3: Long LOE"), std::string::npos);
    EXPECT_NE(
        fromFile.find("{\"line\":" + std::to_string(std::count(text.begin(), text.end(), '\n')) +
                      ",\"error\":\"plcalc: the line is longer than 1048576 bytes\""),
        std::string::npos);
    // Answers that cannot be written fail the batch, however it is answered.
    const auto unwritten = [&](const std::string& how) {
        return CommandOutput(plcalc + how + " 2>&1 >/dev/full; echo \"exit $?\"");
    };
    const std::string full = unwritten("'" + dir.file("big") + "'");
    EXPECT_TRUE(
        full.ends_with("plcalc: cannot write the output: No space left on device\nexit 3\n"));
    EXPECT_TRUE(full == unwritten("- < '" + dir.file("big") + "'"));
}

// Standard input, through the program itself: an all-good batch is exit 0.
TEST(PlcalcBatch, ReadsStandardInput) {
    const std::string out =
        CommandOutput("printf -- '--dia 1/4 --tpi 20\\n\\n--dia 3/8 --tpi 24\\n' | '" PL_BIN_DIR
                      "/plcalc' --tables '" PL_TABLES_DIR "' --batch -; echo \"exit $?\"");
    std::istringstream lines(out);
    std::string first, second, code;
    std::getline(lines, first);
    std::getline(lines, second);
    std::getline(lines, code);
    EXPECT_EQ(json::parse(first)["line"], 1) << out;
    EXPECT_EQ(json::parse(second)["name"], "3/8-24 UNF-2B  /  3/8-24 UNF-2A") << out;
    EXPECT_EQ(json::parse(second)["line"], 3) << out;
    EXPECT_EQ(code, "exit 0") << out;

    // A thread file through standard output and back; every message names plcalc.
    const std::string plcalc = "'" PL_BIN_DIR "/plcalc' --tables '" PL_TABLES_DIR "' ";
    EXPECT_EQ(
        CommandOutput(plcalc + "--thread '3/8-24 UNF' --save - | " + plcalc + "--open - | head -2"),
        "ANSI Table Data - standard input\n3/8-24 UNF-2B  /  3/8-24 UNF-2A\n");
    EXPECT_EQ(CommandOutput("echo '[MAIN]' | " + plcalc + "--open - 2>&1; " + plcalc +
                            "--dia x --tpi 20 2>&1"),
              "plcalc: standard input is not a thread file\n"
              "plcalc: Can not calculate. Invalid Nominal Diameter\n");
}

} // namespace
