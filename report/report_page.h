#pragma once
// What every report shares: the job a report is built from, the page set-up,
// the header, the parameter block and the footer.

#include <QString>

#include <cstdint>
#include <initializer_list>
#include <string>

class TBallMic;
class TReportWorks;
class TThdInfo;
class TTInfo;

// Report kinds (the byte the preview remembers).
constexpr uint8_t kReportThread = 0;
constexpr uint8_t kReportGauge = 1;
constexpr uint8_t kReportSetting = 3;
constexpr uint8_t kReportBallMic = 4;
constexpr uint8_t kReportPipe = 5;
constexpr uint8_t kReportIso1502 = 6;

// What a report is built from, and what the preview remembers of it.
struct TReportJob {
    QString title; // second header line
    uint8_t kind = kReportThread;
    int group = 0; // 0, or 1 to 4 for the pipe-thread reports
    uint16_t copies = 1;
    uint8_t internal = 0;   // setting-dimension report of the internal thread
    uint8_t settingDim = 0; // parameter block shows a pitch diameter
    TTInfo* record = nullptr;
    const TBallMic* ballMic = nullptr; // the ball micrometer report's calculation
    bool metricDisplay = false;
};

inline const char* const kReportSerif = "Times New Roman";

void SetupReportPage(TReportWorks& rpt);
void PrintReportHeader(TReportWorks& rpt, const QString& title);
// Two centred lines: the program and its version, then when and from which tables.
void PrintReportFooter(TReportWorks& rpt);
// The header, the unit of every dimension and the ruled parameter table.
void PrintThreadInfo(TReportWorks& rpt, const TReportJob& job);
// "Dimensions in inches" or "Dimensions in millimetres".
QString DimensionsLine(bool metricDisplay);

QString ReportText(const std::string& text);
// A dimension of the member in the display unit.
QString ReportDim(const TThdInfo& m, int decimals, double value);
// Columns of the given widths, inches.
void SetColumnWidths(TReportWorks& rpt, std::initializer_list<double> widths);
