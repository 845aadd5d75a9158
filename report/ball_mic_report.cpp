#include "report/ball_mic_report.h"

#include "pages/ball_mic_page.h"
#include "report/report_page.h"
#include "report/report_works.h"

#include <string>
#include <utility>
#include <vector>

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

void PrintBallMicReport(TReportWorks& rpt, const TBallMic& bm) {
    const BallMicPageText page = BuildBallMicPage(bm);
    std::vector<std::pair<std::string, std::string>> inputs;
    for (const BallMicRow& row : BallMicInputRows(bm))
        inputs.emplace_back(row.label, row.shown);
    rpt.BeginReport();
    PrintReportHeader(rpt, "Ball Mic Calculation Report");
    rpt.NewLine();
    PrintLabelTable(rpt, inputs);
    rpt.GotoXY(0, rpt.GetY() + 0.25);
    rpt.NewLine();
    rpt.NewLine();
    rpt.SetFont(kReportSerif, 18);
    rpt.PrintCenter("Ball Mic Setting Dimensions");
    rpt.NewLine();
    rpt.NewLine();
    rpt.PrintLeft("Set To Flat Standard: " + ReportText(page.setFlatShown));
    rpt.NewLine();
    rpt.PrintLeft(ReportText(page.setVCaption + " " + page.setVShown));
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
}
