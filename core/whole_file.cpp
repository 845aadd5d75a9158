#include "core/whole_file.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Descriptor {
    explicit Descriptor(int d) : fd(d) {}
    int fd;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

FileStamp StampFrom(const struct stat& st) {
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

bool StampOf(const std::string& path, FileStamp& stamp) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    stamp = StampFrom(st);
    return true;
}

std::vector<unsigned char> ReadWholeFile(const std::string& path, std::uintmax_t limit) {
    FileStamp stamp;
    return ReadWholeFileStamped(path, limit, stamp);
}

std::vector<unsigned char> ReadWholeFileStamped(const std::string& path, std::uintmax_t limit,
                                                FileStamp& stamp) {
    // Checked before opening: opening some devices already does something.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) throw FileError("File not found", path);
        throw FileError("File access denied", path);
    }
    // Opening a folder as a file is refused by the runtime as an access error.
    if (S_ISDIR(st.st_mode)) throw FileError("File access denied", path);
    if (!S_ISREG(st.st_mode)) throw FileError(kNotRegularFile, path);

    // Non-blocking, so a FIFO put in the file's place between the checks
    // cannot hold the program; the descriptor's own status decides.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    const int fd = file.fd;
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) throw FileError("File not found", path);
        throw FileError("File access denied", path);
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) throw FileError(kNotRegularFile, path);
    if (st.st_size < 0 || static_cast<std::uintmax_t>(st.st_size) > limit)
        throw FileError(kFileTooLarge, path);
    stamp = StampFrom(st);

    // One byte more than the limit shows a file that grew while it was read.
    std::vector<unsigned char> bytes(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (bytes.size() > limit) throw FileError(kFileTooLarge, path);
            bytes.resize(std::min<std::uintmax_t>(limit + 1, bytes.size() * 2 + 4096));
        }
        const ssize_t got = ::read(fd, bytes.data() + have, bytes.size() - have);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw FileError("Disk read error", path);
        }
        if (got == 0) break;
        have += static_cast<std::size_t>(got);
    }
    if (have > limit) throw FileError(kFileTooLarge, path);
    bytes.resize(have);
    return bytes;
}
