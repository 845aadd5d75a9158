#include "register/register_record.h"

#include "core/number_text.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <iterator>

namespace ch = std::chrono;

bool ParseIsoDate(std::string_view t, Date& date) {
    if (t.size() != 10 || t[4] != '-' || t[7] != '-') return false;
    int parts[3] = {0, 0, 0};
    const int at[3][2] = {{0, 4}, {5, 2}, {8, 2}};
    for (int i = 0; i < 3; ++i) {
        const char* first = t.data() + at[i][0];
        const char* last = first + at[i][1];
        for (const char* p = first; p != last; ++p)
            if (*p < '0' || *p > '9') return false;
        std::from_chars(first, last, parts[i]);
    }
    const ch::year_month_day ymd{ch::year(parts[0]), ch::month(static_cast<unsigned>(parts[1])),
                                 ch::day(static_cast<unsigned>(parts[2]))};
    if (parts[0] < 1900 || !ymd.ok()) return false;
    date.days = ch::sys_days(ymd).time_since_epoch().count();
    return true;
}

std::string IsoDateText(Date date) {
    const ch::year_month_day ymd{ch::sys_days(ch::days(date.days))};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
    return text;
}

Date Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    const ch::year_month_day ymd{ch::year(local.tm_year + 1900),
                                 ch::month(static_cast<unsigned>(local.tm_mon + 1)),
                                 ch::day(static_cast<unsigned>(local.tm_mday))};
    return {static_cast<int>(ch::sys_days(ymd).time_since_epoch().count())};
}

namespace {

const char* const kMembers[] = {"GoPlug",   "NoGoPlug",  "GoRing",
                                "NoGoRing", "GoSetPlug", "NoGoSetPlug"};
const char* const kClasses[] = {"X", "W", "ISO 1502"};
const char* const kStatuses[] = {"in use", "quarantined", "retired"};
const char* const kVerdicts[] = {"conforms", "does not conform", "not proven"};

bool SameLetters(std::string_view a, std::string_view b) {
    return LowerCase(std::string(a)) == LowerCase(std::string(b));
}

template <typename E, std::size_t N>
std::string ReadName(std::string_view text, const char* what, const char* const (&names)[N],
                     E& value) {
    const std::string t = Trim(std::string(text));
    std::string known;
    for (std::size_t i = 0; i < N; ++i) {
        if (SameLetters(t, names[i])) {
            value = static_cast<E>(i);
            return {};
        }
        known += i == 0 ? "" : (i + 1 == N ? " or " : ", ");
        known += names[i];
    }
    return std::string("The ") + what + " \"" + t + "\" is unknown: " + known + ".";
}

// Well-formed UTF-8: no overlong forms, surrogates or code points past U+10FFFF.
bool IsUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        int more = 0;
        unsigned lo = 0x80, hi = 0xBF;
        if (c < 0x80)
            more = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            more = 1;
        else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            if (c == 0xE0) lo = 0xA0;
            if (c == 0xED) hi = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            if (c == 0xF0) lo = 0x90;
            if (c == 0xF4) hi = 0x8F;
        } else
            return false;
        if (more > 0 && i + more >= s.size()) return false;
        for (int k = 1; k <= more; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if (b < (k == 1 ? lo : 0x80) || b > (k == 1 ? hi : 0xBF)) return false;
        }
        i += more + 1;
    }
    return true;
}

// Why `text` may not stand in a field; empty when it may. One-line fields
// take no control characters: a list shows one gauge per line.
std::string TextProblem(const char* what, const std::string& text, std::size_t maxBytes,
                        bool multiLine = false) {
    if (text.size() > maxBytes)
        return std::string(what) + " is longer than " + std::to_string(maxBytes) + " bytes.";
    if (!IsUtf8(text)) return std::string(what) + " is not UTF-8 text.";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        const bool lineBreak = c == '\n' || c == '\r' || c == '\t';
        if ((c < 0x20 && !(multiLine && lineBreak)) || c == 0x7F)
            return std::string(what) + " holds a control character.";
    }
    return {};
}

constexpr std::size_t kSerialBytes = 64;
constexpr std::size_t kLineBytes = 200;
constexpr std::size_t kFileBytes = 65536;
constexpr std::size_t kPdfBytes = 32u << 20;

} // namespace

const char* MemberName(GaugeMember m) {
    return kMembers[static_cast<int>(m)];
}
const char* ClassName(GaugeClass c) {
    return kClasses[static_cast<int>(c)];
}
const char* StatusName(GaugeStatus s) {
    return kStatuses[static_cast<int>(s)];
}
const char* VerdictName(CalVerdict v) {
    return kVerdicts[static_cast<int>(v)];
}

std::string ReadMember(std::string_view t, GaugeMember& m) {
    return ReadName(t, "member", kMembers, m);
}

