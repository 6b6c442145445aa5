#include "QueryPrefetch.h"

#include "cmn/db/SqLiteDbAdapter.h"
#include "cmn/db/TableQueries.h"

#include <utility>

namespace appleMaps::details {

QueryPrefetch::QueryPrefetch(std::string databasePath, std::vector<std::string> statements,
                             std::function<bool()> stopRequested)
    : m_databasePath(std::move(databasePath))
    , m_statements(std::move(statements))
    , m_stopRequested(std::move(stopRequested))
    , m_thread(&QueryPrefetch::Run, this)
{
}

QueryPrefetch::~QueryPrefetch()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_closing = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

cmn::db::ResultTable QueryPrefetch::Next()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_ready || m_failure; });
    if (!m_ready)
        std::rethrow_exception(m_failure);
    cmn::db::ResultTable table = std::move(*m_ready);
    m_ready.reset();
    lock.unlock();
    m_changed.notify_all();
    return table;
}

std::size_t QueryPrefetch::NextRowCount()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_ready || m_failure; });
    if (!m_ready)
        std::rethrow_exception(m_failure);
    return m_ready->RowCount();
}

void QueryPrefetch::Run()
{
    try {
        cmn::db::SqLiteDbAdapter adapter(m_databasePath,
                                         [this] { return m_closing || (m_stopRequested && m_stopRequested()); });
        for (const std::string& statement : m_statements) {
            cmn::db::ResultTable table;
            cmn::db::ReadTable(adapter, statement, table);
            if (!Hand(std::move(table), nullptr))
                return;
        }
    } catch (...) {
        Hand(cmn::db::ResultTable(), std::current_exception());
    }
}

bool QueryPrefetch::Hand(cmn::db::ResultTable table, std::exception_ptr failure)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_ready || m_closing; });
    if (m_closing)
        return false;
    if (failure)
        m_failure = std::move(failure);
    else
        m_ready = std::move(table);
    lock.unlock();
    m_changed.notify_all();
    return true;
}

} // namespace appleMaps::details
