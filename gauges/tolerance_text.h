#pragma once
// Gauge-maker's tolerance texts (class X or class W) shown beside each gauge size.

#include <string>
#include <vector>

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
// True when the record's class X set has a value: what a setting plug shown
// with class W could take instead.
bool ClassXTolsFound(const TTInfo& rec);
// The same for the class W set.
bool ClassWTolsFound(const TTInfo& rec);
// The tolerances of the set in use that its table leaves empty, as their texts
// show "  N/A": "pitch diameter", "major/minor diameter", "lead", "half-angle".
std::vector<std::string> MissingGaugeTols(const TThdInfo& member);
// Shown once, instead of a column of bare "N/A", where GaugeTolsFound is false.
inline const char* const kNoGaugeTolNote =
    "no gauge tolerance table for this thread \xE2\x80\x94 see Help \xE2\x80\xBA Tables";
// The same for a setting plug shown with class W where class X has a row.
inline const char* const kNoClassWTolNote =
    "no class W gauge tolerance table for this thread; class X has one \xE2\x80\x94 see Help "
    "\xE2\x80\xBA Tables";

// The plus-minus sign of the tolerance texts (UTF-8 here).
inline const char* const kPlusMinus = "\xC2\xB1";
