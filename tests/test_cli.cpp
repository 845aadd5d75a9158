// plcalc end to end, in-process: options, messages, exit codes, the page texts
// of whole calculations against the published limits, and thread files.
#include "cli/run_cli.h"
#include "support/cli_run.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <tuple>

namespace {

// The cells of the first row starting with the label after the section line.
std::vector<std::string> Row(const std::string& text, const std::string& section,
                             const std::string& label)
{
    std::istringstream in(text.substr(text.find("\n" + section + "\n") + 1));
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(label, 0) != 0) continue;
        std::istringstream cells(line.substr(label.size()));
        std::vector<std::string> v;
        for (std::string c; cells >> c;) v.push_back(c);
        return v;
    }
    return {};
}

TEST(Plcalc, QuarterTwentyUncClass2ShowsThePublishedLimits)
{
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
        {"PD Max", {"0.2224", "0.2164"}},      {"PD Min", {"0.2175", "0.2127"}},
        {"Maj Dia Max", {"N/A", "0.2489"}},    {"Maj Dia Min", {"0.2500", "0.2408"}},
        {"Min Dia Max (Ref)", {"0.207"}},      {"Min Dia Min (Ref)", {"0.196"}},
        {"Lead", {"0.0500", "0.0500"}},        {"Wire Size", {"N/A", "0.02887"}},
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

    // A thread without a table row is calculated as UNS; the decimal diameter is
    // written as the window writes it: "%7.4f".
    const CliRun uns = Plcalc({"--dia", "0.3125", "--tpi", "40", "--json"});
    for (const char* key : {"\"caption\":\"Calculated Data - (Untitled)\"", "\"Series\":\"UNS\"",
                            "\"name\":\" 0.3125-40 UNS-2B  /   0.3125-40 UNS-2A\""})
        EXPECT_NE(uns.out.find(key), std::string::npos) << key;
}

TEST(Plcalc, RefusalsGiveTheWindowMessagesAndExitCodes)
{
    TempDir dir;
    WriteTextFile(dir.file("square.thd"),
                  "[MAIN]\nThd Type=SQUARE\nClass=2\nNom Dia=+0.250000\nTPI=+20.000000\n");
    const std::string none = dir.file("none.thd"), lost = dir.file("new/folder/x.thd");
    const struct {
        const char* name;
        std::vector<std::string> args;
        int code;
        std::string message; // start of stderr
    } cases[] = {
        {"mixedFraction", {"--dia", "1 1/4", "--tpi", "7"}, 2, "Invalid Nominal Diameter\n"},
        {"negativePitch", {"--dia", "1/4", "--tpi", "-20"}, 2,
         "Can not calculate. Invalid pitch value\n"},
        {"wireTooLarge", {"--dia", "1/4", "--tpi", "20", "--wire", "0.06"}, 2,
         "Invalid Wire Size!\n"},
        {"wireTooSmall", {"--dia", "1/4", "--tpi", "20", "--wire", "0.2mm"}, 2,
         "Invalid Wire Size!\n"},
        {"unjClass2", {"--type", "UNJ", "--dia", "1/4", "--tpi", "20", "--class", "2"}, 2,
         "UNJ Threads have no class 2 (classes: 3)\n"},
        {"unknownTypeInFile", {"--open", dir.file("square.thd")}, 2,
         "Unknown thread type: SQUARE\n"},
        {"missingFile", {"--open", none}, 3, "File: " + none + " Does not exist!\n"},
        // The last --tables wins over the shipped ones.
        {"missingTables", {"--tables", dir.path().string(), "--dia", "1/4", "--tpi", "20"}, 3,
         "File not found: " + dir.file("ansitbl.bin") + "\n"},
        // A thread file goes only into a folder that exists.
        {"saveIntoMissingFolder", {"--dia", "1/4", "--tpi", "20", "--save", lost}, 3,
         "Cannot write " + lost + ": "},
        // 1/4-20: wire range 0.0252591 to 0.0505181 in.
        {"pointDiaTooLarge", {"--dia", "1/4", "--tpi", "20", "--point-dia", "0.06"}, 2,
         "Special Pt. Dia is too large! Enter a smaller diameter\n"},
        {"pointDiaTooSmall", {"--dia", "1/4", "--tpi", "20", "--point-dia", "0.5mm"}, 2,
         "Special Pt. Dia is too small! Enter a larger diameter\n"},
        {"acmeSpecialPoint", {"--type", "ACME", "--dia", "1", "--tpi", "5", "--point-dia", "0.1"},
         2, "Only Tabled pnts are available: 0.1033, 0.1291\n"},
        // No point gauge sets a thread under 1/4 in: the point would go unused.
        {"pointOnSmallThread", {"--dia", "0.2", "--tpi", "40", "--point-dia", "0.02"}, 2,
         "A contact point is not used on this thread: the point gauges set threads of 1/4 in "
         "(internal threads 0.312 in) and over.\n"},
        {"pipePoint", {"--type", "NPT", "--size", "1/2", "--point-dia", "0.05"}, 64,
         "plcalc: --point-dia is not for pipe threads\n"},
        {"unknownOption", {"--diameter", "1/4"}, 64, "plcalc: unknown option --diameter\n"},
        {"missingValue", {"--dia"}, 64, "plcalc: missing value for --dia\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = Plcalc(c.args);
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.err.substr(0, c.message.size()), c.message);
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("new")));
}

