#include "fuzz/fuzz_support.h"

#include "core/settings.h"
#include "core/thread_record.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

struct PrivateDirs {
    std::string root, tables, scratch;
    PrivateDirs() {
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
    ~PrivateDirs() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
};

PrivateDirs& Dirs() {
    static PrivateDirs dirs;
    return dirs;
}

} // namespace

const std::string& FuzzTablesDir() {
    return Dirs().tables;
}

const std::string& FuzzScratchDir() {
    return Dirs().scratch;
}

void WriteFuzzFile(const std::string& path, const uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out.flush()) std::abort();
}

void RestoreTable(const std::string& fileName) {
    fs::copy_file(fs::path(PL_TABLES_DIR) / fileName, fs::path(FuzzTablesDir()) / fileName,
                  fs::copy_options::overwrite_existing);
}

void RequireSaneLimits(const TTInfo& rec) {
    const uint16_t type = rec.ExtThd.TypeCode;
    if (!rec.Refusal.empty() || type < kTypeUN || type > kTypeButt) return;
    const TThdInfo* members[] = {&rec.IntThd, &rec.ExtThd,   &rec.GoPlug,    &rec.NoGoPlug,
                                 &rec.GoRing, &rec.NoGoRing, &rec.GoSetPlug, &rec.NoGoSetPlug};
    // A value of 0 before plating is none: plating moves it all the same.
    for (const TThdInfo* m : members)
        for (const TDimLimits* d : {&m->PD, &m->Major, &m->Minor})
            for (const auto& [v, bare] :
                 {std::pair{d->Max, d->UncoatedMax}, std::pair{d->Min, d->UncoatedMin},
                  std::pair{d->Gage, d->UncoatedGage}})
                if (!std::isfinite(v) || bare < 0 || (bare != 0 && !(v > 0))) std::abort();
    for (const TThdInfo* m : {&rec.IntThd, &rec.ExtThd}) {
        if (!(m->PD.Min > 0)) std::abort();
        for (const TDimLimits* d : {&m->PD, &m->Major, &m->Minor})
            if (d->Max != 0 && d->Min != 0 && d->Max < d->Min) std::abort();
    }
    const TThdInfo& ext = rec.ExtThd;
    if (ext.Minor.Max != 0 && ext.Minor.Max >= ext.PD.Min) std::abort();
}

void RequireFiniteText(const std::string& text) {
    std::string word;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ' ';
        if (std::isalpha(static_cast<unsigned char>(c))) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            continue;
        }
        if (word == "nan" || word == "inf" || word == "infinity") std::abort();
        word.clear();
    }
}
