#include "support/test_support.h"

#include "core/settings.h"
#include "core/table_file.h"
#include "core/thread_record.h"
#include "pages/result_pages.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device rd;
    for (;;) {
        path_ = fs::temp_directory_path() / ("pltest-" + std::to_string(rd()));
        if (fs::create_directory(path_)) break;
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

ShippedTables::ShippedTables() : ShippedTables(PL_TABLES_DIR) {}

ShippedTables::ShippedTables(const std::string& dir) : saved_(Settings().TableDataPath) {
    Settings().TableDataPath = dir;
}

ShippedTables::~ShippedTables() {
    Settings().TableDataPath = saved_;
}

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

bool HaveTool(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::string CommandOutput(const std::string& command) {
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (p == nullptr) return out;
    std::array<char, 4096> buf;
    for (std::size_t n; (n = fread(buf.data(), 1, buf.size(), p)) > 0;)
        out.append(buf.data(), n);
    pclose(p);
    return out;
}

std::unique_ptr<TTInfo> Calculated(const char* type, const char* cls, double dia, float tpi,
                                   uint16_t starts) {
    auto rec = std::make_unique<TTInfo>();
    rec->SetThreadType(type);
    if (const char* slash = std::strchr(cls, '/')) {
        rec->ExtThd.SetTolInfo(std::string(cls, slash));
        rec->IntThd.SetTolInfo(slash + 1);
    } else if (*cls) {
        rec->SetClass(cls);
    }
    rec->SetNomDia(dia);
    rec->SetTPI(tpi);
    rec->SetStarts(starts);
    rec->Calculate();
    return rec;
}

std::string AllPageTexts(TTInfo& rec) {
    const ResultPagesText p = BuildResultPages(rec, "t.thd", false);
    std::string all = p.caption + "\n" + p.name + "\n" + p.wireSize1 + "\n";
    for (const GaugePageText* g : {&p.ring, &p.setPlug, &p.plug}) {
        all += g->leadTol + g->angleTol;
        for (const auto& row : g->grid)
            for (const auto& cell : row)
                all += cell + "|";
    }
    for (const auto& row : p.thread)
        for (const auto& cell : row)
            all += cell + "|";
    return all;
}

TestTables::TestTables(std::initializer_list<const char*> emptyTables)
    : use_(dir_.path().string()) {
    for (const char* name : emptyTables)
        WriteTextFile(dir_.file(std::string(name) + ".bin"), "");
}

void TestTables::Write(const std::string& table, const std::string& rows) {
    std::istringstream shipped(ReadTextFile(PL_SOURCE_DIR "/data/" + table + ".csv"));
    std::string header;
    while (std::getline(shipped, header) && (header.empty() || header[0] == '#')) {
    }
    if (header.ends_with(",source")) header.resize(header.size() - 7);
    const std::string csv = dir_.file(table + ".csv");
    WriteTextFile(csv, "# test rows\n" + header + "\n" + rows);
    const std::string out = CommandOutput(PL_BIN_DIR "/../tools/mktables " + table + " " + csv +
                                          " " + dir_.file(table + ".bin") + " 2>&1");
    if (!out.empty()) throw std::runtime_error(table + ": " + out);
}

std::string TableErrorOf(const std::function<void()>& read) {
    try {
        read();
    } catch (const TableError& e) {
        return e.what();
    }
    return "no error";
}
