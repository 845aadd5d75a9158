#pragma once
// The profile drawing as a page of the thread report.

class TReportWorks;
class TTInfo;

// A new page with the profile and its tolerance zones; nothing for a thread
// whose profile is not drawn.
void PrintProfilePage(TReportWorks& rpt, TTInfo& rec, bool metricDisplay);
