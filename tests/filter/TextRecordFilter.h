#pragma once

#include "pluginGui/FilterBaseTemplate.h"

#include <QDateTime>
#include <QString>

#include <vector>

struct TextRecord {
    QString text;
    QDateTime time;
};

using TextRecords = std::vector<TextRecord>;

// The smallest concrete filter: a record passes when its text holds the search text and its time
// passes the date filter; every occurrence of the search text is a match.
class TextRecordFilter final : public pluginGui::FilterBaseTemplate<TextRecords> {
public:
    using FilterBaseTemplate::FilterBaseTemplate;

protected:
    bool IsRowAccepted(int row) override
    {
        const TextRecord& record = (*GetData())[row];
        const bool textMatches = GetSearchText().isEmpty() || record.text.contains(GetSearchText(), Qt::CaseInsensitive);
        return PassesDateFilter(record.time) && textMatches;
    }

    void CountMatches(int row, uint& total) override
    {
        total += (*GetData())[row].text.count(GetSearchText(), Qt::CaseInsensitive);
    }
};

inline TextRecords MakeTextRecords(const QStringList& texts)
{
    TextRecords records;
    for (const QString& text : texts)
        records.push_back({text, QDateTime()});
    return records;
}
