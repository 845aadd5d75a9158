// "Gage Dimensions Report": ring gauges and setting plugs of the external
// thread, plug gauges of the internal one, with their tolerances and readings.
#include "report/thread_reports.h"

#include "pages/thread_report_rows.h"
#include "report/report_page.h"
#include "report/report_works.h"

namespace {

// Lays out the gauge blocks; a block whose gauge has no tolerance set leaves
// its tolerance columns empty, and the line under it says why.
class GaugeReport {
public:
    explicit GaugeReport(TReportWorks& rpt) : rpt_(rpt) {}
    void Print(const TReportJob& job);

private:
    void Heading(const std::vector<ReportRow>& lines);
    void Block(const GaugeReportBlock& block);
    void Row(const std::vector<std::string>& cells, bool tols);
    void Gap();

    TReportWorks& rpt_;
    bool noted_ = false; // the last block ended with its note line
};

// "EXTERNAL"/"INTERNAL" and the designation, or the plated limits side by
// side; then the rule. Both sides look alike.
void GaugeReport::Heading(const std::vector<ReportRow>& lines) {
    rpt_.SetFont(kReportSerif, 12);
    rpt_.BoldOn();
    for (const auto& [left, right] : lines) {
        rpt_.PrintLeft(ReportText(left));
        if (!right.empty()) rpt_.PrintTab(1, ReportText(right));
        rpt_.NewLine();
    }
    rpt_.PlainFont();
    rpt_.SetLineWidth(lwFine);
    rpt_.DrawRule();
    rpt_.GotoXY(0, rpt_.GetY() + 0.05);
}

void GaugeReport::Row(const std::vector<std::string>& cells, bool tols) {
    rpt_.PrintColumn(1, ReportText(cells[0]));
    rpt_.PrintColumn(2, ReportText(cells[1]));
    rpt_.PrintColumn(4, ReportText(cells[3]));
    if (tols) {
        rpt_.PrintColumn(3, ReportText(cells[2]));
        rpt_.PrintColumn(5, ReportText(cells[4]));
    }
    rpt_.NextRow();
}

// The title with the gauge's tolerances, the table, and the line that says
// why tolerances are missing, as its page says it, in the gap that follows
// the block: the page keeps its length.
void GaugeReport::Block(const GaugeReportBlock& block) {
    rpt_.BoldOn();
    rpt_.PrintLeft(ReportText(block.title));
    rpt_.PlainFont();
    if (block.tolerances) {
        if (!block.leadTol.empty()) rpt_.PrintText(ReportText(block.leadTol));
        rpt_.GotoXY(4.5, rpt_.GetY());
        rpt_.PrintText(ReportText(block.halfAngle));
    }
    rpt_.BoldOn();
    rpt_.NewLine();
    rpt_.SetTableGrid(false);
    SetColumnWidths(rpt_, {2.0, 1.25, 1.0, 1.25, 1.0});
    for (int c = 2; c <= 5; ++c)
        rpt_.SetColumnAlign(c, kAlignCenter);
    rpt_.SetCellPadding(0.01);
    rpt_.BeginTable();
    Row({"", "GO", "Tols", "NOGO", "Tols"}, block.tolerances);
    rpt_.PlainFont();
    for (const std::vector<std::string>& row : block.rows)
        Row(row, block.tolerances);
    rpt_.EndTable();
    noted_ = !block.note.empty();
    if (!noted_) return;
    const QFont font = rpt_.ReportFont();
    rpt_.SetFont(kReportSerif, 9);
    rpt_.PrintCenter(ReportText(block.note));
    rpt_.NewLine();
    rpt_.SetReportFont(font);
}

// The room between two blocks, unless a note line already separates them.
void GaugeReport::Gap() {
    if (!noted_) rpt_.GotoXY(0, rpt_.GetY() + 0.1);
}

void GaugeReport::Print(const TReportJob& job) {
    const GaugeReportText text = BuildGaugeReport(*job.record, job.metricDisplay);
    rpt_.BeginReport();
    PrintThreadInfo(rpt_, job, "Gage Dimensions Report");
    rpt_.AddTab(3.0, kAlignLeft);
    rpt_.NewLine();
    Heading(text.externalHeading);
    Block(text.rings);
    Gap();
    Block(text.setPlugs);
    Gap();
    Heading(text.internalHeading);
    Block(text.plugs);
    // A plated multi-start thread fills the page: the note and footer may go over.
    PrintClosingAndFooter(rpt_, 0, [&] { rpt_.PrintCenter(ReportText(text.compensationNote)); });
    rpt_.EndReport();
}

} // namespace

void PrintGaugeReport(TReportWorks& rpt, const TReportJob& job) {
    GaugeReport(rpt).Print(job);
}
