#pragma once
// A pipe thread in plcalc's output: its designation and pipe pages (always
// inches) as text, JSON or CSV.

#include <iosfwd>

class TTInfo;
struct PipePagesText;

void PrintPipeText(const PipePagesText& pages, std::ostream& out);
void PrintPipeJson(const TTInfo& rec, const PipePagesText& pages, std::ostream& out);
void PrintPipeCsv(const PipePagesText& pages, std::ostream& out);
