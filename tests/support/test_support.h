#pragma once
// Helpers shared by the tests: temporary folders and the shipped tables.

#include <filesystem>
#include <string>

class TTInfo;

// A fresh directory removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Points the table data path at the tables the build generated, for one scope.
class ShippedTables {
public:
    ShippedTables();
    explicit ShippedTables(const std::string& dir);
    ~ShippedTables();

private:
    std::string saved_;
};

std::string ReadTextFile(const std::string& path);
// True when a command-line tool is on the PATH (pdftotext, pdfinfo ...).
bool HaveTool(const std::string& name);
// Everything a shell command writes to its standard output.
std::string CommandOutput(const std::string& command);
void WriteTextFile(const std::string& path, const std::string& text);
// Every text the result pages show for the record, in one string.
std::string AllPageTexts(TTInfo& rec);
