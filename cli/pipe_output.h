#pragma once
// A pipe thread in plcalc's output: its designation and pipe pages (always
// inches) as text, JSON or CSV.

#include "cli/thread_output.h"

#include <iosfwd>
#include <vector>

class TTInfo;
struct FieldNode;
struct PipePagesText;

void PrintPipeText(const PipePagesText& pages, std::ostream& out);
// With fields, only what they ask for.
void PrintPipeJson(const TTInfo& rec, const PipePagesText& pages, std::ostream& out,
                   const FieldNode* fields = nullptr);
void PrintPipeCsv(const PipePagesText& pages, std::ostream& out);
// Its pages for --page: thread, npt-gages, npt-tols (NPT only).
std::vector<NamedCsvPage> PipeCsvPages(const PipePagesText& pages);
