#pragma once
// The gauge setting dimensions report: the point gauge and roll gauge setting
// values of the product threads, with the limits they derive from.

class TReportWorks;
struct TReportJob;

// Kind kReportSetting, one print job per copy. With the job's settingDim set
// it prints the thread chosen by its internal flag alone, without limits.
void PrintGageSettingReport(TReportWorks& rpt, TReportJob& job);
