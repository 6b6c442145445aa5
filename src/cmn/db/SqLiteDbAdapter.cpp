#include "SqLiteDbAdapter.h"

#include "CppSQLite3Exception.h"
#include "ExceptionUserText.h"
#include "ResultTable.h"
#include "SqlException.h"

#include "CryptLog/log/Log.h"

#include <boost/make_shared.hpp>

#include <sqlite3.h>

#include <QCoreApplication>

namespace cmn::db {
namespace {

CellView CurrentCell(const CppSQLite3Query& query, int field)
{
    CellView cell;
    switch (query.FieldType(field)) {
    case SQLITE_INTEGER:
        cell.type = CellType::Integer;
        cell.integer = query.FieldInt64(field);
        break;
    case SQLITE_FLOAT:
        cell.type = CellType::Float;
        cell.real = query.FieldDouble(field);
        break;
    case SQLITE_NULL: break;
    case SQLITE_BLOB: {
        cell.type = CellType::Blob;
        int length = 0;
        if (const unsigned char* blob = query.FieldBlob(field, length))
            cell.bytes = std::string_view(reinterpret_cast<const char*>(blob), static_cast<std::size_t>(length));
        break;
    }
    default: {
        // Any other storage class reads as text; the length keeps embedded NULs.
        cell.type = CellType::Text;
        if (const char* text = query.FieldText(field))
            cell.bytes = std::string_view(text, static_cast<std::size_t>(query.FieldBytes(field)));
        break;
    }
    }
    return cell;
}

// The column names are the same in every row; reading them once saves a length scan per cell.
std::vector<std::string> FieldNames(const CppSQLite3Query& query)
{
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(query.FieldCount()));
    for (int field = 0; field < query.FieldCount(); ++field)
        names.emplace_back(query.FieldName(field));
    return names;
}

// The cells of a row live in one block under one reference count, which every cell's pointer
// shares: a million-row result then costs a few allocations per row instead of several per cell.
boost::shared_ptr<Row> ReadRow(const CppSQLite3Query& query, const std::vector<std::string>& names)
{
    const boost::shared_ptr<Column[]> cells = boost::make_shared<Column[]>(names.size());
    auto row = boost::make_shared<Row>();
    row->reserve(names.size());
    for (std::size_t field = 0; field < names.size(); ++field) {
        Column& cell = cells[field];
        cell.name = names[field];
        cell.value = ValueOf(CurrentCell(query, static_cast<int>(field)));
        row->emplace_back(cells, &cell);
    }
    return row;
}

void LogFailure(const CppSQLite3Exception& exception)
{
    LOG_DEBUG << "SQLite error " << exception.ErrorCode() << ": " << exception.ErrorMessage();
}

std::string SelectFailureText(const std::string& detail)
{
    return QCoreApplication::translate("cmn", "Can't select from DB: ").toStdString() + detail;
}

// The name as an SQL string literal.
std::string Quoted(const std::string& name)
{
    std::string literal = "'";
    for (const char character : name) {
        literal += character;
        if (character == '\'')
            literal += character;
    }
    return literal + "'";
}

} // namespace

SqLiteDbAdapter::SqLiteDbAdapter(const std::string& path, std::function<bool()> stopRequested)
    : m_stopRequested(std::move(stopRequested))
{
    LOG_DEBUG << "Opening database " << path;
    try {
        m_db.Open(path.c_str());
    } catch (const CppSQLite3Exception& exception) {
        LogFailure(exception);
        throw SqlException(CMN_SOURCE_LOCATION, OpenErrorNumber, UserTextOf(exception));
    }
    ApplyReadOnlySettings();
    m_db.SetLengthLimit(LengthLimitBytes);
    m_db.InterruptWhen([this] { return Interrupts(); });
}

SqLiteDbAdapter::~SqLiteDbAdapter()
{
    try {
        m_db.Close();
    } catch (const CppSQLite3Exception& exception) {
        LOG_DEBUG << "CLOSE: " << exception.ErrorCode();
        LOG_DEBUG << "CLOSE: " << UserTextOf(exception);
    } catch (const std::exception&) {
        // Only building the log text can get here; closing never throws on.
    }
}

void SqLiteDbAdapter::GetDataByQuery(const std::string& sql, Rows& rows)
{
    try {
        CppSQLite3Query query = m_db.ExecQuery(sql.c_str());
        const std::vector<std::string> names = FieldNames(query);
        Rows result;
        for (; !query.Eof(); query.NextRow())
            result.push_back(ReadRow(query, names));
        rows.swap(result);
    } catch (const CppSQLite3Exception& exception) {
        throw SelectFailure(CMN_SOURCE_LOCATION, exception);
    }
}

void SqLiteDbAdapter::GetDataByQuery(const std::string& sql, ResultTable& table)
{
    ResultTable result;
    ForEachRow(sql, [&result](const std::vector<CellView>& cells) {
        if (result.ColumnCount() != cells.size())
            result = ResultTable(cells.size());
        for (const CellView& cell : cells)
            result.Append(cell);
    });
    table.swap(result);
}

