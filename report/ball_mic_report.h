#pragma once
// "Ball Mic Calculation Report": the inputs and results of a ball
// micrometer calculation with the operator's check list.

#include <QStringList>

class TBallMic;
class TReportWorks;

// One copy; PrintReport runs it.
void PrintBallMicReport(TReportWorks& rpt, const TBallMic& bm);
// The check list the operator ticks off.
const QStringList& BallMicCheckList();
