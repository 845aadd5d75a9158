#include "cli/run_cli.h"

#include "cli/ball_mic_option.h"
#include "cli/batch.h"
#include "cli/calibrate_option.h"
#include "cli/gauge_setting_output.h"
#include "cli/identify_option.h"
#include "cli/inspect_option.h"
#include "cli/inspect_output.h"
#include "cli/json_writer.h"
#include "cli/pipe_output.h"
#include "cli/profile_option.h"
#include "cli/reeval_option.h"
#include "cli/register_option.h"
#include "cli/report_option.h"
#include "cli/set_dim_option.h"
#include "cli/standard_file.h"
#include "cli/thread_entry.h"
#include "cli/thread_options.h"
#include "cli/thread_output.h"
#include "core/number_text.h"
#include "core/settings.h"
#include "core/table_file.h"
#include "core/thread_record.h"
#include "core/version.h"
#include "gauges/ball_mic.h"
#include "gauges/gage_catalogue.h"
#include "gauges/wires.h"
#include "pages/calibration_file.h"
#include "pages/calibration_page.h"
#include "pages/inspect_page.h"
#include "pages/new_pd.h"
#include "pages/parameter_page.h"
#include "pages/report_names.h"
#include "pages/result_pages.h"
#include "pages/thread_file.h"
#include "pipe/pipe_pages.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>
#include <sstream>

