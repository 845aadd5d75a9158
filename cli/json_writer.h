#pragma once
// The JSON writer of plcalc's output: values go into a buffer that is written
// out whole when the outermost value closes.

#include "cli/text_grid.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A JSON string: quoted, escaped, bytes that are no UTF-8 as U+FFFD.
void AppendJsonString(std::string& out, std::string_view s);

// The keys --fields asks for, as a tree of key paths: a node whose `whole` is
// set is written with all it holds; the others only for what they lead to.
struct FieldNode {
    std::string key;
    bool whole = false;
    mutable bool met = false; // a whole node the output had
    std::vector<FieldNode> children;
    const FieldNode* Child(std::string_view k) const {
        for (const FieldNode& c : children)
            if (c.key == k) return &c;
        return nullptr;
    }
};
// Reads LIST ("limits", "name", "members.ExtThd.PD", comma-separated) into
// root; empty, or the usage problem of a word that is no key of the output.
std::string ReadFieldList(const std::string& list, FieldNode& root);
// The same, read once for the lines of a batch that give the same LIST (its
// `met` marks cleared); nullptr with the problem.
const FieldNode* FieldList(const std::string& list, std::string& problem);
// Whether any of the top-level keys is asked for.
bool FieldsNeed(const FieldNode& root, std::initializer_list<std::string_view> keys);
// Whether only limits of the members are asked for (members.X.PD, .Major, .Minor).
bool FieldsWithinLimits(const FieldNode& root);
// The paths asked for that the output did not have ("members.ExtThd.Foo").
std::vector<std::string> FieldsMissed(const FieldNode& root);

// A key spelled in the program, checked plain when compiled. It is passed as
// a pointer and a size, in registers: a key built as a quoted copy on the
// stack cost a stalled load at every value of a record.
class JsonKey {
public:
    static constexpr std::size_t kMostChars = 15;
    static constexpr std::size_t kRoom = kMostChars + 3; // "key":
    template <std::size_t N>
    consteval JsonKey(const char (&k)[N]) : key_(k), size_(N - 1) { // NOLINT: a literal converts
        if (N - 1 > kMostChars) throw "a longer key is written with KeyText";
        for (std::size_t i = 0; i + 1 < N; ++i)
            if (k[i] < 0x20 || k[i] == '"' || k[i] == '\\' || k[i] == 0x7F)
                throw "a key written as it stands is plain printable ASCII";
    }
    std::string_view text() const { return {key_, size_}; }
    // Writes "key": at p; returns its end.
    char* CopyTo(char* p) const {
        *p++ = '"';
        // In two copies of a fixed size, the second overlapping the first.
        const std::size_t n = size_;
        const char* s = key_;
        if (n >= 8) {
            std::memcpy(p, s, 8);
            std::memcpy(p + n - 8, s + n - 8, 8);
        } else if (n >= 4) {
            std::memcpy(p, s, 4);
            std::memcpy(p + n - 4, s + n - 4, 4);
        } else if (n > 0) {
            p[0] = s[0];
            p[n / 2] = s[n / 2];
            p[n - 1] = s[n - 1];
        }
        p += n;
        *p++ = '"';
        *p++ = ':';
        return p;
    }

private:
    const char* key_;
    std::size_t size_;
};

// Writes into a buffer that goes out whole when the outer value closes: a
// batch writes thousands of objects, and a stream write per character costs.
class JsonWriter {
public:
    // With fields, only what they ask for is written (the outer object always).
    explicit JsonWriter(std::ostream& out, const FieldNode* fields = nullptr)
        : out_(out), buf_(new char[16384]), room_(16384), fields_(fields) {
        if (fields_) frames_.reserve(8); // deeper than any output
    }
    ~JsonWriter() { Flush(); }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    // Whether the key, at the object being written, is written.
    bool Wants(std::string_view key) const {
        if (!fields_ || frames_.empty()) return true;
        const Frame& f = frames_.back();
        return f.whole || (f.node && f.node->Child(key));
    }
    // Whether a key other than these is written at the object being written:
    // under --fields limits the rest of a member is passed over whole.
    bool WantsOtherThan(std::initializer_list<std::string_view> keys) const {
        if (!fields_ || frames_.empty() || frames_.back().whole) return true;
        const FieldNode* node = frames_.back().node;
        if (!node) return false;
        for (const FieldNode& c : node->children)
            if (std::find(keys.begin(), keys.end(), c.key) == keys.end()) return true;
        return false;
    }

