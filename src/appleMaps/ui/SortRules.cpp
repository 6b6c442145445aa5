#include "SortRules.h"

#include "RecordMetaTypes.h"

#include "cmn/filter/CaseFolding.h"

#include <QAbstractItemModel>
#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

namespace appleMaps::ui {
namespace {

template <typename Key>
struct RowKey {
    Key key;
    quint32 row;
};

// The key of every source row, read from the column's cells in the role.
template <typename Key, typename Read>
std::vector<RowKey<Key>> ReadKeys(const QAbstractItemModel& model, int column, int role, Read read)
{
    const int rowCount = model.rowCount();
    std::vector<RowKey<Key>> keys;
    keys.reserve(static_cast<std::size_t>(std::max(rowCount, 0)));
    for (int row = 0; row < rowCount; ++row)
        keys.push_back({read(model.index(row, column).data(role)), static_cast<quint32>(row)});
    return keys;
}

// Places rows by their keys (before must be a strict weak order), equal keys by source row. The
// keys are sorted as values, next to each other in memory: the records are not read again.
template <typename Key, typename Before>
std::vector<quint32> RankByKeys(std::vector<RowKey<Key>> keys, Before before)
{
    std::sort(keys.begin(), keys.end(), [&before](const RowKey<Key>& left, const RowKey<Key>& right) {
        if (before(left.key, right.key))
            return true;
        if (before(right.key, left.key))
            return false;
        return left.row < right.row;
    });
    std::vector<quint32> ranks(keys.size());
    for (std::size_t rank = 0; rank < keys.size(); ++rank)
        ranks[keys[rank].row] = static_cast<quint32>(rank);
    return ranks;
}

// A missing value sorts after every present one.
template <typename Value, typename Before>
auto MissingLast(Before before)
{
    return [before](const std::optional<Value>& left, const std::optional<Value>& right) {
        if (!left)
            return false;
        if (!right)
            return true;
        return before(*left, *right);
    };
}

bool IsNumberBefore(double left, double right)
{
    return left < right || (std::isnan(right) && !std::isnan(left));
}

using PointPair = std::pair<location::Coordinates, location::Coordinates>;

bool IsPointPairBefore(const PointPair& left, const PointPair& right)
{
    if (IsPointBefore(left.first, right.first))
        return true;
    if (IsPointBefore(right.first, left.first))
        return false;
    return IsPointBefore(left.second, right.second);
}

// Texts are compared by their case foldings, kept in one buffer; the first units ride along in
// the key so that most comparisons never leave it.
class FoldedTextKeys {
public:
    struct Key {
        quint64 head; // the first four folded units, the first in the highest bits; 0 past the end
        std::size_t offset;
        std::size_t length;
    };

    Key Add(const QString& text)
    {
        const std::size_t offset = m_folded.size();
        cmn::filter::AppendCaseFolded(text, m_folded);
        const std::size_t length = m_folded.size() - offset;
        quint64 head = 0;
        for (std::size_t at = 0; at < 4; ++at)
            head = head << 16 | (at < length ? m_folded[offset + at] : 0);
        return {head, offset, length};
    }

    bool IsBefore(const Key& left, const Key& right) const
    {
        if (left.head != right.head)
            return left.head < right.head;
        const std::u16string_view folded(m_folded);
        return folded.substr(left.offset, left.length) < folded.substr(right.offset, right.length);
    }

private:
    std::u16string m_folded;
};

} // namespace

bool IsPointBefore(const location::Coordinates& left, const location::Coordinates& right)
{
    if (IsNumberBefore(left.latitude, right.latitude))
        return true;
    if (IsNumberBefore(right.latitude, left.latitude))
        return false;
    if (IsNumberBefore(left.longitude, right.longitude))
        return true;
    if (IsNumberBefore(right.longitude, left.longitude))
        return false;
    return IsNumberBefore(left.altitude, right.altitude);
}

std::vector<quint32> RankRows(const QAbstractItemModel& model, int column, SortRule rule)
{
    switch (rule) {
    case SortRule::Date:
        return RankByKeys(ReadKeys<qint64>(model, column, Qt::InitialSortOrderRole,
                                           [](const QVariant& value) {
                                               const QDateTime date = value.toDateTime();
                                               return date.isValid() ? date.toMSecsSinceEpoch()
                                                                     : std::numeric_limits<qint64>::min();
                                           }),
                          std::less<qint64>());
    case SortRule::Text: {
        FoldedTextKeys texts;
        using Key = std::optional<FoldedTextKeys::Key>;
        auto keys = ReadKeys<Key>(model, column, Qt::DisplayRole, [&texts](const QVariant& value) -> Key {
            const QString* text = pluginGui::CellPointer<QString>(value);
            if (text == nullptr || text->isEmpty())
                return std::nullopt;
            return texts.Add(*text);
        });
        const auto before = [&texts](const auto& left, const auto& right) { return texts.IsBefore(left, right); };
        return RankByKeys(std::move(keys), MissingLast<FoldedTextKeys::Key>(before));
    }
    case SortRule::Address: {
        FoldedTextKeys texts;
        auto keys = ReadKeys<FoldedTextKeys::Key>(
            model, column, Qt::DisplayRole, [&texts](const QVariant& value) { return texts.Add(value.toString()); });
        return RankByKeys(std::move(keys),
                          [&texts](const auto& left, const auto& right) { return texts.IsBefore(left, right); });
    }
    case SortRule::Point: {
        using Key = std::optional<location::Coordinates>;
        auto keys = ReadKeys<Key>(model, column, Qt::DisplayRole, [](const QVariant& value) -> Key {
            const location::Coordinates* point = pluginGui::CellPointer<location::Coordinates>(value);
            if (point == nullptr || !location::HasLocation(*point))
                return std::nullopt;
            return *point;
        });
        return RankByKeys(std::move(keys), MissingLast<location::Coordinates>(IsPointBefore));
    }
    case SortRule::Route: {
        using Key = std::optional<PointPair>;
        auto keys = ReadKeys<Key>(model, column, Qt::DisplayRole, [](const QVariant& value) -> Key {
            const location::Route* route = pluginGui::CellPointer<location::Route>(value);
            if (route == nullptr || route->empty())
                return std::nullopt;
            return PointPair(route->front(), route->back());
        });
        return RankByKeys(std::move(keys), MissingLast<PointPair>(IsPointPairBefore));
    }
    case SortRule::Region: {
        using Key = std::optional<PointPair>;
        auto keys = ReadKeys<Key>(model, column, Qt::DisplayRole, [](const QVariant& value) -> Key {
            const location::MapRegion* region = pluginGui::CellPointer<location::MapRegion>(value);
            if (region == nullptr || !location::HasLocation(*region))
                return std::nullopt;
            return PointPair(region->southWest, region->northEast);
        });
        return RankByKeys(std::move(keys), MissingLast<PointPair>(IsPointPairBefore));
    }
    }
    return {};
}

} // namespace appleMaps::ui
