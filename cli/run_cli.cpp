#include "cli/run_cli.h"

#include "cli/cli_output.h"
#include "cli/report_option.h"
#include "core/number_text.h"
#include "pages/parameter_page.h"
#include "pages/result_pages.h"
#include "core/settings.h"
#include "core/table_file.h"
#include "pages/thread_file.h"
#include "core/thread_record.h"
#include "core/version.h"
#include "gauges/wires.h"

#include <filesystem>
#include <map>
#include <optional>
#include <ostream>

namespace {

const char* const kUsage =
    "Usage: plcalc [options]\n"
    "Calculates a screw thread, its gauges and wire readings, and prints the result pages.\n"
    "\n"
    "Thread:\n"
    "  --type NAME     UN, UNR or UNJ (default UN)\n"
    "  --dia TEXT      nominal diameter: 0.375, 3/8 or a number size such as #10\n"
    "  --tpi VALUE     threads per inch\n"
    "  --class TEXT    class 1, 2 or 3 (UNJ: 3); default 2 (UNJ: 3)\n"
    "  --starts N      number of starts, 1 to 6 (default 1)\n"
    "  --loe VALUE     custom length of engagement\n"
    "  --coating T     coating thickness\n"
    "  --open FILE     calculate the thread of a thread file instead\n"
    "\n"
    "Results:\n"
    "  --classx        class X gauge tolerances on the setting plugs (default class W)\n"
    "  --mm            show dimensions in millimetres\n"
    "  --wire SIZE     wire size for the readings, in the display unit or with mm/in\n"
    "  --save FILE     save the thread file\n"
    "  --tables DIR    table data path (default: the user's setting)\n"
    "  --json          print one JSON object instead of text pages\n"
    "  --report NAME   write the thread or gauge report (NAME: thread, gauge)\n"
    "                  to the PDF file of --pdf instead of printing the pages\n"
    "  --pdf FILE      the report's PDF file (Letter paper)\n"
    "  --help          show this help\n"
    "  --version       show the version\n"
    "\n"
    "Exit codes: 0 done, 2 invalid input, 3 table or file error, 64 usage error.\n";

struct Options {
    std::map<std::string, std::string> values;
    bool classX = false, mm = false, json = false, help = false, version = false;

