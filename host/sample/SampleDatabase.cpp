#include "SampleDatabase.h"

#include "cmn/CommonExceptions.h"

#include <QCoreApplication>

#include <sqlite3.h>

namespace host::sample {
namespace {

void Bind(sqlite3_stmt* statement, int position, const SampleCell& cell, sqlite3* db)
{
    int result = SQLITE_OK;
    if (const auto* integer = std::get_if<std::int64_t>(&cell))
        result = sqlite3_bind_int64(statement, position, *integer);
    else if (const auto* real = std::get_if<double>(&cell))
        result = sqlite3_bind_double(statement, position, *real);
    else if (const auto* text = std::get_if<std::string>(&cell))
        // The row outlives the step that reads the text.
        result = sqlite3_bind_text64(statement, position, text->data(), text->size(), SQLITE_STATIC, SQLITE_UTF8);
    else
        result = sqlite3_bind_null(statement, position);
    if (result != SQLITE_OK)
        throw ulq::cmn::CommonException(CMN_SOURCE_LOCATION, sqlite3_errmsg(db));
}

} // namespace

SampleDatabase::SampleDatabase(const std::string& path)
{
    if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        const std::string reason = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        m_db = nullptr;
        throw ulq::cmn::CommonException(
            CMN_SOURCE_LOCATION,
            QCoreApplication::translate("cmn", "Cannot create the sample database %1: %2")
                .arg(QString::fromStdString(path), QString::fromStdString(reason))
                .toStdString());
    }
    try {
        // A fresh file of our own: a crash mid-way leaves a file to delete, not evidence to save.
        Execute("PRAGMA journal_mode = MEMORY");
        Execute("PRAGMA synchronous = OFF");
        Execute("BEGIN");
        for (SampleTable table : kSampleTables) {
            Execute(CreateTableStatement(table));
            const std::string sql = InsertStatement(table);
            auto& statement = m_inserts[static_cast<std::size_t>(table)];
            if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
                Fail("prepare");
        }
    } catch (...) {
        for (sqlite3_stmt* statement : m_inserts)
            sqlite3_finalize(statement);
        sqlite3_close(m_db);
        throw;
    }
}

SampleDatabase::~SampleDatabase()
{
    for (sqlite3_stmt* statement : m_inserts)
        sqlite3_finalize(statement);
    if (!m_committed)
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(m_db);
}

void SampleDatabase::Insert(const SampleRow& row)
{
    sqlite3_stmt* statement = m_inserts[static_cast<std::size_t>(row.Table())];
    const std::vector<SampleCell>& cells = row.Cells();
    for (std::size_t index = 0; index < cells.size(); ++index)
        Bind(statement, static_cast<int>(index + 1), cells[index], m_db);
    const int result = sqlite3_step(statement);
    sqlite3_reset(statement);
    if (result != SQLITE_DONE)
        Fail("insert");
}

void SampleDatabase::Commit()
{
    Execute("COMMIT");
    m_committed = true;
}

void SampleDatabase::Execute(const std::string& sql)
{
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        Fail(sql.c_str());
}

void SampleDatabase::Fail(const char* what) const
{
    throw ulq::cmn::CommonException(CMN_SOURCE_LOCATION,
                                    QCoreApplication::translate("cmn", "Cannot write the sample database: %1")
                                        .arg(QString::fromUtf8(sqlite3_errmsg(m_db)))
                                        .toStdString(),
                                    std::string(what) + ": " + sqlite3_errmsg(m_db));
}

} // namespace host::sample
