#pragma once
// Reading the binary table files: fixed-length little-endian records, no
// header. A file is read into memory in one go and then walked record by record.

#include "core/whole_file.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The one error a table or catalogue file raises: a FileError of reading it,
// or kTableDamaged for bytes that cannot be its data.
class TableError : public FileError {
public:
    using FileError::FileError;
    explicit TableError(const FileError& e) : FileError(e) {}
};

// Bytes that cannot be the table's data (a row whose limits are reversed, a
// threads per inch of 0, a size that is no whole number of records, bytes
// that differ from the compiler's checksum); a row is named counting from 1.
inline const char* const kTableDamaged = "Table file is damaged";

// Full path of a table file: table data path + separator + lower-case name.
std::string TablePath(const std::string& fileName);

using TableBytes = std::shared_ptr<const std::vector<unsigned char>>;

// The bytes of a table file, read once per process and kept while the file is
// unchanged (size, change and modification times, inode and device); a
// changed, replaced or removed file is read again or raises the error of
// ReadWholeFile as a TableError. When the folder holds kTableSumsName listing
// the file, the bytes read must match its size and CRC-32, else kTableDamaged.
TableBytes ReadTableBytes(const std::string& path);
// Forgets every kept table, so the next use reads the files again.
void ClearTableCache();
// In a process just forked: its own watch of the table folders from here on.
// The one it was born with is its parent's too, and an event read by one of
// them would never reach the other. Kept tables stay kept while their files
// are unchanged.
void WatchTablesAfresh();
// Before a process ends: its watches are let go, as a watch still held at the
// end makes the end wait some milliseconds for the kernel to drop it. Kept
// tables are checked by their files' times if read again. Run at exit; a
// process that ends by _exit calls it itself.
void StopWatchingTables();
// While one lives on a thread, the kept tables are checked for changes at
// their first use and not again on that thread: a batch line is worked from
// one state of the tables, checked once rather than at every table it opens.
class TableCheckOnce {
public:
    TableCheckOnce();
    ~TableCheckOnce();
    TableCheckOnce(const TableCheckOnce&) = delete;
    TableCheckOnce& operator=(const TableCheckOnce&) = delete;
};

// A file changed within this many seconds of being read may change again
// without its times moving on a file system of coarse timestamps; such a file
// is read again on its next use until it has been left alone that long.
inline constexpr int kTableSettleSeconds = 2;

// Beside the tables: one line per table, "<name> <size> <CRC-32 in hex>".
inline const char* const kTableSumsName = "tables.sum";
uint32_t Crc32(const unsigned char* data, std::size_t size);

// One line of tables.sum; `readable` false for a line that is not a name, a
// size and a sum (its name is then its first word).
struct TableSum {
    int line = 0; // counting from 1
    std::string name;
    uint64_t size = 0;
    uint32_t crc = 0;
    bool readable = false;
};
// The lines of a tables.sum text; blanks, tabs and CR around a line are no
// part of it, blank lines are skipped. With `only`, just the lines of that name.
std::vector<TableSum> ParseTableSums(std::string_view text, std::string_view only = {});

// Every table the folder's tables.sum lists, read whole and compared with its
// line: the first that is missing or differs, or the first line that cannot
// be read, as a message naming it; empty when all agree. Also a message when
// the folder has no tables.sum.
std::string CheckListedTables(const std::string& folder);

// One record of a table file; fields are read at their byte offsets.
class TableRecord {
public:
    TableRecord(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}
    // Inline: a table walk reads a field or two of every row.
    uint16_t U16(std::size_t offset) const {
        if (offset + 2 > size_) return 0;
        return static_cast<uint16_t>(data_[offset] | (data_[offset + 1] << 8));
    }
    int16_t I16(std::size_t offset) const { return static_cast<int16_t>(U16(offset)); }
    int32_t I32(std::size_t offset) const {
        if (offset + 4 > size_) return 0;
        const uint32_t u = static_cast<uint32_t>(data_[offset]) |
                           (static_cast<uint32_t>(data_[offset + 1]) << 8) |
                           (static_cast<uint32_t>(data_[offset + 2]) << 16) |
                           (static_cast<uint32_t>(data_[offset + 3]) << 24);
        return static_cast<int32_t>(u);
    }
    // A little-endian IEEE double.
    double F64(std::size_t offset) const;
    // Short string of capacity k: a length byte and k characters.
    std::string Str(std::size_t offset, std::size_t capacity) const;
    const unsigned char* data() const { return data_; }

private:
    const unsigned char* data_;
    std::size_t size_;
};

// The records of one table file. A file that ends inside a record is damaged:
// the constructor throws rather than let a reader lose the last row unseen.
class TableFile {
public:
    TableFile(const std::string& fileName, std::size_t recordSize);
    std::size_t count() const { return bytes_->size() / recordSize_; }
    TableRecord record(std::size_t i) const {
        return TableRecord(bytes_->data() + i * recordSize_, recordSize_);
    }
    const std::string& path() const { return path_; }

    std::size_t indexOf(const TableRecord& r) const {
        return static_cast<std::size_t>(r.data() - bytes_->data()) / recordSize_;
    }
    [[noreturn]] void damaged(std::size_t index, const std::string& what) const;
    // Limits read from record index: the max is not below the min. A max of 0
    // is a limit the standard does not give.
    void requireOrdered(std::size_t index, const std::string& name, double max, double min) const {
        if (max != 0 && !(max >= min)) damaged(index, name + " max below min");
    }
    // A threads per inch or pitch read from record index, by which the
    // calculation divides or selects rows.
    void requirePositive(std::size_t index, const char* name, double value) const {
        if (!(value > 0) || !(value < 1e300)) damaged(index, std::string(name) + " out of range");
    }

    // The kept bytes: a reader may keep what it derives from them (an index)
    // for as long as the same bytes come back.
    const TableBytes& bytes() const { return bytes_; }

private:
    std::string path_;
    std::size_t recordSize_;
    TableBytes bytes_;
};
