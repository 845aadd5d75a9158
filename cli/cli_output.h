#pragma once
// Printing a calculated record: aligned text pages or one JSON object.

#include <iosfwd>
#include <string>

class TBallMic;
class TTInfo;
struct ResultPagesText;
struct PipePagesText;

void PrintPagesText(const ResultPagesText& pages, std::ostream& out);
void PrintPagesJson(const TTInfo& rec, const ResultPagesText& pages, std::ostream& out);
// A pipe thread: its designation and pipe pages (always inches).
void PrintPipeText(const PipePagesText& pages, std::ostream& out);
void PrintPipeJson(const TTInfo& rec, const PipePagesText& pages, std::ostream& out);
// A ball micrometer calculation: its inputs and the setting page.
void PrintBallMicText(const std::string& caption, const TBallMic& bm, std::ostream& out);
void PrintBallMicJson(const std::string& caption, const TBallMic& bm, std::ostream& out);
