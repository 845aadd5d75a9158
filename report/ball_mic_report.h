#pragma once
// "Ball Mic Calculation Report": the inputs and results of a ball
// micrometer calculation with the operator's check list.

#include <QString>

#include <string>

class TBallMic;
class QWidget;
class TReportWorks;
struct TReportJob;

// Kind kReportBallMic of the job's ball micrometer, one print job per copy;
// false when the job has none.
bool PrintBallMicReport(TReportWorks& rpt, TReportJob& job);
// The report on Letter paper, portrait, as plcalc writes it. Needs a
// QGuiApplication; false when the file cannot be written.
bool WriteBallMicReportPdf(const TBallMic& bm, const QString& fileName,
                           std::string* error = nullptr);
// The print command of a window in ball micrometer mode: printed after the
// print dialog, or shown in the preview.
void PrintBallMic(QWidget* parent, const TBallMic& bm, bool previewMode);
// The check list the operator ticks off.
const QStringList& BallMicCheckList();
