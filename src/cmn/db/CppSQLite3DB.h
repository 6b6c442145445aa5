#pragma once

#include "CppSQLite3Query.h"

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

private:
    void CheckDB() const;

    sqlite3* m_db = nullptr;
};
