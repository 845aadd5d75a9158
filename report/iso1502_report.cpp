// "ISO 1502 Gauge Report": the ISO 1502 screw plugs and rings of an M thread
// with their wear limits, as the "ISO 1502 Gauges" page shows them.
#include "report/thread_reports.h"

#include "core/thread_record.h"
#include "pages/iso1502_page.h"
#include "pages/thread_report_rows.h"
#include "report/report_page.h"
#include "report/report_works.h"

void PrintIso1502Report(TReportWorks& rpt, const TReportJob& job) {
    const Iso1502PageText page = BuildIso1502Page(*job.record, false);
    rpt.BeginReport();
    PrintThreadInfo(rpt, job, "ISO 1502 Gauge Report");
    rpt.NewLine();
    PrintLimitsHeading(rpt, LimitsHeading(*job.record));
    if (!page.note.empty()) {
        rpt.PlainFont();
        rpt.PrintCenter(ReportText(page.note));
        rpt.NewLine();
    } else {
        rpt.SetTableGrid(true);
        SetColumnWidths(rpt, {2.0, 1.25, 1.25, 1.25, 1.25});
        for (int c = 2; c <= 5; ++c)
            rpt.SetColumnAlign(c, kAlignCenter);
        rpt.SetCellPadding(0.015);
        rpt.SetFont(kReportSerif, 12);
        rpt.BeginTable();
        for (std::size_t r = 0; r < page.grid.size(); ++r) {
            // The headings and the labels bold, the limits plain.
            for (std::size_t c = 0; c < page.grid[r].size(); ++c) {
                if (r == 0 || c == 0)
                    rpt.BoldOn();
                else
                    rpt.PlainFont();
                rpt.PrintColumn(static_cast<int>(c) + 1, ReportText(page.grid[r][c]));
            }
            rpt.NextRow();
        }
        rpt.EndTable();
        rpt.PlainFont();
        rpt.SetFont(kReportSerif, 10);
        rpt.GotoXY(0, rpt.GetY() + 0.1);
        for (const std::string& line : page.lines) {
            rpt.PrintLeft(ReportText(line));
            rpt.NewLine();
        }
    }
    rpt.NewLine();
    PrintReportFooter(rpt);
    rpt.EndReport();
}
