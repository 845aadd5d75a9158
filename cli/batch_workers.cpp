#include "cli/batch_workers.h"

#include "core/table_file.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sched.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// Below this size (about 120 lines) a second process does not pay for its
// start; above it the lines are shared out in blocks, each written whole in
// its turn.
constexpr off_t kSmallFile = 4 * 1024;
constexpr int kMostWorkers = 8;
constexpr int kBlockLines = 16;

int Processors() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (::sched_getaffinity(0, sizeof set, &set) != 0) return 1;
    return CPU_COUNT(&set);
}

// 0, or the errno of the failed write.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

bool ReadByte(int fd) {
    char c;
    for (;;) {
        const ssize_t n = ::read(fd, &c, 1);
        if (n < 0 && errno == EINTR) continue;
        return n == 1;
    }
}

// What a process sends for each line of its blocks: "s\n" for a skipped line,
// else "<code> <notes size>\n" and the notes. At its end "e <errno>\n" (the
// file's read), or "w <errno>\n" when its answers could not be written.
void Put(std::string& records, const LineAnswer& a) {
    if (a.skipped) {
        records += "s\n";
        return;
    }
    records.append(std::to_string(a.code)).append(" ").append(std::to_string(a.notes.size()));
    records.append("\n").append(a.notes);
}

struct Turns {
    int wait = -1; // the turn of this process's blocks comes here
    int pass = -1; // and goes on to the next process here
};

// The watches are let go first: the end would wait for them, and the first
// process, once told of the end, stops the process at once.
[[noreturn]] void End(int code) {
    StopWatchingTables();
    ::_exit(code);
}

// Process `index` of `count` answers blocks index, index + count, ... of the
// lines from `first` on; block 0 starts the turns.
[[noreturn]] void Work(const std::string& file, int first, int index, int count, int outFd,
                       Turns turns, LineRunner& runner, int report) {
    // A closed output is told as an error, and the turn passed on after the
    // last block finds the next process gone.
    ::signal(SIGPIPE, SIG_IGN);
    WatchTablesAfresh();
    std::string message, answers, records;
    const int in = OpenBatchFile(file, message);
    int error = in < 0 ? EIO : 0;
    if (in >= 0) {
        LineSource source(in, false);
        LineAnswer a;
        std::string line;
        bool tooLong = false, more = true;
        int number = 1;
        for (int block = index; more; block += count) {
            const int start = first + block * kBlockLines;
            answers.clear();
            records.clear();
            while (number < start && (more = source.Next(line, tooLong)))
                ++number;
            for (; more && number < start + kBlockLines && (more = source.Next(line, tooLong));
                 ++number) {
                runner.Answer(number, line, tooLong, a);
                Put(records, a);
                answers += a.out;
            }
            if (records.empty()) break; // the file ended before this block
            if (block > 0 && !ReadByte(turns.wait)) End(1);
            if (const int e = WriteAll(outFd, answers); e != 0) {
                StopWatchingTables();
                End(WriteAll(report, "w " + std::to_string(e) + "\n") == 0 ? 0 : 1);
            }
            (void)WriteAll(turns.pass, "t");
            if (WriteAll(report, records) != 0) End(1);
        }
        error = source.error();
    }
    StopWatchingTables();
    End(WriteAll(report, "e " + std::to_string(error) + "\n") == 0 ? 0 : 1);
}

class RecordReader {
public:
    explicit RecordReader(int fd) : fd_(fd) {}
    // The next header line, without its end; false at the end of the pipe.
    bool Header(std::string& line) {
        std::size_t end;
        while ((end = buf_.find('\n', pos_)) == std::string::npos)
            if (!Fill()) return false;
        line.assign(buf_, pos_, end - pos_);
        pos_ = end + 1;
        return true;
    }
    bool Bytes(std::size_t n, std::string& out) {
        while (buf_.size() - pos_ < n)
            if (!Fill()) return false;
        out.assign(buf_, pos_, n);
        pos_ += n;
        return true;
    }

private:
    bool Fill() {
        if (pos_ > 0) {
            buf_.erase(0, pos_);
            pos_ = 0;
        }
        char block[65536];
        for (;;) {
            const ssize_t n = ::read(fd_, block, sizeof block);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            buf_.append(block, static_cast<std::size_t>(n));
            return true;
        }
    }

