#pragma once

#include "SearchableTexts.h"

#include "pluginGui/FilterBaseTemplate.h"

#include <cstddef>
#include <vector>

namespace appleMaps::ui {

// The record filter of one kind: a record passes when one of its searchable texts contains the
// search text (case-insensitively) and, while the category's filter is on, its date lies in the
// date filter's range, compared in the filter's zone.
template <typename Record>
class AppleMapsRecordFilterTemplate : public pluginGui::FilterBaseTemplate<std::vector<Record>> {
    using Base = pluginGui::FilterBaseTemplate<std::vector<Record>>;

public:
    using Base::Base;

protected:
    bool IsRowAccepted(int row) override
    {
        const Record& record = RecordAt(row);
        const bool textMatches = MatchesSearchText(record);
        // Checked even for rows the text rejects: the date item counts every record it rejects.
        const bool datePasses = this->PassesDateFilter(record.timestamp);
        return datePasses && textMatches;
    }

    void CountMatches(int row, uint& total) override
    {
        const QString& searchText = this->GetSearchText();
        if (searchText.isEmpty() || !IsRowAccepted(row))
            return;
        AnySearchableText(RecordAt(row), [&searchText, &total](const QString& text) {
            total += static_cast<uint>(text.count(searchText, Qt::CaseInsensitive));
            return false;
        });
    }

private:
    const Record& RecordAt(int row) const { return (*this->GetData())[static_cast<std::size_t>(row)]; }

    bool MatchesSearchText(const Record& record) const
    {
        const QString& searchText = this->GetSearchText();
        if (searchText.isEmpty())
            return true;
        return AnySearchableText(record, [&searchText](const QString& text) {
            return text.contains(searchText, Qt::CaseInsensitive);
        });
    }
};

} // namespace appleMaps::ui