std::string ReadStatus(std::string_view t, GaugeStatus& s) {
    return ReadName(t, "status", kStatuses, s);
}

std::string ReadVerdict(std::string_view t, CalVerdict& v) {
    return ReadName(t, "verdict", kVerdicts, v);
}

std::string ReadClass(std::string_view t, GaugeClass& c) {
    if (SameLetters(Trim(std::string(t)), "ISO1502")) {
        c = GaugeClass::Iso1502;
        return {};
    }
    return ReadName(t, "gauge class", kClasses, c);
}

std::string ReadDate(std::string_view text, Date& date) {
    const std::string t = Trim(std::string(text));
    if (ParseIsoDate(t, date)) return {};
    return "The date \"" + t + "\" is not a calendar date YYYY-MM-DD from 1900 on.";
}

GaugeClass DefaultClassOf(GaugeMember m, bool isoMetricThread) {
    if (isoMetricThread) return GaugeClass::Iso1502;
    const bool setPlug = m == GaugeMember::GoSetPlug || m == GaugeMember::NoGoSetPlug;
    return setPlug ? GaugeClass::W : GaugeClass::X;
}

std::string CheckGauge(GaugeRecord& g) {
    for (std::string* s : {&g.serial, &g.description, &g.thread, &g.owner, &g.location})
        *s = Trim(*s);
    if (g.serial.empty()) return "The serial number is empty.";
    if (g.thread.empty()) return "The thread designation is empty.";
    const struct {
        const char* what;
        const std::string& text;
        std::size_t max;
    } fields[] = {{"The serial number", g.serial, kSerialBytes},
                  {"The description", g.description, kLineBytes},
                  {"The thread designation", g.thread, kLineBytes},
                  {"The owner", g.owner, kLineBytes},
                  {"The location", g.location, kLineBytes}};
    for (const auto& f : fields)
        if (std::string why = TextProblem(f.what, f.text, f.max); !why.empty()) return why;
    if (std::string why = TextProblem("The thread file", g.threadFile, kFileBytes, true);
        !why.empty())
        return why;
    if (g.intervalDays < 1 || g.intervalDays > kMaxIntervalDays)
        return "The calibration interval must be a whole number of days from 1 to " +
               std::to_string(kMaxIntervalDays) + ".";
    const auto inRange = [](auto e, std::size_t n) { return static_cast<std::size_t>(e) < n; };
    if (!inRange(g.member, std::size(kMembers)) || !inRange(g.gaugeClass, std::size(kClasses)) ||
        !inRange(g.status, std::size(kStatuses)))
        return "The gauge's member, class or status is unknown.";
    return {};
}

std::string CheckCalibration(CalibrationRecord& c, Date today) {
    for (std::string* s : {&c.operatorName, &c.certificatePath, &c.unit})
        *s = Trim(*s);
    if (c.operatorName.empty()) return "The operator is empty.";
    if (std::string why = TextProblem("The operator", c.operatorName, kLineBytes); !why.empty())
        return why;
    if (std::string why = TextProblem("The certificate path", c.certificatePath, 4096);
        !why.empty())
        return why;
    if (std::string why = TextProblem("The calibration file", c.calInputs, kFileBytes, true);
        !why.empty())
        return why;
    if (c.date > today) return "The calibration date " + IsoDateText(c.date) + " lies after today.";
    if (c.unit != "in" && c.unit != "mm") return "The unit must be \"in\" or \"mm\".";
    if (!std::isfinite(c.measuredPD) || c.measuredPD <= 0)
        return "The measured pitch diameter must be a number above 0.";
    if (!std::isfinite(c.expandedU) || c.expandedU < 0)
        return "The expanded uncertainty U must be a number, 0 or more.";
    // k of a t-distribution with one degree of freedom at 95.45 % is 13.97.
    if (!std::isfinite(c.k) || c.k <= 0 || c.k > 20)
        return "The coverage factor k must be a number above 0, up to 20.";
    if (static_cast<std::size_t>(c.verdict) >= std::size(kVerdicts))
        return "The verdict is unknown.";
    if (c.certificatePdf.size() > kPdfBytes) return "The certificate is larger than 32 MiB.";
    if (!c.certificatePdf.empty() && c.certificatePdf.rfind("%PDF-", 0) != 0)
        return "The certificate is not a PDF file.";
    return {};
}

std::string NumberText(double value) {
    char text[64];
    const auto r = std::to_chars(text, text + sizeof text, value);
    return std::string(text, r.ptr);
}

bool ParseWholeNumber(std::string_view text, long long& value) {
    const std::string t = Trim(std::string(text));
    const auto r = std::from_chars(t.data(), t.data() + t.size(), value);
    return r.ec == std::errc() && r.ptr == t.data() + t.size();
}
