#include "core/table_file.h"

#include "core/settings.h"
#include "core/table_cache.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Descriptor {
    explicit Descriptor(int d) : fd(d) {}
    int fd;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd >= 0) ::close(fd);
    }
};

FileStamp StampFrom(const struct stat& st)
{
    FileStamp s;
    s.device = static_cast<uint64_t>(st.st_dev);
    s.inode = static_cast<uint64_t>(st.st_ino);
    s.size = static_cast<uint64_t>(st.st_size);
    s.modifiedSec = st.st_mtim.tv_sec;
    s.modifiedNsec = st.st_mtim.tv_nsec;
    s.changedSec = st.st_ctim.tv_sec;
    s.changedNsec = st.st_ctim.tv_nsec;
    return s;
}

} // namespace

std::string TablePath(const std::string& fileName)
{
    std::string lower = fileName;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return Settings().TableDataPath + "/" + lower;
}

bool StampOf(const std::string& path, FileStamp& stamp)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    stamp = StampFrom(st);
    return true;
}

std::vector<unsigned char> ReadWholeFile(const std::string& path, std::uintmax_t limit)
{
    FileStamp stamp;
    return ReadWholeFileStamped(path, limit, stamp);
}

std::vector<unsigned char> ReadWholeFileStamped(const std::string& path, std::uintmax_t limit,
                                                FileStamp& stamp)
{
    // Checked before opening: opening some devices already does something.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) throw TableError("File not found", path);
        throw TableError("File access denied", path);
    }
    // Opening a folder as a file is refused by the runtime as an access error.
    if (S_ISDIR(st.st_mode)) throw TableError("File access denied", path);
    if (!S_ISREG(st.st_mode)) throw TableError(kNotRegularFile, path);

    // Non-blocking, so a FIFO put in the file's place between the checks
    // cannot hold the program; the descriptor's own status decides.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    const int fd = file.fd;
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) throw TableError("File not found", path);
        throw TableError("File access denied", path);
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) throw TableError(kNotRegularFile, path);
    if (st.st_size < 0 || static_cast<std::uintmax_t>(st.st_size) > limit)
        throw TableError(kFileTooLarge, path);
    stamp = StampFrom(st);

    // One byte more than the limit shows a file that grew while it was read.
    std::vector<unsigned char> bytes(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (bytes.size() > limit) throw TableError(kFileTooLarge, path);
            bytes.resize(std::min<std::uintmax_t>(limit + 1, bytes.size() * 2 + 4096));
        }
        const ssize_t got = ::read(fd, bytes.data() + have, bytes.size() - have);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw TableError("Disk read error", path);
        }
        if (got == 0) break;
        have += static_cast<std::size_t>(got);
    }
    if (have > limit) throw TableError(kFileTooLarge, path);
    bytes.resize(have);
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
    : path_(TablePath(fileName)), recordSize_(recordSize), bytes_(ReadTableBytes(path_))
{
    if (bytes_->size() % recordSize_ != 0)
        throw TableError(kTableDamaged, path_,
                         "size " + std::to_string(bytes_->size()) +
                             " is not a whole number of " + std::to_string(recordSize_) +
                             "-byte records");
}

void TableFile::damaged(std::size_t index, const std::string& what) const
{
    throw TableError(kTableDamaged, path_, "row " + std::to_string(index + 1) + ": " + what);
}
