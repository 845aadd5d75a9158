// plcalc end to end, in-process: options, messages, exit codes, the page texts
// of whole calculations against the published limits, and thread files.
#include "cli/options.h"
#include "cli/run_cli.h"
#include "support/cli_run.h"
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

// What plcalc refuses, by option and mode: the program's message and exit 2 (the
// rules of the values are the layers' that own them), file errors 3, usage
// errors 64, nothing on standard output. A message starting "*" is found
// anywhere in stderr, else stderr starts with it.
TEST(Plcalc, RefusalsGiveTheWindowMessagesAndExitCodes) {
    TempDir dir;
    WriteTextFile(dir.file("square.thd"),
                  "[MAIN]\nThd Type=SQUARE\nClass=2\nNom Dia=+0.250000\nTPI=+20.000000\n");
    WriteTextFile(dir.file("z.thd"), "[MAIN]\nThd Type=UN\nClass=2\nNom Dia=+0.5\nTPI=+0.0\n");
    WriteTextFile(dir.file("thread.thd"), "[MAIN]\nThd Type=UN\n");
    const std::string none = dir.file("none.thd"), lost = dir.file("new/folder/x.thd");
    const std::string pitch = "Can not calculate. Invalid pitch value\n";
    const auto with = [](std::vector<std::string> head, const std::vector<std::string>& more) {
        head.insert(head.end(), more.begin(), more.end());
        return head;
    };
    const auto quarter = [&](const std::vector<std::string>& more) {
        return with({"--dia", "1/4", "--tpi", "20"}, more);
    };
    const auto m10 = [&](const std::vector<std::string>& more) {
        return with({"--type", "M", "--dia", "10", "--pitch", "1.5"}, more);
    };
    const auto npt = [&](const std::vector<std::string>& more) {
        return with({"--type", "NPT"}, more);
    };
    // The worked taper of the ball micrometer: half angle 30, ball 0.5, plane 2.0 at 1.0.
    const auto taper = [&](const std::vector<std::string>& more) {
        return with({"--ballmic", "--angle", "30", "--ball-dia", "0.5", "--plane-dia", "2.0",
                     "--plane-dis", "1.0", "--method", "1"},
                    more);
    };
    const auto identify = [&](const std::vector<std::string>& more) {
        return with({"--identify"}, more);
    };
    const std::string nptr = "1/2, 3/4, 1, 1 1/4, 1 1/2, 2, 2 1/2, 3, 3 1/2, 4";
    const struct {
        const char* name;
        std::vector<std::string> args;
        int code;
        std::string message;
    } cases[] = {
        // Typed values of a thread.
        {"improperMixedNumber", {"--dia", "1 5/4", "--tpi", "7"}, 2, "Invalid Nominal Diameter\n"},
        // A designation: the part not understood, or what the standard says instead.
        {"designationUnread",
         {"--thread", "1/4-20 UNQ"},
         2,
         "Can not read the thread designation \"1/4-20 UNQ\": UNQ is no thread series\n"},
        {"designationSeries", {"--thread", "1/4-28 UNC-2A"}, 2, "1/4-28 is UNF, not UNC\n"},
        {"designationPipePitch",
         {"--thread", "1/2-18 NPT"},
         2,
         "1/2 NPT has 14 threads per inch, not 18\n"},
        {"diaNotANumber",
         {"--dia", "nan", "--tpi", "20"},
         2,
         "Can not calculate. Invalid Nominal Diameter\n"},
        {"negativePitch", {"--dia", "1/4", "--tpi", "-20"}, 2, pitch},
        {"metricPitchInfinite", {"--type", "M", "--dia", "10", "--pitch", "inf"}, 2, pitch},
        {"engagementHex", quarter({"--loe", "0x10"}), 2,
         "Can not calculate. Invalid length of engagement\n"},
        {"coatingSigned", quarter({"--coating", "#-1"}), 2,
         "Can not calculate. Invalid coating thickness\n"},
        {"coatingTooThick", quarter({"--coating", "0.1"}), 2,
         "Can not calculate. The coating is too thick: "},
        {"startsNoFraction", quarter({"--starts", "1/0"}), 2, "Invalid number of starts: 1/0\n"},
        {"isoRange",
         {"--type", "MJ", "--dia", "100", "--pitch", "9"},
         2,
         "Can not calculate. ISO 965-1 gives tolerances for pitches of 0.2 to 8 mm\n"},
        {"pitchTooCoarse",
         {"--dia", "0.01", "--tpi", "1"},
         2,
         "Can not calculate: the pitch is too coarse for this diameter\n"},
        {"wireTooLarge", quarter({"--wire", "0.06"}), 2, "Invalid Wire Size!\n"},
        {"wireNotANumber", quarter({"--wire", "\xC2\xBD"}), 2, "Invalid Wire Size!\n"},
        // 1/4-20: wire range 0.0252591 to 0.0505181 in.
        {"pointDiaTooLarge", quarter({"--point-dia", "0.06"}), 2,
         "Special Pt. Dia is too large! Enter a smaller diameter\n"},
        {"acmeUnifiedClass",
         {"--type", "ACME", "--dia", "1", "--tpi", "5", "--class", "2"},
         2,
         "ACME Threads have no class 2 (classes: 2G, 3G, 4G, 5G)\n"},
        {"metricClass", m10({"--ext-tol", "6k"}), 2,
         "Invalid external tolerance class \"6k\": the pitch diameter position must be e, f, g "
         "or h\n"},
        {"metricGroup", m10({"--loe-group", "X"}), 2, "Invalid engagement group: X (S, N or L)\n"},
        // Files.
        {"unknownTypeInFile",
         {"--open", dir.file("square.thd")},
         2,
         "Unknown thread type: SQUARE\n"},
        {"fileZeroTPI", {"--open", dir.file("z.thd")}, 2, pitch},
        {"missingFile", {"--open", none}, 3, "File: " + none + " Does not exist!\n"},
        // The last --tables wins over the shipped ones.
        {"missingTables",
         {"--tables", dir.path().string(), "--dia", "1/4", "--tpi", "20"},
         3,
         "File not found: " + dir.file("ansitbl.bin") + "\n"},
        // A thread file goes only into a folder that exists.
        {"saveIntoMissingFolder", quarter({"--save", lost}), 3, "Cannot write " + lost + ": "},
        // Options that do not fit together.
        // A usage error is one line and the way to the help.
        {"unknownOption",
         {"--diameter", "1/4"},
         64,
         "plcalc: unknown option --diameter\nTry 'plcalc --help'.\n"},
        {"switchWithValue", quarter({"--json=yes"}), 64, "plcalc: --json takes no value\n"},
        {"strayWord", quarter({"x.txt"}), 64,
         "plcalc: unexpected argument 'x.txt': a thread file ends in .thd"},
        {"twoFiles", {"a.thd", "b.BM"}, 64, "plcalc: one file at a time: a.thd and b.BM\n"},
        {"designationAndDiameter",
         {"--thread", "1/4-20 UNC", "--dia", "1/2"},
         64,
         "plcalc: --thread gives the thread: not with --dia\n"},
        {"engagementNotGiven",
         {"--thread", "1/4-20 UNC-SE2A"},
         64,
         "plcalc: the designation's SE needs the length of engagement: --loe VALUE\n"},
        {"twoStandardOutputs", quarter({"--save", "-", "--profile-svg=-"}), 64,
         "*only one of --save, --pdf and --profile-svg can be -"},
        {"fieldsWithoutJson", quarter({"--fields", "limits"}), 64, "*give --json"},
        {"unknownField", quarter({"--json", "--fields", "limits,member.ExtThd"}), 64,
         "plcalc: --fields: member is no key of the output"},
        {"missingValue", {"--dia"}, 64, "plcalc: missing value for --dia\n"},
        {"acmeCustomEngagement",
         {"--type", "ACME", "--dia", "1", "--tpi", "5", "--loe", "3"},
         64,
         "plcalc: --loe is not for ACME threads: they are calculated for their standard length "
         "of engagement\n"},
        {"tpiWithMetric",
         {"--type", "M", "--dia", "10", "--tpi", "1.5"},
         64,
         "plcalc: --tpi is for inch threads: give the pitch of an M thread in millimetres with "
         "--pitch MM\n"},
        {"pitchWithInch",
         {"--dia", "1/4", "--pitch", "1.27"},
         64,
         "plcalc: --pitch is for metric threads (--type M or MJ): give threads per inch with "
         "--tpi\n"},
        {"classWithMetric",
         {"--type", "MJ", "--dia", "10", "--pitch", "1.5", "--class", "2"},
         64,
         "plcalc: --class is for inch threads: give the tolerance classes of an MJ thread "
         "with --ext-tol and --int-tol\n"},
        {"tolWithInch", quarter({"--int-tol", "6H"}), 64,
         "plcalc: --ext-tol and --int-tol are for metric threads"},
        {"groupWithMJ",
         {"--type", "MJ", "--dia", "10", "--pitch", "1.5", "--loe-group", "S"},
         64,
         "plcalc: --loe-group is for M threads: give a custom length of engagement with "
         "--loe\n"},
        {"customEngagementWithM", m10({"--loe", "20"}), 64,
         "plcalc: --loe is not for M threads: choose the engagement with --loe-group S, N or L\n"},
        {"bothUnits", quarter({"--mm", "--inch"}), 64,
         "plcalc: --mm and --inch exclude each other\n"},
        {"csvAndJson", quarter({"--csv", "--json"}), 64, "*exclude each other"},
        // Pipe threads.
        {"railingSizes", npt({"--class", "NPTR", "--size", "1/16"}), 2,
         "Can not calculate. 1/16 is no NPTR pipe size (NPTR sizes: " + nptr + ")\n"},
        // The B1.20.1 NPSM table starts at 1/8.
        {"npsmFromOneEighth", npt({"--class", "NPSM", "--size", "1/16"}), 2,
         "Can not calculate. 1/16 is no NPSM pipe size (NPSM sizes: 1/8, 1/4, 3/8, 1/2, 3/4, 1, "
         "1 1/4, 1 1/2, 2, 2 1/2, 3, 3 1/2, 4, 5, 6)\n"},
        {"noPipeSize", npt({"--class", "nptr"}), 2,
         "Can not calculate. No pipe size: give --size with one of the NPTR sizes " + nptr + "\n"},
        {"noSuchPipeKind", npt({"--class", "NPX", "--size", "1/2"}), 2,
         "General Purpose Pipe Threads have no class NPX (classes: NPT, NPSC, NPTR, NPSM, NPSL)\n"},
        {"pipeDiameter", npt({"--size", "1/2", "--dia", "0.84"}), 64,
         "plcalc: --dia is not for pipe threads: give the kind with --class and the nominal "
         "pipe size with --size\n"},
        {"pipeCoating", npt({"--size", "1/2", "--coating", "0.001"}), 64,
         "plcalc: --coating is not for pipe threads"},
        {"pipePitch", npt({"--size", "1/2", "--pitch", "1.8"}), 64,
         "plcalc: --pitch is not for pipe threads"},
        {"pipePoint", npt({"--size", "1/2", "--point-dia", "0.05"}), 64,
         "plcalc: --point-dia is not for pipe threads\n"},
        {"sizeOfUN",
         {"--type", "UN", "--size", "1/2", "--tpi", "13"},
         64,
         "plcalc: --size is for pipe threads (--type NPT): give the diameter with --dia\n"},
        // Readings to inspect.
        {"readingNotANumber", quarter({"--measured-mow", "0.2597,abc"}), 2,
         "Invalid reading over wires: abc"},
        {"measuredPDOf1e308", quarter({"--measured-pd", "0.215,1e308"}), 2,
         "Invalid pitch diameter: 1e308"},
        {"measuredWireTooLarge", quarter({"--measured-mow", "0.26", "--measured-wire", "0.06"}), 2,
         "Invalid Wire Size!"},
        {"iso1502PlugOfMJ",
         {"--type", "MJ", "--dia", "10", "--pitch", "1.5", "--measured-pd", "9", "--measured-gauge",
          "go-plug"},
         2,
         "No ISO 1502 plug to judge: ISO 1502 covers M threads only"},
        {"readingsOfBothKinds", quarter({"--measured-mow", "0.26", "--measured-pd", "0.215"}), 64,
         "*exclude each other"},
        {"wireAlone", quarter({"--measured-wire", "0.0289"}), 64, "*--measured-mow"},
        {"readingsOfAPipe", npt({"--size", "1/2", "--measured-pd", "0.75"}), 64,
         "*not for pipe threads"},
        {"gaugeAlone", m10({"--measured-gauge", "go-plug"}), 64,
         "*--measured-gauge needs --measured-mow or --measured-pd"},
        {"gaugeNoPlug", m10({"--measured-pd", "9", "--measured-gauge", "ring"}), 64,
         "*--measured-gauge is go-plug or nogo-plug, not ring"},
        // Re-evaluation and the Set Dim tool.
        {"newPDUnreachable", quarter({"--new-pd", "int-max=9"}), 2,
         "Can not re-evaluate: New Internal Max PD 9.0000 is not reached"},
        {"newPDUnknownLimit", quarter({"--new-pd", "max=0.2"}), 64,
         "plcalc: --new-pd takes ext-max=V, ext-min=V, int-min=V or int-max=V"},
        {"newPDOfAFile",
         {"--open", "x.thd", "--new-pd", "ext-max=0.2"},
         64,
         "plcalc: --new-pd re-evaluates a thread given by the options, not --open"},
        {"setDimPitch0",
         {"--setdim", "--tpi", "0", "--ext-pd-max", "0.2164"},
         2,
         "Can not Calculate! Invalid Pitch."},
        {"setDimOfAPipe",
         {"--setdim", "--type", "NPT", "--tpi", "14", "--ext-pd-max", "0.7"},
         2,
         "Unknown thread type for --setdim: NPT"},
        {"setDimTwoPDs",
         {"--setdim", "--tpi", "20", "--ext-pd-max", "0.2", "--int-pd-min", "0.2"},
         64,
         "plcalc: --setdim takes one pitch diameter"},
        {"setDimMetricPitch",
         {"--setdim", "--type", "30DEG", "--tpi", "4", "--ext-pd-max", "18"},
         64,
         "plcalc: --tpi is for inch threads"},
        {"pdWithoutSetDim", quarter({"--ext-pd-max", "0.2"}), 64,
         "plcalc: --ext-pd-max is for --setdim"},
        {"setDimOtherReport",
         {"--setdim", "--tpi", "20", "--ext-pd-max", "0.5", "--report", "thread", "--pdf", "x.pdf"},
         64,
         "plcalc: --setdim writes only --report setting"},
        // The ball micrometer.
        {"ballAngle90", taper({"--angle", "90"}), 2, "*less than 90 degrees"},
        {"ballNotANumber", taper({"--ball-dia", "half"}), 2, "*Invalid --ball-dia: half"},
        {"ballMethod3Incomplete",
         {"--ballmic", "--method", "3", "--angle", "5"},
         64,
         "*--ballmic --method 3 needs --ball-dia, --apex-dia, --ball-dis"},
        {"ballUnknownMethod", taper({"--method", "4"}), 64, "*--method is 1, 2 or 3"},
        {"ballThreadOption", taper({"--dia", "1/4"}), 64, "*--dia is not an option of --ballmic"},
        {"ballOtherReport", taper({"--report", "thread", "--pdf", "x.pdf"}), 64,
         "*--ballmic writes only --report ballmic"},
        {"ballReportOfAThread",
         {"--report", "ballmic", "--pdf", "x.pdf"},
         64,
         "*--report ballmic is the ball micrometer's"},
        {"ballMissingFile", {"--ballmic", "--open", dir.file("none.bm")}, 3, "*Does not exist!"},
        {"ballThreadFile",
         {"--ballmic", "--open", dir.file("thread.thd")},
         3,
         "*is not a ball micrometer file"},
        {"ballUnwritable", taper({"--save", dir.file("no/dir/a.bm")}), 3, "*a.bm"},
        // Identifying a thread.
        {"identifyDiameter", identify({"--major", "abc", "--tpi", "20"}), 2,
         "*Invalid measured diameter"},
        {"identifyPitch", identify({"--major", "0.25", "--tpi", "0"}), 2, "*Invalid pitch"},
        {"identifyNoPitch", identify({"--major", "0.25"}), 64, "*--tpi N or --pitch MM"},
        {"identifyBothDiameters", identify({"--major", "0.25", "--minor", "0.2", "--tpi", "20"}),
         64, "*--major V"},
        {"identifyBothPitches", identify({"--major", "0.25", "--tpi", "20", "--pitch", "1.27"}), 64,
         "*--tpi N"},
        {"identifyThreadOption", identify({"--major", "0.25", "--tpi", "20", "--type", "UN"}), 64,
         "*--type is not an option of --identify"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = Plcalc(c.args);
        EXPECT_EQ(r.code, c.code);
        if (c.message.starts_with("*")) {
            EXPECT_NE(r.err.find(c.message.substr(1)), std::string::npos) << r.err;
        } else {
            EXPECT_EQ(r.err.substr(0, c.message.size()), c.message);
        }
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("new")));
}

