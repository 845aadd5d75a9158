#include "app/help_window.h"

#include "core/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString Between(const QString& html, const QRegularExpression& re) {
    const QRegularExpressionMatch m = re.match(html);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

// A word matches at the start of a word of the text: "wire" finds "wires", not "rewire".
bool HasWordStart(const QString& haystack, const QString& word) {
    qsizetype at = 0;
    while ((at = haystack.indexOf(word, at)) >= 0) {
        if (at == 0 || !haystack.at(at - 1).isLetterOrNumber()) return true;
        ++at;
    }
    return false;
}

} // namespace

QString DefaultHelpDir() {
    const std::string found = FindDataPath(ProgramDir(), "help");
    return QString::fromStdString(found.empty() ? ProgramDir() + "help" : found);
}

HelpIndex::HelpIndex(const QString& dir) {
    static const QRegularExpression title("<title>(.*?)</title>",
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression keywords("<meta\\s+name=\"keywords\"\\s+content=\"([^\"]*)\"",
                                             QRegularExpression::CaseInsensitiveOption);
    const QStringList files = QDir(dir).entryList({"*.html"}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        QFile f(QDir(dir).filePath(file));
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QString html = QString::fromUtf8(f.readAll());
        HelpTopic t;
        t.file = file;
        t.title = Between(html, title);
        if (t.title.isEmpty()) t.title = file;
        for (const QString& k : Between(html, keywords).split(',', Qt::SkipEmptyParts))
            t.keywords << k.trimmed().toLower();
        t.text = QTextDocumentFragment::fromHtml(html).toPlainText().toLower();
        topics_.push_back(std::move(t));
    }
}

std::vector<const HelpTopic*> HelpIndex::Search(const QString& query) const {
    const QStringList words = query.toLower().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    std::vector<std::pair<int, const HelpTopic*>> hits;
    for (const HelpTopic& t : topics_) {
        const QString title = t.title.toLower();
        int score = 0;
        bool all = true;
        for (const QString& w : words) {
            const bool isKey = t.keywords.contains(w);
            const bool inKeys =
                isKey || std::any_of(t.keywords.begin(), t.keywords.end(),
                                     [&](const QString& k) { return HasWordStart(k, w); });
            const bool inTitle = HasWordStart(title, w);
            const bool inText = HasWordStart(t.text, w);
            if (!inKeys && !inTitle && !inText) {
                all = false;
                break;
            }
            score += (isKey ? 6 : inKeys ? 4 : 0) + (inTitle ? 2 : 0) + (inText ? 1 : 0);
        }
        if (all) hits.emplace_back(score, &t);
    }
    std::stable_sort(hits.begin(), hits.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first > b.first;
        return QString::localeAwareCompare(a.second->title, b.second->title) < 0;
    });
    std::vector<const HelpTopic*> result;
    for (const auto& h : hits)
        result.push_back(h.second);
    return result;
}

THelpWindow::THelpWindow(const QString& helpDir, QWidget* parent)
    : QWidget(parent, Qt::Window), dir_(helpDir), index_(helpDir) {
    setObjectName("HelpWindow");
    setWindowTitle("Pitch Ledger Help");
    resize(760, 560);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* contents = new QToolButton(this);
    contents->setObjectName("btnHelpContents");
    contents->setText("&Contents");
    auto* back = new QToolButton(this);
    back->setObjectName("btnHelpBack");
    back->setText("&Back");
    back->setEnabled(false);
    auto* forward = new QToolButton(this);
    forward->setObjectName("btnHelpForward");
    forward->setText("&Forward");
    forward->setEnabled(false);
    btnSearch_ = new QToolButton(this);
    btnSearch_->setObjectName("btnHelpSearch");
    btnSearch_->setText("&Search");
    btnSearch_->setCheckable(true);
    auto* tools = new QHBoxLayout;
    tools->addWidget(contents);
    tools->addWidget(btnSearch_);
    tools->addWidget(back);
    tools->addWidget(forward);
    tools->addStretch();

    searchPanel_ = new QWidget(this);
    auto* prompt = new QLabel("Type the first letters of a word:", searchPanel_);
    txtHelpSearch = new QLineEdit(searchPanel_);
    txtHelpSearch->setObjectName("txtHelpSearch");
    txtHelpSearch->setClearButtonEnabled(true);
    prompt->setBuddy(txtHelpSearch);
    lstHelpTopics = new QListWidget(searchPanel_);
    lstHelpTopics->setObjectName("lstHelpTopics");
    auto* display = new QPushButton("&Display", searchPanel_);
    display->setObjectName("btnHelpDisplay");
    auto* side = new QVBoxLayout(searchPanel_);
    side->setContentsMargins(0, 0, 0, 0);
    side->addWidget(prompt);
    side->addWidget(txtHelpSearch);
    side->addWidget(lstHelpTopics, 1);
    side->addWidget(display);
    searchPanel_->hide();

    browser_ = new QTextBrowser(this);
    browser_->setObjectName("HelpBrowser");
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({dir_});

    auto* split = new QSplitter(this);
    split->addWidget(searchPanel_);
    split->addWidget(browser_);
    split->setStretchFactor(1, 1);
    split->setSizes({230, 530});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(split, 1);

    connect(contents, &QToolButton::clicked, this, &THelpWindow::ShowContents);
    connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
    connect(btnSearch_, &QToolButton::toggled, searchPanel_, &QWidget::setVisible);
    connect(txtHelpSearch, &QLineEdit::textChanged, this, &THelpWindow::FillTopics);
    connect(txtHelpSearch, &QLineEdit::returnPressed, this, &THelpWindow::DisplayChosen);
    connect(lstHelpTopics, &QListWidget::itemActivated, this, &THelpWindow::DisplayChosen);
    connect(display, &QPushButton::clicked, this, &THelpWindow::DisplayChosen);
    FillTopics(QString());
}

void THelpWindow::ShowContents() {
    OpenTopic(kHelpContentsPage);
    Present();
}

void THelpWindow::ShowHowToUse() {
    OpenTopic(kHelpHowToPage);
    Present();
}

void THelpWindow::ShowSearch(const QString& words) {
    btnSearch_->setChecked(true);
    txtHelpSearch->setText(words);
    FillTopics(words);
    if (browser_->source().isEmpty()) OpenTopic(kHelpContentsPage);
    Present();
    txtHelpSearch->setFocus();
}

void THelpWindow::OpenTopic(const QString& file) {
    const QString path = QDir(dir_).filePath(file);
    if (!QFileInfo::exists(path)) {
        browser_->setHtml("<h2>Help is not installed</h2><p>The help pages were not found in "
                          "<code>" +
                          dir_.toHtmlEscaped() + "</code>.</p>");
        return;
    }
    browser_->setSource(QUrl::fromLocalFile(path));
}

QString THelpWindow::CurrentTopic() const {
    return QFileInfo(browser_->source().toLocalFile()).fileName();
}

void THelpWindow::Present() {
    show();
    raise();
    activateWindow();
}

void THelpWindow::FillTopics(const QString& words) {
    lstHelpTopics->clear();
    for (const HelpTopic* t : index_.Search(words)) {
        auto* item = new QListWidgetItem(t->title, lstHelpTopics);
        item->setData(Qt::UserRole, t->file);
    }
    if (lstHelpTopics->count() > 0) lstHelpTopics->setCurrentRow(0);
}

void THelpWindow::DisplayChosen() {
    if (const QListWidgetItem* item = lstHelpTopics->currentItem())
        OpenTopic(item->data(Qt::UserRole).toString());
}
