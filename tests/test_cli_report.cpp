// plcalc --report/--pdf in-process: the PDF it writes (read back with
// poppler's pdfinfo and pdftotext), its usage errors and an unwritable file.
#include "cli/options.h"
#include "cli/run_cli.h"
#include "support/cli_run.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

const std::vector<std::string> kQuarterTwenty = {"--type", "UN", "--dia",   "1/4",
                                                 "--tpi",  "20", "--class", "2"};

std::vector<std::string> With(std::vector<std::string> args, std::vector<std::string> more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(PlcalcReport, WritesLetterSizePdfsOfBothReports) {
    if (!HaveTool("pdfinfo") || !HaveTool("pdftotext"))
        GTEST_SKIP() << "pdfinfo/pdftotext (poppler-utils) are not installed";
    TempDir dir;
    const struct {
        const char* report;
        const char* pages; // the thread report ends on the profile drawing's page
        std::vector<std::string> texts;
        std::vector<std::string> thread = kQuarterTwenty;
    } cases[] = {
        // What the thread reports hold is the report tests'; here the one asked for is written.
        {"thread", "2", {"Thread Dimensions Report", "Thread Profile and Tolerance Zones"}},
        {"gauge", "1", {"Gage Dimensions Report"}},
        {"setting", "1", {"Gage Setting Dimensions Report"}},
        // M10x1.5 6H: the GO plug's PD 9.0325 to 9.0435 (the band 125-200 um), in mm
        // also when the thread is shown in inches.
        {"iso1502",
         "1",
         {"ISO 1502 Gauge Report", "Dimensions in millimetres", "GO Plug", "9.0435", "9.0325",
          "Plugs: TD2 180"},
         {"--type", "M", "--dia", "10", "--pitch", "1.5", "--inch"}},
        {"certificate",
         "1",
         {"Calibration Certificate", "Uncertainty budget", "Verdict"},
         With(kQuarterTwenty, {"--calibrate", "GoPlug", "--readings", "0.25990,0.25994", "--u-wire",
                               "0.00002", "--u-reading", "0.00003"})},
    };
    // One version: the footer names the one --version prints.
    const std::string version = Plcalc({"--version"}).out;
    ASSERT_EQ(version.rfind("plcalc (Pitch Ledger) ", 0), 0u) << version;
    const std::string footer =
        "Pitch Ledger for Windows, ver " + version.substr(22, version.size() - 23);
    for (const auto& c : cases) {
        const std::string pdf = dir.file(std::string(c.report) + ".pdf");
        const CliRun r = Plcalc(With(c.thread, {"--report", c.report, "--pdf", pdf}));
        ASSERT_EQ(r.code, kExitOk) << c.report << ": " << r.err;
        EXPECT_EQ(r.out, "") << "the report replaces the text pages";
        const std::string info = CommandOutput("pdfinfo '" + pdf + "' 2>&1");
        EXPECT_NE(info.find("Page size:       612 x 792 pts (letter)"), std::string::npos) << info;
        EXPECT_NE(info.find(std::string("Pages:           ") + c.pages + "\n"), std::string::npos)
            << info;
        const std::string text = CommandOutput("pdftotext -layout '" + pdf + "' -");
        for (const std::string& t : c.texts)
            EXPECT_NE(text.find(t), std::string::npos) << c.report << ": " << t << "\n" << text;
        EXPECT_NE(text.find(footer + "\n"), std::string::npos) << footer << "\n" << text;
    }
}

class PlcalcReportRefuses : public testing::TestWithParam<DataRow> {};

TEST_P(PlcalcReportRefuses, BadOptionsAndUnwritableFiles) {
    const DataRow& c = GetParam();
    TempDir dir;
    const auto inDir = [&](std::string s) {
        for (std::size_t at; (at = s.find('@')) != std::string::npos;)
            s.replace(at, 1, dir.path().string());
        return s;
    };
    std::vector<std::string> args =
        c.Text("thread") == "ballmic"
            ? std::vector<std::string>{"--ballmic",   "--angle", "1.7899",      "--ball-dia", "0.5",
                                       "--plane-dia", "1",       "--plane-dis", "1"}
            : kQuarterTwenty;
    for (const std::string& arg : DataRow::Words(inDir(c.Text("args"))))
        args.push_back(arg);
    if (c.Text("args").ends_with("|")) args.push_back("");
    // No write bit for anyone: refused even for root, and kept as it was.
    WriteTextFile(dir.file("ro.pdf"), "old");
    std::filesystem::permissions(dir.file("ro.pdf"), std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::group_read);
    std::filesystem::remove("rptworks.prn");
    const CliRun r = Plcalc(args);
    EXPECT_EQ(r.code, c.Int("code"));
    EXPECT_NE(r.err.find(inDir(c.Text("message"))), std::string::npos) << r.err;
    if (r.code == kExitUsage) {
        EXPECT_TRUE(r.err.ends_with(std::string("\n") + kTryHelp + "\n")) << "the way to the help";
    }
    EXPECT_FALSE(std::filesystem::exists("rptworks.prn")) << "an empty name names no file";
    EXPECT_EQ(ReadTextFile(dir.file("ro.pdf")), "old");
}

DATA_ROWS(PlcalcReportRefuses, "plcalc_report_refusals");

// plcalc as a process of its own, through sh; the exit code and what it wrote.
CliRun PlcalcProcess(const std::string& shellPrefix, const std::string& args,
                     const std::string& redirect) {
    TempDir dir;
    const std::string command = shellPrefix + " exec '" PL_BIN_DIR "/plcalc' --tables '" +
                                PL_TABLES_DIR "' " + args + " " + redirect + " 2>'" +
                                dir.file("err") + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, "", ReadTextFile(dir.file("err"))};
}

