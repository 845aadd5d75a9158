#include "cli/report_option.h"

#include "cli/exit_codes.h"
#include "core/pipe_record.h"
#include "core/thread_record.h"
#include "pipe/pipe_text.h"

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
    return FindReport(name) != nullptr;
}

int WriteReportOption(TTInfo& rec, const std::string& name, const std::string& file,
                      bool metricDisplay, std::ostream& err) {
    const ReportName* report = FindReport(name);
    if (report == nullptr) return kExitUsage;
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