    std::optional<std::string> get(const std::string& k) const
    {
        auto it = values.find(k);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
};

bool ParseOptions(const std::vector<std::string>& args, Options& o, std::string& problem)
{
    static const char* const withValue[] = {"--type",    "--dia",  "--tpi",  "--class",
                                            "--starts",  "--loe",  "--coating", "--wire",
                                            "--open",    "--save", "--tables", "--report",
                                            "--pdf"};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--classx") o.classX = true;
        else if (a == "--mm") o.mm = true;
        else if (a == "--json") o.json = true;
        else if (a == "--help" || a == "-h") o.help = true;
        else if (a == "--version") o.version = true;
        else {
            bool known = false;
            for (const char* w : withValue) {
                if (a != w) continue;
                known = true;
                if (i + 1 >= args.size()) {
                    problem = "missing value for " + a;
                    return false;
                }
                o.values[a] = args[++i];
            }
            if (!known) {
                problem = "unknown option " + a;
                return false;
            }
        }
    }
    const auto report = o.get("--report");
    if (report && !IsReportName(*report)) {
        problem = "unknown report " + *report;
        return false;
    }
    if (report && !o.get("--pdf")) {
        problem = "--report needs --pdf FILE";
        return false;
    }
    if (!report && o.get("--pdf")) {
        problem = "--pdf needs --report";
        return false;
    }
    return true;
}

struct Failure {
    int code;
    std::string message;
};

// Sets up the record from the options as the thread window does from its
// page, with the window's messages; the command line also refuses values the
// window's lists cannot produce.
std::optional<Failure> SetUpFromOptions(const Options& o, TTInfo& rec)
{
    const std::string type = UpperCase(Trim(o.get("--type").value_or("UN")));
    ParameterEntry e;
    e.typeIndex = -1;
    const auto& types = ThreadTypeEntries();
    for (std::size_t i = 0; i < types.size(); ++i)
        if (type == types[i].typeName) e.typeIndex = static_cast<int>(i);
    if (e.typeIndex < 0) return Failure{kExitInvalidInput, "Unknown thread type: " + type};
    const uint16_t code = types[static_cast<std::size_t>(e.typeIndex)].typeCode;
    if (!FamilyAvailable(code))
        return Failure{kExitInvalidInput, UnavailableTypeMessage(code, type)};

    const std::vector<ClassEntry> classes = ClassEntries(e.typeIndex);
    if (!classes.empty()) {
        const std::string def =
            classes[static_cast<std::size_t>(DefaultClassEntry(e.typeIndex))].classText;
        std::string cls = UpperCase(Trim(o.get("--class").value_or(def)));
        if (cls.rfind("CLASS ", 0) == 0) cls = Trim(cls.substr(6));
        for (const auto& c : classes)
            if (c.classText == cls) e.classText = cls;
        if (e.classText.empty()) return Failure{kExitInvalidInput, "Invalid thread class: " + cls};
    }
    e.diameterText = o.get("--dia").value_or("");
    e.pitchText = o.get("--tpi").value_or("");
    if (auto loe = o.get("--loe")) {
        e.customLOE = true;
        e.loeText = *loe;
    }
    if (auto s = o.get("--starts")) {
        double v = 0;
        if (!ParseDecimal(*s, v) || v != static_cast<int>(v) || v < 1 || v > 6)
            return Failure{kExitInvalidInput, "Invalid number of starts: " + *s};
        e.startsIndex = static_cast<int>(v) - 1;
    }
    if (auto c = o.get("--coating")) {
        e.coated = true;
        e.coatingText = *c;
    }
    const SetUpResult r = SetUpRecord(e, rec);
    if (!r.message.empty()) return Failure{kExitInvalidInput, r.message};
    return std::nullopt;
}

std::string BaseName(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

int Run(const Options& o, std::ostream& out, std::ostream& err)
{
    if (auto dir = o.get("--tables")) Settings().TableDataPath = *dir;

    TTInfo rec;
    std::string fileName = "(Untitled)";
    // Class X gauge tolerances when asked for, or when the opened file has them.
    bool classX = o.classX;
    try {
        if (auto file = o.get("--open")) {
            const LoadResult r = LoadFromFile(rec, *file);
            if (r.status != LoadResult::Status::Loaded) {
                err << r.message << '\n';
                return r.status == LoadResult::Status::FileError ? kExitFileError
                                                                 : kExitInvalidInput;
            }
            if (!r.message.empty()) err << r.message << '\n';
            classX = classX || rec.ClassW == 0;
            fileName = BaseName(*file);
        } else {
            if (auto f = SetUpFromOptions(o, rec)) {
                err << f->message << '\n';
                return f->code;
            }
            rec.Calculate();
        }
    } catch (const TableError& e) {
        err << e.what() << '\n';
        return kExitFileError;
    }
    rec.ClassW = GaugeClassOptions(rec.ExtThd.TypeCode, classX).classW;

    if (auto wire = o.get("--wire")) {
        const double size = WireEntryToRecordUnits(rec, *wire, o.mm);
        if (rec.SetWireSize(size) != 0) {
            err << "Invalid Wire Size!\n";
            return kExitInvalidInput;
        }
    }
    if (auto save = o.get("--save")) {
        std::string error;
        if (!SaveToFile(rec, *save, &error)) {
            err << error << '\n';
            return kExitFileError;
        }
        fileName = BaseName(*save);
    }

    if (auto report = o.get("--report"))
        return WriteReportOption(rec, *report, *o.get("--pdf"), o.mm, err);

    const ResultPagesText pages = BuildResultPages(rec, fileName, o.mm);
    if (o.json) PrintPagesJson(rec, pages, out);
    else PrintPagesText(pages, out);
    return kExitOk;
}

} // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Options o;
    std::string problem;
    if (!ParseOptions(args, o, problem)) {
        err << "plcalc: " << problem << "\n\n" << kUsage;
        return kExitUsage;
    }
    if (o.help) {
        out << kUsage;
        return kExitOk;
    }
    if (o.version) {
        out << "plcalc (Pitch Ledger) " << ProgramVersion() << '\n';
        return kExitOk;
    }
    ReadSettings();
    return Run(o, out, err);
}
