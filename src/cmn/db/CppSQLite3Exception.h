#pragma once

#include <exception>

// An SQLite failure as the wrapper reports it: a result code (or WrapperErrorCode) and the
// message "<code name>[<code>]: <detail>".
class CppSQLite3Exception final : public std::exception {
public:
    // Failures of the wrapper itself rather than of SQLite.
    static constexpr int WrapperErrorCode = 1000;

    // Whether the detail text was allocated by SQLite and is to be freed here.
    enum class Detail { Borrowed, OwnedBySqlite };

    CppSQLite3Exception(int errorCode, const char* detail, Detail ownership = Detail::Borrowed);
    CppSQLite3Exception(const CppSQLite3Exception& other);
    CppSQLite3Exception& operator=(const CppSQLite3Exception&) = delete;
    ~CppSQLite3Exception() override;

    int ErrorCode() const { return m_errorCode; }
    // Never null.
    const char* ErrorMessage() const;
    const char* what() const noexcept override;

    // "SQLITE_OK" ... "SQLITE_RANGE", "SQLITE_ROW", "SQLITE_DONE", "CPPSQLITE_ERROR" or "UNKNOWN_ERROR".
    static const char* ErrorCodeAsString(int errorCode);

private:
    int m_errorCode;
    char* m_errorMessage; // from sqlite3_mprintf
};
