#include "SortFilterProxyModelBase.h"

#include "CryptLog/log/Log.h"
#include "viewers/gui/IFilter.h"

namespace pluginGui {

SortFilterProxyModelBase::SortFilterProxyModelBase(QObject* parent, viewers::gui::IFilter* filter)
    : QSortFilterProxyModel(parent)
    , m_filter(filter)
{
}

void SortFilterProxyModelBase::sort(int column, Qt::SortOrder order)
{
    LOG_VERB << "Sorting by column " << column << " in "
             << (order == Qt::AscendingOrder ? "ascending" : "descending") << " order has started";
    QSortFilterProxyModel::sort(column, order);
    LOG_VERB << "Sorting has finished";
}

bool SortFilterProxyModelBase::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    return !m_filter || m_filter->AcceptsRow(sourceRow);
}

} // namespace pluginGui
