// The "Calibrate" dialog: reads its record, changes its own widgets only; the
// texts come from pages/calibration_page.
#include "ui/calibrate_dialog.h"

#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/table_file.h"
#include "core/thread_record.h"
#include "pages/calibration_file.h"
#include "register/gauge_register.h"
#include "report/print_preview.h"
#include "ui/color_string_grid.h"
#include "ui/message_box.h"
#include "ui/page_parts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The measurement's entries: name, caption, the entry's field, and the default
// an empty entry takes (shown greyed); the wire's is the gauge's wire.
struct InputField {
    const char* name;
    const char* caption;
    std::string CalibrationEntry::*text;
    const char* placeholder;
};

const InputField kInputs[] = {
    {"txtCalReadings", "Readings over wires:", &CalibrationEntry::readings, "M1, M2, ..."},
    {"txtCalWire", "Wire diameter:", &CalibrationEntry::wire, nullptr},
    {"txtCalUWire", "u(wire):", &CalibrationEntry::uWire, ""},
    {"txtCalUReading", "u(reading):", &CalibrationEntry::uReading, ""},
    {"txtCalKReading", "k of u(reading):", &CalibrationEntry::kReading, "1"},
    {"txtCalPitchDev", "Pitch deviation:", &CalibrationEntry::pitchDev, "0"},
    {"txtCalUPitch", "u(pitch):", &CalibrationEntry::uPitch, "0"},
    {"txtCalAngleDev", "Half-angle deviation, min:", &CalibrationEntry::angleDev, "0"},
    {"txtCalUAngle", "u(half-angle), min:", &CalibrationEntry::uAngle, "0"},
    {"txtCalTempGauge",
     "Gauge temperature, \xC2\xB0"
     "C:",
     &CalibrationEntry::tempGauge, "20"},
    {"txtCalTempInstrument",
     "Instrument temperature, \xC2\xB0"
     "C:",
     &CalibrationEntry::tempInstrument, "20"},
    {"txtCalUTempGauge", "u(gauge temperature), K:", &CalibrationEntry::uTempGauge, "0"},
    {"txtCalUTempInstrument", "u(instrument temperature), K:", &CalibrationEntry::uTempInstrument,
     "0"},
    {"txtCalAlphaGauge", "Gauge expansion, 1/K:", &CalibrationEntry::alphaGauge, "11.5e-6 (steel)"},
    {"txtCalAlphaInstrument", "Instrument expansion, 1/K:", &CalibrationEntry::alphaInstrument,
     "11.5e-6 (steel)"},
    {"txtCalMajorReadings", "Major diameter readings:", &CalibrationEntry::majorReadings,
     "not measured"},
    {"txtCalUMajor", "u(major reading):", &CalibrationEntry::uMajor, ""},
};

struct IdentityField {
    const char* name;
    const char* caption;
    std::string CertificateIdentity::*text;
};

const IdentityField kIdentity[] = {
    {"txtCalSerial", "Serial number:", &CertificateIdentity::serial},
    {"txtCalOwner", "Owner:", &CertificateIdentity::owner},
    {"txtCalDescription", "Description:", &CertificateIdentity::description},
    {"txtCalCustomer", "Customer:", &CertificateIdentity::customer},
    {"txtCalDate", "Date:", &CertificateIdentity::date},
    {"txtCalOperator", "Operator:", &CertificateIdentity::operatorName},
    {"txtCalEnvironment", "Environment:", &CertificateIdentity::environment},
};

const CalMember kMembers[] = {CalMember::GoPlug, CalMember::NoGoPlug, CalMember::GoSetPlug,
                              CalMember::NoGoSetPlug};

QPushButton* Button(const char* name, const char* text) {
    return Named(new QPushButton(QString::fromUtf8(text)), name);
}

QString FileFilter() {
    return QStringLiteral("Calibration Files (*.cal);;All Files (*)");
}

} // namespace

