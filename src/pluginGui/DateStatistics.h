#pragma once

#include "InfoBarStatInfo.h"

#include <QDateTime>
#include <QModelIndex>

#include <functional>

class QAbstractItemModel;
class QTimeZone;

namespace pluginGui {

struct DateSpan {
    QDateTime oldest;
    QDateTime mostRecent;
};

using DateTimeFormatter = std::function<QString(const QDateTime&)>;
// Appends the groups of the info bar made from the figures.
using StatisticsBuilder =
    std::function<void(const DateSpan& dates, int rowCount, const DateTimeFormatter& formatter, InfoBarStatGroups& out)>;

// Reads the dates of column (role Qt::UserRole + 1) of every row under parent and, when at least
// one is valid, has builder append the figures to out; otherwise appends nothing, not even the
// count. Invalid dates are skipped; the count counts every row.
void CollectDateStatistics(const QAbstractItemModel& model, int column, const QModelIndex& parent,
                           const DateTimeFormatter& formatter, const StatisticsBuilder& builder,
                           InfoBarStatGroups& out);

// The counts of all records and, beside them, the same figures as the shown records: for the
// unfiltered model, where both are the same.
void BuildTotalStatistics(const DateSpan& dates, int rowCount, const DateTimeFormatter& formatter,
                          InfoBarStatGroups& out);
// The figures of the shown records only: for the filtered proxy.
void BuildFilteredStatistics(const DateSpan& dates, int rowCount, const DateTimeFormatter& formatter,
                             InfoBarStatGroups& out);

// "05.03.2019 14:07:33 (UTC +3)" of the date-time seen in zone.
DateTimeFormatter StatisticsDateFormatter(const QTimeZone& zone);

} // namespace pluginGui
