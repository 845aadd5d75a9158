// The register on an SQLite file: write-ahead log so readers never wait,
// foreign keys enforced, writers queue for up to half a minute.
#include "register/register_record.h"
#include "register/sql_connection.h"

#include <sqlite3.h>

#include <chrono>
#include <thread>

namespace {

constexpr int kBusyMillis = 30000;

SqlError::Kind KindOf(int rc) {
    switch (rc & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return SqlError::Kind::Busy;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return SqlError::Kind::Foreign;
    default:
        break;
    }
    if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
        return SqlError::Kind::Duplicate;
    return SqlError::Kind::Failed;
}

[[noreturn]] void Fail(sqlite3* db, int rc) {
    std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    if (KindOf(rc) == SqlError::Kind::Busy)
        message = "another program kept the register busy too long (" + message + ")";
    throw SqlError(KindOf(rc), message);
}

class SqliteConnection final : public SqlConnection {
public:
    explicit SqliteConnection(const std::string& path) {
        const int rc = sqlite3_open_v2(path.c_str(), &db_,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        if (rc != SQLITE_OK) {
            std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
            sqlite3_close_v2(db_);
            throw SqlError(KindOf(rc), message);
        }
        sqlite3_extended_result_codes(db_, 1);
        sqlite3_busy_timeout(db_, kBusyMillis);
        Script("PRAGMA foreign_keys = ON");
    }
    ~SqliteConnection() override { sqlite3_close_v2(db_); }
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    SqlDialect Dialect() const override { return SqlDialect::Sqlite; }

    std::vector<SqlRow> Run(const std::string& sql, const std::vector<SqlParam>& params) override {
        sqlite3_stmt* raw = nullptr;
        if (const int rc = sqlite3_prepare_v2(db_, sql.c_str(), -1, &raw, nullptr); rc != SQLITE_OK)
            Fail(db_, rc);
        const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> st(raw, sqlite3_finalize);
        for (int i = 0; i < static_cast<int>(params.size()); ++i) {
            const SqlParam& p = params[static_cast<std::size_t>(i)];
            int rc = SQLITE_OK;
            if (const auto* n = std::get_if<std::int64_t>(&p))
                rc = sqlite3_bind_int64(raw, i + 1, *n);
            else if (const auto* d = std::get_if<double>(&p))
                rc = sqlite3_bind_double(raw, i + 1, *d);
            else if (const auto* s = std::get_if<std::string>(&p))
                rc = sqlite3_bind_text64(raw, i + 1, s->data(), s->size(), SQLITE_TRANSIENT,
                                         SQLITE_UTF8);
            else if (const auto* b = std::get_if<SqlBlob>(&p))
                rc = sqlite3_bind_blob64(raw, i + 1, b->bytes.data(), b->bytes.size(),
                                         SQLITE_TRANSIENT);
            else
                rc = sqlite3_bind_null(raw, i + 1);
            if (rc != SQLITE_OK) Fail(db_, rc);
        }
        std::vector<SqlRow> rows;
        for (;;) {
            const int rc = sqlite3_step(raw);
            if (rc == SQLITE_DONE) break;
            if (rc != SQLITE_ROW) Fail(db_, rc);
            SqlRow& row = rows.emplace_back();
            for (int c = 0; c < sqlite3_column_count(raw); ++c)
                row.push_back(Cell(raw, c));
        }
        return rows;
    }

    void Script(const std::string& sql) override {
        if (const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
            rc != SQLITE_OK)
            Fail(db_, rc);
    }

    // IMMEDIATE takes the write lock at once: a transaction that read first
    // and then had to wait for it could only fail.
    void Begin(bool write) override { Script(write ? "BEGIN IMMEDIATE" : "BEGIN"); }

    std::vector<std::string> Tables() override {
        std::vector<std::string> names;
        for (const SqlRow& r : Run("SELECT name FROM sqlite_master WHERE type IN ('table', "
                                   "'view') AND name NOT LIKE 'sqlite_%'",
                                   {}))
            names.push_back(r[0].value_or(""));
        return names;
    }

    void Settle() override { Script("PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL"); }

    void BackupTo(const std::string& path) override {
        sqlite3* dest = nullptr;
        int rc = sqlite3_open_v2(path.c_str(), &dest, SQLITE_OPEN_READWRITE, nullptr);
        if (rc == SQLITE_OK) {
            sqlite3_backup* b = sqlite3_backup_init(dest, "main", db_, "main");
            const auto start = std::chrono::steady_clock::now();
            do {
                rc = b ? sqlite3_backup_step(b, -1) : sqlite3_errcode(dest);
                if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
            } while ((rc == SQLITE_BUSY || rc == SQLITE_LOCKED) &&
                     std::chrono::steady_clock::now() - start <
                         std::chrono::milliseconds(kBusyMillis));
            if (b) sqlite3_backup_finish(b);
            if (rc == SQLITE_DONE) rc = sqlite3_errcode(dest);
        }
        if (rc != SQLITE_OK) {
            const std::string message = dest ? sqlite3_errmsg(dest) : sqlite3_errstr(rc);
            sqlite3_close_v2(dest);
            throw SqlError(KindOf(rc), message);
        }
        if (const int closed = sqlite3_close(dest); closed != SQLITE_OK)
            throw SqlError(KindOf(closed), sqlite3_errstr(closed));
    }

private:
    static std::optional<std::string> Cell(sqlite3_stmt* st, int c) {
        switch (sqlite3_column_type(st, c)) {
        case SQLITE_NULL:
            return std::nullopt;
        case SQLITE_FLOAT:
            return NumberText(sqlite3_column_double(st, c));
        case SQLITE_BLOB: {
            const void* bytes = sqlite3_column_blob(st, c);
            const auto n = static_cast<std::size_t>(sqlite3_column_bytes(st, c));
            return bytes ? std::string(static_cast<const char*>(bytes), n) : std::string();
        }
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
            const auto n = static_cast<std::size_t>(sqlite3_column_bytes(st, c));
            return text ? std::string(text, n) : std::string();
        }
        }
    }

    sqlite3* db_ = nullptr;
};

} // namespace

std::unique_ptr<SqlConnection> OpenSqlite(const std::string& path) {
    return std::make_unique<SqliteConnection>(path);
}
