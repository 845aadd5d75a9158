#pragma once
// Every report the program prints, and the one road to each: the window's
// preview and printer and plcalc's PDF files all run a job through PrintReport.

#include "pages/report_names.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

class TBallMic;
class TReportWorks;
class TTInfo;
struct CalibrationEntry;

// What a report is built from, and what the preview remembers of it.
struct TReportJob {
    ReportKind kind = ReportKind::Thread;
    int group = 0; // Pipe: 1 to 4 (PipeReportGroup)
    uint16_t copies = 1;
    uint8_t internal = 0;   // setting-dimension report of the internal thread
    uint8_t settingDim = 0; // parameter block shows a pitch diameter
    TTInfo* record = nullptr;
    const TBallMic* ballMic = nullptr;             // the ball micrometer report's calculation
    const CalibrationEntry* calibration = nullptr; // the certificate's entries, as typed
    bool metricDisplay = false;
};

// A report of a calculated record; group only for the pipe reports.
TReportJob ThreadReportJob(ReportKind kind, TTInfo& rec, bool metricDisplay, int group = 0);
// The "Setting Dims Report" of a Set Dim record: the internal or external thread alone.
TReportJob SettingDimsJob(TTInfo& rec, bool internal, bool metricDisplay);
TReportJob BallMicReportJob(const TBallMic& bm);
// The certificate of the record's gauge calibrated with these entries.
TReportJob CertificateJob(TTInfo& rec, const CalibrationEntry& entry, bool metricDisplay);

// Prints the job's report once per copy on whatever the engine is set to
// (preview, printer, PDF file); false when the job has no such report (no
// record, a pipe report of another kind of thread, a calibration refused).
bool PrintReport(TReportWorks& rpt, TReportJob& job);

// The report a page of the thread window prints: "Ring Gage", "Set Plug",
// "Plug Gage": gauges; "Orvalle": the gauge setting dimensions; "ISO 1502
// Gauges": the ISO 1502 gauges; "Parameters", "Thread Dim.", "Profile": thread
// dimensions; a pipe thread's pages their pipe report. None for other pages.
std::optional<ReportKind> ReportKindOfPage(const TTInfo& rec, const QString& pageCaption);
