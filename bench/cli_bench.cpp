// Whole-process timings of plcalc, measured side by side in one run: a plain
// calculation against the same run of the Qt-linked report program; one
// batch of the standard unified rows against a process per row; the batch
// writing only the limits (--fields limits) against the Python loop a user
// would write instead (bench/unified_limits.py, the B1.1 formulas).
//   cli_bench [runs] [batch runs] [rounds of separate processes]
#include "core/number_text.h"
#include "core/settings.h"
#include "core/table_file.h"
#include "families/unified_tables.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Took {
    double wall, cpu; // seconds; cpu: user + system of the child
};

// Runs the program with its output into `output` (/dev/null by default) and
// its standard error into `errors`; the time it took, whole process. Exits
// the benchmark if the run fails.
Took Run(const std::vector<std::string>& args, const char* output = "/dev/null",
         const char* errors = "/dev/null") {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const Clock::time_point start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int out = ::open(output, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int null = ::open(errors, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || null < 0 || ::dup2(out, 1) < 0 || ::dup2(null, 2) < 0) ::_exit(127);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    struct rusage use {};
    if (pid < 0 || ::wait4(pid, &status, 0, &use) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "cli_bench: %s failed (status %d)\n", args[0].c_str(), status);
        std::exit(1);
    }
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return {std::chrono::duration<double>(Clock::now() - start).count(),
            seconds(use.ru_utime) + seconds(use.ru_stime)};
}

struct Times {
    std::vector<double> s;
    double median() {
        std::ranges::sort(s);
        return s[s.size() / 2];
    }
    double min() { return *std::ranges::min_element(s); }
};

// The standard series rows of the unified table, as a user types them.
std::vector<std::vector<std::string>> StandardRows() {
    Settings().TableDataPath = PL_TABLES_DIR;
    const TableFile file("ansitbl.bin", kAnsiRecord);
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        rows.push_back({"--dia", FormatFixed(r.I32(0) / 10000.0, 1, 4), "--tpi",
                        TPIText(r.U16(4) / 10.0), "--class", r.Str(11, 2).substr(0, 1)});
    }
    return rows;
}

// The twelve limits of each answer line, in the order they are written
// (null, the internal major max B1.1 does not give, as 0).
std::vector<std::vector<double>> LimitsOf(const std::string& file) {
    std::vector<std::vector<double>> rows;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        std::vector<double>& row = rows.emplace_back();
        for (std::size_t at = 0; (at = line.find("\"M", at)) != std::string::npos;) {
            if (line.compare(at, 6, "\"Max\":") != 0 && line.compare(at, 6, "\"Min\":") != 0) {
                ++at;
                continue;
            }
            at += 6;
            row.push_back(line.compare(at, 4, "null") == 0 ? 0 : std::strtod(&line[at], nullptr));
        }
    }
    return rows;
}

