// Out of the register and into it: CSV files, JSON lines and backups.
#include "register/gauge_register.h"

#include "core/atomic_file.h"
#include "register/register_rows.h"
#include "register/register_schema.h"
#include "register/register_text.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace register_rows;

namespace {

void RemoveDatabaseFiles(const std::string& path) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        ::unlink((path + suffix).c_str());
}

} // namespace

RegisterResult GaugeRegister::ExportCsv(bool calibrations, std::string& csv) {
    return Guard([&]() -> RegisterResult {
        SqlTransaction tx(*db_, false);
        std::vector<RegisterEntry> entries;
        Entries(nullptr, Today(), entries);
        std::ranges::sort(entries, {}, [](const RegisterEntry& e) { return e.gauge.serial; });
        csv = CsvLine(calibrations ? CalibrationCsvColumns() : GaugeCsvColumns());
        std::map<std::int64_t, std::vector<CalibrationRecord>> byGauge;
        if (calibrations)
            for (auto& [gauge, c] : Calibrations(nullptr, false))
                byGauge[gauge].push_back(c);
        tx.Commit();
        for (const RegisterEntry& e : entries) {
            if (!calibrations) csv += CsvLine(GaugeCsvFields(e.gauge));
            for (const CalibrationRecord& c : byGauge[e.gauge.id])
                csv += CsvLine(CalibrationCsvFields(e.gauge.serial, c));
        }
        return {};
    });
}

RegisterResult GaugeRegister::ImportCsv(const std::string& csv, const std::string& name,
                                        int& imported) {
    imported = 0;
    std::vector<CsvRow> rows;
    std::string why;
    CsvLayout layout;
    if (!ParseCsv(csv, rows, why)) return Refused(name + " " + why);
    if (rows.empty()) return Refused(name + " holds no header line.");
    if (why = ReadCsvHeader(rows[0].fields, layout); !why.empty())
        return Refused(name + " line " + std::to_string(rows[0].line) + ": " + why);
    return Guard([&]() -> RegisterResult {
        SqlTransaction tx(*db_, true);
        for (std::size_t i = 1; i < rows.size(); ++i) {
            const CsvRow& row = rows[i];
            const auto refuse = [&](const std::string& message) {
                return Refused(name + " line " + std::to_string(row.line) + ": " + message);
            };
            if (row.fields.size() != layout.fields)
                return refuse(std::to_string(row.fields.size()) + " fields where the header has " +
                              std::to_string(layout.fields) + ".");
            GaugeRecord g;
            CalibrationRecord c;
            std::string serial;
            if (!layout.calibrations) {
                if (why = GaugeFromCsv(layout, row.fields, g); !why.empty()) return refuse(why);
                try {
                    InsertGauge(*db_, g);
                } catch (const SqlError& e) {
                    if (e.kind != SqlError::Kind::Duplicate) throw;
                    return refuse("A gauge with the serial number \"" + g.serial +
                                  "\" is already in the register.");
                }
            } else {
                if (why = CalibrationFromCsv(layout, row.fields, serial, c); !why.empty())
                    return refuse(why);
                const auto gauge = GaugeBySerial(*db_, serial);
                if (!gauge) return refuse(NoSuchGauge(serial).message);
                InsertCalibration(*db_, gauge->first, c);
            }
        }
        tx.Commit();
        imported = static_cast<int>(rows.size()) - 1;
        return {};
    });
}

RegisterResult GaugeRegister::ImportCsvFile(const std::string& path, int& imported) {
    imported = 0;
    // Well above a plant's register; a larger file is not one.
    constexpr std::uintmax_t kMaxBytes = 64u << 20;
    std::error_code ec;
    const bool regular = fs::is_regular_file(path, ec);
    const std::uintmax_t size = regular ? fs::file_size(path, ec) : 0;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (regular && !ec && size <= kMaxBytes && in) text << in.rdbuf();
    if (!regular || ec || size > kMaxBytes || !in || in.bad())
        return {RegisterResult::Kind::Failed,
                "Cannot read " + path + ": " +
                    (!regular           ? std::string("not a regular file")
                     : size > kMaxBytes ? std::string("larger than 64 MiB")
                                        : FileErrorText(errno ? errno : EIO)) +
                    "."};
    return ImportCsv(text.str(), path, imported);
}

RegisterResult GaugeRegister::ExportJsonLines(Date today, std::string& lines) {
    return Guard([&]() -> RegisterResult {
        SqlTransaction tx(*db_, false);
        std::vector<RegisterEntry> entries;
        Entries(nullptr, today, entries);
        std::map<std::int64_t, std::vector<CalibrationRecord>> byGauge;
        for (auto& [gauge, c] : Calibrations(nullptr, false))
            byGauge[gauge].push_back(c);
        tx.Commit();
        std::ranges::sort(entries, {}, [](const RegisterEntry& e) { return e.gauge.serial; });
        lines.clear();
        for (const RegisterEntry& e : entries) {
            lines += GaugeJsonLine(e, true) + "\n";
            for (const CalibrationRecord& c : byGauge[e.gauge.id])
                lines += CalibrationJsonLine(e.gauge.serial, c, true) + "\n";
        }
        return {};
    });
}

RegisterResult GaugeRegister::CopyInto(GaugeRegister& copy) {
    return Guard([&]() -> RegisterResult {
        SqlTransaction from(*db_, false);
        SqlTransaction to(*copy.db_, true);
        for (const SqlRow& r :
             db_->Run("SELECT id, " + std::string(kGaugeColumns) + " FROM pl_gauge", {}))
            InsertGauge(*copy.db_, GaugeOfRow(r, 1, RowId(r)), RowId(r));
        for (const auto& [gauge, c] : Calibrations(nullptr, true))
            InsertCalibration(*copy.db_, gauge, c, c.id);
        to.Commit();
        from.Commit();
        return {};
    });
}

RegisterResult GaugeRegister::Backup(const std::string& path) {
    const auto fail = [&](const std::string& why) {
        return RegisterResult{RegisterResult::Kind::Failed,
                              "The backup " + path + " cannot be written: " + why + "."};
    };
    std::string target;
    if (const int refused = ResolveSaveTarget(path, target); refused != 0)
        return fail(FileErrorText(refused));
    std::error_code ec;
    if (db_->Dialect() == SqlDialect::Sqlite && fs::equivalent(target, where_, ec))
        return fail("it is the register itself");
    std::string temp;
    const int fd = CreateTempBeside(target, O_RDWR, temp);
    if (fd < 0) return fail(FileErrorText(errno));
    ::close(fd);
    RegisterResult result;
    if (db_->Dialect() == SqlDialect::Sqlite) {
        result = Guard([&]() -> RegisterResult {
            db_->BackupTo(temp);
            return {};
        });
    } else if (auto copy = Open(temp, result)) {
        result = CopyInto(*copy);
    }
    if (result && ::rename(temp.c_str(), target.c_str()) != 0) result = fail(FileErrorText(errno));
    if (!result) RemoveDatabaseFiles(temp);
    return result;
}
