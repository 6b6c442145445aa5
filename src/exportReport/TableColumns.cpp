#include "TableColumns.h"

namespace exportReport {

CaptionMap MakeCaptionMap(int count, const std::function<QString(int)>& caption)
{
    CaptionMap captions;
    for (int index = 0; index < count; ++index)
        captions.emplace(index, caption(index).toStdString());
    return captions;
}

std::vector<ColumnDefinition> MakeColumnDefinitions(const CaptionMap& captions)
{
    std::vector<ColumnDefinition> columns;
    columns.reserve(captions.size());
    for (const auto& [index, caption] : captions)
        columns.push_back({caption, ColumnWidth});
    return columns;
}

} // namespace exportReport
