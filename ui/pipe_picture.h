#pragma once
// A pipe drawing beside a pipe grid: painted by the same routine as the report
// pictures, at a size where its labels read like the window's own text.

#include "report/pipe_drawings.h"

#include <QWidget>

class TPipePicture : public QWidget {
    Q_OBJECT
public:
    TPipePicture(PipeDrawing drawing, QWidget* parent = nullptr);
    PipeDrawing Drawing() const { return drawing_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    PipeDrawing drawing_;
};
