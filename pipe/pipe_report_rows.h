#pragma once
// What the four pipe thread reports print, as texts: the designation, the
// title lines and the ruled table of each, row by row, with the tabs, the
// labels that span several rows and the column edges. The report layer only
// lays them out. Pipe values are always inches.

#include "pipe/pipe_pages.h"

#include <cstdint>
#include <string>
#include <vector>

class TTInfo;

// The four reports: basic dimensions of NPT, its plug and ring gauges, the
// tolerances of its working gauges, and the other kinds' dimensions.
enum PipeReportGroup : int {
    kPipeReportNone = 0,
    kPipeReportDims = 1,
    kPipeReportGauges = 2,
    kPipeReportTols = 3,
    kPipeReportStraight = 4,
};

// A piece of a label: plain text, a raised footnote reference, or a
// two-character symbol printed as "(E" with the "0" lowered and ")".
struct PipeLabelPart {
    enum Kind : uint8_t { Text, NoteRef, Symbol };
    Kind kind = Text;
    std::string text;
};
using PipeLabel = std::vector<PipeLabelPart>;

// Tab stops: inches from the left margin; alignment 0 left, 1 right, 2 centre.
struct PipeReportTab {
    double at = 0;
    uint8_t align = 0;
};

// A bold label on a row's line at a tab; `edge`, when above 0, is the column
// edge its cell begins at (a vertical rule beside that row).
struct PipeReportCell {
    int tab = 1; // 1-based
    PipeLabel label;
    double edge = 0;
};

struct PipeReportRow {
    std::vector<PipeReportCell> labels;
    std::string value; // plain, at the value tab
};

// A group label or sub-label printed once for consecutive rows, half-way
// between the rules above the first and below the last; its cell ends at `right`.
struct PipeReportSpan {
    int first = 0, last = 0; // row indexes
    int tab = 1;
    double right = 0;
    std::vector<PipeLabel> lines;
};

struct PipeReportTable {
    std::vector<PipeReportTab> tabs;
    int valueTab = 1;
    double width = 0;     // inches from the left margin
    double valueEdge = 0; // where the value column begins
    std::vector<PipeReportRow> rows;
    std::vector<PipeReportSpan> spans;
};

struct PipeReportLayout {
    PipeReportGroup group = kPipeReportNone;
    std::string designation;
    std::vector<PipeLabel> title;
    PipeReportTable table;
    // The note: NPT's three reports put it `noteGap` below the last rule at
    // `noteX`, the other kinds two lines below it at the margin; the picture
    // follows on the next line at `pictureX`.
    bool noteAfterBlankLines = false;
    double noteX = 0, noteGap = 0;
    PipeDrawing picture = PipeDrawing::None;
    double pictureX = 0;
    // Why values are missing, printed under the table (the page's note). A
    // table without a row for the size keeps only the rows that have a value.
    std::string missing;
};

inline const char* const kPipeReportNote =
    "See Help files for super/subscript reference definitions";

// The report `group` prints for the record: group 1 of a kind other than NPT
// gives the straight report, and groups 2 and 3 exist for NPT only (group
// kPipeReportNone otherwise, as for a record without a pipe record).
PipeReportLayout BuildPipeReport(const TTInfo& rec, PipeReportGroup group);

// Where the rule under row `row` starts: at the edge of the innermost label
// that goes on below it, or at the table's left edge (0).
double RuleStart(const PipeReportTable& table, int row);
// The column edges beside row `row`, left to right, without the table's
// outer edges.
std::vector<double> RowEdges(const PipeReportTable& table, int row);
