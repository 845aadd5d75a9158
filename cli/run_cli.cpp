#include "cli/run_cli.h"

#include "cli/cli_output.h"
#include "cli/report_option.h"
#include "core/diameter_entry.h"
#include "core/number_text.h"
#include "core/result_pages.h"
#include "core/settings.h"
#include "core/table_file.h"
#include "core/thread_file.h"
#include "core/thread_record.h"
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

// The thread window's type list, in order.
const char* const kWindowTypes[] = {"UN",  "UNR", "UNJ", "ACME",    "STUB", "SAM1",
                                    "SAM2", "M",   "MJ",  "745BUTT", "NPT"};

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

// The window's class list for a type, and its default entry.
std::vector<std::string> ClassesOf(const std::string& type, std::string& def)
{
    if (type == "UNJ") {
        def = "3";
        return {"3"};
    }
    if (type == "ACME") {
        def = "2G";
        return {"2G", "3G", "4G", "5G"};
    }
    if (type == "STUB" || type == "SAM1" || type == "SAM2") {
        def = "2G";
        return {"2G", "3G", "4G"};
    }
    if (type == "745BUTT") {
        def = "2";
        return {"2", "3"};
    }
    if (type == "NPT") {
        def = "NPT";
        return {"NPT", "NPSC", "NPTR", "NPSM", "NPSL"};
    }
    def = "2";
    return {"1", "2", "3"};
}

// Sets up the record from the options in the order the thread window does,
// with the window's messages.
std::optional<Failure> SetUpRecord(const Options& o, TTInfo& rec)
{
    const std::string type = UpperCase(Trim(o.get("--type").value_or("UN")));
    bool listed = false;
    for (const char* t : kWindowTypes) listed = listed || type == t;
    if (!listed) return Failure{kExitInvalidInput, "Unknown thread type: " + type};
    if (!FamilyAvailable(TypeCodeOfName(type)))
        return Failure{kExitInvalidInput,
                       "Thread type " + type + " is not available in this version"};

    const DiameterEntry dia = ParseDiameterEntry(o.get("--dia").value_or(""));
    const double d = dia.value;
    rec.SetNomDia(d);
    rec.NomDiaText = dia.text;
    if (dia.fraction && d < 0) return Failure{kExitInvalidInput, "Invalid Nominal Diameter"};
    if (!(d > 0)) return Failure{kExitInvalidInput, "Can not calculate. Invalid Nominal Diameter"};

    rec.SetThreadType(type);
    double tpi = 0;
    if (!ParseDecimal(o.get("--tpi").value_or(""), tpi)) tpi = 0;
    rec.SetTPI(static_cast<float>(tpi));
    if (!(rec.TPI > 0)) return Failure{kExitInvalidInput, "Can not calculate. Invalid pitch value"};

    std::string def;
    const std::vector<std::string> classes = ClassesOf(type, def);
    std::string cls = UpperCase(Trim(o.get("--class").value_or(def)));
    if (cls.rfind("CLASS ", 0) == 0) cls = Trim(cls.substr(6));
    bool offered = false;
    for (const auto& c : classes) offered = offered || c == cls;
    if (!offered) return Failure{kExitInvalidInput, "Invalid thread class: " + cls};
    rec.SetClass(cls);

    if (auto loe = o.get("--loe")) {
        double v = 0;
        if (!ParseDecimal(*loe, v) || !(v > 0))
            return Failure{kExitInvalidInput, "Invalid length of engagement: " + *loe};
        rec.SetLOE(v);
    }
    if (auto s = o.get("--starts")) {
        double v = 0;
        if (!ParseDecimal(*s, v) || v != static_cast<int>(v) || v < 1 || v > 6)
            return Failure{kExitInvalidInput, "Invalid number of starts: " + *s};
        rec.SetStarts(static_cast<uint16_t>(v));
    }
    if (auto c = o.get("--coating")) {
        double v = 0;
        if (!ParseDecimal(*c, v) || v < 0)
            return Failure{kExitInvalidInput, "Invalid coating thickness: " + *c};
        rec.SetCoating(v);
    } else {
        rec.SetCoating(0);
    }
    return std::nullopt;
}

// Gauge tolerance class shown on the setting plugs after a calculation.
void ChooseGaugeClass(TTInfo& rec, bool classX)
{
    switch (rec.ExtThd.TypeCode) {
    case kTypeUN: case kTypeUNR: case kTypeUNJ: case kTypeM: case kTypeMJ: case kTypeButt:
        rec.ClassW = classX ? 0 : 1;
        break;
    case kTypeNPT:
        rec.ClassW = 1;
        break;
    default:
        rec.ClassW = 0;
    }
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
    try {
        if (auto file = o.get("--open")) {
            std::string error;
            if (!LoadFromFile(rec, *file, &error)) {
                err << error << '\n';
                return kExitFileError;
            }
            if (!FamilyAvailable(rec.ExtThd.TypeCode)) {
                err << "Thread type " << rec.TypeName << " is not available in this version\n";
                return kExitInvalidInput;
            }
            fileName = BaseName(*file);
        } else {
            if (auto f = SetUpRecord(o, rec)) {
                err << f->message << '\n';
                return f->code;
            }
            rec.Calculate();
        }
    } catch (const TableError& e) {
        err << e.what() << '\n';
        return kExitFileError;
    }
    ChooseGaugeClass(rec, o.classX);

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
        out << "plcalc (Pitch Ledger) " << PL_VERSION_TEXT << '\n';
        return kExitOk;
    }
    ReadSettings();
    return Run(o, out, err);
}
