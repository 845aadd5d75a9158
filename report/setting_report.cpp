#include "report/setting_report.h"

#include "pages/setting_report_rows.h"
#include "pages/thread_report_rows.h"
#include "report/report_page.h"
#include "report/report_works.h"

namespace {

void Heading(TReportWorks& rpt, const char* text) {
    rpt.SetFont(kReportSerif, 14);
    rpt.BoldOn();
    rpt.PrintCenter(QString::fromLatin1(text));
    rpt.NewLine();
}

// Internal thread in columns 1 and 2, external in 4 and 5.
void SettingTable(TReportWorks& rpt, const SettingReportColumn& internal,
                  const SettingReportColumn& external,
                  std::vector<SettingReportRow> SettingReportColumn::*rows) {
    rpt.SetTableGrid(false);
    SetColumnWidths(rpt, {2.0, 1.25, 0.5, 2.0, 1.25});
    rpt.SetColumnAlign(2, kAlignRight);
    rpt.SetColumnAlign(5, kAlignRight);
    rpt.SetCellPadding(0.01);
    rpt.SetFont(kReportSerif, 12);
    rpt.PlainFont();
    rpt.BeginTable();
    const std::size_t n = std::max((internal.*rows).size(), (external.*rows).size());
    for (std::size_t i = 0; i < n; ++i) {
        if (i < (internal.*rows).size()) {
            rpt.PrintColumn(1, ReportText((internal.*rows)[i].first));
            rpt.PrintColumn(2, ReportText((internal.*rows)[i].second));
        }
        if (i < (external.*rows).size()) {
            rpt.PrintColumn(4, ReportText((external.*rows)[i].first));
            rpt.PrintColumn(5, ReportText((external.*rows)[i].second));
        }
        rpt.NextRow();
    }
    rpt.EndTable();
}

// The lines saying why a gauge of the table shows NONE or N/A, as its page says them.
// They take the blank line that follows the table, so the page keeps its length.
void GaugeNotes(TReportWorks& rpt, const SettingReportColumn& internal,
                const SettingReportColumn& external, std::string SettingReportColumn::*note) {
    if ((internal.*note).empty() && (external.*note).empty()) {
        rpt.NewLine();
        return;
    }
    const QFont font = rpt.ReportFont();
    rpt.SetFont(kReportSerif, 9);
    if (!(internal.*note).empty()) {
        rpt.PrintCenter(ReportText("Internal: " + internal.*note));
        rpt.NewLine();
    }
    if (!(external.*note).empty()) {
        rpt.PrintCenter(ReportText("External: " + external.*note));
        rpt.NewLine();
    }
    rpt.SetReportFont(font);
}

void RollNote(TReportWorks& rpt) {
    const std::vector<std::string>& lines = RecalledRollNote();
    rpt.NewLine();
    rpt.NewLine();
    rpt.ClearTabs();
    rpt.AddTab(0.8, kAlignLeft);
    rpt.BoldOn();
    rpt.PrintTab(1, "Special Note:");
    rpt.PlainFont();
    rpt.PrintText(ReportText(lines.front()));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        rpt.NewLine();
        rpt.PrintTab(1, ReportText(lines[i]));
    }
}

} // namespace

void PrintGageSettingReport(TReportWorks& rpt, const TReportJob& job) {
    const SettingReportText text =
        BuildSettingReport(*job.record, job.settingDim != 0, job.internal != 0, job.metricDisplay);
    rpt.BeginReport();
    PrintThreadInfo(rpt, job, ReportText(text.title));
    rpt.GotoXY(0, rpt.GetY() + 0.1);
    rpt.NewLine();
    Heading(rpt, "Pitch Diameter Setting Dimensions");
    SettingTable(rpt, text.internal, text.external, &SettingReportColumn::point);
    GaugeNotes(rpt, text.internal, text.external, &SettingReportColumn::pointNote);
    Heading(rpt, "Functional Roll Setting Dimensions");
    SettingTable(rpt, text.internal, text.external, &SettingReportColumn::roll);
    GaugeNotes(rpt, text.internal, text.external, &SettingReportColumn::rollNote);
    if (text.limits) {
        const LimitsText limits = BuildLimitsText(*job.record, job.metricDisplay, true);
        PrintLimitsHeading(rpt, limits);
        PrintLimitsTable(rpt, limits);
    }
    // The roll note moves down two lines to its first and one to each other.
    const int noteLines = text.rollNote ? 1 + static_cast<int>(RecalledRollNote().size()) : 0;
    PrintClosingAndFooter(rpt, noteLines, [&] {
        if (text.rollNote) RollNote(rpt);
    });
    rpt.EndReport();
}
