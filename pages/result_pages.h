#pragma once
// What the result pages of a thread window show, as texts: caption, name
// label, the "Thread Dim." grid and the three gauge grids. Built once here and
// shown unchanged by the window grids, the command line and the reports.

#include <string>
#include <vector>

class TTInfo;

using TextGrid = std::vector<std::vector<std::string>>;

struct GaugePageText {
    std::string caption; // "Ring Gage", "Set Plug", "Plug Gage"
    TextGrid grid;       // row 0 holds the headings
    std::string leadTol;
    std::string angleTol;
};

struct ResultPagesText {
    std::string caption; // window caption
    std::string name;    // designation label
    TextGrid thread;     // "Thread Dim.", 19 rows of 3 cells
    GaugePageText ring, setPlug, plug;
    std::string wireSize1; // wire-size box of the set plug page
    std::string wireSize2; // wire-size box of the plug page
    std::vector<std::string> wireList;
};

// "ANSI Table Data - " or "Calculated Data - " + file name.
std::string WindowCaption(const TTInfo& rec, const std::string& fileName);
// Builds every page text in the given display unit. Refreshes designations and
// notes of the record, as showing them does.
ResultPagesText BuildResultPages(TTInfo& rec, const std::string& fileName, bool metricDisplay);
