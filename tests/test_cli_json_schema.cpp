// plcalc --json against its published schema (cli/plcalc-output.schema.json):
// every key the output has is described there, and every required key is
// written, whatever the thread and options.
#include "support/cli_run.h"
#include "support/json_schema.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>

using nlohmann::json;

TEST(PlcalcJson, OutputFollowsItsSchema)
{
    std::ifstream in(PL_SOURCE_DIR "/cli/plcalc-output.schema.json");
    const json schema = json::parse(in);
    const struct {
        const char* name;
        std::vector<std::string> args;
    } cases[] = {
        {"table row", {"--dia", "1/4", "--tpi", "20"}},
        {"millimetres, class X", {"--dia", "#10", "--tpi", "32", "--class", "3", "--mm", "--classx"}},
        {"special, plated, two starts",
         {"--type", "UNR", "--dia", "0.3125", "--tpi", "40", "--starts", "2", "--coating", "0.0002"}},
        {"UNJ, custom engagement", {"--type", "UNJ", "--dia", "1/2", "--tpi", "20", "--class", "3", "--loe", "0.8"}},
        {"metric M", {"--type", "M", "--dia", "10", "--pitch", "1.5", "--ext-tol", "4g6g"}},
        {"metric MJ", {"--type", "MJ", "--dia", "6", "--pitch", "1", "--inch"}},
        {"Acme, two starts", {"--type", "ACME", "--dia", "1", "--tpi", "5", "--starts", "2"}},
        {"stub Acme", {"--type", "STUB", "--dia", "1", "--tpi", "10", "--class", "3G"}},
        {"modified stub #1", {"--type", "SAM1", "--dia", "1", "--tpi", "10"}},
        {"modified stub #2, millimetres", {"--type", "SAM2", "--dia", "1", "--tpi", "10", "--mm"}},
        {"buttress", {"--type", "BUTT", "--dia", "2", "--tpi", "8", "--class", "3"}},
        {"three readings over wires", {"--dia", "1/4", "--tpi", "20", "--measured-mow", "0.2597,0.2585,0.26"}},
        {"metric, a measured PD", {"--type", "M", "--dia", "10", "--pitch", "1.5", "--measured-pd", "8.95"}},
        {"re-evaluated", {"--dia", "1/4", "--tpi", "20", "--new-pd", "int-max=0.2300"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = c.args;
        args.push_back("--json");
        const CliRun r = Plcalc(args);
        ASSERT_EQ(r.code, 0) << r.err;
        const json doc = json::parse(r.out);
        EXPECT_EQ(Problems(schema, doc), std::vector<std::string>{});

        // The check itself sees a dropped and an added key.
        json broken = doc;
        broken["members"]["GoRing"].erase("PD");
        broken["pages"]["Set Plug"]["extra"] = "";
        EXPECT_EQ(Problems(schema, broken),
                  (std::vector<std::string>{"/members/GoRing: missing PD",
                                            "/pages/Set Plug: undescribed extra"}));
    }
}

// Pipe threads: their own pages (the two NPT pages for NPT only) and the pipe record.
TEST(PlcalcJson, PipeOutputFollowsItsSchema)
{
    std::ifstream in(PL_SOURCE_DIR "/cli/plcalc-output.schema.json");
    const json schema = json::parse(in);
    for (const char* kind : {"NPT", "NPSM"}) {
        SCOPED_TRACE(kind);
        const CliRun r = Plcalc({"--type", "NPT", "--class", kind, "--size", "1/2", "--json"});
        ASSERT_EQ(r.code, 0) << r.err;
        const json doc = json::parse(r.out);
        EXPECT_EQ(Problems(schema, doc), std::vector<std::string>{});
        EXPECT_EQ(doc["pages"].contains("NPT Gages"), std::string(kind) == "NPT");

        json broken = doc;
        broken["pipe"].erase("L4");
        broken["pages"]["Ring Gage"] = json::array();
        EXPECT_EQ(Problems(schema, broken),
                  (std::vector<std::string>{"/pages: undescribed Ring Gage", "/pipe: missing L4"}));
    }
}

// The ball micrometer and the Set Dim tool have objects of their own.
TEST(PlcalcJson, BallMicAndSetDimOutputFollowTheSchema)
{
    std::ifstream in(PL_SOURCE_DIR "/cli/plcalc-output.schema.json");
    const json schema = json::parse(in);
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::vector<std::string> path; // a member the schema requires
        const char* missing;
    } cases[] = {
        {"ballmic",
         {"--ballmic", "--method", "3", "--angle", "5", "--ball-dia", "0.25", "--apex-dia", "1.5",
          "--ball-dis", "0.5", "--json"},
         {"ballmic", "SetDim"},
         "/ballmic: missing SetDim"},
        {"setdim",
         {"--setdim", "--type", "ACME", "--tpi", "5", "--ext-pd-max", "0.9", "--json"},
         {"pages", "Orvalle", "Point Gage", "picture"},
         "/pages/Orvalle/Point Gage: missing picture"},
        {"identify",
         {"--identify", "--major", "0.248", "--tpi", "20", "--json"},
         {"identify", "0", "Closeness"},
         "/identify/0: missing Closeness"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = Plcalc(c.args);
        ASSERT_EQ(r.code, 0) << r.err;
        const json doc = json::parse(r.out);
        EXPECT_EQ(Problems(schema, doc), std::vector<std::string>{});
        json broken = doc;
        json* at = &broken;
        for (std::size_t i = 0; i + 1 < c.path.size(); ++i)
            at = at->is_array() ? &(*at)[std::stoul(c.path[i])] : &(*at)[c.path[i]];
        at->erase(c.path.back());
        EXPECT_EQ(Problems(schema, broken), std::vector<std::string>{c.missing});
    }
}
