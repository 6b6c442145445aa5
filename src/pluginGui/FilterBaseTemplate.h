#pragma once

#include "IFilterManaged.h"

#include "cmn/filter/DateFilter.h"
#include "cmn/filter/FilterContext.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <cstddef>

namespace pluginGui {

// The row filter of one table over its record vector. A concrete filter decides whether a record
// passes (IsRowAccepted) and counts the search-text matches in it (CountMatches).
template <typename Container>
class FilterBaseTemplate : public IFilterManaged {
public:
    // The context belongs to the presenter and must outlive the filter; it may be null (no date
    // filter). It is not const because filtering lowers the date item's shown count.
    explicit FilterBaseTemplate(cmn::filter::FilterContext* filterContext)
        : m_filterContext(filterContext)
    {
    }

    // Without data every row passes.
    bool AcceptsRow(int row) override
    {
        if (m_data == nullptr)
            return true;
        if (row < 0 || static_cast<std::size_t>(row) >= m_data->size())
            return false;
        return IsRowAccepted(row);
    }

    int GetFirstAcceptedRow() override
    {
        if (m_data == nullptr)
            return -1;
        const int rowCount = static_cast<int>(m_data->size());
        for (int row = 0; row < rowCount; ++row) {
            if (AcceptsRow(row))
                return row;
        }
        return -1;
    }

    void SetSearchText(const QString& text) override { m_searchText = text; }

    uint CountAllMatches() override
    {
        uint total = 0;
        if (m_data == nullptr || m_searchText.isEmpty())
            return total;
        const int rowCount = static_cast<int>(m_data->size());
        for (int row = 0; row < rowCount; ++row) {
            if (AcceptsRow(row))
                CountMatches(row, total);
        }
        return total;
    }

    uint GetMatchesCount() override { return CountAllMatches(); }

    uint CountRowMatches(int row) override
    {
        uint total = 0;
        if (m_data != nullptr && !m_searchText.isEmpty() && row >= 0 && static_cast<std::size_t>(row) < m_data->size())
            CountMatches(row, total);
        return total;
    }

    void SetTimeZone(const QTimeZone& zone) override { m_timeZone = zone; }

    void SetFlag(bool /*flag*/) override {}

    // The records are not owned; null detaches the filter from them.
    void SetData(const Container* data) { m_data = data; }

protected:
    // Called only for rows inside the data.
    virtual bool IsRowAccepted(int row) = 0;
    // Adds the search-text occurrences in the record at row to total.
    virtual void CountMatches(int row, uint& total) = 0;

    const QString& GetSearchText() const { return m_searchText; }
    const Container* GetData() const { return m_data; }
    const QTimeZone& GetTimeZone() const { return m_timeZone; }
    cmn::filter::FilterContext* GetFilterContext() const { return m_filterContext; }

    // The date filter of the category applied to a record's stored date-time, compared in the
    // filter's zone (the system zone while none is set).
    bool PassesDateFilter(const QDateTime& recordTime) const
    {
        if (m_filterContext == nullptr || !m_filterContext->enabled)
            return true;
        // Building the system zone reads the zone database: once per process is enough.
        static const QTimeZone systemZone = QTimeZone::systemTimeZone();
        const QTimeZone& zone = m_timeZone.isValid() ? m_timeZone : systemZone;
        return cmn::filter::PassesDateFilter(recordTime.toTimeZone(zone), *m_filterContext);
    }

private:
    QString m_searchText;
    const Container* m_data = nullptr;
    QTimeZone m_timeZone;
    cmn::filter::FilterContext* m_filterContext = nullptr;
};

} // namespace pluginGui
