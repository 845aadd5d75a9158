#pragma once
// Reading a file whole, the way every file the program reads is read: thread,
// INI, .bm, batch, catalogue and table files alike.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// A file that cannot be read. The message starts with the runtime's wording
// ("File not found", "File access denied") or the reason and names the full path.
class FileError : public std::runtime_error {
public:
    FileError(const std::string& reason, const std::string& path, const std::string& detail = {})
        : std::runtime_error(reason + ": " + path + (detail.empty() ? "" : " (" + detail + ")")),
          reason_(reason), path_(path) {}
    const std::string& reason() const { return reason_; }
    const std::string& path() const { return path_; }

private:
    std::string reason_;
    std::string path_;
};

// Largest file of each kind the program reads: far above any real file, low
// enough that a wrong file (a disk image, /dev/zero) is refused before it is read.
inline constexpr std::uintmax_t kTableFileLimit = 16u << 20;
inline constexpr std::uintmax_t kCatalogueFileLimit = 4u << 20;
inline constexpr std::uintmax_t kTextFileLimit = 1u << 20; // thread, INI, .bm and batch files

inline const char* const kNotRegularFile = "Not a regular file";
inline const char* const kFileTooLarge = "File too large";

// Reads the whole file; throws FileError when it is missing, unreadable, not a
// regular file (a FIFO would block, a device never ends) or larger than limit.
std::vector<unsigned char> ReadWholeFile(const std::string& path,
                                         std::uintmax_t limit = kTableFileLimit);

// Enough of a file's status to tell that the bytes on disk are still the ones read.
struct FileStamp {
    uint64_t device = 0, inode = 0, size = 0;
    int64_t modifiedSec = 0, modifiedNsec = 0, changedSec = 0, changedNsec = 0;
    bool operator==(const FileStamp&) const = default;
};

// False when the path is no regular file that can be looked at.
bool StampOf(const std::string& path, FileStamp& stamp);

// ReadWholeFile, also telling the stamp of the file as it was opened.
std::vector<unsigned char> ReadWholeFileStamped(const std::string& path, std::uintmax_t limit,
                                                FileStamp& stamp);
