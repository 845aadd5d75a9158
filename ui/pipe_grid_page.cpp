// A pipe page of the thread window: grid, drawing and note. The texts come
// from the pipe page builder.
#include "ui/pipe_grid_page.h"

#include "ui/page_parts.h"
#include "ui/pipe_picture.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TPipeGridPage::TPipeGridPage(const char* gridName, const char* noteName, const char* boxName,
                             QWidget* parent)
    : QScrollArea(parent) {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(4, 4, 4, 4);
    grid_ = Named(new TColorStringGrid, gridName);
    row_ = new QHBoxLayout;
    row_->addStretch(1);
    row_->addWidget(grid_, 0, Qt::AlignTop);
    row_->addStretch(1);
    v->addLayout(row_);
    note_ = HelpNoteLabel(noteName, this);
    v->addWidget(note_);
    v->addStretch(1);
    setObjectName(QString::fromLatin1(boxName));
    setWidget(page);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
}

void TPipeGridPage::Clear() {
    note_->hide();
    delete picture_;
    picture_ = nullptr;
}

void TPipeGridPage::Show(const TextGrid& grid, const std::vector<int>& widths,
                         const std::string& note, PipeDrawing drawing) {
    note_->setText(QString::fromStdString(note));
    note_->setVisible(!note.empty());
    grid_->SetMinimumColumnWidths(widths);
    grid_->LoadTextGrid(grid);
    if (drawing == PipeDrawing::None) return;
    picture_ = new TPipePicture(drawing);
    picture_->setObjectName(QStringLiteral("pipePicture"));
    row_->setSpacing(12);
    row_->insertWidget(row_->indexOf(grid_) + 1, picture_, 0, Qt::AlignTop);
}

bool TPipeGridPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == note_ && event->type() == QEvent::MouseButtonRelease) emit helpRequested();
    return QScrollArea::eventFilter(watched, event);
}
