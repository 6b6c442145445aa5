#include "TableQueries.h"

#include "DistinctRows.h"
#include "ResultTable.h"
#include "SqLiteDbAdapter.h"

#include "CryptLog/log/Log.h"

#include <QString>

#include <algorithm>
#include <vector>

namespace cmn::db {
namespace {

constexpr char DistinctSelect[] = "SELECT DISTINCT ";
constexpr char TempBTreeForDistinct[] = "USE TEMP B-TREE FOR DISTINCT";

// "<columns> FROM <table>": the table is the last word.
std::string TableOf(const std::string& sql)
{
    const std::size_t end = sql.find_last_not_of(" \t\r\n;");
    const std::size_t start = sql.find_last_of(" \t\r\n", end);
    return sql.substr(start + 1, end - start);
}

bool IsTableScan(const std::string& step, const std::string& table)
{
    const QString text = QString::fromStdString(step);
    const QString name = QString::fromStdString(table);
    // Older SQLite words it "SCAN TABLE <name>".
    return text.compare("SCAN " + name, Qt::CaseInsensitive) == 0
        || text.compare("SCAN TABLE " + name, Qt::CaseInsensitive) == 0;
}

// Texts compare as SQLite compares them: bytes of UTF-8 under the binary collation.
bool ComparesAsBytes(SqLiteDbAdapter& adapter, const std::string& definition)
{
    if (QString::fromStdString(definition).contains("COLLATE", Qt::CaseInsensitive))
        return false;
    std::string encoding;
    adapter.ForEachRow("PRAGMA encoding",
                       [&encoding](const std::vector<CellView>& cells) { encoding = cells.at(0).bytes; });
    return encoding == "UTF-8";
}

bool ScansInTableOrder(SqLiteDbAdapter& adapter, const std::string& distinctSql, const std::string& plainSql,
                       const std::string& table)
{
    const std::vector<std::string> plain = adapter.QueryPlan(plainSql);
    std::vector<std::string> distinct = adapter.QueryPlan(distinctSql);
    distinct.erase(std::remove(distinct.begin(), distinct.end(), TempBTreeForDistinct), distinct.end());
    return plain.size() == 1 && IsTableScan(plain.front(), table) && distinct == plain;
}

} // namespace

void ReadTable(SqLiteDbAdapter& adapter, const std::string& sql, ResultTable& table)
{
    const std::string name = TableOf(sql);
    const std::string definition = adapter.TableDefinition(name);
    if (sql.rfind(DistinctSelect, 0) != 0 || definition.empty()) {
        adapter.GetDataByQuery(sql, table);
        return;
    }
    const std::string plainSql = "SELECT " + sql.substr(sizeof DistinctSelect - 1);
    if (!ComparesAsBytes(adapter, definition) || !ScansInTableOrder(adapter, sql, plainSql, name)) {
        LOG_DEBUG << "SQLite drops the duplicates of " << name;
        adapter.GetDataByQuery(sql, table);
        return;
    }
    std::optional<DistinctRows> rows;
    adapter.ForEachRow(plainSql, [&rows](const std::vector<CellView>& cells) {
        if (!rows)
            rows.emplace(cells.size());
        rows->Add(cells.data());
    });
    ResultTable result = rows ? rows->TakeTable() : ResultTable();
    table.swap(result);
}

void ForEachTableRow(SqLiteDbAdapter& adapter, const std::string& sql,
                     const std::function<void(const std::vector<CellView>&)>& take)
{
    adapter.TableDefinition(TableOf(sql));
    adapter.ForEachRow(sql, take);
}

std::optional<std::uint64_t> CountDistinct(SqLiteDbAdapter& adapter, const std::string& table,
                                           const std::string& column)
{
    const std::string definition = adapter.TableDefinition(table);
    if (definition.empty() || !ComparesAsBytes(adapter, definition))
        return std::nullopt;
    DistinctRows values(1);
    adapter.ForEachRow("SELECT " + column + " FROM " + table, [&values](const std::vector<CellView>& cells) {
        if (cells[0].type != CellType::Null)
            values.Add(cells.data());
    });
    return values.RowCount();
}

} // namespace cmn::db
