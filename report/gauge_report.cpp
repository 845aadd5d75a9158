// "Gage Dimensions Report": ring gauges and setting plugs of the external
// thread, plug gauges of the internal one, with their tolerances and readings.
#include "report/thread_reports.h"

#include "core/designation.h"
#include "core/display_unit.h"
#include "core/thread_record.h"
#include "gauges/tolerance_text.h"
#include "gauges/wires.h"
#include "pages/result_pages.h"
#include "report/report_works.h"

#include <QStringList>

namespace {

struct GaugeCells {
    QString goValue, goTol, nogoValue, nogoTol;
};

// Lays out the gauge blocks; a block whose gauge has no tolerance set leaves
// its tolerance columns empty, and the line under it says why.
class GaugeReport {
public:
    GaugeReport(TReportWorks& rpt, TTInfo& rec) : rpt_(rpt), rec_(rec) {}
    void Print(const TReportJob& job);

private:
    void Heading(TThdInfo& m);
    void BeginBlock(const QString& name, const TThdInfo& go);
    void EndBlock(const TThdInfo& go);
    void Gap();
    void Row(const QString& label, const GaugeCells& c);
    GaugeCells Pitch(TThdInfo& go, TThdInfo& nogo);
    GaugeCells WireReading(TThdInfo& go, TThdInfo& nogo);
    GaugeCells Dia(TThdInfo& go, TThdInfo& nogo, double TDimLimits::*value,
                   TDimLimits TThdInfo::*dim, int mode);
    GaugeCells Values(TThdInfo& go, TThdInfo& nogo, int decimals, double goValue, double nogoValue);
    void Rings();
    void SetPlugs();
    void Plugs();
    QString CompensationNote();

