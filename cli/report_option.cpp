#include "cli/report_option.h"

#include "cli/exit_codes.h"
#include "cli/standard_file.h"
#include "core/pipe_record.h"
#include "core/thread_record.h"
#include "pipe/pipe_text.h"

#include <functional>
#include <ostream>

namespace {

struct ReportName {
    const char* name;
    PipeReportGroup group; // kPipeReportNone: a report of the thread pages
};

// npt-dims prints the straight report for the other pipe kinds, as the
// window's "Thread Dim." page does.
constexpr ReportName kReportNames[] = {
    {"thread", kPipeReportNone},   {"gauge", kPipeReportNone},
    {"setting", kPipeReportNone},  {"iso1502", kPipeReportNone},
    {"npt-dims", kPipeReportDims}, {"npt-gauges", kPipeReportGauges},
    {"npt-tols", kPipeReportTols}, {"straight", kPipeReportStraight},
};

const ReportName* FindReport(const std::string& name) {
    for (const ReportName& r : kReportNames)
        if (name == r.name) return &r;
    return nullptr;
}

// The gauges are set for single-start threads only.
std::string SettingRefusal(const TTInfo& rec, const ReportName& r) {
    if (std::string(r.name) != "setting" || rec.Starts <= 1) return {};
    return "The setting report is for single-start threads: the gauge setting dimensions are "
           "not worked out for " +
           std::to_string(rec.Starts) + " starts";
}

// Why the record has no such report; empty when it has.
std::string ReportRefusal(const TTInfo& rec, const ReportName& r) {
    const bool pipe = rec.TypeCode == kTypeNPT && rec.Pipe;
    const std::string name = r.name;
    if (name == "iso1502" && rec.ExtThd.TypeCode != kTypeM)
        return "The iso1502 report is for M threads: ISO 1502 covers metric M threads only";
    if (r.group == kPipeReportNone)
        return pipe ? "The " + name + " report is not for pipe threads: use --report npt-dims" +
                          (rec.Pipe->ClassCode == kPipeNPT ? ", npt-gauges or npt-tols"
                                                           : " or straight")
                    : SettingRefusal(rec, r);
    if (!pipe) return "The " + name + " report is for pipe threads (--type NPT)";
    if (BuildPipeReport(rec, r.group).group != kPipeReportNone) return {};
    const std::string kind = PipeKindText(rec.Pipe->ClassCode);
    if (r.group == kPipeReportStraight)
        return "The straight report is for NPSC, NPTR, NPSM and NPSL threads: use --report "
               "npt-dims, npt-gauges or npt-tols for " +
               kind;
    return "The " + name +
           " report is for NPT threads only: use --report npt-dims or straight "
           "for " +
           kind;
}

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
    return FindReport(name) != nullptr;
}

int WriteReportOption(TTInfo& rec, const std::string& name, const std::string& file,
                      bool metricDisplay, std::ostream& out, std::ostream& err) {
    const ReportName* report = FindReport(name);
    if (report == nullptr) return kExitUsage;
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
