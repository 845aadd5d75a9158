// The metric grade dialog: its lists and the classes it hands back.
#include "ui/metric_dialog.h"

#include "ui/dialog_buttons.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kListNames[kMetricDialogLists] = {
    "cboIntPDGrade", "cboIntPDPos", "cboIntMinorGrade", "cboIntMinorPos",
    "cboExtPDGrade", "cboExtPDPos", "cboExtMajorGrade", "cboExtMajorPos",
};

QLabel* Label(const char* text) {
    return new QLabel(QString::fromLatin1(text));
}

} // namespace

TfrmMetric::TfrmMetric(const MetricTolTexts& tols, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmMetric"));
    setWindowTitle(QStringLiteral("Metric Grades & Pos. Toleranes"));
    const MetricDialogChoice choice = DialogChoiceFromTexts(tols);
    for (int i = 0; i < kMetricDialogLists; ++i) {
        auto* box = new QComboBox;
        box->setObjectName(QString::fromLatin1(kListNames[i]));
        for (const std::string& e : MetricDialogEntries(i))
            box->addItem(QString::fromStdString(e));
        box->setCurrentIndex(choice[static_cast<std::size_t>(i)]);
        lists_[i] = box;
    }

    // Two rows per thread (grade, position) under the diameter each list is for.
    auto* g = new QGridLayout;
    g->addWidget(Label("Pitch Dia."), 0, 2);
    g->addWidget(Label("Minor Dia."), 0, 3);
    g->addWidget(Label("Internal Tol:"), 1, 0);
    g->addWidget(Label("Grade:"), 1, 1);
    g->addWidget(lists_[kIntPDGrade], 1, 2);
    g->addWidget(lists_[kIntMinorGrade], 1, 3);
    g->addWidget(Label("Pos:"), 2, 1);
    g->addWidget(lists_[kIntPDPos], 2, 2);
    g->addWidget(lists_[kIntMinorPos], 2, 3);
    g->addWidget(Label("Pitch Dia."), 3, 2);
    g->addWidget(Label("Major Dia."), 3, 3);
    g->addWidget(Label("External Tol:"), 4, 0);
    g->addWidget(Label("Grade:"), 4, 1);
    g->addWidget(lists_[kExtPDGrade], 4, 2);
    g->addWidget(lists_[kExtMajorGrade], 4, 3);
    g->addWidget(Label("Pos:"), 5, 1);
    g->addWidget(lists_[kExtPDPos], 5, 2);
    g->addWidget(lists_[kExtMajorPos], 5, 3);
    g->setRowMinimumHeight(3, 24);

    auto* buttons =
        DialogButtons(this, QStringLiteral("OK"), "btnOK", btnOK, "btnCancel", btnCancel);

    auto* v = new QVBoxLayout(this);
    v->addLayout(g);
    v->addLayout(buttons);
}

MetricTolTexts TfrmMetric::Texts() const {
    MetricDialogChoice choice{};
    for (int i = 0; i < kMetricDialogLists; ++i)
        choice[static_cast<std::size_t>(i)] = lists_[i]->currentIndex();
    return TextsFromDialogChoice(choice);
}
