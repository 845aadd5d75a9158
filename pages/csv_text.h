#pragma once
// Grids of the pages as comma-separated values (RFC 4180): fields with a
// comma, quote or line break in double quotes, quotes doubled, CRLF line ends.
// The cells are the page texts as shown; nothing is formatted here.

#include <string>
#include <utility>
#include <vector>

struct GaugePageText;
struct ResultPagesText;
class TTInfo;
using TextGrid = std::vector<std::vector<std::string>>;

std::string CsvField(const std::string& text);
// One line per row, each ended by CRLF.
std::string CsvGrid(const TextGrid& grid);

// The grid a gauge page shows: without its tolerance columns where it has no
// tolerance set.
TextGrid VisibleGaugeGrid(const GaugePageText& page);

// A page as Edit | Copy Page as CSV puts it on the clipboard for a
// spreadsheet: a first row naming the thread and the unit, the grids with each
// cell stripped of the blanks that align it on screen (an empty line between
// grids), and the page's notes as a last row, empty notes left out. plcalc
// writes CsvGrid, the cells as shown; its --page leaves out the first row, so
// that the header row comes first.
struct CsvPage {
    std::string thread; // the designation
    std::string unit;   // "in" or "mm"
    std::vector<TextGrid> grids;
    std::vector<std::string> notes;
    bool heading = true; // the row naming the thread and the unit
};
std::string PageCsv(const CsvPage& page);

// A result page with its notes: the thread page (the members' notes and the
// wire-readings line; with the tap drill grid and its error as the window
// shows them together, or without), the tap drills alone, or a gauge page.
enum class ResultCsv { ThreadAndDrills, Thread, Drills, Ring, SetPlug, Plug };
CsvPage ResultCsvPage(const TTInfo& rec, const ResultPagesText& pages, ResultCsv page);

// Named grids as blocks: the name on a line of its own, the grid (its row 0
// the header row), and an empty line between blocks. Empty grids are left out.
std::string CsvBlocks(const std::vector<std::pair<std::string, TextGrid>>& pages);
