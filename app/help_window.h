#pragma once
// The program's help: HTML pages in the help folder, shown in a window of its
// own with a contents page, a keyword search and back/forward navigation.

#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;

// The help file name the program was built around, kept as the help setting.
inline const char* const kHelpFileName = "Plwin.hlp";
inline const char* const kHelpContentsPage = "index.html";
inline const char* const kHelpHowToPage = "howto.html";

// FindDataPath(ProgramDir(), "help"): beside the program, else the installed one.
QString DefaultHelpDir();

struct HelpTopic {
    QString file;  // "wires.html"
    QString title; // from <title>
    QStringList keywords;
    QString text; // the page as plain text, lower case
};

class HelpIndex {
public:
    explicit HelpIndex(const QString& dir);
    const std::vector<HelpTopic>& Topics() const { return topics_; }
    // Pages holding every word of the query (case ignored, word beginnings
    // match), best first: a whole keyword weighs most, then the beginning of a
    // keyword, the title, the text.
    // An empty query lists every page by title.
    std::vector<const HelpTopic*> Search(const QString& query) const;

private:
    std::vector<HelpTopic> topics_;
};

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(const QString& helpDir, QWidget* parent = nullptr);

    void ShowContents();
    void ShowHowToUse();
    // Opens the search panel with the given words already typed.
    void ShowSearch(const QString& words = QString());
    void OpenTopic(const QString& file);
    // The page shown, without its folder.
    QString CurrentTopic() const;

private:
    void Present();
    void FillTopics(const QString& words);
    void DisplayChosen();

    QString dir_;
    HelpIndex index_;
    QTextBrowser* browser_;
    QWidget* searchPanel_;
    QLineEdit* txtHelpSearch;
    QListWidget* lstHelpTopics;
    QToolButton* btnSearch_;
};
