#pragma once
// The gauge register: every gauge, its calibrations and when each is due, in
// an SQLite file (the default, nothing to set up) or in a PostgreSQL database
// that a plant's inspectors share. Every change is one transaction, made whole
// or not at all; user text reaches the database only as bound parameters.

#include "register/register_record.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class SqlConnection;

// What became of a request. Refused: the input was not taken, nothing changed
// (bad input); Failed: the database could not be opened, read or written.
struct RegisterResult {
    enum class Kind { Ok, Refused, Failed };
    Kind kind = Kind::Ok;
    std::string message;
    explicit operator bool() const { return kind == Kind::Ok; }
};

// A gauge as the register lists it.
struct RegisterEntry {
    GaugeRecord gauge;
    std::optional<Date> lastCalibration; // the latest, whatever its verdict
    std::optional<CalVerdict> lastVerdict;
    std::optional<Date> lastConforming;
    // The last conforming calibration + the interval; today for a gauge that
    // has none (due now); none for a retired gauge.
    std::optional<Date> due;
};

// Rows the register window marks: due before today, or within 30 days.
constexpr int kDueSoonDays = 30;
enum class DueMark { None, DueSoon, Overdue };
DueMark DueMarkOf(const RegisterEntry& e, Date today);

enum class RegisterSort { Serial, Due, Thread, Member, Owner, Location, Status };

struct RegisterFilter {
    // Found, letter case ignored, in the serial, description, thread, owner or location.
    std::string text;
    std::optional<GaugeMember> member;
    std::optional<GaugeStatus> status;
    // Due on or before today + N days, overdue ones included.
    std::optional<int> dueWithinDays;
    bool overdueOnly = false; // due before today
    RegisterSort sort = RegisterSort::Serial;
    bool descending = false;
};

// $XDG_DATA_HOME/PitchLedger/gauges.sqlite (default ~/.local/share/PitchLedger/).
std::string DefaultRegisterPath();
// True for a server's connection string: "postgresql://..." or "postgres://...".
bool IsServerRegister(const std::string& where);

class GaugeRegister {
public:
    // `where`: empty for the default file (its folder made when missing), a
    // server's connection string, or the path of an SQLite file (made when
    // missing). A file that is not a register of this program, a damaged one
    // or one a newer program wrote is refused untouched. Null, with the reason
    // in `result`, when the register cannot be opened.
    static std::unique_ptr<GaugeRegister> Open(const std::string& where, RegisterResult& result);
    ~GaugeRegister();
    GaugeRegister(const GaugeRegister&) = delete;
    GaugeRegister& operator=(const GaugeRegister&) = delete;

    // The file, or the server's connection string without its password.
    const std::string& Where() const { return where_; }

    RegisterResult AddGauge(GaugeRecord& g); // sets g.id
    RegisterResult SetStatus(const std::string& serial, GaugeStatus status);
    // A new calibration of the gauge `serial`, dated today or before; sets
    // c.id. A retired gauge takes none.
    RegisterResult RecordCalibration(const std::string& serial, CalibrationRecord& c);

    RegisterResult List(const RegisterFilter& filter, Date today,
                        std::vector<RegisterEntry>& entries);
    RegisterResult Find(const std::string& serial, Date today, RegisterEntry& entry);
    // Oldest first, without the certificates' bytes (certificateStored says
    // which calibration has one).
    RegisterResult History(const std::string& serial, std::vector<CalibrationRecord>& history);
    RegisterResult Certificate(std::int64_t calibrationId, std::string& pdf);

    // The gauges, or the calibrations (with the certificates' paths, not their
    // bytes), as CSV (RFC 4180).
    RegisterResult ExportCsv(bool calibrations, std::string& csv);
    // Gauges or calibrations, as the header line says, all or none: a row that
    // fails is refused with its line number after `name`.
    RegisterResult ImportCsv(const std::string& csv, const std::string& name, int& imported);
    RegisterResult ImportCsvFile(const std::string& path, int& imported);
    // Every gauge as one JSON line, each followed by its calibrations' lines.
    RegisterResult ExportJsonLines(Date today, std::string& lines);
    // The whole register, certificates included, as an SQLite register file at
    // `path`, written whole or not at all: SQLite's online backup of a file, a
    // copy of every row from a server.
    RegisterResult Backup(const std::string& path);

private:
    GaugeRegister(std::unique_ptr<SqlConnection> db, std::string where);
    template <typename Work> RegisterResult Guard(Work&& work);
    void Entries(const std::string* serial, Date today, std::vector<RegisterEntry>& entries);
    std::vector<std::pair<std::int64_t, CalibrationRecord>> Calibrations(const std::string* serial,
                                                                         bool withPdf);
    RegisterResult CopyInto(GaugeRegister& copy);

    std::unique_ptr<SqlConnection> db_;
    std::string where_;
};
