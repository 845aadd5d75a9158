#pragma once
// Gauge-maker's tolerance texts (class X or class W) shown beside each gauge size.

#include <string>

class TThdInfo;
class TTInfo;

// True when the class W set applies to the member (record flag and member flag).
bool ClassWApplies(const TThdInfo& member);
std::string PDTolText(const TThdInfo& member);
// mode 1: full major, 2: truncated major, 3: minor.
std::string DiaTolText(const TThdInfo& member, int mode);
std::string LeadTolText(const TThdInfo& member);
std::string HalfAngleTolText(const TThdInfo& member);
std::string TolClassText(const TThdInfo& member);

// False when the gauge tolerance set that applies to the member (class W or X)
// has no value at all: the tables hold no row for this thread.
bool GaugeTolsFound(const TThdInfo& member);
// False when any gauge shown on the gauge pages lacks its tolerance set.
bool GaugeTolsFound(const TTInfo& rec);
// Shown once, instead of a column of bare "N/A", where GaugeTolsFound is false.
inline const char* const kNoGaugeTolNote =
    "no gauge tolerance table for this thread \xE2\x80\x94 see Help \xE2\x80\xBA Tables";

// The plus-minus sign of the tolerance texts (UTF-8 here).
inline const char* const kPlusMinus = "\xC2\xB1";
