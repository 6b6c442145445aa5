#include "DateTimeHtml.h"

#include "viewers/gui/ElideText.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>

namespace pluginGui {

namespace {

// The zone is measured in a font that keeps only the family, weight, slant and size.
QFont ZoneFont(const QFont& font)
{
    QFont zoneFont(font.family());
    zoneFont.setWeight(font.weight());
    zoneFont.setItalic(font.italic());
    if (font.pixelSize() > 0)
        zoneFont.setPixelSize(font.pixelSize());
    else
        zoneFont.setPointSizeF(font.pointSizeF());
    return zoneFont;
}

} // namespace

QString DateTimeHtml(const QString& date, const QString& time, const QString& zone)
{
    if (date.isEmpty() && time.isEmpty())
        return QCoreApplication::translate("cmn", "No date is found").toHtmlEscaped();
    return QStringLiteral("%1%4%2 %5 %3%6%2")
        .arg(QStringLiteral("<a style=\"color: #808285\">"), QStringLiteral("</a>"),
             QStringLiteral("<a style=\"color: #808184; font-size: 11px\">"), date, time, zone);
}

QString FitDateTime(const QString& date, const QString& time, const QString& zone, const QFont& font, int width)
{
    const QFontMetrics metrics(font);
    const QFontMetrics zoneMetrics(ZoneFont(font));
    const int spaceWidth = metrics.horizontalAdvance(QLatin1Char(' '));
    const int dateWidth = metrics.horizontalAdvance(date);
    const int timeWidth = metrics.horizontalAdvance(time);
    const int zoneWidth = zoneMetrics.horizontalAdvance(zone);
    if (zoneWidth + 2 * spaceWidth + timeWidth + dateWidth <= width)
        return DateTimeHtml(date, time, zone);

    const int available = width - 2 * spaceWidth;
    if (available - timeWidth - dateWidth >= 1)
        return DateTimeHtml(date, time,
                            viewers::gui::ElideText(zoneMetrics, Qt::ElideRight, zone, available - timeWidth - dateWidth));
    if (available - dateWidth >= 1)
        return DateTimeHtml(date, viewers::gui::ElideText(metrics, Qt::ElideRight, time, available - dateWidth), QString());
    return DateTimeHtml(viewers::gui::ElideText(metrics, Qt::ElideRight, date, width), QString(), QString());
}

} // namespace pluginGui
