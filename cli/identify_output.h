#pragma once
// plcalc --identify's output: the measured part and the threads it fits, as
// text or JSON.

#include "cli/text_grid.h"

#include <iosfwd>
#include <vector>

struct IdentifyQuery;
struct IdentifyMatch;

void PrintIdentifyText(const IdentifyQuery& query, const std::vector<IdentifyMatch>& matches,
                       const TextGrid& grid, bool metricDisplay, std::ostream& out);
void PrintIdentifyJson(const IdentifyQuery& query, const std::vector<IdentifyMatch>& matches,
                       const TextGrid& grid, bool metricDisplay, std::ostream& out);
