#pragma once
// plcalc --report NAME --pdf FILE: a report of the calculation written to a
// PDF file through the report engine, without a window.

#include "pipe/pipe_report_rows.h"

#include <iosfwd>
#include <string>

class TBallMic;
class TTInfo;
struct CalibrationEntry;
struct ProfileGeometry;

// "thread", "gauge", "setting", "iso1502", or a pipe thread's "npt-dims", "npt-gauges",
// "npt-tols", "straight".
bool IsReportName(const std::string& name);
// Writes the named report of a calculated record. Returns the exit code:
// invalid input when the record has no such report (a pipe report of another
// thread, NPT's gauge reports of a straight kind, the thread reports of a pipe
// thread, the setting report of a multi-start thread) or the calibration
// entries are refused; a usage error for a calibration's report without one.
// A file "-" is standard output (out).
int WriteReportOption(TTInfo& rec, const std::string& name, const CalibrationEntry* calibration,
                      const std::string& file, bool metricDisplay, std::ostream& out,
                      std::ostream& err);
// The ball micrometer report of a calculated ball micrometer.
int WriteBallMicReportOption(TBallMic& bm, const std::string& file, std::ostream& out,
                             std::ostream& err);
// The "Setting Dims Report" of a Set Dim record: the internal or external thread alone.
int WriteSettingDimsReportOption(TTInfo& rec, bool internal, const std::string& file,
                                 bool metricDisplay, std::ostream& out, std::ostream& err);

// The PDF writers need Qt, so they live in the report program (plcalc runs it
// for every --report) and register themselves here when linked. Each returns
// false with the reason.
struct ReportPdfWriters {
    bool (*thread)(TTInfo& rec, const std::string& name, PipeReportGroup group,
                   const std::string& file, bool metricDisplay, std::string* reason) = nullptr;
    bool (*ballMic)(TBallMic& bm, const std::string& file, std::string* reason) = nullptr;
    bool (*profileSvg)(const ProfileGeometry& g, const std::string& file,
                       std::string* reason) = nullptr;
    bool (*settingDims)(TTInfo& rec, bool internal, const std::string& file, bool metricDisplay,
                        std::string* reason) = nullptr;
    bool (*certificate)(TTInfo& rec, const CalibrationEntry& entry, const std::string& file,
                        bool metricDisplay, std::string* reason) = nullptr;
};
ReportPdfWriters& ReportWriters();
