#pragma once
// Reading a table source: '#' comment lines, blank lines, one header line of
// column names, then one row per line. Fields are separated by commas; a field
// in double quotes may hold commas ("" stands for one quote).

#include <string>
#include <vector>

namespace mktables {

struct SourceLine {
    int number = 0; // 1-based line number in the file
    std::vector<std::string> fields;
};

struct Source {
    int commentLinesBeforeHeader = 0;
    bool hasHeader = false;
    SourceLine header;
    std::vector<SourceLine> rows;
};

// Splits one line into fields, trimming blanks around unquoted text. Returns
// false with a reason when a quote is left open.
bool SplitCsvLine(const std::string& line, std::vector<std::string>& fields, std::string& why);

// Parses the whole text; problems are added as "file:line: problem".
Source ParseSource(const std::string& text, const std::string& fileName,
                   std::vector<std::string>& problems);

} // namespace mktables
