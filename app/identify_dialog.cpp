#include "app/identify_dialog.h"

#include "core/table_file.h"
#include "ui/typed_number.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

template <typename W> W* Named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

TfrmIdentify::TfrmIdentify(std::function<void(const ParameterEntry&)> open, QWidget* parent)
    : QDialog(parent), open_(std::move(open)) {
    setObjectName(QStringLiteral("frmIdentify"));
    setWindowTitle(tr("Identify Thread"));
    auto* v = new QVBoxLayout(this);

    optExternal =
        Named(new QRadioButton(tr("External thread: measured major diameter")), "optExternal");
    optInternal =
        Named(new QRadioButton(tr("Internal thread: measured minor diameter")), "optInternal");
    optExternal->setChecked(true);
    v->addWidget(optExternal);
    v->addWidget(optInternal);

    auto* form = new QFormLayout;
    txtMeasuredDia = Named(new QLineEdit, "txtMeasuredDia");
    txtMeasuredDia->setPlaceholderText(QStringLiteral("0.248, 6.3mm"));
    cboDiaUnit = Named(new QComboBox, "cboDiaUnit");
    cboDiaUnit->addItems({QStringLiteral("in"), QStringLiteral("mm")});
    auto* diaRow = new QHBoxLayout;
    diaRow->addWidget(txtMeasuredDia, 1);
    diaRow->addWidget(cboDiaUnit);
    form->addRow(Named(new QLabel(tr("Diameter:")), "lblMeasuredDia"), diaRow);
    txtMeasuredPitch = Named(new QLineEdit, "txtMeasuredPitch");
    txtMeasuredPitch->setPlaceholderText(tr("20, or a pitch gauge's 1.5mm"));
    cboPitchUnit = Named(new QComboBox, "cboPitchUnit");
    cboPitchUnit->addItems({QStringLiteral("tpi"), QStringLiteral("mm")});
    auto* pitchRow = new QHBoxLayout;
    pitchRow->addWidget(txtMeasuredPitch, 1);
    pitchRow->addWidget(cboPitchUnit);
    form->addRow(Named(new QLabel(tr("Pitch:")), "lblMeasuredPitch"), pitchRow);
    v->addLayout(form);

    btnIdentify = Named(new QPushButton(tr("&Identify")), "btnIdentify");
    btnIdentify->setDefault(true);
    v->addWidget(btnIdentify, 0, Qt::AlignLeft);
    lblIdentifyNote = Named(new QLabel, "lblIdentifyNote");
    lblIdentifyNote->setWordWrap(true);
    v->addWidget(lblIdentifyNote);

    grdMatches = Named(new QTableWidget, "grdMatches");
    grdMatches->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdMatches->setSelectionMode(QAbstractItemView::SingleSelection);
    grdMatches->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdMatches->verticalHeader()->hide();
    grdMatches->setMinimumSize(620, 180);
    v->addWidget(grdMatches, 1);

    auto* buttons = new QDialogButtonBox;
    btnOpenThread =
        Named(buttons->addButton(tr("&Open in New Window"), QDialogButtonBox::ActionRole),
              "btnOpenThread");
    btnOpenThread->setEnabled(false);
    Named(buttons->addButton(QDialogButtonBox::Close), "btnClose");
    v->addWidget(buttons);

    connect(btnIdentify, &QPushButton::clicked, this, [this] { btnIdentifyClick(); });
    for (QLineEdit* box : {txtMeasuredDia, txtMeasuredPitch})
        connect(box, &QLineEdit::returnPressed, this, [this] { btnIdentifyClick(); });
    connect(btnOpenThread, &QPushButton::clicked, this, [this] { btnOpenThreadClick(); });
    connect(grdMatches, &QTableWidget::cellDoubleClicked, this, [this] { btnOpenThreadClick(); });
    connect(grdMatches, &QTableWidget::itemSelectionChanged, this,
            [this] { btnOpenThread->setEnabled(!grdMatches->selectedItems().isEmpty()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TfrmIdentify::btnIdentifyClick() {
    grdMatches->clear();
    grdMatches->setRowCount(0);
    grdMatches->setColumnCount(0);
    matches_.clear();
    IdentifyQuery q;
    q.internal = optInternal->isChecked();
    const std::string dia = TypedNumber(txtMeasuredDia);
    const std::string pitch = TypedNumber(txtMeasuredPitch);
    // A unit typed with a value wins over the lists, the diameter's first.
    const std::string diaUnit = TypedUnit(dia);
    const std::string pitchUnit = TypedUnit(pitch);
    const bool mm = !diaUnit.empty()     ? diaUnit == "mm"
                    : !pitchUnit.empty() ? pitchUnit == "mm"
                                         : cboDiaUnit->currentIndex() == 1;
    if (!ParseLengthEntry(dia, cboDiaUnit->currentIndex() == 1, q.diameter)) {
        lblIdentifyNote->setText(tr("Invalid measured diameter: give a number, with in or mm "
                                    "if it is not in the unit chosen."));
        txtMeasuredDia->setFocus();
        return;
    }
    if (!ParsePitchEntry(pitch, cboPitchUnit->currentIndex() == 1, q.pitch)) {
        lblIdentifyNote->setText(
            tr("Invalid pitch: give threads per inch, or the pitch in mm (1.5mm)."));
        txtMeasuredPitch->setFocus();
        return;
    }
    try {
        matches_ = IdentifyThread(q);
    } catch (const TableError& e) {
        lblIdentifyNote->setText(QString::fromStdString(e.what()));
        return;
    }
    const std::string heading = IdentifyHeading(q, mm);
    lblIdentifyNote->setText(
        QString::fromStdString(matches_.empty() ? heading + ".\n" + kNothingFits : heading));
    const TextGrid grid = IdentifyGrid(q, matches_, mm);
    grdMatches->setColumnCount(static_cast<int>(grid[0].size()));
    grdMatches->setRowCount(static_cast<int>(grid.size() - 1));
    for (std::size_t c = 0; c < grid[0].size(); ++c)
        grdMatches->setHorizontalHeaderItem(
            static_cast<int>(c), new QTableWidgetItem(QString::fromStdString(grid[0][c])));
    for (std::size_t r = 1; r < grid.size(); ++r)
        for (std::size_t c = 0; c < grid[r].size(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(grid[r][c]));
            if (c >= 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdMatches->setItem(static_cast<int>(r - 1), static_cast<int>(c), item);
        }
    grdMatches->resizeColumnsToContents();
    if (!matches_.empty()) grdMatches->selectRow(0);
}

bool TfrmIdentify::btnOpenThreadClick() {
    const int row = grdMatches->currentRow();
    if (row < 0 || row >= static_cast<int>(matches_.size()) || !open_) return false;
    open_(matches_[static_cast<std::size_t>(row)].entry);
    return true;
}

void ShowIdentifyDialog(QWidget* frame, std::function<void(const ParameterEntry&)> open) {
    auto* dialog = frame->findChild<TfrmIdentify*>();
    if (!dialog) dialog = new TfrmIdentify(std::move(open), frame);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