void SqLiteDbAdapter::ForEachRow(const std::string& sql, const std::function<void(const std::vector<CellView>&)>& take)
{
    m_interruption = Interruption::None;
    try {
        CppSQLite3Query query = m_db.ExecQuery(sql.c_str());
        std::vector<CellView> cells(static_cast<std::size_t>(query.FieldCount()));
        for (; !query.Eof(); query.NextRow()) {
            for (std::size_t field = 0; field < cells.size(); ++field)
                cells[field] = CurrentCell(query, static_cast<int>(field));
            take(cells);
        }
    } catch (const CppSQLite3Exception& exception) {
        throw SelectFailure(CMN_SOURCE_LOCATION, exception);
    }
}

std::vector<std::string> SqLiteDbAdapter::QueryPlan(const std::string& sql)
{
    std::vector<std::string> steps;
    ForEachRow("EXPLAIN QUERY PLAN " + sql, [&steps](const std::vector<CellView>& cells) {
        steps.emplace_back(cells.size() > 3 ? cells[3].bytes : std::string_view());
    });
    return steps;
}

std::string SqLiteDbAdapter::TableDefinition(const std::string& name)
{
    std::string type;
    std::string definition;
    ForEachRow("SELECT type, sql FROM sqlite_master WHERE name = " + Quoted(name) + " COLLATE NOCASE",
               [&](const std::vector<CellView>& cells) {
                   type = cells[0].bytes;
                   definition = cells[1].bytes;
               });
    const bool isVirtual = QString::fromStdString(definition).startsWith("CREATE VIRTUAL", Qt::CaseInsensitive);
    if ((!type.empty() && type != "table") || isVirtual) {
        const QString text = QCoreApplication::translate("cmn", "%1 is a view or a virtual table, not a table of data.")
                                 .arg(QString::fromStdString(name));
        LOG_WARN << text;
        throw SqlException(CMN_SOURCE_LOCATION, QueryErrorNumber, SelectFailureText(text.toStdString()));
    }
    return definition;
}

std::uint64_t SqLiteDbAdapter::GetRowCount(const std::string& sql)
{
    try {
        return details::GetDataSize(sql, *this);
    } catch (const CppSQLite3Exception& exception) {
        LogFailure(exception);
        throw SqlException(CMN_SOURCE_LOCATION, QueryErrorNumber, UserTextOf(exception));
    }
}

bool SqLiteDbAdapter::Interrupts()
{
    if (m_stopRequested && m_stopRequested())
        m_interruption = Interruption::Stopped;
    else if (sqlite3_memory_used() > MemoryLimitBytes)
        m_interruption = Interruption::OutOfMemory;
    return m_interruption != Interruption::None;
}

SqlException SqLiteDbAdapter::SelectFailure(const SourceLocation& location, const CppSQLite3Exception& exception) const
{
    LogFailure(exception);
    if (exception.ErrorCode() != SQLITE_INTERRUPT || m_interruption == Interruption::None)
        return SqlException(location, QueryErrorNumber, SelectFailureText(UserTextOf(exception)));
    const QString text = m_interruption == Interruption::Stopped
        ? QCoreApplication::translate("cmn", "the reading was stopped.")
        : QCoreApplication::translate("cmn", "the statement needed more than %1 MB of memory and was interrupted.")
              .arg(MemoryLimitBytes >> 20);
    LOG_WARN << text;
    return SqlException(location, QueryErrorNumber, SelectFailureText(text.toStdString()));
}

// The file is a private copy that only this connection reads, so none of these settings can
// change a result: no statement may write, and the temporary b-trees of DISTINCT and
// COUNT(DISTINCT) stay in memory instead of spilling to temporary files.
void SqLiteDbAdapter::ApplyReadOnlySettings()
{
    static constexpr const char* settings[] = {
        "PRAGMA query_only = ON",
        "PRAGMA temp_store = MEMORY",
    };
    for (const char* setting : settings) {
        try {
            m_db.ExecQuery(setting);
        } catch (const CppSQLite3Exception& exception) {
            // Only speed depends on these; the queries report a damaged file themselves.
            LogFailure(exception);
        }
    }
}

namespace details {

std::uint64_t GetDataSize(const std::string& sql, SqLiteDbAdapter& adapter)
{
    Rows rows;
    adapter.GetDataByQuery(sql, rows);
    if (!rows.empty()) {
        if (rows.size() > 1) {
            LOG_DEBUG << "Invalid request for getting data size: " << sql;
        }
        const Row& first = *rows.front();
        if (!first.empty()) {
            if (const Int64* size = boost::any_cast<Int64>(&first.front()->value))
                return static_cast<std::uint64_t>(*size);
            LOG_DEBUG << "Invalid type of data size result, request: " << sql;
            return 0;
        }
    }
    LOG_WARN << "Invalid request for getting data size.";
    LOG_DEBUG << "Invalid request: " << sql;
    return 0;
}

} // namespace details
} // namespace cmn::db
