#include "cli/batch.h"

#include "cli/json_writer.h"
#include "cli/options.h"
#include "cli/run_cli.h"
#include "core/settings.h"
#include "core/whole_file.h"

#include <algorithm>
#include <cerrno>
#include <locale.h>
#include <ostream>
#include <streambuf>
#include <string.h>
#include <string_view>
#include <unistd.h>

namespace {

std::string NotInBatch(const std::vector<std::string>& words) {
    const std::string word = FirstNotInBatch(words);
    return word.empty() ? word : word + " is not for --batch";
}

int Usage(std::ostream& err, const std::string& problem) {
    return UsageError(err, CliMode::Batch, problem);
}

// The message plcalc prints, without the usage text that follows a usage error.
std::string Message(const std::string& err) {
    std::string m = err.substr(0, err.find("\n\n"));
    while (!m.empty() && m.back() == '\n')
        m.pop_back();
    return m;
}

std::string ErrnoText(int error) {
    // English whatever the locale, as every message.
    const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    std::string text = ::strerror_l(error, c);
    ::freelocale(c);
    return text;
}

// The lines of a file read whole, or of standard input as they come.
class LineSource {
public:
    explicit LineSource(std::string text) : text_(std::move(text)), fd_(-1) {}
    explicit LineSource(int fd) : fd_(fd) {}

    // False at the end. `line` is without its end (LF or CR LF); `tooLong`
    // when a line of standard input passed the text file limit.
    bool Next(std::string& line, bool& tooLong) {
        tooLong = false;
        std::size_t end;
        while ((end = text_.find('\n', pos_)) == std::string::npos && fd_ >= 0) {
            if (text_.size() - pos_ > kTextFileLimit) {
                // Keep no more than the limit; the rest of the line is dropped.
                tooLong = true;
                text_.clear();
                pos_ = 0;
                skipping_ = true;
            }
            if (!Fill()) break;
        }
        if (end == std::string::npos) {
            if (pos_ >= text_.size() && !skipping_) return false;
            end = text_.size();
        }
        line.assign(text_, pos_, end - pos_);
        pos_ = std::min(end + 1, text_.size());
        if (skipping_) {
            tooLong = true;
            skipping_ = false;
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (fd_ >= 0 && pos_ > 65536) {
            text_.erase(0, pos_);
            pos_ = 0;
        }
        return true;
    }
    int error() const { return error_; }
    bool streaming() const { return fd_ >= 0; }

private:
    bool Fill() {
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                if (n < 0) error_ = errno;
                fd_ = -1;
                return false;
            }
            text_.append(buffer, static_cast<std::size_t>(n));
            return true;
        }
    }

    std::string text_;
    std::size_t pos_ = 0;
    int fd_;
    int error_ = 0;
    bool skipping_ = false;
};

// A line's output, kept in one string whose room serves the next line.
class LineBuffer : public std::streambuf {
public:
    std::string text;

protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) text += traits_type::to_char_type(c);
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        text.append(s, static_cast<std::size_t>(n));
        return n;
    }
};

void PrintError(std::ostream& out, int line, const std::string& message, int code) {
    std::string text = "{\"line\":" + std::to_string(line) + ",\"error\":";
    AppendJsonString(text, message);
    out << text << ",\"exit\":" << code << "}\n";
}

bool Skipped(const std::string& line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string::npos || line[first] == '#';
}

} // namespace

