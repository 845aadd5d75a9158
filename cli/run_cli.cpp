#include "cli/run_cli.h"

#include "cli/ball_mic_option.h"
#include "cli/batch.h"
#include "cli/cli_output.h"
#include "cli/gauge_setting_text.h"
#include "cli/identify_option.h"
#include "cli/profile_option.h"
#include "cli/inspect_option.h"
#include "cli/reeval_option.h"
#include "pages/new_pd.h"
#include "cli/set_dim_option.h"
#include "cli/report_option.h"
#include "core/number_text.h"
#include "pages/inspect_page.h"
#include "pages/metric_tolerance.h"
#include "pages/parameter_page.h"
#include "pages/result_pages.h"
#include "core/settings.h"
#include "core/table_file.h"
#include "pages/thread_file.h"
#include "core/thread_record.h"
#include "core/version.h"
#include "gauges/ball_mic.h"
#include "gauges/gage_catalogue.h"
#include "gauges/wires.h"
#include "pipe/pipe_pages.h"
#include "pipe/pipe_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>

namespace {

// The --type names: the type list's names, the thread file's longer ones
// ("STUB ACME") and BUTT for the buttress entry.
uint16_t TypeCodeOfOption(const std::string& upperName)
{
    if (upperName == "BUTT") return kTypeButt;
    return TypeCodeOfName(upperName);
}

const char* const kUsage =
    "Usage: plcalc [options]\n"
    "Calculates a screw thread, its gauges and wire readings, and prints the result pages.\n"
    "\n"
    "Thread:\n"
    "  --type NAME     UN, UNR, UNJ, ACME, STUB (Stub Acme), SAM1, SAM2 (modified\n"
    "                  stub Acme #1, #2), M, MJ, BUTT (7x45 buttress) or NPT (pipe\n"
    "                  threads); default UN\n"
    "  --dia TEXT      nominal diameter: 0.375, 3/8 or a number size such as #10;\n"
    "                  millimetres for M and MJ (10; over 0.99 up to 355, ISO 965-1)\n"
    "  --tpi VALUE     threads per inch (all but M and MJ)\n"
    "  --pitch MM      pitch in millimetres (M, MJ; 0.2 to 8, ISO 965-1)\n"
    "  --class TEXT    UN, UNR: 1, 2 or 3 (default 2); UNJ: 3; ACME: 2G, 3G, 4G or 5G;\n"
    "                  STUB, SAM1, SAM2: 2G, 3G or 4G; BUTT: 2 or 3; NPT: the pipe\n"
    "                  kind NPT, NPSC, NPTR, NPSM or NPSL (default: the first)\n"
    "  --size TEXT     nominal pipe size of NPT as listed: 1/2, 1 1/4 (or 1-1/4),\n"
    "                  14 OD; pipe threads are shown in inches\n"
    "  --ext-tol TEXT  external tolerance class of M: PD grade 3-9, position e-h,\n"
    "                  major grade 4, 6, 8, position e-h (6g6g; 6g means 6g6g);\n"
    "                  default 6g6g (MJ: 4h6h only)\n"
    "  --int-tol TEXT  internal tolerance class of M: PD and minor grade 4-8,\n"
    "                  position G or H (6H6H); default 6H6H (MJ: 4H5H only)\n"
    "  --loe-group G   engagement group of M: S (short), N (normal, default), L (long)\n"
    "  --starts N      number of starts, 1 to 6 (default 1)\n"
    "  --loe VALUE     custom length of engagement (UN, UNR, UNJ, MJ; M: see\n"
    "                  --loe-group; Acme, stub and buttress threads take the standard one)\n"
    "  --coating T     coating thickness in the thread's unit: inches, millimetres\n"
    "                  for M and MJ (0.008 is 8 um on an M10)\n"
    "  --open FILE     calculate the thread of a thread file instead (a ball\n"
    "                  micrometer file runs the ball micrometer), checked as typed\n"
    "                  values are (one without Nom Dia or TPI is refused)\n"
    "\n"
    "Results:\n"
    "  --classx        class X gauge tolerances on the setting plugs (default class W)\n"
    "  --mm            show dimensions in millimetres (the default for M and MJ)\n"
    "  --inch          show dimensions in inches (the default for inch threads)\n"
    "  --wire SIZE     wire size for the readings, in the display unit or with mm/in\n"
    "  --new-pd LIMIT=V  re-evaluate: the nominal diameter at which a pitch-diameter\n"
    "                  limit (ext-max, ext-min, int-min, int-max) is V (display unit\n"
    "                  or with mm/in); the thread is calculated at that diameter,\n"
    "                  with a note saying so\n"
    "  --point-dia D   special contact point of the point gauge: inches, or with\n"
    "                  mm/in (0.06, 1.2mm); Acme, stub and SAM threads take\n"
    "                  catalogue points only\n"
    "  --save FILE     save the thread file\n"
    "  --tables DIR    table data path (default: the user's setting)\n"
    "  --json          print one JSON object instead of text pages\n"
    "  --csv           print every page as CSV instead: the page name, its header\n"
    "                  row and its rows as shown, a blank line between pages (also\n"
    "                  with --setdim)\n"
    "  --measured-mow V[,V...]  inspect: measured readings over wires of the\n"
    "                  external thread (display unit or with mm/in); the pitch\n"
    "                  diameter each measures and its verdict against the limits\n"
    "  --measured-wire W  the wire size of those readings (default: the current wire)\n"
    "  --measured-pd V[,V...]  inspect measured pitch diameters instead\n"
    "  --measured-gauge G  the readings (or PDs) are of an ISO 1502 screw plug of\n"
    "                  the M thread, go-plug or nogo-plug: judged new, worn but\n"
    "                  usable, beyond wear limit or oversize against its limits (mm)\n"
    "  --report NAME   write a report to the PDF file of --pdf instead of printing\n"
    "                  the pages: thread, gauge, setting (the point and roll gauge\n"
    "                  setting dimensions), iso1502 (the ISO 1502 gauges of an M\n"
    "                  thread); for pipe threads npt-dims (NPT's\n"
    "                  basic dimensions, the dimensions of the other kinds),\n"
    "                  npt-gauges, npt-tols (NPT's plug and ring gauges and their\n"
    "                  tolerances) or straight (NPSC, NPTR, NPSM, NPSL)\n"
    "  --pdf FILE      the report's PDF file (Letter paper)\n"
    "  --profile-svg FILE  the thread profile with its tolerance zones as an SVG\n"
    "                  file (not for pipe threads)\n"
    "  --help          show this help\n"
    "  --version       show the version\n"
    "\n"
    "Set Dim tool (setting dimensions of the point and roll gauges from one PD):\n"
    "  --setdim        with --type (as above, or 30DEG, 55DEG), --tpi N (--pitch MM for\n"
    "                  M, MJ, 30DEG) and one of --ext-pd-max V, --ext-pd-min V,\n"
    "                  --int-pd-min V, --int-pd-max V (inches; mm for M, MJ, 30DEG);\n"
    "                  --json, --csv, --mm, --inch as above; --report setting --pdf\n"
    "                  FILE writes its Setting Dims Report\n"
    "\n"
    "Exit codes: 0 done, 2 invalid input (also limits that would not be finite,\n"
    "above 0 and in order), 3 table or file error (also an unreadable settings\n"
    "file), 64 usage error.\n";

struct Options {
    std::map<std::string, std::string> values;
    bool classX = false, mm = false, inch = false, json = false, help = false, version = false;
    bool setDim = false, csv = false;

