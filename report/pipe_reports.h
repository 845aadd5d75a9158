#pragma once
// The four pipe thread reports (ReportKind::Pipe): basic dimensions of NPT
// (group 1, which prints the straight report for the other kinds), NPT plug
// and ring gauges (2), tolerances of working NPT gauges (3), NPSC, NPTR, NPSM
// and NPSL dimensions (4).

#include "pipe/pipe_report_rows.h"
#include "report/report_page.h"

#include <QString>

class TReportWorks;

// The group the job's record prints for the job's group (a straight kind
// prints its straight report for the dimensions report); kPipeReportNone when
// it has none (no pipe record, NPT's gauge reports of another kind).
PipeReportGroup PipeReportOfJob(const TReportJob& job);
// One copy of the report of the job's group, which PipeReportOfJob has checked.
void PrintPipeReport(TReportWorks& rpt, const TReportJob& job);

// A footnote reference raised above the line in 8-point type.
void PrintNoteRef(TReportWorks& rpt, const QString& text);
// A two-character symbol as "(E" with the second character lowered and ")".
void PrintSubSymbol(TReportWorks& rpt, const QString& symbol);

// The pipe report a page of a pipe thread's window prints: 1 for
// "Parameters" and "Thread Dim.", 2 for "NPT Gages", 3 for "NPT Tolerances",
// 0 for any other page.
int PipeReportOfPage(const QString& pageCaption);

// Reads the picture files from `dir` instead of beside the program or in the
// installed data folder; an empty text puts that search back.
void SetPipePictureDir(const QString& dir);