    TReportWorks& rpt_;
    TTInfo& rec_;
    bool tols_ = true;   // of the block being printed
    bool noted_ = false; // the last block ended with its note line
};

// "EXTERNAL"/"INTERNAL" and the designation, or the plated limits side by
// side; then the rule. Both sides look alike.
void GaugeReport::Heading(TThdInfo& m) {
    const QString designation = ReportText(DesignationText(m));
    rpt_.SetFont(kReportSerif, 12);
    rpt_.BoldOn();
    if (rec_.Coating > 0) {
        auto note = [&](std::size_t i) {
            return i < m.Notes.size() ? ReportText(m.Notes[i]) : QString();
        };
        for (std::size_t i = 0; i < 4; ++i) {
            rpt_.PrintLeft(note(i));
            rpt_.PrintTab(1, note(i + 5));
            rpt_.NewLine();
        }
    } else {
        rpt_.PrintLeft(m.IsInternal ? "INTERNAL" : "EXTERNAL");
        rpt_.NewLine();
        rpt_.PrintLeft(designation);
        rpt_.NewLine();
    }
    rpt_.PlainFont();
    rpt_.SetLineWidth(lwFine);
    rpt_.DrawRule();
    rpt_.GotoXY(0, rpt_.GetY() + 0.05);
}

// The block title with the gauge's tolerances, and the table's heading row.
void GaugeReport::BeginBlock(const QString& name, const TThdInfo& go) {
    rpt_.BoldOn();
    rpt_.PrintLeft(name + " " + ReportText(TolClassText(go)));
    rpt_.PlainFont();
    tols_ = GaugeTolsFound(go);
    if (tols_) {
        const std::string lead = LeadTolText(go);
        if (!lead.empty()) rpt_.PrintText("  Lead Tol: " + ReportText(lead));
        rpt_.GotoXY(4.5, rpt_.GetY());
        rpt_.PrintText("Half Angle:  " + ReportText(HalfAngleTolText(go)));
    }
    rpt_.BoldOn();
    rpt_.NewLine();
    rpt_.SetTableGrid(false);
    SetColumnWidths(rpt_, {2.0, 1.25, 1.0, 1.25, 1.0});
    for (int c = 2; c <= 5; ++c)
        rpt_.SetColumnAlign(c, kAlignCenter);
    rpt_.SetCellPadding(0.01);
    rpt_.BeginTable();
    Row(QString(), {"GO", "Tols", "NOGO", "Tols"});
    rpt_.PlainFont();
}

// The line that says why tolerances of the block are missing, as its page
// says it, in the gap that follows the block: the page keeps its length.
void GaugeReport::EndBlock(const TThdInfo& go) {
    rpt_.EndTable();
    const std::string note = GaugeTolNote(go);
    noted_ = !note.empty();
    if (!noted_) return;
    const QFont font = rpt_.ReportFont();
    rpt_.SetFont(kReportSerif, 9);
    rpt_.PrintCenter(ReportText(note));
    rpt_.NewLine();
    rpt_.SetReportFont(font);
}

// The room between two blocks, unless a note line already separates them.
void GaugeReport::Gap() {
    if (!noted_) rpt_.GotoXY(0, rpt_.GetY() + 0.1);
}

void GaugeReport::Row(const QString& label, const GaugeCells& c) {
    rpt_.PrintColumn(1, label);
    rpt_.PrintColumn(2, c.goValue);
    rpt_.PrintColumn(4, c.nogoValue);
    if (tols_) {
        rpt_.PrintColumn(3, c.goTol);
        rpt_.PrintColumn(5, c.nogoTol);
    }
    rpt_.NextRow();
}

GaugeCells GaugeReport::Pitch(TThdInfo& go, TThdInfo& nogo) {
    return {ReportDim(go, 4, go.PD.Gage), ReportText(PDTolText(go)),
            ReportDim(nogo, 4, nogo.PD.Gage), ReportText(PDTolText(nogo))};
}

GaugeCells GaugeReport::WireReading(TThdInfo& go, TThdInfo& nogo) {
    return {ReportDim(go, 5, GageWireReading(go)), ReportText(PDTolText(go)),
            ReportDim(nogo, 5, GageWireReading(nogo)), ReportText(PDTolText(nogo))};
}

GaugeCells GaugeReport::Dia(TThdInfo& go, TThdInfo& nogo, double TDimLimits::*value,
                            TDimLimits TThdInfo::*dim, int mode) {
    return {ReportDim(go, 4, (go.*dim).*value), ReportText(DiaTolText(go, mode)),
            ReportDim(nogo, 4, (nogo.*dim).*value), ReportText(DiaTolText(nogo, mode))};
}

GaugeCells GaugeReport::Values(TThdInfo& go, TThdInfo& nogo, int decimals, double goValue,
                               double nogoValue) {
    return {ReportDim(go, decimals, goValue), QString(), ReportDim(nogo, decimals, nogoValue),
            QString()};
}

void GaugeReport::Rings() {
    TThdInfo& go = rec_.GoRing;
    TThdInfo& nogo = rec_.NoGoRing;
    BeginBlock("RING GAGE", go);
    Row("Pitch Diameter", Pitch(go, nogo));
    if (go.Major.Gage > 0)
        Row("Major Diameter", Dia(go, nogo, &TDimLimits::Gage, &TThdInfo::Major, 1));
    if (go.Minor.Gage > 0)
        Row("Minor Diameter", Dia(go, nogo, &TDimLimits::Gage, &TThdInfo::Minor, 3));
    EndBlock(go);
}

void GaugeReport::SetPlugs() {
    TThdInfo& go = rec_.GoSetPlug;
    TThdInfo& nogo = rec_.NoGoSetPlug;
    BeginBlock("SET PLUG GAGE", go);
    Row("Pitch Diameter", Pitch(go, nogo));
    Row("Wire Reading", WireReading(go, nogo));
    Row("Helix Angle Comp", Values(go, nogo, 5, HelixComp(go), HelixComp(nogo)));
    if (go.Major.GageTrunc > 0)
        Row("Major Dia (Trunc)", Dia(go, nogo, &TDimLimits::GageTrunc, &TThdInfo::Major, 2));
    Row("Major Dia (Full)", Dia(go, nogo, &TDimLimits::Gage, &TThdInfo::Major, 1));
    if (go.Minor.Gage > 0)
        Row("Minor Diameter", Dia(go, nogo, &TDimLimits::Gage, &TThdInfo::Minor, 3));
    Row("Wire Size", Values(go, nogo, 5, go.CurWire, nogo.CurWire));
    EndBlock(go);
}

void GaugeReport::Plugs() {
    TThdInfo& go = rec_.GoPlug;
    TThdInfo& nogo = rec_.NoGoPlug;
    BeginBlock("PLUG GAGE", go);
    Row("Pitch Diameter", Pitch(go, nogo));
    Row("Wire Reading", WireReading(go, nogo));
    Row("Helix Angle Comp", Values(go, nogo, 4, HelixComp(go), HelixComp(nogo)));
    if (go.Major.Gage > 0)
        Row("Major Dia (Full)", Dia(go, nogo, &TDimLimits::Gage, &TThdInfo::Major, 1));
    if (go.Minor.Gage > 0)
        Row("Minor Diameter", Dia(go, nogo, &TDimLimits::Gage, &TThdInfo::Minor, 3));
    if (go.TypeCode == kTypeMJ)
        Row("Root Radius", Values(go, nogo, 4, go.RootRadMax, nogo.RootRadMax));
    Row("Wire Size", Values(go, nogo, 5, go.CurWire, nogo.CurWire));
    EndBlock(go);
}

// Says which printed wire readings carry the helix correction, by the same
// rule the readings themselves follow.
QString GaugeReport::CompensationNote() {
    const struct {
        const char* name;
        TThdInfo& gauge;
    } readings[] = {{"GO SET PLUG", rec_.GoSetPlug},
                    {"NOGO SET PLUG", rec_.NoGoSetPlug},
                    {"GO PLUG", rec_.GoPlug},
                    {"NOGO PLUG", rec_.NoGoPlug}};
    QStringList compensated;
    int shown = 0;
    for (const auto& r : readings) {
        const double reading = GageWireReading(r.gauge);
        if (reading == 0) continue;
        ++shown;
        if (ReadingsCorrected(r.gauge)) compensated << r.name;
    }
    if (shown == 0) return QString();
    if (compensated.isEmpty()) return "NOTE: No Wire reading includes a helix angle compensation";
    if (compensated.size() == shown)
        return "NOTE: All Wire readings include the helix angle compensation factor";
    return "NOTE: Only the Wire readings of the " + compensated.join(", ") +
           " include the helix angle compensation factor";
}

void GaugeReport::Print(const TReportJob& job) {
    rpt_.BeginReport();
    PrintThreadInfo(rpt_, job);
    rpt_.AddTab(3.0, kAlignLeft);
    rpt_.NewLine();
    Heading(rec_.ExtThd);
    Rings();
    Gap();
    SetPlugs();
    Gap();
    Heading(rec_.IntThd);
    Plugs();
    rpt_.PrintCenter(CompensationNote());
    // The footer starts on its own line; drawn at the note's line it would
    // print over it. A blank line before it only where the footer still fits.
    rpt_.NewLine();
    if (rpt_.GetY(true) + 3.2 * rpt_.TextHeight() <= rpt_.MarginRect().bottom()) rpt_.NewLine();
    PrintReportFooter(rpt_);
    rpt_.EndReport();
}

} // namespace

void PrintGaugeReport(TReportWorks& rpt, TReportJob& job) {
    job.kind = kReportGauge;
    job.group = 0;
    job.title = "Gage Dimensions Report";
    const ScopedDisplayUnit unit(job.metricDisplay);
    for (int copy = 0; copy < job.copies; ++copy) {
        GaugeReport(rpt, *job.record).Print(job);
        if (rpt.JobFailed()) break;
    }
}
