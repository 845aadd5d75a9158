#include "pages/designation_entry.h"

#include "core/diameter_entry.h"
#include "core/number_text.h"
#include "core/thread_record.h"

#include <array>
#include <cctype>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// ISO 261:1998 Table 1, coarse pitches of M1 to M68 (mm); the sizes without
// one (M5.5, M15 ...) are left out. The same column as
// tools/metric_data/iso261_sizes.csv.
constexpr std::pair<double, double> kCoarsePitches[] = {
    {1, 0.25},   {1.1, 0.25}, {1.2, 0.25}, {1.4, 0.3}, {1.6, 0.35}, {1.8, 0.35}, {2, 0.4},
    {2.2, 0.45}, {2.5, 0.45}, {3, 0.5},    {3.5, 0.6}, {4, 0.7},    {4.5, 0.75}, {5, 0.8},
    {6, 1},      {7, 1},      {8, 1.25},   {9, 1.25},  {10, 1.5},   {11, 1.5},   {12, 1.75},
    {14, 2},     {16, 2},     {18, 2.5},   {20, 2.5},  {22, 2.5},   {24, 3},     {27, 3},
    {30, 3.5},   {33, 3.5},   {36, 4},     {39, 4},    {42, 4.5},   {45, 4.5},   {48, 5},
    {52, 5},     {56, 5.5},   {60, 5.5},   {64, 6},    {68, 6},
};

// ASME B1.1 Table 1, the number sizes and their threads per inch (UNC, UNF,
// UNEF). A shop writes "10-32 UNF" for #10: a bare whole number with one of
// its pitches is that number size (no inch thread of those sizes has them).
constexpr std::pair<int, int> kNumberSizePitches[] = {
    {0, 80}, {1, 64}, {1, 72}, {2, 56}, {2, 64}, {3, 48},  {3, 56},  {4, 40},  {4, 48},  {5, 40},
    {5, 44}, {6, 32}, {6, 40}, {8, 32}, {8, 36}, {10, 24}, {10, 32}, {12, 24}, {12, 28}, {12, 32},
};

struct Series {
    std::string_view name; // as written, upper case
    std::string_view type;
};

// Longest first where one name starts another.
constexpr Series kSeries[] = {
    {"7 X 45 BUTTRESS", "BUTT"},
    {"7X45 BUTTRESS", "BUTT"},
    {"STUB ACME", "STUB"},
    {"STUB M1", "SAM1"},
    {"STUB M2", "SAM2"},
    {"745BUTT", "BUTT"},
    {"BUTTRESS", "BUTT"},
    {"BUTT", "BUTT"},
    {"SAM1", "SAM1"},
    {"SAM2", "SAM2"},
    {"STUB", "STUB"},
    {"ACME", "ACME"},
    {"UNJEF", "UNJ"},
    {"UNJC", "UNJ"},
    {"UNJF", "UNJ"},
    {"UNJ", "UNJ"},
    {"UNREF", "UNR"},
    {"UNRC", "UNR"},
    {"UNRF", "UNR"},
    {"UNR", "UNR"},
    {"UNEF", "UN"},
    {"UNC", "UN"},
    {"UNF", "UN"},
    {"UNS", "UN"},
    {"UN", "UN"},
    {"NPSC", "NPT"},
    {"NPSM", "NPT"},
    {"NPSL", "NPT"},
    {"NPTR", "NPT"},
    {"NPT", "NPT"},
};

std::string Collapse(const std::string& text) {
    std::string t;
    for (char c : Trim(text)) {
        if (c == '\t') c = ' ';
        if (c == ' ' && !t.empty() && t.back() == ' ') continue;
        t += c;
    }
    return t;
}

bool IsNumber(const std::string& text) {
    double v = 0;
    return !text.empty() && text.find_first_not_of("0123456789.") == std::string::npos &&
           ParseDecimal(text, v) && v > 0;
}

struct Reader {
    std::string text; // the whole designation, for the message
    std::string problem;

    bool Fail(const std::string& part, const std::string& why) {
        if (problem.empty())
            problem = "Can not read the thread designation \"" + text +
                      "\": " + (part.empty() ? why : part + " " + why);
        return false;
    }
};

