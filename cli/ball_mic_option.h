#pragma once
// plcalc --ballmic: the ball micrometer's setting dimension from options or
// a .bm file, as text, JSON or the ball micrometer report.

#include <iosfwd>
#include <string>
#include <vector>

bool IsBallMicRun(const std::vector<std::string>& args);
int RunBallMicCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
