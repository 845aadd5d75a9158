#include "core/table_file.h"

#include "core/settings.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

std::string TablePath(const std::string& fileName)
{
    std::string lower = fileName;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return Settings().TableDataPath + "/" + lower;
}

std::vector<unsigned char> ReadWholeFile(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (st.type() == fs::file_type::not_found) throw TableError("File not found", path);
    // Opening a folder as a file is refused by the runtime as an access error.
    if (st.type() == fs::file_type::directory) throw TableError("File access denied", path);

    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path.c_str(), "rb"));
    if (!f) {
        if (errno == ENOENT || errno == ENOTDIR) throw TableError("File not found", path);
        throw TableError("File access denied", path);
    }

    std::vector<unsigned char> bytes;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (!ec) bytes.reserve(static_cast<std::size_t>(size));
    // Large blocks: a table is a few kilobytes and read at every calculation.
    unsigned char block[65536];
    for (;;) {
        const std::size_t got = std::fread(block, 1, sizeof block, f.get());
        bytes.insert(bytes.end(), block, block + got);
        if (got < sizeof block) break;
    }
    if (std::ferror(f.get())) throw TableError("Disk read error", path);
    return bytes;
}

uint16_t TableRecord::U16(std::size_t offset) const
{
    if (offset + 2 > size_) return 0;
    return static_cast<uint16_t>(data_[offset] | (data_[offset + 1] << 8));
}

int32_t TableRecord::I32(std::size_t offset) const
{
    if (offset + 4 > size_) return 0;
    const uint32_t u = static_cast<uint32_t>(data_[offset]) |
                       (static_cast<uint32_t>(data_[offset + 1]) << 8) |
                       (static_cast<uint32_t>(data_[offset + 2]) << 16) |
                       (static_cast<uint32_t>(data_[offset + 3]) << 24);
    return static_cast<int32_t>(u);
}

double TableRecord::F64(std::size_t offset) const
{
    const uint64_t low = static_cast<uint32_t>(I32(offset));
    const uint64_t high = static_cast<uint32_t>(I32(offset + 4));
    const uint64_t bits = low | (high << 32);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string TableRecord::Str(std::size_t offset, std::size_t capacity) const
{
    if (offset >= size_) return {};
    std::size_t len = data_[offset];
    if (len > capacity) len = capacity;
    if (offset + 1 + len > size_) len = size_ - offset - 1;
    return std::string(reinterpret_cast<const char*>(data_ + offset + 1), len);
}

TableFile::TableFile(const std::string& fileName, std::size_t recordSize)
    : path_(TablePath(fileName)), recordSize_(recordSize), bytes_(ReadWholeFile(path_))
{
}

void TableFile::requireWholeRecords() const
{
    if (partialTail()) throw TableError(kReadBeyondEnd, path_);
}
