#include "support/test_data.h"

#include "core/thread_record.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace {

// Splits one line into cells; false when a quote is not closed.
bool SplitCells(const std::string& line, std::vector<std::string>& cells) {
    cells.assign(1, "");
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            cells.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    return !quoted;
}

std::string Unescaped(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const char e = s[++i];
        if (e == 'x' && i + 2 < s.size()) {
            out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
        }
    }
    return out;
}

bool ReadDouble(std::string_view s, double& v) {
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && end == s.data() + s.size();
}

} // namespace

std::vector<DataRow> TestData(const std::string& table) {
    return DataFile("tests/data/" + table + ".csv");
}

std::vector<DataRow> DataFile(const std::string& path) {
    const std::string file = PL_SOURCE_DIR "/" + path;
    const std::string table = path.substr(path.rfind('/') + 1);
    std::ifstream in(file);
    std::vector<DataRow> rows;
    std::vector<std::string> header, cells;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        DataRow row;
        row.where = table + ":" + std::to_string(number);
        if (!SplitCells(line, cells)) {
            row.problem = "a quoted cell is not closed";
        } else if (header.empty()) {
            header = cells;
            continue;
        } else if (cells.size() != header.size()) {
            row.problem = std::to_string(cells.size()) + " cells, the header has " +
                          std::to_string(header.size());
        } else {
            row.name = cells[0];
            for (std::size_t k = 1; k < cells.size(); ++k)
                row.cells.emplace_back(header[k], Unescaped(cells[k]));
        }
        if (!row.problem.empty()) row.name = "line" + std::to_string(number);
        rows.push_back(row);
    }
    if (rows.empty())
        rows.push_back({"noRows", file, in ? "no rows" : "the file cannot be read", {}});
    return rows;
}

std::vector<std::string> DataRow::Words(const std::string& joined) {
    // A '|' at the end adds no empty word.
    std::vector<std::string> words;
    std::istringstream in(joined);
    for (std::string word; std::getline(in, word, '|');)
        words.push_back(word);
    return words;
}

std::string DataRow::Text(std::string_view column) const {
    if (!problem.empty()) {
        ADD_FAILURE() << where << ": " << problem;
        return "";
    }
    for (const auto& [c, text] : cells)
        if (c == column) return text;
    ADD_FAILURE() << where << ": no column " << column;
    return "";
}

double DataRow::Num(std::string_view column) const {
    const std::string s = Text(column);
    const std::size_t slash = s.find('/');
    double a = 0, b = 1;
    if (slash == std::string::npos ? ReadDouble(s, a)
                                   : ReadDouble(std::string_view(s).substr(0, slash), a) &&
                                         ReadDouble(std::string_view(s).substr(slash + 1), b))
        return a / b;
    ADD_FAILURE() << where << ": " << column << " '" << s << "' is not a number";
    return 0;
}

int DataRow::Int(std::string_view column) const {
    const std::string s = Text(column);
    int v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size())
        ADD_FAILURE() << where << ": " << column << " '" << s << "' is not a whole number";
    return v;
}

bool DataRow::Flag(std::string_view column) const {
    const std::string s = Text(column);
    if (s != "yes" && s != "no")
        ADD_FAILURE() << where << ": " << column << " '" << s << "' is not yes or no";
    return s == "yes";
}

double RecordValue(const TTInfo& rec, const std::string& path) {
    const std::pair<const char*, const TThdInfo*> members[] = {
        {"ext.", &rec.ExtThd},        {"int.", &rec.IntThd},         {"goRing.", &rec.GoRing},
        {"noGoRing.", &rec.NoGoRing}, {"goPlug.", &rec.GoPlug},      {"noGoPlug.", &rec.NoGoPlug},
        {"goSet.", &rec.GoSetPlug},   {"noGoSet.", &rec.NoGoSetPlug}};
    for (const auto& [prefix, m] : members) {
        if (!path.starts_with(prefix)) continue;
        const std::string rest = path.substr(std::string_view(prefix).size());
        const std::pair<const char*, double> scalars[] = {
            {"bestWire", m->BestWire},     {"curWire", m->CurWire},
            {"minWire", m->MinWire},       {"maxWire", m->MaxWire},
            {"rootWire", m->RootWire},     {"setToV", m->SetToV},
            {"setToFlat", m->SetToFlat},   {"rootRadMax", m->RootRadMax},
            {"rootRadMin", m->RootRadMin}, {"rootWidth", m->RootWidth},
            {"thdHeight", m->ThdHeight}};
        for (const auto& [name, v] : scalars)
            if (rest == name) return v;
        const std::pair<const char*, const TDimLimits*> dims[] = {
            {"pd.", &m->PD}, {"major.", &m->Major}, {"minor.", &m->Minor}};
        for (const auto& [dim, l] : dims) {
            if (!rest.starts_with(dim)) continue;
            const std::string value = rest.substr(std::string_view(dim).size());
            const std::pair<const char*, double> values[] = {
                {"max", l->Max},         {"min", l->Min}, {"gage", l->Gage},
                {"trunc", l->GageTrunc}, {"tol", l->Tol}, {"dev", l->Dev}};
            for (const auto& [name, v] : values)
                if (value == name) return v;
        }
    }
    ADD_FAILURE() << "no limit named " << path;
    return 0;
}
