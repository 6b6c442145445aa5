#pragma once

#include "SortRules.h"

#include "pluginGui/SortFilterProxyModelBase.h"

#include <QtGlobal>

#include <vector>

class QTimeZone;

namespace appleMaps::ui {

// Sorts each column by the rule that suits its values; the rows shown are those the record
// filter accepts. A sort reads the column's values once, orders them by the rule, and then
// compares rows by their places in that order; the source model's values must not change while
// it lives (the record vectors do not while a view shows them).
class AppleMapsSortFilterProxyModelBase : public pluginGui::SortFilterProxyModelBase {
    Q_OBJECT

public:
    // filter: not owned, may be null (then every row is shown).
    AppleMapsSortFilterProxyModelBase(QObject* parent, viewers::gui::IFilter* filter);

    // The zone the record filter compares dates in.
    void SetTimeZone(const QTimeZone& zone);

    void setSourceModel(QAbstractItemModel* model) override;

    // Whether the left source index sorts before the right one, both of the column; false for a
    // column outside the table.
    virtual bool LessThanImpl(int column, const QModelIndex& left, const QModelIndex& right) const = 0;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

    // Whether the left source row comes before the right one when the column is sorted ascending
    // by the rule.
    bool IsRowBefore(SortRule rule, int column, const QModelIndex& left, const QModelIndex& right) const;

private:
    viewers::gui::IFilter* m_filter;
    // The place of every source row in the order of the column sorted last.
    mutable int m_rankedColumn = -1;
    mutable std::vector<quint32> m_ranks;
};

} // namespace appleMaps::ui