// A write that fails midway (a file size limit stands in for a full disk)
// leaves the PDF that was there, and no temporary beside it; a link stays a link.
TEST(PlcalcReport, FailedWriteKeepsTheOldFile) {
    TempDir dir;
    const std::string pdf = dir.file("old.pdf");
    const std::string args = "--dia 1/4 --tpi 20 --report thread --pdf '" + pdf + "'";
    ASSERT_EQ(PlcalcProcess("", args, "").code, kExitOk);
    const std::string before = ReadTextFile(pdf);
    ASSERT_GT(before.size(), 8192u);
    const CliRun full = PlcalcProcess("trap '' XFSZ; ulimit -f 8;", args, "");
    EXPECT_EQ(full.code, kExitFileError) << full.err;
    EXPECT_NE(full.err.find("Can not write the report file " + pdf + ": the file was not written"),
              std::string::npos)
        << full.err;
    EXPECT_EQ(ReadTextFile(pdf), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);

    std::filesystem::create_symlink(pdf, dir.file("link.pdf"));
    const std::string viaLink = "--dia 1/4 --tpi 20 --report gauge --pdf '" + dir.file("link.pdf");
    ASSERT_EQ(PlcalcProcess("", viaLink + "'", "").code, kExitOk);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.pdf")));
    EXPECT_NE(ReadTextFile(pdf), before) << "the gauge report went through the link";
}

// A PDF report asks no print server: a socket named as the server counts the
// connections, each closed at once so that a client gives up quickly.
TEST(PlcalcReport, PdfAsksNoPrintServer) {
    TempDir dir;
    const std::string socketPath = dir.file("cups.sock");
    const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    ASSERT_GE(server, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), sizeof addr.sun_path);
    socketPath.copy(addr.sun_path, socketPath.size());
    ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ASSERT_EQ(::listen(server, 16), 0);
    std::atomic<bool> done{false};
    int asked = 0;
    std::thread listener([&] {
        for (pollfd p{server, POLLIN, 0}; !done || ::poll(&p, 1, 0) > 0;) {
            if (::poll(&p, 1, 10) <= 0) continue;
            const int c = ::accept(server, nullptr, nullptr);
            if (c >= 0) ++asked, ::close(c);
        }
    });
    const CliRun r =
        PlcalcProcess("export CUPS_SERVER='" + socketPath + "';",
                      "--dia 1/4 --tpi 20 --report thread --pdf '" + dir.file("t.pdf") + "'", "");
    done = true;
    listener.join();
    ::close(server);
    EXPECT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(asked, 0);
}

// Output that cannot be written is the file error, never a silent exit 0.
TEST(PlcalcReport, UnwritableStandardOutput) {
    const struct {
        const char *name, *redirect, *reason;
    } cases[] = {
        {"fullDevice", ">/dev/full", "No space left on device"},
        {"closed", ">&-", "Bad file descriptor"},
    };
    for (const auto& c : cases) {
        for (const char* args : {"--dia 1/4 --tpi 20", "--dia 1/4 --tpi 20 --json", "--help"}) {
            const CliRun r = PlcalcProcess("", args, c.redirect);
            EXPECT_EQ(r.code, kExitFileError) << c.name << " " << args;
            EXPECT_EQ(r.err, std::string("plcalc: cannot write the output: ") + c.reason + "\n")
                << c.name << " " << args;
        }
    }
    EXPECT_EQ(PlcalcProcess("", "--version", ">/dev/null").code, kExitOk);
}

class PlcalcPipeReports : public testing::TestWithParam<DataRow> {};

TEST_P(PlcalcPipeReports, OfTheirKinds) {
    const DataRow& c = GetParam();
    TempDir dir;
    const std::string pdf = dir.file("pipe.pdf");
    const CliRun r = Plcalc({"--type", "NPT", "--class", c.Text("kind"), "--size", c.Text("size"),
                             "--report", c.Text("report"), "--pdf", pdf});
    EXPECT_EQ(r.code, c.Int("code")) << r.err;
    if (r.code != kExitOk) {
        EXPECT_NE(r.err.find(c.Text("text")), std::string::npos) << r.err;
    } else if (HaveTool("pdftotext")) {
        const std::string text = CommandOutput("pdftotext -layout '" + pdf + "' -");
        EXPECT_NE(text.find(c.Text("text")), std::string::npos) << text;
    }
}

DATA_ROWS(PlcalcPipeReports, "plcalc_pipe_reports");

} // namespace
