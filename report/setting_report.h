#pragma once
// The gauge setting dimensions report: the point gauge and roll gauge setting
// values of the product threads, with the limits they derive from; and its
// setting-dimension mode for a record of the Set Dim tool.

class TReportWorks;
struct TReportJob;

// One copy in the display unit in use. With the job's settingDim set it
// prints the thread chosen by its internal flag alone, without limits.
void PrintGageSettingReport(TReportWorks& rpt, const TReportJob& job);
