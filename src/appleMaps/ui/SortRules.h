#pragma once

#include <QtGlobal>

#include <cstddef>
#include <optional>
#include <vector>

class QAbstractItemModel;

namespace location {
struct Coordinates;
}

namespace appleMaps::ui {

// How the values of a column are ordered, read from the source model's cells. Every rule is a
// total order: where the values leave two rows unordered (two empty titles, equal points) the
// source row decides, so a column sorts the same whichever rows a filter hides.
enum class SortRule {
    Date,    // the stored, unconverted dates (role Qt::InitialSortOrderRole); no date first
    Text,    // "const QString*" cells, case-insensitively; empty or missing texts last
    Point,   // "const location::Coordinates*" cells by IsPointBefore; no location last
    Route,   // "const location::Route*" cells by their first points, then their last; no points last
    Region,  // "const location::MapRegion*" cells by their first corners, then their second; empty last
    Address, // address texts, case-insensitively; empty texts first
};

// The place of every source row of the model when the column is sorted ascending by the rule.
std::vector<quint32> RankRows(const QAbstractItemModel& model, int column, SortRule rule);

// Latitude, then longitude, then altitude, each compared exactly (NaN after every number). A
// tolerance (latitudes closer than 1e-7 count as equal and longitude decides) would put some
// pairs before each other both ways, which no sort can follow; wherever such a comparison orders
// a pair one way only, the latitudes are equal or the right one is larger, and this order agrees.
bool IsPointBefore(const location::Coordinates& left, const location::Coordinates& right);

// The rule of a column, or none for a column outside the table.
template <std::size_t ColumnCount>
std::optional<SortRule> RuleOfColumn(const SortRule (&rules)[ColumnCount], int column)
{
    if (column < 0 || static_cast<std::size_t>(column) >= ColumnCount)
        return std::nullopt;
    return rules[column];
}

} // namespace appleMaps::ui
