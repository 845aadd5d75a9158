#pragma once
// Helpers shared by the tests: temporary folders and the shipped tables.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
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

// A table data path of empty tables for one scope; rows are written through
// the table compiler, so its layouts meet the readers under test.
class TestTables {
public:
    explicit TestTables(std::initializer_list<const char*> emptyTables);
    // Compiles `rows` (the shipped source's columns, without its source
    // column) into `table`.bin; throws when the compiler refuses them.
    void Write(const std::string& table, const std::string& rows);
    void Remove(const std::string& file) { std::filesystem::remove(dir_.file(file)); }

private:
    TempDir dir_;
    ShippedTables use_;
};

std::string ReadTextFile(const std::string& path);
// True when a command-line tool is on the PATH (pdftotext, pdfinfo ...).
bool HaveTool(const std::string& name);
// Everything a shell command writes to its standard output.
std::string CommandOutput(const std::string& command);
void WriteTextFile(const std::string& path, const std::string& text);
// The message of the table error the reading throws, else "no error".
std::string TableErrorOf(const std::function<void()>& read);
// A record of the type, class (none when empty; metric: "6g6g/6H6H"),
// diameter, threads per inch (metric: pitch) and starts, calculated with the
// table data path in use.
std::unique_ptr<TTInfo> Calculated(const char* type, const char* cls, double dia, float tpi,
                                   uint16_t starts = 1);
// Every text the result pages show for the record, in one string.
std::string AllPageTexts(TTInfo& rec);
