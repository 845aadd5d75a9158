#pragma once
// Texts every pipe page, report and plcalc output share.

#include <cstdint>
#include <string>

class TThdNPT;

// "NPT", "NPSC", "NPTR", "NPSM", "NPSL"; empty for any other code.
std::string PipeKindText(uint16_t classCode);
// Threads per inch as the pipe tables print them: one decimal when the whole
// part is 11 (11.5), else the whole number (14).
std::string PipeTPIText(double tpi);
// "1 1/4 - 11.5 NPT": size, threads per inch, kind; "4 NPT" while no table
// has given the threads per inch.
std::string PipeDesignation(const TThdNPT& pipe);
