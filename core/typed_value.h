#pragma once
// Typed numbers the program could not read: a stricter reading for boxes that
// also take degrees, and the hint its messages give.

#include <string>

// A decimal, or degrees-minutes-seconds of whole numbers joined by dashes;
// false for anything else (TextToFloat would read it as 0).
bool ParseNumberOrAngle(const std::string& text, double& value);
// Said after the message of a value that could not be read: " (use a decimal
// point)" when the text holds a comma, else nothing.
std::string DecimalPointHint(const std::string& text);
