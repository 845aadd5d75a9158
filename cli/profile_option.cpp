#include "cli/profile_option.h"

#include "cli/exit_codes.h"
#include "cli/report_option.h"
#include "pages/profile_geometry.h"

#include <ostream>

int WriteProfileSvgOption(TTInfo& rec, const std::string& file, bool metricDisplay,
                          std::ostream& err) {
    const ProfileGeometry g = BuildProfileGeometry(rec, metricDisplay);
    if (!g.available) {
        err << "The profile is drawn for unified, metric, Acme, stub Acme and buttress "
               "threads, not for this one\n";
        return kExitInvalidInput;
    }
    std::string reason = "the SVG writer is not part of this program";
    const auto write = ReportWriters().profileSvg;
    if (!write || !write(g, file, &reason)) {
        err << "Can not write the profile file " << file << ": " << reason << '\n';
        return kExitFileError;
    }
    return kExitOk;
}
