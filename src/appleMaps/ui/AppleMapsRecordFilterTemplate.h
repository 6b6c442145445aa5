#pragma once

#include "SearchableTexts.h"

#include "cmn/filter/FoldedTexts.h"
#include "cmn/filter/TextSearcher.h"
#include "pluginGui/FilterBaseTemplate.h"

#include <cstddef>
#include <vector>

namespace appleMaps::ui {

// The record filter of one kind: a record passes when one of its searchable texts contains the
// search text (case-insensitively) and, while the category's filter is on, its date lies in the
// date filter's range, compared in the filter's zone. The searchable texts are folded once, on
// the first search over the records, so that each search after that is a scan of memory.
template <typename Record>
class AppleMapsRecordFilterTemplate : public pluginGui::FilterBaseTemplate<std::vector<Record>> {
    using Base = pluginGui::FilterBaseTemplate<std::vector<Record>>;

public:
    using Base::Base;

    void SetSearchText(const QString& text) override
    {
        Base::SetSearchText(text);
        m_searcher = cmn::filter::TextSearcher(text);
    }

protected:
    bool IsRowAccepted(int row) override
    {
        const bool textMatches = MatchesSearchText(row);
        // Checked even for rows the text rejects: the date item counts every record it rejects.
        const bool datePasses = this->PassesDateFilter(RecordAt(row).timestamp);
        return datePasses && textMatches;
    }

    void CountMatches(int row, uint& total) override
    {
        if (m_searcher.IsEmpty() || !this->IsDateAccepted(RecordAt(row).timestamp))
            return;
        total += static_cast<uint>(m_searcher.Count(FoldedRecordTexts(), static_cast<std::size_t>(row)));
    }

private:
    const Record& RecordAt(int row) const { return (*this->GetData())[static_cast<std::size_t>(row)]; }

    bool MatchesSearchText(int row)
    {
        return m_searcher.IsEmpty() || m_searcher.IsFoundIn(FoldedRecordTexts(), static_cast<std::size_t>(row));
    }

    // Folded for the records the filter has now; the vectors do not change while a view shows them.
    const cmn::filter::FoldedTexts& FoldedRecordTexts()
    {
        const std::vector<Record>* records = this->GetData();
        if (m_foldedFrom == records && m_folded.RecordCount() == records->size())
            return m_folded;
        m_folded = cmn::filter::FoldedTexts();
        m_folded.ReserveRecords(records->size());
        for (const Record& record : *records) {
            m_folded.StartRecord();
            AnySearchableText(record, [this](const QString& text) {
                m_folded.AddText(text);
                return false;
            });
        }
        m_foldedFrom = records;
        return m_folded;
    }

    cmn::filter::TextSearcher m_searcher{QString()};
    cmn::filter::FoldedTexts m_folded;
    const std::vector<Record>* m_foldedFrom = nullptr;
};

} // namespace appleMaps::ui
