// The Calibrate dialog's result stored in the gauge register, with the
// calibration file's text and the certificate's PDF.
#include "ui/calibrate_dialog.h"

#include "core/number_text.h"
#include "pages/calibration_file.h"
#include "register/gauge_register.h"
#include "report/report_pdf.h"
#include "ui/message_box.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

} // namespace

void TCalibrateDialog::UseRegister(std::unique_ptr<GaugeRegister> reg, const QString& why) {
    register_ = std::move(reg);
    btnCalRegister->setEnabled(register_ != nullptr);
    btnCalRegister->setToolTip(register_ ? "Record this calibration of the gauge with its serial "
                                           "number in the register " +
                                               Q(register_->Where())
                                         : why);
}

bool TCalibrateDialog::StoreInRegister() {
    if (!register_ || !btnCalculateClick()) return false;
    const CertificateIdentity& id = printed_.identity;
    const std::string serial = Trim(id.serial);
    auto refuse = [this](const std::string& message) {
        ShowError(this, Q(message));
        return false;
    };
    if (serial.empty()) return refuse("Enter the gauge's serial number: the register finds it so.");
    if (page_.json.verdict.empty())
        return refuse(
            "There is no verdict to record: the gauge has no limits to judge it against.");
    CalibrationRecord c;
    c.date = Today();
    if (!Trim(id.date).empty()) {
        const std::string why = ReadDate(Trim(id.date), c.date);
        if (!why.empty()) return refuse(why);
    }
    c.operatorName = Trim(id.operatorName);
    c.unit = page_.json.unit;
    c.measuredPD = page_.json.measuredPD;
    c.expandedU = page_.json.U;
    c.k = page_.json.k;
    ReadVerdict(page_.json.verdict, c.verdict);

    QTemporaryDir dir;
    const QString cal = dir.filePath(QStringLiteral("calibration.cal"));
    const QString pdf = dir.filePath(QStringLiteral("certificate.pdf"));
    std::string error;
    if (!dir.isValid() || !SaveCalibrationFile(Rec(), page_.input, id, cal.toStdString(), &error) ||
        !WriteReportPdf(CertificateJob(Rec(), printed_, metric_), pdf, &error))
        return refuse("The calibration could not be recorded: " +
                      (error.empty() ? dir.errorString().toStdString() : error));
    c.calInputs = FileBytes(cal);
    c.certificatePdf = FileBytes(pdf);
    const RegisterResult r = register_->RecordCalibration(serial, c);
    if (!r) return refuse(r.message);
    ShowInformation(this, Q("The calibration of gauge " + serial + " of " + IsoDateText(c.date) +
                            " is recorded in the register " + register_->Where() + "."));
    return true;
}
