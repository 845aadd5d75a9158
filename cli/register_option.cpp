#include "cli/register_option.h"

#include "cli/exit_codes.h"
#include "cli/options.h"
#include "cli/thread_entry.h"
#include "cli/thread_options.h"
#include "core/thread_record.h"
#include "core/whole_file.h"
#include "pages/designation_entry.h"
#include "pages/thread_file.h"
#include "register/gauge_register.h"
#include "register/register_text.h"

#include <algorithm>
#include <ostream>

namespace {

int Usage(std::ostream& err, const std::string& problem) {
    return UsageError(err, CliMode::Register, problem);
}

// Refused input is exit 2, a register that cannot be opened, read or written 3.
int Failure(std::ostream& err, const RegisterResult& r) {
    err << r.message << '\n';
    return r.kind == RegisterResult::Kind::Refused ? kExitInvalidInput : kExitFileError;
}

// What each command takes besides --register and --db.
struct Command {
    const char* name;
    std::vector<std::string> needs, takes;
};
const Command kCommands[] = {
    {"add", {"--serial", "--thread", "--member", "--interval"}, {"--owner", "--location"}},
    {"list", {}, {}},
    {"due", {}, {"--within"}},
    {"history", {"--serial"}, {}},
    {"export", {}, {}},
    {"import", {}, {}},
};

// The thread file the window would save for the designation, so that the
// register can open the gauge's thread again; empty with the reason and its
// exit code when the thread cannot be calculated.
std::string ThreadFileOf(const std::string& designation, std::string& reason, int& code) {
    ParsedOptions o;
    o.values["--thread"] = designation;
    TTInfo rec;
    std::string note;
    code = kExitInvalidInput;
    try {
        if (reason = ExpandDesignation(o); !reason.empty()) return {};
        if (const auto f = SetUpFromOptions(o, rec, note)) {
            reason = f->message;
            return {};
        }
        rec.Calculate();
        if (reason = rec.Refusal; !reason.empty()) return {};
        // "1/4-99 UNC" is no UNC thread, as --thread says of it.
        if (reason = DesignationRefusal(o, rec); !reason.empty()) return {};
        return ThreadFileText(rec);
    } catch (const FileError& e) {
        // A table the calculation could not read.
        code = kExitFileError;
        reason = e.what();
        return {};
    }
}

bool WholeNumber(const std::string& text, int lo, int hi, int& value) {
    long long v = 0;
    if (!ParseWholeNumber(text, v) || v < lo || v > hi) return false;
    value = static_cast<int>(v);
    return true;
}

int RunRegisterCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // "--register import FILE": the file follows the command.
    std::vector<std::string> words = args;
    std::string file;
    for (std::size_t i = 0; i < words.size(); ++i)
        if ((words[i] == "--register" && i + 1 < words.size() && words[i + 1] == "import") ||
            words[i] == "--register=import") {
            const std::size_t at = i + (words[i] == "--register" ? 2 : 1);
            if (at >= words.size()) return Usage(err, "--register import needs FILE.csv");
            file = words[at];
            words.erase(words.begin() + static_cast<std::ptrdiff_t>(at));
            break;
        }
    ParsedOptions o;
    const ReadOutcome read = ReadOptions(words, {CliMode::Register}, o, true);
    if (read.status == ReadOutcome::Help) {
        out << UsageText(CliMode::Register);
        return kExitOk;
    }
    if (read.status == ReadOutcome::MissingValue)
        return Usage(err, "missing value for " + read.word);
    if (read.status == ReadOutcome::UnexpectedValue)
        return Usage(err, read.word + " takes no value");
    if (read.status == ReadOutcome::Unknown)
        return Usage(err, read.word + " is not an option of --register");
    const std::string name = *o.get("--register");
    const auto command =
        std::ranges::find_if(kCommands, [&](const Command& c) { return name == c.name; });
    if (command == std::end(kCommands))
        return Usage(err, "--register is add, list, due, history, export or import, not " + name);
    for (const std::string& option : command->needs)
        if (!o.get(option)) return Usage(err, "--register " + name + " needs " + option);
    for (const auto& [option, value] : o.values)
        if (option != "--register" && option != "--db" && option != "--tables" &&
            std::ranges::find(command->needs, option) == command->needs.end() &&
            std::ranges::find(command->takes, option) == command->takes.end())
            return Usage(err, option + " is not for --register " + name);

    GaugeRecord g;
    int within = 0;
    if (name == "add") {
        g.serial = *o.get("--serial");
        g.thread = *o.get("--thread");
        g.owner = o.get("--owner").value_or("");
        g.location = o.get("--location").value_or("");
        if (const std::string why = ReadMember(*o.get("--member"), g.member); !why.empty()) {
            err << why << '\n';
            return kExitInvalidInput;
        }
        if (!WholeNumber(*o.get("--interval"), 1, kMaxIntervalDays, g.intervalDays)) {
            err << "Invalid calibration interval: " << *o.get("--interval") << " (1 to "
                << kMaxIntervalDays << " days)\n";
            return kExitInvalidInput;
        }
        // A gauge is registered for a thread the program can calculate.
        const DesignationRead d = ReadDesignation(g.thread);
        if (!d.message.empty()) {
            err << d.message << '\n';
            return kExitInvalidInput;
        }
        g.gaugeClass = DefaultClassOf(g.member, d.entry.type == "M");
        std::string reason;
        int code = kExitOk;
        g.threadFile = ThreadFileOf(g.thread, reason, code);
        if (g.threadFile.empty()) {
            err << reason << '\n';
            return code;
        }
    }
    if (auto w = o.get("--within"); w && !WholeNumber(*w, 0, kMaxIntervalDays, within)) {
        err << "Invalid number of days: " << *w << '\n';
        return kExitInvalidInput;
    }

    RegisterResult r;
    const auto reg = GaugeRegister::Open(o.get("--db").value_or(""), r);
    if (!reg) return Failure(err, r);
    const Date today = Today();
    std::vector<RegisterEntry> entries;
    if (name == "add") {
        if (!(r = reg->AddGauge(g))) return Failure(err, r);
        RegisterEntry e;
        if (!(r = reg->Find(g.serial, today, e))) return Failure(err, r);
        out << GaugeJsonLine(e, false) << '\n';
    } else if (name == "list" || name == "due") {
        RegisterFilter filter;
        if (name == "due") filter.dueWithinDays = within;
        if (!(r = reg->List(filter, today, entries))) return Failure(err, r);
        for (const RegisterEntry& e : entries)
            out << GaugeJsonLine(e, false) << '\n';
    } else if (name == "history") {
        const std::string serial = *o.get("--serial");
        std::vector<CalibrationRecord> history;
        if (!(r = reg->History(serial, history))) return Failure(err, r);
        for (const CalibrationRecord& c : history)
            out << CalibrationJsonLine(serial, c, false) << '\n';
    } else if (name == "export") {
        std::string lines;
        if (!(r = reg->ExportJsonLines(today, lines))) return Failure(err, r);
        out << lines;
    } else {
        int imported = 0;
        if (!(r = reg->ImportCsvFile(file, imported))) return Failure(err, r);
        out << "{\"imported\":" << imported << "}\n";
    }
    return kExitOk;
}

[[maybe_unused]] const bool kLinked = (RegisterCommands() = &RunRegisterCli, true);

} // namespace
