#include "tools/mktables/csv_source.h"

namespace mktables {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string TrimBlanks(const std::string& s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

} // namespace

bool SplitCsvLine(const std::string& line, std::vector<std::string>& fields, std::string& why) {
    fields.clear();
    std::size_t i = 0;
    for (;;) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        std::string field;
        if (i < line.size() && line[i] == '"') {
            ++i;
            for (;;) {
                if (i >= line.size()) {
                    why = "a quoted field is not closed";
                    return false;
                }
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            while (i < line.size() && IsBlank(line[i]))
                ++i;
            if (i < line.size() && line[i] != ',') {
                why = "text follows a quoted field";
                return false;
            }
        } else {
            const std::size_t start = i;
            while (i < line.size() && line[i] != ',')
                ++i;
            field = TrimBlanks(line.substr(start, i - start));
        }
        fields.push_back(field);
        if (i >= line.size()) return true;
        ++i; // the comma
    }
}

Source ParseSource(const std::string& text, const std::string& fileName,
                   std::vector<std::string>& problems) {
    Source src;
    std::size_t pos = 0;
    // A byte-order mark left by some editors is not part of the first line.
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;
    int number = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        const std::string line = TrimBlanks(text.substr(pos, end - pos));
        pos = end + 1;
        ++number;
        if (line.empty()) continue;
        if (line[0] == '#') {
            if (!src.hasHeader) ++src.commentLinesBeforeHeader;
            continue;
        }
        SourceLine sl;
        sl.number = number;
        std::string why;
        if (!SplitCsvLine(line, sl.fields, why)) {
            problems.push_back(fileName + ":" + std::to_string(number) + ": " + why);
            continue;
        }
        if (!src.hasHeader) {
            src.hasHeader = true;
            src.header = std::move(sl);
        } else {
            src.rows.push_back(std::move(sl));
        }
    }
    return src;
}

} // namespace mktables
