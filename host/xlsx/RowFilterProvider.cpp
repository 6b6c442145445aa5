#include "RowFilterProvider.h"

namespace host::xlsx {

RowFilterProvider::RowSetFilter::RowSetFilter(std::set<int> rows)
    : m_rows(std::move(rows))
{
}

bool RowFilterProvider::RowSetFilter::AcceptsRow(int row)
{
    return m_rows.count(row) != 0;
}

int RowFilterProvider::RowSetFilter::GetFirstAcceptedRow()
{
    return m_rows.empty() ? -1 : *m_rows.begin();
}

RowFilterProvider::RowFilterProvider() = default;
RowFilterProvider::~RowFilterProvider() = default;

void RowFilterProvider::SetAcceptedRows(int category, std::set<int> rows)
{
    m_filters[category] = std::make_unique<RowSetFilter>(std::move(rows));
}

void RowFilterProvider::SetSearchTag(const QString& /*tag*/)
{
}

uint RowFilterProvider::GetMatchesCount()
{
    return 0;
}

uint RowFilterProvider::CountAllMatches()
{
    return 0;
}

int RowFilterProvider::GetFirstAcceptedRow()
{
    viewers::gui::IFilter* filter = GetFilter(m_currentCategory);
    return filter ? filter->GetFirstAcceptedRow() : -1;
}

void RowFilterProvider::SetCurrentCategory(int category)
{
    m_currentCategory = category;
}

viewers::gui::IFilter* RowFilterProvider::GetFilter(int category)
{
    const auto filter = m_filters.find(category);
    return filter == m_filters.end() ? nullptr : filter->second.get();
}

} // namespace host::xlsx
