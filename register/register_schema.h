#pragma once
// The register's tables and their versions, and the transaction every
// request runs in.

#include "register/sql_connection.h"

#include <string>

// The version of the tables this program writes. A database of a newer
// version is refused; an older one is brought up to this one.
constexpr int kRegisterSchemaVersion = 1;

// Rolled back unless committed.
class SqlTransaction {
public:
    SqlTransaction(SqlConnection& db, bool write);
    ~SqlTransaction();
    SqlTransaction(const SqlTransaction&) = delete;
    SqlTransaction& operator=(const SqlTransaction&) = delete;
    void Commit();

private:
    SqlConnection& db_;
    bool done_ = false;
};

// Makes the register's tables in a database without them, brings older ones
// up to date, all in one transaction; throws SqlError (Foreign, with the whole
// message naming `where`) for a database that is not a register of this
// program, a damaged one or a newer one, before anything is written.
void PrepareRegister(SqlConnection& db, const std::string& where);
