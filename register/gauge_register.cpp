#include "register/gauge_register.h"

#include "core/number_text.h"
#include "core/settings.h"
#include "register/register_rows.h"
#include "register/register_schema.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <filesystem>
#include <thread>

namespace fs = std::filesystem;
using namespace register_rows;

namespace {

// As long as a writer waits for the register (the SQLite connection's wait).
constexpr auto kOpenWait = std::chrono::seconds(30);

// A connection string as it may be shown: the password of its user part and
// of a "password=" parameter replaced by "***".
std::string WithoutPassword(std::string uri) {
    const std::size_t start = uri.find("://") + 3;
    const std::size_t end = std::min(uri.find_first_of("/?", start), uri.size());
    const std::size_t at = uri.rfind('@', end);
    const std::size_t colon = uri.find(':', start);
    if (at != std::string::npos && at >= start && colon < at)
        uri.replace(colon + 1, at - colon - 1, "***");
    for (std::size_t p = uri.find("password=", end); p != std::string::npos;
         p = uri.find("password=", p + 1)) {
        const std::size_t value = p + 9;
        uri.replace(value, std::min(uri.find('&', value), uri.size()) - value, "***");
    }
    return uri;
}

bool Matches(const RegisterFilter& f, const RegisterEntry& e, Date today) {
    const GaugeRecord& g = e.gauge;
    if (f.member && g.member != *f.member) return false;
    if (f.status && g.status != *f.status) return false;
    if (f.dueWithinDays && !(e.due && e.due->days <= today.days + *f.dueWithinDays)) return false;
    if (f.overdueOnly && !(e.due && *e.due < today)) return false;
    if (f.text.empty()) return true;
    const std::string t = LowerCase(Trim(f.text));
    for (const std::string* s : {&g.serial, &g.description, &g.thread, &g.owner, &g.location})
        if (LowerCase(*s).find(t) != std::string::npos) return true;
    return false;
}

std::pair<long long, std::string> SortKey(RegisterSort sort, const RegisterEntry& e) {
    const GaugeRecord& g = e.gauge;
    switch (sort) {
    case RegisterSort::Due:
        return {e.due ? e.due->days : LLONG_MAX, {}};
    case RegisterSort::Member:
        return {static_cast<int>(g.member), {}};
    case RegisterSort::Status:
        return {static_cast<int>(g.status), {}};
    case RegisterSort::Thread:
        return {0, LowerCase(g.thread)};
    case RegisterSort::Owner:
        return {0, LowerCase(g.owner)};
    case RegisterSort::Location:
        return {0, LowerCase(g.location)};
    case RegisterSort::Serial:
        break;
    }
    return {0, LowerCase(g.serial)};
}

} // namespace

DueMark DueMarkOf(const RegisterEntry& e, Date today) {
    if (!e.due) return DueMark::None;
    if (*e.due < today) return DueMark::Overdue;
    return e.due->days <= today.days + kDueSoonDays ? DueMark::DueSoon : DueMark::None;
}

std::string DefaultRegisterPath() {
    return UserDataDir() + "gauges.sqlite";
}

bool IsServerRegister(const std::string& where) {
    return where.rfind("postgresql://", 0) == 0 || where.rfind("postgres://", 0) == 0;
}

GaugeRegister::GaugeRegister(std::unique_ptr<SqlConnection> db, std::string where)
    : db_(std::move(db)), where_(std::move(where)) {}

GaugeRegister::~GaugeRegister() = default;

