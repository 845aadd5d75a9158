#pragma once
// plcalc's options: one table per mode names each option, the placeholder of
// its value and its help. The option readers and --help are made from them;
// the bash completion and the man page read --help.

#include <cstdint>
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

// Option values by name. A line is asked for some eighty options and gives a
// handful: a mask of the given names' hashes answers most asks without
// comparing a string.
class OptionValues {
public:
    using Map = std::map<std::string, std::string, std::less<>>;
    using const_iterator = Map::const_iterator;

    const_iterator find(std::string_view name) const {
        return (mask_ & Bit(name)) ? map_.find(name) : map_.end();
    }
    bool contains(std::string_view name) const {
        return (mask_ & Bit(name)) && map_.contains(name);
    }
    std::string& operator[](std::string_view name) {
        mask_ |= Bit(name);
        return map_[std::string(name)];
    }
    const_iterator begin() const { return map_.begin(); }
    const_iterator end() const { return map_.end(); }

private:
    static uint64_t Bit(std::string_view name) {
        const std::size_t n = name.size();
        const unsigned h =
            n < 4 ? static_cast<unsigned>(n)
                  : static_cast<unsigned>(n * 7 + static_cast<unsigned char>(name[2]) * 3 +
                                          static_cast<unsigned char>(name[n - 1]));
        return uint64_t{1} << (h & 63);
    }
    Map map_;
    uint64_t mask_ = 0;
};

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
