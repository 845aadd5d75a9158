// Pages as CSV: RFC 4180 quoting, and a page read back cell for cell.
#include "pages/csv_text.h"

#include "core/thread_record.h"
#include "pages/result_pages.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace {

// An RFC 4180 reader of its own, so that the writer is checked against the rules.
TextGrid ReadCsv(const std::string& text) {
    TextGrid rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& cell = rows.back().back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                cell += text[++i];
            else if (c == '"')
                quoted = false;
            else
                cell += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            rows.emplace_back(1);
        } else {
            cell += c;
        }
    }
    rows.pop_back(); // after the last line end
    return rows;
}

TEST(CsvText, FieldQuoting) {
    const struct {
        const char* name;
        std::string cell, field;
    } cases[] = {
        {"plain", "0.2164", "0.2164"},
        {"blanks kept", "  N/A", "  N/A"},
        {"empty", "", ""},
        {"comma", "1,5", "\"1,5\""},
        {"quote doubled", "5\" dia", "\"5\"\" dia\""},
        {"line break", "a\nb", "\"a\nb\""},
        {"carriage return", "a\rb", "\"a\rb\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CsvField(c.cell), c.field) << c.name;
    EXPECT_EQ(CsvGrid({{"", "GO"}, {"a,b", "x"}}), ",GO\r\n\"a,b\",x\r\n");
}

// The pages of 1/4-20 UNC-2A as blocks: each name line and grid comes back cell for
// cell, blocks apart by one empty line; a gauge page with a note loses its
// tolerance columns as the window hides them.
TEST(CsvText, PagesReadBackAsShown) {
    ShippedTables tables;
    TTInfo rec;
    rec.SetThreadType("UN");
    rec.SetNomDia(0.25);
    rec.SetTPI(20);
    rec.SetClass("2");
    rec.Calculate();
    ResultPagesText pages = BuildResultPages(rec, "(Untitled)", false);
    pages.ring.grid[1][0] = "Pitch, \"Dia\""; // a label that needs quoting
    const TextGrid ring = VisibleGaugeGrid(pages.ring);
    const TextGrid back =
        ReadCsv(CsvBlocks({{"Thread Dim.", pages.thread}, {"Empty", {}}, {"Ring Gage", ring}}));
    TextGrid expected = {{"Thread Dim."}};
    expected.insert(expected.end(), pages.thread.begin(), pages.thread.end());
    expected.push_back({""});
    expected.push_back({"Ring Gage"});
    expected.insert(expected.end(), ring.begin(), ring.end());
    EXPECT_EQ(back, expected);

    pages.ring.tolerances = false;
    const TextGrid noted = VisibleGaugeGrid(pages.ring);
    EXPECT_EQ(noted[0], (std::vector<std::string>{"", "GO", "NOGO"}));
}

// The clipboard's page: thread and unit first, cells without their aligning
// blanks, grids apart by an empty line, the notes that say something last.
TEST(CsvText, ClipboardPage) {
    const TextGrid dims = {{"", "Internal"}, {"PD Max", "  0.2224 "}, {"Helix", "  N/A"}};
    const struct {
        const char* name;
        CsvPage page;
        std::string csv;
    } cases[] = {
        {"padding stripped, notes last",
         {"1/4-20 UNC-2A", "in", {dims}, {"", "Wire readings: standard formula"}},
         "1/4-20 UNC-2A,in\r\n,Internal\r\nPD Max,0.2224\r\nHelix,N/A\r\n"
         "Wire readings: standard formula\r\n"},
        {"two grids, no notes",
         {"M10x1.5", "mm", {{{" a, b "}}, {}, {{"c"}}}, {" "}},
         "M10x1.5,mm\r\n\"a, b\"\r\n\r\nc\r\n"},
        {"several notes in one row",
         {"1/2-14 NPT", "in", {{{"E0", "0.7584"}}}, {"x", "a \"b\""}},
         "1/2-14 NPT,in\r\nE0,0.7584\r\nx,\"a \"\"b\"\"\"\r\n"},
        {"no grid, nothing to copy", {"1/4-20 UNC-2A", "in", {{}}, {"note"}}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PageCsv(c.page), c.csv) << c.name;
}

} // namespace
