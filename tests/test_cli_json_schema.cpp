// plcalc --json against its published schema (cli/plcalc-output.schema.json):
// every key the output has is described there, and every required key is
// written, whatever the thread, mode and options.
#include "support/cli_run.h"
#include "support/json_schema.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

using nlohmann::json;

TEST(PlcalcJson, OutputFollowsItsSchema) {
    const json schema = schema_check::PlcalcSchema();
    const struct {
        const char* name;
        std::vector<std::string> args;
        // The check itself sees a key dropped from the first object and one added to
        // the second (an empty second: a key the schema requires).
        std::vector<std::string> broken = {"/members/GoRing", "PD", "/pages/Set Plug"};
    } cases[] = {
        {"table row", {"--dia", "1/4", "--tpi", "20"}},
        {"millimetres, class X",
         {"--dia", "#10", "--tpi", "32", "--class", "3", "--mm", "--classx"}},
        {"special, plated, two starts",
         {"--type", "UNR", "--dia", "0.3125", "--tpi", "40", "--starts", "2", "--coating",
          "0.0002"}},
        {"UNJ, custom engagement",
         {"--type", "UNJ", "--dia", "1/2", "--tpi", "20", "--class", "3", "--loe", "0.8"}},
        {"metric M", {"--type", "M", "--dia", "10", "--pitch", "1.5", "--ext-tol", "4g6g"}},
        {"metric MJ", {"--type", "MJ", "--dia", "6", "--pitch", "1", "--inch"}},
        {"Acme, two starts", {"--type", "ACME", "--dia", "1", "--tpi", "5", "--starts", "2"}},
        {"stub Acme", {"--type", "STUB", "--dia", "1", "--tpi", "10", "--class", "3G"}},
        {"modified stub #1", {"--type", "SAM1", "--dia", "1", "--tpi", "10"}},
        {"modified stub #2, millimetres", {"--type", "SAM2", "--dia", "1", "--tpi", "10", "--mm"}},
        {"buttress", {"--type", "BUTT", "--dia", "2", "--tpi", "8", "--class", "3"}},
        {"three readings over wires",
         {"--dia", "1/4", "--tpi", "20", "--measured-mow", "0.2597,0.2585,0.26"}},
        {"metric, a measured PD",
         {"--type", "M", "--dia", "10", "--pitch", "1.5", "--measured-pd", "8.95"}},
        {"re-evaluated", {"--dia", "1/4", "--tpi", "20", "--new-pd", "int-max=0.2300"}},
        {"metric, a measured ISO 1502 plug",
         {"--type", "M", "--dia", "10", "--pitch", "1.5", "--measured-gauge", "go-plug",
          "--measured-pd", "9.03,9.04"}},
        // Pipe threads: their own pages and the pipe record.
        {"NPT", {"--type", "NPT", "--class", "NPT", "--size", "1/2"}, {"/pipe", "L4", "/pages"}},
        {"NPSM", {"--type", "NPT", "--class", "NPSM", "--size", "1/2"}, {"/pipe", "L4", "/pages"}},
        // The ball micrometer, the Set Dim tool and identification have objects of their own.
        {"ballmic",
         {"--ballmic", "--method", "3", "--angle", "5", "--ball-dia", "0.25", "--apex-dia", "1.5",
          "--ball-dis", "0.5"},
         {"/ballmic", "SetDim", ""}},
        {"setdim",
         {"--setdim", "--type", "ACME", "--tpi", "5", "--ext-pd-max", "0.9"},
         {"/pages/Orvalle/Point Gage", "picture", ""}},
        {"identify",
         {"--identify", "--major", "0.248", "--tpi", "20"},
         {"/identify/0", "Closeness", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = c.args;
        args.push_back("--json");
        const CliRun r = Plcalc(args);
        ASSERT_EQ(r.code, 0) << r.err;
        const json doc = json::parse(r.out);
        EXPECT_EQ(Problems(schema, doc), std::vector<std::string>{});
        json broken = doc;
        broken[json::json_pointer(c.broken[0])].erase(c.broken[1]);
        std::vector<std::string> expected = {c.broken[0] + ": missing " + c.broken[1]};
        if (!c.broken[2].empty()) {
            broken[json::json_pointer(c.broken[2])]["extra"] = "";
            expected.push_back(c.broken[2] + ": undescribed extra");
        }
        std::sort(expected.begin(), expected.end());
        std::vector<std::string> found = Problems(schema, broken);
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, expected);
    }
}
