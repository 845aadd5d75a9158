// The "Inspect" page: reads the window's record, changes its own widgets only.
#include "ui/inspect_page.h"

#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "pages/inspect_page.h"
#include "ui/color_string_grid.h"
#include "ui/message_box.h"
#include "ui/typed_number.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

template <typename W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The entry with the unit it was typed in spelt out, so that it keeps its
// meaning in the other display unit.
QString WithUnit(const QString& text, bool metric) {
    QStringList items = text.split(QRegularExpression(QStringLiteral("[,;]")));
    for (QString& item : items) {
        const QString t = item.trimmed().toLower();
        if (!t.isEmpty() && !t.endsWith(QLatin1String("mm")) && !t.endsWith(QLatin1String("in")))
            item = item.trimmed() + (metric ? QStringLiteral("mm") : QStringLiteral("in"));
        else
            item = item.trimmed();
    }
    return items.join(QStringLiteral(", "));
}

} // namespace

TInspectPage::TInspectPage(std::function<const TTInfo*()> record, QWidget* parent)
    : QWidget(parent), record_(std::move(record)) {
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(8, 8, 8, 8);
    auto* kinds = new QHBoxLayout;
    optInspectMOW = Named(new QRadioButton(QStringLiteral("Readings over wires")), "optInspectMOW");
    optInspectPD = Named(new QRadioButton(QStringLiteral("Pitch diameters")), "optInspectPD");
    optInspectMOW->setChecked(true);
    kinds->addWidget(new QLabel(QStringLiteral("Measured:")));
    kinds->addWidget(optInspectMOW);
    kinds->addWidget(optInspectPD);
    kinds->addStretch(1);
    v->addLayout(kinds);

    auto* form = new QFormLayout;
    cboInspectGauge = Named(new QComboBox, "cboInspectGauge");
    cboInspectGauge->addItems({QStringLiteral("External thread"),
                               QStringLiteral("ISO 1502 GO plug"),
                               QStringLiteral("ISO 1502 NOT GO plug")});
    cboInspectGauge->setToolTip(QStringLiteral(
        "What was measured: the external thread, judged against its limits, or a screw plug "
        "gauge of an M thread, judged new, worn but usable, beyond wear limit or oversize "
        "against its ISO 1502 limits (millimetres)"));
    form->addRow(QStringLiteral("Part:"), cboInspectGauge);

    txtInspectValues = Named(new QLineEdit, "txtInspectValues");
    txtInspectValues->setToolTip(QStringLiteral(
        "One or more measured values of the external thread, separated by commas "
        "(e.g. three positions along the thread), in the display unit or with mm or in"));
    form->addRow(QStringLiteral("Values:"), txtInspectValues);
    txtInspectWire = Named(new QLineEdit, "txtInspectWire");
    txtInspectWire->setToolTip(
        QStringLiteral("The wire size the readings were taken over; the current wire when empty"));
    lblInspectWire = new QLabel(QStringLiteral("Wire Size:"));
    form->addRow(lblInspectWire, txtInspectWire);
    v->addLayout(form);

    auto* buttons = new QHBoxLayout;
    btnInspectCheck = Named(new QPushButton(QStringLiteral("Check")), "btnInspectCheck");
    buttons->addWidget(btnInspectCheck);
    buttons->addStretch(1);
    v->addLayout(buttons);

    grdInspect = Named(new TColorStringGrid, "grdInspect");
    grdInspect->setColumnCount(7);
    grdInspect->LoadTextGrid(TextGrid(1));
    grdInspect->hide();
    v->addWidget(grdInspect);
    lblInspectVerdict = Named(new QLabel, "lblInspectVerdict");
    lblInspectVerdict->setWordWrap(true);
    QFont bold = lblInspectVerdict->font();
    bold.setBold(true);
    lblInspectVerdict->setFont(bold);
    v->addWidget(lblInspectVerdict);
    v->addStretch(1);

    connect(btnInspectCheck, &QPushButton::clicked, this, [this] { btnCheckClick(); });
    connect(txtInspectValues, &QLineEdit::returnPressed, this, [this] { btnCheckClick(); });
    connect(txtInspectWire, &QLineEdit::returnPressed, this, [this] { btnCheckClick(); });
    connect(cboInspectGauge, &QComboBox::currentIndexChanged, this, [this] { Clear(); });
    connect(optInspectMOW, &QRadioButton::toggled, this, [this](bool wires) {
        lblInspectWire->setEnabled(wires);
        txtInspectWire->setEnabled(wires);
        Clear();
    });
}

void TInspectPage::Clear() {
    grid_.clear();
    notes_.clear();
    grdInspect->hide();
    lblInspectVerdict->clear();
}

void TInspectPage::ShowWireEntry() {
    const TTInfo* rec = record_();
    if (!rec) return;
    const ScopedDisplayUnit unit(metric_);
    txtInspectWire->setPlaceholderText(
        QString::fromStdString(DimText(rec->ExtThd, 5, rec->ExtThd.CurWire)));
}

void TInspectPage::Refresh(bool metric) {
    const TTInfo* rec = record_();
    const bool again = rec == shown_ && metric != metric_ && !grid_.empty();
    if (rec != shown_) Clear();
    if (again) {
        txtInspectValues->setText(WithUnit(txtInspectValues->text(), metric_));
        if (!txtInspectWire->text().trimmed().isEmpty())
            txtInspectWire->setText(WithUnit(txtInspectWire->text(), metric_));
    }
    shown_ = rec;
    metric_ = metric;
    // Only an M thread has ISO 1502 plugs.
    const bool m = rec && !rec->Pipe && rec->ExtThd.TypeCode == kTypeM;
    if (!m) cboInspectGauge->setCurrentIndex(0);
    cboInspectGauge->setEnabled(m);
    ShowWireEntry();
    if (again) btnCheckClick();
}

bool TInspectPage::btnCheckClick() {
    const TTInfo* rec = record_();
    if (!rec) {
        ShowInformation(this, QStringLiteral("Calculate the thread first."));
        return false;
    }
    InspectEntry entry;
    entry.gauge = static_cast<InspectGauge>(cboInspectGauge->currentIndex());
    entry.overWires = optInspectMOW->isChecked();
    entry.valuesText = PointDecimalList(txtInspectValues->text()).toStdString();
    entry.wireText = entry.overWires ? TypedNumber(txtInspectWire) : std::string();
    const InspectPageText page = BuildInspectPage(*rec, entry, metric_);
    if (!page.message.empty()) {
        ShowError(this, QString::fromStdString(page.message));
        return false;
    }
    grid_ = page.grid;
    notes_ = {page.verdict, page.readingsLine};
    grdInspect->setColumnCount(static_cast<int>(grid_.front().size()));
    grdInspect->LoadTextGrid(grid_, GridTips(grid_, metric_));
    grdInspect->show();
    const bool inside = page.gauge.empty() ? page.inspection.overall == PDVerdict::Inside
                                           : page.overallWear == Iso1502Wear::New ||
                                                 page.overallWear == Iso1502Wear::WornUsable;
    lblInspectVerdict->setText(QString::fromStdString(page.verdict));
    lblInspectVerdict->setStyleSheet(inside ? QStringLiteral("color: #1a7f37;")
                                            : QStringLiteral("color: #c62828;"));
    return true;
}
