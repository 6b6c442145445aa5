#include "AppleMapsSortFilterProxyModelBase.h"

#include "pluginGui/IFilterManaged.h"

#include <QTimeZone>

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

bool AppleMapsSortFilterProxyModelBase::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (left.column() != right.column())
        return false;
    return LessThanImpl(left.column(), left, right);
}

} // namespace appleMaps::ui
