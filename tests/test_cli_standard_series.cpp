// Every standard row shipped in the unified table is found by plcalc as the
// user types the thread, and is shown as table data with its series name.
#include "cli/run_cli.h"
#include "core/number_text.h"
#include "core/settings.h"
#include "core/table_file.h"
#include "families/unified_tables.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string FirstLines(const std::vector<std::string>& args, int& code)
{
    std::ostringstream out, err;
    code = runCli(args, out, err);
    std::istringstream in(out.str());
    std::string caption, name;
    std::getline(in, caption);
    std::getline(in, name);
    return caption + "\n" + name;
}

TEST(PlcalcStandardSeries, NamedExamples)
{
    struct Case {
        const char* dia;
        const char* tpi;
        const char* cls;
        const char* expected;
    } cases[] = {
        {"9/16", "24", "2", "ANSI Table Data - (Untitled)\n9/16-24 UNEF-2B  /  9/16-24 UNEF-2A"},
        {"1", "12", "1", "ANSI Table Data - (Untitled)\n 1.0000-12 UNF-1B  /   1.0000-12 UNF-1A"},
        {"2", "8", "3", "ANSI Table Data - (Untitled)\n 2.0000-8 UN-3B  /   2.0000-8 UN-3A"},
        {"#10", "32", "3", "ANSI Table Data - (Untitled)\n#10-32 UNF-3B  /  #10-32 UNF-3A"},
        {"1/2", "13", "1", "ANSI Table Data - (Untitled)\n1/2-13 UNC-1B  /  1/2-13 UNC-1A"},
        // A special row: the former 1-14 UNF.
        {"1", "14", "2", "ANSI Table Data - (Untitled)\n 1.0000-14 UNS-2B  /   1.0000-14 UNS-2A"},
    };
    for (const auto& c : cases) {
        int code = 0;
        EXPECT_EQ(FirstLines({"--tables", PL_TABLES_DIR, "--dia", c.dia, "--tpi", c.tpi,
                              "--class", c.cls},
                             code),
                  c.expected);
        EXPECT_EQ(code, 0);
    }
}

TEST(PlcalcStandardSeries, EveryShippedRowIsTableData)
{
    ShippedTables tables;
    // Standard rows: diameter x10000, tpi x10, series, class "2A"; special rows:
    // tpi x100, class "2", shown as UNS.
    const struct {
        const char* file;
        std::size_t recordSize;
        double tpiScale;
        std::size_t minRows;
    } files[] = {{"ansitbl.bin", kAnsiRecord, 10, 600}, {"unstbl.bin", kUNSRecord, 100, 7}};
    for (const auto& f : files) {
        const TableFile file(f.file, f.recordSize);
        ASSERT_GE(file.count(), f.minRows) << f.file;
        const bool special = f.recordSize == kUNSRecord;
        for (std::size_t i = 0; i < file.count(); ++i) {
            const TableRecord r = file.record(i);
            const std::string dia = FormatFixed(r.I32(0) / 10000.0, 1, 4);
            const std::string tpi = TPIText(r.U16(4) / f.tpiScale);
            const std::string series = special ? "UNS" : r.Str(6, 4);
            const std::string cls = special ? r.Str(6, 3) : r.Str(11, 2).substr(0, 1);
            int code = 0;
            const std::string head = FirstLines(
                {"--tables", PL_TABLES_DIR, "--dia", dia, "--tpi", tpi, "--class", cls}, code);
            ASSERT_EQ(code, 0) << dia << "-" << tpi;
            EXPECT_EQ(head.rfind("ANSI Table Data", 0), 0u) << head;
            EXPECT_NE(head.find("-" + tpi + " " + series + "-" + cls + "A"), std::string::npos)
                << head;
        }
    }
}

} // namespace
