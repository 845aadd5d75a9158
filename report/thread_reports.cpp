#include "report/thread_reports.h"

#include "core/designation.h"
#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/settings.h"
#include "core/thread_record.h"
#include "gauges/tolerance_text.h"
#include "gauges/wires.h"
#include "report/report_works.h"

#include <QDateTime>
#include <QLocale>

#include <string>
#include <vector>

namespace {

const char* const kSerif = "Times New Roman";

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

QString Dim(const TThdInfo& m, int decimals, double value)
{
    return Q(DimText(m, decimals, value));
}

bool IsMetric(const TThdInfo& m)
{
    return m.TypeCode == kTypeM || m.TypeCode == kTypeMJ;
}

QString JoinNotes(const std::vector<std::string>& notes)
{
    QStringList lines;
    for (const std::string& n : notes) lines << Q(n);
    return lines.join('\n');
}

QString NoteLine(const TThdInfo& m, std::size_t i)
{
    return i < m.Notes.size() ? Q(m.Notes[i]) : QString();
}

// One row of a two-column label/value table: the label bold, the value plain.
void InfoRow(TReportWorks& rpt, const QString& label, const QString& value)
{
    rpt.BoldOn();
    rpt.PrintColumn(1, label);
    rpt.PlainFont();
    rpt.PrintColumn(2, value);
    rpt.NextRow();
}

void SetColumnWidths(TReportWorks& rpt, std::initializer_list<double> widths)
{
    rpt.SetColumns(static_cast<int>(widths.size()));
    int column = 1;
    for (double w : widths) rpt.SetColumnWidth(column++, w);
}

void PrintLimitsHeading(TReportWorks& rpt, TTInfo& rec)
{
    rpt.SetTableGrid(false);
    rpt.SetFont(kSerif, 12);
    rpt.BoldOn();
    const QString internal = Q(DesignationText(rec.IntThd));
    const QString external = Q(DesignationText(rec.ExtThd));
    if (rec.Coating > 0) {
        SetColumnWidths(rpt, {0.3, 2.95, 1.0, 3.0});
        rpt.BeginTable();
        rpt.PrintColumn(2, JoinNotes(rec.IntThd.Notes));
        rpt.PrintColumn(4, JoinNotes(rec.ExtThd.Notes));
        rpt.NextRow();
    } else {
        SetColumnWidths(rpt, {3.25, 0.75, 3.25});
        rpt.SetColumnAlign(1, kAlignCenter);
        rpt.SetColumnAlign(3, kAlignCenter);
        rpt.BeginTable();
        rpt.PrintColumn(1, "INTERNAL");
        rpt.PrintColumn(3, "EXTERNAL");
        rpt.NextRow();
        rpt.PrintColumn(1, internal);
        rpt.PrintColumn(3, external);
        rpt.NextRow();
    }
    rpt.EndTable();
    rpt.NewLine();
}

void LimitsRow(TReportWorks& rpt, const QString& label, const QString& intValue,
               const QString& extLabel, const QString& extValue)
{
    rpt.PrintColumn(1, label);
    rpt.PrintColumn(2, intValue);
    rpt.PrintColumn(4, extLabel);
    rpt.PrintColumn(5, extValue);
    rpt.NextRow();
}

void PrintLimitsTable(TReportWorks& rpt, TTInfo& rec)
{
    TThdInfo& in = rec.IntThd;
    TThdInfo& ex = rec.ExtThd;
    rpt.SetTableGrid(false);
    SetColumnWidths(rpt, {2.5, 1.0, 0.375, 2.5, 1.0});
    rpt.SetColumnAlign(2, kAlignCenter);
    rpt.SetColumnAlign(5, kAlignCenter);
    rpt.SetCellPadding(0.01);
    rpt.SetFont(kSerif, 12);
    rpt.PlainFont();
    rpt.BeginTable();

    auto both = [&](const QString& label, int decimals, double TDimLimits::*limit,
                    TDimLimits TThdInfo::*dim) {
        LimitsRow(rpt, label, Dim(in, decimals, (in.*dim).*limit), label,
                  Dim(ex, decimals, (ex.*dim).*limit));
    };
    auto external = [&](const QString& label, const QString& value) {
        LimitsRow(rpt, QString(), QString(), label, value);
    };
    both("Pitch Diameter Max:", 4, &TDimLimits::Max, &TThdInfo::PD);
    both("Pitch Diameter Min:", 4, &TDimLimits::Min, &TThdInfo::PD);
    both("Major Diameter Max:", 4, &TDimLimits::Max, &TThdInfo::Major);
    both("Major Diameter Min:", 4, &TDimLimits::Min, &TThdInfo::Major);
    // The original's spellings are kept, "Diamater" included.
    const bool un = ex.TypeCode == kTypeUN;
    LimitsRow(rpt, un ? "Minor Diameter Max:" : "Minor Diamater Max:",
              Q(MinorText(in, in.Minor.Max)),
              un ? "Minor Diameter Max (Ref, Calc.):" : "Minor Diamater Max:",
              Q(MinorText(ex, ex.Minor.Max)));
    LimitsRow(rpt, "Minor Diameter Min:", Q(MinorText(in, in.Minor.Min)),
              un ? "Minor Diameter Min (Ref, Calc.):" : "Minor Diameter Min:",
              Q(MinorText(ex, ex.Minor.Min)));
    external("Root Radius Max:", Dim(ex, 4, ex.RootRadMax));
    external("Root Radius Min:", Dim(ex, 4, ex.RootRadMin));
    LimitsRow(rpt, "Root Width:", Dim(in, 4, in.RootWidth), "Root Width:",
              Dim(ex, 4, ex.RootWidth));
    LimitsRow(rpt, "Thread Height (Ref):", Dim(in, 4, in.ThdHeight), "Thread Height (Ref):",
              Dim(ex, 4, ex.ThdHeight));
    LimitsRow(rpt, "Thread Pitch:", Dim(in, 4, in.Pitch()), "Thread Pitch:",
              Dim(ex, 4, ex.Pitch()));
    external("Current Wire Size:", Dim(ex, 5, ex.CurWire));
    external("Max Wire Reading:", Dim(ex, 5, GageWireReading(ex)));
    external("Min Wire Reading:",
             Dim(ex, 5, ex.CurWire == 0 ? 0 : WireReadingAt(ex, ex.PD.Min)));
    external("Helix Angle Comp:", Dim(ex, 5, HelixComp(ex)));
    rpt.EndTable();
}

void SetGaugeTableColumns(TReportWorks& rpt)
{
    rpt.SetTableGrid(false);
    SetColumnWidths(rpt, {2.0, 1.25, 1.0, 1.25, 1.0});
    for (int c = 2; c <= 5; ++c) rpt.SetColumnAlign(c, kAlignCenter);
    rpt.SetCellPadding(0.01);
}

// "EXTERNAL"/"Internal" and the designation, or the plated limits side by side.
void PrintGaugeHeading(TReportWorks& rpt, const QString& word, TTInfo& rec, TThdInfo& m)
{
    const QString designation = Q(DesignationText(m));
    if (rec.Coating > 0) {
        for (std::size_t i = 0; i < 4; ++i) {
            rpt.PrintLeft(NoteLine(m, i));
            rpt.PrintTab(1, NoteLine(m, i + 5));
            rpt.NewLine();
        }
    } else {
        rpt.PrintLeft(word);
        rpt.NewLine();
        rpt.PrintLeft(designation);
        rpt.NewLine();
    }
}

void PrintGaugeRule(TReportWorks& rpt)
{
    rpt.PlainFont();
    rpt.SetLineWidth(lwFine);
    rpt.DrawRule();
    rpt.GotoXY(0, rpt.GetY() + 0.05);
}

// The block title with the gauge's tolerances, and the table's heading row.
void BeginGaugeBlock(TReportWorks& rpt, const QString& name, const TThdInfo& go)
{
    rpt.BoldOn();
    rpt.PrintLeft(name + " " + Q(TolClassText(go)));
    rpt.PlainFont();
    const std::string lead = LeadTolText(go);
    if (!lead.empty()) rpt.PrintText("  Lead Tol: " + Q(lead));
    rpt.GotoXY(4.5, rpt.GetY());
    rpt.PrintText("Half Angle:  " + Q(HalfAngleTolText(go)));
    rpt.BoldOn();
    rpt.NewLine();
    SetGaugeTableColumns(rpt);
    rpt.BeginTable();
    rpt.PrintColumn(2, "GO");
    rpt.PrintColumn(3, "Tols");
    rpt.PrintColumn(4, "NOGO");
    rpt.PrintColumn(5, "Tols");
    rpt.PlainFont();
    rpt.NextRow();
}

struct GaugeCells {
    QString goValue, goTol, nogoValue, nogoTol;
};

void GaugeRow(TReportWorks& rpt, const QString& label, const GaugeCells& c)
{
    rpt.PrintColumn(1, label);
    rpt.PrintColumn(2, c.goValue);
    rpt.PrintColumn(3, c.goTol);
    rpt.PrintColumn(4, c.nogoValue);
    rpt.PrintColumn(5, c.nogoTol);
    rpt.NextRow();
}

GaugeCells PitchCells(TThdInfo& go, TThdInfo& nogo)
{
    return {Dim(go, 4, go.PD.Gage), Q(PDTolText(go)), Dim(nogo, 4, nogo.PD.Gage),
            Q(PDTolText(nogo))};
}

GaugeCells WireReadingCells(TThdInfo& go, TThdInfo& nogo)
{
    return {Dim(go, 5, GageWireReading(go)), Q(PDTolText(go)), Dim(nogo, 5, GageWireReading(nogo)),
            Q(PDTolText(nogo))};
}

GaugeCells DiaCells(TThdInfo& go, TThdInfo& nogo, double TDimLimits::*value,
                    TDimLimits TThdInfo::*dim, int mode)
{
    return {Dim(go, 4, (go.*dim).*value), Q(DiaTolText(go, mode)), Dim(nogo, 4, (nogo.*dim).*value),
            Q(DiaTolText(nogo, mode))};
}

GaugeCells ValueCells(TThdInfo& go, TThdInfo& nogo, int decimals, double goValue,
                      double nogoValue)
{
    return {Dim(go, decimals, goValue), QString(), Dim(nogo, decimals, nogoValue), QString()};
}

void PrintRingBlock(TReportWorks& rpt, TTInfo& rec)
{
    TThdInfo& go = rec.GoRing;
    TThdInfo& nogo = rec.NoGoRing;
    BeginGaugeBlock(rpt, "RING GAGE", go);
    GaugeRow(rpt, "Pitch Diameter", PitchCells(go, nogo));
    if (go.Major.Gage > 0)
        GaugeRow(rpt, "Major Diameter",
                 DiaCells(go, nogo, &TDimLimits::Gage, &TThdInfo::Major, 1));
    if (go.Minor.Gage > 0)
        GaugeRow(rpt, "Minor Diameter",
                 DiaCells(go, nogo, &TDimLimits::Gage, &TThdInfo::Minor, 3));
    rpt.EndTable();
}

void PrintSetPlugBlock(TReportWorks& rpt, TTInfo& rec)
{
    TThdInfo& go = rec.GoSetPlug;
    TThdInfo& nogo = rec.NoGoSetPlug;
    BeginGaugeBlock(rpt, "SET PLUG GAGE", go);
    GaugeRow(rpt, "Pitch Diameter", PitchCells(go, nogo));
    GaugeRow(rpt, "Wire Reading", WireReadingCells(go, nogo));
    GaugeRow(rpt, "Helix Angle Comp", ValueCells(go, nogo, 5, HelixComp(go), HelixComp(nogo)));
    if (go.Major.GageTrunc > 0)
        GaugeRow(rpt, "Major Dia (Trunc)",
                 DiaCells(go, nogo, &TDimLimits::GageTrunc, &TThdInfo::Major, 2));
    GaugeRow(rpt, "Major Dia (Full)", DiaCells(go, nogo, &TDimLimits::Gage, &TThdInfo::Major, 1));
    if (go.Minor.Gage > 0)
        GaugeRow(rpt, "Minor Diameter",
                 DiaCells(go, nogo, &TDimLimits::Gage, &TThdInfo::Minor, 3));
    GaugeRow(rpt, "Wire Size", ValueCells(go, nogo, 5, go.CurWire, nogo.CurWire));
    rpt.EndTable();
}

void PrintPlugBlock(TReportWorks& rpt, TTInfo& rec)
{
    TThdInfo& go = rec.GoPlug;
    TThdInfo& nogo = rec.NoGoPlug;
    BeginGaugeBlock(rpt, "PLUG GAGE", go);
    GaugeRow(rpt, "Pitch Diameter", PitchCells(go, nogo));
    GaugeRow(rpt, "Wire Reading", WireReadingCells(go, nogo));
    GaugeRow(rpt, "Helix Angle Comp", ValueCells(go, nogo, 4, HelixComp(go), HelixComp(nogo)));
    if (go.Major.Gage > 0)
        GaugeRow(rpt, "Major Dia (Full)",
                 DiaCells(go, nogo, &TDimLimits::Gage, &TThdInfo::Major, 1));
    if (go.Minor.Gage > 0)
        GaugeRow(rpt, "Minor Diameter",
                 DiaCells(go, nogo, &TDimLimits::Gage, &TThdInfo::Minor, 3));
    if (go.TypeCode == kTypeMJ)
        GaugeRow(rpt, "Root Radius", ValueCells(go, nogo, 4, go.RootRadMax, nogo.RootRadMax));
    GaugeRow(rpt, "Wire Size", ValueCells(go, nogo, 5, go.CurWire, nogo.CurWire));
    rpt.EndTable();
}

} // namespace

