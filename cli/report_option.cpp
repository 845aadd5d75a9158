#include "cli/report_option.h"

#include "cli/exit_codes.h"
#include "pages/report_names.h"

#include <ostream>

namespace {

int Written(bool written, const std::string& file, const std::string& reason, std::ostream& err) {
    if (written) return kExitOk;
    err << "Can not write the report file " << file << ": " << reason << '\n';
    return kExitFileError;
}

const char* const kNoWriters = "the PDF writers are not part of this program";

} // namespace

ReportPdfWriters& ReportWriters() {
    static ReportPdfWriters writers;
    return writers;
}

bool IsReportName(const std::string& name) {
    const ReportName* report = ReportNamed(name);
    return report != nullptr && report->kind != ReportKind::BallMic;
}

int WriteReportOption(TTInfo& rec, const std::string& name, const std::string& file,
                      bool metricDisplay, std::ostream& err) {
    if (!IsReportName(name)) return kExitUsage;
    const ReportName* report = ReportNamed(name);
    const std::string refusal = ReportRefusal(rec, *report);
    if (!refusal.empty()) {
        err << refusal << '\n';
        return kExitInvalidInput;
    }
    std::string reason = kNoWriters;
    const auto write = ReportWriters().thread;
    return Written(write && write(rec, name, report->group, file, metricDisplay, &reason), file,
                   reason, err);
}

int WriteBallMicReportOption(TBallMic& bm, const std::string& file, std::ostream& err) {
    std::string reason = kNoWriters;
    const auto write = ReportWriters().ballMic;
    return Written(write && write(bm, file, &reason), file, reason, err);
}

int WriteSettingDimsReportOption(TTInfo& rec, bool internal, const std::string& file,
                                 bool metricDisplay, std::ostream& err) {
    std::string reason = kNoWriters;
    const auto write = ReportWriters().settingDims;
    return Written(write && write(rec, internal, file, metricDisplay, &reason), file, reason, err);
}
