#include "cli/ball_mic_option.h"

#include "cli/ball_mic_output.h"
#include "cli/exit_codes.h"
#include "cli/options.h"
#include "cli/report_option.h"
#include "cli/standard_file.h"
#include "core/ini_file.h"
#include "core/number_text.h"
#include "core/settings.h"
#include "gauges/ball_mic.h"
#include "pages/ball_mic_page.h"

#include <algorithm>
#include <ostream>

namespace {

struct Value {
    const char* option;
    const char* key; // of the .bm file
    double TBallMic::*field;
};

constexpr Value kValues[] = {
    {"--angle", "Angle", &TBallMic::Angle},
    {"--ball-dia", "BallDia", &TBallMic::BallDia},
    {"--plane-dia", "PlaneDia", &TBallMic::PlaneDia},
    {"--plane-dis", "PlaneDis", &TBallMic::PlaneDis},
    {"--apex-dia", "ApexDia", &TBallMic::ApexDia},
    {"--ball-dis", "BallDis", &TBallMic::BallDis},
};

// The options each method needs when no file gives them.
std::vector<std::string> Needed(int method) {
    if (method == kBallMicAtGagePlane)
        return {"--angle", "--ball-dia", "--plane-dia", "--plane-dis"};
    if (method == kBallMicPlaneDiaGiven)
        return {"--angle", "--ball-dia", "--plane-dia", "--plane-dis", "--ball-dis"};
    return {"--angle", "--ball-dia", "--apex-dia", "--ball-dis"};
}

} // namespace

bool IsBallMicRun(const std::vector<std::string>& args) {
    return std::ranges::find(args, "--ballmic") != args.end();
}

int RunBallMicCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ParsedOptions o;
    const ReadOutcome read = ReadOptions(args, {CliMode::BallMic}, o, true);
    if (read.status == ReadOutcome::Help) {
        out << UsageText(CliMode::BallMic);
        return kExitOk;
    }
    if (read.status == ReadOutcome::MissingValue)
        return UsageError(err, CliMode::BallMic, "missing value for " + read.word);
    if (read.status == ReadOutcome::UnexpectedValue)
        return UsageError(err, CliMode::BallMic, read.word + " takes no value");
    if (read.status == ReadOutcome::Unknown)
        return UsageError(err, CliMode::BallMic, read.word + " is not an option of --ballmic");
    auto get = [&](const std::string& k) {
        const auto it = o.values.find(k);
        return it == o.values.end() ? nullptr : &it->second;
    };
    if (const std::string* r = get("--report"); r && *r != "ballmic")
        return UsageError(err, CliMode::BallMic, "--ballmic writes only --report ballmic");
    if ((get("--report") != nullptr) != (get("--pdf") != nullptr))
        return UsageError(err, CliMode::BallMic,
                          get("--pdf") ? "--pdf needs --report ballmic"
                                       : "--report needs --pdf FILE");
    if (const std::string* pdf = get("--pdf"); pdf && pdf->empty())
        return UsageError(err, CliMode::BallMic, "--pdf needs a file name");

    if (const std::string* dir = get("--tables")) Settings().TableDataPath = *dir;
    TBallMic bm;
    std::string caption = BallMicCaption("(Untitled)");
    if (const std::string* file = get("--open")) {
        std::string error;
        const BallMicFileStatus status = LoadBallMicFile(bm, *file, &error);
        if (status != BallMicFileStatus::Loaded) {
            err << error << '\n';
            return status == BallMicFileStatus::Refused ? kExitInvalidInput : kExitFileError;
        }
        caption = BallMicCaption(*file);
    } else {
        bm.CalcMethod = kBallMicAtGagePlane;
    }
    if (const std::string* m = get("--method")) {
        const std::string t = Trim(*m);
        if (t != "1" && t != "2" && t != "3")
            return UsageError(err, CliMode::BallMic, "--method is 1, 2 or 3, not " + t);
        bm.CalcMethod = t[0] - '0';
    }
    if (const std::string* file = get("--open")) {
        // Another method may need a length the file never held.
        const IniFile ini(*file);
        const std::vector<std::string> used = BallMicKeysUsed(bm.CalcMethod);
        for (const Value& v : kValues) {
            if (std::ranges::find(used, v.key) != used.end() && !get(v.option) &&
                !ini.HasKey("BALLMIC", v.key)) {
                err << *file << " is not a complete ball micrometer file: no " << v.key << " (give "
                    << v.option << ")\n";
                return kExitInvalidInput;
            }
        }
    } else {
        std::string missing;
        for (const std::string& n : Needed(bm.CalcMethod))
            if (!get(n)) missing += (missing.empty() ? "" : ", ") + n;
        if (!missing.empty())
            return UsageError(err, CliMode::BallMic,
                              "--ballmic --method " + std::to_string(bm.CalcMethod) + " needs " +
                                  missing);
    }
    for (const Value& v : kValues)
        if (const std::string* text = get(v.option)) {
            double value = 0;
            if (!ParseDecimal(*text, value)) {
                err << "Invalid " << v.option << ": " << *text << '\n';
                return kExitInvalidInput;
            }
            bm.*v.field = value;
        }
    if (o.on("--internal")) bm.Internal = -1;
    // Typed values, and what a file holds with them, are checked as the
    // dialog checks its entries.
    const std::string problem = BallMicEntryProblem(bm);
    if (!problem.empty()) {
        err << problem;
        if (problem == kBallMicIncomplete) {
            err << ": every value the method uses must be greater than 0 (";
            std::string names;
            for (const std::string& n : Needed(bm.CalcMethod))
                names += (names.empty() ? "" : ", ") + n;
            err << names << ')';
        }
        err << '\n';
        return kExitInvalidInput;
    }
    bm.Calculate();
    if (const std::string* save = get("--save")) {
        std::string error;
        if (!WriteFileOrStandardOutput(*save, out, &error, [&](const std::string& path) {
                return bm.Save(path, &error);
            })) {
            err << error << '\n';
            return kExitFileError;
        }
        if (*save == "-") return kExitOk;
        caption = BallMicCaption(*save);
    }
    if (const std::string* pdf = get("--pdf")) return WriteBallMicReportOption(bm, *pdf, out, err);
    if (o.on("--json"))
        PrintBallMicJson(caption, bm, out);
    else
        PrintBallMicText(caption, bm, out);
    return kExitOk;
}
