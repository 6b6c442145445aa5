#include "CppSQLite3DB.h"

#include "CppSQLite3Exception.h"

#include <sqlite3.h>

#include <utility>

CppSQLite3DB::~CppSQLite3DB()
{
    try {
        Close();
    } catch (const CppSQLite3Exception&) {
        // A destructor cannot report; SqLiteDbAdapter closes explicitly to log the failure.
    }
}

void CppSQLite3DB::Open(const char* path)
{
    Close();
    // One connection is never used by two threads at once, so SQLite's per-call locking is only
    // cost: a million-row result takes tens of millions of column calls.
    const int result = sqlite3_open_v2(path, &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                                       nullptr);
    if (result != SQLITE_OK) {
        // A failed open still hands out a handle, which holds the message and must be closed.
        const CppSQLite3Exception failure(result, sqlite3_errmsg(m_db));
        sqlite3_close(m_db);
        m_db = nullptr;
        throw failure;
    }
    sqlite3_busy_timeout(m_db, BusyTimeoutMs);
}

void CppSQLite3DB::Close()
{
    if (!m_db)
        return;
    if (sqlite3_close(m_db) != SQLITE_OK)
        throw CppSQLite3Exception(CppSQLite3Exception::WrapperErrorCode, "Unable to close database");
    m_db = nullptr;
}

CppSQLite3Query CppSQLite3DB::ExecQuery(const char* sql)
{
    CheckDB();
    sqlite3_stmt* statement = nullptr;
    const int prepared = sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr);
    if (prepared != SQLITE_OK)
        throw CppSQLite3Exception(prepared, sqlite3_errmsg(m_db));
    // Text without a statement (blank or only a comment) prepares to nothing.
    if (!statement)
        throw CppSQLite3Exception(CppSQLite3Exception::WrapperErrorCode, "Null Virtual Machine pointer");
    const int stepped = sqlite3_step(statement);
    if (stepped == SQLITE_DONE || stepped == SQLITE_ROW)
        return CppSQLite3Query(m_db, statement, stepped == SQLITE_DONE);
    const int finalized = sqlite3_finalize(statement);
    throw CppSQLite3Exception(finalized, sqlite3_errmsg(m_db));
}

void CppSQLite3DB::SetLengthLimit(int bytes)
{
    CheckDB();
    sqlite3_limit(m_db, SQLITE_LIMIT_LENGTH, bytes);
}

void CppSQLite3DB::InterruptWhen(std::function<bool()> interrupt)
{
    CheckDB();
    m_interrupt = std::move(interrupt);
    // A million-row read takes some hundred million steps; asking every thousand costs nothing
    // measurable and answers within microseconds.
    constexpr int StepsBetweenQuestions = 1000;
    sqlite3_progress_handler(m_db, m_interrupt ? StepsBetweenQuestions : 0, m_interrupt ? &OnProgress : nullptr,
                             this);
}

int CppSQLite3DB::OnProgress(void* self)
{
    return static_cast<CppSQLite3DB*>(self)->m_interrupt() ? 1 : 0;
}

void CppSQLite3DB::CheckDB() const
{
    if (!m_db)
        throw CppSQLite3Exception(CppSQLite3Exception::WrapperErrorCode, "Database not open");
}
