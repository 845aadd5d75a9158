#pragma once
// Which values a pipe thread's tables fill, by its kind and the tables that
// held its size: a value they do not fill does not apply to the kind, and the
// JSON says so with null rather than a 0.

#include <string_view>

class TThdNPT;

enum class PipeDia { PD, Major, Minor };

// A limit of a member ("ExtThd", "GoPlug"...): "Max", "Min" or "Gage".
bool PipeMemberFills(const TThdNPT& pipe, std::string_view member, PipeDia dia,
                     std::string_view value);
// A value of the pipe record itself ("PipeOD", "E1", "Standoff"...).
bool PipeRecordFills(const TThdNPT& pipe, std::string_view value);