// "6H", "6g6g", "4H5H/4h6h": upper case is the internal class, lower case the external.
bool ReadTolerances(Reader& r, std::string tols, DesignationEntry& e) {
    std::string rest = tols;
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        const std::string one = Trim(rest.substr(0, slash));
        rest = slash == std::string::npos ? "" : rest.substr(slash + 1);
        if (one.size() < 2 || !std::isdigit(static_cast<unsigned char>(one[0])) ||
            !std::isalpha(static_cast<unsigned char>(one[1])))
            return r.Fail(one.empty() ? tols : one, "is no tolerance class (6H, 6g, 6H/6g)");
        std::string& slot = std::isupper(static_cast<unsigned char>(one[1])) ? e.intTol : e.extTol;
        if (!slot.empty()) return r.Fail(one, "is a second class of the same thread");
        slot = one;
    }
    return true;
}

// "M10", "M10x1.5-6g", "M 10 X 1.5 - 6g6g LH", "MJ10x1.5-4h6h".
bool ReadMetric(Reader& r, std::string t, DesignationEntry& e) {
    e.type = t.rfind("MJ", 0) == 0 ? "MJ" : "M";
    t = Trim(t.substr(e.type.size()));
    if (t.size() >= 2 && UpperCase(t.substr(t.size() - 2)) == "LH" &&
        (t.size() == 2 || t[t.size() - 3] == ' ' || t[t.size() - 3] == '-')) {
        e.leftHand = true;
        t = Trim(t.substr(0, t.size() - 2));
        if (!t.empty() && t.back() == '-') t = Trim(t.substr(0, t.size() - 1));
    }
    const std::size_t dash = t.find('-');
    std::string size = Trim(t.substr(0, dash));
    if (dash != std::string::npos && !ReadTolerances(r, Trim(t.substr(dash + 1)), e)) return false;
    const std::size_t x = size.find_first_of("xX");
    e.diameter = Trim(size.substr(0, x));
    if (e.diameter.empty()) return r.Fail("", "the diameter is missing (M10)");
    if (!IsNumber(e.diameter)) return r.Fail(e.diameter, "is no diameter in millimetres");
    if (x != std::string::npos) {
        e.pitch = Trim(size.substr(x + 1));
        if (e.pitch.empty()) return r.Fail(size, "has no pitch after the x");
        if (!IsNumber(e.pitch)) return r.Fail(e.pitch, "is no pitch in millimetres");
    } else if (e.type == "M") {
        double d = 0;
        ParseDecimal(e.diameter, d);
        const double coarse = CoarsePitch(d);
        if (coarse == 0)
            return r.Fail("M" + e.diameter, "has no coarse pitch in ISO 261: give the pitch (M" +
                                                e.diameter + "x1.5)");
        e.pitch = TPIText(coarse);
    } else {
        return r.Fail("MJ" + e.diameter, "needs its pitch (MJ" + e.diameter + "x1.5)");
    }
    return true;
}

// "2A", "3B", "2", "3G", "SE2A", "2A/2B".
bool ReadClass(Reader& r, const std::string& text, DesignationEntry& e) {
    std::string t = UpperCase(Trim(text));
    if (t.rfind("SE", 0) == 0) {
        e.customLOE = true;
        t = Trim(t.substr(2));
    }
    if (t.empty()) return r.Fail("", "the class is missing after the - (2A, 3G)");
    std::string cls;
    for (std::size_t start = 0; start <= t.size();) {
        const std::size_t slash = t.find('/', start);
        std::string one = Trim(t.substr(start, slash == std::string::npos ? slash : slash - start));
        start = slash == std::string::npos ? t.size() + 1 : slash + 1;
        const bool unified = e.type == "UN" || e.type == "UNR" || e.type == "UNJ";
        if (unified && one.size() == 2 && (one[1] == 'A' || one[1] == 'B')) one.pop_back();
        if (one.empty() || one.find_first_not_of("0123456789G") != std::string::npos)
            return r.Fail(Trim(text), "is no class (2A, 3B, 2G)");
        if (!cls.empty() && cls != one)
            return r.Fail(Trim(text), "gives two classes: both threads take one");
        cls = one;
    }
    e.classText = cls;
    return true;
}

// The size before the threads per inch: "1/4", "#10", "0.3125", "1 1/4", "1-1/4"; a
// bare number size ("10" of 10-32) gets its "#".
bool ReadInchSize(Reader& r, const std::string& size, DesignationEntry& e) {
    e.diameter = size;
    if (size.empty()) return r.Fail("", "the size is missing before the - (1/4-20)");
    double tpi = 0;
    ParseDecimal(e.pitch, tpi);
    if (!size.empty() && size.find_first_not_of("0123456789") == std::string::npos &&
        size.size() <= 2)
        for (const auto& [number, n] : kNumberSizePitches)
            if (std::to_string(number) == size && n == tpi) e.diameter = "#" + size;
    if (!(ParseDiameterEntry(e.diameter).value > 0)) return r.Fail(size, "is no diameter");
    return true;
}

