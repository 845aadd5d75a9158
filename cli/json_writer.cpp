#include "cli/json_writer.h"

#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Bytes of a well-formed UTF-8 sequence starting at s[i], or 0.
std::size_t Utf8Length(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    std::size_t n = 0;
    unsigned char low = 0x80, high = 0xBF; // the second byte's range
    if (c >= 0xC2 && c <= 0xDF)
        n = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) low = 0xA0;
        if (c == 0xED) high = 0x9F; // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + n > s.size() || byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < n; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    return n;
}

// Bytes a JSON string holds as they are.
constexpr auto kPlain = [] {
    std::array<bool, 256> t{};
    for (int c = 0x20; c < 0x80; ++c)
        t[c] = c != '"' && c != '\\';
    return t;
}();

// The text of whole * 10^-k, its trailing zeros cut: what to_chars writes
// for a value between 10^-3 and 10^5 that it reads back as, with `wholeDigits`
// digits before the point (no whole number, so k stays above 0). Written in
// place, the digits from the last.
char* DecimalText(char* p, bool negative, uint64_t whole, int k, int wholeDigits) {
    const auto cut = [&](uint64_t ten, int zeros) {
        if (k <= zeros || whole % ten != 0) return;
        whole /= ten;
        k -= zeros;
    };
    cut(100000000, 8); // up to 15 zeros: 8, 4, 2 and 1 at a time
    cut(10000, 4);
    cut(100, 2);
    cut(10, 1);
    if (negative) *p++ = '-';
    char* const end = p + wholeDigits + 1 + k;
    char* const point = LowDigitsBefore(end, whole, k) - 1;
    *point = '.';
    DigitsBefore(point, whole);
    return end;
}

} // namespace

void AppendJsonString(std::string& out, std::string_view s) {
    // Plain ASCII, nearly every text, goes in runs.
    out += '"';
    const char* const data = s.data();
    const std::size_t size = s.size();
    for (std::size_t i = 0;; ++i) {
        std::size_t end = i;
        while (end < size && kPlain[static_cast<unsigned char>(data[end])])
            ++end;
        out.append(data + i, end - i);
        if (end == size) break;
        i = end;
        const unsigned char c = static_cast<unsigned char>(data[i]);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                const char* hex = "0123456789abcdef";
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 15];
            } else if (const std::size_t n = Utf8Length(s, i); n > 0) {
                out.append(data + i, n);
                i += n - 1;
            } else {
                // JSON is UTF-8: a stray byte of a typed value must not break it.
                out += "\\ufffd";
            }
        }
    }
    out += '"';
}

namespace {

// The top-level keys of a thread's JSON, the pipe threads' included.
constexpr std::string_view kTopKeys[] = {
    "schema", "unit",      "caption",        "name",        "pages",      "members",
    "record", "tapDrills", "tapDrillsError", "iso1502",     "inspection", "reevaluation",
    "notes",  "pipe",      "calibration",    "wireReadings"};

// PD, major and minor diameter, max and min, of both threads.
constexpr std::string_view kLimits[] = {
    "members.ExtThd.PD.Max",    "members.ExtThd.PD.Min",    "members.ExtThd.Major.Max",
    "members.ExtThd.Major.Min", "members.ExtThd.Minor.Max", "members.ExtThd.Minor.Min",
    "members.IntThd.PD.Max",    "members.IntThd.PD.Min",    "members.IntThd.Major.Max",
    "members.IntThd.Major.Min", "members.IntThd.Minor.Max", "members.IntThd.Minor.Min",
};

std::string AddPath(FieldNode& root, std::string_view path) {
    FieldNode* node = &root;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = path.find('.', start);
        const std::string key(path.substr(start, dot == path.npos ? path.npos : dot - start));
        if (key.empty()) return "--fields: " + std::string(path) + " has an empty key";
        if (node == &root && std::ranges::find(kTopKeys, key) == std::end(kTopKeys))
            return "--fields: " + key +
                   " is no key of the output (limits, schema, unit, name, caption, pages, "
                   "members, record, tapDrills, iso1502, inspection, calibration, reevaluation, "
                   "pipe, "
                   "notes, wireReadings)";
        if (node->whole) return {}; // already asked for whole
        FieldNode* child = nullptr;
        for (FieldNode& c : node->children)
            if (c.key == key) child = &c;
        if (!child) {
            node->children.push_back({key, false, false, {}});
            child = &node->children.back();
        }
        node = child;
        if (dot == path.npos) break;
        start = dot + 1;
    }
    node->whole = true;
    node->children.clear();
    return {};
}

bool AllMet(const FieldNode& node) {
    if (node.whole) return node.met;
    for (const FieldNode& c : node.children)
        if (!AllMet(c)) return false;
    return true;
}

