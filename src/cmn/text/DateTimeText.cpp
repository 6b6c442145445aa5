#include "DateTimeText.h"

#include <QDateTime>
#include <QLocale>

#include <cstdlib>

namespace pluginGui {

QString UtcOffsetText(const QDateTime& dateTime)
{
    const int offsetMinutes = dateTime.offsetFromUtc() / 60;
    if (offsetMinutes == 0)
        return QStringLiteral("(UTC)");
    const int hours = offsetMinutes / 60;
    const int minutes = std::abs(offsetMinutes % 60);
    QString offset = QStringLiteral(" %1%2").arg(offsetMinutes < 0 ? QLatin1Char('-') : QLatin1Char('+')).arg(std::abs(hours));
    if (minutes != 0)
        offset += QStringLiteral(":%1").arg(minutes);
    return QStringLiteral("(UTC%1)").arg(offset);
}

QString DateTimeText(const QDateTime& dateTime)
{
    static const QLocale english(QLocale::English);
    static const QString format = QStringLiteral("%1 %2").arg(QLatin1String(DateFormat), QLatin1String(TimeFormat));
    return english.toString(dateTime, format) + QLatin1Char(' ') + UtcOffsetText(dateTime);
}

} // namespace pluginGui