void SetupReportPage(TReportWorks& rpt)
{
    rpt.SetTitle("Pitch Ledger Report");
    rpt.SetLeftMargin(0.5);
    rpt.SetRightMargin(1.0);
    rpt.SetTopMargin(0.6);
    rpt.SetBottomMargin(1.0);
    rpt.SetFont(kSerif, 12);
    rpt.SetTableHeader(false);
}

void PrintReportHeader(TReportWorks& rpt, const QString& title)
{
    rpt.SetFont(kSerif, 24);
    rpt.PrintCenter("Orvalle Pitch Ledger");
    rpt.NewLine();
    rpt.SetFont(kSerif, 18);
    rpt.PrintCenter(title);
    rpt.NewLine();
    rpt.SetFont(kSerif, 14);
    rpt.PrintCenter(Q(Settings().CompanyName));
    rpt.NewLine();
    rpt.SetFont(kSerif, 12);
}

void PrintReportFooter(TReportWorks& rpt)
{
    rpt.SetFont(kSerif, 9);
    rpt.PrintCenter("Pitch Ledger for Windows, ver 1.2");
    rpt.NewLine();
    const QString printed =
        QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("yyyy-MM-dd hh:mm"));
    rpt.PrintCenter("Printed " + printed + "  -  Tables: " + Q(Settings().TableDataPath));
}