namespace {

std::string BaseName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// The keys --fields asked for that this thread's output does not have.
int Missed(const FieldNode* fields, std::ostream& err) {
    if (fields)
        for (const std::string& path : FieldsMissed(*fields))
            err << "plcalc: warning: --fields " << path << ": no such key in this output\n";
    return kExitOk;
}

int Run(const ParsedOptions& o, std::ostream& out, std::ostream& err) {
    if (auto dir = o.get("--tables")) Settings().TableDataPath = *dir;
    if (auto paper = o.get("--paper")) Settings().Paper = PaperNamed(*paper);

    TTInfo rec;
    if (o.get("--helix") == "exact") rec.Helix = WireHelix::Exact;
    std::string fileName = "(Untitled)";
    std::optional<ReevaluationText> reevaluation;
    std::optional<CalibrationEntry> calFile;
    // Class X gauge tolerances when asked for, or when the opened file has them.
    bool classX = o.on("--classx");
    try {
        if (auto file = o.get("--open")) {
            LoadResult r;
            if (IsCalibrationFileName(*file)) {
                CalibrationFileLoad load = LoadCalibrationFile(rec, *file);
                r = load.result;
                calFile = std::move(load.entry);
                // The file's choice of readings, unless the command line makes another.
                if (auto helix = o.get("--helix"))
                    rec.Helix = *helix == "exact" ? WireHelix::Exact : WireHelix::Standard;
            } else {
                r = LoadFromFile(rec, *file);
            }
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
            // A copy only for the thread found at a new diameter.
            std::optional<ParsedOptions> fitted;
            if (auto newPD = o.get("--new-pd")) {
                // The thread as the options give it; then the one at the diameter found.
                TTInfo given;
                ParameterEntry entry;
                std::string unused;
                if (const auto f = SetUpFromOptions(o, given, unused, &entry)) {
                    err << f->message << '\n';
                    return f->code;
                }
                // The designation names the thread given, not the one at the diameter found.
                if (o.get("--thread")) given.Calculate();
                if (const std::string mismatch = DesignationRefusal(o, given); !mismatch.empty()) {
                    err << mismatch << '\n';
                    return kExitInvalidInput;
                }
                const NewPDFit fit = FitNewPDOption(*newPD, entry, o.on("--mm"), o.on("--inch"));
                if (!fit.message.empty()) {
                    err << fit.message << '\n';
                    return kExitInvalidInput;
                }
                fitted = o;
                fitted->values["--dia"] = fit.diameterText;
                reevaluation = ReevaluationText{LowerCase(Trim(newPD->substr(0, newPD->find('=')))),
                                                fit.target, fit.note};
            }
            const auto f = SetUpFromOptions(fitted ? *fitted : o, rec, note);
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
            if (const std::string mismatch = fitted ? std::string() : DesignationRefusal(o, rec);
                !mismatch.empty()) {
                err << mismatch << '\n';
                return kExitInvalidInput;
            }
        }
    } catch (const TableError& e) {
        err << e.what() << '\n';
        return kExitFileError;
    }
    rec.ClassW = GaugeClassOptions(rec.ExtThd.TypeCode, classX).classW;
    // A thread is shown in its own unit unless the other is asked for.
    const bool metricThread = MetricByDefault(rec.ExtThd.TypeCode);
    const bool mm = o.on("--mm") || (metricThread && !o.on("--inch"));

    if (rec.Pipe && o.get("--wire"))
        return UsageError(err, CliMode::Thread, "--wire is not for pipe threads");
    if (auto wire = o.get("--wire")) {
        const double size = WireEntryToRecordUnits(rec, *wire, mm);
        if (rec.SetWireSize(size) != 0) {
            err << "Invalid Wire Size!\n";
            return kExitInvalidInput;
        }
    }
    if (auto point = o.get("--point-dia")) {
        if (rec.Pipe)
            return UsageError(err, CliMode::Thread, "--point-dia is not for pipe threads");
        const std::string refused = EnterPointDia(rec, *point);
        if (!refused.empty()) {
            err << refused << '\n';
            return kExitInvalidInput;
        }
    }
    // Without the catalogue the limits still hold; the settings read
    // "None Available" and zeros.
    if (!rec.Pipe)
        for (const std::string& m : GageCatalogueMessages())
            err << "plcalc: warning: " << m << '\n';
    if (auto save = o.get("--save")) {
        std::string error;
        if (!WriteFileOrStandardOutput(*save, out, &error, [&](const std::string& path) {
                return SaveToFile(rec, path, &error);
            })) {
            err << error << '\n';
            return kExitFileError;
        }
        if (*save != "-") fileName = BaseName(*save);
    }

    if (auto svg = o.get("--profile-svg"))
        if (const int code = WriteProfileSvgOption(rec, *svg, mm, out, err); code != kExitOk)
            return code;
    if (auto report = o.get("--report")) {
        const auto entry = CalibrationEntryFromOptions(o.values, calFile ? &*calFile : nullptr);
        return WriteReportOption(rec, *report, entry ? &*entry : nullptr, *o.get("--pdf"), mm, out,
                                 err);
    }
    // Standard output holds the file written there.
    if (o.get("--save") == "-" || o.get("--profile-svg") == "-") return kExitOk;

    const bool json = o.on("--json"), csv = o.on("--csv");
    const auto page = o.get("--page");
    std::string unused;
    const auto list = o.get("--fields");
    const FieldNode* fields = list ? FieldList(*list, unused) : nullptr;
    const auto calibration =
        CalibrationFromOptions(rec, o.values, calFile ? &*calFile : nullptr, mm);
    if (calibration && !calibration->message.empty()) {
        err << calibration->message << '\n';
        return kExitInvalidInput;
    }
    const CalibrationPageText* calibrated = calibration ? &*calibration : nullptr;
    const bool inspecting = o.get("--measured-mow") || o.get("--measured-pd");
    if (rec.Pipe && inspecting)
        return UsageError(err, CliMode::Thread,
                          "--measured-mow and --measured-pd are not for pipe threads: they "
                          "are inspected with their plug and ring gauges");
    if (rec.Pipe) {
        // The pipe tables are inch tables; there is nothing to convert them by.
        if (o.on("--mm")) err << "Pipe threads are shown in inches.\n";
        const PipePagesText pipe = BuildPipePages(rec);
        if (json)
            PrintPipeJson(rec, pipe, out, fields);
        else if (csv && page)
            return PrintCsvPage(PipeCsvPages(pipe), *page, out, err);
        else if (csv)
            PrintPipeCsv(pipe, out);
        else
            PrintPipeText(pipe, out);
        return Missed(fields, err);
    }
    const auto inspect = InspectFromOptions(rec, o.values, mm);
    if (inspect && !inspect->message.empty()) {
        err << inspect->message << '\n';
        return kExitInvalidInput;
    }
    // The limits alone do not need the pages (nor their designations).
    const ResultPagesText pages = fields && FieldsWithinLimits(*fields)
                                      ? ResultPagesText{}
                                      : BuildResultPages(rec, fileName, mm, /*withTips=*/false);
    // Text and CSV say it in the Tap Drills block; JSON only in a field a reader may skip.
    if (json && !pages.drillsError.empty())
        err << "plcalc: warning: no tap drills: " << pages.drillsError << '\n';
    const ReevaluationText* reeval = reevaluation ? &*reevaluation : nullptr;
    if (json)
        PrintPagesJson(rec, pages, out, inspect ? &*inspect : nullptr, reeval, fields, calibrated);
    else if (csv && page)
        return PrintCsvPage(
            ThreadCsvPages(rec, pages, mm, inspect ? &*inspect : nullptr, calibrated), *page, out,
            err);
    else if (csv)
        PrintPagesCsv(pages, GaugeSettingGrids(rec, mm), inspect ? &*inspect : nullptr, out,
                      calibrated);
    else {
        PrintPagesText(pages, out, reeval, rec.Helix == WireHelix::Exact);
        PrintGaugeSettingText(rec, mm, out);
        if (inspect) PrintInspectText(*inspect, out);
        if (calibrated) PrintCalibrationText(*calibrated, out);
    }
    return Missed(fields, err);
}

// A ball micrometer file opens in the ball micrometer, as in the window.
bool OpensBallMicFile(const std::vector<std::string>& args) {
    const auto open = std::ranges::find(args, "--open");
    return open != args.end() && open + 1 != args.end() && IsBallMicFile(*(open + 1));
}

int RunCommandLine(std::vector<std::string> args, std::ostream& out, std::ostream& err,
                   bool readSettings);

// --open -: standard input kept in a private file while the command line
// runs on it; its messages say "standard input" for that file.
int RunOnStandardInput(std::vector<std::string> args, std::size_t at, std::ostream& out,
                       std::ostream& err, bool readSettings) {
    StandardFile in("standard input");
    std::string reason = in.error();
    if (!reason.empty() || !in.ReadStandardInput(reason)) {
        err << "plcalc: " << reason << '\n';
        return kExitFileError;
    }
    args[at] = in.path();
    std::ostringstream messages;
    const int code = RunCommandLine(std::move(args), out, messages, readSettings);
    err << in.Plain(messages.str());
    return code;
}

// readSettings is false on a batch line: the batch reads them once.
// args as NormalizeArgs leaves them.
int RunCommandLine(std::vector<std::string> args, std::ostream& out, std::ostream& err,
                   bool readSettings) {
    // One file at most goes to standard output, and it is all that goes there.
    int standardOutputs = 0;
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i + 1] == "-" &&
            (args[i] == "--save" || args[i] == "--pdf" || args[i] == "--profile-svg"))
            ++standardOutputs;
    if (standardOutputs > 1)
        return UsageError(err, CliMode::Thread,
                          "only one of --save, --pdf and --profile-svg can be - (standard "
                          "output)");
    if (const auto open = std::ranges::find(args, "--open");
        open != args.end() && open + 1 != args.end() && *(open + 1) == "-")
        return RunOnStandardInput(args, static_cast<std::size_t>(open + 1 - args.begin()), out, err,
                                  readSettings);
    if (IsBallMicRun(args) || OpensBallMicFile(args)) {
        if (readSettings && !SettingsRead(err)) return kExitFileError;
        return RunBallMicCli(args, out, err);
    }
    if (IsIdentifyRun(args)) {
        if (readSettings && !SettingsRead(err)) return kExitFileError;
        return RunIdentifyCli(args, out, err);
    }
    ParsedOptions o;
    std::string problem;
    if (!ReadThreadOptions(args, o, problem)) return UsageError(err, CliMode::Thread, problem);
    if (o.on("--help")) {
        out << HelpText();
        return kExitOk;
    }
    if (o.on("--version")) {
        out << "plcalc (Pitch Ledger) " << ProgramVersion() << '\n';
        return kExitOk;
    }
    if (readSettings && !SettingsRead(err)) return kExitFileError;
    if (o.on("--setdim")) {
        if (auto dir = o.get("--tables")) Settings().TableDataPath = *dir;
        return RunSetDimOption(
            o.values, {o.on("--json"), o.on("--csv"), o.on("--mm"), o.on("--inch")}, out, err);
    }
    return Run(o, out, err);
}

} // namespace

