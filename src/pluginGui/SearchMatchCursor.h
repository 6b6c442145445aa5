#pragma once

#include <QObject>
#include <QtGlobal>

class QSortFilterProxyModel;

namespace pluginGui {

class IFilterManaged;

// Finds the shown row that holds the n-th search match, counting the matches of each row in the
// order the rows are shown. It remembers where the last look-up ended, so that stepping to the
// next or previous match costs a row or two, not a walk from the top; any change of the shown
// rows or their order makes it start again from the first row.
class SearchMatchCursor : public QObject {
    Q_OBJECT

public:
    // Neither is owned; both must outlive the cursor.
    SearchMatchCursor(QSortFilterProxyModel* proxy, IFilterManaged* filter, QObject* parent);

    // matchIndex is 1-based; -1 when there are fewer matches (or none, for an empty search).
    int RowOfMatch(uint matchIndex);
    void Reset();

private:
    uint CountMatchesOfRow(int row) const;

    QSortFilterProxyModel* m_proxy;
    IFilterManaged* m_filter;
    int m_row = 0;
    // Index of the first match of m_row.
    uint m_firstMatch = 1;
};

} // namespace pluginGui