void PrintThreadInfo(TReportWorks& rpt, const TReportJob& job)
{
    TTInfo& rec = *job.record;
    TThdInfo& ex = rec.ExtThd;
    const bool metric = IsMetric(ex);
    PrintReportHeader(rpt, job.title);
    SetColumnWidths(rpt, {3.5, 3.5});
    rpt.SetCellPadding(0.01);
    rpt.SetTableGrid(true);
    rpt.BeginTable();
    InfoRow(rpt, "Thread Type:", Q(rec.TypeName) + " Thread");
    if (ex.ClassCode != 0) InfoRow(rpt, "Class of Thread:", Q(rec.ClassText));
    const QString diameter = Dim(ex, 4, rec.NomDia);
    if (job.settingDim != 0)
        InfoRow(rpt, job.internal != 0 ? "Internal PD:" : "External PD:", diameter);
    else
        InfoRow(rpt, "Nominal Diameter:", diameter);
    InfoRow(rpt, metric ? "Thread Pitch:" : "Threads per Inch:", Q(TPIText(rec.TPI)));
    if (rec.Starts > 1)
        InfoRow(rpt, "No. of Thread Starts, Lead:",
                Q(std::to_string(rec.Starts)) + ",  " + Dim(ex, 4, ex.Lead()));
    if (rec.Coating > 0) InfoRow(rpt, "Plating Thickness:", Dim(ex, 5, rec.Coating));
    if (job.settingDim == 0) {
        QString loe;
        if (metric) {
            loe = Q(rec.LOEText);
        } else {
            loe = Dim(ex, 4, ex.LOE);
            if (ex.StdLOE == 1) loe += "   (Standard)";
        }
        InfoRow(rpt, "Length of Thd Engagement:", loe);
        InfoRow(rpt, "Helix Angle:", Q(DegMinText(HelixAngle(ex))));
        QString data = ex.FromTable == 1 ? "Table Data" : "Calculated Data";
        if (!metric && job.metricDisplay) data += "  (Data in mm)";
        if (metric && !job.metricDisplay) data += "  (Data in inches)";
        InfoRow(rpt, "Data Type:", data);
    }
    rpt.EndTable();
}

