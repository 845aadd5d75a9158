#include "core/number_text.h"

#include "core/display_unit.h"
#include "core/rounding.h"
#include "core/thread_record.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

// Blanks, tabs and line breaks: what a typed or file value may carry around it.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

std::string PadLeft(std::string text, int width) {
    if (width > 0 && static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

// printf "%<width>d" for ints and "%0<width>d" via the zero flag.
std::string FormatInt(long long value, int width, bool zeroPad = false) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    std::string digits(buf, r.ptr);
    if (!zeroPad) return PadLeft(digits, width);
    const bool negative = value < 0;
    if (negative) digits.erase(0, 1);
    const int room = width - (negative ? 1 : 0);
    if (static_cast<int>(digits.size()) < room)
        digits.insert(0, static_cast<size_t>(room) - digits.size(), '0');
    return negative ? "-" + digits : digits;
}

// Whole number made of decimal digits only (no sign, no blanks).
bool ParseWhole(const std::string& text, long long& value) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    return r.ec == std::errc() && r.ptr == text.data() + text.size();
}

// The text to_chars gives in fixed notation with prec decimals (the exact
// binary value rounded half to even) for what the pages show: up to 15
// decimals and below 2^36 once scaled; written backwards to end at `last`,
// its start returned. nullptr for the rest. Every page cell is one of these,
// and to_chars's exact digits cost many times more.
char* QuickFixed(char* last, double value, int prec) {
    static constexpr double kTen[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (prec < 0 || prec > 15) return nullptr;
    // One rounding: the scaled value is within 2^-17 of the exact one, and
    // adding a half to it is exact.
    const double scaled = std::fabs(value) * kTen[prec];
    if (!(scaled < 0x1p36)) return nullptr;
    // Truncating a value that is not negative is its floor.
    auto n = static_cast<uint64_t>(scaled + 0.5);
    // Near a half the exact value may lie on the other side.
    if (std::fabs(scaled - static_cast<double>(n)) > 0.5 - 0x1p-10) return nullptr;
    char* p = LowDigitsBefore(last, n, prec);
    if (prec > 0) *--p = '.';
    p = DigitsBefore(p, n);
    if (std::signbit(value)) *--p = '-';
    return p;
}

} // namespace

std::string FormatFixed(double value, int width, int prec) {
    if (prec < 0) prec = 0;
    // The largest double in fixed notation has 309 integer digits.
    char buf[400 + 64];
    if (prec > 64) prec = 64;
    const char* first = QuickFixed(buf + sizeof buf, value, prec);
    const char* last = buf + sizeof buf;
    if (!first) {
        const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, prec);
        if (r.ec != std::errc()) return std::string();
        first = buf;
        last = r.ptr;
    }
    const auto size = static_cast<std::size_t>(last - first);
    // Padded in place: a page builds tens of thousands of these.
    if (width <= 0 || size >= static_cast<std::size_t>(width)) return std::string(first, last);
    std::string text(static_cast<std::size_t>(width), ' ');
    std::copy(first, last, text.end() - static_cast<std::ptrdiff_t>(size));
    return text;
}

std::string FloatText(double value) {
    if (!std::isfinite(value)) return "0.0";
    if (std::fabs(value) < 1e-11) value = 0;
    int prec = 6;
    if (value >= 100000)
        prec = 2;
    else if (value >= 1000)
        prec = 3;
    std::string text = FormatFixed(value, 12, prec);
    if (text.empty()) return "0.0";
    text = TrimLeftBlanks(text);
    if (text == "-0.000000") return "+0.000000";
    if (value >= 0) text.insert(0, "+");
    return text;
}

std::string DecText(int decimals, double value) {
    return FormatFixed(value, decimals + 3, decimals);
}

std::string DimText(const TThdInfo& member, int decimals, double value) {
    if (value == 0) return kNAText;
    const bool metricMember = HoldsMillimetres(member.TypeCode);
    if (MetricDisplay()) {
        if (!metricMember) value *= kMmPerInch;
        --decimals;
    } else if (metricMember) {
        value /= kMmPerInch;
    }
    // The formats run from one to six decimals.
    if (decimals < 1) decimals = 1;
    if (decimals > 6) decimals = 6;
    return FormatFixed(value, 0, decimals);
}

