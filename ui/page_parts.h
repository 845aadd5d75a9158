#pragma once
// Small building blocks the thread window's pages share: named widgets, a grid
// centred on its page, entry widths in characters and the note under a grid
// that opens the Tables help page. Widgets only; no page knowledge.

#include <QString>

class QLabel;
class QLayout;
class QObject;
class QWidget;

template <typename W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A grid centred on its page, free to widen with the window.
QLayout* Centred(QWidget* widget);

// Widths of entry boxes in characters of the window's font, so they grow with it.
int CharWidth(const QWidget* w, int chars);

// The note under a grid: hidden until it has a text; `clickWatcher` filters its
// clicks, which open the Tables page of the help.
QLabel* HelpNoteLabel(const char* name, QObject* clickWatcher);
