#include "app/about_box.h"

#include "app/artwork.h"
#include "app/product.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSysInfo>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString CompilerText() {
#if defined(__clang__)
    return QStringLiteral(__VERSION__);
#elif defined(__GNUC__)
    return QStringLiteral("GCC " __VERSION__);
#else
    return QStringLiteral("unknown");
#endif
}

} // namespace

std::vector<std::pair<QString, QString>> VersionRows() {
    const QString os = QSysInfo::prettyProductName() + " (" + QSysInfo::kernelType() + " " +
                       QSysInfo::kernelVersion() + ")";
    return {
        {"Operating System", os},
        {"Version", FileVersionText()},
        {"Build Date", QStringLiteral(__DATE__)},
        {"Compiler", CompilerText()},
        {"Qt Version", QString::fromLatin1(qVersion())},
        {"File Description", "Screw thread and gauge calculator"},
        {"Product Name", ProductName()},
    };
}

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle("About...");
    resize(520, 330);

    auto* picture = new QLabel(this);
    picture->setObjectName("ProgramIcon");
    picture->setPixmap(ThreadEmblem(64));
    auto* product = new QLabel(ProductName(), this);
    product->setObjectName("ProductName");
    QFont big = product->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    product->setFont(big);
    auto* version = new QLabel(ProductVersionLine(), this);
    version->setObjectName("Version");

    VerGrid = new QTableWidget(this);
    VerGrid->setObjectName("VerGrid");
    VerGrid->setColumnCount(2);
    VerGrid->setHorizontalHeaderLabels({"Resource", "Value"});
    VerGrid->verticalHeader()->hide();
    VerGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    VerGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    VerGrid->setWordWrap(false);
    VerGrid->horizontalHeader()->setStretchLastSection(true);
    VerGrid->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    const auto rows = VersionRows();
    VerGrid->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        VerGrid->setItem(r, 0, new QTableWidgetItem(rows[r].first));
        VerGrid->setItem(r, 1, new QTableWidgetItem(rows[r].second));
        VerGrid->item(r, 1)->setToolTip(rows[r].second);
    }

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* names = new QVBoxLayout;
    names->addWidget(product);
    names->addWidget(version);
    names->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(names, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(VerGrid, 1);
    layout->addLayout(buttons);
}

void TfrmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // The design caption names the release; shown, the label gives the full file version.
    if (auto* version = findChild<QLabel*>("Version"))
        version->setText(QStringLiteral("Version: ") + FileVersionText());
    // The name column keeps 130 pixels; the values get the rest.
    VerGrid->setColumnWidth(0, 130);
    VerGrid->setColumnWidth(1, qMax(100, VerGrid->viewport()->width() - 130));
}