// Multi-start, as the program writes it: 1.000-0.200P-0.400L.
bool ReadPitchAndLead(Reader& r, std::string& head, DesignationEntry& e) {
    const std::size_t lDash = head.rfind('-');
    const std::string lead = Trim(head.substr(lDash + 1, head.size() - lDash - 2));
    head = Trim(head.substr(0, lDash));
    const std::size_t pDash = head.rfind('-');
    if (pDash == std::string::npos || UpperCase(head.substr(head.size() - 1)) != "P")
        return r.Fail(lead + "L", "needs the pitch before it (1.000-0.200P-0.400L)");
    const std::string pitch = Trim(head.substr(pDash + 1, head.size() - pDash - 2));
    head = Trim(head.substr(0, pDash));
    double p = 0, l = 0;
    if (!IsNumber(pitch) || !ParseDecimal(pitch, p)) return r.Fail(pitch + "P", "is no pitch");
    if (!IsNumber(lead) || !ParseDecimal(lead, l)) return r.Fail(lead + "L", "is no lead");
    const double starts = std::round(l / p);
    // Three decimals each: the threads per inch are the whole or half number
    // the pitch stands for.
    const double tpi = std::round(2 / p) / 2;
    if (starts < 1 || starts > 6 || std::fabs(starts * p - l) > 0.0011 ||
        std::fabs(1 / tpi - p) > 0.0005)
        return r.Fail(pitch + "P-" + lead + "L", "is no pitch and lead of 1 to 6 starts");
    e.starts = static_cast<int>(starts);
    e.pitch = TPIText(tpi);
    return true;
}

// Everything but the metric threads: SIZE-TPI SERIES-CLASS, the pipe threads' SIZE SERIES.
bool ReadInch(Reader& r, const std::string& t, DesignationEntry& e) {
    const std::string upper = UpperCase(t);
    // The series: the first name of the list that stands as a word after the size.
    std::size_t at = std::string::npos;
    const Series* series = nullptr;
    for (const Series& s : kSeries)
        for (std::size_t pos = upper.find(s.name); pos != std::string::npos;
             pos = upper.find(s.name, pos + 1)) {
            const bool wordStart =
                pos == 0 || !std::isalpha(static_cast<unsigned char>(upper[pos - 1]));
            const std::size_t end = pos + s.name.size();
            const bool wordEnd = end == upper.size() || upper[end] == '-' || upper[end] == ' ';
            if (wordStart && wordEnd && pos < at) {
                at = pos;
                series = &s;
            }
        }
    std::string head = Trim(t.substr(0, at)), tail;
    if (series && head.empty())
        return r.Fail(std::string(series->name), "needs the size before it (1/4-20 UNC)");
    if (series) {
        e.type = std::string(series->type);
        tail = Trim(t.substr(at + series->name.size()));
        e.series = std::string(series->name);
    } else {
        e.type = "UN"; // 1-1/4-7: the shop's unified thread
        // Letters after the size's hyphen stand where a series would; before
        // it they are the size's, which is refused below.
        const std::size_t letter =
            upper.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ", upper.find('-'));
        if (letter != std::string::npos && upper.find('-') != std::string::npos) {
            const std::size_t end = upper.find_first_of(" -", letter);
            return r.Fail(t.substr(letter, end == std::string::npos ? end : end - letter),
                          "is no thread series");
        }
    }
    if (!tail.empty()) {
        if (tail[0] != '-') return r.Fail(tail, "is not understood");
        if (e.type == "NPT") return r.Fail(tail, "is not understood: pipe threads have no class");
        if (!ReadClass(r, tail.substr(1), e)) return false;
    }
    if (e.type == "NPT") {
        e.classText = e.series;
        e.series.clear();
        const std::size_t dash = head.rfind('-');
        // "1/2-14", "1 1/4 - 11.5"; a hyphen inside "1-1/4" has no blank and a "/" after it.
        const bool tpiGiven =
            dash != std::string::npos && head.find('/', dash) == std::string::npos;
        if (tpiGiven) {
            e.pipeTPI = Trim(head.substr(dash + 1));
            head = Trim(head.substr(0, dash));
            if (e.pipeTPI.empty())
                return r.Fail("", "the threads per inch are missing after the - (1/2-14 NPT)");
            if (!IsNumber(e.pipeTPI)) return r.Fail(e.pipeTPI, "is no number of threads per inch");
        }
        e.diameter = head;
        if (head.empty()) return r.Fail("", "no pipe size");
        return true;
    }
    if (!head.empty() && UpperCase(head.substr(head.size() - 1)) == "L") {
        if (!ReadPitchAndLead(r, head, e)) return false;
        return ReadInchSize(r, head, e);
    }
    const std::size_t dash = head.rfind('-');
    if (dash == std::string::npos) return r.Fail(head, "needs its threads per inch (1/4-20)");
    e.pitch = Trim(head.substr(dash + 1));
    if (e.pitch.empty()) return r.Fail("", "the threads per inch are missing after the - (1/4-20)");
    if (!IsNumber(e.pitch)) return r.Fail(e.pitch, "is no number of threads per inch");
    return ReadInchSize(r, Trim(head.substr(0, dash)), e);
}

