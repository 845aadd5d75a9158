#pragma once
// Reading the binary table files: fixed-length little-endian records, no
// header. A file is read into memory in one go and then walked record by record.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// The one error a table or catalogue file raises. The message starts with the
// runtime's wording ("File not found", "File access denied",
// "Read beyond end of file") and names the full path.
class TableError : public std::runtime_error {
public:
    TableError(const std::string& reason, const std::string& path)
        : std::runtime_error(reason + ": " + path), reason_(reason), path_(path)
    {
    }
    const std::string& reason() const { return reason_; }
    const std::string& path() const { return path_; }

private:
    std::string reason_;
    std::string path_;
};

inline const char* const kReadBeyondEnd = "Read beyond end of file";

// Full path of a table file: table data path + separator + lower-case name.
std::string TablePath(const std::string& fileName);

// Reads the whole file; throws TableError when it is missing or unreadable.
std::vector<unsigned char> ReadWholeFile(const std::string& path);

// One record of a table file; fields are read at their byte offsets.
class TableRecord {
public:
    TableRecord(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}
    uint16_t U16(std::size_t offset) const;
    int16_t I16(std::size_t offset) const { return static_cast<int16_t>(U16(offset)); }
    int32_t I32(std::size_t offset) const;
    // A little-endian IEEE double.
    double F64(std::size_t offset) const;
    // Short string of capacity k: a length byte and k characters.
    std::string Str(std::size_t offset, std::size_t capacity) const;

private:
    const unsigned char* data_;
    std::size_t size_;
};

// The records of one table file. A trailing partial record is reported by
// partialTail(): readers decide whether it ends the calculation.
class TableFile {
public:
    TableFile(const std::string& fileName, std::size_t recordSize);
    std::size_t count() const { return bytes_.size() / recordSize_; }
    TableRecord record(std::size_t i) const
    {
        return TableRecord(bytes_.data() + i * recordSize_, recordSize_);
    }
    bool partialTail() const { return bytes_.size() % recordSize_ != 0; }
    // Throws "Read beyond end of file" when the file ends inside a record.
    void requireWholeRecords() const;
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::size_t recordSize_;
    std::vector<unsigned char> bytes_;
};
