#pragma once
// plcalc --report NAME --pdf FILE: a report of the calculation written to a
// PDF file through the report engine, without a window.

#include <functional>
#include <iosfwd>
#include <string>

class TTInfo;

// "thread", "gauge", "setting", or a pipe thread's "npt-dims", "npt-gauges",
// "npt-tols", "straight".
bool IsReportName(const std::string& name);
// Writes the named report of a calculated record; starts the offscreen Qt
// platform for it when no application exists. Returns the exit code: invalid
// input when the record has no such report (a pipe report of another thread,
// NPT's gauge reports of a straight kind, the thread reports of a pipe thread,
// the setting report of a multi-start thread).
int WriteReportOption(TTInfo& rec, const std::string& name, const std::string& file,
                      bool metricDisplay, std::ostream& err);

// Runs `write` (a PDF writer) with the GUI application that fonts and the PDF
// writer need: offscreen unless the user chose a platform, Qt's own notes
// silenced but for errors. Returns what `write` returns.
bool WithReportGui(const std::function<bool()>& write);
