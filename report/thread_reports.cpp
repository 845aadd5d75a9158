#include "report/thread_reports.h"

#include "core/designation.h"
#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "gauges/wires.h"
#include "report/ball_mic_report.h"
#include "report/pipe_reports.h"
#include "report/profile_report.h"
#include "report/report_works.h"
#include "report/setting_report.h"

#include <QStringList>

#include <string>
#include <vector>

namespace {

QString JoinNotes(const std::vector<std::string>& notes) {
    QStringList lines;
    for (const std::string& n : notes)
        lines << ReportText(n);
    return lines.join('\n');
}

} // namespace

void PrintLimitsHeading(TReportWorks& rpt, TTInfo& rec) {
    rpt.SetTableGrid(false);
    rpt.SetFont(kReportSerif, 12);
    rpt.BoldOn();
    const QString internal = ReportText(DesignationText(rec.IntThd));
    const QString external = ReportText(DesignationText(rec.ExtThd));
    if (rec.Coating > 0) {
        SetColumnWidths(rpt, {0.3, 2.95, 1.0, 3.0});
        rpt.BeginTable();
        rpt.PrintColumn(2, JoinNotes(rec.IntThd.Notes));
        rpt.PrintColumn(4, JoinNotes(rec.ExtThd.Notes));
        rpt.NextRow();
    } else {
        SetColumnWidths(rpt, {3.25, 0.75, 3.25});
        rpt.SetColumnAlign(1, kAlignCenter);
        rpt.SetColumnAlign(3, kAlignCenter);
        rpt.BeginTable();
        rpt.PrintColumn(1, "INTERNAL");
        rpt.PrintColumn(3, "EXTERNAL");
        rpt.NextRow();
        rpt.PrintColumn(1, internal);
        rpt.PrintColumn(3, external);
        rpt.NextRow();
    }
    rpt.EndTable();
    rpt.NewLine();
}

namespace {

void LimitsRow(TReportWorks& rpt, const QString& label, const QString& intValue,
               const QString& extLabel, const QString& extValue) {
    rpt.PrintColumn(1, label);
    rpt.PrintColumn(2, intValue);
    rpt.PrintColumn(4, extLabel);
    rpt.PrintColumn(5, extValue);
    rpt.NextRow();
}

} // namespace

void PrintLimitsTable(TReportWorks& rpt, TTInfo& rec, bool diametersOnly) {
    TThdInfo& in = rec.IntThd;
    TThdInfo& ex = rec.ExtThd;
    rpt.SetTableGrid(false);
    SetColumnWidths(rpt, {2.5, 1.0, 0.375, 2.5, 1.0});
    rpt.SetColumnAlign(2, kAlignCenter);
    rpt.SetColumnAlign(5, kAlignCenter);
    rpt.SetCellPadding(0.01);
    rpt.SetFont(kReportSerif, 12);
    rpt.PlainFont();
    rpt.BeginTable();

    auto both = [&](const QString& label, int decimals, double TDimLimits::*limit,
                    TDimLimits TThdInfo::*dim) {
        LimitsRow(rpt, label, ReportDim(in, decimals, (in.*dim).*limit), label,
                  ReportDim(ex, decimals, (ex.*dim).*limit));
    };
    auto external = [&](const QString& label, const QString& value) {
        LimitsRow(rpt, QString(), QString(), label, value);
    };
    both("Pitch Diameter Max:", 4, &TDimLimits::Max, &TThdInfo::PD);
    both("Pitch Diameter Min:", 4, &TDimLimits::Min, &TThdInfo::PD);
    both("Major Diameter Max:", 4, &TDimLimits::Max, &TThdInfo::Major);
    both("Major Diameter Min:", 4, &TDimLimits::Min, &TThdInfo::Major);
    // The report's own spellings are kept, "Diamater" included: users match
    // printed reports against older ones.
    const bool un = ex.TypeCode == kTypeUN;
    LimitsRow(rpt, un ? "Minor Diameter Max:" : "Minor Diamater Max:",
              ReportText(MinorText(in, in.Minor.Max)),
              un ? "Minor Diameter Max (Ref, Calc.):" : "Minor Diamater Max:",
              ReportText(MinorText(ex, ex.Minor.Max)));
    LimitsRow(rpt, "Minor Diameter Min:", ReportText(MinorText(in, in.Minor.Min)),
              un ? "Minor Diameter Min (Ref, Calc.):" : "Minor Diameter Min:",
              ReportText(MinorText(ex, ex.Minor.Min)));
    if (diametersOnly) {
        rpt.EndTable();
        return;
    }
    external("Root Radius Max:", ReportDim(ex, 4, ex.RootRadMax));
    external("Root Radius Min:", ReportDim(ex, 4, ex.RootRadMin));
    LimitsRow(rpt, "Root Width:", ReportDim(in, 4, in.RootWidth),
              "Root Width:", ReportDim(ex, 4, ex.RootWidth));
    LimitsRow(rpt, "Thread Height (Ref):", ReportDim(in, 4, in.ThdHeight),
              "Thread Height (Ref):", ReportDim(ex, 4, ex.ThdHeight));
    LimitsRow(rpt, "Thread Pitch:", ReportDim(in, 4, in.Pitch()),
              "Thread Pitch:", ReportDim(ex, 4, ex.Pitch()));
    external("Current Wire Size:", ReportDim(ex, 5, ex.CurWire));
    external("Max Wire Reading:", ReportDim(ex, 5, GageWireReading(ex)));
    external("Min Wire Reading:",
             ReportDim(ex, 5, ex.CurWire == 0 ? 0 : WireReadingAt(ex, ex.PD.Min)));
    external("Helix Angle Comp:", ReportDim(ex, 5, HelixComp(ex)));
    rpt.EndTable();
}

void PrintThreadReport(TReportWorks& rpt, TReportJob& job) {
    job.kind = kReportThread;
    job.group = 0;
    job.title = "Thread Dimensions Report";
    const ScopedDisplayUnit unit(job.metricDisplay);
    for (int copy = 0; copy < job.copies; ++copy) {
        rpt.BeginReport();
        PrintThreadInfo(rpt, job);
        rpt.GotoXY(0, rpt.GetY() + 0.1);
        PrintLimitsHeading(rpt, *job.record);
        PrintLimitsTable(rpt, *job.record);
        rpt.NewLine();
        rpt.NewLine();
        PrintReportFooter(rpt);
        PrintProfilePage(rpt, *job.record, job.metricDisplay);
        rpt.EndReport();
        if (rpt.JobFailed()) break;
    }
}

bool PrintRememberedReport(TReportWorks& rpt, TReportJob& job) {
    if (job.kind == kReportBallMic && job.group == 0) return PrintBallMicReport(rpt, job);
    if (job.record == nullptr) return false;
    if (job.group != 0) return PrintPipeReport(rpt, job);
    switch (job.kind) {
    case kReportThread:
        PrintThreadReport(rpt, job);
        return true;
    case kReportGauge:
        PrintGaugeReport(rpt, job);
        return true;
    case kReportSetting:
        PrintGageSettingReport(rpt, job);
        return true;
    case kReportIso1502:
        PrintIso1502Report(rpt, job);
        return true;
    default:
        return false;
    }
}
