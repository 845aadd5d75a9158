#pragma once
// A pipe page of the thread window ("NPT Gages", "NPT Tolerances"): a grid with
// its drawing beside it and the note saying why it shows N/A, in a scroll area
// of its own. Shows the texts it is given; touches its own widgets only.

#include "report/pipe_drawings.h"
#include "ui/color_string_grid.h"

#include <QScrollArea>

#include <string>
#include <vector>

class QHBoxLayout;
class QLabel;
class TPipePicture;

class TPipeGridPage : public QScrollArea {
    Q_OBJECT
public:
    TPipeGridPage(const char* gridName, const char* noteName, const char* boxName,
                  QWidget* parent = nullptr);

    TColorStringGrid* Grid() const { return grid_; }
    // `widths` are the design widths of the columns; no drawing for None.
    void Show(const TextGrid& grid, const std::vector<int>& widths, const std::string& note,
              PipeDrawing drawing);
    // Before a fill, and for a thread that is no pipe: no note, no drawing.
    void Clear();

signals:
    void helpRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TColorStringGrid* grid_ = nullptr;
    QHBoxLayout* row_ = nullptr;
    QLabel* note_ = nullptr;
    TPipePicture* picture_ = nullptr;
};
