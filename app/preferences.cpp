#include "app/preferences.h"

#include "app/app_hooks.h"
#include "core/settings.h"
#include "report/print_preview.h"
#include "ui/message_box.h"
#include "ui/register_access.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <utility>

TfrmPath::TfrmPath(QWidget* parent) : QDialog(parent) {
    setObjectName("frmPath");
    setWindowTitle("Path Dialog");
    resize(251, 323);

    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName("DriveComboBox1");
    // The drives of this platform: the file system root and the user's home.
    DriveComboBox1->addItem("/");
    if (QDir::homePath() != "/") DriveComboBox1->addItem(QDir::homePath());

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    model_->setRootPath("/");
    DirectoryListBox1 = new QTreeView(this);
    DirectoryListBox1->setObjectName("DirectoryListBox1");
    DirectoryListBox1->setModel(model_);
    DirectoryListBox1->setHeaderHidden(true);
    for (int c = 1; c < model_->columnCount(); ++c)
        DirectoryListBox1->hideColumn(c);
    DirectoryListBox1->setFrameShadow(QFrame::Sunken);

    auto* caption = new QLabel("Directory:", this);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->setWordWrap(true);
    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("btnCancel");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DriveComboBox1);
    layout->addWidget(DirectoryListBox1, 1);
    layout->addWidget(caption);
    layout->addWidget(Label1);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // The model reads and sorts folders in the background, which moves the chosen
    // folder down; bring it back into view once the rows have settled.
    scrollTimer_.setSingleShot(true);
    scrollTimer_.setInterval(100);
    connect(&scrollTimer_, &QTimer::timeout, this, [this] {
        DirectoryListBox1->scrollTo(DirectoryListBox1->currentIndex(),
                                    QAbstractItemView::PositionAtCenter);
    });
    auto settle = [this] { scrollTimer_.start(); };
    connect(model_, &QFileSystemModel::directoryLoaded, this, settle);
    connect(model_, &QFileSystemModel::layoutChanged, this, settle);
    connect(DriveComboBox1, &QComboBox::currentIndexChanged, this, &TfrmPath::DriveComboBox1Change);
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) { DirectoryChanged(current); });
    DriveComboBox1Change(0);
}

void TfrmPath::SetDirectory(const QString& dir) {
    const QFileInfo info(dir);
    if (dir.isEmpty() || !info.isDir()) return;
    const QString path = info.absoluteFilePath();
    const QString home = QDir::homePath();
    const int drive = (home != "/" && (path == home || path.startsWith(home + "/"))) ? 1 : 0;
    if (DriveComboBox1->currentIndex() != drive) DriveComboBox1->setCurrentIndex(drive);
    const QModelIndex index = model_->index(path);
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        DirectoryListBox1->expand(up);
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->scrollTo(index, QAbstractItemView::PositionAtCenter);
    Label1->setText(path);
}

QString TfrmPath::Directory() const {
    return Label1->text();
}

void TfrmPath::DriveComboBox1Change(int index) {
    if (index < 0) return;
    const QString root = DriveComboBox1->itemText(index);
    DirectoryListBox1->setRootIndex(model_->index(root));
    Label1->setText(root);
}

void TfrmPath::DirectoryChanged(const QModelIndex& current) {
    if (current.isValid()) Label1->setText(model_->filePath(current));
}

