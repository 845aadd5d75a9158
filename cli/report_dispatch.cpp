#include "cli/report_dispatch.h"

#include "cli/exit_codes.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <unistd.h>

bool NeedsReportProgram(const std::vector<std::string>& args) {
    // Also where --report would be the value of another option: the report
    // program then gives the same answer, only later.
    return std::ranges::find(args, "--report") != args.end() ||
           std::ranges::find(args, "--profile-svg") != args.end();
}

std::vector<std::string> ReportProgramPlaces(const std::string& programPath) {
    const std::filesystem::path dir = std::filesystem::path(programPath).parent_path();
    return {(dir / kReportProgram).string(),
            (dir.parent_path() / "libexec" / "pitchledger" / kReportProgram).string()};
}

int RunReportProgram(char** argv) {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) self = argv[0]; // no /proc: as it was started
    const std::vector<std::string> places = ReportProgramPlaces(self.string());
    for (const std::string& place : places)
        if (std::filesystem::is_regular_file(place, ec) && ::access(place.c_str(), X_OK) == 0)
            ::execv(place.c_str(), argv); // argv[0] stays, so messages read as plcalc's
    std::cerr << "plcalc: the report program is missing: " << places.back() << '\n';
    return kExitFileError;
}
