// The certificate lays out the Calibrate page's texts: who and what, the
// measured values, the budget, U and k with their rule, the verdict, the
// decision rule and the signature lines.
#include "report/certificate_report.h"

#include "pages/calibration_page.h"
#include "pages/result_pages.h"
#include "report/report_page.h"
#include "report/report_works.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

Rows PairsOf(const TextGrid& grid) {
    Rows rows;
    for (const auto& row : grid)
        rows.emplace_back(row.at(0), row.size() > 1 ? row[1] : std::string());
    return rows;
}

void Heading(TReportWorks& rpt, const char* text) {
    rpt.GotoXY(0, rpt.GetY() + 0.08);
    rpt.SetFont(kReportSerif, 11);
    rpt.BoldOn();
    rpt.PrintLeft(text);
    rpt.NewLine();
    rpt.SetFont(kReportSerif, 10);
    rpt.PlainFont();
}

// Lines as wide as the page, broken where they must be.
void Paragraphs(TReportWorks& rpt, const std::vector<std::string>& lines, bool bold) {
    rpt.SetTableGrid(false);
    SetColumnWidths(rpt, {7.0});
    rpt.SetCellPadding(0.015);
    rpt.BeginTable();
    for (const std::string& line : lines) {
        if (bold)
            rpt.BoldOn();
        else
            rpt.PlainFont();
        rpt.PrintColumn(1, ReportText(line));
        rpt.NextRow();
    }
    rpt.EndTable();
    rpt.PlainFont();
}

void Budget(TReportWorks& rpt, const TextGrid& budget) {
    rpt.SetTableGrid(true);
    SetColumnWidths(rpt, {2.4, 0.95, 0.95, 0.95, 0.95, 0.8});
    for (int c = 2; c <= 6; ++c)
        rpt.SetColumnAlign(c, kAlignRight);
    rpt.SetCellPadding(0.03);
    rpt.BeginTable();
    for (std::size_t r = 0; r < budget.size(); ++r) {
        for (std::size_t c = 0; c < budget[r].size(); ++c) {
            if (r == 0)
                rpt.BoldOn();
            else
                rpt.PlainFont();
            rpt.PrintColumn(static_cast<int>(c) + 1, ReportText(budget[r][c]));
        }
        rpt.NextRow();
    }
    rpt.EndTable();
    rpt.PlainFont();
}

} // namespace

bool PrintCertificate(TReportWorks& rpt, const TTInfo& rec, const CalibrationEntry& entry,
                      bool metricDisplay) {
    const CalibrationPageText page = BuildCalibrationPage(rec, entry, metricDisplay);
    if (!page.message.empty()) return false;
    rpt.BeginReport();
    PrintReportHeader(rpt, "Calibration Certificate");
    rpt.PrintCenter(ReportText(UnitTip(metricDisplay)));
    rpt.NewLine();
    rpt.SetFont(kReportSerif, 10);
    rpt.GotoXY(0, rpt.GetY() + 0.05);
    PrintLabelTable(rpt, PairsOf(page.certificate));

    Heading(rpt, "Uncertainty budget");
    Budget(rpt, page.budget);
    rpt.GotoXY(0, rpt.GetY() + 0.05);
    PrintLabelTable(rpt, PairsOf(page.summary));
    Paragraphs(rpt, {page.kRule}, false);

    Heading(rpt, "Verdict");
    Paragraphs(rpt, page.verdict, true);
    Paragraphs(rpt, {page.decisionRule}, false);

    rpt.GotoXY(0, rpt.GetY() + 0.3);
    rpt.SetFont(kReportSerif, 11);
    for (const std::string& line : page.signatures) {
        rpt.PrintLeft(ReportText(line));
        rpt.NewLine();
        rpt.NewLine();
    }
    PrintReportFooter(rpt);
    rpt.EndReport();
    return true;
}
