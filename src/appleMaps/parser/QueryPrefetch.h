#pragma once

#include "cmn/db/ResultTable.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace appleMaps::details {

// Reads tables (cmn::db::ReadTable) in order over a connection and a thread of their own, at most
// one result ahead of the caller: SQLite reads the next table while the caller converts the
// current one.
class QueryPrefetch final {
public:
    // `databasePath` is UTF-8; the file must stay until this object is gone. `stopRequested`
    // interrupts the statement in flight.
    QueryPrefetch(std::string databasePath, std::vector<std::string> statements,
                  std::function<bool()> stopRequested);
    // Interrupts the running statement and drops what was not taken.
    ~QueryPrefetch();

    QueryPrefetch(const QueryPrefetch&) = delete;
    QueryPrefetch& operator=(const QueryPrefetch&) = delete;

    // The whole result of the next statement; called once per statement. Rethrows the failure of
    // opening the connection or of the statement; the statements after a failed one are not run.
    cmn::db::ResultTable Next();
    // The row count of the result Next() gives, waiting for it; no further result is read while
    // it waits to be taken. Rethrows as Next() would.
    std::size_t NextRowCount();

private:
    void Run();
    // False when the caller went away while the result waited.
    bool Hand(cmn::db::ResultTable table, std::exception_ptr failure);

    const std::string m_databasePath;
    const std::vector<std::string> m_statements;
    const std::function<bool()> m_stopRequested;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<cmn::db::ResultTable> m_ready;
    std::exception_ptr m_failure;
    std::atomic<bool> m_closing{false}; // also read by the connection's progress handler
    std::thread m_thread; // last: starts once the members above exist
};

} // namespace appleMaps::details
