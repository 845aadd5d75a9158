#include "cli/json_writer.h"

#include <algorithm>
#include <array>

namespace {

// Bytes of a well-formed UTF-8 sequence starting at s[i], or 0.
std::size_t Utf8Length(std::string_view s, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    std::size_t n = 0;
    unsigned char low = 0x80, high = 0xBF; // the second byte's range
    if (c >= 0xC2 && c <= 0xDF) n = 2;
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

} // namespace

void AppendJsonString(std::string& out, std::string_view s)
{
    // Plain ASCII, nearly every text, goes in runs.
    static constexpr auto kPlain = [] {
        std::array<bool, 256> t{};
        for (int c = 0x20; c < 0x80; ++c) t[c] = c != '"' && c != '\\';
        return t;
    }();
    out += '"';
    const char* const data = s.data();
    const std::size_t size = s.size();
    for (std::size_t i = 0;; ++i) {
        std::size_t end = i;
        while (end < size && kPlain[static_cast<unsigned char>(data[end])]) ++end;
        out.append(data + i, end - i);
        if (end == size) break;
        i = end;
        const unsigned char c = static_cast<unsigned char>(data[i]);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
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
constexpr std::string_view kTopKeys[] = {"caption",  "name",          "pages",     "members",
                                         "record",   "tapDrills",     "tapDrillsError",
                                         "iso1502",  "inspection",    "reevaluation",
                                         "notes",    "pipe"};

// PD, major and minor diameter, max and min, of both threads.
constexpr std::string_view kLimits[] = {
    "members.ExtThd.PD.Max",    "members.ExtThd.PD.Min",    "members.ExtThd.Major.Max",
    "members.ExtThd.Major.Min", "members.ExtThd.Minor.Max", "members.ExtThd.Minor.Min",
    "members.IntThd.PD.Max",    "members.IntThd.PD.Min",    "members.IntThd.Major.Max",
    "members.IntThd.Major.Min", "members.IntThd.Minor.Max", "members.IntThd.Minor.Min",
};

std::string AddPath(FieldNode& root, std::string_view path)
{
    FieldNode* node = &root;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = path.find('.', start);
        const std::string key(path.substr(start, dot == path.npos ? path.npos : dot - start));
        if (key.empty()) return "--fields: " + std::string(path) + " has an empty key";
        if (node == &root && std::ranges::find(kTopKeys, key) == std::end(kTopKeys))
            return "--fields: " + key + " is no key of the output (limits, name, caption, pages, "
                   "members, record, tapDrills, iso1502, inspection, reevaluation, pipe, notes)";
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

void Missed(const FieldNode& node, const std::string& path, std::vector<std::string>& out)
{
    if (node.whole && !node.met) out.push_back(path);
    for (const FieldNode& c : node.children)
        Missed(c, path.empty() ? c.key : path + "." + c.key, out);
}

} // namespace

std::string ReadFieldList(const std::string& list, FieldNode& root)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        std::string item = list.substr(start, comma == list.npos ? list.npos : comma - start);
        item.erase(0, item.find_first_not_of(' '));
        item.erase(item.find_last_not_of(' ') + 1);
        if (item == "limits") {
            for (const std::string_view path : kLimits) AddPath(root, path);
        } else if (std::string problem = AddPath(root, item); !problem.empty()) {
            return problem;
        }
        if (comma == list.npos) return {};
        start = comma + 1;
    }
}

bool FieldsNeed(const FieldNode& root, std::initializer_list<std::string_view> keys)
{
    for (const std::string_view k : keys)
        if (root.Child(k)) return true;
    return false;
}

bool FieldsWithinLimits(const FieldNode& root)
{
    if (root.children.size() != 1 || root.children[0].key != "members" || root.children[0].whole)
        return false;
    for (const FieldNode& member : root.children[0].children) {
        if (member.whole) return false;
        for (const FieldNode& limits : member.children)
            if (limits.key != "PD" && limits.key != "Major" && limits.key != "Minor") return false;
    }
    return true;
}

std::vector<std::string> FieldsMissed(const FieldNode& root)
{
    std::vector<std::string> out;
    Missed(root, "", out);
    return out;
}

void JsonWriter::WriteFrames()
{
    for (Frame& f : frames_) {
        if (f.written) continue;
        Sep();
        if (!f.key.empty()) {
            AppendJsonString(buf_, f.key);
            buf_ += ':';
        }
        buf_ += f.opener;
        first_ = true;
        f.written = true;
    }
}

void JsonWriter::SelectedOpen(char c)
{
    Frame f;
    f.opener = c;
    ++depth_;
    if (frames_.empty()) {
        f.node = fields_;
        f.written = true;
        buf_ += c;
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

void JsonWriter::SelectedClose(char c)
{
    if (frames_.back().written) {
        buf_ += c;
        first_ = false;
    }
    frames_.pop_back();
    if (--depth_ == 0) Flush();
}

void JsonWriter::SelectedKey(std::string_view k)
{
    const Frame& top = frames_.back();
    if (top.whole) {
        Sep();
        AppendJsonString(buf_, k);
        buf_ += ':';
        first_ = true;
        return;
    }
    pendingKey_.assign(k);
    pendingNode_ = top.node && top.opener == '{' ? top.node->Child(k) : nullptr;
}

bool JsonWriter::SelectedValue()
{
    if (frames_.back().whole) return true;
    const FieldNode* node = pendingNode_;
    pendingNode_ = nullptr;
    if (!node || !node->whole) return false;
    node->met = true;
    WriteFrames();
    Sep();
    AppendJsonString(buf_, pendingKey_);
    buf_ += ':';
    first_ = true;
    return true;
}
