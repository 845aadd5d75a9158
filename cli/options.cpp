#include "cli/options.h"

#include "cli/exit_codes.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <unordered_map>

namespace {

// The help of every option starts in this column.
constexpr std::size_t kHelpColumn = 18;
constexpr bool kNotInBatch = true;

constexpr CliOption kThreadOptions[] = {
    {"", "",
     "Usage: plcalc [options] [FILE.thd | FILE.bm | FILE.cal]\n"
     "Calculates a screw thread, its gauges and wire readings, and prints the result "
     "pages.\n"
     "An option's value follows it (--dia 1/4) or is joined to it by = (--dia=1/4);\n"
     "-- ends the options: every word after it is a file to open.\n"
     "\n"
     "Thread:"},
    {"--thread", "DESIGNATION",
     "the thread as one designation, instead of --type, --dia,\n"
     "--tpi or --pitch, --class, --ext-tol, --int-tol and --size:\n"
     "1/4-20 UNC-2A, #10-32 UNF-3B, 0.3125-40 UNS, 1 1/4-7 UNC,\n"
     "1-1/4-7 (UNC), M10x1.5-6g, M10-6H (coarse pitch), M10x1-6H/6g,\n"
     "MJ10x1.5-4h6h, 1-5 ACME-2G, 1/2-10 STUB ACME-2G, 2-8 BUTT-2,\n"
     "1/2-14 NPT, 1/2 NPSM; the names plcalc prints are read too.\n"
     "Both threads are calculated, in the class given (default 2)"},
    {"--type", "NAME",
     "UN, UNR, UNJ, ACME, STUB (Stub Acme), SAM1, SAM2 (modified\n"
     "stub Acme #1, #2), M, MJ, BUTT (7x45 buttress) or NPT (pipe\n"
     "threads); default UN"},
    {"--dia", "TEXT",
     "nominal diameter: 0.375, 3/8, 1 1/4 (or 1-1/4) or a number\n"
     "size such as #10;\n"
     "millimetres for M and MJ (10; over 0.99 up to 355, ISO 965-1)"},
    {"--tpi", "VALUE", "threads per inch (all but M and MJ)"},
    {"--pitch", "MM", "pitch in millimetres (M, MJ; 0.2 to 8, ISO 965-1)"},
    {"--class", "TEXT",
     "UN, UNR: 1, 2 or 3 (default 2); UNJ: 3; ACME: 2G, 3G, 4G or 5G;\n"
     "STUB, SAM1, SAM2: 2G, 3G or 4G; BUTT: 2 or 3; NPT: the pipe\n"
     "kind NPT, NPSC, NPTR, NPSM or NPSL (default: the first)"},
    {"--size", "TEXT",
     "nominal pipe size of NPT as listed: 1/2, 1 1/4 (or 1-1/4),\n"
     "14 OD; pipe threads are shown in inches"},
    {"--ext-tol", "TEXT",
     "external tolerance class of M: PD grade 3-9, position e-h,\n"
     "major grade 4, 6, 8, position e-h (6g6g; 6g means 6g6g);\n"
     "default 6g6g (MJ: 4h6h only)"},
    {"--int-tol", "TEXT",
     "internal tolerance class of M: PD and minor grade 4-8,\n"
     "position G or H (6H6H); default 6H6H (MJ: 4H5H only)"},
    {"--loe-group", "G", "engagement group of M: S (short), N (normal, default), L (long)"},
    {"--starts", "N", "number of starts, 1 to 6 (default 1)"},
    {"--loe", "VALUE",
     "custom length of engagement (UN, UNR, UNJ, MJ; M: see\n"
     "--loe-group; Acme, stub and buttress threads take the standard one)"},
    {"--coating", "T",
     "coating thickness in the thread's unit: inches, millimetres\n"
     "for M and MJ (0.008 is 8 um on an M10)"},
    {"--open", "FILE",
     "calculate the thread of a thread file instead (a ball\n"
     "micrometer file runs the ball micrometer), checked as typed\n"
     "values are (one without Nom Dia or TPI is refused); - reads\n"
     "it from standard input; a bare FILE.thd or FILE.bm is the same;\n"
     "a calibration file (FILE.cal) calibrates its gauge again, the\n"
     "calibration options given replacing its inputs"},
    {"", "", "\nResults:"},
    {"--classx", "", "class X gauge tolerances on the setting plugs (default class W)"},
    {"--mm", "", "show dimensions in millimetres (the default for M and MJ)"},
    {"--inch", "", "show dimensions in inches (the default for inch threads)"},
    {"--wire", "SIZE", "wire size for the readings, in the display unit or with mm/in"},
    {"--new-pd", "LIMIT=V",
     "re-evaluate: the nominal diameter at which a pitch-diameter\n"
     "limit (ext-max, ext-min, int-min, int-max) is V (display unit\n"
     "or with mm/in); the thread is calculated at that diameter,\n"
     "with a note saying so"},
    {"--point-dia", "D",
     "special contact point of the point gauge: inches, or with\n"
     "mm/in (0.06, 1.2mm); Acme, stub and SAM threads take\n"
     "catalogue points only"},
    {"--save", "FILE",
     "save the thread file (- writes it to standard output instead\n"
     "of the pages)"},
    {"--tables", "DIR", "table data path (default: the user's setting)"},
    {"--json", "",
     "print one JSON object instead of text pages, as described by\n"
     "share/pitchledger/plcalc-output.schema.json"},
    {"--fields", "LIST",
     "with --json or --batch: only these keys of the JSON object,\n"
     "comma-separated: limits (PD, major and minor diameter max\n"
     "and min of both threads), or key paths such as name,\n"
     "members.ExtThd.PD, members.IntThd.Minor.Max, record.NomDia"},
    {"--csv", "",
     "print every page as CSV instead: the page name, its header\n"
     "row and its rows as shown, a blank line between pages (also\n"
     "with --setdim)"},
    {"--page", "NAME",
     "with --csv: that page alone as one table, its header row\n"
     "first and its notes as the last row: thread, drills, ring,\n"
     "setplug, plug, point, roll, iso1502, inspect, calibration;\n"
     "for pipe threads thread, npt-gages, npt-tols"},
    {"--measured-mow", "V[,V...]",
     "inspect: measured readings over wires of the\n"
     "external thread (display unit or with mm/in); the pitch\n"
     "diameter each measures and its verdict against the limits"},
    {"--measured-wire", "W", "the wire size of those readings (default: the current wire)"},
    {"--measured-pd", "V[,V...]", "inspect measured pitch diameters instead"},
    {"--measured-gauge", "G",
     "the readings (or PDs) are of an ISO 1502 screw plug of\n"
     "the M thread, go-plug or nogo-plug: judged new, worn but\n"
     "usable, beyond wear limit or oversize against its limits (mm)"},
    {"--calibrate", "GAUGE",
     "calibrate a plug over wires: GoPlug, NoGoPlug, GoSetPlug or\n"
     "NoGoSetPlug; its pitch diameter at 20 C with the uncertainty\n"
     "budget (GUM), U, k and the ISO 14253-1 verdict against the\n"
     "gauge's limits. Lengths in the display unit or with mm/in"},
    {"--readings", "M1,M2,...", "the gauge's readings over three wires"},
    {"--wire-actual", "W", "the wires' actual diameter (default: the current wire)"},
    {"--u-wire", "U", "standard uncertainty of the wire diameter"},
    {"--u-reading", "U", "uncertainty of one reading (standard, or see --k-reading)"},
    {"--k-reading", "K", "the coverage factor --u-reading is stated with (default 1)"},
    {"--pitch-dev", "D", "the gauge's pitch deviation (default 0)"},
    {"--u-pitch", "U", "standard uncertainty of the pitch deviation"},
    {"--angle-dev", "MIN", "the gauge's half-angle deviation, minutes (default 0)"},
    {"--u-angle", "MIN", "standard uncertainty of the half-angle deviation, minutes"},
    {"--temp-gauge", "T", "the gauge's temperature, degrees Celsius (default 20)"},
    {"--temp-instrument", "T", "the instrument's temperature, degrees Celsius (default 20)"},
    {"--helix", "standard|exact",
     "the lead-angle correction of every reading over wires, its\n"
     "inspection and calibration: the standard formula's term\n"
     "(default) or the exact seat of the wires on the helicoid"},
    {"--report", "NAME",
     "write a report to the PDF file of --pdf instead of printing\n"
     "the pages: thread, gauge, setting (the point and roll gauge\n"
     "setting dimensions), iso1502 (the ISO 1502 gauges of an M\n"
     "thread), certificate (the Calibration Certificate of\n"
     "--calibrate or a .cal file); for pipe threads npt-dims (NPT's\n"
     "basic dimensions, the dimensions of the other kinds),\n"
     "npt-gauges, npt-tols (NPT's plug and ring gauges and their\n"
     "tolerances) or straight (NPSC, NPTR, NPSM, NPSL)",
     kNotInBatch},
    {"--pdf", "FILE", "the report's PDF file (- for standard output)", kNotInBatch},
    {"--paper", "SIZE",
     "the report's paper: letter or a4 (default: the paper chosen\n"
     "in the window's Preferences, else letter)",
     kNotInBatch},
    {"--profile-svg", "FILE",
     "the thread profile with its tolerance zones as an SVG\n"
     "file (not for pipe threads; - for standard output, instead\n"
     "of the pages)",
     kNotInBatch},
    {"--help", "", "show this help", kNotInBatch, "-h"},
    {"--version", "", "show the version", kNotInBatch},
};

// The thread's options it takes are in its table too: it checks the values
// given against this one.
constexpr CliOption kSetDimOptions[] = {
    {"", "", "\nSet Dim tool (setting dimensions of the point and roll gauges from one PD):"},
    {"--setdim", "",
     "with --type (as above, or 30DEG, 55DEG), --tpi N (--pitch MM for\n"
     "M, MJ, 30DEG) and one of --ext-pd-max V, --ext-pd-min V,\n"
     "--int-pd-min V, --int-pd-max V (inches; mm for M, MJ, 30DEG);\n"
     "--json, --csv, --mm, --inch as above; --report setting --pdf\n"
     "FILE writes its Setting Dims Report"},
    {"--type", "NAME", ""},
    {"--tpi", "N", ""},
    {"--pitch", "MM", ""},
    {"--ext-pd-max", "V", ""},
    {"--ext-pd-min", "V", ""},
    {"--int-pd-min", "V", ""},
    {"--int-pd-max", "V", ""},
    {"--tables", "DIR", ""},
    {"--report", "setting", ""},
    {"--pdf", "FILE", ""},
    {"--json", "", ""},
    {"--csv", "", ""},
    {"--mm", "", ""},
    {"--inch", "", ""},
};

constexpr CliOption kBallMicOptions[] = {
    {"", "", "Ball micrometer (HB-5000), instead of a thread:"},
    {"--ballmic", "",
     "the setting dimension of the ball micrometer and the distance\n"
     "over the gauge ball, for a taper plug or (--internal) a bore",
     kNotInBatch},
    {"--method", "N",
     "1 inspect at the gauge plane (default); 2 at another plane,\n"
     "gauge plane diameter given; 3 at another plane, apex\n"
     "diameter given"},
    {"--angle", "DEG", "half angle of the taper from the centerline, degrees"},
    {"--ball-dia", "D", "gauge ball diameter"},
    {"--plane-dia", "D", "diameter at the gauge plane (methods 1, 2)"},
    {"--plane-dis", "L", "distance to the gauge plane (methods 1, 2)"},
    {"--apex-dia", "D", "apex diameter (method 3)"},
    {"--ball-dis", "L", "distance over the gauge ball (methods 2, 3)"},
    {"--internal", "", "a tapered bore (default: a taper plug)"},
    {"--open", "FILE",
     "a ball micrometer file (.bm); options given override it,\n"
     "and both are checked as the dialog checks typed values"},
    {"--save", "FILE", "save the ball micrometer file"},
    {"", "", "  --json, --report ballmic --pdf FILE   as for threads"},
    {"--json", "", ""},
    {"--report", "ballmic", ""},
    {"--pdf", "FILE", ""},
    {"--tables", "DIR", ""},
    {"--help", "", "", false, "-h"},
    {"", "", "  Lengths are in the unit typed; every one the method uses must be above 0."},
};

constexpr CliOption kIdentifyOptions[] = {
    {"", "", "Identify a thread from a measured part, instead of a thread:"},
    {"--identify", "",
     "list the standard threads (UN, M, Acme, NPT) that fit, closest\n"
     "first, with the limits each has to meet"},
    {"--major", "V", "measured major diameter of an external thread, or"},
    {"--minor", "V",
     "measured minor diameter of an internal thread; inches, or\n"
     "with the unit: 0.248in, 6.3mm (bare in mm with --mm)"},
    {"--tpi", "N", "measured threads per inch, or"},
    {"--pitch", "MM", "measured pitch in millimetres (a pitch gauge's reading)"},
    {"", "", "  --mm, --inch, --json, --tables DIR   as for threads"},
    {"--mm", "", ""},
    {"--inch", "", ""},
    {"--json", "", ""},
    {"--tables", "DIR", ""},
    {"--help", "", "", false, "-h"},
};

constexpr CliOption kBatchOptions[] = {
    {"", "", "Batch, many threads in one run:"},
    {"--batch", "FILE",
     "one thread per line of FILE (- for standard input), given\n"
     "with the options above; words are split as a shell splits\n"
     "them ('...', \"...\", \\), nothing is expanded; blank lines and\n"
     "lines starting with # are skipped. Prints one JSON object a\n"
     "line (JSON Lines), as --json with \"line\": its line number;\n"
     "a line that fails prints {\"line\", \"error\", \"exit\"} and the\n"
     "batch goes on. Options besides --batch FILE apply to every\n"
     "line; --report, --pdf, --profile-svg, --ballmic, --help,\n"
     "--version and - for a file are not for a batch. The file may\n"
     "be of any size (read line by line; a line up to 1 MB). On a\n"
     "terminal, a batch running over a second shows its progress on\n"
     "standard error (\"plcalc: N of M threads\"). Exit code: the\n"
     "highest of its lines.",
     kNotInBatch},
};

constexpr CliOption kRegisterOptions[] = {
    {"", "", "Gauge register, instead of a thread (each record one JSON line):"},
    {"--register", "COMMAND",
     "add: a gauge (--serial, --thread, --member, --interval;\n"
     "--owner, --location); list: every gauge; due: the gauges due\n"
     "today or overdue (--within DAYS: also those due within DAYS);\n"
     "history --serial S: its calibrations; export: every gauge\n"
     "and calibration; import FILE.csv: gauges or calibrations\n"
     "(the header says which), all or none",
     kNotInBatch},
    {"--serial", "S", "the gauge's serial number"},
    {"--thread", "DESIGNATION", "the thread it gauges, as --thread reads it"},
    {"--member", "M", "GoPlug, NoGoPlug, GoRing, NoGoRing, GoSetPlug or NoGoSetPlug"},
    {"--interval", "DAYS", "its calibration interval, 1 to 3650 days"},
    {"--owner", "TEXT", "who keeps it"},
    {"--location", "TEXT", "where it is kept"},
    {"--within", "DAYS", "with due: the gauges due within DAYS days too"},
    {"--db", "PATH",
     "the register: an SQLite file (default\n"
     "~/.local/share/PitchLedger/gauges.sqlite, under $XDG_DATA_HOME\n"
     "when set) or a PostgreSQL server, postgresql://USER@HOST/DB"},
    {"--tables", "DIR", ""},
    {"--help", "", "", false, "-h"},
};

const char* const kExitCodesText =
    "\n"
    "Exit codes: 0 done, 2 invalid input (also limits that would not be finite,\n"
    "above 0 and in order), 3 table or file error (also an unreadable settings\n"
    "file), 64 usage error.\n";

constexpr CliMode kModes[] = {CliMode::Thread,   CliMode::SetDim, CliMode::BallMic,
                              CliMode::Identify, CliMode::Batch,  CliMode::Register};

void AppendRows(std::string& text, std::span<const CliOption> rows) {
    for (const CliOption& row : rows) {
        if (row.name.empty()) {
            text.append(row.help).append("\n");
            continue;
        }
        if (row.help.empty()) continue;
        std::string left = "  ";
        left.append(row.name);
        if (!row.value.empty()) left.append(" ").append(row.value);
        left.append(left.size() < kHelpColumn ? kHelpColumn - left.size() : 2, ' ');
        text += left;
        for (const char c : row.help) {
            text += c;
            if (c == '\n') text.append(kHelpColumn, ' ');
        }
        text += '\n';
    }
}

std::string MakeUsage(CliMode mode) {
    std::string text;
    AppendRows(text, OptionTable(mode));
    if (mode == CliMode::Thread) {
        AppendRows(text, OptionTable(CliMode::SetDim));
        text += kExitCodesText;
    }
    return text;
}

} // namespace

