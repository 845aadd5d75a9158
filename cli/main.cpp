#include "cli/cli_main.h"
#include "cli/register_option.h"
#include "cli/report_dispatch.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    HoldStandardStreams();
    // Reports need Qt, the register its database clients: their programs have
    // them, so a plain run loads neither.
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (IsRegisterRun(args)) return RunCompanionProgram(kRegisterProgram, argv);
    if (NeedsReportProgram(args)) return RunCompanionProgram(kReportProgram, argv);
    return CliMain(argc, argv);
}
