// The gauge register's window: shows the register's rows and texts; every
// change goes through GaugeRegister, every text comes from register/.
#include "ui/register_window.h"

#include "core/atomic_file.h"
#include "core/designation.h"
#include "core/settings.h"
#include "core/thread_record.h"
#include "pages/thread_file.h"
#include "register/register_text.h"
#include "ui/message_box.h"
#include "ui/page_parts.h"
#include "ui/register_access.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

const std::array<GaugeMember, 6> kMembers = {GaugeMember::GoPlug,    GaugeMember::NoGoPlug,
                                             GaugeMember::GoRing,    GaugeMember::NoGoRing,
                                             GaugeMember::GoSetPlug, GaugeMember::NoGoSetPlug};
const std::array<GaugeStatus, 3> kStatuses = {GaugeStatus::InUse, GaugeStatus::Quarantined,
                                              GaugeStatus::Retired};

QPushButton* Button(const char* name, const char* text, QLayout* into) {
    auto* b = Named(new QPushButton(QString::fromUtf8(text)), name);
    into->addWidget(b);
    return b;
}

QString CsvFilter() {
    return QStringLiteral("CSV Files (*.csv);;All Files (*)");
}

} // namespace

TfrmRegister::TfrmRegister(std::unique_ptr<GaugeRegister> reg, RegisterWindowLinks links,
                           QWidget* parent)
    : QDialog(parent), register_(std::move(reg)), links_(std::move(links)) {
    setObjectName(QStringLiteral("frmRegister"));
    setWindowTitle("Gauge Register \xE2\x80\x94 " + Q(register_->Where()));
    auto* v = new QVBoxLayout(this);

    auto* filters = new QHBoxLayout;
    txtRegFilter = Named(new QLineEdit, "txtRegFilter");
    txtRegFilter->setPlaceholderText(
        QStringLiteral("Find in serial, description, thread, owner, location"));
    txtRegFilter->setClearButtonEnabled(true);
    cboRegMember = Named(new QComboBox, "cboRegMember");
    cboRegMember->addItem(QStringLiteral("All members"));
    for (GaugeMember m : kMembers)
        cboRegMember->addItem(MemberName(m));
    cboRegStatus = Named(new QComboBox, "cboRegStatus");
    cboRegStatus->addItem(QStringLiteral("Any status"));
    for (GaugeStatus s : kStatuses)
        cboRegStatus->addItem(StatusName(s));
    cboRegDue = Named(new QComboBox, "cboRegDue");
    cboRegDue->addItems({QStringLiteral("Any due date"),
                         QStringLiteral("Due within %1 days").arg(kDueSoonDays),
                         QStringLiteral("Overdue")});
    cboRegSort = Named(new QComboBox, "cboRegSort");
    cboRegSort->addItems({"Serial", "Due", "Thread", "Member", "Owner", "Location", "Status"});
    chkRegDescending = Named(new QCheckBox(QStringLiteral("Descending")), "chkRegDescending");
    filters->addWidget(txtRegFilter, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{cboRegMember, cboRegStatus, cboRegDue})
        filters->addWidget(w);
    filters->addWidget(new QLabel(QStringLiteral("Sort by:")));
    filters->addWidget(cboRegSort);
    filters->addWidget(chkRegDescending);
    v->addLayout(filters);

    model_ = new QStandardItemModel(this);
    grdRegister = Named(new QTableView, "grdRegister");
    grdRegister->setModel(model_);
    grdRegister->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdRegister->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRegister->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdRegister->verticalHeader()->hide();
    grdRegister->horizontalHeader()->setStretchLastSection(true);
    v->addWidget(grdRegister, 1);
    auto* legend = Named(
        new QLabel(QStringLiteral("<span style='background:#f8d7da'>&nbsp;overdue&nbsp;</span> "
                                  "<span style='background:#fff3cd'>&nbsp;due within %1 days&nbsp;"
                                  "</span>")
                       .arg(kDueSoonDays)),
        "lblRegLegend");
    v->addWidget(legend);

    auto* buttons = new QHBoxLayout;
    auto* add = Button("btnRegAdd", "Add...", buttons);
    auto* quarantine = Button("btnRegQuarantine", "Quarantine", buttons);
    auto* retire = Button("btnRegRetire", "Retire", buttons);
    auto* inUse = Button("btnRegInUse", "Return to Use", buttons);
    auto* history = Button("btnRegHistory", "History...", buttons);
    auto* thread = Button("btnRegOpenThread", "Open Thread", buttons);
    auto* import = Button("btnRegImport", "Import CSV...", buttons);
    auto* exportGauges = Button("btnRegExport", "Export Gauges...", buttons);
    auto* exportCals = Button("btnRegExportCals", "Export Calibrations...", buttons);
    buttons->addStretch(1);
    auto* close = Named(new QDialogButtonBox(QDialogButtonBox::Close), "btnRegClose");
    buttons->addWidget(close);
    v->addLayout(buttons);

    connect(txtRegFilter, &QLineEdit::textChanged, this, [this] { Refresh(); });
    for (QComboBox* box : {cboRegMember, cboRegStatus, cboRegDue, cboRegSort})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    connect(chkRegDescending, &QCheckBox::toggled, this, [this] { Refresh(); });
    connect(add, &QPushButton::clicked, this, [this] { AddClick(); });
    connect(quarantine, &QPushButton::clicked, this,
            [this] { SetSelectedStatus(GaugeStatus::Quarantined); });
    connect(retire, &QPushButton::clicked, this,
            [this] { SetSelectedStatus(GaugeStatus::Retired); });
    connect(inUse, &QPushButton::clicked, this, [this] { SetSelectedStatus(GaugeStatus::InUse); });
    connect(history, &QPushButton::clicked, this, [this] { ShowHistory(); });
    connect(thread, &QPushButton::clicked, this, [this] { OpenSelectedThread(); });
    connect(grdRegister, &QTableView::doubleClicked, this, [this] { ShowHistory(); });
    connect(import, &QPushButton::clicked, this, [this] {
        const QString f =
            QFileDialog::getOpenFileName(this, QStringLiteral("Import"), {}, CsvFilter());
        if (!f.isEmpty()) ImportCsv(f);
    });
    for (QPushButton* b : {exportGauges, exportCals})
        connect(b, &QPushButton::clicked, this, [this, calibrations = b == exportCals] {
            const QString f =
                QFileDialog::getSaveFileName(this, QStringLiteral("Export"), {}, CsvFilter());
            if (!f.isEmpty()) ExportCsv(f, calibrations);
        });
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(1100, 520);
    Refresh();
}

