#pragma once
// plcalc's ISO 1502 output: the text block of the "ISO 1502 Gauges" page and
// its JSON object "iso1502", from the texts the pages built.

#include <iosfwd>

class JsonWriter;
struct Iso1502PageText;

void PrintIso1502Text(const Iso1502PageText& page, std::ostream& out);
// The key "iso1502" and its object.
void Iso1502Json(JsonWriter& j, const Iso1502PageText& page);
