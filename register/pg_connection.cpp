// The register on a PostgreSQL server, through libpq.
#include "register/register_record.h"
#include "register/sql_connection.h"

#include <libpq-fe.h>

#include <cctype>

namespace {

constexpr unsigned kByteaType = 17; // pg_type.oid of bytea

// One line: libpq breaks its hints onto tab-indented lines, which a message
// box or a JSON line shows as stray gaps.
std::string Trimmed(const char* message) {
    std::string m;
    for (const char* c = message ? message : ""; *c; ++c) {
        // A line that ends without a stop ends its sentence all the same.
        if (*c == '\n' && !m.empty() && std::isalnum(static_cast<unsigned char>(m.back())))
            m += '.';
        const bool blank = *c == '\n' || *c == '\t' || *c == ' ';
        if (blank && (m.empty() || m.back() == ' ')) continue;
        m += blank ? ' ' : *c;
    }
    while (!m.empty() && m.back() == ' ')
        m.pop_back();
    return m;
}

class PostgresConnection final : public SqlConnection {
public:
    explicit PostgresConnection(const std::string& uri) {
        // Keywords before "dbname" give way to the connection string's own;
        // without a timeout libpq would wait for an unreachable server forever.
        const char* const keys[] = {"connect_timeout", "application_name", "dbname", nullptr};
        const char* const values[] = {"10", "Pitch Ledger", uri.c_str(), nullptr};
        conn_ = PQconnectdbParams(keys, values, 1);
        if (!conn_ || PQstatus(conn_) != CONNECTION_OK) {
            const std::string message = conn_ ? Trimmed(PQerrorMessage(conn_)) : "out of memory";
            PQfinish(conn_);
            throw SqlError(SqlError::Kind::Failed, message);
        }
        // A library writes nothing to the terminal: the server's notices are dropped.
        PQsetNoticeProcessor(
            conn_, [](void*, const char*) {}, nullptr);
        Script("SET client_encoding = 'UTF8'; SET DateStyle = 'ISO'");
    }
    ~PostgresConnection() override { PQfinish(conn_); }
    PostgresConnection(const PostgresConnection&) = delete;
    PostgresConnection& operator=(const PostgresConnection&) = delete;

    SqlDialect Dialect() const override { return SqlDialect::Postgres; }

    std::vector<SqlRow> Run(const std::string& sql, const std::vector<SqlParam>& params) override {
        // The register's statements write '?' placeholders (and no '?' in a
        // literal); the server wants them numbered.
        std::string numbered;
        int n = 0;
        for (const char c : sql)
            numbered += c == '?' ? "$" + std::to_string(++n) : std::string(1, c);
        std::vector<std::string> texts(params.size());
        std::vector<const char*> values(params.size());
        std::vector<int> lengths(params.size()), formats(params.size());
        for (std::size_t i = 0; i < params.size(); ++i) {
            const SqlParam& p = params[i];
            if (std::holds_alternative<std::nullptr_t>(p)) continue;
            if (const auto* v = std::get_if<std::int64_t>(&p))
                texts[i] = std::to_string(*v);
            else if (const auto* d = std::get_if<double>(&p))
                texts[i] = NumberText(*d);
            else if (const auto* s = std::get_if<std::string>(&p))
                texts[i] = *s;
            else {
                texts[i] = std::get<SqlBlob>(p).bytes;
                formats[i] = 1;
            }
            values[i] = texts[i].c_str();
            lengths[i] = static_cast<int>(texts[i].size());
        }
        const Result r(PQexecParams(conn_, numbered.c_str(), static_cast<int>(params.size()),
                                    nullptr, values.data(), lengths.data(), formats.data(), 0),
                       PQclear);
        Check(r.get());
        std::vector<SqlRow> rows(static_cast<std::size_t>(PQntuples(r.get())));
        for (int t = 0; t < PQntuples(r.get()); ++t)
            for (int f = 0; f < PQnfields(r.get()); ++f)
                rows[static_cast<std::size_t>(t)].push_back(Cell(r.get(), t, f));
        return rows;
    }

    void Script(const std::string& sql) override {
        const Result r(PQexec(conn_, sql.c_str()), PQclear);
        Check(r.get());
    }

    void Begin(bool write) override {
        Script(write ? "BEGIN" : "BEGIN ISOLATION LEVEL REPEATABLE READ, READ ONLY");
    }

    std::vector<std::string> Tables() override {
        std::vector<std::string> names;
        for (const SqlRow& r :
             Run("SELECT tablename FROM pg_tables WHERE schemaname = current_schema()", {}))
            names.push_back(r[0].value_or(""));
        return names;
    }

    void BackupTo(const std::string&) override {
        throw SqlError(SqlError::Kind::Failed, "a server's database has no file to copy");
    }

private:
    using Result = std::unique_ptr<PGresult, void (*)(PGresult*)>;

    void Check(PGresult* r) {
        const ExecStatusType s = r ? PQresultStatus(r) : PGRES_FATAL_ERROR;
        if (s == PGRES_COMMAND_OK || s == PGRES_TUPLES_OK) return;
        const char* primary = r ? PQresultErrorField(r, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
        const std::string state = r && PQresultErrorField(r, PG_DIAG_SQLSTATE)
                                      ? PQresultErrorField(r, PG_DIAG_SQLSTATE)
                                      : "";
        SqlError::Kind kind = SqlError::Kind::Failed;
        if (state == "23505") kind = SqlError::Kind::Duplicate;
        // Serialization failure, deadlock, lock not available.
        if (state == "40001" || state == "40P01" || state == "55P03") kind = SqlError::Kind::Busy;
        throw SqlError(kind, Trimmed(primary ? primary : PQerrorMessage(conn_)));
    }

    static std::optional<std::string> Cell(const PGresult* r, int t, int f) {
        if (PQgetisnull(r, t, f)) return std::nullopt;
        const char* value = PQgetvalue(r, t, f);
        if (PQftype(r, f) != kByteaType)
            return std::string(value, static_cast<std::size_t>(PQgetlength(r, t, f)));
        std::size_t n = 0;
        unsigned char* bytes = PQunescapeBytea(reinterpret_cast<const unsigned char*>(value), &n);
        if (!bytes) throw SqlError(SqlError::Kind::Failed, "out of memory");
        std::string out(reinterpret_cast<const char*>(bytes), n);
        PQfreemem(bytes);
        return out;
    }

    PGconn* conn_ = nullptr;
};

} // namespace

std::unique_ptr<SqlConnection> OpenPostgres(const std::string& uri) {
    return std::make_unique<PostgresConnection>(uri);
}