std::string MinorText(const TThdInfo& member, double value) {
    const bool metricMember = MetricByDefault(member.TypeCode);
    int n = metricMember ? 5 : 4;
    // A metric minor shown in millimetres steps down once more, to the three
    // decimals of its own tables. An inch minor loses only the one decimal that
    // DimText takes in millimetre display, like every other inch value; a second
    // step would round it, and the class 1B/2B rounding below, to 0.01 mm.
    if (MetricDisplay() && metricMember) --n;
    // Class 1B/2B minor limits are tabulated to three decimals of an inch from
    // No. 6 (0.138 in) up; the smaller sizes keep four.
    const bool threeDecimalMinor =
        ThreadTypeOf(member.TypeCode).threeDecimalMinors && member.IsInternal != 0 &&
        (member.ClassCode == 1 || member.ClassCode == 2) && member.NomDia >= 0.138 - 1e-9;
    if (threeDecimalMinor) {
        const double tabulated = RoundTo(value, 3);
        return DimText(member, MetricDisplay() ? 4 : 3, tabulated);
    }
    return DimText(member, n, value);
}

std::string TolDimText(const TThdInfo& member, int decimals, double value) {
    // k x 10^-N in is 254 k x 10^-(N+1) mm: N + 1 decimals show a tolerance
    // of N inch decimals exactly, where N - 1 would round 0.0003 in to 0.008 mm.
    if (MetricDisplay() && !HoldsMillimetres(member.TypeCode) && value != 0)
        return FormatFixed(value * kMmPerInch, 0, std::min(decimals + 1, 6));
    return DimText(member, decimals, value);
}

std::string SignedDimText(const TThdInfo& member, int decimals, double value) {
    std::string text = DimText(member, decimals, value);
    if (value > 0) text.insert(0, member.IsInternal ? "+ " : "- ");
    return text;
}

namespace {

std::string LenText(double value, int decimals, int bigDecimals, const char* zeroText) {
    std::string text = FormatFixed(value, 0, value > 10000 ? bigDecimals : decimals);
    if (text == zeroText) return kNAText;
    return text;
}

} // namespace

std::string Len3Text(double value) {
    return LenText(value, 3, 2, "0.000");
}

std::string Len4Text(double value) {
    return LenText(value, 4, 3, "0.0000");
}

std::string Len5Text(double value) {
    return LenText(value, 5, 3, "0.00000");
}

std::string TPIText(double value) {
    const double frac = std::fabs(value - std::trunc(value));
    if (frac == 0) return FormatFixed(value, 0, 0);
    if (frac == 0.5) return FormatFixed(value, 0, 1);
    if (std::fabs(value) >= 0.005) return FormatFixed(value, 0, 2);
    // Two places would show a pitch as 0: six, without the zeros after its digits.
    std::string t = FormatFixed(value, 0, 6);
    while (t.size() > 1 && t.back() == '0')
        t.pop_back();
    if (t.back() == '.') t.pop_back();
    return t;
}

namespace {

// An angle rounded to whole units (unitsPerDegree 60 for minutes, 3600 for
// seconds) before it is split, so a part that rounds up carries into the next
// one: 1.9999999 degrees is 2 degrees 0 minutes, never 1 degree 59 (or 60).
struct AngleParts {
    bool negative = false;
    long long degrees = 0;
    long long minutes = 0;
    long long seconds = 0;
};

AngleParts SplitAngle(double degrees, int unitsPerDegree) {
    AngleParts a;
    a.negative = degrees < 0;
    const long long total = std::llround(std::fabs(degrees) * unitsPerDegree);
    a.degrees = total / unitsPerDegree;
    const long long rest = total % unitsPerDegree;
    if (unitsPerDegree == 3600) {
        a.minutes = rest / 60;
        a.seconds = rest % 60;
    } else {
        a.minutes = rest;
    }
    return a;
}

std::string DegreesText(const AngleParts& a, long long degrees) {
    return PadLeft((a.negative ? "-" : "") + FormatInt(degrees, 0), 3);
}

} // namespace

