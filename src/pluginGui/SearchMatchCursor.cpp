#include "SearchMatchCursor.h"

#include "IFilterManaged.h"

#include <QSortFilterProxyModel>

namespace pluginGui {

SearchMatchCursor::SearchMatchCursor(QSortFilterProxyModel* proxy, IFilterManaged* filter, QObject* parent)
    : QObject(parent)
    , m_proxy(proxy)
    , m_filter(filter)
{
    connect(m_proxy, &QAbstractItemModel::layoutChanged, this, &SearchMatchCursor::Reset);
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &SearchMatchCursor::Reset);
    connect(m_proxy, &QAbstractItemModel::rowsInserted, this, &SearchMatchCursor::Reset);
    connect(m_proxy, &QAbstractItemModel::rowsRemoved, this, &SearchMatchCursor::Reset);
}

int SearchMatchCursor::RowOfMatch(uint matchIndex)
{
    const int rowCount = m_proxy->rowCount();
    if (matchIndex == 0 || rowCount == 0)
        return -1;
    while (m_row > 0 && matchIndex < m_firstMatch) {
        --m_row;
        m_firstMatch -= CountMatchesOfRow(m_row);
    }
    while (m_row < rowCount) {
        const uint count = CountMatchesOfRow(m_row);
        if (matchIndex < m_firstMatch + count)
            return m_row;
        m_firstMatch += count;
        ++m_row;
    }
    // Past the last match: the next look-up starts from the top.
    Reset();
    return -1;
}

void SearchMatchCursor::Reset()
{
    m_row = 0;
    m_firstMatch = 1;
}

uint SearchMatchCursor::CountMatchesOfRow(int row) const
{
    return m_filter->CountRowMatches(m_proxy->mapToSource(m_proxy->index(row, 0)).row());
}

} // namespace pluginGui
