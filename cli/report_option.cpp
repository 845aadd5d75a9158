#include "cli/report_option.h"

#include "cli/run_cli.h"
#include "core/pipe_record.h"
#include "core/thread_record.h"
#include "pipe/pipe_report_rows.h"
#include "pipe/pipe_text.h"
#include "report/report_pdf.h"
#include "report/thread_reports.h"

#include <QGuiApplication>

#include <iostream>
#include <memory>
#include <ostream>

namespace {

struct ReportName {
    const char* name;
    uint8_t kind;
    PipeReportGroup group;
};

// npt-dims prints the straight report for the other pipe kinds, as the
// window's "Thread Dim." page does.
constexpr ReportName kReportNames[] = {
    {"thread", kReportThread, kPipeReportNone},
    {"gauge", kReportGauge, kPipeReportNone},
    {"setting", kReportSetting, kPipeReportNone},
    {"npt-dims", kReportPipe, kPipeReportDims},
    {"npt-gauges", kReportPipe, kPipeReportGauges},
    {"npt-tols", kReportPipe, kPipeReportTols},
    {"straight", kReportPipe, kPipeReportStraight},
};

const ReportName* FindReport(const std::string& name)
{
    for (const ReportName& r : kReportNames)
        if (name == r.name) return &r;
    return nullptr;
}

// The gauges are set for single-start threads only.
std::string SettingRefusal(const TTInfo& rec, const ReportName& r)
{
    if (r.kind != kReportSetting || rec.Starts <= 1) return {};
    return "The setting report is for single-start threads: the gauge setting dimensions are "
           "not worked out for " + std::to_string(rec.Starts) + " starts";
}

// Why the record has no such report; empty when it has.
std::string ReportRefusal(const TTInfo& rec, const ReportName& r)
{
    const bool pipe = rec.TypeCode == kTypeNPT && rec.Pipe;
    const std::string name = r.name;
    if (r.kind != kReportPipe)
        return pipe ? "The " + name + " report is not for pipe threads: use --report npt-dims" +
                          (rec.Pipe->ClassCode == kPipeNPT ? ", npt-gauges or npt-tols"
                                                           : " or straight")
                    : SettingRefusal(rec, r);
    if (!pipe) return "The " + name + " report is for pipe threads (--type NPT)";
    if (BuildPipeReport(rec, r.group).group != kPipeReportNone) return {};
    const std::string kind = PipeKindText(rec.Pipe->ClassCode);
    if (r.group == kPipeReportStraight)
        return "The straight report is for NPSC, NPTR, NPSM and NPSL threads: use --report "
               "npt-dims, npt-gauges or npt-tols for " + kind;
    return "The " + name + " report is for NPT threads only: use --report npt-dims or straight "
           "for " + kind;
}

} // namespace

bool IsReportName(const std::string& name)
{
    return FindReport(name) != nullptr;
}

int WriteReportOption(TTInfo& rec, const std::string& name, const std::string& file,
                      bool metricDisplay, std::ostream& err)
{
    const ReportName* report = FindReport(name);
    if (report == nullptr) return kExitUsage;
    const std::string refusal = ReportRefusal(rec, *report);
    if (!refusal.empty()) {
        err << refusal << '\n';
        return kExitInvalidInput;
    }
    std::string reason;
    const bool written = WithReportGui([&] {
        return WriteReportPdf(rec, report->kind, QString::fromStdString(file), metricDisplay,
                              report->group, &reason);
    });
    if (!written) {
        err << "Can not write the report file " << file << ": " << reason << '\n';
        return kExitFileError;
    }
    return kExitOk;
}

bool WithReportGui(const std::function<bool()>& write)
{
    // Qt's own notes (runtime directory, a painter that could not start) are
    // no use to a command line, which reports failures in its own words.
    const QtMessageHandler savedHandler =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& msg) {
            if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << msg.toStdString() << '\n';
        });
    // A command line has no display, so the offscreen platform serves unless
    // the user chose one.
    std::unique_ptr<QGuiApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char arg0[] = "plcalc";
        static char* argv[] = {arg0, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    const bool written = write();
    app.reset();
    qInstallMessageHandler(savedHandler);
    return written;
}
