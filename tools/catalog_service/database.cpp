#include "database.h"

namespace catalog {

namespace {

// Times are UTC texts "yyyy-mm-dd hh:mm:ss". Owner and title keys are case-folded copies
// kept beside the texts as sent, so that comparisons need no collation of their own.
constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS scripts (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    title TEXT NOT NULL,
    title_key TEXT NOT NULL,
    descr TEXT NOT NULL,
    script TEXT NOT NULL,
    cl_name TEXT NOT NULL,
    cl_mail TEXT NOT NULL,
    owner_key TEXT NOT NULL,
    cl_lcid INTEGER NOT NULL,
    app_guid TEXT NOT NULL,
    app_ver TEXT NOT NULL,
    uniapps INTEGER NOT NULL,
    publics INTEGER NOT NULL,
    created TEXT NOT NULL,
    downloads INTEGER NOT NULL DEFAULT 0,
    last_download TEXT
);
CREATE INDEX IF NOT EXISTS scripts_title ON scripts (title_key);
CREATE TABLE IF NOT EXISTS script_rates (
    scr_id INTEGER NOT NULL REFERENCES scripts (id) ON DELETE CASCADE,
    rater_key TEXT NOT NULL,
    cl_name TEXT NOT NULL,
    rate INTEGER NOT NULL,
    notes TEXT NOT NULL,
    app_guid TEXT NOT NULL,
    app_ver TEXT NOT NULL,
    created TEXT NOT NULL,
    PRIMARY KEY (scr_id, rater_key)
);
CREATE TABLE IF NOT EXISTS systems (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    nums INTEGER NOT NULL,
    clen INTEGER NOT NULL,
    olap INTEGER NOT NULL,
    csize INTEGER NOT NULL,
    title TEXT NOT NULL,
    descr TEXT NOT NULL,
    clist TEXT NOT NULL,
    url TEXT NOT NULL,
    cl_name TEXT NOT NULL,
    cl_mail TEXT NOT NULL,
    owner_key TEXT NOT NULL,
    cl_lcid INTEGER NOT NULL,
    app_guid TEXT NOT NULL,
    app_ver TEXT NOT NULL,
    created TEXT NOT NULL,
    downloads INTEGER NOT NULL DEFAULT 0,
    last_download TEXT
);
CREATE TABLE IF NOT EXISTS releases (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    program TEXT NOT NULL,
    version TEXT NOT NULL,
    description TEXT NOT NULL,
    original_name TEXT NOT NULL,
    download_url TEXT NOT NULL,
    crc32 TEXT NOT NULL,
    package_signature TEXT NOT NULL,
    delete_before TEXT NOT NULL,
    delete_after TEXT NOT NULL,
    exec_before TEXT NOT NULL,
    exec_after TEXT NOT NULL,
    released TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS files (
    path TEXT PRIMARY KEY,
    content BLOB NOT NULL,
    modified TEXT NOT NULL
);
)sql";

}  // namespace

TDatabase::TDatabase(const std::string& path) {
    const int rc = sqlite3_open_v2(
        path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
        nullptr);
    if (rc != SQLITE_OK) {
        const std::string reason = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc);
        sqlite3_close(m_db);
        m_db = nullptr;
        throw EDatabase(reason);
    }
    // The release command may write while the service runs: wait for each other.
    sqlite3_busy_timeout(m_db, 10000);
    Exec("PRAGMA foreign_keys = ON");
    Exec("PRAGMA journal_mode = WAL");
    Exec(kSchema);
}

TDatabase::~TDatabase() {
    sqlite3_close_v2(m_db);
}

void TDatabase::Exec(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string reason = error ? error : sqlite3_errmsg(m_db);
        sqlite3_free(error);
        throw EDatabase(reason);
    }
}

TStatement::TStatement(TDatabase& db, const char* sql) : m_db(db.Handle()) {
    Check(sqlite3_prepare_v2(m_db, sql, -1, &m_stmt, nullptr));
}

TStatement::~TStatement() {
    sqlite3_finalize(m_stmt);
}

int TStatement::Index(const char* name) const {
    const int index = sqlite3_bind_parameter_index(m_stmt, name);
    if (index == 0) throw EDatabase(std::string("no parameter ") + name);
    return index;
}

void TStatement::Check(int rc) const {
    if (rc != SQLITE_OK) throw EDatabase(sqlite3_errmsg(m_db));
}

TStatement& TStatement::Bind(const char* name, std::int64_t value) {
    Check(sqlite3_bind_int64(m_stmt, Index(name), value));
    return *this;
}

TStatement& TStatement::Bind(const char* name, const std::string& text) {
    Check(sqlite3_bind_text(m_stmt, Index(name), text.data(), static_cast<int>(text.size()),
                            SQLITE_TRANSIENT));
    return *this;
}

TStatement& TStatement::BindBlob(const char* name, const std::string& bytes) {
    Check(sqlite3_bind_blob64(m_stmt, Index(name), bytes.data(), bytes.size(), SQLITE_TRANSIENT));
    return *this;
}

TStatement& TStatement::BindNull(const char* name) {
    Check(sqlite3_bind_null(m_stmt, Index(name)));
    return *this;
}

bool TStatement::Step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throw EDatabase(sqlite3_errmsg(m_db));
}

void TStatement::Run() {
    while (Step()) {
    }
}

bool TStatement::IsNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

std::int64_t TStatement::Int(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

double TStatement::Real(int column) const {
    return sqlite3_column_double(m_stmt, column);
}

std::string TStatement::Text(int column) const {
    const void* data = sqlite3_column_blob(m_stmt, column);
    const int size = sqlite3_column_bytes(m_stmt, column);
    if (!data || size <= 0) return {};
    return std::string(static_cast<const char*>(data), static_cast<std::size_t>(size));
}

TTransaction::TTransaction(TDatabase& db) : m_db(db) {
    m_db.Exec("BEGIN IMMEDIATE");
}

TTransaction::~TTransaction() {
    if (m_open) {
        try {
            m_db.Exec("ROLLBACK");
        } catch (...) {
        }
    }
}

void TTransaction::Commit() {
    m_db.Exec("COMMIT");
    m_open = false;
}

}  // namespace catalog
