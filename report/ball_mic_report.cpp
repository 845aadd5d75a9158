#include "report/ball_mic_report.h"

#include "core/number_text.h"
#include "gauges/ball_mic.h"
#include "pages/ball_mic_page.h"
#include "report/print_preview.h"
#include "report/report_hooks.h"
#include "report/report_page.h"
#include "report/report_pdf.h"
#include "report/report_works.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QStringList>

#include <algorithm>

const QStringList& BallMicCheckList() {
    static const QStringList lines = {
        "_____  1. Verify contact ball size.",
        "_____  2. Verify distance from gage base to bottom of contact ball.",
        "_____  3. Inspect contact balls for signs of excess wear.",
        "_____  4. Check micrometer calibration.",
        "_____  5. Double check information at top of page for accuracy",
    };
    return lines;
}

bool PrintBallMicReport(TReportWorks& rpt, TReportJob& job) {
    job.kind = kReportBallMic;
    job.group = 0;
    job.title = "Ball Mic Calculation Report";
    if (job.ballMic == nullptr) return false;
    const TBallMic& bm = *job.ballMic;
    for (int copy = 0; copy < job.copies; ++copy) {
        rpt.BeginReport();
        PrintReportHeader(rpt, job.title);
        rpt.NewLine();
        SetColumnWidths(rpt, {3.5, 3.5});
        // As the thread reports' parameter table: room for the rules.
        rpt.SetCellPadding(0.015);
        rpt.SetTableGrid(true);
        rpt.BeginTable();
        for (const BallMicRow& row : BallMicInputRows(bm)) {
            rpt.BoldOn();
            rpt.PrintColumn(1, ReportText(row.label));
            rpt.PlainFont();
            rpt.PrintColumn(2, ReportText(row.value));
            rpt.NextRow();
        }
        rpt.EndTable();
        rpt.GotoXY(0, rpt.GetY() + 0.25);
        rpt.NewLine();
        rpt.NewLine();
        rpt.SetFont(kReportSerif, 18);
        rpt.PrintCenter("Ball Mic Setting Dimensions");
        rpt.NewLine();
        rpt.NewLine();
        rpt.PrintLeft("Set To Flat Standard: " + ReportText(Len4Text(bm.SetDim)));
        rpt.NewLine();
        rpt.PrintLeft("Dist. Over Ball: " + ReportText(Len4Text(bm.BallDis)));
        for (int i = 0; i < 9; ++i)
            rpt.NewLine();
        rpt.SetFont(kReportSerif, 12);
        rpt.PrintLeft("Ball Mic CheckList:");
        rpt.NewLine();
        rpt.NewLine();
        const QStringList& checks = BallMicCheckList();
        for (qsizetype i = 0; i < checks.size(); ++i) {
            rpt.PrintLeft(checks[i]);
            for (int n = i + 1 == checks.size() ? 3 : 2; n > 0; --n)
                rpt.NewLine();
        }
        PrintReportFooter(rpt);
        rpt.EndReport();
        if (rpt.JobFailed()) break;
    }
    return true;
}

bool WriteBallMicReportPdf(const TBallMic& bm, const QString& fileName, std::string* error) {
    return WriteEnginePdf(
        fileName,
        [&](TReportWorks& rpt) {
            TReportJob job;
            job.ballMic = &bm;
            return PrintBallMicReport(rpt, job);
        },
        error);
}

void PrintBallMic(QWidget* parent, const TBallMic& bm, bool previewMode) {
    RunReport(parent, previewMode, [&](TReportWorks& rpt, TReportJob& job) {
        job.ballMic = &bm;
        PrintBallMicReport(rpt, job);
        return true;
    });
}