bool SettingsRead(std::ostream& err) {
    const std::string error = ReadSettings();
    if (!error.empty()) err << "plcalc: cannot read the settings: " << error << '\n';
    // Reports stay on Letter until the user chooses a paper.
    if (!Settings().Paper) Settings().Paper = PaperSize::Letter;
    return error.empty();
}

bool IsRegisterRun(const std::vector<std::string>& args) {
    return std::ranges::any_of(args, [](const std::string& a) {
        return a == "--register" || a.starts_with("--register=");
    });
}

RegisterRunner& RegisterCommands() {
    static RegisterRunner runner = nullptr;
    return runner;
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << ShortUsage();
        return kExitUsage;
    }
    // Its commands take words of their own (import FILE.csv).
    if (IsRegisterRun(args)) {
        if (RegisterCommands()) return RegisterCommands()(args, out, err);
        err << "the gauge register is not part of this program\n";
        return kExitFileError;
    }
    std::vector<std::string> plain = args;
    if (const std::string problem = NormalizeArgs(plain); !problem.empty())
        return UsageError(err, CliMode::Thread, problem);
    if (IsBatchRun(plain)) return RunBatchCli(plain, out, err);
    return RunCommandLine(std::move(plain), out, err, true);
}

int runBatchLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunCommandLine(args, out, err, false);
}
