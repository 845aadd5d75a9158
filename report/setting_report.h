#pragma once
// The gauge setting dimensions report: the point gauge and roll gauge setting
// values of the product threads, with the limits they derive from; and its
// setting-dimension mode for a record of the Set Dim tool.

#include <QString>

#include <string>

class TReportWorks;
class TTInfo;
struct TReportJob;

// Kind kReportSetting, one print job per copy. With the job's settingDim set
// it prints the thread chosen by its internal flag alone, without limits.
void PrintGageSettingReport(TReportWorks& rpt, TReportJob& job);
// The "Setting Dims Report" of a Set Dim record on Letter paper, portrait, as
// plcalc writes it. Needs a QGuiApplication; false when the file cannot be written.
bool WriteSettingDimsReportPdf(TTInfo& rec, bool internal, const QString& fileName,
                               bool metricDisplay, std::string* error = nullptr);