TfrmRegister::~TfrmRegister() = default;

bool TfrmRegister::Failed(const RegisterResult& r) {
    if (r) return false;
    ShowError(this, Q(r.message));
    return true;
}

bool TfrmRegister::Refresh() {
    RegisterFilter f;
    f.text = txtRegFilter->text().toStdString();
    if (cboRegMember->currentIndex() > 0) f.member = kMembers[cboRegMember->currentIndex() - 1];
    if (cboRegStatus->currentIndex() > 0) f.status = kStatuses[cboRegStatus->currentIndex() - 1];
    if (cboRegDue->currentIndex() == 1) f.dueWithinDays = kDueSoonDays;
    f.overdueOnly = cboRegDue->currentIndex() == 2;
    f.sort = static_cast<RegisterSort>(cboRegSort->currentIndex());
    f.descending = chkRegDescending->isChecked();
    const std::string selected = SelectedSerial();
    entries_.clear();
    const Date today = Today();
    const RegisterResult listed = register_->List(f, today, entries_);
    model_->clear();
    QStringList titles;
    for (const std::string& t : RegisterListTitles())
        titles << Q(t);
    model_->setHorizontalHeaderLabels(titles);
    for (const RegisterEntry& e : entries_) {
        QList<QStandardItem*> row;
        const DueMark mark = DueMarkOf(e, today);
        for (const std::string& cell : RegisterListRow(e)) {
            auto* item = new QStandardItem(Q(cell));
            if (mark != DueMark::None) {
                item->setBackground(QColor(mark == DueMark::Overdue ? "#f8d7da" : "#fff3cd"));
                item->setToolTip(mark == DueMark::Overdue
                                     ? QStringLiteral("Overdue")
                                     : QStringLiteral("Due within %1 days").arg(kDueSoonDays));
            }
            row << item;
        }
        model_->appendRow(row);
        if (e.gauge.serial == selected) grdRegister->selectRow(model_->rowCount() - 1);
    }
    grdRegister->resizeColumnsToContents();
    return !Failed(listed);
}

std::string TfrmRegister::SelectedSerial() const {
    const QModelIndexList rows = grdRegister->selectionModel()
                                     ? grdRegister->selectionModel()->selectedRows()
                                     : QModelIndexList();
    if (rows.isEmpty() || rows.first().row() >= static_cast<int>(entries_.size())) return {};
    return entries_[static_cast<std::size_t>(rows.first().row())].gauge.serial;
}

