// "Thread Dimensions Report": the parameters and the limits of both product
// threads side by side, then the profile page.
#include "report/thread_reports.h"

#include "pages/thread_report_rows.h"
#include "report/profile_report.h"
#include "report/report_page.h"
#include "report/report_works.h"

void PrintThreadReport(TReportWorks& rpt, const TReportJob& job) {
    rpt.BeginReport();
    PrintThreadInfo(rpt, job, "Thread Dimensions Report");
    rpt.GotoXY(0, rpt.GetY() + 0.1);
    const LimitsText limits = BuildLimitsText(*job.record, job.metricDisplay, false);
    PrintLimitsHeading(rpt, limits);
    PrintLimitsTable(rpt, limits);
    rpt.NewLine();
    rpt.NewLine();
    PrintReportFooter(rpt);
    PrintProfilePage(rpt, *job.record, job.metricDisplay);
    rpt.EndReport();
}
