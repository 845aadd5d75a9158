// plcalc's command line from the fuzzer's bytes, one argument per NUL-separated
// piece. Options that write files or print reports are dropped with their
// values, and the tables are always the private copy of the generated ones.

#include "cli/run_cli.h"
#include "fuzz/fuzz_support.h"

#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            pieces.emplace_back();
        else
            pieces.back() += static_cast<char>(data[i]);
    }
    std::vector<std::string> args;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::string& a = pieces[i];
        if (a == "--save" || a == "--report" || a == "--pdf" || a == "--batch" || a == "--tables") {
            ++i;
            continue;
        }
        args.push_back(a);
    }
    args.push_back("--tables");
    args.push_back(FuzzTablesDir());
    std::ostringstream out, err;
    if (runCli(args, out, err) == 0) RequireFiniteText(out.str());
    return 0;
}
