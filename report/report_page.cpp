#include "report/report_page.h"

#include "core/number_text.h"
#include "core/settings.h"
#include "core/thread_record.h"
#include "core/version.h"
#include "gauges/wires.h"
#include "report/report_works.h"

#include <QDateTime>
#include <QLocale>

namespace {

// One row of a two-column label/value table: the label bold, the value plain.
void InfoRow(TReportWorks& rpt, const QString& label, const QString& value)
{
    rpt.BoldOn();
    rpt.PrintColumn(1, label);
    rpt.PlainFont();
    rpt.PrintColumn(2, value);
    rpt.NextRow();
}

} // namespace

QString ReportText(const std::string& text)
{
    return QString::fromStdString(text);
}

QString ReportDim(const TThdInfo& m, int decimals, double value)
{
    return ReportText(DimText(m, decimals, value));
}

void SetColumnWidths(TReportWorks& rpt, std::initializer_list<double> widths)
{
    rpt.SetColumns(static_cast<int>(widths.size()));
    int column = 1;
    for (double w : widths) rpt.SetColumnWidth(column++, w);
}

QString DimensionsLine(bool metricDisplay)
{
    return metricDisplay ? "Dimensions in millimetres" : "Dimensions in inches";
}

void SetupReportPage(TReportWorks& rpt)
{
    rpt.SetTitle("Pitch Ledger Report");
    rpt.SetLeftMargin(0.5);
    rpt.SetRightMargin(1.0);
    rpt.SetTopMargin(0.6);
    rpt.SetBottomMargin(1.0);
    rpt.SetFont(kReportSerif, 12);
    rpt.SetTableHeader(false);
}

void PrintReportHeader(TReportWorks& rpt, const QString& title)
{
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

void PrintReportFooter(TReportWorks& rpt)
{
    rpt.SetFont(kReportSerif, 9);
    rpt.PrintCenter(QStringLiteral("Pitch Ledger for Windows, ver ") + ProgramVersion());
    rpt.NewLine();
    const QString printed =
        QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("yyyy-MM-dd hh:mm"));
    rpt.PrintCenter("Printed " + printed + "  -  Tables: " + ReportText(Settings().TableDataPath));
}

void PrintThreadInfo(TReportWorks& rpt, const TReportJob& job)
{
    TTInfo& rec = *job.record;
    TThdInfo& ex = rec.ExtThd;
    const bool metric = MetricByDefault(ex.TypeCode);
    PrintReportHeader(rpt, job.title);
    rpt.PrintCenter(DimensionsLine(job.metricDisplay));
    rpt.NewLine();
    rpt.GotoXY(0, rpt.GetY() + 0.05);
    SetColumnWidths(rpt, {3.5, 3.5});
    // More than the hundredth of an inch the layout once had, which rounds to
    // a pixel or none on the screen and lets the rules touch the letters.
    rpt.SetCellPadding(0.015);
    rpt.SetTableGrid(true);
    rpt.BeginTable();
    InfoRow(rpt, "Thread Type:", ReportText(rec.TypeName) + " Thread");
    // A metric record's class code is its PD grade; its class is the pair of
    // tolerance classes.
    if (metric)
        InfoRow(rpt, "Tolerance Class:",
                ReportText(rec.IntThd.TolInfoText() + " / " + ex.TolInfoText()));
    else if (ex.ClassCode != 0)
        InfoRow(rpt, "Class of Thread:", ReportText(rec.ClassText));
    const QString diameter = ReportDim(ex, 4, rec.NomDia);
    if (job.settingDim != 0)
        InfoRow(rpt, job.internal != 0 ? "Internal PD:" : "External PD:", diameter);
    else
        InfoRow(rpt, "Nominal Diameter:", diameter);
    // The pitch stays in millimetres when the page is in inches.
    InfoRow(rpt, metric ? "Thread Pitch:" : "Threads per Inch:",
            ReportText(TPIText(rec.TPI) + (metric ? " mm" : "")));
    if (rec.Starts > 1)
        InfoRow(rpt, "No. of Thread Starts, Lead:",
                QString::number(rec.Starts) + ",  " + ReportDim(ex, 4, ex.Lead()));
    if (rec.Coating > 0) InfoRow(rpt, "Plating Thickness:", ReportDim(ex, 5, rec.Coating));
    if (job.settingDim == 0) {
        QString loe;
        // M has engagement groups; MJ a length like the inch threads.
        if (ex.TypeCode == kTypeM) {
            loe = ReportText(rec.LOEText);
        } else if (ex.TypeCode == kTypeMJ && ex.LOE <= 0) {
            // Standard MJ engagement has no length of its own.
            loe = "Standard";
        } else {
            loe = ReportDim(ex, 4, ex.LOE);
            if (ex.StdLOE == 1) loe += "   (Standard)";
        }
        InfoRow(rpt, "Length of Thd Engagement:", loe);
        InfoRow(rpt, "Helix Angle:", ReportText(DegMinText(HelixAngle(ex))));
        QString data = ex.FromTable == 1 ? "Table Data" : "Calculated Data";
        if (!metric && job.metricDisplay) data += "  (Data in mm)";
        if (metric && !job.metricDisplay) data += "  (Data in inches)";
        InfoRow(rpt, "Data Type:", data);
    }
    rpt.EndTable();
}
