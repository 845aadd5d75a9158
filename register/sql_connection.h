#pragma once
// The two database engines under the register, reduced to what it asks of
// them. Values reach a statement only as bound parameters.

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

struct SqlBlob {
    std::string bytes;
};
using SqlParam = std::variant<std::nullptr_t, std::int64_t, double, std::string, SqlBlob>;
// A row's cells as text (a blob as its bytes, a real as its shortest
// round-trip text); nullopt for NULL.
using SqlRow = std::vector<std::optional<std::string>>;

class SqlError : public std::runtime_error {
public:
    // Duplicate: a unique key already taken; Busy: another program held the
    // database too long; Foreign: the file is no database or a damaged one.
    enum class Kind { Failed, Duplicate, Busy, Foreign };
    SqlError(Kind kind, const std::string& message) : std::runtime_error(message), kind(kind) {}
    Kind kind;
};

enum class SqlDialect { Sqlite, Postgres };

class SqlConnection {
public:
    virtual ~SqlConnection() = default;
    virtual SqlDialect Dialect() const = 0;
    // One statement with '?' placeholders; its rows. Throws SqlError.
    virtual std::vector<SqlRow> Run(const std::string& sql,
                                    const std::vector<SqlParam>& params = {}) = 0;
    // Statements without parameters, separated by ';'.
    virtual void Script(const std::string& sql) = 0;
    // A write transaction waits for the other writers; a read one sees one
    // state of the database throughout.
    virtual void Begin(bool write) = 0;
    // The tables beside which the register's own would stand.
    virtual std::vector<std::string> Tables() = 0;
    // Called once the database is known to be a register this program reads.
    virtual void Settle() {}
    // SQLite's online backup of the whole database into a new file `path`.
    virtual void BackupTo(const std::string& path) = 0;
};

// Both throw SqlError when no connection can be made.
std::unique_ptr<SqlConnection> OpenSqlite(const std::string& path);
std::unique_ptr<SqlConnection> OpenPostgres(const std::string& uri);
