// Construction of the thread window's parameter page and "Thread Dim." page:
// creates their widgets and sets the window's pointers to them, nothing else.
#include "pages/parameter_page.h"
#include "ui/color_string_grid.h"
#include "ui/page_parts.h"
#include "ui/thread_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel* NamedLabel(const char* name, const char* text) {
    return Named(new QLabel(QString::fromLatin1(text)), name);
}

QRadioButton* NamedRadio(const char* name, const char* text) {
    return Named(new QRadioButton(QString::fromLatin1(text)), name);
}

} // namespace

QWidget* TfrmThread::BuildParameterPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);

    auto* g = new QGridLayout;
    lblDesignation = NamedLabel("lblDesignation", "&Designation:");
    txtDesignation = Named(new QLineEdit, "txtDesignation");
    lblDesignation->setBuddy(txtDesignation);
    txtDesignation->setPlaceholderText(QStringLiteral("1/4-20 UNC-2A, M10x1.5-6g"));
    const QString designationHelp =
        QStringLiteral("A thread designation as one text (1/4-20 UNC-2A, M10x1.5-6g, 1-5 "
                       "ACME-2G, 1/2-14 NPT); Enter fills the page from it");
    txtDesignation->setToolTip(designationHelp);
    txtDesignation->setStatusTip(designationHelp);
    btnFill = Named(new QPushButton(QStringLiteral("Fill")), "btnFill");
    btnFill->setToolTip(QStringLiteral("Fill the page from the designation"));
    btnFill->setAutoDefault(false);
    auto* designation = new QHBoxLayout;
    designation->addWidget(txtDesignation, 1);
    designation->addWidget(btnFill);
    g->addWidget(lblDesignation, 0, 0);
    g->addLayout(designation, 0, 1);
    Label1 = NamedLabel("Label1", "Thread Type:");
    cboType = Named(new QComboBox, "cboType");
    for (const ThreadTypeEntry& t : ThreadTypeEntries())
        cboType->addItem(QString::fromLatin1(t.caption));
    Label2 = NamedLabel("Label2", "Thread Class:");
    cboClass = Named(new QComboBox, "cboClass");
    // Without a buddy the label shows a single ampersand as it is.
    Label12 = NamedLabel("Label12", "Metric Grades & Tols:");
    btnMetric = Named(new QPushButton(QStringLiteral("6H6H  /  6g6g")), "btnMetric");
    Label4 = NamedLabel("Label4", "Nominal Diameter:");
    txtNomDia = Named(new QLineEdit, "txtNomDia");
    cboNPTSize = Named(new QComboBox, "cboNPTSize");
    Label5 = NamedLabel("Label5", "Threads per Inch:");
    txtPitch = Named(new QLineEdit, "txtPitch");
    Label23 = NamedLabel("Label23", "No. of Thd Starts (1-6)");
    cboStarts = Named(new QComboBox, "cboStarts");
    cboStarts->addItems({"1 Start", "2 Starts", "3 Starts ", "4 Starts", "5 Starts", "6 Starts"});
    g->addWidget(Label1, 1, 0);
    g->addWidget(cboType, 1, 1);
    g->addWidget(Label2, 2, 0);
    g->addWidget(cboClass, 2, 1);
    g->addWidget(Label12, 2, 0);
    g->addWidget(btnMetric, 2, 1);
    g->addWidget(Label4, 3, 0);
    g->addWidget(txtNomDia, 3, 1, Qt::AlignLeft);
    g->addWidget(cboNPTSize, 3, 1, Qt::AlignLeft);
    g->addWidget(Label5, 4, 0);
    g->addWidget(txtPitch, 4, 1, Qt::AlignLeft);
    g->addWidget(Label23, 5, 0);
    g->addWidget(cboStarts, 5, 1, Qt::AlignLeft);
    g->setColumnStretch(1, 1);
    for (QWidget* w : {static_cast<QWidget*>(txtNomDia), static_cast<QWidget*>(cboNPTSize),
                       static_cast<QWidget*>(txtPitch), static_cast<QWidget*>(cboStarts)})
        w->setMinimumWidth(CharWidth(w, 11));
    // Its help follows the type (cboTypeClick).
    txtNomDia->installEventFilter(this);
    v->addLayout(g);

    optLOE = Named(new QGroupBox(QStringLiteral("Length of Engagement")), "optLOE");
    optStandardLOE = NamedRadio("optStandardLOE", "Standard L.O.E.");
    optCustomLOE = NamedRadio("optCustomLOE", "Custom L.O.E.");
    optStandardLOE->setToolTip(QString::fromStdString(LabelTip("Standard L.O.E.")));
    optCustomLOE->setToolTip(QString::fromStdString(LabelTip("Custom L.O.E.")));
    txtLOE = Named(new QLineEdit, "txtLOE");
    txtLOE->setMinimumWidth(CharWidth(txtLOE, 7));
    txtLOE->setEnabled(false);
    optStandardLOE->setChecked(true);
    // The engagement the standard option stands for, for the thread typed so far.
    lblStdLOE = Named(new QLabel, "lblStdLOE");
    lblStdLOE->setToolTip(QStringLiteral("The standard length of engagement Calculate will use"));
    auto* loe = new QGridLayout(optLOE);
    loe->addWidget(optStandardLOE, 0, 0);
    loe->addWidget(lblStdLOE, 0, 1);
    loe->addWidget(optCustomLOE, 1, 0);
    loe->addWidget(txtLOE, 1, 1, Qt::AlignLeft);

    optMetricLOE = Named(new QGroupBox(QStringLiteral("Length of Engagement")), "optMetricLOE");
    metricLOEButtons_ = new QButtonGroup(this);
    auto* mloe = new QVBoxLayout(optMetricLOE);
    const char* const loeItems[] = {"Short LOE", "Normal LOE", "Long LOE"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(loeItems[i]));
        metricLOEButtons_->addButton(b, i);
        mloe->addWidget(b);
    }
    metricLOEButtons_->button(1)->setChecked(true);

    CoatBox = Named(new QGroupBox(QStringLiteral("Coated Threads")), "CoatBox");
    optNoCoat = NamedRadio("optNoCoat", "No Coating");
    optCoating = NamedRadio("optCoating", "Coating Thickness");
    txtCoating = Named(new QLineEdit(QStringLiteral("0.001")), "txtCoating");
    txtCoating->setMinimumWidth(CharWidth(txtCoating, 7));
    txtCoating->setEnabled(false);
    optNoCoat->setChecked(true);
    auto* coat = new QGridLayout(CoatBox);
    coat->addWidget(optNoCoat, 0, 0, 1, 2);
    coat->addWidget(optCoating, 1, 0, 1, 2);
    // The thickness is in the thread's unit: a millimetre box for M and MJ.
    lblCoatingUnit = Named(new QLabel(QStringLiteral("in")), "lblCoatingUnit");
    coat->addWidget(txtCoating, 2, 0, Qt::AlignLeft);
    coat->addWidget(lblCoatingUnit, 2, 1, Qt::AlignLeft);

    auto* boxes = new QGridLayout;
    boxes->addWidget(optLOE, 0, 0);
    boxes->addWidget(optMetricLOE, 0, 0);
    boxes->addWidget(CoatBox, 0, 1);
    boxes->setColumnStretch(2, 1);
    v->addLayout(boxes);
    // Says when the engagement group changes the class chosen.
    lblMetricLOENote = Named(new QLabel, "lblMetricLOENote");
    lblMetricLOENote->setWordWrap(true);
    lblMetricLOENote->hide();
    v->addWidget(lblMetricLOENote);

    optMetricDir = Named(new QGroupBox, "optMetricDir");
    metricDirButtons_ = new QButtonGroup(this);
    auto* dir = new QHBoxLayout(optMetricDir);
    const char* const dirItems[] = {"Right Hand", "Left Hand"};
    for (int i = 0; i < 2; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(dirItems[i]));
        metricDirButtons_->addButton(b, i);
        dir->addWidget(b);
    }
    metricDirButtons_->button(0)->setChecked(true);
    v->addWidget(optMetricDir);

    v->addStretch(1);
    Button2 = Named(new QPushButton(QStringLiteral("Calculate")), "Button2");
    Button2->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button2);
    v->addLayout(buttons);
    return page;
}

QWidget* TfrmThread::BuildThreadPage() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(4, 4, 4, 4);
    gridThd = Named(new TColorStringGrid, "gridThd");
    gridThd->setColumnCount(3);
    gridThd->LoadTextGrid(TextGrid(19, std::vector<std::string>(3)));
    // A pipe thread's drawing goes beside the grid, in this row.
    threadRow_ = static_cast<QHBoxLayout*>(Centred(gridThd));
    threadRow_->setAlignment(gridThd, Qt::AlignTop);
    v->addLayout(threadRow_);
    lblThdNote = HelpNoteLabel("lblThdNote", this);
    v->addWidget(lblThdNote);
    grdTapDrills = Named(new TColorStringGrid, "grdTapDrills");
    grdTapDrills->setColumnCount(4);
    grdTapDrills->hide();
    v->addLayout(Centred(grdTapDrills));
    v->addStretch(1);
    return page;
}
