#pragma once
// The blocks every report shares: the page set-up, the header, the parameter
// block, the product limits, label/value tables and the footer.

#include "report/report_kinds.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class TReportWorks;
class TTInfo;
struct LimitsText;

inline const char* const kReportSerif = "Times New Roman";

void SetupReportPage(TReportWorks& rpt);
void PrintReportHeader(TReportWorks& rpt, const QString& title);
// Two centred lines: the program and its version, then when and from which tables.
void PrintReportFooter(TReportWorks& rpt);
// The last lines of a report (`closing`, printing on the current line and
// moving down `newLines` lines of the 12-point body font) and then the footer,
// after a blank line where it fits; on a new page when they would run past the
// bottom margin, this page then closed by its footer where that still fits. A
// footer drawn past the margin can fall off the paper.
void PrintClosingAndFooter(TReportWorks& rpt, int newLines, const std::function<void()>& closing);
// The header, the unit of every dimension and the ruled parameter table.
void PrintThreadInfo(TReportWorks& rpt, const TReportJob& job, const QString& title);
// A ruled table of two columns, the labels bold and the values plain.
void PrintLabelTable(TReportWorks& rpt,
                     const std::vector<std::pair<std::string, std::string>>& rows);
// "INTERNAL" / "EXTERNAL" and the designations (or the plated notes) over the limits.
void PrintLimitsHeading(TReportWorks& rpt, const LimitsText& limits);
// The limits of both product threads side by side.
void PrintLimitsTable(TReportWorks& rpt, const LimitsText& limits);

QString ReportText(const std::string& text);
// Columns of the given widths, inches.
void SetColumnWidths(TReportWorks& rpt, std::initializer_list<double> widths);