void ClearMet(const FieldNode& node) {
    node.met = false;
    for (const FieldNode& c : node.children)
        ClearMet(c);
}

void Missed(const FieldNode& node, const std::string& path, std::vector<std::string>& out) {
    if (node.whole && !node.met) out.push_back(path);
    for (const FieldNode& c : node.children)
        Missed(c, path.empty() ? c.key : path + "." + c.key, out);
}

} // namespace

std::string ReadFieldList(const std::string& list, FieldNode& root) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        std::string item = list.substr(start, comma == list.npos ? list.npos : comma - start);
        item.erase(0, item.find_first_not_of(' '));
        item.erase(item.find_last_not_of(' ') + 1);
        if (item == "limits") {
            AddPath(root, "members.unit"); // the limits are no use without it
            for (const std::string_view path : kLimits)
                AddPath(root, path);
        } else if (std::string problem = AddPath(root, item); !problem.empty()) {
            return problem;
        }
        if (comma == list.npos) return {};
        start = comma + 1;
    }
}

const FieldNode* FieldList(const std::string& list, std::string& problem) {
    static std::string read;
    static FieldNode root;
    static std::string readProblem;
    if (list != read || (root.children.empty() && readProblem.empty())) {
        root = FieldNode{};
        readProblem = ReadFieldList(list, root);
        read = list;
    }
    problem = readProblem;
    if (!problem.empty()) return nullptr;
    ClearMet(root);
    return &root;
}

bool FieldsNeed(const FieldNode& root, std::initializer_list<std::string_view> keys) {
    for (const std::string_view k : keys)
        if (root.Child(k)) return true;
    return false;
}

bool FieldsWithinLimits(const FieldNode& root) {
    if (root.children.size() != 1 || root.children[0].key != "members" || root.children[0].whole)
        return false;
    for (const FieldNode& member : root.children[0].children) {
        if (member.key == "unit") continue;
        if (member.whole) return false;
        for (const FieldNode& limits : member.children)
            if (limits.key != "PD" && limits.key != "Major" && limits.key != "Minor") return false;
    }
    return true;
}

std::vector<std::string> FieldsMissed(const FieldNode& root) {
    std::vector<std::string> out;
    if (!AllMet(root)) Missed(root, "", out);
    return out;
}

void JsonWriter::WriteFrames() {
    for (Frame& f : frames_) {
        if (f.written) continue;
        Sep();
        if (!f.key.empty()) WriteKey(f.key);
        *Room(1) = f.opener;
        first_ = true;
        f.written = true;
    }
}

void JsonWriter::SelectedOpen(char c) {
    Frame f;
    f.opener = c;
    ++depth_;
    if (frames_.empty()) {
        f.node = fields_;
        f.written = true;
        *Room(1) = c;
        first_ = true;
        frames_.push_back(std::move(f));
        return;
    }
    const Frame& top = frames_.back();
    if (top.whole) {
        f.whole = true; // its key, if any, is written
    } else if (top.node && top.opener == '{' && pendingNode_) {
        f.node = pendingNode_;
        f.whole = pendingNode_->whole;
        f.key = pendingKey_;
        if (f.whole) pendingNode_->met = true;
    }
    pendingNode_ = nullptr;
    frames_.push_back(std::move(f));
    if (frames_.back().whole) WriteFrames();
}

void JsonWriter::SelectedClose(char c) {
    if (frames_.back().written) {
        *Room(1) = c;
        first_ = false;
    }
    frames_.pop_back();
    if (--depth_ == 0) Flush();
}

void JsonWriter::SelectedKey(std::string_view k) {
    const Frame& top = frames_.back();
    if (top.whole) {
        Sep();
        WriteKey(k);
        return;
    }
    pendingKey_ = k;
    pendingNode_ = top.node && top.opener == '{' ? top.node->Child(k) : nullptr;
}

bool JsonWriter::SelectedValue() {
    if (frames_.back().whole) return true;
    const FieldNode* node = pendingNode_;
    pendingNode_ = nullptr;
    if (!node || !node->whole) return false;
    node->met = true;
    WriteFrames();
    Sep();
    WriteKey(pendingKey_);
    return true;
}

void JsonWriter::Grow(std::size_t n) {
    const std::size_t room = std::max(2 * room_, size_ + n);
    std::unique_ptr<char[]> bigger(new char[room]);
    std::memcpy(bigger.get(), buf_.get(), size_);
    buf_ = std::move(bigger);
    room_ = room;
}