TEST(Plcalc, SavedThreadReopensWithTheSameOutput)
{
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

    // A note on what the file asked for goes to stderr; the thread is shown.
    WriteTextFile(file, "[MAIN]\nThd Type=UNJ\nNom Dia=+0.250000\nTPI=+20.000000\n");
    const CliRun unj = Plcalc({"--open", file});
    EXPECT_EQ(unj.code, 0);
    EXPECT_EQ(unj.err, "No class given: Class 3 is used.\n");
    EXPECT_NE(unj.out.find("\n0.2500-20 UNJC-3B  /  0.2500-20 UNJC-3A\n"), std::string::npos);
}

// A thread or ball micrometer file is checked as typed input is, and so is
// what the options change in it: a cut or edited file is refused with the
// message of the value it lacks or holds (exit 2), never opened as another
// thread or taper.
TEST(Plcalc, OpenedFilesAreCheckedAsTypedInput)
{
    TempDir dir;
    const std::string quarter = "[MAIN]\nThd Type=UN\nClass=2\nNom Dia=+0.250000\n"
                                "Nom Dia Text=1/4\nTPI=+20.000000\n";
    // The worked taper: half angle 30, ball 0.5, plane diameter 2.0 at 1.0.
    const std::string taper = "[BALLMIC]\nAngle=+30.000000\nBallDia=+0.500000\n"
                              "PlaneDia=+2.000000\nPlaneDis=+1.000000\nApexDia=+0.000000\n"
                              "BallDis=+1.125000\nCalcMethod=1\nInternal=0\n";
    const auto with = [](std::string text, const std::string& key, const std::string& value) {
        const std::size_t at = text.find("\n" + key + "=") + 1;
        return text.replace(at, text.find('\n', at) - at, key + "=" + value);
    };
    const std::string incomplete = "Must complete the dialog box before continueing";
    const struct {
        const char *name, *file;
        std::string text;
        std::vector<std::string> more; // options after --open FILE
        int code;
        std::string message; // start of stderr; "@" stands for the file's path
    } cases[] = {
        // 1/4-20 cut after five lines opened as 1/4-8 UNS; [MAIN] with only a
        // type as "M 1 X 8" with negative pitch diameters.
        {"cutBeforeTPI", "cut.thd", quarter.substr(0, quarter.find("TPI=")), {}, 2,
         "@ is not a complete thread file: no TPI\n"},
        {"typeOnly", "m.thd", "[MAIN]\nThd Type=M\n", {}, 2,
         "@ is not a complete thread file: no Nom Dia\n"},
        {"pipeNeedsOnlyItsSize", "p.thd", "[MAIN]\nThd Type=NPT\nClass=NPT\nNom Dia=+0.500000\n",
         {}, 0, ""},
        {"sevenStarts", "s7.thd", quarter + "Starts=7\n", {}, 2, "Invalid number of starts: 7\n"},
        {"angle95", "a95.bm", with(taper, "Angle", "+95.000000"), {"--ballmic"}, 2,
         "The half angle must be less than 90 degrees"},
        {"planeDiaMinus5", "pd.bm", with(taper, "PlaneDia", "-5"), {"--ballmic"}, 2, incomplete},
        {"goodTaperWithAngle95", "good.bm", taper, {"--ballmic", "--angle", "95"}, 2,
         "The half angle must be less than 90 degrees"},
        {"goodTaper", "good.bm", taper, {"--ballmic"}, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.file(c.file);
        WriteTextFile(path, c.text);
        std::vector<std::string> args = {"--open", path, "--save", dir.file("saved")};
        args.insert(args.end(), c.more.begin(), c.more.end());
        std::filesystem::remove(dir.file("saved"));
        const CliRun r = Plcalc(args);
        EXPECT_EQ(r.code, c.code) << r.err;
        const std::string message =
            c.message.starts_with("@") ? path + c.message.substr(1) : c.message;
        EXPECT_EQ(r.err.substr(0, message.size()), message);
        // Nothing refused is saved.
        EXPECT_EQ(std::filesystem::exists(dir.file("saved")), c.code == 0);
    }
}

// A settings file that is there but cannot be read stops plcalc: the shipped
// tables must not stand in for the user's unnoticed.
TEST(Plcalc, UnreadableSettingsAreReported)
{
    TempDir dir;
    const char* before = std::getenv("XDG_CONFIG_HOME"); // ctest sets one
    const std::string keep = before ? before : "";
    ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    std::filesystem::create_directories(dir.file("PitchLedger/PLUSER.INI"));
    const CliRun r = Plcalc({"--dia", "1/4", "--tpi", "20"});
    ::setenv("XDG_CONFIG_HOME", keep.c_str(), 1);
    // A folder in its place reads as the runtime reads one: access denied.
    EXPECT_EQ(std::tuple(r.code, r.out, r.err),
              std::tuple(3, std::string(), "plcalc: cannot read the settings: File access denied: " +
                                               dir.file("PitchLedger/PLUSER.INI") + "\n"));
}

// The gauge-setting section, a special point and its thread file.
TEST(Plcalc, GaugeSettingSectionAndSpecialPoint)
{
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

TEST(Plcalc, HelpAndVersion)
{
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"--help"}, out, err), 0);
    for (const char* text : {"Usage: plcalc", "ACME", "STUB", "SAM1", "SAM2", "BUTT",
                             "ACME: 2G, 3G, 4G or 5G", "SAM2: 2G, 3G or 4G", "BUTT: 2 or 3",
                             "--size TEXT", "--point-dia D"})
        EXPECT_NE(out.str().find(text), std::string::npos) << text;
    std::ostringstream vout;
    EXPECT_EQ(runCli({"--version"}, vout, err), 0);
    EXPECT_EQ(vout.str().rfind("plcalc (Pitch Ledger) 5.", 0), 0u);
}

