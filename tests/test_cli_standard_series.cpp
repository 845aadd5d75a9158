// Every standard row shipped in the unified tables is found by plcalc as the
// user types the thread, and is shown as table data with its series name.
#include "cli/run_cli.h"
#include "core/number_text.h"
#include "core/table_file.h"
#include "families/mj_tables.h"
#include "families/unified_tables.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>
#include <sstream>

namespace {

// The caption and the designation line of plcalc's answer.
std::string FirstLines(const std::string& dia, const std::string& tpi, const std::string& cls) {
    std::ostringstream out, err;
    const int code =
        runCli({"--tables", PL_TABLES_DIR, "--dia", dia, "--tpi", tpi, "--class", cls}, out, err);
    std::istringstream in(out.str());
    std::string caption, name;
    std::getline(in, caption);
    std::getline(in, name);
    return std::to_string(code) + " " + caption + "\n" + name;
}

TEST(PlcalcStandardSeries, EveryShippedRowIsTableData) {
    ShippedTables tables;
    // Standard rows: tpi x10, series, class "2A"; special rows: tpi x100,
    // class "2", shown as UNS.
    const struct {
        const char* file;
        std::size_t recordSize, minRows;
    } files[] = {{"ansitbl.bin", kAnsiRecord, 600}, {"unstbl.bin", kUNSRecord, 7}};
    for (const auto& f : files) {
        const TableFile file(f.file, f.recordSize);
        ASSERT_GE(file.count(), f.minRows) << f.file;
        const bool special = f.recordSize == kUNSRecord;
        for (std::size_t i = 0; i < file.count(); ++i) {
            const TableRecord r = file.record(i);
            const std::string dia = FormatFixed(r.I32(0) / 10000.0, 1, 4);
            const std::string tpi = TPIText(r.U16(4) / (special ? 100.0 : 10.0));
            const std::string series = special ? "UNS" : r.Str(6, 4);
            const std::string cls = special ? r.Str(6, 3) : r.Str(11, 2).substr(0, 1);
            const std::string head = FirstLines(dia, tpi, cls);
            EXPECT_EQ(head.rfind("0 ANSI Table Data", 0), 0u) << head;
            EXPECT_NE(head.find("-" + tpi + " " + series + "-" + cls + "A"), std::string::npos)
                << head;
        }
    }
}

// Every standard MJ size shipped in exmj and inmj is taken from its row, in the
// standard classes (4h6h; 4H5H, or 4H6H below 5.5 mm), and says so in the caption.
TEST(PlcalcStandardSeries, EveryShippedMJSizeIsTableData) {
    ShippedTables tables;
    std::map<std::pair<std::string, std::string>, std::string> sizes; // -> members from rows
    for (const bool internal : {false, true}) {
        const TableFile file(internal ? "inmj.bin" : "exmj.bin",
                             internal ? kInMJRecord : kExMJRecord);
        ASSERT_GE(file.count(), 77u);
        for (std::size_t i = 0; i < file.count(); ++i) {
            const TableRecord r = file.record(i);
            const std::string dia = FormatFixed(r.I16(0) / 10.0, 1, 1);
            const std::string pitch = FormatFixed(r.I16(2) / (internal ? 1000.0 : 100.0), 1, 3);
            sizes[{dia, pitch}] += internal ? "IntThd" : "ExtThd";
        }
    }
    for (const auto& [size, members] : sizes) {
        SCOPED_TRACE("MJ" + size.first + "x" + size.second);
        std::ostringstream out, err;
        ASSERT_EQ(runCli({"--tables", PL_TABLES_DIR, "--type", "MJ", "--dia", size.first, "--pitch",
                          size.second, "--json"},
                         out, err),
                  0)
            << err.str();
        const nlohmann::json j = nlohmann::json::parse(out.str());
        EXPECT_EQ(j["caption"].get<std::string>().rfind("ANSI Table Data", 0), 0u);
        for (const char* member : {"ExtThd", "IntThd"})
            EXPECT_EQ(j["members"][member]["FromTable"].get<int>(),
                      members.find(member) != std::string::npos ? 1 : 0)
                << member;
    }
}

} // namespace
