#pragma once
// "-" as the file of an option: standard input read into a private file that
// the readers open like any other, or a private file the writers write and
// that then goes to standard output. Messages name the stream, not the file.

#include <functional>
#include <iosfwd>
#include <string>

class StandardFile {
public:
    // `name` is the file's name in a private folder: "standard input",
    // "standard output"; what a caption or message shows of it.
    explicit StandardFile(const std::string& name);
    ~StandardFile();
    StandardFile(const StandardFile&) = delete;
    StandardFile& operator=(const StandardFile&) = delete;

    // Empty when the folder could not be made (see error()).
    const std::string& path() const { return path_; }
    const std::string& error() const { return error_; }
    // Standard input into the file, as much as a thread or .bm file may hold.
    bool ReadStandardInput(std::string& reason);
    // The file's bytes onto out.
    bool CopyTo(std::ostream& out, std::string& reason) const;
    // A message with the private folder left out.
    std::string Plain(const std::string& message) const;

private:
    std::string folder_, path_, error_;
};

// Runs write(path) on `file`, or for "-" on a private file that then goes to
// out. Returns write's result; reason as write leaves it.
bool WriteFileOrStandardOutput(const std::string& file, std::ostream& out, std::string* reason,
                               const std::function<bool(const std::string& path)>& write);