// Values no user means, typed or pasted, end in the program's message and exit 2:
// nothing is calculated from a non-finite or absurd value.
TEST(Plcalc, HostileAndAbsurdValuesAreRefused)
{
    const std::string dia = "Can not calculate. Invalid Nominal Diameter\n";
    const std::string pitch = "Can not calculate. Invalid pitch value\n";
    const std::string loe = "Can not calculate. Invalid length of engagement\n";
    const std::string coating = "Can not calculate. Invalid coating thickness\n";
    const std::string thick = "Can not calculate. The coating is too thick: ";
    const std::string starts = "Invalid number of starts: ";
    const std::string wire = "Invalid Wire Size!\n";
    const std::string isoPitch =
        "Can not calculate. ISO 965-1 gives tolerances for pitches of 0.2 to 8 mm\n";
    const std::string isoDia =
        "Can not calculate. ISO 965-1 gives tolerances for diameters over 0.99 up to 355 mm\n";
    const std::string coarse = "Can not calculate: the pitch is too coarse for this diameter\n";
    const std::string fine = "Can not calculate: the pitch is too fine for this diameter: ";
    const std::vector<std::string> hostile = {
        "", std::string(1 << 20, '1'), "nan", "inf", "1e308", "0x10", "1/0", "#-1", "\xC2\xBD"};
    const std::vector<std::string> quarter = {"--dia", "1/4", "--tpi", "20"};
    struct Case {
        std::string name;
        std::vector<std::string> args;
        std::string message; // start of stderr
    };
    std::vector<Case> cases;
    for (std::size_t i = 0; i < hostile.size(); ++i) {
        const std::string& v = hostile[i];
        const std::string n = "#" + std::to_string(i);
        // A fraction that is no fraction has the shorter message of the page.
        cases.push_back({"dia" + n, {"--dia", v, "--tpi", "20"}, v == "1/0" ? dia.substr(19) : dia});
        cases.push_back({"tpi" + n, {"--dia", "1/4", "--tpi", v}, pitch});
        cases.push_back({"pitch" + n, {"--type", "M", "--dia", "10", "--pitch", v}, pitch});
        for (const auto& [opt, msg] : {std::pair{"--loe", loe}, {"--coating", coating},
                                       {"--wire", wire}, {"--starts", starts}}) {
            std::vector<std::string> args = quarter;
            args.insert(args.end(), {opt, v});
            // 1e308 parses: the coating is then too thick for any flank.
            cases.push_back({opt + n, args, opt == std::string("--coating") && v == "1e308"
                                                 ? thick : msg});
        }
    }
    // The ranges: 0 < tpi <= 200, 0 < pitch <= 50 mm, 0 < diameter <= 100 in
    // (2500 mm), 0 < engagement <= 100 diameters; a coating leaves a flank.
    const std::vector<Case> absurd = {
        {"tpiPastTheFloat", {"--dia", "1/4", "--tpi", "1e39"}, pitch},
        {"tpi201", {"--dia", "1/4", "--tpi", "201"}, pitch},
        {"pitch51mm", {"--type", "M", "--dia", "100", "--pitch", "51"}, pitch},
        {"dia101in", {"--dia", "101", "--tpi", "4"}, dia},
        {"dia2501mm", {"--type", "M", "--dia", "2501", "--pitch", "6"}, dia},
        // 100 x 0.25 in = 25 in.
        {"loe25.1", {"--dia", "1/4", "--tpi", "20", "--loe", "25.1"}, loe},
        // 1/4-20 2B: PD max 0.2224 + 4t reaches the major 0.25 + 2t from t = 0.0138.
        {"coating0.1", {"--dia", "1/4", "--tpi", "20", "--coating", "0.1"}, thick},
        {"starts1e300", {"--dia", "1/4", "--tpi", "20", "--starts", "1e300"}, starts},
        {"starts2.5", {"--dia", "1/4", "--tpi", "20", "--starts", "2.5"}, starts},
        // ISO 965-1 tabulates diameters over 0.99 up to 355 mm, pitches 0.2 to 8 mm:
        // M10 x 0.02 gave a major diameter min above its max.
        {"isoPitch0.02mm", {"--type", "M", "--dia", "10", "--pitch", "0.02"}, isoPitch},
        {"isoPitch9mm", {"--type", "MJ", "--dia", "100", "--pitch", "9"}, isoPitch},
        {"isoDia0.99mm", {"--type", "M", "--dia", "0.99", "--pitch", "0.2"}, isoDia},
        {"isoDia356mm", {"--type", "M", "--dia", "356", "--pitch", "6"}, isoDia},
        // In range each, together no thread: 0.01-1 gave PD max -0.6136; the
        // 100-200 external minor lay above its pitch diameter.
        {"pitchTooCoarse", {"--dia", "0.01", "--tpi", "1"}, coarse},
        {"diameterOfNothing", {"--dia", "1e-300", "--tpi", "20"}, coarse},
        {"pitchTooFine", {"--dia", "100", "--tpi", "200"}, fine},
        {"walkedToNothing", {"--dia", "1/4", "--tpi", "20", "--new-pd", "ext-max=0.0001"},
         "Can not "},
    };
    cases.insert(cases.end(), absurd.begin(), absurd.end());
    TempDir dir;
    WriteTextFile(dir.file("z.thd"), "[MAIN]\nThd Type=UN\nClass=2\nNom Dia=+0.5\nTPI=+0.0\n");
    cases.push_back({"fileZeroTPI", {"--open", dir.file("z.thd")}, pitch});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = Plcalc(c.args);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.err.substr(0, c.message.size()), c.message);
        EXPECT_EQ(r.out, "");
    }
    // The largest values in range are still calculated.
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--dia", "1/4", "--tpi", "20", "--loe", "25"},
             {"--type", "M", "--dia", "355", "--pitch", "8"},
             {"--type", "M", "--dia", "1", "--pitch", "0.2"}}) {
        const CliRun r = Plcalc(args);
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out.find("inf"), std::string::npos);
    }
}

} // namespace
