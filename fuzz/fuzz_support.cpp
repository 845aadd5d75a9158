#include "fuzz/fuzz_support.h"

#include "core/settings.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct PrivateDirs {
    std::string root, tables, scratch;
    PrivateDirs()
    {
        // Every input is written to a file: memory-backed files keep that cheap.
        std::error_code ec;
        const fs::path base = fs::is_directory("/dev/shm", ec) && access("/dev/shm", W_OK) == 0
                                  ? fs::path("/dev/shm")
                                  : fs::temp_directory_path();
        std::string pattern = (base / "plfuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        root = pattern;
        tables = root + "/Tables";
        scratch = root + "/scratch";
        fs::copy(PL_TABLES_DIR, tables, fs::copy_options::recursive);
        fs::create_directory(scratch);
        // plcalc reads the user's settings: let it find none of the real ones.
        setenv("HOME", scratch.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (scratch + "/config").c_str(), 1);
        Settings().TableDataPath = tables;
    }
    ~PrivateDirs()
    {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
};

PrivateDirs& Dirs()
{
    static PrivateDirs dirs;
    return dirs;
}

} // namespace

const std::string& FuzzTablesDir()
{
    return Dirs().tables;
}

const std::string& FuzzScratchDir()
{
    return Dirs().scratch;
}

void WriteFuzzFile(const std::string& path, const uint8_t* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out.flush()) std::abort();
}

void RestoreTable(const std::string& fileName)
{
    fs::copy_file(fs::path(PL_TABLES_DIR) / fileName, fs::path(FuzzTablesDir()) / fileName,
                  fs::copy_options::overwrite_existing);
}
