#pragma once
// The gauge-setting page of plcalc's output: its text section and grids, its
// JSON object, and the Set Dim tool's whole JSON output.

#include "cli/text_grid.h"

#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

class JsonWriter;
class TTInfo;
struct GaugeSettingText;

// The point gauge ("Point Gage") or the roll gauge ("Functional Roll Gage")
// of the internal and the external thread: a grid whose row 0 heads it, and
// the notes of its two columns.
struct GaugeSettingBlock {
    std::string name;
    TextGrid grid;
    std::string internalNote, externalNote;
    bool notice = false; // the gauge maker's notice goes with it
};
std::vector<GaugeSettingBlock> GaugeSettingBlocks(const TTInfo& rec, bool mm);
// Their names and grids alone, as CSV blocks take them.
std::vector<std::pair<std::string, TextGrid>> GaugeSettingGrids(const TTInfo& rec, bool mm);
// Those grids under "Gauge Setting", and the thread-roll notice where it applies.
void PrintGaugeSettingText(const TTInfo& rec, bool mm, std::ostream& out);
// The key "Orvalle" of a thread's pages: both gauges of both product threads,
// or for several starts only the note that says why not.
void ThreadSettingJson(JsonWriter& j, const TTInfo& rec, bool metricDisplay);
// The Set Dim tool's gauge-setting page of one product thread: the point
// gauge and the functional roll gauge, with the record.
void PrintSettingJson(const TTInfo& rec, const std::string& name, bool external,
                      const GaugeSettingText& point, const GaugeSettingText& roll,
                      bool metricDisplay, std::ostream& out);
