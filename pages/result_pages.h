#pragma once
// What the result pages of a thread window show, as texts: caption, name
// label, the "Thread Dim." grid and the three gauge grids, with the tooltips
// that spell out their abbreviated labels. Built once here and shown unchanged
// by the window grids, the command line and the reports.

#include "pages/iso1502_page.h"
#include "pages/tap_drills.h"

#include <cstddef>
#include <string>
#include <vector>

class TThdInfo;
class TTInfo;

using TextGrid = std::vector<std::vector<std::string>>;

// The tolerance columns of a gauge page's grid (GO size, tolerance, NOT GO
// size, tolerance), hidden where the page carries a note.
inline constexpr std::size_t kGaugeTolColumns[] = {2, 4};

struct GaugePageText {
    std::string caption; // "Ring Gage", "Set Plug", "Plug Gage"
    TextGrid grid;       // row 0 holds the headings
    TextGrid tips;       // tooltip of each cell of grid, empty where there is none
    std::string leadTol;
    std::string angleTol;
    // Why tolerances show "N/A", one line (GaugeTolNote); empty when none does.
    std::string note;
    // False when the set in use has no value at all: a page hides the
    // tolerance columns and texts and shows the note in their place.
    bool tolerances = true;
};

struct ResultPagesText {
    std::string caption;          // window caption
    std::string name;             // designation label
    TextGrid thread;              // "Thread Dim.", 19 rows of 3 cells
    TextGrid threadTips;          // tooltips of the thread grid
    TextGrid tapDrills;           // "Tap Drills" block under it; empty where none is drilled
    std::vector<TapDrill> drills; // the drills of that block
    std::string drillsError;      // why the drill table could not be read; empty when it was
    GaugePageText ring, setPlug, plug;
    Iso1502PageText iso1502; // M and MJ threads only: empty caption for the others
    std::string wireSize1;   // wire-size box of the set plug page
    std::string wireSize2;   // wire-size box of the plug page
    std::vector<std::string> wireList;
    std::string unit; // UnitText of the display unit
    // Which lead-angle correction the readings carry (WireReadingsLine); empty
    // for a thread without readings over wires.
    std::string readingsLine;
};

// Why a gauge's tolerances show "N/A", the line its page and the gauge report
// print under it: kNoGaugeTolNote where the set in use has no row,
// kNoClassWTolNote where that set is class W and class X has one, or the
// tolerances a row leaves out ("no class X pitch diameter tolerance for this
// thread — see Help › Tables"); empty when every tolerance is there.
std::string GaugeTolNote(const TThdInfo& go);

// The reading over wires at the member's minimum pitch diameter; 0 (shown
// "N/A") for a member without a wire, an internal thread.
double MinWireReading(const TThdInfo& m);

// "ANSI Table Data - " or "Calculated Data - " + file name.
std::string WindowCaption(const TTInfo& rec, const std::string& fileName);
// How the Window menu tells a window apart: "1/4-20 UNC-2A — quarter.thd", the
// file's name alone where nothing is designated yet.
std::string WindowMenuName(const std::string& designation, const std::string& fileName);
// The caption while the parameters were edited after the last Calculate, and
// the line the pages show meanwhile.
std::string OutOfDateCaption(const std::string& caption);
inline const char* const kOutOfDateNote =
    "Out of date: the parameters were changed after the last Calculate. Press Calculate to "
    "update.";
// Builds every page text in the given display unit. Refreshes designations and
// notes of the record, as showing them does. Without tips the tooltip grids stay
// empty: plcalc shows none, and a batch builds thousands of pages.
ResultPagesText BuildResultPages(TTInfo& rec, const std::string& fileName, bool metricDisplay,
                                 bool withTips = true);

// "Wire readings: standard formula" or "Wire readings: exact geometry": the
// line the pages and reports with readings over wires show under them.
std::string WireReadingsLine(const TTInfo& rec);
// The choice alone: "standard formula" or "exact geometry".
std::string WireReadingsChoice(const TTInfo& rec);

// "in" or "mm": the display unit as the status line shows it.
std::string UnitText(bool metricDisplay);
// "Dimensions in inches" or "Dimensions in millimetres".
std::string UnitTip(bool metricDisplay);
// What an abbreviated label of the pages stands for ("MOW", "X TOL",
// "Major Trunc", "Helix", "Standard L.O.E." ...); empty for a label that says it all.
std::string LabelTip(const std::string& label);
// Tooltips of a grid: each heading (row 0) explained with the display unit,
// each row label (column 0) explained; value cells have none.
TextGrid GridTips(const TextGrid& grid, bool metricDisplay);
