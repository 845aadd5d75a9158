// The pipe pages of the thread window: the pipe kind's table on "Thread Dim.",
// for NPT the "NPT Gages" and "NPT Tolerances" pages, each grid with its
// drawing beside it. Every text comes from the pipe page builder.
#include "core/thread_record.h"
#include "pipe/pipe_pages.h"
#include "ui/color_string_grid.h"
#include "ui/pipe_picture.h"
#include "ui/thread_window.h"
#include "ui/thread_window_pages.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Design widths of the pipe grids' columns: captions, then values.
const std::vector<int> kThreadColumns = {185, 75, 75};
const std::vector<int> kGageColumns = {150, 65, 65, 65};
const std::vector<int> kTolsColumns = {150, 65, 65};

void ShowPipeNote(QLabel* label, const std::string& note) {
    label->setText(QString::fromStdString(note));
    label->setVisible(!note.empty());
}

} // namespace

QWidget* TfrmThread::BuildPipePage(TColorStringGrid*& grid, QHBoxLayout*& row, QLabel*& note,
                                   const char* gridName, const char* noteName,
                                   const char* boxName) {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(4, 4, 4, 4);
    grid = new TColorStringGrid;
    grid->setObjectName(QString::fromLatin1(gridName));
    row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(grid, 0, Qt::AlignTop);
    row->addStretch(1);
    v->addLayout(row);
    v->addWidget(NoteLabel(&note, noteName));
    v->addStretch(1);
    auto* box = new QScrollArea;
    box->setObjectName(QString::fromLatin1(boxName));
    box->setWidget(page);
    box->setWidgetResizable(true);
    box->setFrameShape(QFrame::NoFrame);
    return box;
}

bool TfrmThread::PipeShown() const {
    return rec_ && rec_->Pipe;
}

bool TfrmThread::UnitSwitchable() const {
    // A ball micrometer's lengths are in the unit they were typed in.
    return !PipeShown() && !ballMicMode_;
}

void TfrmThread::RemovePipePictures() {
    // The notes say why a pipe grid shows N/A; other threads have their own.
    for (QLabel* note : {lblThdNote, lblNPTGageNote, lblNPTTolsNote})
        note->hide();
    for (TPipePicture** slot : {&dimPicture_, &gagePicture_, &tolPicture_}) {
        delete *slot;
        *slot = nullptr;
    }
    if (!PipeShown()) pipeCaption_.clear();
}

void TfrmThread::AddPipePicture(TPipePicture*& slot, QHBoxLayout* row, TColorStringGrid* grid,
                                PipeDrawing drawing) {
    slot = new TPipePicture(drawing);
    slot->setObjectName(QStringLiteral("pipePicture"));
    row->setSpacing(12);
    row->insertWidget(row->indexOf(grid) + 1, slot, 0, Qt::AlignTop);
}

void TfrmThread::FillPipePages() {
    RemovePipePictures();
    grdTapDrills->hide();
    const PipePagesText pages = BuildPipePages(*rec_);

    // Only "Parameters" and "Thread Dim." stay; NPT adds its two pages.
    RebuildTabs(false);
    updatingTabs_ = true;
    while (TabSet1->count() > ThreadPage::ThreadDim + 1)
        TabSet1->removeTab(TabSet1->count() - 1);
    if (!pages.gages.empty()) {
        TabSet1->addTab(ThreadPage::Caption(ThreadPage::NPTGages));
        TabSet1->addTab(ThreadPage::Caption(ThreadPage::NPTTolerances));
    }
    TabSet1->setCurrentIndex(ThreadPage::ThreadDim);
    updatingTabs_ = false;
    TabSet1Change(ThreadPage::ThreadDim);

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
    // The railing-joint drawing sits in the gauge slot, as the NPT gauge page has none then.
    if (pages.threadDrawing == PipeDrawing::ThreadDims)
        AddPipePicture(dimPicture_, threadRow_, gridThd, pages.threadDrawing);
    else if (pages.threadDrawing != PipeDrawing::None)
        AddPipePicture(gagePicture_, threadRow_, gridThd, pages.threadDrawing);

    ShowPipeNote(lblThdNote, pages.threadNote);
    ShowPipeNote(lblNPTGageNote, pages.gagesNote);
    ShowPipeNote(lblNPTTolsNote, pages.tolsNote);
    nptGageGrid->SetMinimumColumnWidths(kGageColumns);
    nptGageGrid->LoadTextGrid(pages.gages);
    nptTolsGrid->SetMinimumColumnWidths(kTolsColumns);
    nptTolsGrid->LoadTextGrid(pages.tols);
    if (!pages.gages.empty()) {
        AddPipePicture(gagePicture_, gageRow_, nptGageGrid, PipeDrawing::Tols);
        AddPipePicture(tolPicture_, tolsRow_, nptTolsGrid, PipeDrawing::Tols);
    }
    ShowOutOfDate();
    FormActivate();
}