int Arg(int argc, char** argv, int i, int fallback) {
    return argc > i ? std::max(1, std::atoi(argv[i])) : fallback;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = Arg(argc, argv, 1, 200);
    const int batchRuns = Arg(argc, argv, 2, 20);
    const int rounds = Arg(argc, argv, 3, 3);
    const std::vector<std::string> plain = {PL_PLCALC, "--tables", PL_TABLES_DIR, "--type", "UN",
                                            "--dia",   "1/4",      "--tpi",       "20"};
    std::vector<std::string> qtLinked = plain;
    qtLinked[0] = PL_PLCALC_REPORT;

    Times p, q, pc, qc;
    for (int i = 0; i < runs; ++i) {
        const Took a = Run(plain), b = Run(qtLinked);
        p.s.push_back(a.wall);
        pc.s.push_back(a.cpu);
        q.s.push_back(b.wall);
        qc.s.push_back(b.cpu);
    }
    std::printf("plain run, %d runs each, whole process (median / min):\n", runs);
    std::printf("  plcalc          %7.3f / %7.3f ms\n", p.median() * 1e3, p.min() * 1e3);
    std::printf("  plcalc-report   %7.3f / %7.3f ms  (Qt linked)\n", q.median() * 1e3,
                q.min() * 1e3);
    std::printf("  ratio plain / Qt-linked: %.3f (CPU time: %.3f / %.3f ms, ratio %.3f)\n",
                p.median() / q.median(), pc.median() * 1e3, qc.median() * 1e3,
                pc.median() / qc.median());

    const std::vector<std::vector<std::string>> rows = StandardRows();
    char dir[] = "/tmp/cli_bench.XXXXXX";
    if (::mkdtemp(dir) == nullptr) return 1;
    const std::string batchFile = std::string(dir) + "/rows.txt";
    const std::string answers = std::string(dir) + "/answers.jsonl";
    {
        std::ofstream out(batchFile);
        for (const auto& row : rows) {
            for (std::size_t k = 0; k < row.size(); ++k)
                out << (k ? " " : "") << row[k];
            out << '\n';
        }
    }
    const std::vector<std::string> batch = {PL_PLCALC, "--tables", PL_TABLES_DIR, "--batch",
                                            batchFile};
    (void)Run(batch, answers.c_str());
    std::ifstream in(answers);
    std::size_t lines = 0, errors = 0;
    for (std::string line; std::getline(in, line); ++lines)
        errors += line.find("\"error\":") != std::string::npos;

    Times b, s, bc, sc;
    for (int r = 0; r < std::max(batchRuns, rounds); ++r) {
        if (r < batchRuns) {
            const Took t = Run(batch);
            b.s.push_back(t.wall);
            bc.s.push_back(t.cpu);
        }
        if (r < rounds) {
            Took total{0, 0};
            for (const auto& row : rows) {
                std::vector<std::string> args = {PL_PLCALC, "--tables", PL_TABLES_DIR, "--json"};
                args.insert(args.end(), row.begin(), row.end());
                const Took t = Run(args);
                total.wall += t.wall;
                total.cpu += t.cpu;
            }
            s.s.push_back(total.wall);
            sc.s.push_back(total.cpu);
        }
    }
    const double n = static_cast<double>(rows.size());
    std::printf("\n%zu standard unified rows (%zu answers, %zu errors):\n", rows.size(), lines,
                errors);
    std::printf("  plcalc --batch      %8.1f / %8.1f ms  %9.0f threads/s (median, %d runs)\n",
                b.median() * 1e3, b.min() * 1e3, n / b.median(), batchRuns);
    std::printf("  separate processes  %8.1f / %8.1f ms  %9.0f threads/s (median, %d rounds)\n",
                s.median() * 1e3, s.min() * 1e3, n / s.median(), rounds);
    std::printf("  batch is %.1f times faster\n", s.median() / b.median());
    std::printf("  CPU time (user + system): batch %.1f ms, %.1f us a thread, %.0f threads per "
                "CPU second; separate %.1f ms\n",
                bc.median() * 1e3, bc.median() / n * 1e6, n / bc.median(), sc.median() * 1e3);
    const double fullRate = n / b.median();
    std::printf("  goal >= 30000 threads/s: %s\n", fullRate >= 30000 ? "met" : "not met");

    // The limits alone, against the Python loop of the same values.
    std::vector<std::string> limits = batch;
    limits.insert(limits.end(), {"--fields", "limits"});
    const std::string limitAnswers = std::string(dir) + "/limits.jsonl";
    const std::string pyAnswers = std::string(dir) + "/python.jsonl";
    const std::string pyErrors = std::string(dir) + "/python.err";
    (void)Run(limits, limitAnswers.c_str());
    const std::vector<std::string> python = {PL_PYTHON, PL_SOURCE_DIR "/bench/unified_limits.py",
                                             PL_SOURCE_DIR "/data/ansitbl.csv"};
    (void)Run(python, pyAnswers.c_str());
    const auto ours = LimitsOf(limitAnswers), theirs = LimitsOf(pyAnswers);
    std::size_t agree = 0;
    for (std::size_t i = 0; i < std::min(ours.size(), theirs.size()); ++i) {
        bool same = ours[i].size() == 12 && theirs[i].size() == 12;
        for (std::size_t k = 0; same && k < 12; ++k)
            same = std::fabs(ours[i][k] - theirs[i][k]) < 1.5e-6;
        agree += same;
    }
    // plcalc's own start, as the script's start is left out of its loop: a
    // batch of the first row alone (start-up, tables read, one line answered).
    const std::string firstFile = std::string(dir) + "/first.txt";
    {
        std::ofstream out(firstFile);
        for (std::size_t k = 0; k < rows.front().size(); ++k)
            out << (k ? " " : "") << rows.front()[k];
        out << '\n';
    }
    std::vector<std::string> first = limits;
    first[4] = firstFile;
    Times l, lc, py, loop, start;
    for (int r = 0; r < batchRuns; ++r) {
        const Took t = Run(limits);
        l.s.push_back(t.wall);
        lc.s.push_back(t.cpu);
        start.s.push_back(Run(first).wall);
        py.s.push_back(Run(python, "/dev/null", pyErrors.c_str()).wall);
        // The loop's own time, printed by the script: rows seconds rate.
        std::ifstream e(pyErrors);
        double count = 0, seconds = 0;
        e >> count >> seconds;
        loop.s.push_back(seconds);
    }
    const double limitsRate = n / l.median(), loopRate = n / loop.median();
    std::printf("\n--fields limits (PD, major, minor max and min of both threads), %zu rows:\n",
                rows.size());
    std::printf("  plcalc --batch --fields limits  %8.1f ms  %9.0f threads/s (whole process; "
                "CPU %.1f us a thread, %.0f per CPU second)\n",
                l.median() * 1e3, limitsRate, lc.median() / n * 1e6, n / lc.median());
    std::printf("  Python loop (B1.1 formulas)     %8.1f ms  %9.0f threads/s (the loop alone; "
                "whole process %.1f ms)\n",
                loop.median() * 1e3, loopRate, py.median() * 1e3);
    std::printf("  ratio %.2f against the loop alone, %.2f against the whole Python process\n",
                limitsRate / loopRate, py.median() / l.median());
    const double ownLoop = l.median() - start.median();
    std::printf("  plcalc less its start (a batch of the first row: %.1f ms): %.1f ms, %.2f "
                "against the Python loop alone\n",
                start.median() * 1e3, ownLoop * 1e3, loop.median() / ownLoop);
    // A script is run as a whole process too; the loop alone is the stricter measure.
    const auto verdict = [](double ratio) { return ratio >= 3 ? "met" : "not met"; };
    std::printf("  goal >= 3 x: %s against the whole Python process, %s against its loop alone; "
                "%zu of %zu rows give the same twelve values (the others are rows whose printed "
                "values the table keeps)\n",
                verdict(py.median() / l.median()), verdict(limitsRate / loopRate), agree,
                rows.size());
    std::remove(limitAnswers.c_str());
    std::remove(pyAnswers.c_str());
    std::remove(pyErrors.c_str());
    std::remove(batchFile.c_str());
    std::remove(firstFile.c_str());
    std::remove(answers.c_str());
    ::rmdir(dir);
    return errors == 0 && lines == rows.size() ? 0 : 1;
}
