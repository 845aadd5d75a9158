#include "pages/report_names.h"

#include "core/pipe_record.h"
#include "core/thread_record.h"
#include "pipe/pipe_text.h"

#include <iterator>

namespace {

// npt-dims prints the straight report for the other pipe kinds, as the
// window's "Thread Dim." page does.
constexpr ReportName kReportNames[] = {
    {"thread", ReportKind::Thread, kPipeReportNone},
    {"gauge", ReportKind::Gauge, kPipeReportNone},
    {"setting", ReportKind::Setting, kPipeReportNone},
    {"iso1502", ReportKind::Iso1502, kPipeReportNone},
    {"ballmic", ReportKind::BallMic, kPipeReportNone},
    {"certificate", ReportKind::Certificate, kPipeReportNone, true},
    {"npt-dims", ReportKind::Pipe, kPipeReportDims},
    {"npt-gauges", ReportKind::Pipe, kPipeReportGauges},
    {"npt-tols", ReportKind::Pipe, kPipeReportTols},
    {"straight", ReportKind::Pipe, kPipeReportStraight},
};

// The gauges are set for single-start threads only.
std::string SettingRefusal(const TTInfo& rec, const ReportName& r) {
    if (r.kind != ReportKind::Setting || rec.Starts <= 1) return {};
    return "The setting report is for single-start threads: the gauge setting dimensions are "
           "not worked out for " +
           std::to_string(rec.Starts) + " starts";
}

} // namespace

std::span<const ReportName> ReportNames() {
    return kReportNames;
}

const ReportName* ReportNamed(const std::string& name) {
    for (const ReportName& r : kReportNames)
        if (name == r.name) return &r;
    return nullptr;
}

std::optional<ReportKind> ReportKindNamed(const std::string& name) {
    const ReportName* r = ReportNamed(name);
    return r ? std::optional<ReportKind>(r->kind) : std::nullopt;
}

std::string ReportRefusal(const TTInfo& rec, const ReportName& r) {
    const bool pipe = rec.TypeCode == kTypeNPT && rec.Pipe;
    const std::string name = r.name;
    if (r.kind == ReportKind::BallMic)
        return "--report ballmic is the ball micrometer's: give the taper with --ballmic";
    if (r.kind == ReportKind::Certificate)
        return "--report certificate is a calibration's: give --calibrate GAUGE and its readings, "
               "or open a .cal file";
    if (r.kind == ReportKind::Iso1502 && rec.ExtThd.TypeCode != kTypeM)
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
