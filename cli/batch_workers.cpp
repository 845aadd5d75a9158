#include "cli/batch_workers.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Below this size (about 2000 lines) the copies of the answers and the
// tables each process reads cost more than the second processor gives.
constexpr off_t kSmallFile = 64 * 1024;
constexpr int kMostWorkers = 8;

int Processors() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (::sched_getaffinity(0, sizeof set, &set) != 0) return 1;
    return CPU_COUNT(&set);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// What a worker sends for each line it owns: "s\n" for a skipped line, else
// "<code> <out size> <notes size>\n" and the bytes; "e <errno>\n" at its end.
void Put(std::string& records, const LineAnswer& a) {
    if (a.skipped) {
        records += "s\n";
        return;
    }
    records.append(std::to_string(a.code)).append(" ").append(std::to_string(a.out.size()));
    records.append(" ").append(std::to_string(a.notes.size())).append("\n");
    records.append(a.out).append(a.notes);
}

[[noreturn]] void Work(const std::string& file, int index, int count, LineRunner& runner, int fd) {
    std::string message, records;
    const int in = OpenBatchFile(file, message);
    int error = in < 0 ? EIO : 0;
    if (in >= 0) {
        LineSource source(in, false);
        LineAnswer a;
        std::string line;
        bool tooLong = false;
        for (int number = 1; source.Next(line, tooLong); ++number) {
            if ((number - 1) % count != index) continue;
            runner.Answer(number, line, tooLong, a);
            Put(records, a);
            if (records.size() > 65536) {
                if (!WriteAll(fd, records)) ::_exit(1);
                records.clear();
            }
        }
        error = source.error();
    }
    records.append("e ").append(std::to_string(error)).append("\n");
    ::_exit(WriteAll(fd, records) ? 0 : 1);
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

} // namespace

WorkersOutcome RunInWorkers(const std::string& file, LineRunner& runner,
                            const std::function<void(int number, const LineAnswer&)>& answered) {
    WorkersOutcome outcome;
    const int count = std::min(Processors(), kMostWorkers);
    struct stat st {};
    if (count < 2 || ::stat(file.c_str(), &st) != 0 || st.st_size < kSmallFile) return outcome;
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
            Work(file, i, count, runner, p[1]);
        }
        ::close(p[1]);
        pids.push_back(pid);
        fds.push_back(p[0]);
    }
    if (static_cast<int>(pids.size()) < count) {
        Stop(pids, fds);
        return outcome;
    }

    std::vector<RecordReader> readers(fds.begin(), fds.end());
    outcome.status = WorkersOutcome::Done;
    LineAnswer a;
    std::string header;
    for (int number = 1;; ++number) {
        RecordReader& r = readers[static_cast<std::size_t>((number - 1) % count)];
        std::size_t out = 0, notes = 0;
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
        a.skipped = header == "s";
        if (!a.skipped && (std::sscanf(header.c_str(), "%d %zu %zu", &code, &out, &notes) != 3 ||
                           !r.Bytes(out, a.out) || !r.Bytes(notes, a.notes))) {
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
