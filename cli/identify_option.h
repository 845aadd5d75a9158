#pragma once
// plcalc --identify: the standard threads a measured diameter and pitch fit,
// closest first, as text or JSON.

#include <iosfwd>
#include <string>
#include <vector>

bool IsIdentifyRun(const std::vector<std::string>& args);
int RunIdentifyCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