std::span<const CliOption> OptionTable(CliMode mode) {
    switch (mode) {
    case CliMode::Thread:
        return kThreadOptions;
    case CliMode::SetDim:
        return kSetDimOptions;
    case CliMode::BallMic:
        return kBallMicOptions;
    case CliMode::Identify:
        return kIdentifyOptions;
    case CliMode::Batch:
        return kBatchOptions;
    case CliMode::Register:
        return kRegisterOptions;
    }
    return {};
}

namespace {

// The option of a mode's table a word names (or its alias), found by a hash:
// every word of every batch line is looked up.
const CliOption* FindIn(CliMode mode, std::string_view word) {
    if (word.size() < 2 || word[0] != '-') return nullptr;
    using Index = std::unordered_map<std::string_view, const CliOption*>;
    static const std::array<Index, std::size(kModes)> indexes = [] {
        std::array<Index, std::size(kModes)> made;
        for (const CliMode m : kModes)
            for (const CliOption& row : OptionTable(m)) {
                Index& index = made[static_cast<std::size_t>(m)];
                if (!row.name.empty()) index.emplace(row.name, &row);
                if (!row.alias.empty()) index.emplace(row.alias, &row);
            }
        return made;
    }();
    const Index& index = indexes[static_cast<std::size_t>(mode)];
    const auto it = index.find(word);
    return it == index.end() ? nullptr : it->second;
}

} // namespace

