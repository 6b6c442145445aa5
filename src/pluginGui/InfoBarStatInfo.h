#pragma once

#include <QString>

#include <vector>

namespace pluginGui {

// How an info-bar line looks and whether UpdateStatistics may change its value later.
enum InfoBarStatKind {
    Plain = 1,
    PlainUpdatable = 2,
    Statistics = 3,
    StatisticsUpdatable = 4,
};

// One line of the info bar; value may be HTML with a link.
struct InfoBarStatInfo {
    QString label;
    QString value;
    int kind = Plain;
};

// Each group is one column of the bar.
using InfoBarStatGroups = std::vector<std::vector<InfoBarStatInfo>>;

} // namespace pluginGui
