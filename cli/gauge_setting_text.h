#pragma once
// The gauge-setting section of plcalc's text output and its --point-dia entry.

#include <iosfwd>
#include <string>

class TTInfo;

// Point and roll gauge settings of the internal and the external thread.
void PrintGaugeSettingText(const TTInfo& rec, bool mm, std::ostream& out);
// A special point diameter: the window's entry rules and messages. Returns
// the message of a refused entry, empty when the point was taken.
std::string EnterPointDia(TTInfo& rec, const std::string& text);
