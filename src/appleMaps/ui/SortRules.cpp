#include "SortRules.h"

#include "RecordMetaTypes.h"

#include <QDateTime>
#include <QModelIndex>

#include <cmath>
#include <optional>

namespace appleMaps::ui {
namespace {

constexpr double PointEpsilon = 1e-7;

template <typename T>
const T* DisplayPointer(const QModelIndex& index)
{
    return pluginGui::CellPointer<T>(index.data(Qt::DisplayRole));
}

bool IsMissing(const location::Coordinates* point)
{
    return point == nullptr || !location::HasLocation(*point);
}

bool IsMissing(const location::Route* route)
{
    return route == nullptr || route->empty();
}

bool IsMissing(const location::MapRegion* region)
{
    return region == nullptr || !location::HasLocation(*region);
}

bool IsMissing(const QString* text)
{
    return text == nullptr || text->isEmpty();
}

// A missing value never sorts before anything and sorts after every present one; empty when
// both values are present.
template <typename T>
std::optional<bool> OrderOfMissing(const T* left, const T* right)
{
    if (IsMissing(left))
        return false;
    if (IsMissing(right))
        return true;
    return std::nullopt;
}

} // namespace

bool IsPointBefore(const location::Coordinates& left, const location::Coordinates& right)
{
    if (right.latitude > left.latitude)
        return true;
    if (std::abs(left.latitude - right.latitude) >= PointEpsilon)
        return false;
    if (right.longitude > left.longitude)
        return true;
    if (std::abs(left.longitude - right.longitude) >= PointEpsilon)
        return false;
    return right.altitude > left.altitude;
}

bool DateLessThan(const QModelIndex& left, const QModelIndex& right)
{
    // Both reads before either is used: on large tables each read is a cache miss, and this way
    // the two overlap.
    const QVariant leftDate = left.data(Qt::InitialSortOrderRole);
    const QVariant rightDate = right.data(Qt::InitialSortOrderRole);
    return leftDate.toDateTime() < rightDate.toDateTime();
}

bool TextLessThan(const QModelIndex& left, const QModelIndex& right)
{
    const QString* leftText = DisplayPointer<QString>(left);
    const QString* rightText = DisplayPointer<QString>(right);
    if (const std::optional<bool> order = OrderOfMissing(leftText, rightText))
        return *order;
    return QString::compare(*leftText, *rightText, Qt::CaseInsensitive) < 0;
}

bool PointLessThan(const QModelIndex& left, const QModelIndex& right)
{
    const location::Coordinates* leftPoint = DisplayPointer<location::Coordinates>(left);
    const location::Coordinates* rightPoint = DisplayPointer<location::Coordinates>(right);
    if (const std::optional<bool> order = OrderOfMissing(leftPoint, rightPoint))
        return *order;
    return IsPointBefore(*leftPoint, *rightPoint);
}

bool RouteLessThan(const QModelIndex& left, const QModelIndex& right)
{
    const location::Route* leftRoute = DisplayPointer<location::Route>(left);
    const location::Route* rightRoute = DisplayPointer<location::Route>(right);
    if (const std::optional<bool> order = OrderOfMissing(leftRoute, rightRoute))
        return *order;
    return IsPointBefore(leftRoute->front(), rightRoute->front())
        && IsPointBefore(leftRoute->back(), rightRoute->back());
}

bool RegionLessThan(const QModelIndex& left, const QModelIndex& right)
{
    const location::MapRegion* leftRegion = DisplayPointer<location::MapRegion>(left);
    const location::MapRegion* rightRegion = DisplayPointer<location::MapRegion>(right);
    if (const std::optional<bool> order = OrderOfMissing(leftRegion, rightRegion))
        return *order;
    return IsPointBefore(leftRegion->southWest, rightRegion->southWest)
        && IsPointBefore(leftRegion->northEast, rightRegion->northEast);
}

bool AddressLessThan(const QModelIndex& left, const QModelIndex& right)
{
    return QString::compare(left.data(Qt::DisplayRole).toString(), right.data(Qt::DisplayRole).toString(),
                            Qt::CaseInsensitive)
        < 0;
}

} // namespace appleMaps::ui
