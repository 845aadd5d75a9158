#include "cli/identify_option.h"

#include "cli/exit_codes.h"
#include "cli/identify_output.h"
#include "cli/options.h"
#include "core/settings.h"
#include "core/table_file.h"
#include "pages/identify.h"

#include <algorithm>
#include <map>
#include <ostream>

bool IsIdentifyRun(const std::vector<std::string>& args) {
    return std::ranges::find(args, "--identify") != args.end();
}

int RunIdentifyCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ParsedOptions o;
    const ReadOutcome read = ReadOptions(args, {CliMode::Identify}, o, true);
    if (read.status == ReadOutcome::Help) {
        out << UsageText(CliMode::Identify);
        return kExitOk;
    }
    if (read.status == ReadOutcome::MissingValue)
        return UsageError(err, CliMode::Identify, "missing value for " + read.word);
    if (read.status == ReadOutcome::UnexpectedValue)
        return UsageError(err, CliMode::Identify, read.word + " takes no value");
    if (read.status == ReadOutcome::Unknown)
        return UsageError(err, CliMode::Identify, read.word + " is not an option of --identify");
    OptionValues& values = o.values;
    const bool json = o.on("--json"), mm = o.on("--mm"), inch = o.on("--inch");
    if (mm && inch) return UsageError(err, CliMode::Identify, "--mm and --inch exclude each other");
    if (values.contains("--major") == values.contains("--minor"))
        return UsageError(err, CliMode::Identify,
                          "--identify needs one of --major V (external) or --minor V (internal)");
    if (values.contains("--tpi") == values.contains("--pitch"))
        return UsageError(err, CliMode::Identify, "--identify needs one of --tpi N or --pitch MM");
    if (auto t = values.find("--tables"); t != values.end()) Settings().TableDataPath = t->second;

    IdentifyQuery q;
    q.internal = values.contains("--minor");
    const std::string dia = values[q.internal ? "--minor" : "--major"];
    if (!ParseLengthEntry(dia, mm, q.diameter)) {
        err << "Invalid measured diameter: " << dia << '\n';
        return kExitInvalidInput;
    }
    const bool metricPitch = values.contains("--pitch");
    const std::string pitch = values[metricPitch ? "--pitch" : "--tpi"];
    if (!ParsePitchEntry(pitch, metricPitch, q.pitch)) {
        err << "Invalid pitch: " << pitch << '\n';
        return kExitInvalidInput;
    }
    std::vector<IdentifyMatch> matches;
    try {
        matches = IdentifyThread(q);
    } catch (const TableError& e) {
        err << e.what() << '\n';
        return kExitFileError;
    }
    // A metric reading is shown in millimetres unless inches are asked for.
    const bool showMM = mm || (metricPitch && !inch);
    const TextGrid grid = IdentifyGrid(q, matches, showMM);
    if (json)
        PrintIdentifyJson(q, matches, grid, showMM, out);
    else
        PrintIdentifyText(q, matches, grid, showMM, out);
    return kExitOk;
}
