#pragma once
// The "ISO 1502 Gauges" page: the ISO 1502 screw plugs and rings of an M
// thread with their wear limits, as texts for the window, plcalc's text, CSV
// and JSON output and the report. Always in millimetres, the unit of the
// standard and of the gauges ordered to it.

#include "gauges/iso1502.h"

#include <string>
#include <vector>

class TTInfo;
using TextGrid = std::vector<std::vector<std::string>>;

// One value of the JSON object "iso1502": its key path ("GoPlug/PD/Max") and
// its text as the page shows it, a number or a string.
struct Iso1502JsonField {
    std::string path;
    std::string text;
    bool number = true;
};

struct Iso1502PageText {
    std::string caption; // "ISO 1502 Gauges"
    // One line shown instead of everything else when there are no gauges (not
    // an M thread, no usable table); empty otherwise.
    std::string note;
    TextGrid grid; // row 0: "", "GO Plug", "NOT GO Plug", "GO Ring", "NOT GO Ring"
    TextGrid tips; // tooltips of the grid's headings and labels
    // Under the grid: the band of the table each side uses (or why it has
    // none), what a blank cell means, the plating note.
    std::vector<std::string> lines;
    std::string unit; // "Dimensions in millimetres"
    std::vector<Iso1502JsonField> json;
    Iso1502Gauges gauges; // the values behind the texts
};

inline const char* const kIso1502Caption = "ISO 1502 Gauges";

// M and MJ threads get the page; an MJ thread's says that ISO 1502 is for M.
bool HasIso1502Page(const TTInfo& rec);
// A page of another thread holds the note alone.
Iso1502PageText BuildIso1502Page(const TTInfo& rec, bool withTips = true);
// A gauge value as the page shows it: millimetres to 0.0001 mm.
std::string Iso1502Text(double mm);
