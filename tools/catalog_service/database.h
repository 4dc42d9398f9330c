#pragma once

// A thin layer over SQLite: one connection, prepared statements with bound values only.
// Every SQL text in the service is a constant; values never become part of it.

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace catalog {

// A failure of the database itself (not of a request).
class EDatabase : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TDatabase {
public:
    // Opens (creating when missing) the database and its schema.
    explicit TDatabase(const std::string& path);
    ~TDatabase();
    TDatabase(const TDatabase&) = delete;
    TDatabase& operator=(const TDatabase&) = delete;

    sqlite3* Handle() const { return m_db; }
    // Runs a constant statement without values (schema, transactions).
    void Exec(const char* sql);
    std::int64_t LastInsertId() const { return sqlite3_last_insert_rowid(m_db); }

private:
    sqlite3* m_db = nullptr;
};

class TStatement {
public:
    TStatement(TDatabase& db, const char* sql);
    ~TStatement();
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    // Named parameters (":name").
    TStatement& Bind(const char* name, std::int64_t value);
    TStatement& Bind(const char* name, const std::string& text);
    TStatement& BindBlob(const char* name, const std::string& bytes);
    TStatement& BindNull(const char* name);

    // True while a row is available.
    bool Step();
    // Steps to the end; the statement must return no rows.
    void Run();

    bool IsNull(int column) const;
    std::int64_t Int(int column) const;
    double Real(int column) const;
    std::string Text(int column) const;

private:
    int Index(const char* name) const;
    void Check(int rc) const;

    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

// BEGIN IMMEDIATE ... COMMIT, rolled back when not committed.
class TTransaction {
public:
    explicit TTransaction(TDatabase& db);
    ~TTransaction();
    TTransaction(const TTransaction&) = delete;
    TTransaction& operator=(const TTransaction&) = delete;
    void Commit();

private:
    TDatabase& m_db;
    bool m_open = true;
};

}  // namespace catalog
