#pragma once
// Every report by the name plcalc takes for it, and which calculated threads
// have it: the window's pages and plcalc's --report both ask this table.

#include "pipe/pipe_report_rows.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

class TTInfo;

enum class ReportKind : uint8_t {
    Thread,      // "Thread Dimensions Report", with the profile page
    Gauge,       // "Gage Dimensions Report"
    Setting,     // the gauge setting dimensions, or the Set Dim record's setting dimensions
    BallMic,     // "Ball Mic Calculation Report"
    Pipe,        // the pipe thread report of the job's group
    Iso1502,     // "ISO 1502 Gauge Report", always in millimetres
    Certificate, // "Calibration Certificate" of a plug or setting plug
};

struct ReportName {
    const char* name; // "thread", "npt-dims"
    ReportKind kind;
    PipeReportGroup group;         // kPipeReportNone: not a pipe report
    bool needsCalibration = false; // made from a gauge's calibration, not the thread alone
};

// "thread", "gauge", "setting", "iso1502", "ballmic", "certificate", and the pipe reports
// "npt-dims", "npt-gauges", "npt-tols", "straight".
std::span<const ReportName> ReportNames();
// The row of a name (exact, lower case); nullptr for none.
const ReportName* ReportNamed(const std::string& name);
std::optional<ReportKind> ReportKindNamed(const std::string& name);
// Why a calculated thread has no such report (a pipe report of another
// thread, NPT's gauge reports of a straight kind, the thread reports of a pipe
// thread, the setting report of a multi-start thread, ISO 1502 of other than
// M, the ball micrometer's, a certificate without a calibration); empty when it has.
std::string ReportRefusal(const TTInfo& rec, const ReportName& report);