TfrmPref::TfrmPref(std::string plwinIni, std::string pluserIni,
                   std::function<TfrmPath&()> pathDialog, QWidget* parent)
    : QDialog(parent), plwinIni_(std::move(plwinIni)), pluserIni_(std::move(pluserIni)),
      path_(std::move(pathDialog)) {
    setObjectName("frmPref");
    setWindowTitle("Preferences");
    resize(433, 250);

    txtTablePath = new QLineEdit(QString::fromStdString(Settings().TableDataPath), this);
    txtTablePath->setObjectName("txtTablePath");
    txtTablePath->setMinimumWidth(209);
    txtComp = new QLineEdit(QString::fromStdString(Settings().CompanyName), this);
    txtComp->setObjectName("txtComp");
    txtComp->setMinimumWidth(209);
    cboInchUnit = new QComboBox(this);
    cboInchUnit->setObjectName("cboInchUnit");
    cboInchUnit->addItems({"inch", "mm"});
    cboInchUnit->setCurrentIndex(Settings().NewInchThreadsInMm ? 1 : 0);
    cboInchUnit->setToolTip("The unit an inch thread is shown in when calculated "
                            "(Tools \u203A Convert to mm / inch switches a window)");
    cboPaper = new QComboBox(this);
    cboPaper->setObjectName("cboPaper");
    cboPaper->addItems({"Letter", "A4"});
    cboPaper->setCurrentIndex(ReportPaper() == PaperSize::A4 ? 1 : 0);
    cboPaper->setToolTip("The paper of print, print preview and PDF reports");
    cboWireReadings = new QComboBox(this);
    cboWireReadings->setObjectName("cboWireReadings");
    cboWireReadings->addItems({"standard formula", "exact geometry"});
    cboWireReadings->setCurrentIndex(Settings().WireReadings == WireHelix::Exact ? 1 : 0);
    cboWireReadings->setToolTip("Readings over wires by the standard formula with its helix "
                                "compensation, or from where the wires sit on the helix");
    txtRegister = new QLineEdit(QString::fromStdString(Settings().RegisterDatabase), this);
    txtRegister->setObjectName("txtRegister");
    // Room for a connection string as written: user, server, port, database.
    txtRegister->setMinimumWidth(
        txtRegister->fontMetrics().horizontalAdvance("postgresql://inspector@qa-server:5432/ga"));
    txtRegister->setPlaceholderText("empty: gauges.sqlite in your data folder");
    txtRegister->setToolTip(QString::fromStdString(
        "Where Tools \u203A Gauge Register keeps the gauges: empty for " + DefaultRegisterPath() +
        ", a plant's server as postgresql://user@host:5432/database"));
    Win95SpeedButton1 = new QToolButton(this);
    Win95SpeedButton1->setObjectName("Win95SpeedButton1");
    Win95SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    Win95SpeedButton1->setFixedSize(25, 25);
    Win95SpeedButton1->setToolTip("Choose the table data folder");
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", this);
    BitBtn2->setObjectName("BitBtn2");

    auto* fields = new QGridLayout;
    auto* pathLabel = new QLabel("Table Data Path:", this);
    pathLabel->setBuddy(txtTablePath);
    auto* compLabel = new QLabel("Company Name:", this);
    compLabel->setBuddy(txtComp);
    fields->addWidget(pathLabel, 0, 0);
    fields->addWidget(txtTablePath, 0, 1);
    fields->addWidget(Win95SpeedButton1, 0, 2);
    fields->addWidget(compLabel, 1, 0);
    fields->addWidget(txtComp, 1, 1);
    auto* registerLabel = new QLabel("Register Database:", this);
    registerLabel->setBuddy(txtRegister);
    fields->addWidget(registerLabel, 2, 0);
    fields->addWidget(txtRegister, 2, 1);
    const std::pair<const char*, QComboBox*> choices[] = {{"New Inch Threads in:", cboInchUnit},
                                                          {"Paper:", cboPaper},
                                                          {"Wire Readings:", cboWireReadings}};
    int row = 3;
    for (const auto& [caption, box] : choices) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        fields->addWidget(label, row, 0);
        fields->addWidget(box, row++, 1, Qt::AlignLeft);
    }
    fields->setRowStretch(row, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(Win95SpeedButton1, &QToolButton::clicked, this, &TfrmPref::Win95SpeedButton1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TfrmPref::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmPref::Win95SpeedButton1Click() {
    TfrmPath& path = path_();
    path.SetDirectory(txtTablePath->text());
    if (Hooks().runModal(path) == QDialog::Accepted) txtTablePath->setText(path.Directory());
}

QString MissingTablesWarning(const QString& path) {
    // ansitbl.bin is read by every unified calculation: without it nothing calculates.
    const QString probe = QDir(path).filePath(QStringLiteral("ansitbl.bin"));
    if (!path.isEmpty() && QFileInfo(probe).isFile()) return {};
    return QStringLiteral("The table data path \"%1\" holds no thread tables (%2 is missing), "
                          "so Calculate will fail until it names the folder of the table "
                          "files.\n\nKeep this path anyway?")
        .arg(path, QStringLiteral("ansitbl.bin"));
}

void TfrmPref::BitBtn1Click() {
    // Refused before anything is kept: the dialog stays open on the text.
    if (const std::string problem = RegisterSettingProblem(txtRegister->text().toStdString());
        !problem.empty()) {
        ShowError(this, QString::fromStdString(problem));
        txtRegister->setFocus();
        return;
    }
    const QString warning = MissingTablesWarning(txtTablePath->text());
    if (!warning.isEmpty() && !AskYesNo(this, warning)) return;
    // Stored as typed: a trailing separator is the user's to keep.
    Settings().TableDataPath = txtTablePath->text().toStdString();
    Settings().CompanyName = txtComp->text().toStdString();
    Settings().NewInchThreadsInMm = cboInchUnit->currentIndex() == 1;
    Settings().Paper = cboPaper->currentIndex() == 1 ? PaperSize::A4 : PaperSize::Letter;
    Settings().WireReadings =
        cboWireReadings->currentIndex() == 1 ? WireHelix::Exact : WireHelix::Standard;
    Settings().RegisterDatabase = txtRegister->text().trimmed().toStdString();
    UseReportPaper();
    // The settings hold for this run even when they cannot be kept.
    if (std::string error; !WriteSettings(Settings(), plwinIni_, pluserIni_, &error))
        ShowError(this, QString::fromStdString(error));
    accept();
}
