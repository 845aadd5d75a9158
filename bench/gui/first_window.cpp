// first_window: how long programs take to map their first top-level window.
//
//   first_window [--rounds N] [--timeout SECONDS]
//                --case NAME [--title TEXT] -- PROGRAM [ARGS...] [--case ...]
//
// Each round starts every case once, in turn, and asks the X server (DISPLAY)
// about once a millisecond whether a new child of the root window is viewable
// (and, with --title, whether its name holds TEXT). The program is then ended.
// Prints each round and the median per case, in milliseconds.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Case {
    std::string name;
    std::string title;
    std::vector<std::string> argv;
    std::vector<double> ms;
};

std::set<Window> TopLevels(Display* d) {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned n = 0;
    std::set<Window> out;
    if (XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &n)) {
        out.insert(children, children + n);
        XFree(children);
    }
    return out;
}

bool Shown(Display* d, Window w, const std::string& title) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a) || a.map_state != IsViewable) return false;
    if (title.empty()) return true;
    char* name = nullptr;
    if (!XFetchName(d, w, &name) || name == nullptr) return false;
    const bool match = std::strstr(name, title.c_str()) != nullptr;
    XFree(name);
    return match;
}

int IgnoreErrors(Display*, XErrorEvent*) {
    return 0; // a window may go away between listing and asking
}

// Milliseconds to the window, or a negative number when the program exited
// or the time ran out.
double TimeOne(Display* d, const Case& c, double timeoutS) {
    const std::set<Window> before = TopLevels(d);
    std::vector<char*> argv;
    for (const std::string& a : c.argv)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        std::perror(argv[0]);
        std::exit(1);
    }
    double result = -1;
    for (;;) {
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        bool found = false;
        for (Window w : TopLevels(d))
            if (!before.count(w) && Shown(d, w, c.title)) found = true;
        if (found) {
            result = ms;
            break;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            pid = 0;
            break;
        }
        if (ms > timeoutS * 1000) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (pid != 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    // Wait until the server has dropped the program's windows.
    for (int i = 0; i < 2000 && TopLevels(d).size() > before.size(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return result;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

int Usage() {
    std::fprintf(stderr, "usage: first_window [--rounds N] [--timeout SECONDS] --case NAME "
                         "[--title TEXT] -- PROGRAM [ARGS...] [--case ...]\n");
    return 64;
}

} // namespace

int main(int argc, char** argv) {
    int rounds = 7;
    double timeoutS = 30;
    std::vector<Case> cases;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--rounds" && i + 1 < argc)
            rounds = std::atoi(argv[++i]);
        else if (a == "--timeout" && i + 1 < argc)
            timeoutS = std::atof(argv[++i]);
        else if (a == "--case" && i + 1 < argc)
            cases.push_back({argv[++i], {}, {}, {}});
        else if (a == "--title" && i + 1 < argc && !cases.empty())
            cases.back().title = argv[++i];
        else if (a == "--" && !cases.empty()) {
            while (i + 1 < argc && std::string(argv[i + 1]) != "--case")
                cases.back().argv.push_back(argv[++i]);
        } else
            return Usage();
    }
    if (cases.empty() || rounds < 1) return Usage();
    for (const Case& c : cases)
        if (c.argv.empty()) return Usage();

    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) {
        std::fprintf(stderr, "first_window: cannot open display %s\n", XDisplayName(nullptr));
        return 1;
    }
    XSetErrorHandler(IgnoreErrors);
    for (int r = 1; r <= rounds; ++r) {
        std::printf("round %d:", r);
        for (Case& c : cases) {
            const double ms = TimeOne(d, c, timeoutS);
            if (ms < 0) {
                std::printf("\n%s: no window\n", c.name.c_str());
                return 1;
            }
            c.ms.push_back(ms);
            std::printf("  %s %.1f", c.name.c_str(), ms);
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    const double base = Median(cases.front().ms);
    for (const Case& c : cases)
        std::printf("median %-16s %7.1f ms  %.2f x %s\n", c.name.c_str(), Median(c.ms),
                    Median(c.ms) / base, cases.front().name.c_str());
    XCloseDisplay(d);
    return 0;
}
