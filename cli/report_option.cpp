#include "cli/report_option.h"

#include "cli/exit_codes.h"
#include "cli/options.h"
#include "cli/standard_file.h"
#include "pages/calibration_page.h"
#include "pages/report_names.h"

#include <functional>
#include <ostream>

namespace {

const char* const kNoWriters = "the PDF writers are not part of this program";

// The report into its file, or onto out for "-".
int Write(bool linked, const std::string& file, std::ostream& out, std::ostream& err,
          const std::function<bool(const std::string& path, std::string* reason)>& write) {
    std::string reason = kNoWriters;
    if (linked && WriteFileOrStandardOutput(file, out, &reason, [&](const std::string& path) {
            return write(path, &reason);
        }))
        return kExitOk;
    err << "Can not write the report file " << (file == "-" ? "standard output" : file) << ": "
        << reason << '\n';
    return kExitFileError;
}

} // namespace

ReportPdfWriters& ReportWriters() {
    static ReportPdfWriters writers;
    return writers;
}

bool IsReportName(const std::string& name) {
    const ReportName* report = ReportNamed(name);
    return report != nullptr && report->kind != ReportKind::BallMic;
}

int WriteReportOption(TTInfo& rec, const std::string& name, const CalibrationEntry* calibration,
                      const std::string& file, bool metricDisplay, std::ostream& out,
                      std::ostream& err) {
    if (!IsReportName(name)) return kExitUsage;
    const ReportName* report = ReportNamed(name);
    if (report->needsCalibration) {
        if (!calibration) return UsageError(err, CliMode::Thread, ReportRefusal(rec, *report));
        // Refused entries are said in the page's words before any file is made.
        if (const std::string message =
                BuildCalibrationPage(rec, *calibration, metricDisplay).message;
            !message.empty()) {
            err << message << '\n';
            return kExitInvalidInput;
        }
        return Write(ReportWriters().certificate != nullptr, file, out, err,
                     [&](const std::string& path, std::string* reason) {
                         return ReportWriters().certificate(rec, *calibration, path, metricDisplay,
                                                            reason);
                     });
    }
    const std::string refusal = ReportRefusal(rec, *report);
    if (!refusal.empty()) {
        err << refusal << '\n';
        return kExitInvalidInput;
    }
    return Write(ReportWriters().thread != nullptr, file, out, err,
                 [&](const std::string& path, std::string* reason) {
                     return ReportWriters().thread(rec, name, report->group, path, metricDisplay,
                                                   reason);
                 });
}

int WriteBallMicReportOption(TBallMic& bm, const std::string& file, std::ostream& out,
                             std::ostream& err) {
    return Write(ReportWriters().ballMic != nullptr, file, out, err,
                 [&](const std::string& path, std::string* reason) {
                     return ReportWriters().ballMic(bm, path, reason);
                 });
}

int WriteSettingDimsReportOption(TTInfo& rec, bool internal, const std::string& file,
                                 bool metricDisplay, std::ostream& out, std::ostream& err) {
    return Write(ReportWriters().settingDims != nullptr, file, out, err,
                 [&](const std::string& path, std::string* reason) {
                     return ReportWriters().settingDims(rec, internal, path, metricDisplay, reason);
                 });
}
