#pragma once
// Numbers in thread and ball micrometer files: the FloatText form, with more
// decimals only where six would not bring the same value back.

#include <string>

// FloatText when reading it back gives `value` again, else the shortest
// fixed-point text that does ("+0.2997495", "+0.0000001").
std::string StoredNumberText(double value);
// The same for a value the record keeps as a float: the text needs only to
// come back as that float.
std::string StoredNumberText(float value);