std::unique_ptr<GaugeRegister> GaugeRegister::Open(const std::string& where,
                                                   RegisterResult& result) {
    const bool server = IsServerRegister(where);
    const std::string path = where.empty() ? DefaultRegisterPath() : where;
    const std::string shown = server ? WithoutPassword(where) : path;
    try {
        if (where.empty()) {
            // XDG: a data folder the program makes is the user's alone.
            std::error_code ec;
            const fs::path dir = fs::path(path).parent_path();
            if (fs::create_directories(dir, ec)) fs::permissions(dir, fs::perms::owner_all, ec);
        }
        std::error_code ec;
        if (!server && fs::is_directory(path, ec))
            throw SqlError(SqlError::Kind::Failed, "it is a folder");
        // Programs opening a new register at once: SQLite may find it busy at a
        // step its own wait does not cover (the journal being changed), so the
        // opening is tried again for as long as a writer waits in the queue.
        std::unique_ptr<SqlConnection> db;
        for (const auto start = std::chrono::steady_clock::now();;) {
            try {
                db = server ? OpenPostgres(where) : OpenSqlite(path);
                PrepareRegister(*db, shown);
                db->Settle();
                break;
            } catch (const SqlError& e) {
                if (e.kind != SqlError::Kind::Busy ||
                    std::chrono::steady_clock::now() - start > kOpenWait)
                    throw;
                db.reset();
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        }
        result = {};
        return std::unique_ptr<GaugeRegister>(new GaugeRegister(std::move(db), shown));
    } catch (const SqlError& e) {
        std::string message = e.what();
        if (e.kind == SqlError::Kind::Foreign && message.rfind(shown, 0) != 0)
            message = shown + " is not a gauge register, or a damaged one: " + message;
        else if (e.kind != SqlError::Kind::Foreign)
            message = "The gauge register " + shown + " cannot be opened: " + message;
        result = {RegisterResult::Kind::Failed, Sentence(message)};
        return nullptr;
    }
}

RegisterResult GaugeRegister::AddGauge(GaugeRecord& g) {
    if (std::string why = CheckGauge(g); !why.empty()) return Refused(why);
    return Guard([&]() -> RegisterResult {
        SqlTransaction tx(*db_, true);
        try {
            g.id = InsertGauge(*db_, g);
        } catch (const SqlError& e) {
            if (e.kind != SqlError::Kind::Duplicate) throw;
            return Refused("A gauge with the serial number \"" + g.serial +
                           "\" is already in the register.");
        }
        tx.Commit();
        return {};
    });
}

RegisterResult GaugeRegister::SetStatus(const std::string& serial, GaugeStatus status) {
    return Guard([&]() -> RegisterResult {
        SqlTransaction tx(*db_, true);
        if (db_->Run("UPDATE pl_gauge SET status = ? WHERE serial = ? RETURNING id",
                     {StatusName(status), Trim(serial)})
                .empty())
            return NoSuchGauge(Trim(serial));
        tx.Commit();
        return {};
    });
}

RegisterResult GaugeRegister::RecordCalibration(const std::string& serial, CalibrationRecord& c) {
    if (std::string why = CheckCalibration(c, Today()); !why.empty()) return Refused(why);
    return Guard([&]() -> RegisterResult {
        SqlTransaction tx(*db_, true);
        const auto gauge = GaugeBySerial(*db_, Trim(serial));
        if (!gauge) return NoSuchGauge(Trim(serial));
        if (gauge->second == GaugeStatus::Retired)
            return Refused("The gauge \"" + Trim(serial) +
                           "\" is retired: it takes no calibration.");
        c.id = InsertCalibration(*db_, gauge->first, c);
        tx.Commit();
        return {};
    });
}

void GaugeRegister::Entries(const std::string* serial, Date today,
                            std::vector<RegisterEntry>& entries) {
    const std::string latest = "(SELECT c.@ FROM pl_calibration c WHERE c.gauge_id = g.id ORDER BY "
                               "c.cal_date DESC, c.id DESC LIMIT 1)";
    std::string sql = "SELECT g.id, " + std::string(kGaugeColumns) +
                      ", (SELECT MAX(c.cal_date) FROM pl_calibration c WHERE c.gauge_id = g.id "
                      "AND c.verdict = ?), " +
                      latest + ", " + latest + " FROM pl_gauge g";
    sql.replace(sql.find("c.@"), 3, "c.cal_date");
    sql.replace(sql.find("c.@"), 3, "c.verdict");
    std::vector<SqlParam> params = {VerdictName(CalVerdict::Conforms)};
    if (serial) {
        sql += " WHERE g.serial = ?";
        params.emplace_back(*serial);
    }
    entries.clear();
    for (const SqlRow& r : db_->Run(sql, params)) {
        RegisterEntry& e = entries.emplace_back();
        e.gauge = GaugeOfRow(r, 1, RowId(r));
        Date d;
        const auto date = [&](std::size_t i) -> std::optional<Date> {
            if (!r[i]) return std::nullopt;
            if (std::string why = ReadDate(*r[i], d); !why.empty())
                throw SqlError(SqlError::Kind::Foreign, "holds a calibration date that fails "
                                                        "its checks: " +
                                                            why);
            return d;
        };
        e.lastConforming = date(11);
        e.lastCalibration = date(12);
        if (CalVerdict v; r[13] && ReadVerdict(*r[13], v).empty()) e.lastVerdict = v;
        if (e.gauge.status != GaugeStatus::Retired)
            e.due = e.lastConforming ? Date{e.lastConforming->days + e.gauge.intervalDays} : today;
    }
}

RegisterResult GaugeRegister::List(const RegisterFilter& filter, Date today,
                                   std::vector<RegisterEntry>& entries) {
    return Guard([&]() -> RegisterResult {
        SqlTransaction tx(*db_, false);
        Entries(nullptr, today, entries);
        tx.Commit();
        std::erase_if(entries, [&](const RegisterEntry& e) { return !Matches(filter, e, today); });
        std::ranges::stable_sort(entries, [&](const RegisterEntry& a, const RegisterEntry& b) {
            const auto ka = SortKey(filter.sort, a), kb = SortKey(filter.sort, b);
            if (ka != kb) return filter.descending ? kb < ka : ka < kb;
            return a.gauge.serial < b.gauge.serial;
        });
        return {};
    });
}

RegisterResult GaugeRegister::Find(const std::string& serial, Date today, RegisterEntry& entry) {
    return Guard([&]() -> RegisterResult {
        SqlTransaction tx(*db_, false);
        std::vector<RegisterEntry> found;
        const std::string s = Trim(serial);
        Entries(&s, today, found);
        tx.Commit();
        if (found.empty()) return NoSuchGauge(s);
        entry = found[0];
        return {};
    });
}

std::vector<std::pair<std::int64_t, CalibrationRecord>>
GaugeRegister::Calibrations(const std::string* serial, bool withPdf) {
    std::string sql = "SELECT c.id, c.gauge_id, " + std::string(kCalColumns) +
                      ", CASE WHEN c.certificate_pdf IS NULL THEN 0 ELSE 1 END" +
                      (withPdf ? ", c.certificate_pdf" : "") + " FROM pl_calibration c";
    std::vector<SqlParam> params;
    if (serial) {
        sql += " JOIN pl_gauge g ON g.id = c.gauge_id WHERE g.serial = ?";
        params.emplace_back(*serial);
    }
    sql += " ORDER BY c.cal_date, c.id";
    std::vector<std::pair<std::int64_t, CalibrationRecord>> out;
    for (const SqlRow& r : db_->Run(sql, params)) {
        long long gauge = 0;
        ParseWholeNumber(CellText(r, 1), gauge);
        out.emplace_back(gauge, CalibrationOfRow(r, 2, RowId(r), withPdf));
    }
    return out;
}

RegisterResult GaugeRegister::History(const std::string& serial,
                                      std::vector<CalibrationRecord>& history) {
    return Guard([&]() -> RegisterResult {
        SqlTransaction tx(*db_, false);
        const std::string s = Trim(serial);
        if (!GaugeBySerial(*db_, s)) return NoSuchGauge(s);
        history.clear();
        for (auto& [gauge, c] : Calibrations(&s, false))
            history.push_back(std::move(c));
        tx.Commit();
        return {};
    });
}

RegisterResult GaugeRegister::Certificate(std::int64_t calibrationId, std::string& pdf) {
    return Guard([&]() -> RegisterResult {
        SqlTransaction tx(*db_, false);
        const auto rows =
            db_->Run("SELECT certificate_pdf FROM pl_calibration WHERE id = ?", {calibrationId});
        tx.Commit();
        if (rows.empty() || !rows[0][0])
            return Refused("No certificate is stored with this calibration.");
        pdf = *rows[0][0];
        return {};
    });
}
