// A calibration file of arbitrary bytes opened as the window and plcalc open
// one, with the generated tables; a file that opens builds its certificate.

#include "core/thread_record.h"
#include "fuzz/fuzz_support.h"
#include "pages/calibration_file.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzTablesDir();
    const std::string path = FuzzScratchDir() + "/fuzz.cal";
    WriteFuzzFile(path, data, size);
    TTInfo rec;
    const CalibrationFileLoad load = LoadCalibrationFile(rec, path);
    if (load.result.status == LoadResult::Status::Loaded)
        BuildCalibrationPage(rec, load.entry, size % 2 == 1);
    return 0;
}