void JsonWriter::WriteString(std::string_view s) {
    // Copied as it is checked, eight (or four) bytes at a time, the last ones
    // overlapping those before: nearly every text is plain ASCII. A text with
    // a byte below 0x20 or above 0x7F, a quote or a backslash is escaped.
    constexpr uint64_t kOnes = 0x0101010101010101u;
    const auto hasZero = [](uint64_t x, uint64_t ones) { return (x - ones) & ~x & (ones << 7); };
    // Nonzero when a byte of x (its low `ones` bytes) is not plain.
    const auto special = [&](uint64_t x, uint64_t ones) {
        return ((x - ones * 0x20) & ~x & (ones << 7)) | hasZero(x ^ (ones * '"'), ones) |
               hasZero(x ^ (ones * '\\'), ones) | (x & (ones << 7));
    };
    const std::size_t n = s.size();
    char* const p = Room(n + 2);
    const char* const in = s.data();
    uint64_t bad = 0;
    if (n >= 8) {
        uint64_t x;
        for (std::size_t i = 0; i + 8 < n; i += 8) {
            std::memcpy(&x, in + i, 8);
            bad |= special(x, kOnes);
            std::memcpy(p + 1 + i, &x, 8);
        }
        std::memcpy(&x, in + n - 8, 8);
        bad |= special(x, kOnes);
        std::memcpy(p + 1 + n - 8, &x, 8);
    } else if (n >= 4) {
        uint32_t head, tail;
        std::memcpy(&head, in, 4);
        std::memcpy(&tail, in + n - 4, 4);
        bad = special(head, kOnes >> 32) | special(tail, kOnes >> 32);
        std::memcpy(p + 1, &head, 4);
        std::memcpy(p + 1 + n - 4, &tail, 4);
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            bad |= !kPlain[static_cast<unsigned char>(in[i])];
            p[1 + i] = in[i];
        }
    }
    if (bad != 0) return WriteEscaped(s);
    p[0] = '"';
    p[n + 1] = '"';
}

void JsonWriter::WriteEscaped(std::string_view s) {
    size_ -= s.size() + 2;
    escaped_.clear(); // its room serves every escaped text ("±", "—" in notes)
    AppendJsonString(escaped_, s);
    std::memcpy(Room(escaped_.size()), escaped_.data(), escaped_.size());
}

namespace {

// The shortest text of v that reads back as v, as to_chars writes it, for a
// finite v that is no whole number below 10^5. Returns its end.
char* FractionText(char* p, double v) {
    // Most are fixed texts of a few decimals. Between 10^-3 and 10^5 the
    // fixed form is never longer than the exponent form, so the shortest
    // fixed text that reads back as v is what to_chars writes. With K
    // decimals, a * 10^K below 2^50: only one decimal of K digits is within
    // 2^-3 of a * 10^K, as a decimal must be to read back as v, and the
    // rounding below finds it; cutting its trailing zeros gives the shortest.
    static constexpr double kScale[] = {1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double a = std::fabs(v);
    if (a >= 1e-3 && a < 1e5) {
        const int digits = a < 1 ? 0 : a < 10 ? 1 : a < 100 ? 2 : a < 1e3 ? 3 : a < 1e4 ? 4 : 5;
        const int shown = std::max(digits, 1); // "0" before the point below 1
        // Four decimals or fewer, the tables' own, first: no other text of up
        // to four decimals is within a double's step of v.
        if (const double r = std::floor(a * 1e4 + 0.5); r / 1e4 == a)
            return DecimalText(p, v < 0, static_cast<uint64_t>(r), 4, shown);
        const int k = 15 - digits;
        const double scale = kScale[k - 10];
        if (const double n = std::floor(a * scale + 0.5); n / scale == a)
            return DecimalText(p, v < 0, static_cast<uint64_t>(n), k, shown);
    }
    return std::to_chars(p, p + 24, v).ptr;
}

} // namespace

char* JsonWriter::NumberText(char* p, double v) {
    static_assert(kNumberRoom == 24);
    // A record has most of its values more than once (a gauge's limits are
    // its thread's, the uncoated ones the coated, zero two fifths of all),
    // and a batch the same tolerances line after line: their texts are kept.
    struct Kept {
        uint64_t bits = 0;
        char text[24] = {};
        unsigned char size = 0;
    };
    static Kept kept[1024];
    const uint64_t bits = std::bit_cast<uint64_t>(v);
    Kept& k = kept[(bits * 0x9E3779B97F4A7C15u) >> 54];
    if (k.size == 0 || k.bits != bits) {
        if (!std::isfinite(v)) return std::copy_n("null", 4, p);
        k.bits = bits;
        // Whole numbers below 10^5 read the same as the shortest form.
        const bool whole = v == std::trunc(v) && std::fabs(v) < 1e5 && !(v == 0 && std::signbit(v));
        char* const end = whole ? std::to_chars(k.text, k.text + 24, static_cast<int>(v)).ptr
                                : FractionText(k.text, v);
        k.size = static_cast<unsigned char>(end - k.text);
    }
    std::memcpy(p, k.text, 24); // the room the callers keep for a number
    return p + k.size;
}
