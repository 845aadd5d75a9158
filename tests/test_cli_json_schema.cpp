// plcalc --json against its published schema (cli/plcalc-output.schema.json):
// every key the output has is described there, and every required key is
// written, whatever the thread, mode and options (tests/data/plcalc_json_runs.csv).
#include "support/cli_run.h"
#include "support/json_schema.h"
#include "support/test_data.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

using nlohmann::json;

namespace {

// The row's "args", words joined by '|', run with --json.
CliRun PlcalcJsonOf(const DataRow& c) {
    std::vector<std::string> args = c.List("args");
    args.push_back("--json");
    return Plcalc(args);
}

} // namespace

class PlcalcJson : public testing::TestWithParam<DataRow> {};

TEST_P(PlcalcJson, OutputFollowsItsSchema) {
    const DataRow& c = GetParam();
    const json schema = schema_check::PlcalcSchema();
    const CliRun r = PlcalcJsonOf(c);
    ASSERT_EQ(r.code, 0) << r.err;
    const json doc = json::parse(r.out);
    EXPECT_EQ(Problems(schema, doc), std::vector<std::string>{});
    json broken = doc;
    const std::string from = c.Text("drop_from"), extra = c.Text("extra_in");
    broken[json::json_pointer(from)].erase(c.Text("drop_key"));
    std::vector<std::string> expected = {from + ": missing " + c.Text("drop_key")};
    if (!extra.empty()) {
        broken[json::json_pointer(extra)]["extra"] = "";
        expected.push_back(extra + ": undescribed extra");
    }
    std::sort(expected.begin(), expected.end());
    std::vector<std::string> found = Problems(schema, broken);
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected);
}

DATA_ROWS(PlcalcJson, "plcalc_json_runs");

// A value that does not apply is null, whatever the record holds there; one
// that applies keeps its value, 0 included; flags are booleans; each object
// states its unit (tests/data/plcalc_json_values.csv).
class PlcalcJsonValue : public testing::TestWithParam<DataRow> {};

TEST_P(PlcalcJsonValue, IsWhatTheThreadHas) {
    const DataRow& c = GetParam();
    const CliRun r = PlcalcJsonOf(c);
    ASSERT_EQ(r.code, 0) << r.err;
    const json doc = json::parse(r.out);
    const json::json_pointer at(c.Text("at"));
    ASSERT_TRUE(doc.contains(at)) << c.Text("at");
    const std::string expect = c.Text("expect");
    if (expect == "number")
        EXPECT_TRUE(doc[at].is_number() && doc[at] != 0) << doc[at];
    else
        EXPECT_EQ(doc[at], json::parse(expect));
}

DATA_ROWS(PlcalcJsonValue, "plcalc_json_values");
