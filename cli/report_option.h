#pragma once
// plcalc --report NAME --pdf FILE: a report of the calculation written to a
// PDF file through the report engine, without a window.

#include <iosfwd>
#include <string>

class TTInfo;

// "thread" or "gauge".
bool IsReportName(const std::string& name);
// Writes the named report of a calculated record; starts the offscreen Qt
// platform for it when no application exists. Returns the exit code.
int WriteReportOption(TTInfo& rec, const std::string& name, const std::string& file,
                      bool metricDisplay, std::ostream& err);
