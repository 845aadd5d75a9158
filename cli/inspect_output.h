#pragma once
// The inspection of measured readings in plcalc's output: its text block and
// its JSON object, of a product thread or of an ISO 1502 plug.

#include <iosfwd>

class JsonWriter;
struct InspectPageText;

// The "Inspect" block of the text output: its grid and the verdict line.
void PrintInspectText(const InspectPageText& page, std::ostream& out);
// The key "inspection" and its object; unit that of the thread's record (a
// measured ISO 1502 plug is millimetres).
void InspectionJson(JsonWriter& j, const InspectPageText& page, const char* unit);
