#pragma once
// A ball micrometer calculation in plcalc's output: its inputs and the
// setting page, as text or JSON.

#include <iosfwd>
#include <string>

class TBallMic;

void PrintBallMicText(const std::string& caption, const TBallMic& bm, std::ostream& out);
void PrintBallMicJson(const std::string& caption, const TBallMic& bm, std::ostream& out);
