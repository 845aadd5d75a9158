#pragma once
// The members and record fields every calculation's JSON has, after its pages.

class JsonWriter;
class TTInfo;

// The keys "members" and "record" and their objects.
void RecordJson(JsonWriter& j, const TTInfo& rec);
