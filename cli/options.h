#pragma once
// plcalc's options: one table per mode names each option, the placeholder of
// its value and its help. The option readers and --help are made from them;
// the bash completion and the man page read --help.

#include <initializer_list>
#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The set-dim options are read with the thread's, since --setdim is a switch
// of the thread command line.
enum class CliMode { Thread, SetDim, BallMic, Identify, Batch, Register };

struct CliOption {
    std::string_view name;  // "--type"; empty for a line of the usage text alone
    std::string_view value; // placeholder of its value; empty for a switch
    // After the name, lines after the first indented to it. Empty: read but
    // not listed alone (a text line or another option says it).
    std::string_view help;
    // Does something else than print one thread's result.
    bool notInBatch = false;
    std::string_view alias = {};
};

std::span<const CliOption> OptionTable(CliMode mode);
// The usage of a mode, as its usage errors print it.
const std::string& UsageText(CliMode mode);
// plcalc --help: every mode's usage.
std::string HelpText();

// Option values by name; looked up by the names the code spells, without a copy.
using OptionValues = std::map<std::string, std::string, std::less<>>;

struct ParsedOptions {
    OptionValues values; // by option name; the last one given
    std::set<std::string, std::less<>> switches;
    bool leftHand = false; // of an M or MJ thread: "LH" in --thread

    bool on(std::string_view name) const { return switches.contains(name); }
    std::optional<std::string> get(std::string_view name) const {
        const auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    bool has(std::string_view name) const { return values.contains(name); }
};

struct ReadOutcome {
    enum Status { Done, Help, MissingValue, Unknown, UnexpectedValue } status = Done;
    std::string word; // the option concerned
};

// The line under every usage error.
inline const char* const kTryHelp = "Try 'plcalc --help'.";
// Prints a usage error: "plcalc: <problem>" and kTryHelp. Returns kExitUsage.
int UsageError(std::ostream& err, CliMode mode, const std::string& problem);
// What plcalc without arguments prints.
const std::string& ShortUsage();
// The problem of a usage error as one line (a printed usage error less kTryHelp).
std::string UsageProblem(const std::string& printed);

// The command line in its plain form: "--opt=value" split in two, a bare
// FILE.thd or FILE.bm (and every word after "--") as "--open FILE". Empty,
// or the usage problem (a second file, a word that is neither).
std::string NormalizeArgs(std::vector<std::string>& args);

// Reads args (normalized) by the tables of `modes`, the first table naming a
// word describing it. With helpEnds, --help stops the reading where it stands.
ReadOutcome ReadOptions(const std::vector<std::string>& args, std::initializer_list<CliMode> modes,
                        ParsedOptions& o, bool helpEnds);
// Whether `mode`'s table has the option (name, not alias).
bool HasOption(CliMode mode, std::string_view name);
// The first word that is no option of a batch line; empty when none is.
std::string FirstNotInBatch(const std::vector<std::string>& words);
