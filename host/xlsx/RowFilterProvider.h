#pragma once

#include "exportReport/interfaces/FilterHolder.h"
#include "viewers/gui/IFilter.h"

#include <map>
#include <memory>
#include <set>

namespace host::xlsx {

// A filter provider for a host that picks the rows of a category itself, such as the rows a
// user marked, for a filtered report export. A category without picked rows has no filter, so
// the plug-in exports all of its records. It searches nothing.
class RowFilterProvider final : public exportReport::IFilterProvider {
public:
    RowFilterProvider();
    ~RowFilterProvider() override;

    // Record indices into the category's record list.
    void SetAcceptedRows(int category, std::set<int> rows);

    void SetSearchTag(const QString& tag) override;
    uint GetMatchesCount() override;
    uint CountAllMatches() override;
    int GetFirstAcceptedRow() override;
    void SetCurrentCategory(int category) override;
    viewers::gui::IFilter* GetFilter(int category) override;

private:
    class RowSetFilter final : public viewers::gui::IFilter {
    public:
        explicit RowSetFilter(std::set<int> rows);
        bool AcceptsRow(int row) override;
        int GetFirstAcceptedRow() override;

    private:
        std::set<int> m_rows;
    };

    std::map<int, std::unique_ptr<RowSetFilter>> m_filters;
    int m_currentCategory = -1;
};

} // namespace host::xlsx
