#pragma once
// Writing a file whole or not at all: a temporary beside it, synced, then
// renamed over it, so a full disk or a crash mid-write leaves the old file.

#include <string>
#include <string_view>

// Creates a new file "<target>.tmp<pid>-<n>" beside `target`, opened with
// `flags` (creation, exclusive and close-on-exec are added); its path goes to
// `temp`. The descriptor, or -1 with errno set when none can be made.
int CreateTempBeside(const std::string& target, int flags, std::string& temp);

// Writes `bytes` to `path` through such a temporary; an existing file keeps its
// permissions. 0, or the errno of the step that failed (the old file stays).
int WriteFileAtomically(const std::string& path, std::string_view bytes);
