#pragma once

#include "appleMaps/records/AppleMapsRecords.h"
#include "cmn/filter/FilterContext.h"
#include "pluginGui/IStackedFilter.h"

#include <QString>

#include <array>
#include <memory>

class QAbstractItemModel;
class QModelIndex;

namespace viewers::gui {
class IFilter;
}

namespace appleMaps::ui {
class AppleMapsModelBase;
class AppleMapsSortFilterProxyModelBase;
} // namespace appleMaps::ui

namespace test {

// The filter contexts of the four categories, as the presenter hands them out.
class FakePresenter final : public pluginGui::IStackedFilter {
public:
    cmn::filter::FilterContext& GetFilterContext(int category) override
    {
        return contexts.at(static_cast<std::size_t>(category));
    }

    std::array<cmn::filter::FilterContext, 4> contexts;
};

// The table model and the proxy of a category (0 searches, 1 favourites, 2 explored places,
// 3 directions searches) over the records' vector of that category.
std::unique_ptr<appleMaps::ui::AppleMapsModelBase> MakeModel(int category, const appleMaps::AppleMapsRecords& records);
std::unique_ptr<appleMaps::ui::AppleMapsSortFilterProxyModelBase> MakeProxy(int category,
                                                                             viewers::gui::IFilter* filter);

// A resolved address with only these components.
cmn::Address MakeAddress(const QString& locality, const QString& postCode = QString());

// What a cell holds as text: pointer cells are followed (points and regions as their point
// texts, routes as points joined by ">"), dates as "yyyy-MM-dd hh:mm", an invalid value as "-".
QString CellText(const QModelIndex& index, int role = Qt::DisplayRole);

// Flattened texts, each followed by "|".
QString RowTexts(const QAbstractItemModel& model, int row);
QString ColumnTexts(const QAbstractItemModel& model, int column);

} // namespace test
