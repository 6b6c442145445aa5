#pragma once

#include "CellView.h"
#include "CppSQLite3DB.h"
#include "QueryResult.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace cmn {
struct SourceLocation;
}

class CppSQLite3Exception;

namespace cmn::db {

class ResultTable;
class SqlException;

// Read access to one SQLite file: whole result sets as rows of typed cells. Meant for private
// copies of evidence files only: sqlite3_open creates a missing file. Every failure is a
// SqlException (6 when opening, 31 when querying). One thread at a time.
// A hostile file cannot make a statement run away: no text or blob may exceed LengthLimitBytes,
// and a statement is interrupted once SQLite holds more than MemoryLimitBytes or when the caller
// asks it to stop. Real databases of millions of rows stay far below both.
class SqLiteDbAdapter final {
public:
    // SQL error numbers of the failures.
    static constexpr int OpenErrorNumber = 6;
    static constexpr int QueryErrorNumber = 31;
    static constexpr int LengthLimitBytes = 64 << 20;
    static constexpr std::int64_t MemoryLimitBytes = std::int64_t(1) << 30;

    // `path` is UTF-8. `stopRequested`, when given, is asked while a statement runs; true
    // interrupts it.
    explicit SqLiteDbAdapter(const std::string& path, std::function<bool()> stopRequested = {});
    // Closes the connection; a failure is logged, never thrown.
    ~SqLiteDbAdapter();

    SqLiteDbAdapter(const SqLiteDbAdapter&) = delete;
    SqLiteDbAdapter& operator=(const SqLiteDbAdapter&) = delete;

    // Replace `rows` or `table` with the whole result of `sql`; on a failure they stay as they
    // were. The table holds the same cells in a fraction of the memory and allocations.
    void GetDataByQuery(const std::string& sql, Rows& rows);
    void GetDataByQuery(const std::string& sql, ResultTable& table);
    // Hands each row of `sql` to `take`, one cell per column, valid during the call only.
    void ForEachRow(const std::string& sql, const std::function<void(const std::vector<CellView>&)>& take);
    // The integer of a one-row, one-column query (see details::GetDataSize).
    std::uint64_t GetRowCount(const std::string& sql);
    // The steps SQLite plans for `sql`, as EXPLAIN QUERY PLAN words them ("SCAN Addresses").
    std::vector<std::string> QueryPlan(const std::string& sql);
    // The CREATE TABLE statement of the table `name`; empty when there is none. Throws when the
    // name is a view or a virtual table: their rows are computed, not read from the file.
    std::string TableDefinition(const std::string& name);

private:
    enum class Interruption { None, Stopped, OutOfMemory };

    void ApplyReadOnlySettings();
    bool Interrupts();
    SqlException SelectFailure(const SourceLocation& location, const CppSQLite3Exception& exception) const;

    CppSQLite3DB m_db;
    std::function<bool()> m_stopRequested;
    Interruption m_interruption = Interruption::None;
};

namespace details {

// The first cell of the first row of `sql` as an INTEGER; 0, with a log line, when the result
// has no row, no column or another type.
std::uint64_t GetDataSize(const std::string& sql, SqLiteDbAdapter& adapter);

} // namespace details
} // namespace cmn::db