TCalibrateDialog::TCalibrateDialog(TTInfo& rec, CalMember member, bool metric, QWidget* parent)
    : QDialog(parent), windowRec_(&rec), metric_(metric) {
    setObjectName(QStringLiteral("frmCalibrate"));
    setWindowTitle(QStringLiteral("Calibrate"));
    auto* columns = new QHBoxLayout(this);

    auto* left = new QVBoxLayout;
    auto* gauge = Named(new QGroupBox(QStringLiteral("Measurement")), "grpCalMeasurement");
    auto* form = new QFormLayout(gauge);
    cboCalMember = Named(new QComboBox, "cboCalMember");
    for (CalMember m : kMembers)
        cboCalMember->addItem(Q(CalMemberName(m)), Q(CalMemberKey(m)));
    cboCalMember->setCurrentIndex(static_cast<int>(member));
    form->addRow(QStringLiteral("Gauge:"), cboCalMember);
    for (const InputField& f : kInputs) {
        auto* box = Named(new QLineEdit, f.name);
        box->setMinimumWidth(CharWidth(box, 18));
        if (f.placeholder) box->setPlaceholderText(QString::fromUtf8(f.placeholder));
        form->addRow(QString::fromUtf8(f.caption), box);
        inputs_.push_back(box);
        connect(box, &QLineEdit::returnPressed, this, [this] { btnCalculateClick(); });
    }
    inputs_[0]->setToolTip(QStringLiteral(
        "Readings over three wires, separated by commas, in the display unit or with mm or in"));
    left->addWidget(gauge);
    auto* who = Named(new QGroupBox(QStringLiteral("Certificate")), "grpCalIdentity");
    auto* whoForm = new QFormLayout(who);
    for (const IdentityField& f : kIdentity) {
        auto* box = Named(new QLineEdit, f.name);
        whoForm->addRow(QString::fromUtf8(f.caption), box);
        identity_.push_back(box);
    }
    identity_[4]->setPlaceholderText(QStringLiteral("YYYY-MM-DD"));
    left->addWidget(who);
    left->addStretch(1);
    columns->addLayout(left);

    auto* right = new QVBoxLayout;
    auto* actions = new QHBoxLayout;
    auto* calc = Button("btnCalCalculate", "Calculate");
    auto* open = Button("btnCalOpen", "Open...");
    auto* save = Button("btnCalSave", "Save...");
    auto* preview = Button("btnCalPreview", "Certificate...");
    btnCalRegister = Button("btnCalRegister", "Store in Register");
    btnCalRegister->setEnabled(false);
    for (QPushButton* b : {calc, open, save, preview, btnCalRegister})
        actions->addWidget(b);
    actions->addStretch(1);
    right->addLayout(actions);
    grdCalBudget = Named(new TColorStringGrid, "grdCalBudget");
    grdCalBudget->setColumnCount(6);
    grdCalBudget->SetFixed(1, 1);
    right->addWidget(grdCalBudget);
    grdCalSummary = Named(new TColorStringGrid, "grdCalSummary");
    grdCalSummary->setColumnCount(2);
    grdCalSummary->SetFixed(0, 1);
    right->addWidget(grdCalSummary);
    lblCalKRule = Named(new QLabel, "lblCalKRule");
    lblCalReadings = Named(new QLabel, "lblCalReadings");
    lblCalVerdict = Named(new QLabel, "lblCalVerdict");
    QFont bold = lblCalVerdict->font();
    bold.setBold(true);
    lblCalVerdict->setFont(bold);
    for (QLabel* l : {lblCalKRule, lblCalReadings, lblCalVerdict}) {
        l->setWordWrap(true);
        right->addWidget(l);
    }
    right->addStretch(1);
    auto* close = Named(new QDialogButtonBox(QDialogButtonBox::Close), "btnCalClose");
    right->addWidget(close);
    columns->addLayout(right, 1);

    connect(calc, &QPushButton::clicked, this, [this] { btnCalculateClick(); });
    connect(open, &QPushButton::clicked, this, [this] {
        const QString f = QFileDialog::getOpenFileName(this, QStringLiteral("Open Calibration"), {},
                                                       FileFilter());
        if (!f.isEmpty()) OpenCalFile(f);
    });
    connect(save, &QPushButton::clicked, this, [this] {
        if (!btnCalculateClick()) return;
        const QString f = QFileDialog::getSaveFileName(this, QStringLiteral("Save Calibration"), {},
                                                       FileFilter());
        if (!f.isEmpty()) SaveCalFile(f.endsWith(QLatin1String(".cal")) ? f : f + ".cal");
    });
    connect(preview, &QPushButton::clicked, this, [this] { PrintCertificate(true); });
    connect(btnCalRegister, &QPushButton::clicked, this, [this] { StoreInRegister(); });
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cboCalMember, &QComboBox::currentIndexChanged, this, [this] { ClearResults(); });
    ShowDefaults();
    ClearResults();
}

