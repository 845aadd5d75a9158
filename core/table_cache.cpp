#include "core/table_cache.h"

#include "core/table_file.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <ctime>
#include <mutex>
#include <string_view>
#include <unordered_map>

namespace {

struct Kept {
    FileStamp stamp;
    TableBytes bytes;
};

std::mutex g_mutex;
std::unordered_map<std::string, Kept> g_kept;
// Tables of removed temporary folders are never asked for again.
constexpr std::size_t kMaxKept = 256;

constexpr std::array<uint32_t, 256> MakeCrcTable()
{
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[n] = c;
    }
    return t;
}
constexpr std::array<uint32_t, 256> kCrcTable = MakeCrcTable();

// The file's line in the sums file beside it, if any, decides whether its
// bytes are the ones the table compiler wrote.
void CheckSum(const std::string& path, const std::vector<unsigned char>& bytes)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = path.substr(folder.size());
    if (name == kTableSumsName) return;
    std::vector<unsigned char> sums;
    try {
        sums = ReadWholeFile(folder + kTableSumsName, kTextFileLimit);
    } catch (const TableError& e) {
        if (e.reason() == "File not found") return; // tables compiled without one
        throw;
    }
    const std::string_view text(reinterpret_cast<const char*>(sums.data()), sums.size());
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (!line.starts_with(name) || line.size() == name.size() || line[name.size()] != ' ')
            continue;
        const char* p = line.data() + name.size() + 1;
        const char* const last = line.data() + line.size();
        uint64_t size = 0;
        uint32_t crc = 0;
        auto r = std::from_chars(p, last, size);
        bool ok = r.ec == std::errc() && r.ptr != last && *r.ptr == ' ';
        if (ok) {
            r = std::from_chars(r.ptr + 1, last, crc, 16);
            ok = r.ec == std::errc() && r.ptr == last;
        }
        if (!ok || size != bytes.size() || crc != Crc32(bytes.data(), bytes.size()))
            throw TableError(kTableDamaged, path,
                             std::string("its bytes differ from its line in ") + kTableSumsName);
        return;
    }
}

bool Before(int64_t sec, int64_t nsec, const timespec& t)
{
    return sec < t.tv_sec || (sec == t.tv_sec && nsec < t.tv_nsec);
}

} // namespace

uint32_t Crc32(const unsigned char* data, std::size_t size)
{
    uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) c = kCrcTable[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

TableBytes ReadTableBytes(const std::string& path)
{
    FileStamp now;
    if (StampOf(path, now)) {
        const std::lock_guard<std::mutex> lock(g_mutex);
        const auto kept = g_kept.find(path);
        if (kept != g_kept.end() && kept->second.stamp == now) return kept->second.bytes;
    }

    timespec started{};
    ::clock_gettime(CLOCK_REALTIME, &started);
    FileStamp stamp;
    auto bytes = std::make_shared<const std::vector<unsigned char>>(
        ReadWholeFileStamped(path, kTableFileLimit, stamp));
    CheckSum(path, *bytes);

    const std::lock_guard<std::mutex> lock(g_mutex);
    started.tv_sec -= kTableSettleSeconds;
    if (Before(stamp.changedSec, stamp.changedNsec, started)) {
        if (g_kept.size() >= kMaxKept) g_kept.clear();
        g_kept[path] = Kept{stamp, bytes};
    } else {
        g_kept.erase(path);
    }
    return bytes;
}

void ClearTableCache()
{
    const std::lock_guard<std::mutex> lock(g_mutex);
    g_kept.clear();
}
