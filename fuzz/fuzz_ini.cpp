// An INI file of arbitrary bytes: reads of the program's own keys, then a
// write must read back whatever else the file holds.

#include "core/ini_file.h"
#include "fuzz/fuzz_support.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string path = FuzzScratchDir() + "/fuzz.ini";
    WriteFuzzFile(path, data, size);
    IniFile ini(path);
    static const char* const keys[][2] = {{"Thread", "Type"},   {"Thread", "Nom Dia"},
                                          {"Thread", "TPI"},    {"Options", "TableDataPath"},
                                          {"BallMic", "Angle"}, {"", ""}};
    for (const auto& k : keys) {
        ini.ReadString(k[0], k[1], "default");
        ini.HasKey(k[0], k[1]);
    }
    ini.WriteString("Thread", "Class", "2A");
    ini.WriteString("New Section", "Key", "value 1");
    if (ini.ReadString("Thread", "Class", "") != "2A" ||
        ini.ReadString("new section", "KEY", "") != "value 1")
        std::abort();
    return 0;
}
