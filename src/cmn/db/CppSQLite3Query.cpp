#include "CppSQLite3Query.h"

#include "CppSQLite3Exception.h"

#include <sqlite3.h>

#include <utility>

CppSQLite3Query::CppSQLite3Query(sqlite3* db, sqlite3_stmt* statement, bool eof)
    : m_db(db)
    , m_statement(statement)
    , m_eof(eof)
    , m_fieldCount(sqlite3_column_count(statement))
    , m_ownsStatement(true)
{
}

CppSQLite3Query::~CppSQLite3Query()
{
    Finalize();
}

CppSQLite3Query::CppSQLite3Query(CppSQLite3Query&& other) noexcept
    : m_db(other.m_db)
    , m_statement(std::exchange(other.m_statement, nullptr))
    , m_eof(other.m_eof)
    , m_fieldCount(other.m_fieldCount)
    , m_ownsStatement(std::exchange(other.m_ownsStatement, false))
{
}

CppSQLite3Query& CppSQLite3Query::operator=(CppSQLite3Query&& other) noexcept
{
    if (this != &other) {
        Finalize();
        m_db = other.m_db;
        m_statement = std::exchange(other.m_statement, nullptr);
        m_eof = other.m_eof;
        m_fieldCount = other.m_fieldCount;
        m_ownsStatement = std::exchange(other.m_ownsStatement, false);
    }
    return *this;
}

bool CppSQLite3Query::Eof() const
{
    CheckVM();
    return m_eof;
}

void CppSQLite3Query::NextRow()
{
    CheckVM();
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_DONE) {
        m_eof = true;
        return;
    }
    if (result == SQLITE_ROW)
        return;
    const int finalized = sqlite3_finalize(m_statement);
    m_statement = nullptr;
    m_ownsStatement = false;
    throw CppSQLite3Exception(finalized, sqlite3_errmsg(m_db));
}

int CppSQLite3Query::FieldCount() const
{
    CheckVM();
    return m_fieldCount;
}

const char* CppSQLite3Query::FieldName(int field) const
{
    CheckField(field);
    return sqlite3_column_name(m_statement, field);
}

int CppSQLite3Query::FieldType(int field) const
{
    CheckField(field);
    return sqlite3_column_type(m_statement, field);
}

const char* CppSQLite3Query::FieldText(int field, const char* nullValue) const
{
    if (IsNullField(field))
        return nullValue;
    return reinterpret_cast<const char*>(sqlite3_column_text(m_statement, field));
}

std::int64_t CppSQLite3Query::FieldInt64(int field, std::int64_t nullValue) const
{
    if (IsNullField(field))
        return nullValue;
    return sqlite3_column_int64(m_statement, field);
}

double CppSQLite3Query::FieldDouble(int field, double nullValue) const
{
    if (IsNullField(field))
        return nullValue;
    return sqlite3_column_double(m_statement, field);
}

const unsigned char* CppSQLite3Query::FieldBlob(int field, int& length) const
{
    CheckField(field);
    const auto* blob = static_cast<const unsigned char*>(sqlite3_column_blob(m_statement, field));
    length = sqlite3_column_bytes(m_statement, field);
    return blob;
}

int CppSQLite3Query::FieldBytes(int field) const
{
    CheckField(field);
    return sqlite3_column_bytes(m_statement, field);
}

void CppSQLite3Query::CheckVM() const
{
    if (!m_statement)
        throw CppSQLite3Exception(CppSQLite3Exception::WrapperErrorCode, "Null Virtual Machine pointer");
}

void CppSQLite3Query::CheckField(int field) const
{
    CheckVM();
    if (field < 0 || field >= m_fieldCount)
        throw CppSQLite3Exception(CppSQLite3Exception::WrapperErrorCode, "Invalid field index requested");
}

bool CppSQLite3Query::IsNullField(int field) const
{
    return FieldType(field) == SQLITE_NULL;
}

void CppSQLite3Query::Finalize() noexcept
{
    if (m_statement && m_ownsStatement)
        sqlite3_finalize(m_statement);
    m_statement = nullptr;
    m_ownsStatement = false;
}
