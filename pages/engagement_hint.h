#pragma once
// The standard length of engagement the Parameters page will calculate with,
// shown beside the "Standard L.O.E." option while the thread is typed.

#include <string>

struct ParameterEntry;

// "0.4500 in" for the thread the entry names so far, in the display unit
// (millimetres with one decimal fewer); empty while it names no thread the
// program can calculate (no diameter or pitch yet, a family not in this build,
// tables that cannot be read).
std::string StandardEngagementText(const ParameterEntry& entry, bool metricDisplay);
