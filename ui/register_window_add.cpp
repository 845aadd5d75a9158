// The register window's Add dialog, and the one window the frame opens.
#include "core/thread_record.h"
#include "core/thread_types.h"
#include "register/register_text.h"
#include "ui/message_box.h"
#include "ui/page_parts.h"
#include "ui/register_access.h"
#include "ui/register_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPointer>

#include <array>

void TfrmRegister::AddClick() {
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("frmRegisterAdd"));
    dialog.setWindowTitle(QStringLiteral("Add Gauge"));
    auto* form = new QFormLayout(&dialog);
    const std::array<const char*, 7> names = {"txtAddSerial", "txtAddDescription", "txtAddThread",
                                              "txtAddOwner",  "txtAddLocation",    "txtAddInterval",
                                              nullptr};
    const std::array<const char*, 6> captions = {
        "Serial number:", "Description:", "Thread:", "Owner:", "Location:", "Interval (days):"};
    std::array<QLineEdit*, 6> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i] = Named(new QLineEdit, names[i]);
        form->addRow(QString::fromLatin1(captions[i]), boxes[i]);
    }
    auto* member = Named(new QComboBox, "cboAddMember");
    for (GaugeMember m : {GaugeMember::GoPlug, GaugeMember::NoGoPlug, GaugeMember::GoRing,
                          GaugeMember::NoGoRing, GaugeMember::GoSetPlug, GaugeMember::NoGoSetPlug})
        member->addItem(MemberName(m), static_cast<int>(m));
    auto* cls = Named(new QComboBox, "cboAddClass");
    for (GaugeClass c : {GaugeClass::X, GaugeClass::W, GaugeClass::Iso1502})
        cls->addItem(ClassName(c), static_cast<int>(c));
    form->insertRow(3, QStringLiteral("Member:"), member);
    form->insertRow(4, QStringLiteral("Class:"), cls);
    auto* withThread =
        Named(new QCheckBox(QStringLiteral("With the active window's thread")), "chkAddThread");
    const TTInfo* rec = links_.activeRecord ? links_.activeRecord() : nullptr;
    withThread->setChecked(rec != nullptr);
    withThread->setEnabled(rec != nullptr);
    const bool active = rec != nullptr;
    const bool isoThread = rec && rec->ExtThd.TypeCode == kTypeM;
    const auto defaultClass = [member, cls, withThread, isoThread] {
        cls->setCurrentIndex(
            static_cast<int>(DefaultClassOf(static_cast<GaugeMember>(member->currentData().toInt()),
                                            isoThread && withThread->isChecked())));
    };
    connect(member, &QComboBox::currentIndexChanged, &dialog, defaultClass);
    connect(withThread, &QCheckBox::toggled, &dialog, defaultClass);
    defaultClass();
    boxes[2]->setPlaceholderText(active ? QStringLiteral("the active window's designation")
                                        : QString());
    form->addRow(withThread);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(ok);
    connect(ok, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    connect(ok, &QDialogButtonBox::accepted, &dialog, [&] {
        GaugeRecord g;
        g.serial = boxes[0]->text().toStdString();
        g.description = boxes[1]->text().toStdString();
        g.thread = boxes[2]->text().toStdString();
        g.owner = boxes[3]->text().toStdString();
        g.location = boxes[4]->text().toStdString();
        long long days = 0;
        g.intervalDays = ParseWholeNumber(boxes[5]->text().trimmed().toStdString(), days) &&
                                 days > 0 && days <= kMaxIntervalDays
                             ? static_cast<int>(days)
                             : 0;
        g.member = static_cast<GaugeMember>(member->currentData().toInt());
        g.gaugeClass = static_cast<GaugeClass>(cls->currentData().toInt());
        if (AddGauge(g, withThread->isChecked())) dialog.accept();
    });
    dialog.exec();
}

void ShowRegisterWindow(QWidget* parent, RegisterWindowLinks links) {
    static QPointer<TfrmRegister> shown;
    if (!shown) {
        RegisterResult opened;
        std::unique_ptr<GaugeRegister> reg = OpenWindowRegister(opened);
        if (!reg) {
            ShowError(parent, QString::fromStdString(opened.message));
            return;
        }
        shown = new TfrmRegister(std::move(reg), std::move(links), parent);
        shown->setAttribute(Qt::WA_DeleteOnClose);
    }
    shown->show();
    shown->raise();
    shown->activateWindow();
}
