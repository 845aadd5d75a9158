#include "core/table_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <mutex>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

struct Kept {
    FileStamp stamp;
    TableBytes bytes;
    bool watched = false; // its folder is watched: no stat on use
};

std::mutex g_mutex;
std::unordered_map<std::string, Kept> g_kept;

// A stat of each kept table on every use costs a quarter of reading it. A
// watch on each folder of a kept table tells of every change instead (written,
// touched, replaced, moved, removed), read without waiting before each use.
// Where a watch cannot be had, the stat remains.
struct Watches {
    int fd = -2;     // -2: not opened yet, -1: none to be had
    pid_t owner = 0; // the process that opened it: a child forked since shares it
    std::unordered_map<int, std::vector<std::string>> prefixes; // folder's paths, "dir/"
    std::unordered_map<std::string, int> byPrefix;
    std::unordered_set<std::string> throughLinks; // folders reached through a symbolic link
};
Watches g_watch;
// Counts events and lost watches: a table read while one came is not taken
// as watched, as the event may have been for the bytes being read.
uint64_t g_events = 0;

void StopWatchingAtExit() {
    StopWatchingTables();
}

int WatchFd() {
    if (g_watch.fd == -2) {
        g_watch.fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        g_watch.owner = ::getpid();
        static const bool atExit = std::atexit(StopWatchingAtExit) == 0;
        (void)atExit;
    }
    return g_watch.fd;
}

// A watch follows the folder it was given, not its path: re-pointing a
// symbolic link on the way to it (ln -sfn T2 Tables) tells it nothing.
bool ThroughLink(const std::string& prefix) {
    std::error_code ec;
    const std::filesystem::path dir = prefix.empty() ? "." : prefix;
    const std::filesystem::path real = std::filesystem::canonical(dir, ec);
    if (ec) return true;
    std::filesystem::path given = std::filesystem::absolute(dir, ec).lexically_normal();
    if (ec) return true;
    if (!given.has_filename()) given = given.parent_path(); // "dir/" as "dir"
    return real != given;
}

// Watches the folder of path; false when it cannot, or when the folder is
// reached through a symbolic link: such a table is looked at on every use.
bool Watch(const std::string& path) {
    const int fd = WatchFd();
    if (fd < 0) return false;
    const std::string prefix = path.substr(0, path.rfind('/') + 1);
    if (g_watch.byPrefix.contains(prefix)) return true;
    if (g_watch.throughLinks.contains(prefix)) return false;
    if (ThroughLink(prefix)) {
        g_watch.throughLinks.insert(prefix);
        return false;
    }
    const uint32_t mask = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM |
                          IN_CREATE | IN_DELETE | IN_DELETE_SELF | IN_MOVE_SELF;
    const int wd = ::inotify_add_watch(fd, prefix.empty() ? "." : prefix.c_str(), mask);
    if (wd < 0) return false;
    g_watch.byPrefix[prefix] = wd;
    g_watch.prefixes[wd].push_back(prefix);
    return true;
}

// Every kept table whose folder is no longer watched is read again.
void ForgetWatches() {
    ++g_events;
    std::erase_if(g_kept, [](const auto& k) { return k.second.watched; });
    if (g_watch.fd >= 0) ::close(g_watch.fd);
    g_watch = Watches{};
}

// Drops the kept tables the events waiting tell of.
void Drain() {
    if (g_watch.fd < 0) return;
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(g_watch.fd, buffer, sizeof buffer);
        if (n <= 0) {
            if (n < 0 && errno != EAGAIN && errno != EINTR) ForgetWatches();
            return;
        }
        for (ssize_t at = 0; at < n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
            if (e->mask & (IN_Q_OVERFLOW | IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF) ||
                e->len == 0) {
                ForgetWatches();
                return;
            }
            const auto folder = g_watch.prefixes.find(e->wd);
            ++g_events;
            if (folder == g_watch.prefixes.end()) continue;
            for (const std::string& prefix : folder->second)
                g_kept.erase(prefix + e->name);
        }
    }
}
// While a TableCheckOnce lives on a thread: their number, and whether the
// events have been read since the first began.
thread_local int t_holds = 0;
thread_local bool t_drained = false;

void DrainOncePerHold() {
    if (t_holds > 0 && t_drained) return;
    Drain();
    t_drained = t_holds > 0;
}

