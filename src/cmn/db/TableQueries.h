#pragma once

#include "CellView.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cmn::db {

class ResultTable;
class SqLiteDbAdapter;

// Reading whole tables of a database copy. The names read must be tables: a view or a virtual
// table computes its rows instead of reading them from the file, and is refused.

// Replaces `table` with the result of `sql`, "SELECT [DISTINCT] <columns> FROM <table>". The
// duplicates of DISTINCT are dropped here, far cheaper than by SQLite's temporary b-tree, where
// that provably gives the same rows in the same order: SQLite scans the table in its own order
// with and without DISTINCT, no column has a collation of its own and the texts are UTF-8.
// Elsewhere the statement runs as it is.
void ReadTable(SqLiteDbAdapter& adapter, const std::string& sql, ResultTable& table);

// Hands each row of `sql`, "SELECT <columns> FROM <table>", to `take` as SQLite reads it, one cell
// per column, valid during the call only: for a result too large to hold beside what it becomes.
void ForEachTableRow(SqLiteDbAdapter& adapter, const std::string& sql,
                     const std::function<void(const std::vector<CellView>&)>& take);

// What "SELECT COUNT(DISTINCT <column>) FROM <table>" gives, counted here; nothing where only
// SQLite can tell (a collation of its own, texts not UTF-8). Empty when there is no such table.
std::optional<std::uint64_t> CountDistinct(SqLiteDbAdapter& adapter, const std::string& table,
                                           const std::string& column);

} // namespace cmn::db
