#include "AppleMapsSortFilterProxyModelBase.h"

#include "pluginGui/IFilterManaged.h"

#include <QTimeZone>

#include <cstddef>

namespace appleMaps::ui {

AppleMapsSortFilterProxyModelBase::AppleMapsSortFilterProxyModelBase(QObject* parent, viewers::gui::IFilter* filter)
    : pluginGui::SortFilterProxyModelBase(parent, filter)
    , m_filter(filter)
{
}

void AppleMapsSortFilterProxyModelBase::SetTimeZone(const QTimeZone& zone)
{
    if (auto* managed = dynamic_cast<pluginGui::IFilterManaged*>(m_filter))
        managed->SetTimeZone(zone);
}

void AppleMapsSortFilterProxyModelBase::setSourceModel(QAbstractItemModel* model)
{
    m_rankedColumn = -1;
    m_ranks.clear();
    pluginGui::SortFilterProxyModelBase::setSourceModel(model);
}

bool AppleMapsSortFilterProxyModelBase::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (left.column() != right.column())
        return false;
    return LessThanImpl(left.column(), left, right);
}

bool AppleMapsSortFilterProxyModelBase::IsRowBefore(SortRule rule, int column, const QModelIndex& left,
                                                    const QModelIndex& right) const
{
    // Called for every comparison of a sort: only the cheapest checks here.
    const auto leftRow = static_cast<std::size_t>(left.row());
    const auto rightRow = static_cast<std::size_t>(right.row());
    if (m_rankedColumn != column || leftRow >= m_ranks.size() || rightRow >= m_ranks.size()) {
        if (sourceModel() == nullptr)
            return false;
        m_ranks = RankRows(*sourceModel(), column, rule);
        m_rankedColumn = column;
        if (leftRow >= m_ranks.size() || rightRow >= m_ranks.size())
            return false;
    }
    return m_ranks[leftRow] < m_ranks[rightRow];
}

} // namespace appleMaps::ui
