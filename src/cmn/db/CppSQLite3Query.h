#pragma once

#include <cstdint>

struct sqlite3;
struct sqlite3_stmt;

// The rows of one executed statement, read forwards. It owns its statement and finalises it
// when destroyed; its connection must outlive it. Every failure is a CppSQLite3Exception.
class CppSQLite3Query final {
public:
    // `statement` has been stepped once; `eof` tells whether that step found no row.
    CppSQLite3Query(sqlite3* db, sqlite3_stmt* statement, bool eof);
    ~CppSQLite3Query();

    CppSQLite3Query(CppSQLite3Query&& other) noexcept;
    CppSQLite3Query& operator=(CppSQLite3Query&& other) noexcept;
    CppSQLite3Query(const CppSQLite3Query&) = delete;
    CppSQLite3Query& operator=(const CppSQLite3Query&) = delete;

    bool Eof() const;
    void NextRow();

    int FieldCount() const;
    const char* FieldName(int field) const;
    // The storage class of the current row's cell: SQLITE_INTEGER ... SQLITE_NULL.
    int FieldType(int field) const;

    // The typed getters give nullValue for a NULL cell and convert other storage classes the
    // way SQLite does.
    const char* FieldText(int field, const char* nullValue = "") const;
    std::int64_t FieldInt64(int field, std::int64_t nullValue = 0) const;
    double FieldDouble(int field, double nullValue = 0.0) const;
    // Null for a NULL cell; `length` gets the size in bytes.
    const unsigned char* FieldBlob(int field, int& length) const;
    // Size in bytes of the cell as last read as text or blob; call it after that getter.
    int FieldBytes(int field) const;

private:
    void CheckVM() const;
    void CheckField(int field) const;
    bool IsNullField(int field) const;
    void Finalize() noexcept;

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    bool m_eof = true;
    int m_fieldCount = 0;
    bool m_ownsStatement = false;
};
