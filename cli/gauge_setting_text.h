#pragma once
// The gauge-setting section of plcalc's text output.

#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

class TTInfo;

using TextGrid = std::vector<std::vector<std::string>>;

// The point gauge ("Point Gage") and the roll gauge ("Functional Roll Gage")
// of the internal and the external thread, each a grid whose row 0 heads it.
std::vector<std::pair<std::string, TextGrid>> GaugeSettingGrids(const TTInfo& rec, bool mm);
// Those grids under "Gauge Setting", and the thread-roll notice where it applies.
void PrintGaugeSettingText(const TTInfo& rec, bool mm, std::ostream& out);
