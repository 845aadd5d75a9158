#include "support/test_support.h"

#include "core/settings.h"

#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::random_device rd;
    for (;;) {
        path_ = fs::temp_directory_path() / ("pltest-" + std::to_string(rd()));
        if (fs::create_directory(path_)) break;
    }
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(path_, ec);
}

ShippedTables::ShippedTables() : ShippedTables(PL_TABLES_DIR) {}

ShippedTables::ShippedTables(const std::string& dir) : saved_(Settings().TableDataPath)
{
    Settings().TableDataPath = dir;
}

ShippedTables::~ShippedTables()
{
    Settings().TableDataPath = saved_;
}

std::string ReadTextFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteTextFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}
