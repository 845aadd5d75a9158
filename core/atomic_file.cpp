#include "core/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int SystemOpen(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

const FileCalls kSystemCalls = {SystemOpen, ::write, ::fsync, ::rename, ::close, ::unlink};
const FileCalls* gCalls = &kSystemCalls;

bool InGroup(gid_t gid) {
    if (gid == ::getegid()) return true;
    const int n = ::getgroups(0, nullptr);
    if (n <= 0) return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(n));
    const int got = ::getgroups(n, groups.data());
    for (int i = 0; i < got; ++i)
        if (groups[static_cast<std::size_t>(i)] == gid) return true;
    return false;
}

// The rename replaces a file whatever its own rights, so they are checked
// here. Root passes every kernel check; a file its owner made read-only is
// still meant to stay as it is.
bool MayWrite(const struct stat& st) {
    const uid_t uid = ::geteuid();
    if (uid == 0 || uid == st.st_uid) return (st.st_mode & S_IWUSR) != 0;
    if (InGroup(st.st_gid)) return (st.st_mode & S_IWGRP) != 0;
    return (st.st_mode & S_IWOTH) != 0;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

const FileCalls& SystemFileCalls() {
    return kSystemCalls;
}

ScopedFileCalls::ScopedFileCalls(const FileCalls& calls) : saved_(gCalls) {
    gCalls = &calls;
}

ScopedFileCalls::~ScopedFileCalls() {
    gCalls = saved_;
}

std::string FileErrorText(int error) {
    if (error == kNotRegularFileError) return "Not a regular file";
    // English, as every message of the program, whatever locale a GUI has set.
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    return ::strerror_l(error, c);
}

int ResolveSaveTarget(const std::string& path, std::string& target) {
    target = path;
    // The kernel's own limit on links followed in one path.
    for (int hops = 0; hops <= 40; ++hops) {
        struct stat st;
        if (::lstat(target.c_str(), &st) != 0)
            return errno == ENOENT ? 0 : errno; // a new file; a missing folder fails later
        if (S_ISREG(st.st_mode)) return MayWrite(st) ? 0 : EACCES;
        if (S_ISDIR(st.st_mode)) return EISDIR;
        if (!S_ISLNK(st.st_mode)) return kNotRegularFileError;
        std::vector<char> link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4095) + 1);
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0) return errno;
        if (static_cast<std::size_t>(n) >= link.size()) return ENAMETOOLONG;
        const std::string to(link.data(), static_cast<std::size_t>(n));
        target = to.front() == '/' ? to : FolderOf(target) + to;
    }
    return ELOOP;
}

int CreateTempBeside(const std::string& target, int flags, std::string& temp) {
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        fd = gCalls->open(temp.c_str(), flags | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    return fd;
}

int WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string target;
    if (const int error = ResolveSaveTarget(path, target)) return error;
    std::string temp;
    const int fd = CreateTempBeside(target, O_WRONLY, temp);
    if (fd < 0) return errno;
    struct stat st;
    if (::stat(target.c_str(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
        // Root saving a user's file leaves it the user's.
        if (::geteuid() == 0 && (st.st_uid != 0 || st.st_gid != 0) &&
            ::fchown(fd, st.st_uid, st.st_gid) != 0) {
            // The file becomes root's; its content is still saved.
        }
    }
    int error = 0;
    for (std::size_t at = 0; at < bytes.size() && error == 0;) {
        const ssize_t n = gCalls->write(fd, bytes.data() + at, bytes.size() - at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            error = n < 0 ? errno : EIO;
        else
            at += static_cast<std::size_t>(n);
    }
    if (error == 0 && gCalls->fsync(fd) != 0) error = errno;
    if (gCalls->close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && gCalls->rename(temp.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        gCalls->unlink(temp.c_str());
        return error;
    }
    // The rename itself lasts only once the folder is on the disk.
    const std::string folder = FolderOf(target);
    const int dir =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return 0;
}
