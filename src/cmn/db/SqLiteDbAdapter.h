#pragma once

#include "CppSQLite3DB.h"
#include "QueryResult.h"

#include <cstdint>
#include <string>

namespace cmn::db {

class ResultTable;

// Read access to one SQLite file: whole result sets as rows of typed cells. Meant for private
// copies of evidence files only: sqlite3_open creates a missing file. Every failure is a
// SqlException (6 when opening, 31 when querying). One thread at a time.
class SqLiteDbAdapter final {
public:
    // SQL error numbers of the failures.
    static constexpr int OpenErrorNumber = 6;
    static constexpr int QueryErrorNumber = 31;

    // `path` is UTF-8.
    explicit SqLiteDbAdapter(const std::string& path);
    // Closes the connection; a failure is logged, never thrown.
    ~SqLiteDbAdapter();

    SqLiteDbAdapter(const SqLiteDbAdapter&) = delete;
    SqLiteDbAdapter& operator=(const SqLiteDbAdapter&) = delete;

    // Replace `rows` or `table` with the whole result of `sql`; on a failure they stay as they
    // were. The table holds the same cells in a fraction of the memory and allocations.
    void GetDataByQuery(const std::string& sql, Rows& rows);
    void GetDataByQuery(const std::string& sql, ResultTable& table);
    // The integer of a one-row, one-column query (see details::GetDataSize).
    std::uint64_t GetRowCount(const std::string& sql);

private:
    void ApplyReadOnlySettings();

    CppSQLite3DB m_db;
};

namespace details {

// The first cell of the first row of `sql` as an INTEGER; 0, with a log line, when the result
// has no row, no column or another type.
std::uint64_t GetDataSize(const std::string& sql, SqLiteDbAdapter& adapter);

} // namespace details
} // namespace cmn::db
