#include "app/command_line.h"

#include "app/help_window.h"
#include "app/product.h"
#include "core/settings.h"
#include "core/table_file.h"
#include "gauges/gage_catalogue.h"
#include "report/pipe_drawings.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

namespace {

const char* const kUsage =
    "Usage: plwin [--check-install] [FILE.thd|FILE.bm]...\n"
    "Opens each thread or ball micrometer file in a thread window of its own.\n"
    "  --check-install  print where the tables, help and report pictures are found, check\n"
    "                   every table tables.sum lists (size and CRC-32), and exit: 1 naming\n"
    "                   the first table missing or damaged\n"
    "  --help           show this help\n"
    "  --version        show the version\n";

// One line of the check: what, where, and whether the folder holds what the program reads.
bool Report(QTextStream& out, const char* what, const QString& where, const QString& needed) {
    const bool found = !where.isEmpty() && QFileInfo::exists(QDir(where).filePath(needed));
    out << what << ": " << (where.isEmpty() ? QStringLiteral("(none)") : where)
        << (found ? "" : " (missing " + needed + ")") << '\n';
    return found;
}

} // namespace

PlwinCommandLine ParsePlwinArguments(const QStringList& args) {
    PlwinCommandLine c;
    bool optionsEnd = false;
    for (const QString& a : args) {
        if (!optionsEnd && a == "--")
            optionsEnd = true;
        else if (!optionsEnd && a == "--check-install")
            c.checkInstall = true;
        else if (!optionsEnd && a.startsWith('-') && a.size() > 1) {
            c.error = "plwin: unknown option " + a + "\n" + kUsage;
            return c;
        } else
            c.files << a;
    }
    return c;
}

int AnswerInfoOption(int argc, char** argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("plwin %s\n", qPrintable(FileVersionText()));
            return 0;
        }
    }
    return -1;
}

bool CheckInstall(QTextStream& out) {
    out << "program: " << QString::fromStdString(ProgramDir()) << '\n';
    const std::string tables = Settings().TableDataPath;
    bool ok = Report(out, "tables", QString::fromStdString(tables), kTableSumsName);
    // Each table as the calculation will read it: present, whole, the bytes compiled.
    if (ok) {
        const std::string bad = CheckListedTables(tables);
        if (!bad.empty()) out << "tables: " << QString::fromStdString(bad) << '\n';
        ok = bad.empty();
    }
    ok = Report(out, "help", DefaultHelpDir(), kHelpContentsPage) && ok;
    const QString picture = PipePicturePath(PipeDrawing::ThreadDims);
    ok = Report(out, "pictures", picture.isEmpty() ? QString() : QFileInfo(picture).path(),
                PipeDrawingFileName(PipeDrawing::ThreadDims)) &&
         ok;
    const std::vector<std::string> catalogue = LoadGageCatalogue();
    for (const std::string& m : catalogue)
        out << "catalogue: " << QString::fromStdString(m) << '\n';
    out.flush();
    return ok && catalogue.empty();
}