    std::optional<std::string> get(const std::string& k) const
    {
        auto it = values.find(k);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
};

// A pipe thread is chosen by its kind and size alone: the tables give the rest.
std::string PipeOptionProblem(const Options& o, const std::string& type)
{
    const bool pipe = TypeCodeOfName(type) == kTypeNPT;
    if (!pipe && o.get("--size"))
        return "--size is for pipe threads (--type NPT): give the diameter with --dia";
    if (!pipe) return {};
    for (const char* opt :
         {"--dia", "--tpi", "--pitch", "--starts", "--coating", "--loe", "--wire"})
        if (o.get(opt))
            return std::string(opt) +
                   " is not for pipe threads: give the kind with --class and the nominal pipe "
                   "size with --size";
    return {};
}

// Options of the other unit system name the option that was meant.
std::string MetricOptionProblem(const Options& o)
{
    if (o.get("--open")) return {};
    const std::string type = UpperCase(Trim(o.get("--type").value_or("UN")));
    if (std::string pipe = PipeOptionProblem(o, type); !pipe.empty()) return pipe;
    const bool metric = type == "M" || type == "MJ";
    if (metric && o.get("--tpi"))
        return "--tpi is for inch threads: give the pitch of an " + type +
               " thread in millimetres with --pitch MM";
    if (!metric && o.get("--pitch"))
        return "--pitch is for metric threads (--type M or MJ): give threads per inch with "
               "--tpi";
    if (metric && o.get("--class"))
        return "--class is for inch threads: give the tolerance classes of an " + type +
               " thread with --ext-tol and --int-tol";
    if (!metric && (o.get("--ext-tol") || o.get("--int-tol")))
        return "--ext-tol and --int-tol are for metric threads (--type M or MJ): give the "
               "class with --class";
    if (type != "M" && o.get("--loe-group"))
        return "--loe-group is for M threads: give a custom length of engagement with --loe";
    if (type == "M" && o.get("--loe"))
        return "--loe is not for M threads: choose the engagement with --loe-group S, N or L";
    const uint16_t code = TypeCodeOfOption(type);
    if (o.get("--loe") && TypeEntryIndex(code) >= 0 && !CustomLOEAllowed(code))
        return "--loe is not for " + type +
               " threads: they are calculated for their standard length of engagement";
    return {};
}

bool ParseOptions(const std::vector<std::string>& args, Options& o, std::string& problem)
{
    static const char* const withValue[] = {"--type",    "--dia",  "--tpi",  "--class",
                                            "--starts",  "--loe",  "--coating", "--wire",
                                            "--open",    "--save", "--tables", "--report",
                                            "--pdf",     "--pitch", "--ext-tol", "--int-tol",
                                            "--loe-group", "--size", "--point-dia", "--new-pd",
                                            "--ext-pd-max", "--ext-pd-min", "--int-pd-min",
                                            "--int-pd-max", "--profile-svg", "--measured-mow",
                                            "--measured-wire", "--measured-pd",
                                            "--measured-gauge"};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--classx") o.classX = true;
        else if (a == "--mm") o.mm = true;
        else if (a == "--inch") o.inch = true;
        else if (a == "--json") o.json = true;
        else if (a == "--help" || a == "-h") o.help = true;
        else if (a == "--version") o.version = true;
        else if (a == "--setdim") o.setDim = true;
        else if (a == "--csv") o.csv = true;
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
    if (o.mm && o.inch) {
        problem = "--mm and --inch exclude each other";
        return false;
    }
    if (o.csv && o.json) {
        problem = "--csv and --json exclude each other";
        return false;
    }
    if (o.setDim) {
        problem = SetDimOptionProblem(o.values);
        return problem.empty();
    }
    problem = InspectOptionProblem(o.values);
    if (!problem.empty()) return false;
    for (const char* pd : {"--ext-pd-max", "--ext-pd-min", "--int-pd-min", "--int-pd-max"})
        if (o.get(pd)) {
            problem = std::string(pd) + " is for --setdim";
            return false;
        }
    if (auto v = o.get("--new-pd")) {
        problem = o.get("--open") ? "--new-pd re-evaluates a thread given by the options, not "
                                    "--open"
                                  : NewPDOptionProblem(*v);
        if (!problem.empty()) return false;
    }
    problem = MetricOptionProblem(o);
    if (!problem.empty()) return false;
    const auto report = o.get("--report");
    if (report && *report == "ballmic") {
        problem = "--report ballmic is the ball micrometer's: give the taper with --ballmic";
        return false;
    }
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
    if (report && o.get("--pdf")->empty()) {
        problem = "--pdf needs a file name";
        return false;
    }
    if (auto svg = o.get("--profile-svg"); svg && svg->empty()) {
        problem = "--profile-svg needs a file name";
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
// The engagement group of --loe-group: S, N, L or the words.
int LOEGroupOf(const std::string& text)
{
    const std::string t = UpperCase(Trim(text));
    if (t == "S" || t == "SHORT") return kShortLOE;
    if (t == "N" || t == "NORMAL") return kNormalLOE;
    if (t == "L" || t == "LONG") return kLongLOE;
    return -1;
}

// The metric classes and engagement group as the grade dialog and the
// engagement radio group of the window would leave them.
std::optional<Failure> MetricEntry(const Options& o, uint16_t code, ParameterEntry& e,
                                   std::string& note)
{
    const MetricTolTexts defaults = DefaultMetricTols(code);
    const TolClassCheck in = CheckTolClass(code, o.get("--int-tol").value_or(defaults.internal), true);
    const TolClassCheck ex =
        CheckTolClass(code, o.get("--ext-tol").value_or(defaults.external), false);
    for (const TolClassCheck* c : {&in, &ex})
        if (!c->message.empty()) return Failure{kExitInvalidInput, c->message};
    e.intTolText = in.text;
    e.extTolText = ex.text;
    e.metricLOE = kNormalLOE;
    if (auto g = o.get("--loe-group")) {
        const int group = LOEGroupOf(*g);
        if (group < 0)
            return Failure{kExitInvalidInput,
                           "Invalid engagement group: " + *g + " (S, N or L)"};
        const MetricLOEChange change = ChangeMetricLOE(ex.text, kNormalLOE, group);
        e.extTolText = change.external;
        e.metricLOE = change.group;
        note = MetricLOENotice(ex.text, change, group);
    }
    return std::nullopt;
}

// A size as typed, in the list's spelling: blanks trimmed and single,
// "1-1/4" as "1 1/4", "14od" as "14 OD".
std::string PipeSizeSpelling(const std::string& text)
{
    std::string t;
    for (char c : UpperCase(Trim(text))) {
        if (c == '-' || c == '\t') c = ' ';
        if (c == ' ' && (t.empty() || t.back() == ' ')) continue;
        if (c == 'O' && !t.empty() && std::isdigit(static_cast<unsigned char>(t.back()))) t += ' ';
        t += c;
    }
    while (!t.empty() && t.back() == ' ') t.pop_back();
    return t;
}

// The size list entry of --size for the chosen kind.
std::optional<Failure> PipeSizeEntry(const Options& o, ParameterEntry& e)
{
    const std::vector<std::string> sizes = PipeSizeTexts(e.pipeKind);
    std::string offered;
    for (const std::string& s : sizes) offered += (offered.empty() ? "" : ", ") + s;
    const std::string kind = e.classText;
    const auto size = o.get("--size");
    if (!size)
        return Failure{kExitInvalidInput,
                       "Can not calculate. No pipe size: give --size with one of the " + kind +
                           " sizes " + offered};
    const std::string wanted = PipeSizeSpelling(*size);
    for (std::size_t i = 0; i < sizes.size(); ++i)
        if (sizes[i] == wanted) {
            e.pipeSize = static_cast<int>(i);
            e.pipeSizeText = sizes[i];
            return std::nullopt;
        }
    return Failure{kExitInvalidInput,
                   "Can not calculate. " + Trim(*size) + " is no " + kind + " pipe size (" + kind +
                       " sizes: " + offered + ")"};
}

std::optional<Failure> SetUpFromOptions(const Options& o, TTInfo& rec, std::string& note,
                                        ParameterEntry* entry = nullptr)
{
    const std::string type = UpperCase(Trim(o.get("--type").value_or("UN")));
    ParameterEntry e;
    e.typeIndex = TypeEntryIndex(TypeCodeOfOption(type));
    const auto& types = ThreadTypeEntries();
    if (e.typeIndex < 0) return Failure{kExitInvalidInput, "Unknown thread type: " + type};
    const uint16_t code = types[static_cast<std::size_t>(e.typeIndex)].typeCode;
    const bool metric = code == kTypeM || code == kTypeMJ;
    if (metric)
        if (auto f = MetricEntry(o, code, e, note)) return f;
    if (!FamilyAvailable(code))
        return Failure{kExitInvalidInput, UnavailableTypeMessage(code, type)};

    const std::vector<ClassEntry> classes = ClassEntries(e.typeIndex);
    if (!classes.empty()) {
        const std::string def =
            classes[static_cast<std::size_t>(DefaultClassEntry(e.typeIndex))].classText;
        std::string cls = UpperCase(Trim(o.get("--class").value_or(def)));
        if (cls.rfind("CLASS ", 0) == 0) cls = Trim(cls.substr(6));
        const std::string refusal = ClassRefusal(e.typeIndex, cls);
        if (!refusal.empty()) return Failure{kExitInvalidInput, refusal};
        e.classText = cls;
    }
    if (code == kTypeNPT) {
        e.pipe = true;
        e.pipeKind = ChooseClassEntry(e.typeIndex, e.classText).entry;
        if (auto f = PipeSizeEntry(o, e)) return f;
    }
    e.diameterText = o.get("--dia").value_or("");
    e.pitchText = o.get(metric ? "--pitch" : "--tpi").value_or("");
    if (auto loe = o.get("--loe")) {
        e.customLOE = true;
        e.loeText = *loe;
    }
    if (auto s = o.get("--starts")) {
        const int starts = StartsOf(*s);
        if (starts == 0) return Failure{kExitInvalidInput, kInvalidStartsMessage + *s};
        e.startsIndex = starts - 1;
    }
    if (auto c = o.get("--coating")) {
        e.coated = true;
        e.coatingText = *c;
    }
    if (entry) *entry = e;
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
    std::optional<ReevaluationText> reevaluation;
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
            std::string note;
            Options fitted = o;
            if (auto newPD = o.get("--new-pd")) {
                // The thread as the options give it; then the one at the diameter found.
                TTInfo given;
                ParameterEntry entry;
                std::string unused;
                if (const auto f = SetUpFromOptions(o, given, unused, &entry)) {
                    err << f->message << '\n';
                    return f->code;
                }
                const NewPDFit fit = FitNewPDOption(*newPD, entry, o.mm, o.inch);
                if (!fit.message.empty()) {
                    err << fit.message << '\n';
                    return kExitInvalidInput;
                }
                fitted.values["--dia"] = fit.diameterText;
                reevaluation = ReevaluationText{LowerCase(Trim(newPD->substr(0, newPD->find('=')))),
                                                fit.target, fit.note};
            }
            const auto f = SetUpFromOptions(fitted, rec, note);
            if (!note.empty()) err << note << '\n';
            if (f) {
                err << f->message << '\n';
                return f->code;
            }
            rec.Calculate();
            if (!rec.Refusal.empty()) {
                err << rec.Refusal << '\n';
                return kExitInvalidInput;
            }
        }
    } catch (const TableError& e) {
        err << e.what() << '\n';
        return kExitFileError;
    }
    rec.ClassW = GaugeClassOptions(rec.ExtThd.TypeCode, classX).classW;
    // A thread is shown in its own unit unless the other is asked for.
    const bool metricThread = rec.ExtThd.TypeCode == kTypeM || rec.ExtThd.TypeCode == kTypeMJ;
    const bool mm = o.mm || (metricThread && !o.inch);

    if (rec.Pipe && o.get("--wire")) {
        err << "plcalc: --wire is not for pipe threads\n";
        return kExitUsage;
    }
    if (auto wire = o.get("--wire")) {
        const double size = WireEntryToRecordUnits(rec, *wire, mm);
        if (rec.SetWireSize(size) != 0) {
            err << "Invalid Wire Size!\n";
            return kExitInvalidInput;
        }
    }
    if (auto point = o.get("--point-dia")) {
        if (rec.Pipe) {
            err << "plcalc: --point-dia is not for pipe threads\n";
            return kExitUsage;
        }
        const std::string refused = EnterPointDia(rec, *point);
        if (!refused.empty()) {
            err << refused << '\n';
            return kExitInvalidInput;
        }
    }
    // Without the catalogue the limits still hold; the settings read
    // "None Available" and zeros.
    if (!rec.Pipe)
        for (const std::string& m : GageCatalogueMessages()) err << "plcalc: warning: " << m << '\n';
    if (auto save = o.get("--save")) {
        std::string error;
        if (!SaveToFile(rec, *save, &error)) {
            err << error << '\n';
            return kExitFileError;
        }
        fileName = BaseName(*save);
    }

    if (auto svg = o.get("--profile-svg"))
        if (const int code = WriteProfileSvgOption(rec, *svg, mm, err); code != kExitOk)
            return code;
    if (auto report = o.get("--report"))
        return WriteReportOption(rec, *report, *o.get("--pdf"), mm, err);

    const bool inspecting = o.get("--measured-mow") || o.get("--measured-pd");
    if (rec.Pipe && inspecting) {
        err << "plcalc: --measured-mow and --measured-pd are not for pipe threads: they are "
               "inspected with their plug and ring gauges\n";
        return kExitUsage;
    }
    if (rec.Pipe) {
        // The pipe tables are inch tables; there is nothing to convert them by.
        if (o.mm) err << "Pipe threads are shown in inches.\n";
        const PipePagesText pipe = BuildPipePages(rec);
        if (o.json) PrintPipeJson(rec, pipe, out);
        else if (o.csv) PrintPipeCsv(pipe, out);
        else PrintPipeText(pipe, out);
        return kExitOk;
    }
    const auto inspect = InspectFromOptions(rec, o.values, mm);
    if (inspect && !inspect->message.empty()) {
        err << inspect->message << '\n';
        return kExitInvalidInput;
    }
    const ResultPagesText pages = BuildResultPages(rec, fileName, mm, /*withTips=*/false);
    // Text and CSV say it in the Tap Drills block; JSON only in a field a reader may skip.
    if (o.json && !pages.drillsError.empty())
        err << "plcalc: warning: no tap drills: " << pages.drillsError << '\n';
    const ReevaluationText* reeval = reevaluation ? &*reevaluation : nullptr;
    if (o.json) PrintPagesJson(rec, pages, out, inspect ? &*inspect : nullptr, reeval);
    else if (o.csv) PrintPagesCsv(pages, GaugeSettingGrids(rec, mm), inspect ? &*inspect : nullptr, out);
    else {
        PrintPagesText(pages, out, reeval);
        PrintGaugeSettingText(rec, mm, out);
        if (inspect) PrintInspectText(*inspect, out);
    }
    return kExitOk;
}

// A ball micrometer file opens in the ball micrometer, as in the window.
bool OpensBallMicFile(const std::vector<std::string>& args)
{
    const auto open = std::ranges::find(args, "--open");
    return open != args.end() && open + 1 != args.end() && IsBallMicFile(*(open + 1));
}

// readSettings is false on a batch line: the batch reads them once.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   bool readSettings)
{
    if (IsBallMicRun(args) || OpensBallMicFile(args)) {
        if (readSettings && !SettingsRead(err)) return kExitFileError;
        return RunBallMicCli(args, out, err);
    }
    if (IsIdentifyRun(args)) {
        if (readSettings && !SettingsRead(err)) return kExitFileError;
        return RunIdentifyCli(args, out, err);
    }
    Options o;
    std::string problem;
    if (!ParseOptions(args, o, problem)) {
        err << "plcalc: " << problem << "\n\n" << kUsage;
        return kExitUsage;
    }
    if (o.help) {
        out << kUsage << '\n' << kBallMicUsage << '\n' << kIdentifyUsage << '\n' << kBatchUsage;
        return kExitOk;
    }
    if (o.version) {
        out << "plcalc (Pitch Ledger) " << ProgramVersion() << '\n';
        return kExitOk;
    }
    if (readSettings && !SettingsRead(err)) return kExitFileError;
    if (o.setDim) {
        if (auto dir = o.get("--tables")) Settings().TableDataPath = *dir;
        return RunSetDimOption(o.values, {o.json, o.csv, o.mm, o.inch}, out, err);
    }
    return Run(o, out, err);
}

} // namespace

bool SettingsRead(std::ostream& err)
{
    const std::string error = ReadSettings();
    if (!error.empty()) err << "plcalc: cannot read the settings: " << error << '\n';
    return error.empty();
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (IsBatchRun(args)) return RunBatchCli(args, out, err);
    return RunCommandLine(args, out, err, true);
}

int runBatchLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    return RunCommandLine(args, out, err, false);
}