const std::string& UsageText(CliMode mode) {
    static const std::string texts[] = {MakeUsage(CliMode::Thread),  MakeUsage(CliMode::SetDim),
                                        MakeUsage(CliMode::BallMic), MakeUsage(CliMode::Identify),
                                        MakeUsage(CliMode::Batch),   MakeUsage(CliMode::Register)};
    return texts[static_cast<int>(mode)];
}

std::string HelpText() {
    return UsageText(CliMode::Thread) + '\n' + UsageText(CliMode::BallMic) + '\n' +
           UsageText(CliMode::Identify) + '\n' + UsageText(CliMode::Batch) + '\n' +
           UsageText(CliMode::Register);
}

// Every mode's usage is in --help, to which the error points.
int UsageError(std::ostream& err, CliMode /*mode*/, const std::string& problem) {
    err << "plcalc: " << problem << '\n' << kTryHelp << '\n';
    return kExitUsage;
}

const std::string& ShortUsage() {
    static const std::string text =
        std::string("Usage: plcalc [options] [FILE.thd | FILE.bm | FILE.cal]\n"
                    "       plcalc --thread DESIGNATION [options]\n"
                    "       plcalc --batch FILE [options]\n"
                    "       plcalc --setdim | --ballmic | --identify "
                    "[options]\n") +
        kTryHelp + '\n';
    return text;
}

