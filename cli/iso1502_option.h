#pragma once
// plcalc's ISO 1502 output: the text block of the "ISO 1502 Gauges" page, its
// JSON object "iso1502" and the JSON of a measured ISO 1502 plug, all from the
// texts the pages built.

#include <iosfwd>

class JsonWriter;
struct InspectPageText;
struct Iso1502PageText;

void PrintIso1502Text(const Iso1502PageText& page, std::ostream& out);
// The key "iso1502" and its object.
void Iso1502Json(JsonWriter& j, const Iso1502PageText& page);
// The fields of the "inspection" object of a measured plug.
void GaugeInspectionJson(JsonWriter& j, const InspectPageText& page);