bool ReadOne(Reader& r, const std::string& t, DesignationEntry& e) {
    const std::string upper = UpperCase(t);
    if (t.empty()) return r.Fail("", "it is empty");
    const bool metric = upper == "M" || upper == "MJ" ||
                        (upper[0] == 'M' && t.size() > 1 &&
                         (std::isdigit(static_cast<unsigned char>(t[1])) || t[1] == ' ' ||
                          (upper[1] == 'J' && t.size() > 2)));
    if (metric) return ReadMetric(r, t, e);
    std::string rest = t;
    if (upper.size() > 3 && (upper.ends_with(" LH") || upper.ends_with("-LH"))) {
        e.leftHand = true;
        rest = Trim(t.substr(0, t.size() - 3));
    }
    return ReadInch(r, rest, e);
}

// The name of a calculated thread names both members: "1/4-20 UNC-2B  /  1/4-20 UNC-2A".
bool Combine(Reader& r, DesignationEntry& e, const DesignationEntry& other) {
    const bool metric = e.type == "M" || e.type == "MJ";
    if (other.type != e.type || other.diameter != e.diameter || other.pitch != e.pitch ||
        other.series != e.series || other.starts != e.starts || other.leftHand != e.leftHand ||
        other.customLOE != e.customLOE || (!metric && other.classText != e.classText))
        return r.Fail("", "its two threads differ");
    for (auto [mine, theirs] : {std::pair{&e.intTol, &other.intTol}, {&e.extTol, &other.extTol}}) {
        if (!mine->empty() && !theirs->empty() && *mine != *theirs)
            return r.Fail("", "its two threads differ");
        if (mine->empty()) *mine = *theirs;
    }
    return true;
}

} // namespace

DesignationRead ReadDesignation(const std::string& text) {
    Reader r;
    r.text = Collapse(text);
    DesignationRead read;
    const std::size_t pair = r.text.find(" / ");
    if (!ReadOne(r, Trim(r.text.substr(0, pair)), read.entry)) {
        read.message = r.problem;
        return read;
    }
    if (pair != std::string::npos) {
        DesignationEntry other;
        if (!ReadOne(r, Trim(r.text.substr(pair + 3)), other) || !Combine(r, read.entry, other))
            read.message = r.problem;
    }
    const bool metric = read.entry.type == "M" || read.entry.type == "MJ";
    if (read.message.empty() && read.entry.leftHand && !metric)
        read.message = "Can not read the thread designation \"" + r.text +
                       "\": LH: the hand is kept for M and MJ threads only";
    return read;
}

double CoarsePitch(double diameterMM) {
    for (const auto& [d, p] : kCoarsePitches)
        if (std::fabs(d - diameterMM) < 1e-9) return p;
    return 0;
}

std::string DesignationMismatch(const DesignationEntry& entry, const TTInfo& rec) {
    if (!entry.pipeTPI.empty()) {
        double tpi = 0;
        ParseDecimal(entry.pipeTPI, tpi);
        if (std::fabs(tpi - rec.TPI) > 1e-3)
            return entry.diameter + " " + entry.classText + " has " + TPIText(rec.TPI) +
                   " threads per inch, not " + entry.pipeTPI;
    }
    // The unified series come from the tables; the other types have one each.
    if (entry.type != "UN" && entry.type != "UNR" && entry.type != "UNJ") return {};
    const std::string& series = rec.ExtThd.Series;
    // The generic names (UN, UNR, UNJ) stand for any series of their form.
    const bool generic = entry.series == "UN" || entry.series == "UNR" || entry.series == "UNJ";
    if (!entry.series.empty() && !generic && series != entry.series && !series.empty())
        return entry.diameter + "-" + entry.pitch + " is " + series + ", not " + entry.series;
    return {};
}
