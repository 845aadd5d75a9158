// A batch file line split into words as a shell splits it; the words, each
// quoted again, must split back to themselves.

#include "cli/batch.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string Quoted(const std::string& word) {
    std::string q = "'";
    for (char c : word)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> words;
    std::string problem;
    if (!SplitBatchLine(line, words, problem)) return 0;
    std::string again;
    for (const std::string& w : words)
        again += (again.empty() ? "" : " ") + Quoted(w);
    std::vector<std::string> back;
    if (!SplitBatchLine(again, back, problem) || back != words) std::abort();
    return 0;
}
