#include "CppSQLite3Exception.h"

#include <sqlite3.h>

#include <array>

CppSQLite3Exception::CppSQLite3Exception(int errorCode, const char* detail, Detail ownership)
    : m_errorCode(errorCode)
    , m_errorMessage(sqlite3_mprintf("%s[%d]: %s", ErrorCodeAsString(errorCode), errorCode, detail ? detail : ""))
{
    if (ownership == Detail::OwnedBySqlite)
        sqlite3_free(const_cast<char*>(detail));
}

CppSQLite3Exception::CppSQLite3Exception(const CppSQLite3Exception& other)
    : std::exception(other)
    , m_errorCode(other.m_errorCode)
    , m_errorMessage(sqlite3_mprintf("%s", other.ErrorMessage()))
{
}

CppSQLite3Exception::~CppSQLite3Exception()
{
    sqlite3_free(m_errorMessage);
}

const char* CppSQLite3Exception::ErrorMessage() const
{
    // sqlite3_mprintf yields null only when memory ran out.
    return m_errorMessage ? m_errorMessage : "";
}

const char* CppSQLite3Exception::what() const noexcept
{
    return "CppSQLite3Exception";
}

const char* CppSQLite3Exception::ErrorCodeAsString(int errorCode)
{
    // The primary result codes 0 to 25 in the order of their values.
    static constexpr std::array<const char*, 26> primaryCodes = {
        "SQLITE_OK",       "SQLITE_ERROR",    "SQLITE_INTERNAL", "SQLITE_PERM",     "SQLITE_ABORT",
        "SQLITE_BUSY",     "SQLITE_LOCKED",   "SQLITE_NOMEM",    "SQLITE_READONLY", "SQLITE_INTERRUPT",
        "SQLITE_IOERR",    "SQLITE_CORRUPT",  "SQLITE_NOTFOUND", "SQLITE_FULL",     "SQLITE_CANTOPEN",
        "SQLITE_PROTOCOL", "SQLITE_EMPTY",    "SQLITE_SCHEMA",   "SQLITE_TOOBIG",   "SQLITE_CONSTRAINT",
        "SQLITE_MISMATCH", "SQLITE_MISUSE",   "SQLITE_NOLFS",    "SQLITE_AUTH",     "SQLITE_FORMAT",
        "SQLITE_RANGE",
    };
    if (errorCode >= 0 && errorCode < static_cast<int>(primaryCodes.size()))
        return primaryCodes[static_cast<std::size_t>(errorCode)];
    switch (errorCode) {
    case SQLITE_ROW: return "SQLITE_ROW";
    case SQLITE_DONE: return "SQLITE_DONE";
    case WrapperErrorCode: return "CPPSQLITE_ERROR";
    default: return "UNKNOWN_ERROR";
    }
}
