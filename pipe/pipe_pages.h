#pragma once
// What the pipe pages of a thread window show, as texts: the dimension grid of
// the "Thread Dim." page for every pipe kind and, for NPT, the "NPT Gages" and
// "NPT Tolerances" grids. Shown unchanged by the window, plcalc and the
// clipboard. Pipe values are always inches.

#include <string>
#include <vector>

class TTInfo;

using PipeGrid = std::vector<std::vector<std::string>>;

// The drawing beside a pipe grid.
enum class PipeDrawing {
    None,
    ThreadDims, // NPT taper thread in a fitting (L1 ... L5, E0 ... E5, D)
    Tols,       // NPT plug and ring gauges: basic, one turn large, one turn small
    Gages,      // NPTR railing-joint thread and its gauge in a recessed fitting
};

struct PipePagesText {
    std::string caption; // the designation: window caption and title line
    PipeGrid thread;     // "Thread Dim." grid; row 0 headings, column 0 captions
    PipeDrawing threadDrawing = PipeDrawing::None;
    PipeGrid gages; // NPT only ("NPT Gages"); empty otherwise
    PipeGrid tols;  // NPT only ("NPT Tolerances"); empty otherwise
    // Why a grid shows "  N/A": the one line each page shows under its grid;
    // empty where the tables gave every value.
    std::string threadNote, gagesNote, tolsNote;
};

// The notes of the three pages, shared with the reports: the table that holds
// a page's values has no row for the size ("no NPSL dimension table for this
// size — see Help › Tables") or none at all ("the NPTR dimension table has no
// rows — ..."), or, for NPT's gauges, leaves some of its cells empty.
std::string PipeThreadNote(const TTInfo& rec);
std::string PipeGagesNote(const TTInfo& rec);
std::string PipeTolsNote(const TTInfo& rec);

// The pages of a calculated pipe thread (a record of type 13 with its pipe
// record); every grid empty for a kind outside NPT ... NPSL.
PipePagesText BuildPipePages(const TTInfo& rec);
