#include "tools/mktables/compiler.h"

#include "tools/mktables/csv_source.h"

#include <cctype>
#include <cstring>
#include <limits>
#include <map>

namespace mktables {
namespace {

// Far beyond any field, small enough that value x scale stays inside int64.
constexpr int64_t kMagnitudeCap = 1000000000000LL;

int DecimalsOf(int64_t scale) {
    int d = 0;
    while (scale > 1) {
        scale /= 10;
        ++d;
    }
    return d;
}

struct Range {
    int64_t low;
    int64_t high;
};

Range RangeOf(Kind kind) {
    if (kind == Kind::U16) return {0, std::numeric_limits<uint16_t>::max()};
    if (kind == Kind::I16)
        return {std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()};
    return {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
}

// One cell of a row, converted.
struct Cell {
    bool empty = true;
    bool valid = false;
    int64_t number = 0;
    std::string text; // as typed
};

void PutLE(std::vector<unsigned char>& rec, int offset, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        rec[offset + i] = static_cast<unsigned char>(value >> (8 * i));
}

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

class Compiler {
public:
    Compiler(const Layout& layout, const std::string& fileName)
        : layout_(layout), file_(fileName) {}

    CompileResult Run(const std::string& text) {
        const Source src = ParseSource(text, file_, result_.problems);
        if (!src.hasHeader) {
            result_.problems.push_back(file_ + ": no header line naming the columns");
            return std::move(result_);
        }
        if (src.commentLinesBeforeHeader == 0)
            Problem(src.header.number,
                    "no comment lines before the header naming the standard table or formula");
        if (!MapColumns(src.header)) return std::move(result_);
        for (const SourceLine& row : src.rows)
            Row(row);
        CheckAcrossRows();
        return std::move(result_);
    }

private:
    void Problem(int line, const std::string& text) {
        result_.problems.push_back(file_ + ":" + std::to_string(line) + ": " + text);
    }

    bool MapColumns(const SourceLine& header) {
        headerSize_ = header.fields.size();
        bool ok = true;
        for (std::size_t i = 0; i < header.fields.size(); ++i)
            for (std::size_t j = 0; j < i; ++j)
                if (header.fields[i] == header.fields[j]) {
                    Problem(header.number, "column '" + header.fields[i] + "' appears twice");
                    ok = false;
                }
        for (const Field& f : layout_.fields) {
            std::size_t at = header.fields.size();
            for (std::size_t i = 0; i < header.fields.size(); ++i)
                if (header.fields[i] == f.name) at = i;
            if (at == header.fields.size()) {
                Problem(header.number, "missing column '" + f.name + "'");
                ok = false;
            }
            column_.push_back(at);
        }
        return ok;
    }

    Cell Convert(int line, const Field& f, const std::string& text) {
        Cell c;
        c.text = text;
        c.empty = text.empty();
        if (c.empty) {
            // An empty cell is a value the standard does not give: stored as 0.
            if (f.flags & kKey) {
                Problem(line, f.name + ": a value is required");
                return c;
            }
            c.valid = true;
            return c;
        }
        if (f.kind == Kind::Str) {
            if (text.size() > static_cast<std::size_t>(f.capacity)) {
                Problem(line, f.name + ": '" + text + "' is longer than " +
                                  std::to_string(f.capacity) + " characters");
                return c;
            }
            c.valid = true;
            return c;
        }
        std::string why;
        const Range r = RangeOf(f.kind);
        const bool parsed = ParseScaled(text, f.scale, c.number, why);
        const bool notApplicable = (f.flags & kMinusOneNA) && c.number == -f.scale;
        // ParseScaled leaves why empty for a magnitude beyond every field.
        if ((!parsed && why.empty()) || (parsed && (c.number < r.low || c.number > r.high)))
            why = "is out of range (" + ScaledText(r.low, f.scale) + " to " +
                  ScaledText(r.high, f.scale) + ")";
        else if (parsed && (f.flags & kLength) && c.number < 0 && !notApplicable)
            why = (f.flags & kMinusOneNA) ? "is negative (-1 alone marks a value not given)"
                                          : "is negative";
        if (!why.empty()) {
            Problem(line, f.name + ": " + text + " " + why);
            return c;
        }
        c.valid = true;
        return c;
    }

    void Row(const SourceLine& row) {
        if (row.fields.size() != headerSize_) {
            Problem(row.number, std::to_string(row.fields.size()) + " fields, the header has " +
                                    std::to_string(headerSize_));
            return;
        }
        std::vector<Cell> cells;
        bool ok = true;
        for (std::size_t i = 0; i < layout_.fields.size(); ++i) {
            cells.push_back(Convert(row.number, layout_.fields[i], row.fields[column_[i]]));
            ok = ok && cells.back().valid;
        }
        if (!ok) return;
        CheckPairs(row.number, cells);
        CheckOrder(row.number, cells);
        CheckKey(row.number, cells);
        CheckReachable(row.number, cells);
        Write(cells);
        Remember(row.number, cells);
    }

    // Rows kept for the checks across rows, which run once all are read.
    void Remember(int line, const std::vector<Cell>& cells) {
        if (!layout_.acrossRows) return;
        std::map<std::string, int64_t> stored;
        for (std::size_t i = 0; i < layout_.fields.size(); ++i)
            if (layout_.fields[i].kind != Kind::Str)
                stored[layout_.fields[i].name] = cells[i].number;
        rows_.push_back(stored);
        rowLines_.push_back(line);
    }

    void CheckAcrossRows() {
        if (!layout_.acrossRows) return;
        for (const auto& [index, why] : layout_.acrossRows(rows_))
            Problem(rowLines_.at(index), why);
    }

    int IndexOf(const std::string& name) const {
        for (std::size_t i = 0; i < layout_.fields.size(); ++i)
            if (layout_.fields[i].name == name) return static_cast<int>(i);
        return -1;
    }

    void CheckPairs(int line, const std::vector<Cell>& cells) {
        for (std::size_t i = 0; i < layout_.fields.size(); ++i) {
            const std::string& name = layout_.fields[i].name;
            if (!EndsWith(name, "_max") || layout_.fields[i].kind == Kind::Str) continue;
            const int j = IndexOf(name.substr(0, name.size() - 4) + "_min");
            if (j < 0) continue;
            const Cell& max = cells[i];
            const Cell& min = cells[j];
            // 0 stands for a value the standard does not give.
            if (max.number == 0 || min.number == 0) continue;
            if (max.number < min.number)
                Problem(line, name + " " + max.text + " is below " + layout_.fields[j].name + " " +
                                  min.text);
        }
    }

    void CheckOrder(int line, const std::vector<Cell>& cells) {
        if (layout_.orderField.empty()) return;
        const Cell& c = cells[IndexOf(layout_.orderField)];
        const bool rises = layout_.fieldRises;
        if (havePrevious_ && (rises ? c.number <= previous_.number : c.number >= previous_.number))
            Problem(line, layout_.orderField + " " + c.text +
                              (rises ? " does not rise above " : " does not fall below ") +
                              previous_.text + " of line " + std::to_string(previousLine_) +
                              "; rows must be ordered by " + (rises ? "rising " : "falling ") +
                              layout_.orderField);
        havePrevious_ = true;
        previous_ = c;
        previousLine_ = line;
    }

    void CheckKey(int line, const std::vector<Cell>& cells) {
        if (layout_.uniqueKey.empty()) return;
        std::string key;
        std::string shown;
        for (const KeyPart& k : layout_.uniqueKey) {
            const Field& f = layout_.fields[IndexOf(k.field)];
            const Cell& c = cells[IndexOf(k.field)];
            std::string part = f.kind == Kind::Str ? c.text : std::to_string(c.number);
            if (k.firstCharOnly) part = part.substr(0, 1);
            if (k.caseBlind)
                for (char& ch : part)
                    ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            key += part + '\x1f';
            if (!shown.empty()) shown += ", ";
            shown += f.name + " " + (k.firstCharOnly ? part : c.text);
        }
        const auto [it, fresh] = firstLineOfKey_.emplace(key, line);
        if (!fresh)
            Problem(line, shown + " repeats line " + std::to_string(it->second) +
                              (layout_.keyLastWins ? ", whose row the reader then never applies"
                                                   : ", whose row the reader takes first"));
    }

    void CheckReachable(int line, const std::vector<Cell>& cells) {
        CheckReachableText(line, cells);
        if (!layout_.unreachable) return;
        std::map<std::string, int64_t> stored;
        for (std::size_t i = 0; i < layout_.fields.size(); ++i) {
            const Field& f = layout_.fields[i];
            if (f.kind != Kind::Str) stored[f.name] = cells[i].number;
        }
        const std::string why = layout_.unreachable(stored);
        if (!why.empty()) Problem(line, why);
    }

    void CheckReachableText(int line, const std::vector<Cell>& cells) {
        if (!layout_.unreachableText) return;
        std::map<std::string, std::string> texts;
        for (std::size_t i = 0; i < layout_.fields.size(); ++i)
            if (layout_.fields[i].kind == Kind::Str) texts[layout_.fields[i].name] = cells[i].text;
        const std::string why = layout_.unreachableText(texts);
        if (!why.empty()) Problem(line, why);
    }

    void Write(const std::vector<Cell>& cells) {
        std::vector<unsigned char> rec(layout_.recordSize, 0);
        for (std::size_t i = 0; i < layout_.fields.size(); ++i) {
            const Field& f = layout_.fields[i];
            const Cell& c = cells[i];
            switch (f.kind) {
            case Kind::U16:
            case Kind::I16:
                PutLE(rec, f.offset, static_cast<uint32_t>(c.number), 2);
                break;
            case Kind::F64: {
                const double value = static_cast<double>(c.number) / static_cast<double>(f.scale);
                uint64_t bits = 0;
                std::memcpy(&bits, &value, sizeof bits);
                PutLE(rec, f.offset, static_cast<uint32_t>(bits), 4);
                PutLE(rec, f.offset + 4, static_cast<uint32_t>(bits >> 32), 4);
                break;
            }
            case Kind::I32:
                PutLE(rec, f.offset, static_cast<uint32_t>(static_cast<int32_t>(c.number)), 4);
                break;
            case Kind::Str:
                rec[f.offset] = static_cast<unsigned char>(c.text.size());
                for (std::size_t k = 0; k < c.text.size(); ++k)
                    rec[f.offset + 1 + k] = static_cast<unsigned char>(c.text[k]);
                break;
            }
        }
        result_.bytes.insert(result_.bytes.end(), rec.begin(), rec.end());
    }

    const Layout& layout_;
    std::string file_;
    CompileResult result_;
    std::size_t headerSize_ = 0;
    std::vector<std::size_t> column_; // CSV column of each layout field
    bool havePrevious_ = false;
    Cell previous_;
    int previousLine_ = 0;
    std::map<std::string, int> firstLineOfKey_;
    std::vector<std::map<std::string, int64_t>> rows_;
    std::vector<int> rowLines_;
};

} // namespace

bool ParseScaled(const std::string& text, int64_t scale, int64_t& value, std::string& why) {
    why.clear();
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int64_t whole = 0;
    int digits = 0;
    bool tooLarge = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
        whole = whole * 10 + (text[i] - '0');
        if (whole > kMagnitudeCap) {
            tooLarge = true;
            whole = kMagnitudeCap;
        }
    }
    const int decimals = DecimalsOf(scale);
    int64_t fraction = 0;
    int fractionDigits = 0;
    bool excess = false;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
            if (fractionDigits < decimals) {
                fraction = fraction * 10 + (text[i] - '0');
                ++fractionDigits;
            } else if (text[i] != '0') {
                excess = true;
            }
        }
    }
    if (digits == 0 || i != text.size()) {
        why = "is not a decimal number";
        return false;
    }
    if (excess) {
        why = "has more than " + std::to_string(decimals) + " decimals";
        return false;
    }
    if (tooLarge) return false; // out of range; the caller names the range
    for (; fractionDigits < decimals; ++fractionDigits)
        fraction *= 10;
    value = whole * scale + fraction;
    if (negative) value = -value;
    return true;
}

std::string ScaledText(int64_t value, int64_t scale) {
    const int decimals = DecimalsOf(scale);
    const bool negative = value < 0;
    // Magnitude without overflow for the most negative values.
    const uint64_t mag = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    std::string text = std::to_string(mag / static_cast<uint64_t>(scale));
    if (decimals > 0) {
        std::string frac = std::to_string(mag % static_cast<uint64_t>(scale));
        frac.insert(0, decimals - frac.size(), '0');
        while (!frac.empty() && frac.back() == '0')
            frac.pop_back();
        if (!frac.empty()) text += "." + frac;
    }
    return negative ? "-" + text : text;
}

CompileResult CompileSource(const Layout& layout, const std::string& text,
                            const std::string& fileName) {
    return Compiler(layout, fileName).Run(text);
}

} // namespace mktables
