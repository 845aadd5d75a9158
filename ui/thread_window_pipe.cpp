// The pipe pages of the thread window: the pipe kind's table on "Thread Dim.",
// for NPT the "NPT Gages" and "NPT Tolerances" pages, each grid with its
// drawing beside it. Every text comes from the pipe page builder. Changes the
// pipe pages, the thread grid's drawing and note and the pipe caption.
#include "core/thread_record.h"
#include "pipe/pipe_pages.h"
#include "ui/color_string_grid.h"
#include "ui/pipe_grid_page.h"
#include "ui/pipe_picture.h"
#include "ui/thread_window.h"

#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>

namespace {

// Design widths of the pipe grids' columns: captions, then values.
const std::vector<int> kThreadColumns = {185, 75, 75};
const std::vector<int> kGageColumns = {150, 65, 65, 65};
const std::vector<int> kTolsColumns = {150, 65, 65};

} // namespace

bool TfrmThread::UnitSwitchable() const {
    return model_.UnitSwitchable();
}

void TfrmThread::RemovePipePictures() {
    // The notes say why a pipe grid shows N/A; other threads have their own.
    lblThdNote->hide();
    nptGagesPage_->Clear();
    nptTolsPage_->Clear();
    delete threadPicture_;
    threadPicture_ = nullptr;
    if (!model_.PipeShown()) pipeCaption_.clear();
}

void TfrmThread::FillPipePages() {
    RemovePipePictures();
    grdTapDrills->hide();
    const PipePagesText pages = BuildPipePages(*Record());
    const bool npt = !pages.gages.empty();
    ShowPipeTabs(npt);

    pipeCaption_ = QString::fromStdString(pages.caption);
    lblName->setText(pipeCaption_);
    FitNameLabel();

    // The straight kinds have one value column: the grid narrows to it.
    std::size_t columns = 0;
    for (const auto& row : pages.thread)
        columns = std::max(columns, row.size());
    gridThd->setColumnCount(static_cast<int>(columns));
    gridThd->SetMinimumColumnWidths(kThreadColumns);
    gridThd->LoadTextGrid(pages.thread);
    if (pages.threadDrawing != PipeDrawing::None) {
        threadPicture_ = new TPipePicture(pages.threadDrawing);
        threadPicture_->setObjectName(QStringLiteral("pipePicture"));
        threadRow_->setSpacing(12);
        threadRow_->insertWidget(threadRow_->indexOf(gridThd) + 1, threadPicture_, 0, Qt::AlignTop);
    }
    lblThdNote->setText(QString::fromStdString(pages.threadNote));
    lblThdNote->setVisible(!pages.threadNote.empty());

    const PipeDrawing drawing = npt ? PipeDrawing::Tols : PipeDrawing::None;
    nptGagesPage_->Show(pages.gages, kGageColumns, pages.gagesNote, drawing);
    nptTolsPage_->Show(pages.tols, kTolsColumns, pages.tolsNote, drawing);
    ShowOutOfDate();
    FormActivate();
}
