#pragma once
// The thread entry of the command line: the options set up the record as the
// thread window's page does, with the window's messages.

#include "cli/options.h"

#include <cstdint>
#include <optional>
#include <string>

class TTInfo;
struct ParameterEntry;

struct EntryFailure {
    int code; // exit code
    std::string message;
};

// Sets up rec from the options; the command line also refuses values the
// window's lists cannot produce. `note` gets what the window would say on
// the side (an engagement group that changed the tolerance class); `entry`,
// when given, the page's entry as the options filled it.
std::optional<EntryFailure> SetUpFromOptions(const ParsedOptions& o, TTInfo& rec, std::string& note,
                                             ParameterEntry* entry = nullptr);

// Why the thread --thread names is not the calculated rec: a series its
// numbers do not have ("1/4-28 is UNF, not UNC"). Empty without --thread, or
// when rec is refused (its refusal says more).
std::string DesignationRefusal(const ParsedOptions& o, const TTInfo& rec);

// A special point diameter: the window's entry rules and messages. Returns
// the message of a refused entry, empty when the point was taken.
std::string EnterPointDia(TTInfo& rec, const std::string& text);
