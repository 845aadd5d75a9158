#pragma once
// INI text files as the profile functions of the original platform treat them:
// case-insensitive section and key names, defaults for anything missing,
// in-place updates that keep every other line, LF or CRLF and a UTF-8
// byte-order mark on reading.

#include <string>
#include <vector>

class IniFile {
public:
    // Loads the file when it exists; a missing file is an empty one. Any other
    // file that cannot be read (a folder, a FIFO, a file over the size limit)
    // also reads as empty, and loadError() names it.
    explicit IniFile(std::string path);
    // An empty file that lives only in memory until Text() is taken.
    IniFile() = default;
    const std::string& loadError() const { return loadError_; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const;
    // Replaces the key's value in place, or appends the key to its section,
    // creating the section when needed. Nothing is written until Save().
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    bool HasKey(const std::string& section, const std::string& key) const;

    // The program's own settings may create their folder; a file the user
    // names must go into a folder that exists.
    enum class Folder { Create, MustExist };
    // Writes a temporary file beside the target and renames it over the target.
    // Returns false with a reason naming the file when it could not be written.
    bool Save(std::string* error = nullptr, Folder folder = Folder::Create) const;
    // The text Save() writes.
    std::string Text() const;
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::vector<std::string> lines_;
    std::string loadError_;
};

// One-shot helpers in the manner of the profile functions.
std::string ReadIniString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& def);
bool WriteIniString(const std::string& path, const std::string& section, const std::string& key,
                    const std::string& value, std::string* error = nullptr);
