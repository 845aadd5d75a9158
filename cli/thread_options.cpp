#include "cli/thread_options.h"

#include "cli/calibrate_option.h"
#include "cli/inspect_option.h"
#include "cli/json_writer.h"
#include "cli/reeval_option.h"
#include "cli/report_option.h"
#include "cli/set_dim_option.h"
#include "cli/thread_entry.h"
#include "cli/thread_output.h"
#include "core/number_text.h"
#include "core/settings.h"
#include "core/thread_record.h"
#include "pages/designation_entry.h"
#include "pages/parameter_page.h"

namespace {

// A pipe thread is chosen by its kind and size alone: the tables give the rest.
std::string PipeOptionProblem(const ParsedOptions& o, const std::string& type) {
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
std::string MetricOptionProblem(const ParsedOptions& o) {
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
    const uint16_t code = TypeCodeOfOptionName(type);
    if (o.get("--loe") && TypeEntryIndex(code) >= 0 && !CustomLOEAllowed(code))
        return "--loe is not for " + type +
               " threads: they are calculated for their standard length of engagement";
    return {};
}

std::string ReportOptionProblem(const ParsedOptions& o) {
    const auto report = o.get("--report");
    if (report && *report == "ballmic")
        return "--report ballmic is the ball micrometer's: give the taper with --ballmic";
    if (report && !IsReportName(*report)) return "unknown report " + *report;
    if (report && !o.get("--pdf")) return "--report needs --pdf FILE";
    if (!report && o.get("--pdf")) return "--pdf needs --report";
    if (report && o.get("--pdf")->empty()) return "--pdf needs a file name";
    if (auto paper = o.get("--paper"); paper && !PaperNamed(*paper))
        return "--paper takes letter or a4";
    if (!report && o.get("--paper")) return "--paper needs --report";
    if (auto svg = o.get("--profile-svg"); svg && svg->empty())
        return "--profile-svg needs a file name";
    return {};
}

// The problem of a thread command line's options taken together.
std::string ThreadOptionProblem(const ParsedOptions& o) {
    if (std::string problem = InspectOptionProblem(o.values); !problem.empty()) return problem;
    const auto open = o.get("--open");
    if (std::string problem =
            CalibrateOptionProblem(o.values, open && IsCalibrationFileName(*open));
        !problem.empty())
        return problem;
    // The set-dim tool's own options.
    for (const CliOption& option : OptionTable(CliMode::SetDim))
        if (!option.name.empty() && o.values.contains(option.name) &&
            !HasOption(CliMode::Thread, option.name))
            return std::string(option.name) + " is for --setdim";
    if (auto v = o.get("--new-pd")) {
        std::string problem = o.get("--open") ? "--new-pd re-evaluates a thread given by the "
                                                "options, not --open"
                                              : NewPDOptionProblem(*v);
        if (!problem.empty()) return problem;
    }
    if (std::string problem = MetricOptionProblem(o); !problem.empty()) return problem;
    return ReportOptionProblem(o);
}

} // namespace

// --thread stands for the options of the thread's own values; a designation
// that cannot be read is refused when the thread is set up (exit 2).
std::string ExpandDesignation(ParsedOptions& o) {
    const auto text = o.get("--thread");
    if (!text) return {};
    for (const char* opt : {"--type", "--dia", "--tpi", "--pitch", "--class", "--ext-tol",
                            "--int-tol", "--size", "--starts", "--open"})
        if (o.get(opt)) return std::string("--thread gives the thread: not with ") + opt;
    const DesignationRead read = ReadDesignation(*text);
    if (!read.message.empty()) return {};
    const DesignationEntry& e = read.entry;
    if (e.customLOE && !o.get("--loe"))
        return "the designation's SE needs the length of engagement: --loe VALUE";
    auto& v = o.values;
    v["--type"] = e.type;
    if (e.type == "NPT") {
        v["--class"] = e.classText;
        v["--size"] = e.diameter;
        return {};
    }
    v["--dia"] = e.diameter;
    if (e.type == "M" || e.type == "MJ") {
        v["--pitch"] = e.pitch;
        if (!e.extTol.empty()) v["--ext-tol"] = e.extTol;
        if (!e.intTol.empty()) v["--int-tol"] = e.intTol;
        o.leftHand = e.leftHand;
        return {};
    }
    v["--tpi"] = e.pitch;
    if (!e.classText.empty()) v["--class"] = e.classText;
    if (e.starts > 1) v["--starts"] = std::to_string(e.starts);
    return {};
}

bool ReadThreadOptions(const std::vector<std::string>& args, ParsedOptions& o,
                       std::string& problem) {
    const ReadOutcome read = ReadOptions(args, {CliMode::Thread, CliMode::SetDim}, o, false);
    if (read.status == ReadOutcome::Unknown)
        problem = "unknown option " + read.word;
    else if (read.status == ReadOutcome::MissingValue)
        problem = "missing value for " + read.word;
    else if (read.status == ReadOutcome::UnexpectedValue)
        problem = read.word + " takes no value";
    else if (o.get("--thread") && o.on("--setdim"))
        problem = "--thread is not for --setdim";
    else if (problem = ExpandDesignation(o); !problem.empty())
        return false;
    else if (o.get("--fields") && !o.on("--json"))
        problem = "--fields selects keys of the JSON: give --json (or --batch)";
    else if (o.get("--fields") && !FieldList(*o.get("--fields"), problem))
        return false;
    else if (o.on("--mm") && o.on("--inch"))
        problem = "--mm and --inch exclude each other";
    else if (o.on("--csv") && o.on("--json"))
        problem = "--csv and --json exclude each other";
    else if (o.get("--page") && (!o.on("--csv") || o.on("--setdim")))
        problem = "--page picks a page of --csv: give --csv (not for --setdim)";
    else if (o.get("--page") && !(problem = CsvPageNameProblem(*o.get("--page"))).empty())
        return false;
    else if (o.on("--setdim"))
        problem = SetDimOptionProblem(o.values);
    else
        problem = ThreadOptionProblem(o);
    return problem.empty();
}
