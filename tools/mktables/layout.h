#pragma once
// Record layouts of the binary table files, described once as data. The
// compiler writes records from them and the checker validates sources
// against them. A thread family adds its tables with a LayoutRegistrar in its
// own layouts_<family>.cpp.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace mktables {

enum class Kind { U16, I16, I32, F64, Str };

// Field flags.
enum : unsigned {
    kKey = 1u << 0,       // the readers match on it: a value is required
    kLength = 1u << 1,    // a length: never negative
    kMinusOneNA = 1u << 2 // -1 marks "does not apply" (a length that may be -1)
};

struct Field {
    std::string name; // CSV column name
    int offset;       // byte offset in the record
    Kind kind;
    int64_t scale; // numbers: stored value = value x scale (a power of ten)
    int capacity;  // strings: characters after the length byte
    unsigned flags;
};

inline Field U16(const std::string& name, int offset, int64_t scale, unsigned flags = 0) {
    return {name, offset, Kind::U16, scale, 0, flags};
}
inline Field I16(const std::string& name, int offset, int64_t scale, unsigned flags = kLength) {
    return {name, offset, Kind::I16, scale, 0, flags};
}
// An 8-byte IEEE double holding the decimal value (stored / scale).
inline Field F64(const std::string& name, int offset, int64_t scale, unsigned flags = kLength) {
    return {name, offset, Kind::F64, scale, 0, flags};
}
inline Field I32(const std::string& name, int offset, int64_t scale, unsigned flags = kLength) {
    return {name, offset, Kind::I32, scale, 0, flags};
}
inline Field Str(const std::string& name, int offset, int capacity, unsigned flags = 0) {
    return {name, offset, Kind::Str, 1, capacity, flags};
}

// Part of a key that must not repeat: the field, or only its first character.
struct KeyPart {
    std::string field;
    bool firstCharOnly = false;
    bool caseBlind = false; // the reader compares the text upper-cased
};

struct Layout {
    std::string name; // table name, also the .csv and .bin file names
    int recordSize;   // bytes; bytes no field covers are written as 0
    std::vector<Field> fields;
    // Field whose values must fall strictly from row to row (empty: none),
    // for readers that stop or switch at the first row below the thread; or
    // rise strictly, when fieldRises is set.
    std::string orderField;
    // Rows must not repeat this key (empty: no rule): a reader that takes the
    // first match never sees the later row, one that applies every match lets
    // the later row overwrite the earlier.
    std::vector<KeyPart> uniqueKey;
    bool keyLastWins = false;
    // The reader's own rule for a row it could never find: given the row's
    // stored numbers by column name, the problem, or "" for a row it can find.
    std::string (*unreachable)(const std::map<std::string, int64_t>& stored) = nullptr;
    // The same for a row's texts (a class text the reader never matches).
    std::string (*unreachableText)(const std::map<std::string, std::string>& texts) = nullptr;
    // Rows the reader could never find because of other rows (diameter ranges
    // that overlap or leave gaps): given every row's stored numbers in order,
    // the problems by row index.
    std::vector<std::pair<std::size_t, std::string>> (*acrossRows)(
        const std::vector<std::map<std::string, int64_t>>& rows) = nullptr;
    // For readers whose last row not above the thread wins.
    bool fieldRises = false;
};

// Every known layout, in registration order.
const std::vector<Layout>& Layouts();
const Layout* FindLayout(const std::string& name);

// Problems in the layout table itself (overlaps, fields past the record end,
// a scale that is not a power of ten); empty when the table is sound.
std::vector<std::string> LayoutProblems(const Layout& layout);

struct LayoutRegistrar {
    explicit LayoutRegistrar(std::vector<Layout> layouts);
};

} // namespace mktables
