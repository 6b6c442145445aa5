#pragma once

#include <cstddef>

class QModelIndex;

namespace location {
struct Coordinates;
}

namespace appleMaps::ui {

// Whether the left cell sorts before the right one. Each rule reads the cells' values from the
// source model; empty or missing values sort after every present one in ascending order.
using SortRule = bool (*)(const QModelIndex& left, const QModelIndex& right);

// The stored, unconverted dates (role Qt::InitialSortOrderRole).
bool DateLessThan(const QModelIndex& left, const QModelIndex& right);
// "const QString*" cells, case-insensitively.
bool TextLessThan(const QModelIndex& left, const QModelIndex& right);
// "const location::Coordinates*" cells; the no-location point sorts last.
bool PointLessThan(const QModelIndex& left, const QModelIndex& right);
// "const location::Route*" cells: before when both the first and the last point are before.
bool RouteLessThan(const QModelIndex& left, const QModelIndex& right);
// "const location::MapRegion*" cells: before when both corners are before.
bool RegionLessThan(const QModelIndex& left, const QModelIndex& right);
// Address texts, case-insensitively; here an empty text sorts first.
bool AddressLessThan(const QModelIndex& left, const QModelIndex& right);

// Latitude, then longitude, then altitude. Latitudes (and longitudes) closer than 1e-7 count as
// equal, except that a larger right latitude (or longitude) always puts left first.
bool IsPointBefore(const location::Coordinates& left, const location::Coordinates& right);

// The rule of a column, or null for a column outside the table.
template <std::size_t ColumnCount>
SortRule RuleOfColumn(const SortRule (&rules)[ColumnCount], int column)
{
    if (column < 0 || static_cast<std::size_t>(column) >= ColumnCount)
        return nullptr;
    return rules[column];
}

} // namespace appleMaps::ui
