#pragma once
// The thread and gauge reports of a calculation, the page set-up, header,
// parameter block and footer every report shares, and the rebuild of the
// report a preview remembers.

#include <QString>

#include <cstdint>

class TReportWorks;
class TTInfo;

// Report kinds (the byte the preview remembers).
constexpr uint8_t kReportThread = 0;
constexpr uint8_t kReportGauge = 1;
constexpr uint8_t kReportSetting = 3;
constexpr uint8_t kReportBallMic = 4;
constexpr uint8_t kReportPipe = 5;

// What a report is built from, and what the preview remembers of it.
struct TReportJob {
    QString title;             // second header line
    uint8_t kind = kReportThread;
    int group = 0;             // 0, or 1 to 4 for the pipe-thread reports
    uint16_t copies = 1;
    uint8_t internal = 0;      // setting-dimension report of the internal thread
    uint8_t settingDim = 0;    // parameter block shows a pitch diameter
    TTInfo* record = nullptr;
    bool metricDisplay = false;
};

void SetupReportPage(TReportWorks& rpt);
void PrintReportHeader(TReportWorks& rpt, const QString& title);
void PrintReportFooter(TReportWorks& rpt);
// The ruled parameter table under the header.
void PrintThreadInfo(TReportWorks& rpt, const TReportJob& job);
// "Thread Dimensions Report" (kind 0), one print job per copy.
void PrintThreadReport(TReportWorks& rpt, TReportJob& job);
// "Gage Dimensions Report" (kind 1), one print job per copy.
void PrintGaugeReport(TReportWorks& rpt, TReportJob& job);
// Builds the report of the job's kind and group again; false when this build
// has no such report.
bool PrintRememberedReport(TReportWorks& rpt, TReportJob& job);
