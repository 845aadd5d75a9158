#pragma once
// plwin's command line: the files to open, and a check of what an installed
// copy finds (the desktop menu and the install test start plwin this way).

#include <QStringList>
#include <QTextStream>

struct PlwinCommandLine {
    QStringList files;
    bool checkInstall = false;
    QString error; // the message for an option plwin does not know
};

// The arguments after the program name, once Qt has taken its own options.
PlwinCommandLine ParsePlwinArguments(const QStringList& args);

// --help and --version are answered before a window system is needed:
// the exit code, or -1 when neither is asked for.
int AnswerInfoOption(int argc, char** argv);

// Prints where the program finds its tables, help, report pictures and gauge
// catalogue; false when any of them is missing, when a table tables.sum lists
// is missing or differs from its line (the first one is named), or when a
// catalogue line is refused.
bool CheckInstall(QTextStream& out);
