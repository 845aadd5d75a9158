#pragma once
// The thread and gauge reports of a calculation and the rebuild of the report
// a preview remembers.

#include "report/report_page.h"

class TReportWorks;
class TTInfo;

// "Thread Dimensions Report" (kind 0), one print job per copy.
void PrintThreadReport(TReportWorks& rpt, TReportJob& job);
// "Gage Dimensions Report" (kind 1), one print job per copy.
void PrintGaugeReport(TReportWorks& rpt, TReportJob& job);
// "ISO 1502 Gauge Report" (kind 6), one print job per copy; always millimetres.
void PrintIso1502Report(TReportWorks& rpt, TReportJob& job);
// "INTERNAL" / "EXTERNAL" and the designations (or the plated notes) over the limits.
void PrintLimitsHeading(TReportWorks& rpt, TTInfo& rec);
// The limits of both product threads side by side; only the pitch, major and
// minor diameter rows when diametersOnly.
void PrintLimitsTable(TReportWorks& rpt, TTInfo& rec, bool diametersOnly = false);
// Builds the report of the job's kind and group again (groups 1 to 4: the
// pipe thread reports); false when this build has no such report.
bool PrintRememberedReport(TReportWorks& rpt, TReportJob& job);
