#pragma once
// Named rows of the tables in tests/data/*.csv. The leading '#' lines name the
// sources of the rows; then a header, the first column the row's name; '#'
// lines between rows are comments. Cells may be quoted ("" for a quote) and
// take the escapes \n \r \t \\ and \xHH.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TTInfo;

class DataRow {
public:
    std::string name;
    std::string where;   // file:line, for messages
    std::string problem; // why the row cannot be read; empty when it can
    std::vector<std::pair<std::string, std::string>> cells;

    // Each accessor fails the test when the row could not be read, the column
    // is missing or the cell does not read as asked.
    std::string Text(std::string_view column) const;
    double Num(std::string_view column) const; // a decimal, or a/b of two
    float Float(std::string_view column) const { return static_cast<float>(Num(column)); }
    int Int(std::string_view column) const;
    bool Flag(std::string_view column) const; // yes or no
    bool Empty(std::string_view column) const { return Text(column).empty(); }
    // Words joined by '|' ("--dia|1/4|--tpi|20"), as Words splits them.
    std::vector<std::string> List(std::string_view column) const { return Words(Text(column)); }
    static std::vector<std::string> Words(const std::string& joined);
};

// The rows of tests/data/<table>.csv. A file that cannot be read, holds no
// row, or a line of the wrong shape gives a row whose accessors fail.
std::vector<DataRow> TestData(const std::string& table);
// The same of another file of the source tree, named from its top.
std::vector<DataRow> DataFile(const std::string& path);

inline void PrintTo(const DataRow& row, std::ostream* os) {
    *os << row.name;
}

inline std::string RowName(const testing::TestParamInfo<DataRow>& info) {
    return info.param.name;
}

// A limit of a record named as member.dimension.value: member ext, int,
// goRing, noGoRing, goPlug, noGoPlug, goSet or noGoSet; dimension pd, major or
// minor; value max, min, gage, trunc, tol or dev; or member.field: bestWire,
// curWire, minWire, maxWire, rootWire, setToV, setToFlat, rootRadMax,
// rootRadMin, rootWidth or thdHeight. A name that is none fails the test.
double RecordValue(const TTInfo& rec, const std::string& path);

// A TEST_P suite over the rows of one table, named after the table.
#define DATA_ROWS(Suite, table)                                                                    \
    INSTANTIATE_TEST_SUITE_P(Data, Suite, testing::ValuesIn(TestData(table)), RowName)
