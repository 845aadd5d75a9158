// A .bm file of arbitrary bytes: recognised or not, loaded and shown.

#include "fuzz/fuzz_support.h"
#include "gauges/ball_mic.h"
#include "pages/ball_mic_page.h"

#include <cmath>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string path = FuzzScratchDir() + "/fuzz.bm";
    WriteFuzzFile(path, data, size);
    IsBallMicFile(path);
    TBallMic bm;
    std::string error;
    if (!bm.Load(path, &error)) return 0;
    // What a file opens with is what the dialog would have let through.
    if (!BallMicEntryProblem(bm).empty() || !(bm.SetDim > 0) || !std::isfinite(bm.SetDim) ||
        !(bm.BallDis > 0) || !std::isfinite(bm.BallDis))
        std::abort();
    BuildBallMicPage(bm);
    BallMicInputRows(bm);
    return 0;
}