std::string AngleText(double degrees) {
    if (degrees == 0 || !std::isfinite(degrees)) return "0.00.00";
    // Whole turns go first: an angle past the range of llround would leave
    // minutes and seconds outside 0 to 59.
    const AngleParts a = SplitAngle(std::fmod(degrees, 360.0), 3600);
    const long long deg = a.degrees > 359 ? a.degrees % 360 : a.degrees;
    return DegreesText(a, deg) + "." + FormatInt(a.minutes, 2, true) + "." +
           FormatInt(a.seconds, 2, true);
}

std::string DegMinText(double degrees) {
    if (degrees == 0 || !std::isfinite(degrees)) return kNAText;
    const AngleParts a = SplitAngle(degrees, 60);
    return DegreesText(a, a.degrees) + " Deg. " + FormatInt(a.minutes, 2) + " Min.";
}

double TextToFloat(const std::string& text) {
    const std::string t = Trim(text);
    if (t.size() > 1 && t.find('-', 1) != std::string::npos) return DMSToFloat(t);
    double value = 0;
    if (!ParseDecimal(t, value)) return 0;
    return value;
}

double DMSToFloat(const std::string& text) {
    std::string t = Trim(text);
    // A leading minus is the sign of the whole angle, not an empty degrees part.
    bool negative = false;
    if (!t.empty() && t[0] == '-') {
        negative = true;
        t.erase(0, 1);
    }
    double parts[3] = {0, 0, 0};
    size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        const size_t dash = t.find('-', start);
        const std::string part =
            Trim(t.substr(start, dash == std::string::npos ? std::string::npos : dash - start));
        long long whole = 0;
        if (ParseWhole(part, whole)) parts[i] = static_cast<double>(whole);
        if (dash == std::string::npos) break;
        start = dash + 1;
    }
    const double value = parts[0] + parts[1] / 60.0 + parts[2] / 3600.0;
    return negative ? -value : value;
}

double FractionToFloat(const std::string& text) {
    const std::string t = Trim(text);
    const size_t slash = t.find('/');
    if (slash == std::string::npos) return -1;
    long long a = 0;
    long long b = 0;
    if (!ParseWhole(t.substr(0, slash), a) || !ParseWhole(t.substr(slash + 1), b)) return -1;
    if (b == 0) return -1;
    return static_cast<double>(a) / static_cast<double>(b);
}

double NumberSizeToDia(const std::string& text) {
    const std::string t = Trim(text);
    if (t == "#000") return 0.034;
    if (t == "#00") return 0.047;
    if (t.size() < 2 || t[0] != '#') return -1;
    const std::string digits = t.substr(1);
    // "#05" is not a number size; "#0" is.
    if (digits.size() > 1 && digits[0] == '0') return -1;
    long long n = 0;
    if (!ParseWhole(digits, n) || n > 20) return -1;
    // Thousandths as an integer, so "#10" is the double nearest 0.190.
    return static_cast<double>(60 + 13 * n) / 1000.0;
}

bool ParseDecimal(std::string_view text, double& value) {
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text[0] == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text[0] == '+' || text[0] == '-')) return false;
    }
    if (text.empty()) return false;
    double v = 0;
    const char* const end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, v);
    if (r.ec != std::errc() || r.ptr != end || !std::isfinite(v)) return false;
    value = v;
    return true;
}

std::string RightStr(const std::string& text, int n) {
    if (n <= 0) return std::string();
    if (static_cast<size_t>(n) >= text.size()) return text;
    return text.substr(text.size() - static_cast<size_t>(n));
}

std::string LeftStr(const std::string& text, int n) {
    if (n <= 0) return std::string();
    return text.substr(0, static_cast<size_t>(n));
}

std::string TrimLeftBlanks(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && IsBlankOrTab(text[i]))
        ++i;
    return text.substr(i);
}

std::string Trim(const std::string& text) {
    size_t b = 0;
    size_t e = text.size();
    while (b < e && IsSpace(text[b]))
        ++b;
    while (e > b && IsSpace(text[e - 1]))
        --e;
    return text.substr(b, e - b);
}

std::string UpperCase(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string LowerCase(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}
