// Published ISO 965-2 limits of metric threads (the values and their sources
// are listed in tools/metric_data/published.csv) through plcalc, exactly to
// the 0.001 mm they are printed to.
#include "support/cli_run.h"
#include "support/test_data.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <map>
#include <tuple>

TEST(MetricPublished, Iso965LimitsThroughPlcalc) {
    // (dia, pitch, class) -> the values printed for it
    std::map<std::tuple<std::string, std::string, std::string>, std::vector<DataRow>> rows;
    for (const DataRow& row : DataFile("tools/metric_data/published.csv"))
        rows[{row.name, row.Text("pitch"), row.Text("class")}].push_back(row);
    ASSERT_GE(rows.size(), 30u);
    int checked = 0;
    for (const auto& [key, values] : rows) {
        const auto& [dia, pitch, cls] = key;
        const bool internal = std::isupper(static_cast<unsigned char>(cls[1]));
        const CliRun r = Plcalc({"--type", "M", "--dia", dia, "--pitch", pitch,
                                 internal ? "--int-tol" : "--ext-tol", cls, "--json"});
        ASSERT_EQ(r.code, 0) << dia << "x" << pitch << " " << r.err;
        const auto member = nlohmann::json::parse(r.out)["members"][internal ? "IntThd" : "ExtThd"];
        for (const DataRow& p : values) {
            const std::string column = p.Text("column");
            const std::string dim = column.substr(0, column.find('_'));
            const std::string block = dim == "pd" ? "PD" : dim == "major" ? "Major" : "Minor";
            const double got = member[block][column.ends_with("max") ? "Max" : "Min"];
            EXPECT_EQ(std::lround(got * 1000), std::lround(p.Num("value") * 1000))
                << "M" << dia << "x" << pitch << " " << cls << " " << column << " ("
                << p.Text("source") << ")";
            ++checked;
        }
    }
    EXPECT_GE(checked, 100);
}
