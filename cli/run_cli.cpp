#include "cli/run_cli.h"

#include "cli/ball_mic_option.h"
#include "cli/batch.h"
#include "cli/gauge_setting_output.h"
#include "cli/identify_option.h"
#include "cli/inspect_option.h"
#include "cli/inspect_output.h"
#include "cli/pipe_output.h"
#include "cli/profile_option.h"
#include "cli/reeval_option.h"
#include "cli/report_option.h"
#include "cli/set_dim_option.h"
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
#include "pages/inspect_page.h"
#include "pages/new_pd.h"
#include "pages/parameter_page.h"
#include "pages/result_pages.h"
#include "pages/thread_file.h"
#include "pipe/pipe_pages.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>

namespace {

std::string BaseName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

int Run(const ParsedOptions& o, std::ostream& out, std::ostream& err) {
    if (auto dir = o.get("--tables")) Settings().TableDataPath = *dir;
    if (auto paper = o.get("--paper")) Settings().Paper = PaperNamed(*paper);

    TTInfo rec;
    std::string fileName = "(Untitled)";
    std::optional<ReevaluationText> reevaluation;
    // Class X gauge tolerances when asked for, or when the opened file has them.
    bool classX = o.on("--classx");
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
            ParsedOptions fitted = o;
            if (auto newPD = o.get("--new-pd")) {
                // The thread as the options give it; then the one at the diameter found.
                TTInfo given;
                ParameterEntry entry;
                std::string unused;
                if (const auto f = SetUpFromOptions(o, given, unused, &entry)) {
                    err << f->message << '\n';
                    return f->code;
                }
                const NewPDFit fit = FitNewPDOption(*newPD, entry, o.on("--mm"), o.on("--inch"));
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
    const bool metricThread = MetricByDefault(rec.ExtThd.TypeCode);
    const bool mm = o.on("--mm") || (metricThread && !o.on("--inch"));

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
        for (const std::string& m : GageCatalogueMessages())
            err << "plcalc: warning: " << m << '\n';
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

    const bool json = o.on("--json"), csv = o.on("--csv");
    const bool inspecting = o.get("--measured-mow") || o.get("--measured-pd");
    if (rec.Pipe && inspecting) {
        err << "plcalc: --measured-mow and --measured-pd are not for pipe threads: they are "
               "inspected with their plug and ring gauges\n";
        return kExitUsage;
    }
    if (rec.Pipe) {
        // The pipe tables are inch tables; there is nothing to convert them by.
        if (o.on("--mm")) err << "Pipe threads are shown in inches.\n";
        const PipePagesText pipe = BuildPipePages(rec);
        if (json)
            PrintPipeJson(rec, pipe, out);
        else if (csv)
            PrintPipeCsv(pipe, out);
        else
            PrintPipeText(pipe, out);
        return kExitOk;
    }
    const auto inspect = InspectFromOptions(rec, o.values, mm);
    if (inspect && !inspect->message.empty()) {
        err << inspect->message << '\n';
        return kExitInvalidInput;
    }
    const ResultPagesText pages = BuildResultPages(rec, fileName, mm, /*withTips=*/false);
    // Text and CSV say it in the Tap Drills block; JSON only in a field a reader may skip.
    if (json && !pages.drillsError.empty())
        err << "plcalc: warning: no tap drills: " << pages.drillsError << '\n';
    const ReevaluationText* reeval = reevaluation ? &*reevaluation : nullptr;
    if (json)
        PrintPagesJson(rec, pages, out, inspect ? &*inspect : nullptr, reeval);
    else if (csv)
        PrintPagesCsv(pages, GaugeSettingGrids(rec, mm), inspect ? &*inspect : nullptr, out);
    else {
        PrintPagesText(pages, out, reeval);
        PrintGaugeSettingText(rec, mm, out);
        if (inspect) PrintInspectText(*inspect, out);
    }
    return kExitOk;
}

// A ball micrometer file opens in the ball micrometer, as in the window.
bool OpensBallMicFile(const std::vector<std::string>& args) {
    const auto open = std::ranges::find(args, "--open");
    return open != args.end() && open + 1 != args.end() && IsBallMicFile(*(open + 1));
}

// readSettings is false on a batch line: the batch reads them once.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   bool readSettings) {
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

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (IsBatchRun(args)) return RunBatchCli(args, out, err);
    return RunCommandLine(args, out, err, true);
}

int runBatchLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunCommandLine(args, out, err, false);
}
