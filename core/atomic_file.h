#pragma once
// Writing a file whole or not at all: a temporary beside it, synced, then
// renamed over it, so a full disk or a crash mid-write leaves the old file.

#include <string>
#include <string_view>

#include <sys/types.h>

// The system calls a save makes, in one table so that a test can make any of
// them fail the way a full, read-only or locked disk does.
struct FileCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void* bytes, size_t size);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
    int (*close)(int fd);
    int (*unlink)(const char* path);
};
const FileCalls& SystemFileCalls();

// Puts `calls` in place of the system's for the life of the object.
class ScopedFileCalls {
public:
    explicit ScopedFileCalls(const FileCalls& calls);
    ~ScopedFileCalls();
    ScopedFileCalls(const ScopedFileCalls&) = delete;
    ScopedFileCalls& operator=(const ScopedFileCalls&) = delete;

private:
    const FileCalls* saved_;
};

// Returned for a path that names a folder's entry no save may replace: a
// device, a FIFO, a socket.
constexpr int kNotRegularFileError = -1;
// The reason for an error number of these functions.
std::string FileErrorText(int error);

// The file a save to `path` writes: a symbolic link is followed to its target
// (a relative one from the link's folder; a dangling one names the file to
// create). 0, or why no save may go there: EACCES for a file whose mode bits
// give the user no write permission (for root, the owner's), EISDIR,
// kNotRegularFileError, ELOOP.
int ResolveSaveTarget(const std::string& path, std::string& target);

// Creates a new file "<target>.tmp<pid>-<n>" beside `target`, opened with
// `flags` (creation, exclusive and close-on-exec are added); its path goes to
// `temp`. The descriptor, or -1 with errno set when none can be made.
int CreateTempBeside(const std::string& target, int flags, std::string& temp);

// Writes `bytes` to the file ResolveSaveTarget names for `path` through such a
// temporary; an existing file keeps its permissions. 0, or the error of the
// step that failed, with the old file as it was and no temporary left.
int WriteFileAtomically(const std::string& path, std::string_view bytes);
