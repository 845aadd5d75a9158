#include "tools/mktables/run.h"

#include "core/atomic_file.h"
#include "core/table_file.h"

#include "tools/mktables/compiler.h"
#include "tools/mktables/layout.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace mktables {
namespace {

const char* const kUsage = "usage: mktables <table> <input.csv> <output.bin>\n"
                           "       mktables --check <source.csv>...\n"
                           "       mktables --sums <tables.sum> <table.bin>...\n";

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return !in.bad();
}

std::string KnownTables() {
    std::string names;
    for (const Layout& l : Layouts())
        names += (names.empty() ? "" : ", ") + l.name;
    return names;
}

// Layout problems are the program's own fault; they stop everything.
bool LayoutsSound(std::ostream& err) {
    bool sound = true;
    for (const Layout& l : Layouts())
        for (const std::string& p : LayoutProblems(l)) {
            err << "mktables: " << p << "\n";
            sound = false;
        }
    return sound;
}

bool Compile(const Layout& layout, const std::string& input, CompileResult& result,
             std::ostream& err) {
    std::string text;
    if (!ReadText(input, text)) {
        err << input << ": cannot be read\n";
        return false;
    }
    result = CompileSource(layout, text, input);
    for (const std::string& p : result.problems)
        err << p << "\n";
    return result.problems.empty();
}

int Check(const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
    int bad = 0;
    for (const std::string& file : files) {
        // The table is named by the source file: data/unxtol.csv is unxtol.
        const std::string table = std::filesystem::path(file).stem().string();
        const Layout* layout = FindLayout(table);
        CompileResult result;
        if (!layout) {
            err << file << ": no table named '" << table << "' (known: " << KnownTables() << ")\n";
            ++bad;
        } else if (!Compile(*layout, file, result, err)) {
            ++bad;
        } else {
            out << file << ": " << result.bytes.size() / layout->recordSize << " rows\n";
        }
    }
    return bad == 0 ? 0 : 1;
}

int Build(const std::string& table, const std::string& input, const std::string& output,
          std::ostream& err) {
    const Layout* layout = FindLayout(table);
    if (!layout) {
        err << "mktables: no table named '" << table << "' (known: " << KnownTables() << ")\n";
        return 2;
    }
    CompileResult result;
    if (!Compile(*layout, input, result, err)) return 1;
    if (const int error = WriteFileAtomically(
            output, std::string_view(reinterpret_cast<const char*>(result.bytes.data()),
                                     result.bytes.size()))) {
        err << output << ": cannot be written: " << FileErrorText(error) << "\n";
        return 1;
    }
    return 0;
}

// The readers compare each listed table with its line, so a table damaged or
// put in another's place is refused instead of read as limits.
int WriteSums(const std::string& output, const std::vector<std::string>& tables,
              std::ostream& err) {
    std::ostringstream lines;
    lines << std::hex;
    for (const std::string& table : tables) {
        std::vector<unsigned char> bytes;
        try {
            bytes = ReadWholeFile(table);
        } catch (const FileError& e) {
            err << e.what() << "\n";
            return 1;
        }
        lines << std::filesystem::path(table).filename().string() << ' ' << std::dec << bytes.size()
              << ' ' << std::hex << Crc32(bytes.data(), bytes.size()) << '\n';
    }
    if (const int error = WriteFileAtomically(output, lines.str())) {
        err << output << ": cannot be written: " << FileErrorText(error) << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!LayoutsSound(err)) return 1;
    if (!args.empty() && args[0] == "--check") {
        if (args.size() < 2) {
            err << kUsage;
            return 2;
        }
        return Check(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    }
    if (!args.empty() && args[0] == "--sums") {
        if (args.size() < 2) {
            err << kUsage;
            return 2;
        }
        return WriteSums(args[1], std::vector<std::string>(args.begin() + 2, args.end()), err);
    }
    if (args.size() != 3) {
        err << kUsage;
        return 2;
    }
    return Build(args[0], args[1], args[2], err);
}

} // namespace mktables
