#include "core/ini_file.h"

#include "core/atomic_file.h"

#include "core/number_text.h"
#include "core/whole_file.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Lines are kept with any trailing '\r', so a CRLF file is rewritten as CRLF.
std::string Content(const std::string& line) {
    if (!line.empty() && line.back() == '\r') return line.substr(0, line.size() - 1);
    return line;
}

bool IsComment(const std::string& trimmed) {
    return !trimmed.empty() && trimmed[0] == ';';
}

// The section name of a "[name]" line; false for any other line.
bool SectionOf(const std::string& line, std::string& name) {
    const std::string t = Trim(Content(line));
    if (t.empty() || t[0] != '[') return false;
    const size_t close = t.find(']');
    if (close == std::string::npos) return false;
    name = Trim(t.substr(1, close - 1));
    return true;
}

// Key and value of a "key=value" line, both trimmed.
bool KeyOf(const std::string& line, std::string& key, std::string& value) {
    const std::string c = Content(line);
    const std::string t = Trim(c);
    if (t.empty() || IsComment(t) || t[0] == '[') return false;
    const size_t eq = c.find('=');
    if (eq == std::string::npos) return false;
    key = Trim(c.substr(0, eq));
    value = Trim(c.substr(eq + 1));
    return true;
}

bool SameName(const std::string& a, const std::string& b) {
    return UpperCase(a) == UpperCase(b);
}

// Index of the section header, or -1.
long FindSection(const std::vector<std::string>& lines, const std::string& section) {
    std::string name;
    for (size_t i = 0; i < lines.size(); ++i)
        if (SectionOf(lines[i], name) && SameName(name, section)) return static_cast<long>(i);
    return -1;
}

// Index of the key line inside the section starting at header, or -1.
long FindKey(const std::vector<std::string>& lines, long header, const std::string& key) {
    std::string name;
    std::string k;
    std::string v;
    for (size_t i = static_cast<size_t>(header) + 1; i < lines.size(); ++i) {
        if (SectionOf(lines[i], name)) break;
        if (KeyOf(lines[i], k, v) && SameName(k, key)) return static_cast<long>(i);
    }
    return -1;
}

std::string LineEnd(const std::vector<std::string>& lines) {
    return !lines.empty() && !lines.front().empty() && lines.front().back() == '\r' ? "\r" : "";
}

std::string Reason(const std::string& path, int err) {
    return "Cannot write " + path + ": " + FileErrorText(err);
}

} // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    std::string text;
    try {
        const std::vector<unsigned char> bytes = ReadWholeFile(path_, kTextFileLimit);
        text.assign(bytes.begin(), bytes.end());
    } catch (const FileError& e) {
        if (e.reason() != "File not found") loadError_ = e.what();
        return;
    }
    // Editors on some systems start UTF-8 text with a byte-order mark.
    size_t start = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    while (start < text.size()) {
        const size_t nl = text.find('\n', start);
        if (nl == std::string::npos) {
            lines_.push_back(text.substr(start));
            break;
        }
        lines_.push_back(text.substr(start, nl - start));
        start = nl + 1;
    }
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& def) const {
    const long header = FindSection(lines_, section);
    if (header < 0) return def;
    const long at = FindKey(lines_, header, key);
    if (at < 0) return def;
    std::string k;
    std::string v;
    KeyOf(lines_[static_cast<size_t>(at)], k, v);
    return v;
}

bool IniFile::HasKey(const std::string& section, const std::string& key) const {
    const long header = FindSection(lines_, section);
    return header >= 0 && FindKey(lines_, header, key) >= 0;
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
    const std::string cr = LineEnd(lines_);
    const long header = FindSection(lines_, section);
    if (header < 0) {
        lines_.push_back("[" + section + "]" + cr);
        lines_.push_back(key + "=" + value + cr);
        return;
    }
    const long at = FindKey(lines_, header, key);
    if (at >= 0) {
        std::string& line = lines_[static_cast<size_t>(at)];
        const std::string keep = line.back() == '\r' ? "\r" : "";
        std::string k;
        std::string v;
        KeyOf(line, k, v);
        line = k + "=" + value + keep;
        return;
    }
    // After the section's last key line, so blank lines between sections stay put.
    size_t insertAt = static_cast<size_t>(header) + 1;
    std::string name;
    std::string k;
    std::string v;
    for (size_t i = insertAt; i < lines_.size(); ++i) {
        if (SectionOf(lines_[i], name)) break;
        if (KeyOf(lines_[i], k, v)) insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<long>(insertAt), key + "=" + value + cr);
}

bool IniFile::Save(std::string* error, Folder folder) const {
    const fs::path target(path_);
    std::error_code ec;
    if (folder == Folder::Create && target.has_parent_path() &&
        !fs::exists(target.parent_path(), ec)) {
        fs::create_directories(target.parent_path(), ec);
        if (ec) {
            if (error) *error = Reason(path_, ec.value());
            return false;
        }
    }

    if (const int err = WriteFileAtomically(path_, Text())) {
        if (error) *error = Reason(path_, err);
        return false;
    }
    return true;
}

std::string IniFile::Text() const {
    std::string text;
    for (const auto& line : lines_)
        text += line + "\n";
    return text;
}

std::string ReadIniString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& def) {
    return IniFile(path).ReadString(section, key, def);
}

bool WriteIniString(const std::string& path, const std::string& section, const std::string& key,
                    const std::string& value, std::string* error) {
    IniFile ini(path);
    ini.WriteString(section, key, value);
    return ini.Save(error);
}
