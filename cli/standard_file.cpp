#include "cli/standard_file.h"

#include "core/whole_file.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <unistd.h>

StandardFile::StandardFile(const std::string& name) {
    std::error_code ec;
    std::string dir = std::filesystem::temp_directory_path(ec).string();
    if (ec) dir = "/tmp";
    std::string folder = dir + "/plcalc.XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr) {
        error_ = "cannot make a private folder in " + dir;
        return;
    }
    folder_ = folder;
    path_ = folder + "/" + name;
}

StandardFile::~StandardFile() {
    std::error_code ec;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
}

bool StandardFile::ReadStandardInput(std::string& reason) {
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            reason = "cannot read the standard input";
            return false;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > kTextFileLimit) {
            reason = std::string(kFileTooLarge) + ": standard input";
            return false;
        }
    }
    std::ofstream file(path_, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) {
        reason = "cannot keep the standard input in " + folder_;
        return false;
    }
    return true;
}

bool StandardFile::CopyTo(std::ostream& out, std::string& reason) const {
    try {
        const std::vector<unsigned char> bytes = ReadWholeFile(path_);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return true;
    } catch (const FileError& e) {
        reason = e.reason();
        return false;
    }
}

std::string StandardFile::Plain(const std::string& message) const {
    if (folder_.empty()) return message;
    std::string m = message;
    const std::string prefix = folder_ + "/";
    for (std::size_t at; (at = m.find(prefix)) != std::string::npos;)
        m.erase(at, prefix.size());
    return m;
}

bool WriteFileOrStandardOutput(const std::string& file, std::ostream& out, std::string* reason,
                               const std::function<bool(const std::string& path)>& write) {
    if (file != "-") return write(file);
    const StandardFile standard("standard output");
    if (standard.path().empty()) {
        *reason = standard.error();
        return false;
    }
    if (!write(standard.path())) {
        *reason = standard.Plain(*reason);
        return false;
    }
    return standard.CopyTo(out, *reason);
}
