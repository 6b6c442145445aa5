#pragma once

#include "IFilterManaged.h"
#include "IFilterManager.h"

#include "CryptLog/log/Log.h"

#include <QString>

#include <map>
#include <memory>

namespace pluginGui {

// Owns one filter per category of the range [firstCategory, lastCategory]. The derived manager
// creates the filters and hands each its record container.
template <typename Records>
class FilterManagerBase : public IFilterManager {
public:
    FilterManagerBase(int firstCategory, int lastCategory)
        : m_firstCategory(firstCategory)
        , m_lastCategory(lastCategory)
    {
    }

    FilterManagerBase(const FilterManagerBase&) = delete;
    FilterManagerBase& operator=(const FilterManagerBase&) = delete;

    void SetSearchTag(const QString& tag) override
    {
        for (int category = m_firstCategory; category <= m_lastCategory; ++category) {
            if (IFilterManaged* filter = FindFilter(category))
                filter->SetSearchText(tag);
        }
    }

    uint GetMatchesCount() override
    {
        IFilterManaged* filter = FindFilter(m_currentCategory);
        return filter ? filter->GetMatchesCount() : 0;
    }

    uint CountAllMatches() override
    {
        IFilterManaged* filter = FindFilter(m_currentCategory);
        return filter ? filter->CountAllMatches() : 0;
    }

    int GetFirstAcceptedRow() override
    {
        IFilterManaged* filter = FindFilter(m_currentCategory);
        return filter ? filter->GetFirstAcceptedRow() : -1;
    }

    void SetCurrentCategory(int category) override
    {
        m_currentCategory = IsInRange(category) ? category : -1;
    }

    viewers::gui::IFilter* GetFilter(int category) override { return FindFilter(category); }

    // A page-wide switch the derived manager gives its meaning; the base only keeps it.
    virtual void SetFlag(bool flag) { m_flag = flag; }
    // Binds every filter to its container of the records (not owned).
    virtual void SetFiltersData(const Records* records) = 0;

    int GetCurrentCategory() const { return m_currentCategory; }
    bool GetFlag() const { return m_flag; }

protected:
    // Replaces the category's filter; a filter for a category outside the range is dropped.
    void AddFilter(int category, std::unique_ptr<IFilterManaged> filter)
    {
        if (!IsInRange(category)) {
            LOG_DEBUG << "Category out of range: " << category;
            return;
        }
        m_filters[category] = std::move(filter);
    }

    IFilterManaged* FindFilter(int category) const
    {
        if (!IsInRange(category))
            return nullptr;
        const auto found = m_filters.find(category);
        return found == m_filters.end() ? nullptr : found->second.get();
    }

private:
    bool IsInRange(int category) const
    {
        return category != -1 && category >= m_firstCategory && category <= m_lastCategory;
    }

    int m_currentCategory = -1;
    std::map<int, std::unique_ptr<IFilterManaged>> m_filters;
    int m_firstCategory;
    int m_lastCategory;
    bool m_flag = false;
};

} // namespace pluginGui
