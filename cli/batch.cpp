#include "cli/batch.h"

#include "cli/json_writer.h"
#include "cli/options.h"
#include "cli/run_cli.h"
#include "core/settings.h"
#include "core/whole_file.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <locale.h>
#include <ostream>
#include <streambuf>
#include <string.h>
#include <string_view>
#include <unistd.h>

namespace {

// Words normalized as NormalizeArgs leaves them.
std::string NotInBatch(const std::vector<std::string>& words)
{
    const std::string word = FirstNotInBatch(words);
    if (!word.empty()) return word + " is not for --batch";
    // Standard input is the batch's or nobody's; standard output holds its answers.
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
        if (words[i + 1] == "-" && (words[i] == "--open" || words[i] == "--save"))
            return words[i] + " - is not for --batch";
    return {};
}

std::string ErrnoText(int error)
{
    // English whatever the locale, as every message.
    const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    std::string text = ::strerror_l(error, c);
    ::freelocale(c);
    return text;
}

// The lines of a file read whole, or of standard input as they come.
class LineSource {
public:
    // flushEach: whoever feeds the descriptor waits for each answer.
    LineSource(int fd, bool flushEach) : fd_(fd), flushEach_(flushEach) {}
    ~LineSource()
    {
        if (fd_ > STDERR_FILENO) ::close(fd_);
    }
    LineSource(const LineSource&) = delete;
    LineSource& operator=(const LineSource&) = delete;

    // False at the end. `line` is without its end (LF or CR LF); `tooLong`
    // when a line of standard input passed the text file limit.
    bool Next(std::string& line, bool& tooLong)
    {
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
    bool flushEach() const { return flushEach_; }

private:
    bool Fill()
    {
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                if (n < 0) error_ = errno;
                if (fd_ > STDERR_FILENO) ::close(fd_);
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
    bool flushEach_;
    int error_ = 0;
    bool skipping_ = false;
};

// Opens the batch file as every file is checked (a regular file that can be
// read); the descriptor, or -1 with the message.
int OpenBatchFile(const std::string& path, std::string& message)
{
    struct stat st {};
    const char* reason = nullptr;
    int fd = -1;
    if (::stat(path.c_str(), &st) != 0)
        reason = errno == ENOENT || errno == ENOTDIR ? "File not found" : "File access denied";
    else if (S_ISDIR(st.st_mode))
        reason = "File access denied";
    else if (!S_ISREG(st.st_mode))
        reason = kNotRegularFile;
    else if ((fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC)) < 0)
        reason = errno == ENOENT ? "File not found" : "File access denied";
    if (reason)
        message = std::string("plcalc: cannot read the batch file: ") + FileError(reason, path).what();
    return fd;
}

// On a terminal, the lines done so far, once the batch has run a second.
class Progress {
public:
    explicit Progress(std::ostream& err) : err_(err), on_(::isatty(STDERR_FILENO) == 1)
    {
        start_ = std::chrono::steady_clock::now();
        next_ = start_ + std::chrono::seconds(1);
    }
    ~Progress() { Clear(); }
    void Line(int number)
    {
        if (!on_ || (number & 255) != 0) return;
        const auto now = std::chrono::steady_clock::now();
        if (now < next_) return;
        next_ = now + std::chrono::milliseconds(250);
        err_ << "\rplcalc: line " << number << "\033[K" << std::flush;
        shown_ = true;
    }
    // Before a note, so it does not run into the count.
    void Clear()
    {
        if (!shown_) return;
        err_ << "\r\033[K" << std::flush;
        shown_ = false;
    }

private:
    std::ostream& err_;
    bool on_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_, next_;
};

// A line's output, kept in one string whose room serves the next line.
class LineBuffer : public std::streambuf {
public:
    std::string text;

protected:
    int_type overflow(int_type c) override
    {
        if (!traits_type::eq_int_type(c, traits_type::eof())) text += traits_type::to_char_type(c);
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        text.append(s, static_cast<std::size_t>(n));
        return n;
    }
};

void PrintError(std::ostream& out, int line, const std::string& message, int code)
{
    std::string text = "{\"line\":" + std::to_string(line) + ",\"error\":";
    AppendJsonString(text, message);
    out << text << ",\"exit\":" << code << "}\n";
}

bool Skipped(const std::string& line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string::npos || line[first] == '#';
}

} // namespace

bool SplitBatchLine(const std::string& line, std::vector<std::string>& words,
                    std::string& problem)
{
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
            if (close == std::string::npos) problem = "unterminated single quote";
            else word.append(line, i + 1, close - i - 1);
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

bool IsBatchRun(const std::vector<std::string>& args)
{
    return std::ranges::find(args, "--batch") != args.end();
}

int RunBatchCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> common;
    std::string file;
    bool given = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--batch") {
            common.push_back(args[i]);
            continue;
        }
        if (given) return UsageError(err, "--batch is given twice");
        if (i + 1 >= args.size()) return UsageError(err, "missing value for --batch");
        file = args[++i];
        given = true;
    }
    if (const std::string problem = NotInBatch(common); !problem.empty())
        return UsageError(err, problem);

    int fd = STDIN_FILENO;
    if (file != "-") {
        std::string message;
        if ((fd = OpenBatchFile(file, message)) < 0) {
            err << message << '\n';
            return kExitFileError;
        }
    }
    LineSource source(fd, file == "-");
    if (!SettingsRead(err)) return kExitFileError;
    const AppSettings settings = Settings();

    int worst = kExitOk;
    int number = 0;
    std::string line, problem;
    std::vector<std::string> words;
    LineBuffer outBuffer, errBuffer;
    std::ostream lineOut(&outBuffer), lineErr(&errBuffer);
    bool tooLong = false;
    Progress progress(err);
    while (source.Next(line, tooLong)) {
        ++number;
        progress.Line(number);
        int code = kExitOk;
        if (tooLong) {
            problem = "the line is longer than " + std::to_string(kTextFileLimit) + " bytes";
            code = kExitUsage;
        } else if (Skipped(line)) {
            continue;
        } else if (!SplitBatchLine(line, words, problem)) {
            code = kExitUsage;
        } else if (problem = NormalizeArgs(words); !problem.empty()) {
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
                // An object that --fields left empty is {"line":N}.
                out << "{\"line\":" << number << (json[1] == '}' ? "" : ",");
                out.write(json.data() + 1, static_cast<std::streamsize>(json.size() - 1));
                // Notes and warnings of a line that was calculated.
                std::string_view notes = errBuffer.text;
                if (!notes.empty()) progress.Clear();
                for (std::size_t end; (end = notes.find('\n')) != notes.npos;
                     notes.remove_prefix(end + 1)) {
                    std::string_view note = notes.substr(0, end);
                    if (note.starts_with("plcalc: ")) note.remove_prefix(8);
                    err << "plcalc: line " << number << ": " << note << '\n';
                }
            } else {
                PrintError(out, number, UsageProblem(errBuffer.text), code);
            }
        } else {
            PrintError(out, number, "plcalc: " + problem, code);
        }
        worst = std::max(worst, code);
        if (source.flushEach()) out.flush();
    }
    if (source.error() != 0) {
        err << "plcalc: cannot read the standard input: " << ErrnoText(source.error()) << '\n';
        worst = std::max(worst, kExitFileError);
    }
    return worst;
}
