#include "DateStatistics.h"

#include "cmn/text/DateTimeText.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QTimeZone>

namespace pluginGui {

namespace {

constexpr int DateRole = Qt::UserRole + 1;

QDateTime DateAt(const QAbstractItemModel& model, int row, int column, const QModelIndex& parent)
{
    return model.index(row, column, parent).data(DateRole).toDateTime();
}

bool IsUsable(const QDateTime& dateTime)
{
    return !dateTime.isNull() && dateTime.isValid();
}

QString Label(const char* text)
{
    return QCoreApplication::translate("cmn", text) + QLatin1Char(' ');
}

std::vector<InfoBarStatInfo> Group(const char* countLabel, const char* mostRecentLabel, const char* oldestLabel,
                                   int countKind, int dateKind, const DateSpan& dates, int rowCount,
                                   const DateTimeFormatter& formatter)
{
    return {
        {Label(countLabel), QStringLiteral("%1").arg(rowCount), countKind},
        {Label(mostRecentLabel), formatter(dates.mostRecent), dateKind},
        {Label(oldestLabel), formatter(dates.oldest), dateKind},
    };
}

std::vector<InfoBarStatInfo> FilteredGroup(const DateSpan& dates, int rowCount, const DateTimeFormatter& formatter)
{
    return Group(QT_TRANSLATE_NOOP("cmn", "Shown (filtered):"), QT_TRANSLATE_NOOP("cmn", "Most recent filtered:"),
                 QT_TRANSLATE_NOOP("cmn", "Oldest filtered:"), StatisticsUpdatable, StatisticsUpdatable, dates,
                 rowCount, formatter);
}

} // namespace

void CollectDateStatistics(const QAbstractItemModel& model, int column, const QModelIndex& parent,
                           const DateTimeFormatter& formatter, const StatisticsBuilder& builder,
                           InfoBarStatGroups& out)
{
    const int rowCount = model.rowCount(parent);
    DateSpan dates;
    for (int row = 0; row < rowCount && !IsUsable(dates.oldest); ++row)
        dates.oldest = DateAt(model, row, column, parent);
    if (!IsUsable(dates.oldest))
        return;
    dates.mostRecent = dates.oldest;
    for (int row = 1; row < rowCount; ++row) {
        const QDateTime dateTime = DateAt(model, row, column, parent);
        if (!IsUsable(dateTime))
            continue;
        if (dateTime < dates.oldest)
            dates.oldest = dateTime;
        else if (dateTime > dates.mostRecent)
            dates.mostRecent = dateTime;
    }
    builder(dates, rowCount, formatter, out);
}

void BuildTotalStatistics(const DateSpan& dates, int rowCount, const DateTimeFormatter& formatter,
                          InfoBarStatGroups& out)
{
    out.push_back(Group(QT_TRANSLATE_NOOP("cmn", "Records:"), QT_TRANSLATE_NOOP("cmn", "Most recent:"),
                        QT_TRANSLATE_NOOP("cmn", "Oldest:"), Statistics, Statistics, dates, rowCount, formatter));
    out.push_back(FilteredGroup(dates, rowCount, formatter));
}

void BuildFilteredStatistics(const DateSpan& dates, int rowCount, const DateTimeFormatter& formatter,
                             InfoBarStatGroups& out)
{
    out.push_back(FilteredGroup(dates, rowCount, formatter));
}

DateTimeFormatter StatisticsDateFormatter(const QTimeZone& zone)
{
    return [zone](const QDateTime& dateTime) { return DateTimeText(dateTime.toTimeZone(zone)); };
}

} // namespace pluginGui
