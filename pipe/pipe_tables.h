#pragma once
// The pipe thread tables, read by nominal pipe size (the exact size key in
// NomDia) from the table data directory. A size a file lacks leaves that
// file's values 0 (threads per inch 1.0); a file that cannot be read throws
// the table-file error, which ends the calculation.

#include <cstdint>

class TThdNPT;

// Reads the table files of the record's pipe kind: npt.bin, nptgage.bin and
// npttol.bin for NPT (a later file's outside diameter, threads per inch and
// increase per thread win), npsc.bin, nptr.bin, npsm.bin or npsl.bin for the
// others; nothing for any other code.
void ReadPipeTables(TThdNPT& pipe);

void ReadNPTTable(TThdNPT& pipe);
void ReadNPTGageTable(TThdNPT& pipe);
void ReadNPTTolTable(TThdNPT& pipe);
void ReadNPSCTable(TThdNPT& pipe);
void ReadNPTRTable(TThdNPT& pipe);
void ReadNPSMTable(TThdNPT& pipe);
void ReadNPSLTable(TThdNPT& pipe);

// Half-angle minutes of a table, truncated toward zero; throws
// std::range_error when the result does not fit 32 bits.
int32_t TruncatedMinutes(double minutes);
