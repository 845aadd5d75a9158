#pragma once
// Printing a calculated record: aligned text pages or one JSON object.

#include <iosfwd>

class TTInfo;
struct ResultPagesText;

void PrintPagesText(const ResultPagesText& pages, std::ostream& out);
void PrintPagesJson(const TTInfo& rec, const ResultPagesText& pages, std::ostream& out);
