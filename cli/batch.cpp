#include "cli/batch.h"

#include "cli/batch_lines.h"
#include "cli/batch_workers.h"
#include "cli/options.h"
#include "cli/run_cli.h"
#include "core/settings.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <ostream>
#include <string_view>
#include <unistd.h>

namespace {

int g_outputFd = -1;

// On a terminal, the threads done so far of those the file holds (standard
// input: the lines read), once the batch has run a second.
class Progress {
public:
    Progress(std::ostream& err, const std::string& file)
        : err_(err), file_(file), on_(::isatty(STDERR_FILENO) == 1) {
        start_ = std::chrono::steady_clock::now();
        next_ = start_ + std::chrono::seconds(1);
    }
    ~Progress() { Clear(); }
    void Line(int number, bool thread) {
        done_ += thread ? 1 : 0;
        if (!on_ || (number & 255) != 0) return;
        const auto now = std::chrono::steady_clock::now();
        if (now < next_) return;
        next_ = now + std::chrono::milliseconds(250);
        // Counted once it is shown: a short batch does not read its file twice.
        if (file_ != "-" && total_ < 0) total_ = Threads();
        err_ << "\rplcalc: ";
        if (total_ >= 0)
            err_ << done_ << " of " << total_ << " threads";
        else
            err_ << number << " lines";
        err_ << "\033[K" << std::flush;
        shown_ = true;
    }
    // Before a note, so it does not run into the count.
    void Clear() {
        if (!shown_) return;
        err_ << "\r\033[K" << std::flush;
        shown_ = false;
    }

private:
    // The lines of the file that are threads; -1 when it cannot be read.
    long Threads() const {
        std::string message, line;
        const int fd = OpenBatchFile(file_, message);
        if (fd < 0) return -1;
        LineSource source(fd, false);
        long n = 0;
        for (bool tooLong = false; source.Next(line, tooLong);)
            n += tooLong || !Skipped(line) ? 1 : 0;
        return source.error() == 0 ? n : -1;
    }

    std::ostream& err_;
    std::string file_;
    bool on_;
    long done_ = 0;
    long total_ = -1;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_, next_;
};

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

void SetBatchOutputDescriptor(int fd) {
    g_outputFd = fd;
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
        if (given) return UsageError(err, CliMode::Batch, "--batch is given twice");
        if (i + 1 >= args.size())
            return UsageError(err, CliMode::Batch, "missing value for --batch");
        file = args[++i];
        given = true;
    }
    if (const std::string problem = NotInBatch(common); !problem.empty())
        return UsageError(err, CliMode::Batch, problem);

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
    LineRunner runner(std::move(common), Settings());

    int worst = kExitOk;
    Progress progress(err, file);
    const auto answered = [&](int number, const LineAnswer& a) {
        progress.Line(number, !a.skipped);
        if (a.skipped) return;
        out << a.out;
        if (!a.notes.empty()) {
            progress.Clear();
            err << a.notes;
        }
        worst = std::max(worst, a.code);
        if (source.flushEach()) out.flush();
    };
    // A file is shared out to a process per processor, once its first line
    // has loaded the tables they share; standard input is answered line by
    // line as it comes.
    WorkersOutcome workers;
    LineAnswer a;
    std::string line;
    bool tooLong = false;
    int number = 1;
    if (file != "-" && g_outputFd >= 0 && source.Next(line, tooLong)) {
        runner.Answer(number, line, tooLong, a);
        answered(number++, a);
        out.flush(); // before the processes write after it
        if (out) workers = RunInWorkers(file, number, g_outputFd, runner, answered);
    }
    if (workers.status == WorkersOutcome::NotRun) {
        for (; source.Next(line, tooLong); ++number) {
            runner.Answer(number, line, tooLong, a);
            answered(number, a);
        }
        workers.readError = source.error();
    }
    if (workers.writeError != 0) {
        // As a write of this process would have ended: by the signal, or with the error.
        if (workers.writeError == EPIPE) ::raise(SIGPIPE);
        err << "plcalc: cannot write the output: " << ErrnoText(workers.writeError) << '\n';
        return kExitFileError;
    }
    if (workers.status == WorkersOutcome::Failed) {
        err << workers.message << '\n';
        worst = std::max(worst, kExitFileError);
    }
    if (workers.readError != 0) {
        err << "plcalc: cannot read the " << (file == "-" ? "standard input" : "batch file " + file)
            << ": " << ErrnoText(workers.readError) << '\n';
        worst = std::max(worst, kExitFileError);
    }
    return worst;
}
