// plcalc --json against its published schema (cli/plcalc-output.schema.json):
// every key the output has is described there, and every required key is
// written, whatever the thread and options.
#include "support/cli_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>

using nlohmann::json;

namespace {

// The schema keywords the file uses: $ref to #/$defs, type, required,
// properties, additionalProperties: false, items, oneOf. Returns the problems found.
void Check(const json& schema, const json& root, const json& v, const std::string& at,
           std::vector<std::string>& problems)
{
    if (schema.contains("oneOf")) {
        // Exactly one alternative fits; when none does, the nearest one says why.
        std::vector<std::vector<std::string>> tries;
        for (const json& alt : schema["oneOf"]) Check(alt, root, v, at, tries.emplace_back());
        const auto fits = std::ranges::count_if(tries, [](const auto& t) { return t.empty(); });
        if (fits > 1) problems.push_back(at + ": fits more than one alternative");
        if (fits == 0) {
            const auto nearest = std::ranges::min_element(
                tries, {}, [](const auto& t) { return t.size(); });
            problems.insert(problems.end(), nearest->begin(), nearest->end());
        }
        return;
    }
    if (schema.contains("$ref")) {
        const std::string ref = schema["$ref"];
        Check(root["$defs"][ref.substr(ref.rfind('/') + 1)], root, v, at, problems);
        return;
    }
    const std::string type = schema.value("type", "");
    const bool ok = type.empty() || (type == "object" && v.is_object()) ||
                    (type == "array" && v.is_array()) || (type == "string" && v.is_string()) ||
                    (type == "number" && v.is_number());
    if (!ok) return problems.push_back(at + ": not " + type);
    if (v.is_object()) {
        for (const auto& key : schema.value("required", json::array()))
            if (!v.contains(key)) problems.push_back(at + ": missing " + key.get<std::string>());
        const json props = schema.value("properties", json::object());
        for (const auto& [key, value] : v.items()) {
            if (props.contains(key))
                Check(props[key], root, value, at + "/" + key, problems);
            else if (schema.value("additionalProperties", true) == false)
                problems.push_back(at + ": undescribed " + key);
        }
    }
    if (v.is_array() && schema.contains("items"))
        for (std::size_t i = 0; i < v.size(); ++i)
            Check(schema["items"], root, v[i], at + "/" + std::to_string(i), problems);
}

std::vector<std::string> Problems(const json& schema, const json& doc)
{
    std::vector<std::string> problems;
    Check(schema, schema, doc, "", problems);
    return problems;
}

} // namespace

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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = Plcalc(c.args);
        ASSERT_EQ(r.code, 0) << r.err;
        const json doc = json::parse(r.out);
        EXPECT_EQ(Problems(schema, doc), std::vector<std::string>{});
        json broken = doc;
        json* at = &broken;
        for (std::size_t i = 0; i + 1 < c.path.size(); ++i) at = &(*at)[c.path[i]];
        at->erase(c.path.back());
        EXPECT_EQ(Problems(schema, broken), std::vector<std::string>{c.missing});
    }
}