// Tables of removed temporary folders are never asked for again.
constexpr std::size_t kMaxKept = 256;

// Eight tables, so the check reads eight bytes a step: a cold read of the
// metric tables checks some 130 KB.
using CrcTables = std::array<std::array<uint32_t, 256>, 8>;
constexpr CrcTables MakeCrcTables() {
    CrcTables t{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[0][n] = c;
    }
    for (uint32_t n = 0; n < 256; ++n)
        for (std::size_t k = 1; k < 8; ++k)
            t[k][n] = (t[k - 1][n] >> 8) ^ t[0][t[k - 1][n] & 0xFF];
    return t;
}
constexpr CrcTables kCrc = MakeCrcTables();

// The file's line in the sums file beside it, if any, decides whether its
// bytes are the ones the table compiler wrote.
void CheckSum(const std::string& path, const std::vector<unsigned char>& bytes) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = path.substr(folder.size());
    if (name == kTableSumsName) return;
    TableBytes sums; // kept like a table: one read for all the tables beside it
    try {
        sums = ReadTableBytes(folder + kTableSumsName);
    } catch (const TableError& e) {
        if (e.reason() == "File not found") return; // tables compiled without one
        throw;
    }
    const std::string_view text(reinterpret_cast<const char*>(sums->data()), sums->size());
    // Every table read checks its line: the others are passed over unread.
    const std::vector<TableSum> lines = ParseTableSums(text, name);
    for (const TableSum& s : lines) {
        if (!s.readable)
            throw TableError(kTableDamaged, folder + kTableSumsName,
                             "line " + std::to_string(s.line) + ", the line of " + name +
                                 ", cannot be read");
        if (s.size != bytes.size() || s.crc != Crc32(bytes.data(), bytes.size()))
            throw TableError(kTableDamaged, path,
                             std::string("its bytes differ from its line in ") + kTableSumsName);
        return;
    }
}

bool Before(int64_t sec, int64_t nsec, const timespec& t) {
    return sec < t.tv_sec || (sec == t.tv_sec && nsec < t.tv_nsec);
}

} // namespace

std::vector<TableSum> ParseTableSums(std::string_view text, std::string_view only) {
    std::vector<TableSum> sums;
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    int number = 0;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++number;
        // Editors and transfers add CR line ends and trailing blanks.
        while (!line.empty() && blank(line.front()))
            line.remove_prefix(1);
        while (!line.empty() && blank(line.back()))
            line.remove_suffix(1);
        if (line.empty()) continue;
        if (!only.empty() &&
            line.substr(0, std::find_if(line.begin(), line.end(), blank) - line.begin()) != only)
            continue;
        std::vector<std::string_view> words;
        for (std::size_t w = 0; w < line.size();) {
            const std::size_t stop =
                std::find_if(line.begin() + static_cast<long>(w), line.end(), blank) - line.begin();
            words.push_back(line.substr(w, stop - w));
            w = stop;
            while (w < line.size() && blank(line[w]))
                ++w;
        }
        TableSum s;
        s.line = number;
        s.name = std::string(words[0]);
        const auto whole = [](std::string_view word, auto& value, int base) {
            const auto r = std::from_chars(word.data(), word.data() + word.size(), value, base);
            return r.ec == std::errc() && r.ptr == word.data() + word.size();
        };
        s.readable = words.size() == 3 && whole(words[1], s.size, 10) && whole(words[2], s.crc, 16);
        sums.push_back(std::move(s));
    }
    return sums;
}

