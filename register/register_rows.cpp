#include "register/register_rows.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace register_rows {

namespace {

// No calibration read back is refused for a date after today: the register
// may be shared with a computer whose clock runs ahead.
constexpr Date kNoDateLimit{INT_MAX};

double Real(const SqlRow& r, std::size_t i) {
    double v = 0;
    const std::string& t = CellText(r, i);
    std::from_chars(t.data(), t.data() + t.size(), v);
    return v;
}

std::vector<SqlParam> GaugeParams(const GaugeRecord& g) {
    // clang-format off
    return {g.serial, g.description, g.thread, g.threadFile, MemberName(g.member),
            ClassName(g.gaugeClass), g.owner, g.location, std::int64_t{g.intervalDays},
            StatusName(g.status)};
    // clang-format on
}

} // namespace

RegisterResult Refused(std::string message) {
    return {RegisterResult::Kind::Refused, std::move(message)};
}

RegisterResult NoSuchGauge(const std::string& serial) {
    return Refused("There is no gauge with the serial number \"" + serial + "\" in the register.");
}

GaugeRecord GaugeOfRow(const SqlRow& r, std::size_t at, std::int64_t id) {
    GaugeRecord g;
    g.id = id;
    g.serial = CellText(r, at);
    g.description = CellText(r, at + 1);
    g.thread = CellText(r, at + 2);
    g.threadFile = CellText(r, at + 3);
    long long days = 0;
    ParseWholeNumber(CellText(r, at + 8), days);
    g.intervalDays = static_cast<int>(std::clamp<long long>(days, 0, kMaxIntervalDays + 1));
    std::string why = ReadMember(CellText(r, at + 4), g.member);
    if (why.empty()) why = ReadClass(CellText(r, at + 5), g.gaugeClass);
    g.owner = CellText(r, at + 6);
    g.location = CellText(r, at + 7);
    if (why.empty()) why = ReadStatus(CellText(r, at + 9), g.status);
    if (why.empty()) why = CheckGauge(g);
    if (!why.empty())
        throw SqlError(SqlError::Kind::Foreign, "holds a gauge that fails its checks (id " +
                                                    std::to_string(id) + "): " + why);
    return g;
}

CalibrationRecord CalibrationOfRow(const SqlRow& r, std::size_t at, std::int64_t id, bool withPdf) {
    CalibrationRecord c;
    c.id = id;
    std::string why = ReadDate(CellText(r, at), c.date);
    c.operatorName = CellText(r, at + 1);
    c.calInputs = CellText(r, at + 2);
    c.unit = CellText(r, at + 3);
    c.measuredPD = Real(r, at + 4);
    c.expandedU = Real(r, at + 5);
    c.k = Real(r, at + 6);
    if (why.empty()) why = ReadVerdict(CellText(r, at + 7), c.verdict);
    c.certificatePath = CellText(r, at + 8);
    c.certificateStored = CellText(r, at + 9) == "1";
    if (withPdf) c.certificatePdf = CellText(r, at + 10);
    if (why.empty()) why = CheckCalibration(c, kNoDateLimit);
    if (!why.empty())
        throw SqlError(SqlError::Kind::Foreign, "holds a calibration that fails its checks (id " +
                                                    std::to_string(id) + "): " + why);
    return c;
}

std::int64_t RowId(const SqlRow& r) {
    long long id = 0;
    ParseWholeNumber(CellText(r, 0), id);
    return id;
}

std::int64_t InsertGauge(SqlConnection& db, const GaugeRecord& g, std::int64_t id) {
    std::vector<SqlParam> params = GaugeParams(g);
    std::string sql = std::string("INSERT INTO pl_gauge (") + (id ? "id, " : "") + kGaugeColumns +
                      ") VALUES (" + (id ? "?, " : "") +
                      "?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id";
    if (id) params.insert(params.begin(), id);
    return RowId(db.Run(sql, params).at(0));
}

std::int64_t InsertCalibration(SqlConnection& db, std::int64_t gaugeId, const CalibrationRecord& c,
                               std::int64_t id) {
    std::vector<SqlParam> params = {gaugeId,
                                    IsoDateText(c.date),
                                    c.operatorName,
                                    c.calInputs,
                                    c.unit,
                                    c.measuredPD,
                                    c.expandedU,
                                    c.k,
                                    VerdictName(c.verdict),
                                    c.certificatePath};
    params.emplace_back(c.certificatePdf.empty() ? SqlParam(nullptr)
                                                 : SqlParam(SqlBlob{c.certificatePdf}));
    std::string sql = std::string("INSERT INTO pl_calibration (") + (id ? "id, " : "") +
                      "gauge_id, " + kCalColumns + ", certificate_pdf) VALUES (" +
                      (id ? "?, " : "") + "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id";
    if (id) params.insert(params.begin(), id);
    return RowId(db.Run(sql, params).at(0));
}

std::optional<std::pair<std::int64_t, GaugeStatus>> GaugeBySerial(SqlConnection& db,
                                                                  const std::string& serial) {
    const auto rows = db.Run("SELECT id, status FROM pl_gauge WHERE serial = ?", {serial});
    if (rows.empty()) return std::nullopt;
    GaugeStatus s = GaugeStatus::InUse;
    ReadStatus(CellText(rows[0], 1), s);
    return std::pair{RowId(rows[0]), s};
}

} // namespace register_rows
