#include "core/table_file.h"

#include "core/settings.h"

#include <cstring>

std::string TablePath(const std::string& fileName) {
    // Built in one piece: a batch line opens half a dozen tables.
    const std::string& dir = Settings().TableDataPath;
    std::string path(dir.size() + 1 + fileName.size(), '/');
    std::memcpy(path.data(), dir.data(), dir.size());
    char* p = path.data() + dir.size() + 1;
    for (const char c : fileName)
        *p++ = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return path;
}

double TableRecord::F64(std::size_t offset) const {
    const uint64_t low = static_cast<uint32_t>(I32(offset));
    const uint64_t high = static_cast<uint32_t>(I32(offset + 4));
    const uint64_t bits = low | (high << 32);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string TableRecord::Str(std::size_t offset, std::size_t capacity) const {
    if (offset >= size_) return {};
    std::size_t len = data_[offset];
    if (len > capacity) len = capacity;
    if (offset + 1 + len > size_) len = size_ - offset - 1;
    return std::string(reinterpret_cast<const char*>(data_ + offset + 1), len);
}

TableFile::TableFile(const std::string& fileName, std::size_t recordSize)
    : path_(TablePath(fileName)), recordSize_(recordSize), bytes_(ReadTableBytes(path_)) {
    if (bytes_->size() % recordSize_ != 0)
        throw TableError(kTableDamaged, path_,
                         "size " + std::to_string(bytes_->size()) + " is not a whole number of " +
                             std::to_string(recordSize_) + "-byte records");
}

void TableFile::damaged(std::size_t index, const std::string& what) const {
    throw TableError(kTableDamaged, path_, "row " + std::to_string(index + 1) + ": " + what);
}