TCalibrateDialog::~TCalibrateDialog() = default;

TTInfo& TCalibrateDialog::Rec() const {
    return fileRec_ ? *fileRec_ : *windowRec_;
}

void TCalibrateDialog::ShowDefaults() {
    const CalMember m = kMembers[std::max(0, cboCalMember->currentIndex())];
    const ScopedDisplayUnit unit(metric_);
    const TThdInfo& g = CalMemberOf(Rec(), m);
    inputs_[1]->setPlaceholderText(Q(DimText(g, 5, g.CurWire)) + " (the wire in use)");
}

CalibrationEntry TCalibrateDialog::Entry() const {
    CalibrationEntry e;
    e.member = cboCalMember->currentData().toString().toStdString();
    for (std::size_t i = 0; i < std::size(kInputs); ++i)
        e.*kInputs[i].text = inputs_[i]->text().toStdString();
    for (std::size_t i = 0; i < std::size(kIdentity); ++i)
        e.identity.*kIdentity[i].text = identity_[i]->text().toStdString();
    return e;
}

void TCalibrateDialog::SetEntry(const CalibrationEntry& e) {
    const auto member = CalMemberOfKey(e.member);
    cboCalMember->setCurrentIndex(member ? static_cast<int>(*member) : 0);
    for (std::size_t i = 0; i < std::size(kInputs); ++i)
        inputs_[i]->setText(Q(e.*kInputs[i].text));
    for (std::size_t i = 0; i < std::size(kIdentity); ++i)
        identity_[i]->setText(Q(e.identity.*kIdentity[i].text));
}

void TCalibrateDialog::ClearResults() {
    page_ = {};
    grdCalBudget->hide();
    grdCalSummary->hide();
    for (QLabel* l : {lblCalKRule, lblCalReadings, lblCalVerdict})
        l->clear();
    ShowDefaults();
}

bool TCalibrateDialog::btnCalculateClick() {
    CalibrationPageText page = BuildCalibrationPage(Rec(), Entry(), metric_);
    if (!page.message.empty()) {
        ClearResults();
        ShowError(this, Q(page.message));
        return false;
    }
    page_ = std::move(page);
    printed_ = Entry();
    setWindowTitle(Q(page_.caption));
    grdCalBudget->LoadTextGrid(page_.budget);
    grdCalBudget->show();
    grdCalSummary->LoadTextGrid(page_.summary);
    grdCalSummary->show();
    lblCalKRule->setText(Q(page_.kRule));
    lblCalReadings->setText(Q(page_.readingsLine));
    QStringList lines;
    for (const std::string& line : page_.verdict)
        lines << Q(line);
    lblCalVerdict->setText(lines.join('\n'));
    const CalResult& pd = page_.calibration.pd;
    const char* colour = !pd.limits.found                                     ? "#5f6368"
                         : pd.decision.verdict == Conformance::Conforms       ? "#1a7f37"
                         : pd.decision.verdict == Conformance::DoesNotConform ? "#c62828"
                                                                              : "#b26a00";
    lblCalVerdict->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(colour)));
    return true;
}

bool TCalibrateDialog::OpenCalFile(const QString& fileName) {
    auto rec = std::make_unique<TTInfo>();
    CalibrationFileLoad load;
    try {
        load = LoadCalibrationFile(*rec, fileName.toStdString());
    } catch (const TableError& e) {
        ShowError(this, TableErrorText(e.what()));
        return false;
    }
    if (load.result.status != LoadResult::Status::Loaded) {
        ShowError(this, Q(load.result.message));
        return false;
    }
    fileRec_ = std::move(rec);
    SetEntry(load.entry);
    return btnCalculateClick();
}

bool TCalibrateDialog::SaveCalFile(const QString& fileName) {
    if (!btnCalculateClick()) return false;
    std::string error;
    if (SaveCalibrationFile(Rec(), page_.input, printed_.identity, fileName.toStdString(), &error))
        return true;
    ShowError(this, Q(error));
    return false;
}

void TCalibrateDialog::PrintCertificate(bool preview) {
    if (btnCalculateClick()) ShowReport(this, CertificateJob(Rec(), printed_, metric_), preview);
}
