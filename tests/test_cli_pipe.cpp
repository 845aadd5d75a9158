// plcalc with pipe threads: the published NPT basic dimensions as a user reads
// them, the size spellings it takes, its refusals and the JSON pipe record.
#include "support/cli_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace {

// The value cells of the line starting with `label`.
std::vector<double> Cells(const std::string& text, const std::string& label)
{
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(label, 0) != 0) continue;
        std::istringstream cells(line.substr(label.size()));
        std::vector<double> v;
        for (double c; cells >> c;) v.push_back(c);
        return v;
    }
    return {};
}

// ASME B1.20.1 basic dimensions: D, L1 (to three places), L2, E0 and L4.
TEST(PlcalcPipe, PublishedNPTBasicDimensions)
{
    const struct {
        const char *size, *designation;
        double od, l1, l2, e0, l4;
    } cases[] = {
        {"1/16", "1/16 - 27 NPT", 0.3125, 0.160, 0.2611, 0.27118, 0.3896},
        {"1/8", "1/8 - 27 NPT", 0.405, 0.1615, 0.2639, 0.36351, 0.3924},
        {"1/4", "1/4 - 18 NPT", 0.540, 0.2278, 0.4018, 0.47739, 0.5946},
        {"3/8", "3/8 - 18 NPT", 0.675, 0.240, 0.4078, 0.61201, 0.6006},
        {"1/2", "1/2 - 14 NPT", 0.840, 0.320, 0.5337, 0.75843, 0.7815},
        {"3/4", "3/4 - 14 NPT", 1.050, 0.339, 0.5457, 0.96768, 0.7935},
        {"1", "1 - 11.5 NPT", 1.315, 0.400, 0.6828, 1.21363, 0.9845},
        {"1 1/4", "1 1/4 - 11.5 NPT", 1.660, 0.420, 0.7068, 1.55713, 1.0085},
        {"1 1/2", "1 1/2 - 11.5 NPT", 1.900, 0.420, 0.7235, 1.79609, 1.0252},
        {"2", "2 - 11.5 NPT", 2.375, 0.436, 0.7565, 2.26902, 1.0582},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        const CliRun r = Plcalc({"--type", "NPT", "--size", c.size});
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out.rfind(std::string(c.designation) + "\n\nThread Dim.\n", 0), 0u);
        const std::pair<const char*, double> rows[] = {
            {"O.D. of Pipe", c.od}, {"Handtight Engagement Length (L1)", c.l1},
            {"Effective Thd. Ext. Length (L2)", c.l2}, {"PD at Beginning of Ext. Thd.", c.e0},
            {"Overall Length Ext.", c.l4}};
        for (const auto& [label, want] : rows) {
            const std::vector<double> v = Cells(r.out, label);
            ASSERT_FALSE(v.empty()) << label;
            // Half a unit of the published value's last place.
            EXPECT_NEAR(v[0], want, std::string(label).find("(L1)") != std::string::npos ? 5e-4 : 5e-6)
                << label;
        }
    }
}

TEST(PlcalcPipe, SizesOptionsAndRefusals)
{
    const std::string nptr = "1/2, 3/4, 1, 1 1/4, 1 1/2, 2, 2 1/2, 3, 3 1/2, 4";
    const struct {
        const char* name;
        std::vector<std::string> args;
        int code;
        std::string out, err; // starts of standard output and error
    } cases[] = {
        {"hyphenated", {"--type", "NPT", "--size", "1-1/4"}, 0, "1 1/4 - 11.5 NPT\n", ""},
        {"blanks", {"--type", "npt", "--size", " 1   1/4 "}, 0, "1 1/4 - 11.5 NPT\n", ""},
        // No 14 OD row in the shipped table: no threads per inch to name.
        {"odSize", {"--type", "NPT", "--size", "14od"}, 0, "14 OD NPT\n", ""},
        {"millimetres", {"--type", "NPT", "--size", "1/2", "--mm"}, 0, "1/2 - 14 NPT\n",
         "Pipe threads are shown in inches.\n"},
        {"railingSizes", {"--type", "NPT", "--class", "NPTR", "--size", "1/16"}, 2, "",
         "Can not calculate. 1/16 is no NPTR pipe size (NPTR sizes: " + nptr + ")\n"},
        {"noSize", {"--type", "NPT", "--class", "nptr"}, 2, "",
         "Can not calculate. No pipe size: give --size with one of the NPTR sizes " + nptr + "\n"},
        {"noSuchKind", {"--type", "NPT", "--class", "NPX", "--size", "1/2"}, 2, "",
         "General Purpose Pipe Threads have no class NPX (classes: NPT, NPSC, NPTR, NPSM, NPSL)\n"},
        {"diameter", {"--type", "NPT", "--size", "1/2", "--dia", "0.84"}, 64, "",
         "plcalc: --dia is not for pipe threads: give the kind with --class and the nominal "
         "pipe size with --size\n"},
        {"coating", {"--type", "NPT", "--size", "1/2", "--coating", "0.001"}, 64, "",
         "plcalc: --coating is not for pipe threads"},
        {"pitch", {"--type", "NPT", "--size", "1/2", "--pitch", "1.8"}, 64, "",
         "plcalc: --pitch is not for pipe threads"},
        {"sizeOfUN", {"--type", "UN", "--size", "1/2", "--tpi", "13"}, 64, "",
         "plcalc: --size is for pipe threads (--type NPT): give the diameter with --dia\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = Plcalc(c.args);
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.out.substr(0, c.out.size()), c.out);
        EXPECT_EQ(r.err.substr(0, c.err.size()), c.err);
    }
}

TEST(PlcalcPipe, JsonPipeRecordAndThreadFile)
{
    // 1/2 NPT (ASME B1.20.1), and the gauge maker's ring minor at the notch.
    const CliRun r = Plcalc({"--type", "NPT", "--size", "1/2", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    const nlohmann::json doc = nlohmann::json::parse(r.out);
    EXPECT_EQ(doc["caption"], "1/2 - 14 NPT");
    const nlohmann::json& p = doc["pipe"];
    EXPECT_EQ(p["SizeText"], "1/2");
    EXPECT_EQ(p["PipeKind"], 20);
    const std::pair<const char*, double> values[] = {
        {"PipeOD", 0.84}, {"L1", 0.32}, {"L1Thds", 4.48}, {"E0", 0.75843}, {"E1", 0.77843},
        {"L2", 0.5337}, {"L2Thds", 7.47}, {"E2", 0.79179}, {"L4", 0.7815}};
    for (const auto& [k, v] : values) EXPECT_NEAR(p[k].get<double>(), v, 1e-9) << k;
    EXPECT_NEAR(doc["members"]["GoRing"]["Minor"]["Gage"].get<double>(), 0.73086, 1e-9);
    EXPECT_EQ(doc["pages"]["Thread Dim."][6][2], " 4.48");

    // Saved and opened again: the same pages.
    const std::string file = testing::TempDir() + "pipe_cli.thd";
    const CliRun saved = Plcalc({"--type", "NPT", "--class", "NPSM", "--size", "3/4", "--save", file});
    ASSERT_EQ(saved.code, 0) << saved.err;
    const CliRun opened = Plcalc({"--open", file});
    ASSERT_EQ(opened.code, 0) << opened.err;
    EXPECT_EQ(opened.out, saved.out);
    EXPECT_EQ(opened.out.rfind("3/4 NPSM\n", 0), 0u);
}

} // namespace