    int fd_;
    std::string buf_;
    std::size_t pos_ = 0;
};

void Stop(const std::vector<pid_t>& pids, const std::vector<int>& fds) {
    for (const int fd : fds)
        ::close(fd);
    for (const pid_t pid : pids) {
        ::kill(pid, SIGTERM);
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
}

void CloseAll(std::vector<int>& fds) {
    for (int& fd : fds)
        if (fd >= 0) ::close(std::exchange(fd, -1));
}

} // namespace

WorkersOutcome RunInWorkers(const std::string& file, int first, int outFd, LineRunner& runner,
                            const std::function<void(int number, const LineAnswer&)>& answered) {
    WorkersOutcome outcome;
    const int count = std::min(Processors(), kMostWorkers);
    struct stat st {};
    if (outFd < 0 || count < 2 || ::stat(file.c_str(), &st) != 0 || st.st_size < kSmallFile)
        return outcome;
    // Turn pipe k carries the turn to process k.
    std::vector<int> waits(static_cast<std::size_t>(count), -1), passes = waits;
    for (int k = 0; k < count; ++k) {
        int p[2];
        if (::pipe2(p, O_CLOEXEC) != 0) {
            CloseAll(waits);
            CloseAll(passes);
            return outcome;
        }
        waits[static_cast<std::size_t>(k)] = p[0];
        passes[static_cast<std::size_t>(k)] = p[1];
    }
    std::vector<pid_t> pids;
    std::vector<int> fds;
    for (int i = 0; i < count; ++i) {
        int p[2];
        if (::pipe2(p, O_CLOEXEC) != 0) break;
        const pid_t pid = ::fork();
        if (pid < 0) {
            ::close(p[0]);
            ::close(p[1]);
            break;
        }
        if (pid == 0) {
            ::close(p[0]);
            for (const int fd : fds)
                ::close(fd);
            const auto at = [](int k) { return static_cast<std::size_t>(k); };
            const Turns turns{waits[at(i)], passes[at((i + 1) % count)]};
            for (int k = 0; k < count; ++k) {
                if (waits[at(k)] != turns.wait) ::close(waits[at(k)]);
                if (passes[at(k)] != turns.pass) ::close(passes[at(k)]);
            }
            Work(file, first, i, count, outFd, turns, runner, p[1]);
        }
        ::close(p[1]);
        pids.push_back(pid);
        fds.push_back(p[0]);
    }
    // A process that ends leaves those waiting for its turn at the pipe's end.
    CloseAll(waits);
    CloseAll(passes);
    if (static_cast<int>(pids.size()) < count) {
        Stop(pids, fds);
        return outcome;
    }

    std::vector<RecordReader> readers(fds.begin(), fds.end());
    outcome.status = WorkersOutcome::Done;
    LineAnswer a;
    std::string header;
    for (int number = first;; ++number) {
        const int block = (number - first) / kBlockLines;
        RecordReader& r = readers[static_cast<std::size_t>(block % count)];
        std::size_t notes = 0;
        int code = 0;
        if (!r.Header(header)) {
            outcome.status = WorkersOutcome::Failed;
            outcome.message = "plcalc: the batch stopped at line " + std::to_string(number) +
                              ": its process ended";
            break;
        }
        if (header.starts_with("e ")) {
            outcome.readError = std::atoi(header.c_str() + 2);
            break;
        }
        if (header.starts_with("w ")) {
            outcome.writeError = std::atoi(header.c_str() + 2);
            break;
        }
        a.skipped = header == "s";
        if (!a.skipped && (std::sscanf(header.c_str(), "%d %zu", &code, &notes) != 2 ||
                           !r.Bytes(notes, a.notes))) {
            outcome.status = WorkersOutcome::Failed;
            outcome.message = "plcalc: the batch stopped at line " + std::to_string(number) +
                              ": its answer was cut";
            break;
        }
        a.code = code;
        answered(number, a);
    }
    Stop(pids, fds);
    return outcome;
}