bool TfrmRegister::AddGauge(GaugeRecord g, bool withThread) {
    TTInfo* rec = links_.activeRecord ? links_.activeRecord() : nullptr;
    if (withThread && rec) {
        g.threadFile = ThreadFileText(*rec);
        // The plugs gauge the internal thread, the rings and setting plugs the external one.
        const bool plug = g.member == GaugeMember::GoPlug || g.member == GaugeMember::NoGoPlug;
        TThdInfo product = plug ? rec->IntThd : rec->ExtThd;
        if (g.thread.empty()) g.thread = DesignationText(product);
    }
    if (Failed(register_->AddGauge(g))) return false;
    txtRegFilter->clear();
    Refresh();
    return true;
}

bool TfrmRegister::SetSelectedStatus(GaugeStatus status) {
    const std::string serial = SelectedSerial();
    if (serial.empty()) {
        ShowInformation(this, QStringLiteral("Select a gauge first."));
        return false;
    }
    if (status == GaugeStatus::Retired &&
        !AskYesNo(this, Q("Retire gauge " + serial + "? A retired gauge takes no calibration.")))
        return false;
    if (Failed(register_->SetStatus(serial, status))) return false;
    Refresh();
    return true;
}

bool TfrmRegister::ShowHistory() {
    const std::string serial = SelectedSerial();
    std::vector<CalibrationRecord> history;
    if (serial.empty() || Failed(register_->History(serial, history))) return false;
    auto* dialog = Named(new QDialog(this), "frmRegisterHistory");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(Q("Calibrations of gauge " + serial));
    auto* v = new QVBoxLayout(dialog);
    auto* table = Named(new QTableWidget, "grdRegisterHistory");
    // The columns of the calibrations' CSV file, without the inputs' whole text.
    std::vector<int> shown;
    QStringList titles;
    const std::vector<std::string>& columns = CalibrationCsvColumns();
    for (std::size_t c = 0; c < columns.size(); ++c)
        if (columns[c] != "cal_inputs" && columns[c] != "serial") {
            shown.push_back(static_cast<int>(c));
            titles << Q(columns[c]);
        }
    table->setColumnCount(static_cast<int>(shown.size()));
    table->setHorizontalHeaderLabels(titles);
    table->setRowCount(static_cast<int>(history.size()));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (std::size_t r = 0; r < history.size(); ++r) {
        const std::vector<std::string> fields = CalibrationCsvFields(serial, history[r]);
        for (std::size_t c = 0; c < shown.size(); ++c)
            table->setItem(static_cast<int>(r), static_cast<int>(c),
                           new QTableWidgetItem(Q(fields[static_cast<std::size_t>(shown[c])])));
    }
    table->resizeColumnsToContents();
    v->addWidget(table);
    dialog->resize(900, 300);
    dialog->show();
    return true;
}

bool TfrmRegister::ImportCsv(const QString& fileName) {
    int imported = 0;
    if (Failed(register_->ImportCsvFile(fileName.toStdString(), imported))) return false;
    Refresh();
    ShowInformation(this, QStringLiteral("%1 rows imported from %2.").arg(imported).arg(fileName));
    return true;
}

bool TfrmRegister::ExportCsv(const QString& fileName, bool calibrations) {
    std::string csv;
    if (Failed(register_->ExportCsv(calibrations, csv))) return false;
    if (const int error = WriteFileAtomically(fileName.toStdString(), csv)) {
        ShowError(this, "Can not write " + fileName + ": " + Q(FileErrorText(error)));
        return false;
    }
    return true;
}

bool TfrmRegister::OpenSelectedThread() {
    const std::string serial = SelectedSerial();
    if (serial.empty()) return false;
    RegisterEntry e;
    if (Failed(register_->Find(serial, Today(), e))) return false;
    if (e.gauge.threadFile.empty()) {
        ShowInformation(this, Q("The register holds no thread file for gauge " + serial + "."));
        return false;
    }
    // The thread gets a file of its own beside the register's other data, so
    // the window can save it again.
    QString name = Q(serial);
    for (QChar& c : name)
        if (!c.isLetterOrNumber() && c != '-' && c != '_' && c != '.') c = '_';
    const QString folder = Q(UserDataDir()) + QStringLiteral("gauge-threads");
    const QString path = folder + '/' + name + QStringLiteral(".thd");
    if (!QDir().mkpath(folder)) {
        ShowError(this, "Can not make the folder " + folder);
        return false;
    }
    if (const int error = WriteFileAtomically(path.toStdString(), e.gauge.threadFile)) {
        ShowError(this, "Can not write " + path + ": " + Q(FileErrorText(error)));
        return false;
    }
    if (links_.openThread) links_.openThread(path);
    return true;
}
