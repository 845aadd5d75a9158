// A thread file of arbitrary bytes opened as the window and plcalc open one,
// with the generated tables; a file that opens is shown on every page.

#include "core/thread_record.h"
#include "fuzz/fuzz_support.h"
#include "pages/result_pages.h"
#include "pages/thread_file.h"
#include "pipe/pipe_pages.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzTablesDir();
    const std::string path = FuzzScratchDir() + "/fuzz.thd";
    WriteFuzzFile(path, data, size);
    TTInfo rec;
    if (LoadFromFile(rec, path).status != LoadResult::Status::Loaded) return 0;
    RequireSaneLimits(rec);
    if (rec.ExtThd.TypeCode == kTypeNPT)
        BuildPipePages(rec);
    else
        BuildResultPages(rec, "fuzz.thd", size % 2 == 1);
    return 0;
}
