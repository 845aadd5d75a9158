// Published ISO 965-2 limits of metric threads (the values and their sources
// are listed in tools/metric_data/published.csv) through plcalc, exactly to
// the 0.001 mm they are printed to.
#include "support/cli_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

namespace {

struct Published {
    std::string column; // major_max, pd_min, minor_min ...
    double value;
    std::string source;
};

// (dia, pitch, class) -> the values printed for it.
std::map<std::tuple<std::string, std::string, std::string>, std::vector<Published>> Load() {
    std::ifstream in(PL_SOURCE_DIR "/tools/metric_data/published.csv");
    std::map<std::tuple<std::string, std::string, std::string>, std::vector<Published>> rows;
    bool header = true;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        if (header) {
            header = false;
            continue;
        }
        std::vector<std::string> f;
        std::stringstream cells(line);
        for (std::string c; std::getline(cells, c, ',');)
            f.push_back(c);
        if (f.size() < 6) continue;
        rows[{f[0], f[1], f[2]}].push_back({f[3], std::stod(f[4]), f[5]});
    }
    return rows;
}

} // namespace

TEST(MetricPublished, Iso965LimitsThroughPlcalc) {
    const auto rows = Load();
    ASSERT_GE(rows.size(), 30u);
    int checked = 0;
    for (const auto& [key, values] : rows) {
        const auto& [dia, pitch, cls] = key;
        const bool internal = std::isupper(static_cast<unsigned char>(cls[1]));
        const CliRun r = Plcalc({"--type", "M", "--dia", dia, "--pitch", pitch,
                                 internal ? "--int-tol" : "--ext-tol", cls, "--json"});
        ASSERT_EQ(r.code, 0) << dia << "x" << pitch << " " << r.err;
        const auto member = nlohmann::json::parse(r.out)["members"][internal ? "IntThd" : "ExtThd"];
        for (const Published& p : values) {
            const std::string dim = p.column.substr(0, p.column.find('_'));
            const std::string block = dim == "pd" ? "PD" : dim == "major" ? "Major" : "Minor";
            const std::string limit = p.column.ends_with("max") ? "Max" : "Min";
            const double got = member[block][limit];
            EXPECT_EQ(std::lround(got * 1000), std::lround(p.value * 1000))
                << "M" << dia << "x" << pitch << " " << cls << " " << p.column << " (" << p.source
                << ")";
            ++checked;
        }
    }
    EXPECT_GE(checked, 100);
}
