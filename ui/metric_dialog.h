#pragma once
// The metric grade dialog: grades and positions of the internal and external
// tolerance classes of an M thread.

#include "pages/metric_tolerance.h"

#include <QDialog>

class QComboBox;
class QPushButton;

class TfrmMetric : public QDialog {
    Q_OBJECT
public:
    // The lists preset from the classes the button shows.
    explicit TfrmMetric(const MetricTolTexts& tols, QWidget* parent = nullptr);
    // The classes the lists make: internal upper case, external lower case.
    MetricTolTexts Texts() const;

private:
    QComboBox* lists_[kMetricDialogLists] = {};
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
};