std::string UsageProblem(const std::string& printed) {
    std::string m = printed.substr(0, printed.find("\n\n"));
    while (!m.empty() && m.back() == '\n')
        m.pop_back();
    const std::string tail = std::string("\n") + kTryHelp;
    if (m.ends_with(tail)) m.resize(m.size() - tail.size());
    return m;
}

std::string NormalizeArgs(std::vector<std::string>& args) {
    const auto anyOption = [](std::string_view word) {
        const CliOption* option = nullptr;
        for (const CliMode mode : kModes)
            if (!option) option = FindIn(mode, word);
        return option;
    };
    const auto fileName = [](const std::string& word) {
        std::string lower;
        for (const char c : word.substr(word.size() < 4 ? 0 : word.size() - 4))
            lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        return lower.ends_with(".thd") || lower.ends_with(".bm") || lower.ends_with(".cal");
    };
    std::vector<std::string> plain;
    plain.reserve(args.size() + 1);
    std::string file;
    bool open = false, filesOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (!filesOnly && word == "--") {
            filesOnly = true;
            continue;
        }
        if (filesOnly || word.empty() || word[0] != '-' || word == "-") {
            if (!filesOnly && !fileName(word))
                return "unexpected argument '" + word +
                       "': a thread file ends in .thd, a ball micrometer file in .bm, a "
                       "calibration file in .cal";
            if (!file.empty()) return "one file at a time: " + file + " and " + word;
            file = word;
            continue;
        }
        const std::size_t eq = word.find('=');
        if (eq != std::string::npos && word.starts_with("--"))
            if (const CliOption* option = anyOption(std::string_view(word).substr(0, eq));
                option && !option->value.empty()) {
                plain.emplace_back(option->name);
                plain.push_back(word.substr(eq + 1));
                open = open || option->name == "--open";
                continue;
            }
        const CliOption* option = anyOption(std::string_view(word).substr(0, eq));
        if (!option) {
            // The option readers name it; what follows is not read.
            plain.insert(plain.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
            break;
        }
        plain.push_back(word);
        // A value is taken as it stands, even "--" or "-x".
        if (!option->value.empty() && eq == std::string::npos) {
            if (i + 1 < args.size()) plain.push_back(args[++i]);
            open = open || option->name == "--open";
        }
    }
    if (!file.empty()) {
        if (open) return "one file at a time: --open and " + file;
        plain.emplace_back("--open");
        plain.push_back(file);
    }
    args = std::move(plain);
    return {};
}

