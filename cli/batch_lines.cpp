#include "cli/batch_lines.h"

#include "cli/batch.h"
#include "cli/json_writer.h"
#include "cli/options.h"
#include "cli/run_cli.h"
#include "core/table_file.h"
#include "core/whole_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <locale.h>
#include <ostream>
#include <streambuf>
#include <string.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

std::string ErrorLine(int line, const std::string& message, int code) {
    std::string text = "{\"line\":" + std::to_string(line) + ",\"error\":";
    AppendJsonString(text, message);
    return text + ",\"exit\":" + std::to_string(code) + "}\n";
}

} // namespace

bool Skipped(const std::string& line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string::npos || line[first] == '#';
}

// Words normalized as NormalizeArgs leaves them.
std::string NotInBatch(const std::vector<std::string>& words) {
    const std::string word = FirstNotInBatch(words);
    if (!word.empty()) return word + " is not for --batch";
    // Standard input is the batch's or nobody's; standard output holds its answers.
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
        if (words[i + 1] == "-" && (words[i] == "--open" || words[i] == "--save"))
            return words[i] + " - is not for --batch";
    return {};
}

LineSource::~LineSource() {
    if (fd_ > STDERR_FILENO) ::close(fd_);
}

bool LineSource::Next(std::string& line, bool& tooLong) {
    tooLong = false;
    std::size_t end;
    while ((end = text_.find('\n', pos_)) == std::string::npos && fd_ >= 0) {
        if (text_.size() - pos_ > kTextFileLimit) {
            // Keep no more than the limit; the rest of the line is dropped.
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
    // A line whose end came in the same block as its start is measured here.
    if (end - pos_ > kTextFileLimit) skipping_ = true;
    line.assign(text_, pos_, skipping_ ? 0 : end - pos_);
    pos_ = std::min(end + 1, text_.size());
    if (skipping_) {
        tooLong = true;
        skipping_ = false;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (pos_ > 65536) {
        text_.erase(0, pos_);
        pos_ = 0;
    }
    return true;
}

bool LineSource::Fill() {
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

int OpenBatchFile(const std::string& path, std::string& message) {
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
        message =
            std::string("plcalc: cannot read the batch file: ") + FileError(reason, path).what();
    return fd;
}

std::string ErrnoText(int error) {
    const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    std::string text = ::strerror_l(error, c);
    ::freelocale(c);
    return text;
}

struct LineRunner::Buffers {
    LineBuffer out, err;
    std::ostream lineOut{&out}, lineErr{&err};
};

LineRunner::LineRunner(std::vector<std::string> common, AppSettings settings)
    : common_(std::move(common)), settings_(std::move(settings)), buffers_(new Buffers) {}

LineRunner::~LineRunner() {
    delete buffers_;
}

void LineRunner::Answer(int number, const std::string& line, bool tooLong, LineAnswer& a) {
    a.skipped = false;
    a.code = kExitOk;
    a.out.clear();
    a.notes.clear();
    std::string problem;
    if (tooLong) {
        problem = "the line is longer than " + std::to_string(kTextFileLimit) + " bytes";
        a.code = kExitUsage;
    } else if (Skipped(line)) {
        a.skipped = true;
        return;
    } else if (!SplitBatchLine(line, words_, problem)) {
        a.code = kExitUsage;
    } else if (problem = NormalizeArgs(words_); !problem.empty()) {
        a.code = kExitUsage;
    } else if (problem = NotInBatch(words_); !problem.empty()) {
        a.code = kExitUsage;
    }
    if (a.code != kExitOk) {
        a.out = ErrorLine(number, "plcalc: " + problem, a.code);
        return;
    }
    std::vector<std::string> lineArgs = common_;
    lineArgs.insert(lineArgs.end(), words_.begin(), words_.end());
    lineArgs.push_back("--json");
    Buffers& b = *buffers_;
    // The line's number goes first, and the object written after it is joined
    // to it in place: an answer is some 12 KB, not to be copied again.
    std::string& text = b.out.text;
    text.assign("{\"line\":").append(std::to_string(number));
    const std::size_t start = text.size();
    b.err.text.clear();
    // A line's --tables is its own.
    Settings() = settings_;
    {
        const TableCheckOnce line;
        a.code = runBatchLine(lineArgs, b.lineOut, b.lineErr);
    }
    if (a.code != kExitOk || text.size() < start + 2 || text[start] != '{') {
        a.out = ErrorLine(number, UsageProblem(b.err.text), a.code);
        return;
    }
    // An object that --fields left empty is {"line":N}.
    if (text[start + 1] == '}')
        text.erase(start, 1);
    else
        text[start] = ',';
    a.out.swap(text);
    // Notes and warnings of a line that was calculated.
    std::string_view notes = b.err.text;
    for (std::size_t end; (end = notes.find('\n')) != notes.npos; notes.remove_prefix(end + 1)) {
        std::string_view note = notes.substr(0, end);
        if (note.starts_with("plcalc: ")) note.remove_prefix(8);
        a.notes.append("plcalc: line ").append(std::to_string(number)).append(": ");
        a.notes.append(note).append("\n");
    }
}
