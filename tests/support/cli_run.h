#pragma once
// Runs plcalc in-process against the tables of the build.

#include "cli/run_cli.h"

#include <sstream>
#include <string>
#include <vector>

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

inline CliRun Plcalc(std::vector<std::string> args) {
    args.insert(args.begin(), {"--tables", PL_TABLES_DIR});
    std::ostringstream out, err;
    const int code = runCli(args, out, err);
    return {code, out.str(), err.str()};
}
