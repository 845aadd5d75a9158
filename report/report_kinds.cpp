#include "report/report_kinds.h"

#include "core/display_unit.h"
#include "core/thread_record.h"
#include "pipe/pipe_report_rows.h"
#include "report/ball_mic_report.h"
#include "report/certificate_report.h"
#include "report/pipe_reports.h"
#include "report/report_works.h"
#include "report/setting_report.h"
#include "report/thread_reports.h"

namespace {

// One copy of the job's report; false when the job has none.
bool PrintCopy(TReportWorks& rpt, const TReportJob& job) {
    switch (job.kind) {
    case ReportKind::Thread:
        PrintThreadReport(rpt, job);
        return true;
    case ReportKind::Gauge:
        PrintGaugeReport(rpt, job);
        return true;
    case ReportKind::Setting:
        PrintGageSettingReport(rpt, job);
        return true;
    case ReportKind::Iso1502:
        PrintIso1502Report(rpt, job);
        return true;
    case ReportKind::Pipe:
        PrintPipeReport(rpt, job);
        return true;
    case ReportKind::BallMic:
        PrintBallMicReport(rpt, *job.ballMic);
        return true;
    case ReportKind::Certificate:
        return PrintCertificate(rpt, *job.record, *job.calibration, job.metricDisplay);
    }
    return false;
}

} // namespace

TReportJob ThreadReportJob(ReportKind kind, TTInfo& rec, bool metricDisplay, int group) {
    TReportJob job;
    job.kind = kind;
    job.record = &rec;
    job.metricDisplay = metricDisplay;
    job.group = kind == ReportKind::Pipe ? group : 0;
    return job;
}

TReportJob SettingDimsJob(TTInfo& rec, bool internal, bool metricDisplay) {
    TReportJob job = ThreadReportJob(ReportKind::Setting, rec, metricDisplay);
    job.settingDim = 1;
    job.internal = internal ? 1 : 0;
    return job;
}

TReportJob BallMicReportJob(const TBallMic& bm) {
    TReportJob job;
    job.kind = ReportKind::BallMic;
    job.ballMic = &bm;
    return job;
}

TReportJob CertificateJob(TTInfo& rec, const CalibrationEntry& entry, bool metricDisplay) {
    TReportJob job = ThreadReportJob(ReportKind::Certificate, rec, metricDisplay);
    job.calibration = &entry;
    return job;
}

bool PrintReport(TReportWorks& rpt, TReportJob& job) {
    if (job.kind == ReportKind::BallMic ? job.ballMic == nullptr : job.record == nullptr)
        return false;
    if (job.kind == ReportKind::Certificate && job.calibration == nullptr) return false;
    if (job.kind == ReportKind::Pipe) {
        // A straight kind prints its straight report for the dimensions report.
        const PipeReportGroup group = PipeReportOfJob(job);
        if (group == kPipeReportNone) return false;
        job.group = group;
    } else {
        job.group = 0;
    }
    // ISO 1502 gauges are millimetre gauges, whatever the window shows.
    if (job.kind == ReportKind::Iso1502) job.metricDisplay = true;
    const ScopedDisplayUnit unit(job.metricDisplay);
    for (int copy = 0; copy < job.copies; ++copy) {
        if (!PrintCopy(rpt, job)) return false;
        if (rpt.JobFailed()) break;
    }
    return true;
}

std::optional<ReportKind> ReportKindOfPage(const TTInfo& rec, const QString& pageCaption) {
    if (rec.TypeName == "NPT")
        return PipeReportOfPage(pageCaption) != kPipeReportNone
                   ? std::optional<ReportKind>(ReportKind::Pipe)
                   : std::nullopt;
    if (pageCaption == "Ring Gage" || pageCaption == "Set Plug" || pageCaption == "Plug Gage")
        return ReportKind::Gauge;
    if (pageCaption == "Orvalle") return ReportKind::Setting;
    if (pageCaption == "ISO 1502 Gauges") return ReportKind::Iso1502;
    if (pageCaption == "Parameters" || pageCaption == "Thread Dim." || pageCaption == "Profile")
        return ReportKind::Thread;
    return std::nullopt;
}
