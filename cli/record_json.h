#pragma once
// The members and record fields every calculation's JSON has, after its pages.

class JsonWriter;
class TTInfo;

// The version of plcalc's JSON (cli/plcalc-output.schema.json): raised when a
// key changes its meaning or goes.
constexpr int kJsonSchemaVersion = 2;

// The keys "schema" and "unit" that open every JSON document; unit is that of
// its page texts.
void DocumentHead(JsonWriter& j, const char* unit);

// "in", or "mm" for the types that hold millimetres: the unit of the record's
// lengths, whatever the display unit.
const char* RecordUnit(const TTInfo& rec);

// The keys "members" and "record" and their objects, each with its unit;
// values a member does not have are null. setDim: a record of the Set Dim
// tool, which holds an entered pitch diameter and what the form step works
// out from it.
void RecordJson(JsonWriter& j, const TTInfo& rec, bool setDim = false);
