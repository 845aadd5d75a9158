// Building blocks shared by the thread window's pages.
#include "ui/page_parts.h"

#include <QHBoxLayout>
#include <QLabel>

QLayout* Centred(QWidget* widget) {
    auto* h = new QHBoxLayout;
    h->addStretch(1);
    h->addWidget(widget, 4);
    h->addStretch(1);
    return h;
}

int CharWidth(const QWidget* w, int chars) {
    return w->fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 16;
}

QLabel* HelpNoteLabel(const char* name, QObject* clickWatcher) {
    auto* label = Named(new QLabel, name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(QStringLiteral("Click to open the Tables page of the help"));
    label->installEventFilter(clickWatcher);
    label->hide();
    return label;
}
