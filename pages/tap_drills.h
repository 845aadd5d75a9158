#pragma once
// Tap drills of an internal unified (UN, UNR, UNJ) or metric (M, MJ) thread:
// the drills of drills.bin that fall within the internal minor-diameter limits,
// each with its percentage of thread, and the recommended one.

#include <string>
#include <vector>

class TTInfo;
using TextGrid = std::vector<std::vector<std::string>>;

struct TapDrill {
    std::string name;    // "#7", "13/64", "F", "8.5"; metric sizes in mm
    double diameter = 0; // in the thread's units (inches; mm for M and MJ)
    double percentThread = 0;
    bool recommended = false;
};

// Whether the thread has tap drill rows at all.
bool HasTapDrills(const TTInfo& rec);
// The drills in order of diameter; empty for other threads or when none fits.
// Reads drills.bin from the table data path (TableError when it can not).
std::vector<TapDrill> TapDrills(const TTInfo& rec);
// Percentage of thread of a drill: (D - drill) / (2 x 0.649519 P) x 100, D the
// basic major diameter. 0.649519 P is 3H/4 of the 60-degree fundamental
// triangle (H = 0.866025 P), the depth machinists count 100 % of thread from.
double PercentOfThread(double basicMajor, double pitch, double drill);

// The "Tap Drills" block of the Thread Dim. page in the display unit: headings
// and one row per drill; a one-line note in place of the rows when no drill
// fits or the drill table can not be read. Empty when the thread has none.
// The drills found go to `found` (empty when the table can not be read), so
// other outputs of the page need not look them up again; why the table could
// not be read goes to `error` (emptied when it was).
TextGrid TapDrillGrid(const TTInfo& rec, bool metricDisplay, std::vector<TapDrill>* found = nullptr,
                      std::string* error = nullptr);
