#pragma once
// The thread window's "ISO 1502 Gauges" page: the grid of the ISO 1502 plugs
// and rings, the bands of the table they come from, or the one line that says
// why there are none; texts from pages/iso1502_page.

#include "pages/iso1502_page.h"

#include <QWidget>

class QLabel;
class TColorStringGrid;

class TIso1502Page : public QWidget {
    Q_OBJECT
public:
    explicit TIso1502Page(QWidget* parent = nullptr);
    void Show(const Iso1502PageText& page);
    // Results that no longer match the parameters are drawn dimmed.
    void SetDimmed(bool dimmed);
    // The grid shown; empty when the page holds its note alone.
    const TextGrid& Grid() const { return grid_; }
    // The lines shown under the grid.
    const std::vector<std::string>& Notes() const { return notes_; }

signals:
    // The note names the Tables page of the help; a click asks for it.
    void helpRequested(const QString& page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TextGrid grid_;
    std::vector<std::string> notes_;
    QLabel* lblISO1502Unit = nullptr;
    TColorStringGrid* grdISO1502 = nullptr;
    QLabel* lblISO1502Lines = nullptr;
    QLabel* lblISO1502Note = nullptr;
};
