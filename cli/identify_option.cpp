#include "cli/identify_option.h"

#include "cli/cli_output.h"
#include "cli/exit_codes.h"
#include "core/settings.h"
#include "core/table_file.h"
#include "pages/identify.h"

#include <algorithm>
#include <map>
#include <ostream>

const char* const kIdentifyUsage =
    "Identify a thread from a measured part, instead of a thread:\n"
    "  --identify      list the standard threads (UN, M, Acme, NPT) that fit, closest\n"
    "                  first, with the limits each has to meet\n"
    "  --major V       measured major diameter of an external thread, or\n"
    "  --minor V       measured minor diameter of an internal thread; inches, or\n"
    "                  with the unit: 0.248in, 6.3mm (bare in mm with --mm)\n"
    "  --tpi N         measured threads per inch, or\n"
    "  --pitch MM      measured pitch in millimetres (a pitch gauge's reading)\n"
    "  --mm, --inch, --json, --tables DIR   as for threads\n";

namespace {

int Usage(std::ostream& err, const std::string& problem)
{
    err << "plcalc: " << problem << "\n\n" << kIdentifyUsage;
    return kExitUsage;
}

} // namespace

bool IsIdentifyRun(const std::vector<std::string>& args)
{
    return std::ranges::find(args, "--identify") != args.end();
}

int RunIdentifyCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::map<std::string, std::string> values;
    bool json = false, mm = false, inch = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--identify") continue;
        if (a == "--help" || a == "-h") {
            out << kIdentifyUsage;
            return kExitOk;
        }
        if (a == "--json") json = true;
        else if (a == "--mm") mm = true;
        else if (a == "--inch") inch = true;
        else if (a == "--major" || a == "--minor" || a == "--tpi" || a == "--pitch" ||
                 a == "--tables") {
            if (i + 1 >= args.size()) return Usage(err, "missing value for " + a);
            values[a] = args[++i];
        } else {
            return Usage(err, a + " is not an option of --identify");
        }
    }
    if (mm && inch) return Usage(err, "--mm and --inch exclude each other");
    if (values.contains("--major") == values.contains("--minor"))
        return Usage(err, "--identify needs one of --major V (external) or --minor V (internal)");
    if (values.contains("--tpi") == values.contains("--pitch"))
        return Usage(err, "--identify needs one of --tpi N or --pitch MM");
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
    if (json) PrintIdentifyJson(q, matches, grid, out);
    else PrintIdentifyText(q, matches, grid, showMM, out);
    return kExitOk;
}
