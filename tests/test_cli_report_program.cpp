// plcalc hands the command lines that write a report to plcalc-report, and the
// register's to plcalc-register, looked for beside it and then in
// ../libexec/pitchledger/.
#include "cli/report_dispatch.h"
#include "cli/run_cli.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

TEST(PlcalcReportProgram, OnlyReportsNeedIt) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        bool needed;
    } cases[] = {
        {"plain", {"--dia", "1/4", "--tpi", "20", "--json"}, false},
        {"thread report", {"--dia", "1/4", "--report", "thread", "--pdf", "a.pdf"}, true},
        {"ball micrometer report", {"--ballmic", "--report", "ballmic", "--pdf", "a.pdf"}, true},
        {"report without pdf", {"--report", "thread"}, true},
        {"joined values", {"--dia=1/4", "--report=thread", "--pdf=-"}, true},
        {"joined profile", {"--profile-svg=-"}, true},
        {"pdf alone", {"--pdf", "a.pdf"}, false},
        {"batch", {"--batch", "-"}, false},
        {"help", {"--help"}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NeedsReportProgram(c.args), c.needed) << c.name;
}

// plcalc copied away from its report program, then given one in libexec.
TEST(PlcalcReportProgram, FoundBesideOrInLibexecElseNamedAsMissing) {
    TempDir dir;
    fs::create_directories(dir.path() / "bin");
    fs::copy_file(PL_BIN_DIR "/plcalc", dir.path() / "bin" / "plcalc");
    const std::string libexec = dir.file("libexec/pitchledger/plcalc-report");
    const std::string run = "'" + dir.file("bin/plcalc") +
                            "' --tables '" PL_TABLES_DIR
                            "' --dia 1/4 --tpi 20 --report thread --pdf '" +
                            dir.file("a.pdf") + "' 2>&1; echo \"exit $?\"";
    const std::string missing = "plcalc: the report program is missing: " + libexec + "\nexit 3\n";
    EXPECT_EQ(CommandOutput(run), missing);

    // The register's commands have a program of their own, named the same way.
    EXPECT_EQ(CommandOutput("'" + dir.file("bin/plcalc") + "' --register list --db '" +
                            dir.file("r.sqlite") + "' 2>&1; echo \"exit $?\""),
              "plcalc: the register program is missing: " +
                  dir.file("libexec/pitchledger/plcalc-register") + "\nexit 3\n");

    WriteTextFile(dir.file("bin/plcalc-report"), "not a program");
    EXPECT_EQ(CommandOutput(run), missing) << "a file beside it that cannot run";

    fs::create_directories(fs::path(libexec).parent_path());
    fs::create_symlink(PL_BIN_DIR "/plcalc-report", libexec);
    EXPECT_EQ(CommandOutput(run), "exit 0\n");
    EXPECT_TRUE(fs::is_regular_file(dir.file("a.pdf")));
    // Standard output takes the report, and nothing else.
    EXPECT_EQ(CommandOutput("'" + dir.file("bin/plcalc") +
                            "' --tables '" PL_TABLES_DIR
                            "' --dia=1/4 --tpi=20 --report=thread --pdf - | head -c 5"),
              "%PDF-");
}

} // namespace
