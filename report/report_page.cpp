#include "report/report_page.h"

#include "core/settings.h"
#include "core/version.h"
#include "pages/result_pages.h"
#include "pages/thread_report_rows.h"
#include "report/report_works.h"

#include <QDateTime>
#include <QLocale>

QString ReportText(const std::string& text) {
    return QString::fromStdString(text);
}

void SetColumnWidths(TReportWorks& rpt, std::initializer_list<double> widths) {
    rpt.SetColumns(static_cast<int>(widths.size()));
    int column = 1;
    for (double w : widths)
        rpt.SetColumnWidth(column++, w);
}

void SetupReportPage(TReportWorks& rpt) {
    rpt.SetTitle("Pitch Ledger Report");
    // The layouts are drawn on Letter; on A4 they keep their inches, centred.
    rpt.SetLayoutPaper(8.5, 11);
    rpt.SetLeftMargin(0.5);
    rpt.SetRightMargin(1.0);
    rpt.SetTopMargin(0.6);
    rpt.SetBottomMargin(1.0);
    rpt.SetFont(kReportSerif, 12);
    rpt.SetTableHeader(false);
}

void PrintReportHeader(TReportWorks& rpt, const QString& title) {
    rpt.SetFont(kReportSerif, 24);
    rpt.PrintCenter("Orvalle Pitch Ledger");
    rpt.NewLine();
    rpt.SetFont(kReportSerif, 18);
    rpt.PrintCenter(title);
    rpt.NewLine();
    rpt.SetFont(kReportSerif, 14);
    rpt.PrintCenter(ReportText(Settings().CompanyName));
    rpt.NewLine();
    rpt.SetFont(kReportSerif, 12);
}

void PrintReportFooter(TReportWorks& rpt) {
    rpt.SetFont(kReportSerif, 9);
    rpt.PrintCenter(QStringLiteral("Pitch Ledger for Windows, ver ") + ProgramVersion());
    rpt.NewLine();
    const QString printed =
        QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("yyyy-MM-dd hh:mm"));
    rpt.PrintCenter("Printed " + printed + "  -  Tables: " + ReportText(Settings().TableDataPath));
}

namespace {

// Pixels a line of the font takes: its height and the space NewLine adds.
struct LineHeight {
    int text = 0;
    int step = 0;
};

LineHeight HeightOf(TReportWorks& rpt, double size) {
    rpt.SetFont(kReportSerif, size);
    const int h = rpt.TextHeight();
    return {h, h + h * 10 / 100};
}

} // namespace

void PrintClosingAndFooter(TReportWorks& rpt, int newLines, const std::function<void()>& closing) {
    const LineHeight body = HeightOf(rpt, 12);
    const LineHeight small = HeightOf(rpt, 9);
    rpt.SetFont(kReportSerif, 12);
    rpt.PlainFont();
    // From the line the footer follows: the footer on the next line, or after a blank one.
    const int footer = body.step + small.step + small.text;
    const int spaced = footer + body.step;
    const int bottom = rpt.MarginRect().bottom();
    if (rpt.GetY(true) + newLines * body.step + footer > bottom) {
        if (rpt.GetY(true) + spaced <= bottom) {
            rpt.NewLine();
            rpt.NewLine();
            PrintReportFooter(rpt);
        }
        rpt.NewPage();
        rpt.SetFont(kReportSerif, 12);
        rpt.PlainFont();
    }
    closing();
    rpt.NewLine();
    if (rpt.GetY(true) + footer <= bottom) rpt.NewLine(); // a blank line where it fits
    PrintReportFooter(rpt);
}

void PrintLabelTable(TReportWorks& rpt,
                     const std::vector<std::pair<std::string, std::string>>& rows) {
    SetColumnWidths(rpt, {3.5, 3.5});
    // More than the hundredth of an inch the layout once had, which rounds to
    // a pixel or none on the screen and lets the rules touch the letters.
    rpt.SetCellPadding(0.015);
    rpt.SetTableGrid(true);
    rpt.BeginTable();
    for (const auto& [label, value] : rows) {
        rpt.BoldOn();
        rpt.PrintColumn(1, ReportText(label));
        rpt.PlainFont();
        rpt.PrintColumn(2, ReportText(value));
        rpt.NextRow();
    }
    rpt.EndTable();
}

void PrintThreadInfo(TReportWorks& rpt, const TReportJob& job, const QString& title) {
    PrintReportHeader(rpt, title);
    // Beside the unit: the thread and gauge reports print readings over wires.
    const bool readings = job.kind == ReportKind::Thread || job.kind == ReportKind::Gauge;
    rpt.PrintCenter(ReportText(ReportUnitLine(*job.record, job.metricDisplay, readings)));
    rpt.NewLine();
    rpt.GotoXY(0, rpt.GetY() + 0.05);
    PrintLabelTable(rpt, ThreadInfoRows(*job.record, job.metricDisplay, job.settingDim != 0,
                                        job.internal != 0));
}

void PrintLimitsHeading(TReportWorks& rpt, const LimitsText& limits) {
    rpt.SetTableGrid(false);
    rpt.SetFont(kReportSerif, 12);
    rpt.BoldOn();
    if (limits.plated) {
        SetColumnWidths(rpt, {0.3, 2.95, 1.0, 3.0});
        rpt.BeginTable();
        rpt.PrintColumn(2, ReportText(limits.internal));
        rpt.PrintColumn(4, ReportText(limits.external));
        rpt.NextRow();
    } else {
        SetColumnWidths(rpt, {3.25, 0.75, 3.25});
        rpt.SetColumnAlign(1, kAlignCenter);
        rpt.SetColumnAlign(3, kAlignCenter);
        rpt.BeginTable();
        rpt.PrintColumn(1, "INTERNAL");
        rpt.PrintColumn(3, "EXTERNAL");
        rpt.NextRow();
        rpt.PrintColumn(1, ReportText(limits.internal));
        rpt.PrintColumn(3, ReportText(limits.external));
        rpt.NextRow();
    }
    rpt.EndTable();
    rpt.NewLine();
}

void PrintLimitsTable(TReportWorks& rpt, const LimitsText& limits) {
    rpt.SetTableGrid(false);
    SetColumnWidths(rpt, {2.5, 1.0, 0.375, 2.5, 1.0});
    rpt.SetColumnAlign(2, kAlignCenter);
    rpt.SetColumnAlign(5, kAlignCenter);
    rpt.SetCellPadding(0.01);
    rpt.SetFont(kReportSerif, 12);
    rpt.PlainFont();
    rpt.BeginTable();
    for (const LimitsRowText& row : limits.rows) {
        rpt.PrintColumn(1, ReportText(row.intLabel));
        rpt.PrintColumn(2, ReportText(row.intValue));
        rpt.PrintColumn(4, ReportText(row.extLabel));
        rpt.PrintColumn(5, ReportText(row.extValue));
        rpt.NextRow();
    }
    rpt.EndTable();
}
