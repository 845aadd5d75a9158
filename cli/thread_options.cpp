#include "cli/thread_options.h"

#include "cli/inspect_option.h"
#include "cli/reeval_option.h"
#include "cli/report_option.h"
#include "cli/set_dim_option.h"
#include "cli/thread_entry.h"
#include "core/number_text.h"
#include "core/settings.h"
#include "core/thread_record.h"
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
    // The set-dim tool's own options.
    for (const CliOption& option : OptionTable(CliMode::SetDim))
        if (!option.name.empty() && !HasOption(CliMode::Thread, option.name) &&
            o.get(std::string(option.name)))
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

bool ReadThreadOptions(const std::vector<std::string>& args, ParsedOptions& o,
                       std::string& problem) {
    const ReadOutcome read = ReadOptions(args, {CliMode::Thread, CliMode::SetDim}, o, false);
    if (read.status == ReadOutcome::Unknown)
        problem = "unknown option " + read.word;
    else if (read.status == ReadOutcome::MissingValue)
        problem = "missing value for " + read.word;
    else if (o.on("--mm") && o.on("--inch"))
        problem = "--mm and --inch exclude each other";
    else if (o.on("--csv") && o.on("--json"))
        problem = "--csv and --json exclude each other";
    else if (o.on("--setdim"))
        problem = SetDimOptionProblem(o.values);
    else
        problem = ThreadOptionProblem(o);
    return problem.empty();
}
