#pragma once
// The thread, gauge and ISO 1502 reports of a calculation: one copy each, in
// the display unit in use; PrintReport runs them.

class TReportWorks;
struct TReportJob;

// "Thread Dimensions Report", with the profile page.
void PrintThreadReport(TReportWorks& rpt, const TReportJob& job);
// "Gage Dimensions Report".
void PrintGaugeReport(TReportWorks& rpt, const TReportJob& job);
// "ISO 1502 Gauge Report".
void PrintIso1502Report(TReportWorks& rpt, const TReportJob& job);
