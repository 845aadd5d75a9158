#include "cli/cli_main.h"
#include "cli/report_dispatch.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    HoldStandardStreams();
    // Reports need Qt; the report program has it, so this one loads none.
    if (NeedsReportProgram(std::vector<std::string>(argv + 1, argv + argc)))
        return RunReportProgram(argv);
    return CliMain(argc, argv);
}
