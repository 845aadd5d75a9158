#pragma once
// The register's rows and the records they hold, shared by its requests
// (gauge_register.cpp) and its imports, exports and backups
// (register_transfer.cpp).

#include "register/gauge_register.h"
#include "register/sql_connection.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace register_rows {

inline const char* const kGaugeColumns = "serial, description, thread, thread_file, member, "
                                         "gauge_class, owner, location, interval_days, status";
inline const char* const kCalColumns = "cal_date, operator, cal_inputs, unit, measured_pd, "
                                       "expanded_u, coverage_k, verdict, certificate_path";

RegisterResult Refused(std::string message);
// `text` ended with a full stop, once; a question (libpq's "Is the server
// running ...?") keeps its own mark.
inline std::string Sentence(std::string text) {
    return text.ends_with('.') || text.ends_with('?') ? text : text + ".";
}
RegisterResult NoSuchGauge(const std::string& serial);

inline const std::string& CellText(const SqlRow& r, std::size_t i) {
    static const std::string empty;
    return r[i] ? *r[i] : empty;
}
std::int64_t RowId(const SqlRow& r);

// The record in the cells from `at` on: the columns of kGaugeColumns, or
// those of kCalColumns followed by whether a certificate is stored and, when
// `withPdf`, its bytes. Throws SqlError (Foreign) for a row that fails the
// checks typed input passes.
GaugeRecord GaugeOfRow(const SqlRow& r, std::size_t at, std::int64_t id);
CalibrationRecord CalibrationOfRow(const SqlRow& r, std::size_t at, std::int64_t id, bool withPdf);

// The new row's id; `id` 0 lets the database choose it.
std::int64_t InsertGauge(SqlConnection& db, const GaugeRecord& g, std::int64_t id = 0);
std::int64_t InsertCalibration(SqlConnection& db, std::int64_t gaugeId, const CalibrationRecord& c,
                               std::int64_t id = 0);
// The gauge's id and status; none when there is no such gauge.
std::optional<std::pair<std::int64_t, GaugeStatus>> GaugeBySerial(SqlConnection& db,
                                                                  const std::string& serial);

} // namespace register_rows

// A database failure ends the request with the register's name and the reason.
template <typename Work> RegisterResult GaugeRegister::Guard(Work&& work) {
    try {
        return work();
    } catch (const SqlError& e) {
        const std::string why = e.what();
        return {
            RegisterResult::Kind::Failed,
            register_rows::Sentence("The gauge register " + where_ + " " +
                                    (e.kind == SqlError::Kind::Foreign ? why : "failed: " + why))};
    }
}