uint32_t Crc32(const unsigned char* data, std::size_t size) {
    uint32_t c = 0xFFFFFFFFu;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        const unsigned char* b = data + i;
        const uint32_t low =
            c ^ (b[0] | b[1] << 8 | b[2] << 16 | static_cast<uint32_t>(b[3]) << 24);
        c = kCrc[7][low & 0xFF] ^ kCrc[6][(low >> 8) & 0xFF] ^ kCrc[5][(low >> 16) & 0xFF] ^
            kCrc[4][low >> 24] ^ kCrc[3][b[4]] ^ kCrc[2][b[5]] ^ kCrc[1][b[6]] ^ kCrc[0][b[7]];
    }
    for (; i < size; ++i)
        c = kCrc[0][(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

TableBytes ReadTableBytes(const std::string& path) {
    bool watched = false, keptUnwatched = false;
    uint64_t events = 0;
    {
        const std::lock_guard<std::mutex> lock(g_mutex);
        DrainOncePerHold();
        const auto kept = g_kept.find(path);
        if (kept != g_kept.end() && kept->second.watched) return kept->second.bytes;
        keptUnwatched = kept != g_kept.end();
        // Watched before the read, so a change while reading is told too.
        watched = Watch(path);
        events = g_events;
    }
    FileStamp now;
    if ((!watched || keptUnwatched) && StampOf(path, now)) {
        const std::lock_guard<std::mutex> lock(g_mutex);
        const auto kept = g_kept.find(path);
        if (kept != g_kept.end() && kept->second.stamp == now) {
            // Unchanged up to a look taken under the watch: a later change is told.
            if (watched && events == g_events) kept->second.watched = true;
            return kept->second.bytes;
        }
    }

    timespec started{};
    ::clock_gettime(CLOCK_REALTIME, &started);
    FileStamp stamp;
    std::shared_ptr<const std::vector<unsigned char>> bytes;
    try {
        bytes = std::make_shared<const std::vector<unsigned char>>(
            ReadWholeFileStamped(path, kTableFileLimit, stamp));
    } catch (const FileError& e) {
        throw TableError(e);
    }
    CheckSum(path, *bytes);

    const std::lock_guard<std::mutex> lock(g_mutex);
    Drain();
    started.tv_sec -= kTableSettleSeconds;
    if (Before(stamp.changedSec, stamp.changedNsec, started)) {
        if (g_kept.size() >= kMaxKept) g_kept.clear();
        g_kept[path] = Kept{stamp, bytes, watched && events == g_events};
    } else {
        g_kept.erase(path);
    }
    return bytes;
}

TableCheckOnce::TableCheckOnce() {
    if (t_holds++ == 0) t_drained = false;
}

TableCheckOnce::~TableCheckOnce() {
    --t_holds;
}

void ClearTableCache() {
    const std::lock_guard<std::mutex> lock(g_mutex);
    g_kept.clear();
}

void WatchTablesAfresh() {
    const std::lock_guard<std::mutex> lock(g_mutex);
    // The parent holds the same watch: closing this copy lets nothing go.
    if (g_watch.fd >= 0) ::close(g_watch.fd);
    g_watch = Watches{};
    ++g_events;
    for (auto& [path, kept] : g_kept)
        kept.watched = false;
}

void StopWatchingTables() {
    const std::lock_guard<std::mutex> lock(g_mutex);
    if (g_watch.fd < 0) return;
    // Removed now, the watches are let go while the process ends; the
    // descriptor itself is closed by the end. A forked child that did not
    // watch afresh would remove its parent's.
    if (g_watch.owner == ::getpid())
        for (const auto& [prefix, wd] : g_watch.byPrefix)
            ::inotify_rm_watch(g_watch.fd, wd);
    g_watch.byPrefix.clear();
    g_watch.prefixes.clear();
    g_watch.fd = -1;
    ++g_events;
    for (auto& [path, kept] : g_kept)
        kept.watched = false;
}

std::string CheckListedTables(const std::string& folder) {
    const std::string dir = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    const std::string sumsPath = dir + kTableSumsName;
    std::vector<unsigned char> text;
    try {
        text = ReadWholeFile(sumsPath, kTableFileLimit);
    } catch (const FileError& e) {
        return e.what();
    }
    const std::vector<TableSum> sums =
        ParseTableSums(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
    if (sums.empty()) return TableError(kTableDamaged, sumsPath, "it lists no table").what();
    for (const TableSum& s : sums) {
        // A name is a file beside the sums, never a path elsewhere.
        if (!s.readable || s.name.find('/') != std::string::npos)
            return TableError(kTableDamaged, sumsPath,
                              "line " + std::to_string(s.line) + " cannot be read")
                .what();
        std::vector<unsigned char> bytes;
        try {
            bytes = ReadWholeFile(dir + s.name, kTableFileLimit);
        } catch (const FileError& e) {
            return e.what();
        }
        if (bytes.size() != s.size || Crc32(bytes.data(), bytes.size()) != s.crc)
            return TableError(kTableDamaged, dir + s.name,
                              std::string("its bytes differ from its line in ") + kTableSumsName)
                .what();
    }
    return {};
}
