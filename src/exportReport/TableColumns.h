#pragma once

#include <QString>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace exportReport {

// Column captions (UTF-8) by column index.
using CaptionMap = std::map<int, std::string>;

struct ColumnDefinition {
    std::string caption;
    double width = 0.0;
};

constexpr double ColumnWidth = 30.0;

// Captions of the columns 0 to count - 1 from `caption`, which translates a column index.
CaptionMap MakeCaptionMap(int count, const std::function<QString(int)>& caption);

// One definition per caption in column order, each ColumnWidth wide.
std::vector<ColumnDefinition> MakeColumnDefinitions(const CaptionMap& captions);

} // namespace exportReport