// Other spellings of a command line give what their long forms give.
TEST(Plcalc, ShortFormsGiveWhatTheLongFormsGive) {
    TempDir dir;
    const std::string file = dir.file("q.thd");
    ASSERT_EQ(Plcalc({"--dia", "1/4", "--tpi", "20", "--save", file}).code, 0);
    using Args = std::vector<std::string>;
    const struct {
        const char* name;
        Args args, same;
    } cases[] = {
        {"joinedValues",
         {"--dia=1/4", "--tpi=20", "--class=3"},
         {"--dia", "1/4", "--tpi", "20", "--class", "3"}},
        {"unifiedDesignation",
         {"--thread", "1/4-20 UNC-2A"},
         {"--type", "UN", "--dia", "1/4", "--tpi", "20", "--class", "2"}},
        {"metricDesignation",
         {"--thread=M10x1.5-6g"},
         {"--type", "M", "--dia", "10", "--pitch", "1.5", "--ext-tol", "6g"}},
        {"coarsePitch",
         {"--thread", "M10-6H"},
         {"--type", "M", "--dia", "10", "--pitch", "1.5", "--int-tol", "6H"}},
        {"acmeDesignation",
         {"--thread", "1-5 ACME-3G"},
         {"--type", "ACME", "--dia", "1", "--tpi", "5", "--class", "3G"}},
        {"pipeDesignation", {"--thread", "1/2-14 NPT"}, {"--type", "NPT", "--size", "1/2"}},
        {"straightPipe",
         {"--thread", "1 1/4 NPSM"},
         {"--type", "NPT", "--class", "NPSM", "--size", "1 1/4"}},
        {"bareFile", {file}, {"--open", file}},
        {"fileAfterDashes", {"--", file}, {"--open", file}},
        // 1 1/4-7 UNC (ASME B1.1): the limits of 1.25 in, shown as typed.
        {"mixedNumber", {"--dia", "1-1/4", "--tpi", "7"}, {"--thread", "1 1/4-7 UNC"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Args json = {"--json"}, same = {"--json"};
        json.insert(json.end(), c.args.begin(), c.args.end());
        same.insert(same.end(), c.same.begin(), c.same.end());
        const CliRun a = Plcalc(json), b = Plcalc(same);
        EXPECT_EQ(a.code, 0) << a.err;
        EXPECT_EQ(a.out, b.out);
        EXPECT_EQ(a.err, b.err);
    }
    const nlohmann::json mixed =
        nlohmann::json::parse(Plcalc({"--dia", "1 1/4", "--tpi", "7", "--json"}).out);
    const nlohmann::json decimal =
        nlohmann::json::parse(Plcalc({"--dia", "1.25", "--tpi", "7", "--json"}).out);
    EXPECT_EQ(mixed["members"], decimal["members"]);
    EXPECT_EQ(mixed["name"], "1 1/4-7 UNC-2B  /  1 1/4-7 UNC-2A");

    // --fields writes the asked keys as the whole object holds them, and no other.
    const nlohmann::json whole = nlohmann::json::parse(Plcalc({"--thread", "M10", "--json"}).out);
    const CliRun some =
        Plcalc({"--thread", "M10", "--json", "--fields", "limits,name,record.NomDia"});
    nlohmann::json expected;
    for (const char* m : {"ExtThd", "IntThd"})
        for (const char* d : {"PD", "Major", "Minor"})
            for (const char* l : {"Max", "Min"})
                expected["members"][m][d][l] = whole["members"][m][d][l];
    expected["name"] = whole["name"];
    expected["record"]["NomDia"] = whole["record"]["NomDia"];
    EXPECT_EQ(nlohmann::json::parse(some.out), expected);
    EXPECT_EQ(Plcalc({"--thread", "M10", "--json", "--fields", "members.ExtThd.Nothing"}).err,
              "plcalc: warning: --fields members.ExtThd.Nothing: no such key in this output\n");
}

// The names the type and class options take.
TEST(Plcalc, TypeAndClassNames) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--type", "ACME", "--dia", "1", "--tpi", "5"},
             {"--type", "acme", "--dia", "1", "--tpi", "5", "--class", "5g"},
             {"--type", "STUB ACME", "--dia", "1", "--tpi", "10", "--class", "4G"},
             {"--type", "SAM2", "--dia", "1", "--tpi", "10", "--class", "Class 3G"},
             {"--type", "BUTT", "--dia", "2", "--tpi", "8", "--class", "3"},
             {"--type", "745BUTT", "--dia", "2", "--tpi", "8"}}) {
        const CliRun r = Plcalc(args);
        EXPECT_EQ(r.code, 0) << args[1] << ": " << r.err;
        EXPECT_NE(r.out, "") << args[1];
    }
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
TEST(Plcalc, OpenedFilesAreCheckedAsTypedInput) {
    TempDir dir;
    const std::string quarter = "[MAIN]\nThd Type=UN\nClass=2\nNom Dia=+0.250000\n"
                                "Nom Dia Text=1/4\nTPI=+20.000000\n";
    // The worked taper: half angle 30, ball 0.5, plane diameter 2.0 at 1.0.
    const std::string taper = "[BALLMIC]\nAngle=+30.000000\nBallDia=+0.500000\n"
                              "PlaneDia=+2.000000\nPlaneDis=+1.000000\nApexDia=+0.000000\n"
                              "BallDis=+1.125000\nCalcMethod=1\nInternal=0\n";
    const struct {
        const char *name, *file;
        std::string text;
        std::vector<std::string> more; // options after --open FILE
        int code;
        std::string message; // start of stderr; "@" stands for the file's path
    } cases[] = {
        {"pipeNeedsOnlyItsSize",
         "p.thd",
         "[MAIN]\nThd Type=NPT\nClass=NPT\nNom Dia=+0.500000\n",
         {},
         0,
         ""},
        {"cutFile",
         "cut.thd",
         quarter.substr(0, quarter.find("TPI=")),
         {},
         2,
         "@ is not a complete thread file: no TPI\n"},
        {"goodTaperWithAngle95",
         "good.bm",
         taper,
         {"--ballmic", "--angle", "95"},
         2,
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
    EXPECT_EQ(noneErr.str().rfind("Usage: plcalc [options] [FILE.thd | FILE.bm]\n", 0), 0u);
    EXPECT_EQ(none.str(), "");
    std::ostringstream vout;
    EXPECT_EQ(runCli({"--version"}, vout, err), 0);
    EXPECT_EQ(vout.str().rfind("plcalc (Pitch Ledger) 5.", 0), 0u);
}

} // namespace
