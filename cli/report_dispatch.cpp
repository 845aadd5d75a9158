#include "cli/report_dispatch.h"

#include "cli/exit_codes.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <unistd.h>

bool NeedsReportProgram(const std::vector<std::string>& args) {
    // Also where --report would be the value of another option: the report
    // program then gives the same answer, only later.
    return std::ranges::any_of(args, [](const std::string& a) {
        return a == "--report" || a == "--profile-svg" || a.starts_with("--report=") ||
               a.starts_with("--profile-svg=");
    });
}

std::vector<std::string> CompanionPlaces(const std::string& programPath, const char* name) {
    const std::filesystem::path dir = std::filesystem::path(programPath).parent_path();
    return {(dir / name).string(), (dir.parent_path() / "libexec" / "pitchledger" / name).string()};
}

int RunCompanionProgram(const CompanionProgram& program, char** argv) {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) self = argv[0]; // no /proc: as it was started
    const std::vector<std::string> places = CompanionPlaces(self.string(), program.file);
    for (const std::string& place : places)
        if (std::filesystem::is_regular_file(place, ec) && ::access(place.c_str(), X_OK) == 0)
            ::execv(place.c_str(), argv); // argv[0] stays, so messages read as plcalc's
    std::cerr << "plcalc: " << program.what << " is missing: " << places.back() << '\n';
    return kExitFileError;
}
