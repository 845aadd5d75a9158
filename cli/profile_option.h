#pragma once
// plcalc ... --profile-svg FILE: the thread profile with its tolerance zones
// as an SVG file.

#include <iosfwd>
#include <string>

class TTInfo;

// Writes the drawing of a calculated record (file "-": onto out). Returns the
// exit code: invalid input for a thread whose profile is not drawn (pipe
// threads), a file error when the file cannot be written.
int WriteProfileSvgOption(TTInfo& rec, const std::string& file, bool metricDisplay,
                          std::ostream& out, std::ostream& err);