    void Open(char c) {
        if (fields_) return SelectedOpen(c);
        Sep();
        *Room(1) = c;
        first_ = true;
        ++depth_;
    }
    void Close(char c) {
        if (fields_) return SelectedClose(c);
        *Room(1) = c;
        first_ = false;
        if (--depth_ == 0) Flush();
    }
    void Key(JsonKey k) {
        if (fields_) return SelectedKey(k.text());
        Sep();
        char* const start = Room(JsonKey::kRoom);
        size_ -= static_cast<std::size_t>(start + JsonKey::kRoom - k.CopyTo(start));
        first_ = true;
    }
    // A key made at run time (a page's caption, a table's column).
    void KeyText(std::string_view k) {
        if (fields_) return SelectedKey(k);
        Sep();
        WriteKey(k);
    }
    void String(std::string_view s) {
        if (fields_ && !SelectedValue()) return;
        Sep();
        WriteString(s);
    }
    void Number(double v) {
        if (fields_ && !SelectedValue()) return;
        Sep();
        WriteNumber(v);
    }
    // Where a value does not apply.
    void Null() {
        if (fields_ && !SelectedValue()) return;
        Sep();
        std::copy_n("null", 4, Room(4));
    }
    void Bool(bool b) {
        if (fields_ && !SelectedValue()) return;
        Sep();
        if (b)
            std::copy_n("true", 4, Room(4));
        else
            std::copy_n("false", 5, Room(5));
    }
    // A key and its value in one call.
    void Put(JsonKey k, double v) { Put(k, v, true); }
    void Put(JsonKey k, std::string_view v) {
        Key(k);
        String(v);
    }
    // A value, or null where it does not apply.
    void Put(JsonKey k, double v, bool applies) {
        if (fields_ && !WantsValue(k.text())) return;
        // ,"key":value in one reservation: most of a record is written here.
        constexpr std::size_t most = 1 + JsonKey::kRoom + kNumberRoom;
        char* const start = Room(most);
        char* p = start;
        if (!first_) *p++ = ',';
        p = k.CopyTo(p);
        p = applies ? NumberText(p, v) : std::copy_n("null", 4, p);
        first_ = false;
        size_ -= static_cast<std::size_t>(start + most - p);
    }
    // The same, for a key made at run time.
    void PutText(std::string_view k, double v, bool applies) {
        KeyText(k);
        if (applies)
            Number(v);
        else
            Null();
    }
    void PutBool(JsonKey k, bool b) {
        Key(k);
        Bool(b);
    }
    void Put(std::initializer_list<std::pair<const char*, double>> fields) {
        // Under --fields, most of a member is passed over.
        if (fields_ && !frames_.back().whole) {
            const FieldNode* node = frames_.back().node;
            if (!node) return;
            for (const auto& [k, v] : fields)
                if (node->Child(k)) PutText(k, v, true);
            return;
        }
        for (const auto& [k, v] : fields)
            PutText(k, v, true);
    }

    void Grid(const TextGrid& g) {
        Open('[');
        for (const auto& row : g) {
            Open('[');
            for (const auto& cell : row)
                String(cell);
            Close(']');
        }
        Close(']');
    }

private:
    // Under fields, whether the plain value of the key is written; the
    // objects on the way to it are written first. Most keys of a record are
    // passed over here.
    bool WantsValue(std::string_view key) {
        pendingNode_ = nullptr;
        const Frame& f = frames_.back();
        if (f.whole) return true;
        const FieldNode* node = f.node && f.opener == '{' ? f.node->Child(key) : nullptr;
        if (!node || !node->whole) return false;
        node->met = true;
        WriteFrames();
        return true;
    }
    // The object or array being written under fields: a frame within what is
    // asked for whole, one on the way to it (node), or one left out.
    struct Frame {
        bool whole = false;
        const FieldNode* node = nullptr;
        bool written = false; // its key and opening bracket are in the buffer
        std::string key;      // empty in an array, or when written with its key
        char opener = '{';
    };
    void SelectedOpen(char c);
    void SelectedClose(char c);
    void SelectedKey(std::string_view k);
    bool SelectedValue();
    void WriteFrames();

    // n more bytes at the end of the buffer, to be written.
    char* Room(std::size_t n) {
        if (size_ + n > room_) Grow(n);
        char* p = buf_.get() + size_;
        size_ += n;
        return p;
    }
    void Grow(std::size_t n);
    void Sep() {
        if (!first_) *Room(1) = ',';
        first_ = false;
    }
    void WriteKey(std::string_view k) {
        WriteString(k);
        *Room(1) = ':';
        first_ = true; // the value follows without a separator
    }
    void WriteString(std::string_view s);
    void WriteEscaped(std::string_view s); // the string just reserved, escaped
    static constexpr std::size_t kNumberRoom = 24;
    void WriteNumber(double v) {
        char* const p = Room(kNumberRoom);
        size_ -= static_cast<std::size_t>(p + kNumberRoom - NumberText(p, v));
    }
    // The shortest text that reads back as v, as std::to_chars writes it;
    // at most kNumberRoom characters from p. Returns its end.
    static char* NumberText(char* p, double v);
    void Flush() {
        out_.write(buf_.get(), static_cast<std::streamsize>(size_));
        size_ = 0;
    }

    std::ostream& out_;
    std::unique_ptr<char[]> buf_; // room_ bytes, size_ of them written
    std::size_t room_;
    std::size_t size_ = 0;
    bool first_ = true;
    int depth_ = 0;
    const FieldNode* fields_;
    std::vector<Frame> frames_;
    std::string escaped_;
    // The key given last at a frame on the way, and what it leads to.
    std::string_view pendingKey_; // the caller's, alive until its value is written
    const FieldNode* pendingNode_ = nullptr;
};
