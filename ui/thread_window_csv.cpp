// Edit | Copy Page as CSV: the page shown, as the page builders give it, on
// the clipboard. Reads the model; changes nothing.
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

void TfrmThread::CopyPageAsCsv() {
    const int page = Notebook1->currentIndex();
    TTInfo* rec = BallMicMode() ? nullptr : Record();
    CsvPage csv;
    csv.unit = UnitText(model_.Metric());
    if (rec && rec->Pipe) {
        const PipePagesText p = BuildPipePages(*rec);
        csv.thread = p.caption;
        csv.unit = UnitText(false); // pipe values are always inches
        if (page == ThreadPage::ThreadDim)
            csv.grids = {p.thread}, csv.notes = {p.threadNote};
        else if (page == ThreadPage::NPTGages)
            csv.grids = {p.gages}, csv.notes = {p.gagesNote};
        else if (page == ThreadPage::NPTTolerances)
            csv.grids = {p.tols}, csv.notes = {p.tolsNote};
    } else if (rec) {
        const ResultPagesText p =
            BuildResultPages(*rec, FileName().toStdString(), model_.Metric(), false);
        csv.thread = p.name;
        if (page == ThreadPage::Inspect) {
            csv.grids = {inspectPage_->Grid()}, csv.notes = inspectPage_->Notes();
        } else if (page == ThreadPage::Iso1502) {
            csv.grids = {iso1502Page_->Grid()}, csv.notes = iso1502Page_->Notes();
        } else if (page == ThreadPage::ThreadDim) {
            csv = ResultCsvPage(*rec, p, ResultCsv::ThreadAndDrills);
        } else if (page == ThreadPage::Ring) {
            csv = ResultCsvPage(*rec, p, ResultCsv::Ring);
        } else if (page == ThreadPage::SetPlug) {
            csv = ResultCsvPage(*rec, p, ResultCsv::SetPlug);
        } else if (page == ThreadPage::Plug) {
            csv = ResultCsvPage(*rec, p, ResultCsv::Plug);
        }
    }
    const std::string text = PageCsv(csv);
    if (text.empty()) {
        ShowInformation(this, QStringLiteral("This page shows no grid to copy."));
        return;
    }
    PutTextOnClipboard(text);
}
