#pragma once

#include "pluginGui/SortFilterProxyModelBase.h"

class QTimeZone;

namespace appleMaps::ui {

// Sorts each column by the rule that suits its values; the rows shown are those the record
// filter accepts.
class AppleMapsSortFilterProxyModelBase : public pluginGui::SortFilterProxyModelBase {
    Q_OBJECT

public:
    // filter: not owned, may be null (then every row is shown).
    AppleMapsSortFilterProxyModelBase(QObject* parent, viewers::gui::IFilter* filter);

    // The zone the record filter compares dates in.
    void SetTimeZone(const QTimeZone& zone);

    // Whether the left source index sorts before the right one, both of the column; false for a
    // column outside the table.
    virtual bool LessThanImpl(int column, const QModelIndex& left, const QModelIndex& right) const = 0;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    viewers::gui::IFilter* m_filter;
};

} // namespace appleMaps::ui
