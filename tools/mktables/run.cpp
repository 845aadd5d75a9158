#include "tools/mktables/run.h"

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

const char* const kUsage =
    "usage: mktables <table> <input.csv> <output.bin>\n"
    "       mktables --check <source.csv>...\n";

bool ReadText(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return !in.bad();
}

// A temporary beside the table and a rename, so a failed write keeps the old
// table whole. Returns the errno of the failure, 0 when written.
int WriteAtomically(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return errno;
    int error = 0;
    for (std::size_t at = 0; at < bytes.size() && error == 0;) {
        const ssize_t n = ::write(fd, bytes.data() + at, bytes.size() - at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) error = n < 0 ? errno : EIO;
        else at += static_cast<std::size_t>(n);
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temp.c_str());
    return error;
}

std::string KnownTables()
{
    std::string names;
    for (const Layout& l : Layouts()) names += (names.empty() ? "" : ", ") + l.name;
    return names;
}

// Layout problems are the program's own fault; they stop everything.
bool LayoutsSound(std::ostream& err)
{
    bool sound = true;
    for (const Layout& l : Layouts())
        for (const std::string& p : LayoutProblems(l)) {
            err << "mktables: " << p << "\n";
            sound = false;
        }
    return sound;
}

bool Compile(const Layout& layout, const std::string& input, CompileResult& result,
             std::ostream& err)
{
    std::string text;
    if (!ReadText(input, text)) {
        err << input << ": cannot be read\n";
        return false;
    }
    result = CompileSource(layout, text, input);
    for (const std::string& p : result.problems) err << p << "\n";
    return result.problems.empty();
}

int Check(const std::vector<std::string>& files, std::ostream& out, std::ostream& err)
{
    int bad = 0;
    for (const std::string& file : files) {
        // The table is named by the source file: data/unxtol.csv is unxtol.
        const std::string table = std::filesystem::path(file).stem().string();
        const Layout* layout = FindLayout(table);
        CompileResult result;
        if (!layout) {
            err << file << ": no table named '" << table << "' (known: " << KnownTables()
                << ")\n";
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
          std::ostream& err)
{
    const Layout* layout = FindLayout(table);
    if (!layout) {
        err << "mktables: no table named '" << table << "' (known: " << KnownTables() << ")\n";
        return 2;
    }
    CompileResult result;
    if (!Compile(*layout, input, result, err)) return 1;
    if (const int error = WriteAtomically(output, result.bytes)) {
        err << output << ": cannot be written: " << std::strerror(error) << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (!LayoutsSound(err)) return 1;
    if (!args.empty() && args[0] == "--check") {
        if (args.size() < 2) {
            err << kUsage;
            return 2;
        }
        return Check(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    }
    if (args.size() != 3) {
        err << kUsage;
        return 2;
    }
    return Build(args[0], args[1], args[2], err);
}

} // namespace mktables