void PrintThreadReport(TReportWorks& rpt, TReportJob& job)
{
    job.kind = kReportThread;
    job.group = 0;
    job.title = "Thread Dimensions Report";
    const ScopedDisplayUnit unit(job.metricDisplay);
    for (int copy = 0; copy < job.copies; ++copy) {
        rpt.BeginReport();
        PrintThreadInfo(rpt, job);
        rpt.GotoXY(0, rpt.GetY() + 0.1);
        PrintLimitsHeading(rpt, *job.record);
        PrintLimitsTable(rpt, *job.record);
        rpt.NewLine();
        rpt.NewLine();
        PrintReportFooter(rpt);
        rpt.EndReport();
        if (rpt.JobFailed()) break;
    }
}

void PrintGaugeReport(TReportWorks& rpt, TReportJob& job)
{
    job.kind = kReportGauge;
    job.group = 0;
    job.title = "Gage Dimensions Report";
    const ScopedDisplayUnit unit(job.metricDisplay);
    TTInfo& rec = *job.record;
    for (int copy = 0; copy < job.copies; ++copy) {
        rpt.BeginReport();
        PrintThreadInfo(rpt, job);
        rpt.NewLine();
        rpt.SetFont(kSerif, 12);
        rpt.BoldOn();
        rpt.AddTab(3.0, kAlignLeft);
        PrintGaugeHeading(rpt, "EXTERNAL", rec, rec.ExtThd);
        PrintGaugeRule(rpt);
        PrintRingBlock(rpt, rec);
        rpt.GotoXY(0, rpt.GetY() + 0.1);
        PrintSetPlugBlock(rpt, rec);
        PrintGaugeHeading(rpt, "Internal", rec, rec.IntThd);
        PrintGaugeRule(rpt);
        PrintPlugBlock(rpt, rec);
        rpt.PrintCenter("NOTE: All Wire readings include the helix angle compensation factor");
        // The footer starts on its own line, as under the thread report; drawn
        // at the note's line it would print over it.
        rpt.NewLine();
        rpt.NewLine();
        PrintReportFooter(rpt);
        rpt.EndReport();
        if (rpt.JobFailed()) break;
    }
}

bool PrintRememberedReport(TReportWorks& rpt, TReportJob& job)
{
    if (job.group != 0 || job.record == nullptr) return false;
    switch (job.kind) {
    case kReportThread: PrintThreadReport(rpt, job); return true;
    case kReportGauge: PrintGaugeReport(rpt, job); return true;
    default: return false;
    }
}
