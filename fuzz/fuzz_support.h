#pragma once
// What the fuzz targets share: a private copy of the generated Tables as the
// table data path, files written from the fuzzer's bytes, and a tiny reader
// of the leading selector bytes.

#include <cstddef>
#include <cstdint>
#include <string>

// A private table folder, made once per process from the build's Tables and
// removed at exit; also the table data path from then on.
const std::string& FuzzTablesDir();
// A scratch folder of this process (removed at exit) for files other than tables.
const std::string& FuzzScratchDir();
// Writes bytes as the whole file (replacing it).
void WriteFuzzFile(const std::string& path, const uint8_t* data, std::size_t size);
// Restores one table file of the private folder from the build's Tables.
void RestoreTable(const std::string& fileName);

class TTInfo;
// Aborts the run when a calculated record of a formula family has no Refusal
// and still holds a value no page may show: one that is not finite, a limit
// below zero, a pitch diameter of 0, a maximum below its minimum, or an
// external minor diameter that is not below its pitch diameter.
void RequireSaneLimits(const TTInfo& rec);
// Aborts the run when an output of a run that succeeded holds "nan" or "inf"
// as a value.
void RequireFiniteText(const std::string& text);

// Leading bytes of an input that choose what the rest is fed to.
struct FuzzInput {
    const uint8_t* data;
    std::size_t size;
    // The next byte modulo n (0 when the input is used up).
    std::size_t pick(std::size_t n) {
        if (size == 0 || n == 0) return 0;
        const std::size_t v = *data % n;
        ++data;
        --size;
        return v;
    }
    std::string rest() const { return std::string(reinterpret_cast<const char*>(data), size); }
};
