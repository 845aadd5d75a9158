// The "ISO 1502 Gauges" page: shows the texts it is given; changes its own widgets only.
#include "ui/iso1502_page.h"

#include "ui/color_string_grid.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

namespace {

template <typename W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TIso1502Page::TIso1502Page(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ISO1502Page"));
    auto* v = new QVBoxLayout(this);
    lblISO1502Unit = Named(new QLabel, "lblISO1502Unit");
    lblISO1502Unit->setAlignment(Qt::AlignCenter);
    v->addWidget(lblISO1502Unit);
    grdISO1502 = Named(new TColorStringGrid, "grdISO1502");
    grdISO1502->setColumnCount(5);
    grdISO1502->LoadTextGrid(TextGrid(1));
    auto* h = new QHBoxLayout;
    h->addStretch(1);
    h->addWidget(grdISO1502, 6);
    h->addStretch(1);
    v->addLayout(h);
    // Under the grid, from its left edge.
    lblISO1502Lines = Named(new QLabel, "lblISO1502Lines");
    lblISO1502Lines->setWordWrap(true);
    lblISO1502Lines->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* lines = new QHBoxLayout;
    lines->addStretch(1);
    lines->addWidget(lblISO1502Lines, 6);
    lines->addStretch(1);
    v->addLayout(lines);
    lblISO1502Note = Named(new QLabel, "lblISO1502Note");
    lblISO1502Note->setWordWrap(true);
    lblISO1502Note->setAlignment(Qt::AlignCenter);
    lblISO1502Note->setCursor(Qt::PointingHandCursor);
    lblISO1502Note->setToolTip(QStringLiteral("Click to open the Tables page of the help"));
    lblISO1502Note->installEventFilter(this);
    lblISO1502Note->hide();
    v->addWidget(lblISO1502Note);
    v->addStretch(1);
}

void TIso1502Page::Show(const Iso1502PageText& page) {
    const bool none = !page.note.empty();
    grid_ = none ? TextGrid() : page.grid;
    notes_ = page.lines;
    lblISO1502Unit->setText(QString::fromStdString(page.unit));
    lblISO1502Unit->setVisible(!none);
    grdISO1502->LoadTextGrid(none ? TextGrid(1) : page.grid, page.tips);
    grdISO1502->setVisible(!none);
    QStringList lines;
    for (const std::string& line : page.lines)
        lines << QString::fromStdString(line);
    lblISO1502Lines->setText(lines.join('\n'));
    lblISO1502Lines->setVisible(!none);
    lblISO1502Note->setText(QString::fromStdString(page.note));
    lblISO1502Note->setVisible(none);
}

void TIso1502Page::SetDimmed(bool dimmed) {
    grdISO1502->SetDimmed(dimmed);
}

bool TIso1502Page::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblISO1502Note && event->type() == QEvent::MouseButtonRelease)
        emit helpRequested(QStringLiteral("tables.html"));
    return QWidget::eventFilter(watched, event);
}
