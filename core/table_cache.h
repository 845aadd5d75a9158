#pragma once
// What the table cache knows of a file: enough of its status to tell that the
// bytes on disk are still the ones read.

#include <cstdint>
#include <string>
#include <vector>

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
