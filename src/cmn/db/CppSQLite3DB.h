#pragma once

#include "CppSQLite3Query.h"

#include <functional>

struct sqlite3;

// One connection to an SQLite file. Every failure is a CppSQLite3Exception.
class CppSQLite3DB final {
public:
    // How long a statement waits for another connection's lock on the file.
    static constexpr int BusyTimeoutMs = 60000;

    CppSQLite3DB() = default;
    ~CppSQLite3DB();

    CppSQLite3DB(const CppSQLite3DB&) = delete;
    CppSQLite3DB& operator=(const CppSQLite3DB&) = delete;

    // sqlite3_open: a missing file in an existing folder is created. `path` is UTF-8.
    void Open(const char* path);
    // Does nothing when not open.
    void Close();

    // Prepares the whole text and steps to the first row; the query is at its end when there is none.
    CppSQLite3Query ExecQuery(const char* sql);

    // The largest text or blob, in bytes, that a statement may read or make (SQLITE_LIMIT_LENGTH).
    void SetLengthLimit(int bytes);
    // Asked every few thousand steps of the statement in flight; true interrupts it, which then
    // fails with SQLITE_INTERRUPT. Empty asks nothing.
    void InterruptWhen(std::function<bool()> interrupt);

private:
    void CheckDB() const;
    static int OnProgress(void* self);

    sqlite3* m_db = nullptr;
    std::function<bool()> m_interrupt;
};