bool SplitBatchLine(const std::string& line, std::vector<std::string>& words,
                    std::string& problem) {
    words.clear();
    problem.clear();
    // A command line cannot hold one: the word would be cut there.
    if (line.find('\0') != std::string::npos) {
        problem = "a NUL byte in the line: no option or value holds one";
        return false;
    }
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ' ' || c == '\t') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
            continue;
        }
        if (c == '#' && !inWord) break;
        inWord = true;
        if (c == '\\') {
            // A backslash that ends the line stays, as dash keeps it.
            word += i + 1 < line.size() ? line[++i] : c;
        } else if (c == '\'') {
            const std::size_t close = line.find('\'', i + 1);
            if (close == std::string::npos)
                problem = "unterminated single quote";
            else
                word.append(line, i + 1, close - i - 1);
            i = close;
        } else if (c == '"') {
            std::size_t j = i + 1;
            for (; j < line.size() && line[j] != '"'; ++j) {
                // Inside double quotes a backslash escapes only these.
                if (line[j] == '\\' && j + 1 < line.size() &&
                    std::string_view("$`\"\\").find(line[j + 1]) != std::string_view::npos)
                    ++j;
                word += line[j];
            }
            if (j >= line.size()) problem = "unterminated double quote";
            i = j;
        } else {
            word += c;
        }
        if (!problem.empty()) {
            words.clear();
            return false;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return true;
}

bool IsBatchRun(const std::vector<std::string>& args) {
    return std::ranges::find(args, "--batch") != args.end();
}

int RunBatchCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> common;
    std::string file;
    bool given = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--batch") {
            common.push_back(args[i]);
            continue;
        }
        if (given) return Usage(err, "--batch is given twice");
        if (i + 1 >= args.size()) return Usage(err, "missing value for --batch");
        file = args[++i];
        given = true;
    }
    if (const std::string problem = NotInBatch(common); !problem.empty())
        return Usage(err, problem);

    LineSource source(STDIN_FILENO);
    if (file != "-") {
        try {
            const std::vector<unsigned char> bytes = ReadWholeFile(file, kTextFileLimit);
            source = LineSource(std::string(bytes.begin(), bytes.end()));
        } catch (const FileError& e) {
            err << "plcalc: cannot read the batch file: " << e.what() << '\n';
            return kExitFileError;
        }
    }
    if (!SettingsRead(err)) return kExitFileError;
    const AppSettings settings = Settings();

    int worst = kExitOk;
    int number = 0;
    std::string line, problem;
    std::vector<std::string> words;
    LineBuffer outBuffer, errBuffer;
    std::ostream lineOut(&outBuffer), lineErr(&errBuffer);
    bool tooLong = false;
    while (source.Next(line, tooLong)) {
        ++number;
        int code = kExitOk;
        if (tooLong) {
            problem = "the line is longer than " + std::to_string(kTextFileLimit) + " bytes";
            code = kExitUsage;
        } else if (Skipped(line)) {
            continue;
        } else if (!SplitBatchLine(line, words, problem)) {
            code = kExitUsage;
        } else if (problem = NotInBatch(words); !problem.empty()) {
            code = kExitUsage;
        }
        if (code == kExitOk) {
            std::vector<std::string> lineArgs = common;
            lineArgs.insert(lineArgs.end(), words.begin(), words.end());
            lineArgs.push_back("--json");
            outBuffer.text.clear();
            errBuffer.text.clear();
            // A line's --tables is its own.
            Settings() = settings;
            code = runBatchLine(lineArgs, lineOut, lineErr);
            const std::string& json = outBuffer.text;
            if (code == kExitOk && json.size() > 1 && json.front() == '{') {
                out << "{\"line\":" << number << ',';
                out.write(json.data() + 1, static_cast<std::streamsize>(json.size() - 1));
                // Notes and warnings of a line that was calculated.
                std::string_view notes = errBuffer.text;
                for (std::size_t end; (end = notes.find('\n')) != notes.npos;
                     notes.remove_prefix(end + 1))
                    err << "line " << number << ": " << notes.substr(0, end) << '\n';
            } else {
                PrintError(out, number, Message(errBuffer.text), code);
            }
        } else {
            PrintError(out, number, "plcalc: " + problem, code);
        }
        worst = std::max(worst, code);
        // Whoever feeds standard input sees each answer as it comes.
        if (source.streaming()) out.flush();
    }
    if (source.error() != 0) {
        err << "plcalc: cannot read the standard input: " << ErrnoText(source.error()) << '\n';
        worst = std::max(worst, kExitFileError);
    }
    return worst;
}
