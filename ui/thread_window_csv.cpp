// Edit | Copy Page as CSV: the grids of the page shown, as the page builders
// give them, on the clipboard. Reads the model; changes nothing.
#include "core/thread_record.h"
#include "pages/csv_text.h"
#include "pages/result_pages.h"
#include "pipe/pipe_pages.h"
#include "ui/clipboard_export.h"
#include "ui/inspect_page.h"
#include "ui/iso1502_page.h"
#include "ui/message_box.h"
#include "ui/thread_page.h"
#include "ui/thread_window.h"

#include <QStackedWidget>

namespace {

// One grid, or several one after another with an empty line between them.
std::string GridsCsv(const std::vector<TextGrid>& grids) {
    std::string out;
    for (const TextGrid& g : grids) {
        if (g.empty()) continue;
        if (!out.empty()) out += "\r\n";
        out += CsvGrid(g);
    }
    return out;
}

} // namespace

void TfrmThread::CopyPageAsCsv() {
    const int page = Notebook1->currentIndex();
    std::string csv;
    if (page == ThreadPage::Inspect) {
        csv = CsvGrid(inspectPage_->Grid());
    } else if (page == ThreadPage::Iso1502) {
        csv = CsvGrid(iso1502Page_->Grid());
    } else if (Record() && !BallMicMode() && Record()->Pipe) {
        const PipePagesText p = BuildPipePages(*Record());
        if (page == ThreadPage::ThreadDim)
            csv = CsvGrid(p.thread);
        else if (page == ThreadPage::NPTGages)
            csv = CsvGrid(p.gages);
        else if (page == ThreadPage::NPTTolerances)
            csv = CsvGrid(p.tols);
    } else if (Record() && !BallMicMode()) {
        const ResultPagesText p =
            BuildResultPages(*Record(), FileName().toStdString(), model_.Metric());
        if (page == ThreadPage::ThreadDim)
            csv = GridsCsv({p.thread, p.tapDrills});
        else if (page == ThreadPage::Ring)
            csv = CsvGrid(VisibleGaugeGrid(p.ring));
        else if (page == ThreadPage::SetPlug)
            csv = CsvGrid(VisibleGaugeGrid(p.setPlug));
        else if (page == ThreadPage::Plug)
            csv = CsvGrid(VisibleGaugeGrid(p.plug));
    }
    if (csv.empty()) {
        ShowInformation(this, QStringLiteral("This page shows no grid to copy."));
        return;
    }
    PutTextOnClipboard(csv);
}
