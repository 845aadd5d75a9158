// plcalc end to end, in-process: options, messages, exit codes, the page texts
// of whole calculations against the published limits, and thread files.
#include "cli/exit_codes.h"
#include "cli/options.h"
#include "cli/run_cli.h"
#include "register/register_record.h"
#include "support/cli_run.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <tuple>

namespace {

// The cells of the first row starting with the label after the section line.
std::vector<std::string> Row(const std::string& text, const std::string& section,
                             const std::string& label) {
    std::istringstream in(text.substr(text.find("\n" + section + "\n") + 1));
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(label, 0) != 0) continue;
        std::istringstream cells(line.substr(label.size()));
        std::vector<std::string> v;
        for (std::string c; cells >> c;)
            v.push_back(c);
        return v;
    }
    return {};
}

TEST(Plcalc, QuarterTwentyUncClass2ShowsThePublishedLimits) {
    const CliRun r = Plcalc({"--type", "UN", "--dia", "1/4", "--tpi", "20", "--class", "2"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("ANSI Table Data - (Untitled)\n1/4-20 UNC-2B  /  1/4-20 UNC-2A\n", 0),
              0u);
    // ASME B1.1 1/4-20 UNC: 2B PD 0.2175/0.2224, minor 0.196/0.207; 2A PD
    // 0.2164/0.2127, major 0.2489/0.2408; best wire 0.57735 x 0.05 = 0.0288675.
    // Cells: internal, external (the external minor is not checked).
    using Cells = std::vector<std::string>;
    const struct {
        const char* label;
        Cells cells;
    } rows[] = {
        {"PD Max", {"0.2224", "0.2164"}},   {"PD Min", {"0.2175", "0.2127"}},
        {"Maj Dia Max", {"N/A", "0.2489"}}, {"Maj Dia Min", {"0.2500", "0.2408"}},
        {"Min Dia Max (Ref)", {"0.207"}},   {"Min Dia Min (Ref)", {"0.196"}},
        {"Lead", {"0.0500", "0.0500"}},     {"Wire Size", {"N/A", "0.02887"}},
    };
    for (const auto& row : rows) {
        Cells cells = Row(r.out, "Thread Dim.", row.label);
        cells.resize(row.cells.size());
        EXPECT_EQ(cells, row.cells) << row.label;
    }
    // The GO ring at the external PD max, the GO plug at the internal PD min.
    // Cells: GO size, its tolerance, NOT GO size, its tolerance.
    const Cells ring = Row(r.out, "Ring Gage", "Pitch Dia");
    const Cells plug = Row(r.out, "Plug Gage", "Pitch Dia");
    EXPECT_EQ(Cells({ring.at(0), ring.at(2), plug.at(0), plug.at(2)}),
              Cells({"0.2164", "0.2127", "0.2175", "0.2224"}));
    // B1.2 class X: PD 0.0003 at 20 tpi. No class W table ships, so the set
    // plugs show their sizes and one line instead of N/A tolerances.
    EXPECT_EQ(ring.at(1), "-0.0003");
    EXPECT_EQ(Row(r.out, "Set Plug", "Pitch Dia"), Cells({"0.2164", "0.2127"}));
    const std::string note = "no class W gauge tolerance table for this thread; class X has one";
    EXPECT_EQ(r.out.find(note), r.out.rfind(note)) << "one line";
    EXPECT_GT(r.out.find(note), r.out.find("\nSet Plug\n"));
    EXPECT_EQ(Plcalc({"--dia", "1/4", "--tpi", "20", "--classx"}).out.find(note),
              std::string::npos);

    // 0.2224 in x 25.4 = 5.64896 mm, 0.2164 in = 5.49656 mm: one decimal fewer.
    const CliRun mm = Plcalc({"--dia", "1/4", "--tpi", "20", "--mm"});
    EXPECT_EQ(Row(mm.out, "Thread Dim.", "PD Max"), Cells({"5.649", "5.497"}));
}

// What plcalc refuses (tests/data/plcalc_refusals.csv): the program's message
// and exit code (the rules of the values are the layers' that own them),
// nothing on standard output and nothing saved.
class PlcalcRefuses : public testing::TestWithParam<DataRow> {};

TEST_P(PlcalcRefuses, WithTheWindowMessagesAndExitCodes) {
    const DataRow& c = GetParam();
    TempDir dir;
    WriteTextFile(dir.file("square.thd"),
                  "[MAIN]\nThd Type=SQUARE\nClass=2\nNom Dia=+0.250000\nTPI=+20.000000\n");
    WriteTextFile(dir.file("z.thd"), "[MAIN]\nThd Type=UN\nClass=2\nNom Dia=+0.5\nTPI=+0.0\n");
    WriteTextFile(dir.file("thread.thd"), "[MAIN]\nThd Type=UN\n");
    const auto inDir = [&](std::string s) {
        for (std::size_t at; (at = s.find('@')) != std::string::npos;)
            s.replace(at, 1, dir.path().string());
        return s;
    };
    const CliRun r = Plcalc(DataRow::Words(inDir(c.Text("args"))));
    EXPECT_EQ(r.code, c.Int("code"));
    const std::string message = inDir(c.Text("message"));
    if (message.starts_with("*")) {
        EXPECT_NE(r.err.find(message.substr(1)), std::string::npos) << r.err;
    } else {
        EXPECT_EQ(r.err.substr(0, message.size()), message);
    }
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(std::filesystem::exists(dir.file("new")));
}

DATA_ROWS(PlcalcRefuses, "plcalc_refusals");

// Other spellings of a command line give what their long forms give
// (tests/data/plcalc_same_runs.csv).
class PlcalcSameAs : public testing::TestWithParam<DataRow> {};

TEST_P(PlcalcSameAs, TheLongForm) {
    TempDir dir;
    const std::string file = dir.file("q.thd");
    ASSERT_EQ(Plcalc({"--dia", "1/4", "--tpi", "20", "--save", file}).code, 0);
    const auto run = [&](std::string joined) {
        for (std::size_t at; (at = joined.find('@')) != std::string::npos;)
            joined.replace(at, 1, file);
        std::vector<std::string> args = DataRow::Words(joined);
        args.insert(args.begin(), "--json");
        return Plcalc(args);
    };
    const CliRun a = run(GetParam().Text("args")), b = run(GetParam().Text("same"));
    EXPECT_EQ(a.code, 0) << a.err;
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(a.err, b.err);
}

DATA_ROWS(PlcalcSameAs, "plcalc_same_runs");

// A mixed number is the decimal it names, shown as typed; --fields writes the
// asked keys as the whole object holds them, and no other.
TEST(Plcalc, MixedNumberAndFields) {
    const nlohmann::json mixed =
        nlohmann::json::parse(Plcalc({"--dia", "1 1/4", "--tpi", "7", "--json"}).out);
    const nlohmann::json decimal =
        nlohmann::json::parse(Plcalc({"--dia", "1.25", "--tpi", "7", "--json"}).out);
    EXPECT_EQ(mixed["members"], decimal["members"]);
    EXPECT_EQ(mixed["name"], "1 1/4-7 UNC-2B  /  1 1/4-7 UNC-2A");

    const nlohmann::json whole = nlohmann::json::parse(Plcalc({"--thread", "M10", "--json"}).out);
    const CliRun some =
        Plcalc({"--thread", "M10", "--json", "--fields", "limits,name,record.NomDia"});
    nlohmann::json expected;
    for (const char* m : {"ExtThd", "IntThd"})
        for (const char* d : {"PD", "Major", "Minor"})
            for (const char* l : {"Max", "Min"})
                expected["members"][m][d][l] = whole["members"][m][d][l];
    expected["members"]["unit"] = "mm";
    expected["name"] = whole["name"];
    expected["record"]["NomDia"] = whole["record"]["NomDia"];
    EXPECT_EQ(nlohmann::json::parse(some.out), expected);
    EXPECT_EQ(Plcalc({"--thread", "M10", "--json", "--fields", "members.ExtThd.Nothing"}).err,
              "plcalc: warning: --fields members.ExtThd.Nothing: no such key in this output\n");
}

// The register's commands on a scratch register: a gauge added, or imported, is
// listed, due (never calibrated: today) and exported, one JSON line each; a
// serial taken is refused. Without --db the register is under $XDG_DATA_HOME.
TEST(Plcalc, RegisterCommands) {
    TempDir dir;
    const auto run = [&](std::vector<std::string> args) {
        args.push_back("--db=" + dir.file("r.sqlite"));
        return Plcalc(args);
    };
    const std::vector<std::string> add = {"--register", "add",           "--serial", "A1",
                                          "--thread",   "1/4-20 UNC-2A", "--member", "GoSetPlug",
                                          "--interval", "365",           "--owner",  "QA"};
    const CliRun added = run(add);
    ASSERT_EQ(added.code, 0) << added.err;
    const nlohmann::json a = nlohmann::json::parse(added.out);
    EXPECT_EQ(a["serial"], "A1");
    EXPECT_EQ(a["class"], "W");
    EXPECT_EQ(a["due"], IsoDateText(Today()));
    EXPECT_EQ(run(add).code, kExitInvalidInput);
    // The gauges of an M thread are ISO 1502's, not of the inch classes.
    const CliRun iso = run({"--register", "add", "--serial", "C3", "--thread", "M10x1.5-6g",
                            "--member", "GoRing", "--interval", "90"});
    ASSERT_EQ(iso.code, 0) << iso.err;
    EXPECT_EQ(nlohmann::json::parse(iso.out)["class"], "ISO 1502");
    WriteTextFile(dir.file("g.csv"),
                  "serial,thread,member,interval\r\nB2,M10x1.5-6H,NoGoPlug,30\r\n");
    EXPECT_EQ(run({"--register", "import", dir.file("g.csv")}).out, "{\"imported\":1}\n");
    const CliRun due = run({"--register=due", "--within=30"});
    EXPECT_EQ(due.code, 0) << due.err;
    EXPECT_EQ(due.out, run({"--register", "list"}).out);
    EXPECT_EQ(due.out.substr(0, due.out.find('\n')), added.out.substr(0, added.out.size() - 1));
    EXPECT_NE(due.out.find("\n{\"serial\":\"B2\""), std::string::npos) << due.out;
    EXPECT_EQ(run({"--register", "history", "--serial", "A1"}).out, "");
    const std::string exported = run({"--register", "export"}).out;
    EXPECT_EQ(std::count(exported.begin(), exported.end(), '\n'), 3) << exported;
    // The gauge's thread comes back from the register as the same thread.
    std::istringstream lines(exported);
    for (std::string line; std::getline(lines, line);)
        if (const nlohmann::json g = nlohmann::json::parse(line); g["serial"] == "A1")
            WriteTextFile(dir.file("a1.thd"), g["thread_file"]);
    const CliRun reopened = Plcalc({"--open", dir.file("a1.thd"), "--json", "--fields", "limits"});
    ASSERT_EQ(reopened.code, 0) << reopened.err;
    EXPECT_EQ(reopened.out,
              Plcalc({"--thread", "1/4-20 UNC-2A", "--json", "--fields", "limits"}).out);

    ::setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
    EXPECT_EQ(Plcalc({"--register", "list"}).code, 0);
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(std::filesystem::exists(dir.file("PitchLedger/gauges.sqlite")));
}

TEST(Plcalc, SavedThreadReopensWithTheSameOutput) {
    TempDir dir;
    const std::string file = dir.file("half.thd");
    const CliRun saved = Plcalc({"--dia", "1/4", "--tpi", "20", "--starts", "2", "--coating",
                                 "0.0003", "--classx", "--wire", "0.03in", "--save", file});
    ASSERT_EQ(saved.code, 0) << saved.err;
    // The file's class X holds without --classx.
    const CliRun opened = Plcalc({"--open", file});
    ASSERT_EQ(opened.code, 0) << opened.err;
    EXPECT_EQ(opened.out, saved.out);
    EXPECT_EQ(opened.err, "");
    EXPECT_LT(opened.out.find(" - half.thd\n"), opened.out.find('\n')) << opened.out;
}

// tests/data/plcalc_opened_files.csv: a file opened is checked as typed input is.
class PlcalcOpens : public testing::TestWithParam<DataRow> {};

TEST_P(PlcalcOpens, FilesCheckedAsTypedInput) {
    const DataRow& c = GetParam();
    TempDir dir;
    const std::string path = dir.file(c.Text("file"));
    WriteTextFile(path, c.Text("text"));
    std::vector<std::string> args = {"--open", path, "--save", dir.file("saved")};
    for (const std::string& more : c.List("more"))
        args.push_back(more);
    const CliRun r = Plcalc(args);
    EXPECT_EQ(r.code, c.Int("code")) << r.err;
    std::string message = c.Text("message");
    if (message.starts_with("@")) message.replace(0, 1, path);
    EXPECT_EQ(r.err.substr(0, message.size()), message);
    EXPECT_EQ(std::filesystem::exists(dir.file("saved")), r.code == 0);
}

DATA_ROWS(PlcalcOpens, "plcalc_opened_files");

// A settings file that is there but cannot be read stops plcalc: the shipped
// tables must not stand in for the user's unnoticed.
TEST(Plcalc, UnreadableSettingsAreReported) {
    TempDir dir;
    const char* before = std::getenv("XDG_CONFIG_HOME"); // ctest sets one
    const std::string keep = before ? before : "";
    ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    std::filesystem::create_directories(dir.file("PitchLedger/PLUSER.INI"));
    const CliRun r = Plcalc({"--dia", "1/4", "--tpi", "20"});
    ::setenv("XDG_CONFIG_HOME", keep.c_str(), 1);
    // A folder in its place reads as the runtime reads one: access denied.
    EXPECT_EQ(std::tuple(r.code, r.out, r.err),
              std::tuple(3, std::string(),
                         "plcalc: cannot read the settings: File access denied: " +
                             dir.file("PitchLedger/PLUSER.INI") + "\n"));
}

// The gauge-setting section, a special point and its thread file.
TEST(Plcalc, GaugeSettingSectionAndSpecialPoint) {
    TempDir dir;
    const std::string file = dir.file("pt.thd");
    const CliRun r = Plcalc({"--dia", "3/4", "--tpi", "10", "--point-dia", "0.06", "--save", file});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    using Cells = std::vector<std::string>;
    EXPECT_EQ(Row(r.out, "Gauge Setting", "Gage:"), (Cells{"QSP-2000", "QSR-3000"}));
    EXPECT_EQ(Row(r.out, "Gauge Setting", "Point #:"), (Cells{"SPECIAL", "SPECIAL"}));
    EXPECT_EQ(Row(r.out, "Gauge Setting", "Point Dia:"), (Cells{"0.0600\"", "0.0600\""}));
    // A small gauge is not set on a V standard.
    EXPECT_EQ(Row(r.out, "Gauge Setting", "Setting to V Std:"), (Cells{"N/A", "N/A"}));
    const CliRun opened = Plcalc({"--open", file});
    ASSERT_EQ(opened.code, 0) << opened.err;
    EXPECT_EQ(opened.out.substr(opened.out.find("\nGauge Setting\n")),
              r.out.substr(r.out.find("\nGauge Setting\n")));

    // For several starts the line that says why, instead of the settings.
    const std::string twoStarts = Plcalc({"--dia", "3/4", "--tpi", "10", "--starts", "2"}).out;
    EXPECT_EQ(twoStarts.substr(twoStarts.find("\nGauge Setting\n")),
              "\nGauge Setting\ngauge setting is worked out for single-start threads only\n");
}

TEST(Plcalc, HelpAndVersion) {
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"--help"}, out, err), 0);
    for (const char* text :
         {"Usage: plcalc", "ACME", "STUB", "SAM1", "SAM2", "BUTT", "ACME: 2G, 3G, 4G or 5G",
          "SAM2: 2G, 3G or 4G", "BUTT: 2 or 3", "--size TEXT", "--point-dia D"})
        EXPECT_NE(out.str().find(text), std::string::npos) << text;
    // The bash completion offers what --help names; an option that two modes
    // share takes a value in both or in neither.
    std::map<std::string_view, bool> takesValue;
    for (const CliMode mode :
         {CliMode::Thread, CliMode::SetDim, CliMode::BallMic, CliMode::Identify, CliMode::Batch})
        for (const CliOption& option : OptionTable(mode)) {
            if (option.name.empty()) continue;
            EXPECT_NE(out.str().find(option.name), std::string::npos) << option.name;
            const auto [it, first] = takesValue.emplace(option.name, !option.value.empty());
            EXPECT_TRUE(first || it->second == !option.value.empty()) << option.name;
        }
    std::ostringstream none, noneErr;
    EXPECT_EQ(runCli({}, none, noneErr), kExitUsage);
    EXPECT_EQ(noneErr.str().rfind("Usage: plcalc [options] [FILE.thd | FILE.bm | FILE.cal]\n", 0),
              0u);
    EXPECT_EQ(none.str(), "");
    std::ostringstream vout;
    EXPECT_EQ(runCli({"--version"}, vout, err), 0);
    EXPECT_EQ(vout.str().rfind("plcalc (Pitch Ledger) 5.", 0), 0u);
}

} // namespace