ReadOutcome ReadOptions(const std::vector<std::string>& args, std::initializer_list<CliMode> modes,
                        ParsedOptions& o, bool helpEnds) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const CliOption* option = nullptr;
        for (const CliMode mode : modes)
            if (!option) option = FindIn(mode, word);
        if (!option && word.starts_with("--") && word.find('=') != std::string::npos) {
            const std::string name = word.substr(0, word.find('='));
            for (const CliMode mode : modes)
                if (!option) option = FindIn(mode, name);
            if (!option) return {ReadOutcome::Unknown, name};
            if (option->value.empty()) return {ReadOutcome::UnexpectedValue, name};
            o.values[option->name] = word.substr(word.find('=') + 1);
            continue;
        }
        if (!option) return {ReadOutcome::Unknown, word};
        if (option->value.empty()) {
            if (helpEnds && option->name == "--help") return {ReadOutcome::Help, word};
            o.switches.emplace(option->name);
            continue;
        }
        if (i + 1 >= args.size()) return {ReadOutcome::MissingValue, word};
        o.values[option->name] = args[++i];
    }
    return {};
}

bool HasOption(CliMode mode, std::string_view name) {
    const CliOption* option = FindIn(mode, name);
    return option && option->name == name;
}

std::string FirstNotInBatch(const std::vector<std::string>& words) {
    // The few options that are not for a batch line, once.
    static const std::vector<std::string_view> notInBatch = [] {
        std::vector<std::string_view> names;
        for (const CliMode mode : kModes)
            for (const CliOption& option : OptionTable(mode))
                if (option.notInBatch) {
                    names.push_back(option.name);
                    if (!option.alias.empty()) names.push_back(option.alias);
                }
        return names;
    }();
    for (const std::string& word : words)
        if (word.size() >= 2 && word[0] == '-' &&
            std::ranges::find(notInBatch, std::string_view(word)) != notInBatch.end())
            return word;
    return {};
}
